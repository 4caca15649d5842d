#include "shell/helpservice.h"

#include "shell/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpFilterEngine>
#include <QHelpIndexModel>
#include <QHelpLink>

const QString HelpService::collectionName = QStringLiteral("tremora.qhc");

namespace {
const QString generalTitle = QStringLiteral("Guida di Tremora");
// The id of the start page's keyword in the help project.
const QString startPageId = QStringLiteral("sommario");
} // namespace

QString HelpService::defaultDirectory() {
    const QString fromEnvironment = qEnvironmentVariable("TREMORA_HELP_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // Beside the program in a build folder; in share/tremora of the prefix when installed
    // (bin/tremora and share/tremora/tremora.qhc).
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (QFileInfo(programFolder.filePath(collectionName)).isFile())
        return programFolder.path();
    const QString installed = programFolder.filePath(QStringLiteral("../share/tremora"));
    if (QFileInfo(QDir(installed).filePath(collectionName)).isFile())
        return QDir::cleanPath(installed);
    return programFolder.path();
}

HelpService::HelpService(const QString& directory) : m_directory(directory) {}

HelpService::~HelpService() {
    // The window shows the engine's models: it goes first.
    delete m_window.data();
}

QString HelpService::collectionFile() const {
    return QDir(m_directory).filePath(collectionName);
}

QHelpEngine* HelpService::engine() {
    if (m_setUp)
        return m_engine.get();
    m_setUp = true;
    // A missing collection is not created: the help is simply not there.
    if (!QFileInfo(collectionFile()).isFile())
        return nullptr;
    auto engine = std::make_unique<QHelpEngine>(collectionFile());
    engine->setReadOnly(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty())
        return nullptr;
    const QString filter = engine->filterEngine()->activeFilter();
    engine->contentModel()->createContents(filter);
    engine->indexModel()->createIndex(filter);
    m_engine = std::move(engine);
    return m_engine.get();
}

bool HelpService::available() {
    return engine() != nullptr;
}

QUrl HelpService::topicUrl(int context) {
    QHelpEngine* e = engine();
    if (!e)
        return QUrl();
    const QList<QHelpLink> links = e->documentsForIdentifier(QString::number(context));
    return links.isEmpty() ? QUrl() : links.constFirst().url;
}

QString HelpService::missingText() const {
    return QStringLiteral("La guida di Tremora non è disponibile: il file \"%1\" non si trova "
                          "nella cartella \"%2\".\n\nIl programma funziona ugualmente; per "
                          "consultare la guida rimettere il file della guida (con \"tremora.qch\") "
                          "nella cartella del programma.")
        .arg(collectionName, QDir::toNativeSeparators(m_directory));
}

HelpWindow* HelpService::windowFor(QWidget* owner, const QString& title) {
    // The window belongs to the window that asked for it, so that it takes input while that
    // window is modal; it goes with its owner.
    if (m_window && m_window->parentWidget() != owner) {
        const QRect geometry = m_window->geometry();
        m_window->setParent(owner, Qt::Window);
        m_window->setGeometry(geometry);
    }
    if (!m_window)
        m_window = new HelpWindow(engine(), missingText(), owner);
    m_window->setWindowTitle(title);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

void HelpService::showContents(QWidget* owner) {
    HelpWindow* w = windowFor(owner, generalTitle);
    w->showContentsTab();
    if (QHelpEngine* e = engine()) {
        const QList<QHelpLink> start = e->documentsForIdentifier(startPageId);
        if (!start.isEmpty())
            w->openPage(start.constFirst().url);
    }
}

void HelpService::showIndex(QWidget* owner) {
    HelpWindow* w = windowFor(owner, generalTitle);
    w->showIndexTab();
}

void HelpService::showTopic(QWidget* owner, const QString& helpWindow, int context) {
    HelpWindow* w = windowFor(owner, helpWindow);
    if (!available())
        return;
    const QUrl url = topicUrl(context);
    if (url.isEmpty()) {
        w->showNotice(QStringLiteral("L'argomento %1 non si trova nella guida.").arg(context));
        return;
    }
    w->showContentsTab();
    w->openPage(url);
}

HelpWindow* HelpService::window() const {
    return m_window;
}

// The help library's entry points, used when the help is first asked for (see ondemand.h).
extern "C" Q_DECL_EXPORT Help* tremoraNewHelp() {
    return new HelpService;
}

extern "C" Q_DECL_EXPORT int tremoraCheckHelp(QString* file) {
    HelpService help;
    *file = help.collectionFile();
    return help.available() ? 0 : 1;
}

#include "shell/helpwindow.h"

#include "shell/help.h"

#include <QGuiApplication>
#include <QScreen>

#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

QStringList HelpWindow::controlNames() {
    return helpcontrols::all();
}

HelpBrowser::HelpBrowser(QHelpEngineCore* engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (m_engine && name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine* engine, const QString& unavailableText, QWidget* parent)
    : QWidget(parent, Qt::Window), m_engine(engine) {
    setObjectName(QStringLiteral("guida"));
    m_browser = new HelpBrowser(engine, this);
    m_browser->setObjectName(helpcontrols::page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    if (!engine) {
        layout->addWidget(m_browser);
        showNotice(unavailableText);
        resize(560, 300);
        return;
    }

    m_contents = new QTreeView(this);
    m_contents->setObjectName(helpcontrols::contents);
    m_contents->setModel(engine->contentModel());
    m_contents->header()->hide();
    m_contents->setUniformRowHeights(true);
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, m_contents,
            [this] { m_contents->expandToDepth(0); });
    m_contents->expandToDepth(0);
    auto openContent = [this](const QModelIndex& index) {
        if (QHelpContentItem* item = m_engine->contentModel()->contentItemAt(index))
            openPage(item->url());
    };
    connect(m_contents, &QTreeView::clicked, this, openContent);
    connect(m_contents, &QTreeView::activated, this, openContent);

    auto* indexPage = new QWidget(this);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(2, 2, 2, 2);
    indexLayout->addWidget(new QLabel(QStringLiteral("Cerca:"), indexPage));
    m_search = new QLineEdit(indexPage);
    m_search->setObjectName(helpcontrols::search);
    m_search->setClearButtonEnabled(true);
    indexLayout->addWidget(m_search);
    m_index = new QListView(indexPage);
    m_index->setObjectName(helpcontrols::index);
    m_index->setModel(engine->indexModel());
    m_index->setEditTriggers(QAbstractItemView::NoEditTriggers);
    indexLayout->addWidget(m_index);

    // Typing narrows the index to the entries that contain the text; Enter opens the first.
    auto filter = [this] {
        const QModelIndex best = m_engine->indexModel()->filter(m_search->text());
        if (best.isValid())
            m_index->setCurrentIndex(best);
    };
    connect(m_search, &QLineEdit::textChanged, this, filter);
    connect(engine->indexModel(), &QHelpIndexModel::indexCreated, this, filter);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::openSearched);
    connect(m_index, &QListView::clicked, this, &HelpWindow::openIndexRow);
    connect(m_index, &QListView::activated, this, &HelpWindow::openIndexRow);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(m_contents, QStringLiteral("Sommario"));
    m_tabs->addTab(indexPage, QStringLiteral("Indice"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 500});
    layout->addWidget(splitter);
    // Fits an 800 x 600 screen with its task bar, and never a screen larger than it is.
    QSize size(760, 520);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
}

void HelpWindow::showContentsTab() {
    if (m_tabs)
        m_tabs->setCurrentIndex(0);
}

void HelpWindow::showIndexTab() {
    if (!m_tabs)
        return;
    m_tabs->setCurrentIndex(1);
    m_search->setFocus();
}

void HelpWindow::openPage(const QUrl& url) {
    if (url.isValid())
        m_browser->setSource(url);
}

void HelpWindow::showNotice(const QString& text) {
    m_browser->setPlainText(text);
}

void HelpWindow::openSearched() {
    if (!m_index)
        return;
    QModelIndex current = m_index->currentIndex();
    if (!current.isValid())
        current = m_index->model()->index(0, 0);
    openIndexRow(current);
}

void HelpWindow::openIndexRow(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const QString keyword = index.data().toString();
    const QList<QHelpLink> links = m_engine->documentsForKeyword(keyword);
    if (!links.isEmpty())
        openPage(links.constFirst().url);
}

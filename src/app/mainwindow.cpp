#include "app/mainwindow.h"

#include "app/banner.h"
#include "app/forms.h"
#include "app/help.h"
#include "app/maker.h"
#include "app/prompts.h"
#include "app/reportdocument.h"
#include "app/svgicon.h"
#include "calc/messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString exitHint = QStringLiteral("Esce dal programma Tremora");

// The fifteen menu icons, given to the item whose caption is exactly the text on the left.
struct MenuIcon {
    const char* caption;
    const char* file;
};
const MenuIcon menuIcons[] = {
    {"&Apri....", "apri"},
    {"Salva con &nome....", "salva"},
    {"S&tampa", "stampa"},
    {"Analisi &Statica", "muratura-statica"},
    {"Analisi  &Statica", "intelaiati-statica"},
    {"Edifici in &Muratura....", "componi-muratura"},
    {"Edifici &Intelaiati....", "componi-intelaiati"},
    {"&Grassetto", "grassetto"},
    {"C&orsivo", "corsivo"},
    {"&Sottolineato", "sottolineato"},
    {"C&ancella tutto", "cancella"},
    {"&Sommario....", "sommario"},
    {"&Indice....", "indice"},
    {"&Informazioni su Tremora....", "informazioni"},
    {"C&orvesta nel web....", "contatti"},
};

const char* const statusIcons[12] = {
    "p01-apri",         "p02-salva",    "p03-stampa",  "p04-parametri",
    "p05-informazioni", "p06-contatti", "p07",         "p08-muratura",
    "p09-intelaiati",   "p10",          "p11-componi", "p12",
};

QString bannerText() {
    return QString(16, QLatin1Char(' ')) +
           QStringLiteral("TREMORA 1.0 - Programma per l'analisi statica e dinamica degli edifici "
                          "costruiti in zona sismica (D.M.19/06/1984) - CORVESTA - ") +
           maker::studio + QStringLiteral(" - ") + maker::street + QStringLiteral(" - ") +
           maker::city + QStringLiteral(" - Cell. ") + maker::mobile + QStringLiteral(" e-mail:") +
           maker::email +
           QStringLiteral(" - Per una visione ottimale del programma impostare l'area dello "
                          "schermo a 800 X 600 pixel");
}

} // namespace

static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

MainWindow::MainWindow(Prompts& prompts, Forms& forms, Help& help)
    : m_prompts(prompts), m_forms(forms), m_help(help) {
    initIconResources();
    setObjectName(QStringLiteral("tremora"));
    setWindowTitle(QStringLiteral("TREMORA"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/app/tremora.svg")));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_banner = new Banner(central);
    m_banner->setObjectName(QStringLiteral("sText1"));
    QPalette bannerPalette = m_banner->palette();
    bannerPalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    bannerPalette.setColor(QPalette::Window, QColor(0, 128, 0));
    m_banner->setPalette(bannerPalette);
    QFont bannerFont(
        installedFamily({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}));
    bannerFont.setPointSizeF(9.75);
    m_banner->setFont(bannerFont);
    m_banner->setScrollInterval(200);
    m_banner->setText(bannerText());
    layout->addWidget(m_banner);

    m_editor = new QTextEdit(central);
    m_editor->setObjectName(QStringLiteral("RichTextBox1"));
    m_editor->setAcceptRichText(false);
    // Times New Roman, or its metric twin where it is not installed.
    QFont editorFont(
        installedFamily({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}));
    editorFont.setPointSize(12);
    m_editor->document()->setDefaultFont(editorFont);
    m_editor->setCurrentFont(editorFont);
    layout->addWidget(m_editor, 1);
    setCentralWidget(central);
    m_editor->installEventFilter(this);

    m_document = new ReportDocument(m_editor, prompts, *this, this);
    connect(m_document, &ReportDocument::captionChanged, this, &QWidget::setWindowTitle);

    buildMenus();
    buildToolbar();
    buildStatusBar();
    attachMenuIcons();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(10000);
    connect(m_timer1, &QTimer::timeout, this, &MainWindow::clearStatus);
    m_timer1->start();

    // Maximized; sized to the screen as well, for desktops without a window manager.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

MainWindow::~MainWindow() {
    m_forms.discardAll();
}

QMenu* MainWindow::addMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                const char* shortcut, std::function<void()> command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    menu->addAction(action);
    return action;
}

std::function<void()> MainWindow::openWindow(int panel, const QString& hint,
                                             const QString& window) {
    return [this, panel, hint, window] {
        setBannerVisible(false);
        setIndicator(panel, true);
        setHint(hint);
        m_forms.show(window);
    };
}

void MainWindow::buildMenus() {
    // Every menu command first hides the banner; only the About box shows it again.
    auto hidingBanner = [this](std::function<void()> command) {
        return [this, command = std::move(command)] {
            setBannerVisible(false);
            command();
        };
    };
    ReportDocument* doc = m_document;

    QMenu* file = addMenu(nullptr, "mnuFile", QStringLiteral("&File"));
    addCommand(file, "mnuApriItem", QStringLiteral("&Apri...."), "Ctrl+A",
               hidingBanner([doc] { doc->open(); }));
    addCommand(file, "mnuSalvaconnomeItem", QStringLiteral("Salva con &nome...."), nullptr,
               hidingBanner([doc] { doc->saveAs(); }));
    addCommand(file, "mnuStampaItem", QStringLiteral("S&tampa"), "Ctrl+S",
               hidingBanner([doc] { doc->print(); }));
    QAction* close = addCommand(file, "mnuchiudiitem", QStringLiteral("&Chiudi"), "Ctrl+C",
                                hidingBanner([doc] { doc->close(); }));
    close->setEnabled(false);
    connect(m_document, &ReportDocument::closeEnabledChanged, close, &QAction::setEnabled);
    addCommand(file, "mnuEsciItem", QStringLiteral("&Esci"), "Ctrl+E", [this] { exitProgram(); });

    QMenu* insert = addMenu(nullptr, "mnuInserisci", QStringLiteral("I&nserisci"));
    addCommand(insert, "mnudataitem", QStringLiteral("&Data"), "Ctrl+D",
               hidingBanner([doc] { doc->insertDate(); }));
    addCommand(insert, "mnuindirizzoitem", QStringLiteral("&Indirizzo del committente"), nullptr,
               hidingBanner([doc] { doc->insertAddress(); }));

    using namespace panels;
    struct Route {
        QMenu* menu;
        const char* name;
        const char* caption;
        const char* shortcut;
        int panel;
        QString hint;
        const char* window;
    };
    auto addRoutes = [this](std::initializer_list<Route> routes) {
        for (const Route& r : routes) {
            QAction* a = addCommand(r.menu, r.name, QString::fromUtf8(r.caption), r.shortcut,
                                    openWindow(r.panel, r.hint, QString::fromLatin1(r.window)));
            a->setEnabled(m_forms.exists(QString::fromLatin1(r.window)));
        }
    };

    QMenu* parameters =
        addMenu(nullptr, "mnuparametri", QStringLiteral("&Parametri dell'edificio"));
    addRoutes({
        {parameters, "mnuperfonditem", "&Periodo fondamentale di vibrazione....", nullptr,
         buildingParameters, QStringLiteral("Calcola il periodo di vibrazione dell'edificio"),
         "periodo"},
        {parameters, "mnupesocomplitem", "Peso &complessivo....", nullptr, buildingParameters,
         QStringLiteral("Calcola il peso totale dell'edificio"), "peso"},
        {parameters, "mnucoefficienteitem", "C&oefficiente di distribuzione....", nullptr,
         buildingParameters,
         QStringLiteral(
             "Calcola il coefficiente di distribuzione del piano iesimo (adimensionale)"),
         "coeffdistribuzione"},
        {parameters, "mnusollecitazioniItem", "&Spostamenti....", nullptr, buildingParameters,
         QStringLiteral("Calcola gli spostamenti reali prodotti dal sisma e da azioni esterne"),
         "Sollecitazioni"},
        {parameters, "mnuverificheitem", "&Verifiche....", nullptr, buildingParameters,
         QStringLiteral("Calcola le sollecitazioni totali prodotte dal sisma e da forze esterne"),
         "verifiche"},
    });

    QMenu* masonry = addMenu(nullptr, "mnuedmur", QStringLiteral("&Edifici in Muratura"));
    QMenu* masonryStatic =
        addMenu(masonry, "mnuanalisistaticaitem", QStringLiteral("Analisi &Statica"));
    addRoutes({
        {masonryStatic, "mnuforzeorizzontaliitem", "Forze &Orizzontali....", nullptr,
         panels::masonry, QStringLiteral("Fh = C * R * I * W"), "forzeorizzontali"},
        {masonryStatic, "mnuforzeverticaliitem", "Forze &Verticali....", nullptr, panels::masonry,
         QStringLiteral("Fv = m * C * W"), "forzeverticali"},
        {masonry, "mnuanldinitem", "Analisi &Dinamica....", nullptr, panels::masonry,
         messages::masonryDynamicHint, "analisidinamica1"},
    });

    QMenu* framed = addMenu(nullptr, "mnuedintel", QStringLiteral("Edifici &Intelaiati"));
    QMenu* framedStatic = addMenu(framed, "mnuanstaticaitem", QStringLiteral("Analisi  &Statica"));
    addRoutes({
        {framedStatic, "mnuazorizzitem", "Azioni &Orizzontali....", nullptr, panels::framed,
         QStringLiteral("Fi = Ki * Wi"), "azioniorizzontali"},
        {framedStatic, "mnuazvertitem", "Azioni &Verticali....", nullptr, panels::framed,
         QStringLiteral("Fv = Kv * W"), "azioniverticali"},
        {framed, "mnuanalisidinItem", "Analisi &Dinamica....", nullptr, panels::framed,
         messages::framedDynamicHint, "analisidinamica2"},
    });

    QMenu* reports = addMenu(nullptr, "mnurelazioni", QStringLiteral("Componi &Relazione"));
    addRoutes({
        {reports, "mnuedmuritem", "Edifici in &Muratura....", nullptr, composer,
         QStringLiteral("Consente di personalizzare la relazione statica o dinamica per gli "
                        "edifici in muratura"),
         "componirelazione"},
        {reports, "mnueintitem", "Edifici &Intelaiati....", "Ctrl+I", composer,
         QStringLiteral("Consente di personalizzare la relazione statica o dinamica per gli "
                        "edifici intelaiati"),
         "componirelazione1"},
    });

    QMenu* format = addMenu(nullptr, "mnuformat", QStringLiteral("For&matta Testo"));
    addCommand(format, "mnucarattereitem", QStringLiteral("&Carattere"), nullptr,
               hidingBanner([doc] { doc->chooseFont(); }));
    addCommand(format, "mnugrassettoitem", QStringLiteral("&Grassetto"), nullptr,
               hidingBanner([doc] { doc->toggleBold(); }));
    addCommand(format, "mnucorsivoitem", QStringLiteral("C&orsivo"), nullptr,
               hidingBanner([doc] { doc->toggleItalic(); }));
    addCommand(format, "mnusottolineatoitem", QStringLiteral("&Sottolineato"), nullptr,
               hidingBanner([doc] { doc->toggleUnderline(); }));
    addCommand(format, "mnucancellaitem", QStringLiteral("C&ancella tutto"), nullptr,
               hidingBanner([doc] { doc->clearAll(); }));

    QMenu* help = addMenu(nullptr, "mnuHelp", QStringLiteral("&Help"));
    const QString helpHint =
        QStringLiteral("Guida introduttiva all'uso dei principali comandi presenti nel programma");
    addCommand(help, "mnuguidaItem", QStringLiteral("&Sommario...."), "F2",
               hidingBanner([this, helpHint] {
                   setHint(helpHint);
                   m_help.showContents(this);
               }));
    addCommand(help, "mnuindiceitem", QStringLiteral("&Indice...."), "F3",
               hidingBanner([this, helpHint] {
                   setHint(helpHint);
                   m_help.showIndex(this);
               }));
    QAction* about = addCommand(help, "mnuinformazioniItem",
                                QStringLiteral("&Informazioni su Tremora...."), "Ctrl+F1", [this] {
                                    setBannerVisible(true);
                                    m_forms.show(QStringLiteral("infotremora"));
                                });
    about->setEnabled(m_forms.exists(QStringLiteral("infotremora")));
    addRoutes({
        {help, "mnulithvaneitem", "C&orvesta nel web....", "Ctrl+F2", contact,
         QStringLiteral("Autore del programma e indirizzo internet di Corvesta"), "lithvane"},
    });
}

void MainWindow::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));

    auto action = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    auto add = [bar](QAction* a, const char* key, const QString& tooltip) {
        // The toolbar shares the menu's action; its button carries the key and tooltip.
        QToolButton* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(key));
        b->setAutoRaise(true);
        b->setIconSize(bar->iconSize());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        a->setToolTip(tooltip); // menus do not show tooltips; the toolbar button does
        b->setDefaultAction(a);
        bar->addWidget(b);
    };
    // "casa" and "palazzo" open the selection windows without touching banner or status bar.
    auto selection = [this](const char* key, const char* icon, const char* window) {
        auto* a = new QAction(
            svgIcon(QStringLiteral(":/icons/toolbar/%1.svg").arg(QString::fromLatin1(icon))),
            QString::fromLatin1(key), this);
        const QString name = QString::fromLatin1(window);
        connect(a, &QAction::triggered, this, [this, name] { m_forms.show(name); });
        a->setEnabled(m_forms.exists(name));
        return a;
    };

    add(action("mnuApriItem"), "open", QStringLiteral("Apri"));
    add(action("mnuSalvaconnomeItem"), "save", QStringLiteral("Salva con nome"));
    add(action("mnuStampaItem"), "print", QStringLiteral("Stampa"));
    bar->addSeparator();
    add(action("mnugrassettoitem"), "bold", QStringLiteral("Grassetto"));
    add(action("mnucorsivoitem"), "italic", QStringLiteral("Corsivo"));
    add(action("mnusottolineatoitem"), "underline", QStringLiteral("Sottolineato"));
    add(action("mnucancellaitem"), "erase", QStringLiteral("Cancella tutto"));
    bar->addSeparator();
    add(selection("casa", "casa", "selmur"), "casa",
        QStringLiteral("Analisi Statica e Dinamica - Edifici in muratura"));
    add(selection("palazzo", "palazzo", "selint"), "palazzo",
        QStringLiteral("Analisi Statica e Dinamica - Edifici intelaiati"));
    bar->addSeparator();
    add(action("mnuedmuritem"), "componimur",
        QStringLiteral("Componi Relazione - Edifici in muratura"));
    add(action("mnueintitem"), "componiint",
        QStringLiteral("Componi Relazione - Edifici intelaiati"));
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(48);
    bar->addWidget(gap);
    add(action("mnulithvaneitem"), "contattaci", QStringLiteral("Contattaci"));
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    QFont font(installedFamily({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}));
    font.setPointSizeF(8.25);
    bar->setFont(font);
    // The fifteen panels in one strip, handed to the status bar at once so that it lays
    // itself out once.
    auto* strip = new QWidget(bar);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < 15; ++i) {
        auto* panel = new QLabel(strip);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 12)
            panel->setVisible(false); // indicators start off; the icon is drawn when first on
        m_panels[i] = panel;
        if (i == 14) {
            // Panel 15: the time, with a clock icon beside it.
            auto* clockIcon = new QLabel(strip);
            clockIcon->setPixmap(
                svgIcon(QStringLiteral(":/icons/status/orologio.svg")).pixmap(16, 16));
            row->addWidget(clockIcon);
        }
        row->addWidget(panel, i == 12 ? 1 : 0);
    }
    m_panels[12]->setTextFormat(Qt::PlainText);
    m_panels[12]->setMinimumWidth(100);
    bar->addPermanentWidget(strip, 1);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clock.start();
    updateClock();
}

void MainWindow::attachMenuIcons() {
    // Walk every menu item in order and give an icon to those whose caption matches exactly.
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            for (const MenuIcon& icon : menuIcons) {
                if (a->text() == QString::fromUtf8(icon.caption))
                    a->setIcon(svgIcon(
                        QStringLiteral(":/icons/menu/%1.svg").arg(QString::fromLatin1(icon.file))));
            }
            if (a->menu())
                walk(a->menu());
        }
    };
    for (QAction* top : menuBar()->actions())
        if (top->menu())
            walk(top->menu());
}

void MainWindow::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QString date = italian.toString(now.date(), QStringLiteral("dd/MM/yyyy"));
    const QString time = italian.toString(now.time(), QStringLiteral("HH:mm"));
    if (m_panels[13]->text() != date)
        m_panels[13]->setText(date);
    if (m_panels[14]->text() != time)
        m_panels[14]->setText(time);
}

void MainWindow::clearStatus() {
    for (int panel = 1; panel <= 12; ++panel)
        setIndicator(panel, false);
    setHint(QString());
}

void MainWindow::setIndicator(int panel, bool on) {
    if (panel < 1 || panel > 12)
        return;
    QLabel* indicator = m_panels[panel - 1];
    if (on && indicator->pixmap().isNull())
        indicator->setPixmap(svgIcon(QStringLiteral(":/icons/status/%1.svg")
                                         .arg(QString::fromLatin1(statusIcons[panel - 1])))
                                 .pixmap(16, 16));
    indicator->setVisible(on);
}

bool MainWindow::indicator(int panel) const {
    return panel >= 1 && panel <= 12 && !m_panels[panel - 1]->isHidden();
}

void MainWindow::setHint(const QString& hint) {
    m_panels[12]->setText(hint);
}

QString MainWindow::hint() const {
    return m_panels[12]->text();
}

void MainWindow::setTimerEnabled(bool enabled) {
    // Enabling a running timer does not restart its interval.
    if (!enabled)
        m_timer1->stop();
    else if (!m_timer1->isActive())
        m_timer1->start();
}

void MainWindow::setBannerVisible(bool visible) {
    m_banner->setVisible(visible);
}

bool MainWindow::bannerVisible() const {
    return !m_banner->isHidden();
}

QString MainWindow::reportText() const {
    return m_document->text();
}

void MainWindow::setReportText(const QString& text) {
    m_document->setText(text);
}

void MainWindow::exitProgram() {
    setBannerVisible(false);
    setHint(exitHint);
    if (m_document->offerToSave() == ReportDocument::SaveOutcome::Cancelled) {
        setHint(QString());
        return;
    }
    endProgram();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::ShortcutOverride) {
        // The editor claims Ctrl+A (select all) and Ctrl+C (copy) for itself; an enabled menu
        // command with that shortcut wins, as the menu's shortcuts do everywhere else.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers(), Qt::Key(key->key())));
        for (const QAction* action : findChildren<QAction*>()) {
            if (action->isEnabled() && !action->shortcut().isEmpty() &&
                action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_ending) {
        event->accept();
        return;
    }
    setHint(exitHint);
    // A cancelled save dialog keeps the program running rather than losing the report.
    if (m_document->offerToSave() == ReportDocument::SaveOutcome::Cancelled) {
        setHint(QString());
        event->ignore();
        return;
    }
    event->accept();
    m_ending = true;
    m_forms.discardAll();
    emit programEnded();
}

void MainWindow::endProgram() {
    m_ending = true;
    m_forms.discardAll();
    close();
    emit programEnded();
}

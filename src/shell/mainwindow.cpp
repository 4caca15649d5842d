#include "shell/mainwindow.h"

#include "core/sharedvalues.h"
#include "shell/appcontext.h"
#include "shell/banner.h"
#include "shell/buildingfile.h"
#include "shell/forms.h"
#include "shell/help.h"
#include "shell/maker.h"
#include "shell/pagelayout.h"
#include "shell/prompts.h"
#include "shell/reportdocument.h"
#include "shell/routes.h"
#include "shell/svgicon.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
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

#include <algorithm>
#include <iterator>
#include <map>

namespace {

const QString exitHint = QStringLiteral("Esce dal programma Tremora");

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
    m_editor->setAccessibleName(QStringLiteral("Relazione"));
    // An empty report says how to begin.
    m_editor->setPlaceholderText(
        QStringLiteral("Per cominciare: calcolare il periodo T (Parametri dell'edificio, Periodo "
                       "fondamentale di vibrazione....) e il peso P (Peso complessivo....); "
                       "aprire la finestra di calcolo dal menu dell'edificio, premere Elabora "
                       "Dati e Invia Dati; poi Componi Relazione. F1 apre la guida."));
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
    // The printed pages name the work as the building's project data do at that moment.
    m_document->setHeaderSource([this] {
        const AppContext* ctx = m_forms.context();
        return ctx ? pagelayout::headerLine(ctx->shared.edificio.project) : QString();
    });
    // The title is the report's caption, with "*" after it while changes are not saved. A
    // "[*]" in a file name is doubled, so that it shows as it is rather than as the mark.
    const auto showCaption = [this](const QString& caption) {
        setWindowTitle(QString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]")) +
                       QLatin1String("[*]"));
    };
    showCaption(m_document->caption());
    setWindowModified(m_document->isModified());
    connect(m_document, &ReportDocument::captionChanged, this, showCaption);
    connect(m_document, &ReportDocument::modifiedChanged, this, &QWidget::setWindowModified);

    buildMenus();
    buildToolbar();
    buildStatusBar();

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

QIcon MainWindow::icon(const char* file) {
    return svgIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(file)));
}

void MainWindow::buildMenus() {
    ReportDocument* doc = m_document;
    auto onDocument = [doc](void (ReportDocument::*command)()) {
        return [doc, command] { (doc->*command)(); };
    };
    auto route = [this](const Route& r) { return [this, r] { routes::open(*this, m_forms, r); }; };
    const QString helpHint =
        QStringLiteral("Guida introduttiva all'uso dei principali comandi presenti nel programma");

    // The menus, each after its parent; a submenu's icon goes on the item that opens it.
    struct MenuSpec {
        const char* name;
        const char* parent;
        const char* caption;
        const char* icon;
    };
    const MenuSpec menus[] = {
        {"mnuFile", nullptr, "&File", nullptr},
        {"mnuInserisci", nullptr, "I&nserisci", nullptr},
        {"mnuparametri", nullptr, "&Parametri dell'edificio", nullptr},
        {"mnuedmur", nullptr, "&Edifici in Muratura", nullptr},
        {"mnuanalisistaticaitem", "mnuedmur", "Analisi &Statica", "menu/muratura-statica"},
        {"mnuedintel", nullptr, "Edifici &Intelaiati", nullptr},
        {"mnuanstaticaitem", "mnuedintel", "Analisi  &Statica", "menu/intelaiati-statica"},
        {"mnurelazioni", nullptr, "Componi &Relazione", nullptr},
        {"mnuformat", nullptr, "For&matta Testo", nullptr},
        {"mnuHelp", nullptr, "&Help", nullptr},
    };

    // Every command of the menus and the toolbar, in menu order. A command of a menu hides
    // the banner before it runs; one that opens a window is enabled when the window exists.
    const CommandSpec commands[] = {
        {Cmd::Open, "mnuFile", "mnuApriItem", "&Apri....", "Ctrl+O", "menu/apri", "open", "Apri",
         onDocument(&ReportDocument::open), nullptr},
        {Cmd::SaveAs, "mnuFile", "mnuSalvaconnomeItem", "Salva con &nome....", nullptr,
         "menu/salva", "save", "Salva con nome", onDocument(&ReportDocument::saveAs), nullptr},
        // The building's data, apart from the report: the calculation windows and the
        // shared values.
        {Cmd::OpenData, "mnuFile", "mnuApriDatiItem", "Apri &dati edificio....", nullptr, nullptr,
         nullptr, nullptr, [this] { buildingfile::openCommand(this, m_prompts, *this, m_forms); },
         nullptr},
        {Cmd::SaveData, "mnuFile", "mnuSalvaDatiItem", "Salva dat&i edificio....", nullptr, nullptr,
         nullptr, nullptr, [this] { buildingfile::saveCommand(this, m_prompts, *this, m_forms); },
         nullptr},
        {Cmd::Print, "mnuFile", "mnuStampaItem", "S&tampa", "Ctrl+S", "menu/stampa", "print",
         "Stampa", onDocument(&ReportDocument::print), nullptr},
        // The report on A4 pages: seen before printing, or delivered as a document.
        {Cmd::Preview, "mnuFile", "mnuAnteprimaItem", "Antep&rima di stampa....", nullptr, nullptr,
         nullptr, nullptr, onDocument(&ReportDocument::preview), nullptr},
        {Cmd::Pdf, "mnuFile", "mnuPdfItem", "Esporta in &PDF....", nullptr, nullptr, nullptr,
         nullptr, onDocument(&ReportDocument::exportPdf), nullptr},
        {Cmd::Odt, "mnuFile", "mnuOdtItem", "Esporta in &ODT....", nullptr, nullptr, nullptr,
         nullptr, onDocument(&ReportDocument::exportOdt), nullptr},
        {Cmd::Close, "mnuFile", "mnuchiudiitem", "&Chiudi", "Ctrl+W", nullptr, nullptr, nullptr,
         onDocument(&ReportDocument::close), nullptr},
        {Cmd::Exit, "mnuFile", "mnuEsciItem", "&Esci", "Ctrl+E", nullptr, nullptr, nullptr,
         [this] { exitProgram(); }, nullptr},
        {Cmd::Date, "mnuInserisci", "mnudataitem", "&Data", "Ctrl+D", nullptr, nullptr, nullptr,
         onDocument(&ReportDocument::insertDate), nullptr},
        {Cmd::Address, "mnuInserisci", "mnuindirizzoitem", "&Indirizzo del committente", nullptr,
         nullptr, nullptr, nullptr, onDocument(&ReportDocument::insertAddress), nullptr},
        {Cmd::BuildingData, "mnuparametri", "mnudatiedificioitem", "&Dati dell'edificio....",
         nullptr, nullptr, nullptr, nullptr, route(routes::buildingData), "datiedificio"},
        {Cmd::Period, "mnuparametri", "mnuperfonditem", "&Periodo fondamentale di vibrazione....",
         nullptr, nullptr, nullptr, nullptr, route(routes::period), "periodo"},
        {Cmd::Weight, "mnuparametri", "mnupesocomplitem", "Peso &complessivo....", nullptr, nullptr,
         nullptr, nullptr, route(routes::weight), "peso"},
        {Cmd::Distribution, "mnuparametri", "mnucoefficienteitem",
         "C&oefficiente di distribuzione....", nullptr, nullptr, nullptr, nullptr,
         route(routes::distribution), "coeffdistribuzione"},
        {Cmd::Displacements, "mnuparametri", "mnusollecitazioniItem", "&Spostamenti....", nullptr,
         nullptr, nullptr, nullptr, route(routes::displacements), "Sollecitazioni"},
        {Cmd::Checks, "mnuparametri", "mnuverificheitem", "&Verifiche....", nullptr, nullptr,
         nullptr, nullptr, route(routes::checks), "verifiche"},
        {Cmd::Spectrum, "mnuparametri", "mnuspettroitem", "Spettro di &risposta....", nullptr,
         nullptr, nullptr, nullptr, route(routes::spectrum), "spettro"},
        {Cmd::HorizontalForces, "mnuanalisistaticaitem", "mnuforzeorizzontaliitem",
         "Forze &Orizzontali....", nullptr, nullptr, nullptr, nullptr,
         route(routes::horizontalForces), "forzeorizzontali"},
        {Cmd::VerticalForces, "mnuanalisistaticaitem", "mnuforzeverticaliitem",
         "Forze &Verticali....", nullptr, nullptr, nullptr, nullptr, route(routes::verticalForces),
         "forzeverticali"},
        {Cmd::MasonryDynamic, "mnuedmur", "mnuanldinitem", "Analisi &Dinamica....", nullptr,
         nullptr, nullptr, nullptr, route(routes::masonryDynamic), "analisidinamica1"},
        // The selection window of the toolbar's "casa", for those who work from the menus.
        {Cmd::ChooseMasonry, "mnuedmur", "mnuselmuritem", "Tipo di &analisi....", nullptr,
         nullptr, nullptr, nullptr, [this] { m_forms.show(QStringLiteral("selmur")); },
         "selmur"},
        {Cmd::HorizontalActions, "mnuanstaticaitem", "mnuazorizzitem", "Azioni &Orizzontali....",
         nullptr, nullptr, nullptr, nullptr, route(routes::horizontalActions), "azioniorizzontali"},
        {Cmd::VerticalActions, "mnuanstaticaitem", "mnuazvertitem", "Azioni &Verticali....",
         nullptr, nullptr, nullptr, nullptr, route(routes::verticalActions), "azioniverticali"},
        {Cmd::FramedDynamic, "mnuedintel", "mnuanalisidinItem", "Analisi &Dinamica....", nullptr,
         nullptr, nullptr, nullptr, route(routes::framedDynamic), "analisidinamica2"},
        {Cmd::AllStoreys, "mnuedintel", "mnututtipianiitem", "Tutti i &piani....", nullptr,
         nullptr, nullptr, nullptr, route(routes::allStoreys), "tuttipiani"},
        {Cmd::ChooseFramed, "mnuedintel", "mnuselintitem", "Tipo di &analisi....", nullptr,
         nullptr, nullptr, nullptr, [this] { m_forms.show(QStringLiteral("selint")); },
         "selint"},
        {Cmd::ComposeMasonry, "mnurelazioni", "mnuedmuritem", "Edifici in &Muratura....", nullptr,
         "menu/componi-muratura", "componimur", "Componi Relazione - Edifici in muratura",
         route(routes::composeMasonry), "componirelazione"},
        {Cmd::ComposeFramed, "mnurelazioni", "mnueintitem", "Edifici &Intelaiati....", "Ctrl+I",
         "menu/componi-intelaiati", "componiint", "Componi Relazione - Edifici intelaiati",
         route(routes::composeFramed), "componirelazione1"},
        // The report an engineer files: formulas, values, tables and diagrams of the building.
        {Cmd::CalcReport, "mnurelazioni", "mnurelcalcoloitem", "Relazione di &calcolo....",
         nullptr, nullptr, nullptr, nullptr, route(routes::calcReport), "relazionecalcolo"},
        {Cmd::Font, "mnuformat", "mnucarattereitem", "&Carattere", nullptr, nullptr, nullptr,
         nullptr, onDocument(&ReportDocument::chooseFont), nullptr},
        {Cmd::Bold, "mnuformat", "mnugrassettoitem", "&Grassetto", nullptr, "menu/grassetto",
         "bold", "Grassetto", onDocument(&ReportDocument::toggleBold), nullptr},
        {Cmd::Italic, "mnuformat", "mnucorsivoitem", "C&orsivo", nullptr, "menu/corsivo", "italic",
         "Corsivo", onDocument(&ReportDocument::toggleItalic), nullptr},
        {Cmd::Underline, "mnuformat", "mnusottolineatoitem", "&Sottolineato", nullptr,
         "menu/sottolineato", "underline", "Sottolineato",
         onDocument(&ReportDocument::toggleUnderline), nullptr},
        {Cmd::ClearAll, "mnuformat", "mnucancellaitem", "C&ancella tutto", nullptr, "menu/cancella",
         "erase", "Cancella tutto", onDocument(&ReportDocument::clearAll), nullptr},
        {Cmd::Contents, "mnuHelp", "mnuguidaItem", "&Sommario....", "F2", "menu/sommario", nullptr,
         nullptr,
         [this, helpHint] {
             setHint(helpHint);
             m_help.showContents(this);
         },
         nullptr},
        {Cmd::Index, "mnuHelp", "mnuindiceitem", "&Indice....", "F3", "menu/indice", nullptr,
         nullptr,
         [this, helpHint] {
             setHint(helpHint);
             m_help.showIndex(this);
         },
         nullptr},
        // The About box brings the banner back.
        // "I" belongs to "Indice": the About box takes "f".
        {Cmd::About, "mnuHelp", "mnuinformazioniItem", "In&formazioni su Tremora....", "Ctrl+F1",
         "menu/informazioni", nullptr, nullptr,
         [this] {
             setBannerVisible(true);
             m_forms.show(QStringLiteral("infotremora"));
         },
         "infotremora"},
        {Cmd::Contact, "mnuHelp", "mnulithvaneitem", "C&orvesta nel web....", "Ctrl+F2",
         "menu/contatti", "contattaci", "Contattaci", route(routes::contact), "lithvane"},
        // Toolbar only: the selection windows open without touching banner or status bar.
        {Cmd::SelectMasonry, nullptr, "casa", "casa", nullptr, "toolbar/casa", "casa",
         "Analisi Statica e Dinamica - Edifici in muratura",
         [this] { m_forms.show(QStringLiteral("selmur")); }, "selmur"},
        {Cmd::SelectFramed, nullptr, "palazzo", "palazzo", nullptr, "toolbar/palazzo", "palazzo",
         "Analisi Statica e Dinamica - Edifici intelaiati",
         [this] { m_forms.show(QStringLiteral("selint")); }, "selint"},
    };

    std::map<QByteArray, QMenu*> menuByName;
    for (const MenuSpec& m : menus) {
        const QString caption = QString::fromUtf8(m.caption);
        QMenu* parent = m.parent ? menuByName.at(m.parent) : nullptr;
        QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.name));
        if (m.icon)
            menu->menuAction()->setIcon(icon(m.icon));
        menuByName[m.name] = menu;
    }
    for (const CommandSpec& c : commands) {
        auto* action = new QAction(QString::fromUtf8(c.caption), this);
        action->setObjectName(QString::fromLatin1(c.name));
        if (c.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
        if (c.icon)
            action->setIcon(icon(c.icon));
        // Menus do not show tooltips; the toolbar button does.
        if (c.tooltip)
            action->setToolTip(QString::fromUtf8(c.tooltip));
        if (c.window)
            action->setEnabled(m_forms.exists(QString::fromLatin1(c.window)));
        const bool fromMenu = c.menu != nullptr;
        const bool keepsBanner = c.id == Cmd::Exit || c.id == Cmd::About;
        connect(action, &QAction::triggered, this,
                [this, run = c.run, hides = fromMenu && !keepsBanner] {
                    if (hides)
                        setBannerVisible(false);
                    run();
                });
        if (fromMenu)
            menuByName.at(c.menu)->addAction(action);
        m_actions[size_t(c.id)] = action;
        m_toolKeys[size_t(c.id)] = c.toolKey;
    }
    // F1, the usual key for help, opens the guide too; Ctrl+P, the usual key for printing,
    // prints too. The menu shows the first key.
    action(Cmd::Contents)->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F1)});
    action(Cmd::Print)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_P)});
    QAction* close = action(Cmd::Close);
    close->setEnabled(false);
    connect(m_document, &ReportDocument::closeEnabledChanged, close, &QAction::setEnabled);
}

void MainWindow::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));

    // The buttons in their groups; a gap sets "Contattaci" apart.
    enum Item { Separator = -1, Gap = -2 };
    const int items[] = {
        int(Cmd::Open),
        int(Cmd::SaveAs),
        int(Cmd::Print),
        Separator,
        int(Cmd::Bold),
        int(Cmd::Italic),
        int(Cmd::Underline),
        int(Cmd::ClearAll),
        Separator,
        int(Cmd::SelectMasonry),
        int(Cmd::SelectFramed),
        Separator,
        int(Cmd::ComposeMasonry),
        int(Cmd::ComposeFramed),
        Gap,
        int(Cmd::Contact),
    };
    for (const int item : items) {
        if (item == Separator) {
            bar->addSeparator();
        } else if (item == Gap) {
            auto* gap = new QWidget(bar);
            gap->setFixedWidth(48);
            bar->addWidget(gap);
        } else {
            // The toolbar shares the menu's action; its button carries the key.
            auto* b = new QToolButton(bar);
            b->setObjectName(QString::fromLatin1(m_toolKeys[size_t(item)]));
            b->setAutoRaise(true);
            b->setIconSize(bar->iconSize());
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            b->setDefaultAction(m_actions[size_t(item)]);
            // A screen reader reads the tooltip, not the key.
            b->setAccessibleName(m_actions[size_t(item)]->toolTip());
            bar->addWidget(b);
        }
    }
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

bool MainWindow::mayEnd() {
    setHint(exitHint);
    // A cancelled or failed save keeps the program running rather than losing the report.
    if (m_document->offerToSave() == ReportDocument::SaveOutcome::Cancelled) {
        setHint(QString());
        return false;
    }
    return true;
}

void MainWindow::openFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tremora"))
        buildingfile::openPath(this, m_prompts, *this, m_forms, path);
    else if (suffix == QLatin1String("txt"))
        m_document->openFile(path);
    else
        m_prompts.message(this, QStringLiteral("Messaggio di Sistema"),
                          QStringLiteral("Tremora apre all'avvio una relazione (file .txt) o i "
                                         "dati di un edificio (file .tremora): «") +
                              QFileInfo(path).fileName() +
                              QStringLiteral("» non è né l'una né gli altri."));
}

void MainWindow::setReportDocument(const QTextDocument& document) {
    m_document->setRichText(document);
}

void MainWindow::appendReportText(const QString& text) {
    m_document->append(text);
}

void MainWindow::focusReport() {
    m_document->editor()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::exitProgram() {
    setBannerVisible(false);
    if (mayEnd())
        endProgram();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_editor ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress) {
        // Ctrl+Y redoes on every desktop, also where the platform's redo is only
        // Ctrl+Shift+Z.
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) &&
            !key->matches(QKeySequence::Redo)) {
            m_editor->redo();
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    // The editing keys of the platform (copy, cut, paste, select all, undo, redo) are the
    // editor's whatever the menus hold.
    const QKeySequence::StandardKey editing[] = {
        QKeySequence::Copy,      QKeySequence::Cut,  QKeySequence::Paste,
        QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo,
    };
    if (std::any_of(std::begin(editing), std::end(editing),
                    [key](QKeySequence::StandardKey k) { return key->matches(k); }))
        return QMainWindow::eventFilter(watched, event);
    // Any other key that the editor would take for itself (a line movement on some desktops)
    // but that is the shortcut of an enabled menu command runs the command, as the menu's
    // shortcuts do everywhere else.
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* command : m_actions) {
        if (command->isEnabled() && command->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_ending) {
        event->accept();
        return;
    }
    if (!mayEnd()) {
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

#include "fixture.h"

#include "shell/banner.h"
#include "shell/maker.h"
#include "shell/reportdocument.h"
#include "shell/svgicon.h"

#include <QClipboard>
#include <QDate>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// The menu tree as the user sees it: object name, caption, shortcut, depth.
struct Item {
    int depth;
    const char* name;
    const char* caption;
    const char* shortcut;
};
const Item menuTree[] = {
    {0, "mnuFile", "&File", ""},
    {1, "mnuApriItem", "&Apri....", "Ctrl+O"},
    {1, "mnuSalvaconnomeItem", "Salva con &nome....", ""},
    {1, "mnuApriDatiItem", "Apri &dati edificio....", ""},
    {1, "mnuSalvaDatiItem", "Salva dat&i edificio....", ""},
    {1, "mnuStampaItem", "S&tampa", "Ctrl+S"},
    {1, "mnuAnteprimaItem", "Antep&rima di stampa....", ""},
    {1, "mnuPdfItem", "Esporta in &PDF....", ""},
    {1, "mnuOdtItem", "Esporta in &ODT....", ""},
    {1, "mnuchiudiitem", "&Chiudi", "Ctrl+W"},
    {1, "mnuEsciItem", "&Esci", "Ctrl+E"},
    {0, "mnuInserisci", "I&nserisci", ""},
    {1, "mnudataitem", "&Data", "Ctrl+D"},
    {1, "mnuindirizzoitem", "&Indirizzo del committente", ""},
    {0, "mnuparametri", "&Parametri dell'edificio", ""},
    {1, "mnudatiedificioitem", "&Dati dell'edificio....", ""},
    {1, "mnuperfonditem", "&Periodo fondamentale di vibrazione....", ""},
    {1, "mnupesocomplitem", "Peso &complessivo....", ""},
    {1, "mnucoefficienteitem", "C&oefficiente di distribuzione....", ""},
    {1, "mnusollecitazioniItem", "&Spostamenti....", ""},
    {1, "mnuverificheitem", "&Verifiche....", ""},
    {1, "mnuspettroitem", "Spettro di &risposta....", ""},
    {0, "mnuedmur", "&Edifici in Muratura", ""},
    {1, "mnuanalisistaticaitem", "Analisi &Statica", ""},
    {2, "mnuforzeorizzontaliitem", "Forze &Orizzontali....", ""},
    {2, "mnuforzeverticaliitem", "Forze &Verticali....", ""},
    {1, "mnuanldinitem", "Analisi &Dinamica....", ""},
    {1, "mnuselmuritem", "Tipo di &analisi....", ""},
    {0, "mnuedintel", "Edifici &Intelaiati", ""},
    {1, "mnuanstaticaitem", "Analisi  &Statica", ""},
    {2, "mnuazorizzitem", "Azioni &Orizzontali....", ""},
    {2, "mnuazvertitem", "Azioni &Verticali....", ""},
    {1, "mnuanalisidinItem", "Analisi &Dinamica....", ""},
    {1, "mnututtipianiitem", "Tutti i &piani....", ""},
    {1, "mnuselintitem", "Tipo di &analisi....", ""},
    {0, "mnurelazioni", "Componi &Relazione", ""},
    {1, "mnuedmuritem", "Edifici in &Muratura....", ""},
    {1, "mnueintitem", "Edifici &Intelaiati....", "Ctrl+I"},
    {1, "mnurelcalcoloitem", "Relazione di &calcolo....", ""},
    {0, "mnuformat", "For&matta Testo", ""},
    {1, "mnucarattereitem", "&Carattere", ""},
    {1, "mnugrassettoitem", "&Grassetto", ""},
    {1, "mnucorsivoitem", "C&orsivo", ""},
    {1, "mnusottolineatoitem", "&Sottolineato", ""},
    {1, "mnucancellaitem", "C&ancella tutto", ""},
    {0, "mnuHelp", "&Help", ""},
    {1, "mnuguidaItem", "&Sommario....", "F2"},
    {1, "mnuindiceitem", "&Indice....", "F3"},
    {1, "mnuinformazioniItem", "In&formazioni su Tremora....", "Ctrl+F1"},
    {1, "mnulithvaneitem", "C&orvesta nel web....", "Ctrl+F2"},
};

// The commands that open a window: menu item, toolbar key (if any), indicator, hint, window.
struct Route {
    const char* menu;
    const char* key;
    int panel;
    const char* hint;
    const char* window;
};
const Route routes[] = {
    {"mnudatiedificioitem", nullptr, 4,
     "Dati del progetto e carichi dei piani: G, Q, s, h e W = G + s * Q", "datiedificio"},
    {"mnuperfonditem", nullptr, 4, "Calcola il periodo di vibrazione dell'edificio", "periodo"},
    {"mnupesocomplitem", nullptr, 4, "Calcola il peso totale dell'edificio", "peso"},
    {"mnucoefficienteitem", nullptr, 4,
     "Calcola il coefficiente di distribuzione del piano iesimo (adimensionale)",
     "coeffdistribuzione"},
    {"mnusollecitazioniItem", nullptr, 4,
     "Calcola gli spostamenti reali prodotti dal sisma e da azioni esterne", "Sollecitazioni"},
    {"mnuverificheitem", nullptr, 4,
     "Calcola le sollecitazioni totali prodotte dal sisma e da forze esterne", "verifiche"},
    {"mnuforzeorizzontaliitem", nullptr, 8, "Fh = C * R * I * W", "forzeorizzontali"},
    {"mnuforzeverticaliitem", nullptr, 8, "Fv = m * C * W", "forzeverticali"},
    {"mnuanldinitem", nullptr, 8, "a/g = C * I * R ", "analisidinamica1"},
    {"mnuazorizzitem", nullptr, 9, "Fi = Ki * Wi", "azioniorizzontali"},
    {"mnuazvertitem", nullptr, 9, "Fv = Kv * W", "azioniverticali"},
    {"mnuanalisidinItem", nullptr, 9, "a/g = C * R * β * ε * I", "analisidinamica2"},
    {"mnuedmuritem", "componimur", 11,
     "Consente di personalizzare la relazione statica o dinamica per gli edifici in muratura",
     "componirelazione"},
    {"mnueintitem", "componiint", 11,
     "Consente di personalizzare la relazione statica o dinamica per gli edifici intelaiati",
     "componirelazione1"},
    {"mnulithvaneitem", "contattaci", 6, "Autore del programma e indirizzo internet di Corvesta",
     "lithvane"},
};

QString indicatorsOn(const MainWindow& w) {
    QStringList on;
    for (int panel = 1; panel <= 12; ++panel)
        if (w.indicator(panel))
            on << QString::number(panel);
    return on.join(QLatin1Char(' '));
}

// Notes the hint and the indicators at the moment each dialog of the editor commands opens.
struct StatusProbe : ScriptedPrompts {
    MainWindow* main = nullptr;
    QStringList seen;
    void note() { seen << main->hint() + QStringLiteral(" [") + indicatorsOn(*main) + "]"; }
    std::optional<QString> openFileName(QWidget* owner, FileKind kind) override {
        note();
        return ScriptedPrompts::openFileName(owner, kind);
    }
    std::optional<QString> saveFileName(QWidget* owner, FileKind kind,
                                        const QString& suggested) override {
        note();
        return ScriptedPrompts::saveFileName(owner, kind, suggested);
    }
    std::optional<FontChoice> font(QWidget* owner, const FontChoice& initial) override {
        note();
        return ScriptedPrompts::font(owner, initial);
    }
    QString print(QWidget* owner, const QTextDocument& document) override {
        note();
        return ScriptedPrompts::print(owner, document);
    }
};

void flatten(const QList<QAction*>& actions, int depth,
             std::vector<std::pair<int, QAction*>>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        out.push_back({depth, a});
        if (a->menu())
            flatten(a->menu()->actions(), depth + 1, out);
    }
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void startsMaximizedWithEmptyStatus() {
        Fixture f;
        MainWindow& w = f.main();
        QCOMPARE(w.objectName(), QStringLiteral("tremora"));
        QCOMPARE(w.document().caption(), QStringLiteral("TREMORA"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QVERIFY(w.bannerVisible());
        for (int panel = 1; panel <= 12; ++panel)
            QVERIFY(!w.indicator(panel));
        QVERIFY(w.hint().isEmpty());
        QVERIFY(w.timerEnabled());
        auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 10000);

        auto* date = w.findChild<QLabel*>(QStringLiteral("panel14"));
        QCOMPARE(date->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("panel15"))->text().isEmpty());

        auto* banner = w.findChild<QWidget*>(QStringLiteral("sText1"));
        QVERIFY(banner);
        QCOMPARE(banner->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(banner->palette().color(QPalette::Window), QColor(0, 128, 0));

        auto* editor = w.findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
        QVERIFY(editor);
        QVERIFY(editor->toPlainText().isEmpty());
        QCOMPARE(editor->document()->defaultFont().pointSize(), 12);
        QCOMPARE(editor->document()->defaultFont().family(),
                 installedFamily({"Times New Roman", "Liberation Serif"}));
        QVERIFY(!w.document().isModified());
    }

    void menuTreeCaptionsAndShortcuts() {
        Fixture f;
        std::vector<std::pair<int, QAction*>> actions;
        flatten(f.main().menuBar()->actions(), 0, actions);
        QCOMPARE(actions.size(), std::size(menuTree));
        for (size_t i = 0; i < actions.size(); ++i) {
            const Item& expected = menuTree[i];
            QAction* a = actions[i].second;
            QCOMPARE(actions[i].first, expected.depth);
            QCOMPARE(a->objectName(), QString::fromLatin1(expected.name));
            QCOMPARE(a->text(), QString::fromUtf8(expected.caption));
            QCOMPARE(a->shortcut().toString(), QString::fromLatin1(expected.shortcut));
        }
        QVERIFY(!f.main().findChild<QAction*>(QStringLiteral("mnuchiudiitem"))->isEnabled());
    }

    void fifteenMenuIconsByCaption() {
        Fixture f;
        std::vector<std::pair<int, QAction*>> actions;
        flatten(f.main().menuBar()->actions(), 0, actions);
        const QStringList withIcon = {"&Apri....",
                                      "Salva con &nome....",
                                      "S&tampa",
                                      "Analisi &Statica",
                                      "Analisi  &Statica",
                                      "Edifici in &Muratura....",
                                      "Edifici &Intelaiati....",
                                      "&Grassetto",
                                      "C&orsivo",
                                      "&Sottolineato",
                                      "C&ancella tutto",
                                      "&Sommario....",
                                      "&Indice....",
                                      "In&formazioni su Tremora....",
                                      "C&orvesta nel web...."};
        int icons = 0;
        for (const auto& [depth, a] : actions) {
            Q_UNUSED(depth);
            QCOMPARE(!a->icon().isNull(), withIcon.contains(a->text()));
            icons += a->icon().isNull() ? 0 : 1;
        }
        QCOMPARE(icons, 15);
        // The two static-analysis submenus differ only by a blank, so they get different icons.
        auto* masonry = f.main().findChild<QAction*>(QStringLiteral("mnuanalisistaticaitem"));
        auto* framed = f.main().findChild<QAction*>(QStringLiteral("mnuanstaticaitem"));
        QVERIFY(masonry->icon().cacheKey() != framed->icon().cacheKey());
    }

    void deferredExtensionArrowsDrawAsTheStyles() {
        const std::unique_ptr<QStyle> deferred(deferredIconStyle());
        QStyle* base = QApplication::style();
        const struct {
            QStyle::StandardPixmap pixmap;
            Qt::LayoutDirection direction;
            int size;
        } rows[] = {
            {QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight, 16},
            {QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft, 32},
            {QStyle::SP_ToolBarVerticalExtensionButton, Qt::LeftToRight, 32},
            {QStyle::SP_ToolBarVerticalExtensionButton, Qt::RightToLeft, 16},
        };
        for (const auto& row : rows) {
            QStyleOption option;
            option.direction = row.direction;
            const QImage expected =
                base->standardIcon(row.pixmap, &option).pixmap(row.size).toImage();
            QVERIFY(!expected.isNull());
            QCOMPARE(deferred->standardIcon(row.pixmap, &option).pixmap(row.size).toImage(),
                     expected);
        }
    }

    void toolbarKeysTooltipsAndIcons() {
        Fixture f;
        auto* bar = f.main().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(bar);
        const std::pair<const char*, const char*> expected[] = {
            {"open", "Apri"},
            {"save", "Salva con nome"},
            {"print", "Stampa"},
            {"bold", "Grassetto"},
            {"italic", "Corsivo"},
            {"underline", "Sottolineato"},
            {"erase", "Cancella tutto"},
            {"casa", "Analisi Statica e Dinamica - Edifici in muratura"},
            {"palazzo", "Analisi Statica e Dinamica - Edifici intelaiati"},
            {"componimur", "Componi Relazione - Edifici in muratura"},
            {"componiint", "Componi Relazione - Edifici intelaiati"},
            {"contattaci", "Contattaci"},
        };
        QList<QToolButton*> buttons;
        for (QObject* child : bar->children())
            if (auto* b = qobject_cast<QToolButton*>(child);
                b && !b->objectName().isEmpty() && b->objectName() != "qt_toolbar_ext_button")
                buttons << b;
        QCOMPARE(buttons.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(buttons[i]->objectName(), QString::fromLatin1(expected[i].first));
            QCOMPARE(buttons[i]->toolTip(), QString::fromLatin1(expected[i].second));
            QVERIFY(!buttons[i]->icon().isNull());
        }
        // The toolbar shares the menu's commands.
        QCOMPARE(buttons[0]->defaultAction(),
                 f.main().findChild<QAction*>(QStringLiteral("mnuApriItem")));
        QCOMPARE(buttons[11]->defaultAction(),
                 f.main().findChild<QAction*>(QStringLiteral("mnulithvaneitem")));
    }

    void timerClearsIndicatorsWhileWindowIsOpen() {
        Fixture f;
        auto* timer = f.main().findChild<QTimer*>(QStringLiteral("Timer1"));
        timer->setInterval(30);
        timer->start();
        f.menu("mnuperfonditem");
        QVERIFY(f.shown("periodo"));
        QVERIFY(f.main().indicator(4));
        QTRY_VERIFY_WITH_TIMEOUT(!f.main().indicator(4), 2000);
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(f.shown("periodo"));

        // Closing a calculation window stops the timer: what a command sets next stays.
        f.click("periodo", "Command3");
        QVERIFY(!f.main().timerEnabled());
        f.main().setIndicator(8, true);
        QTest::qWait(100);
        QVERIFY(f.main().indicator(8));
        // Enabling the running timer again does not restart it; enabling a stopped one does.
        f.main().setTimerEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(!f.main().indicator(8), 2000);
    }

    void menuCommandsHideTheBanner() {
        Fixture f;
        QVERIFY(f.main().bannerVisible());
        f.menu("mnuperfonditem");
        QVERIFY(!f.main().bannerVisible());
        f.click("periodo", "Command3");
        QVERIFY(!f.main().bannerVisible());
    }

    // Banner off, the window's indicator on, its hint, then the window, modally; from the menu
    // and from the toolbar buttons that share the command.
    void windowCommandsFollowOnePattern() {
        for (const Route& r : routes) {
            for (bool fromToolbar : {false, true}) {
                if (fromToolbar && !r.key)
                    continue;
                const QByteArray label =
                    QByteArray(r.menu) + (fromToolbar ? " (toolbar)" : " (menu)");
                Fixture f;
                // A plain window under the same name: what is checked here is the road to it.
                f.forms().registerWindow(
                    QString::fromLatin1(r.window),
                    [](AppContext&, QWidget* parent) { return new QDialog(parent); });
                bool banner = true;
                QString indicators;
                QString hint;
                f.prompts.modalActions.push_back([&](QDialog*) {
                    banner = f.main().bannerVisible();
                    indicators = indicatorsOn(f.main());
                    hint = f.main().hint();
                });
                if (fromToolbar) {
                    auto* b = f.main().findChild<QToolButton*>(QString::fromLatin1(r.key));
                    QVERIFY2(b, label);
                    b->click();
                } else {
                    f.menu(r.menu);
                }
                QVERIFY2(f.prompts.modalRuns == QStringList{QString::fromLatin1(r.window)}, label);
                QVERIFY2(!banner, label);
                QCOMPARE(indicators, QString::number(r.panel));
                QCOMPARE(hint, QString::fromUtf8(r.hint));
            }
        }
    }

    void editorCommandsHintsIndicatorsAndTimer() {
        struct Command {
            const char* menu;
            const char* key;
            const char* seen; // hint and indicators when the dialog opens, if it has one
            const char* hintAfter;
            const char* indicatorsAfter;
            bool startsTimer;
        };
        const Command commands[] = {
            {"mnuApriItem", "open", "Apre un file di testo (.txt) [1]", "", "", false},
            {"mnuSalvaconnomeItem", "save", "Salva il file corrente specificandone il percorso [2]",
             "", "", false},
            {"mnuStampaItem", "print", "Stampa il file corrente [3]", "Stampa il file corrente",
             "3", true},
            {"mnudataitem", nullptr, nullptr,
             "Inserisce la data corrente all'inizio della relazione statica o dinamica", "", true},
            {"mnuindirizzoitem", nullptr, nullptr,
             "Inserisce l'indirizzo del committente all'inizio della relazione statica o "
             "dinamica",
             "", false},
            {"mnucarattereitem", nullptr,
             "Consente di formattare il carattere del testo selezionato []", "", "", false},
            {"mnugrassettoitem", "bold", nullptr, "Pone in neretto il testo selezionato", "", true},
            {"mnucorsivoitem", "italic", nullptr, "Pone in corsivo il testo selezionato", "",
             false},
            {"mnusottolineatoitem", "underline", nullptr, "Sottolinea il testo selezionato", "",
             false},
            {"mnucancellaitem", "erase", nullptr,
             "Cancella tutto il contenuto della casella di testo", "", true},
        };
        for (const Command& c : commands) {
            for (bool fromToolbar : {false, true}) {
                if (fromToolbar && !c.key)
                    continue;
                const QByteArray label = QByteArray(c.menu) + (fromToolbar ? " (toolbar)" : "");
                StatusProbe prompts;
                RecordedHelp help;
                Program program(prompts, help);
                MainWindow& w = program.mainWindow();
                prompts.main = &w;
                prompts.openNames.push_back(std::nullopt);
                prompts.saveNames.push_back(std::nullopt);
                prompts.fonts.push_back(std::nullopt);
                w.setTimerEnabled(false);
                if (fromToolbar)
                    w.findChild<QToolButton*>(QString::fromLatin1(c.key))->click();
                else
                    w.findChild<QAction*>(QString::fromLatin1(c.menu))->trigger();
                QVERIFY2(!w.bannerVisible(), label);
                QCOMPARE(prompts.seen,
                         c.seen ? QStringList{QString::fromUtf8(c.seen)} : QStringList());
                QCOMPARE(w.hint(), QString::fromUtf8(c.hintAfter));
                QCOMPARE(indicatorsOn(w), QString::fromLatin1(c.indicatorsAfter));
                QVERIFY2(w.timerEnabled() == c.startsTimer, label);
            }
        }
    }

    void helpMenuHintAndRequests() {
        Fixture f;
        const QString hint = QStringLiteral(
            "Guida introduttiva all'uso dei principali comandi presenti nel programma");
        f.menu("mnuguidaItem");
        QVERIFY(!f.main().bannerVisible());
        QCOMPARE(f.main().hint(), hint);
        f.main().setHint(QString());
        f.main().setBannerVisible(true);
        f.menu("mnuindiceitem");
        QVERIFY(!f.main().bannerVisible());
        QCOMPARE(f.main().hint(), hint);
        QCOMPARE(f.help.requests.size(), size_t(2));
        QCOMPARE(f.help.requests[0].what, QStringLiteral("contents"));
        QCOMPARE(f.help.requests[0].owner, QStringLiteral("tremora"));
        QCOMPARE(f.help.requests[1].what, QStringLiteral("index"));
        QCOMPARE(f.help.requests[1].owner, QStringLiteral("tremora"));
    }

    void bannerText() {
        Fixture f;
        auto* banner = f.main().findChild<Banner*>(QStringLiteral("sText1"));
        QVERIFY(banner);
        const QString text = banner->text();
        const QString head =
            QString(16, QLatin1Char(' ')) +
            QStringLiteral("TREMORA 1.0 - Programma per l'analisi statica e dinamica degli "
                           "edifici costruiti in zona sismica (D.M.19/06/1984) - CORVESTA - ");
        QVERIFY2(text.startsWith(head), qPrintable(text));
        QVERIFY(text.at(16) != QLatin1Char(' '));
        QVERIFY(text.contains(QStringLiteral(" - Cell. ") + maker::mobile +
                              QStringLiteral(" e-mail:") + maker::email +
                              QStringLiteral(" - Per una visione")));
        QVERIFY(text.endsWith(QStringLiteral(" - Per una visione ottimale del programma "
                                             "impostare l'area dello schermo a 800 X 600 pixel")));
    }

    void toolbarGroups() {
        Fixture f;
        auto* bar = f.main().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QStringList layout;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) {
                layout << QStringLiteral("|");
                continue;
            }
            const QString name = bar->widgetForAction(a)->objectName();
            layout << (name.isEmpty() ? QStringLiteral("gap") : name);
        }
        QCOMPARE(layout.join(QLatin1Char(' ')),
                 QStringLiteral("open save print | bold italic underline erase | casa palazzo | "
                                "componimur componiint gap contattaci"));
    }

    // In the report the editing keys are the editor's, with "Chiudi" enabled too; the
    // commands have keys of their own that also work from the report. Each row starts from
    // a report opened from a file, the cursor at its end.
    void editingKeysBelongToTheEditor() {
        const auto ctrl = [](Qt::Key k) { return QKeyCombination(Qt::ControlModifier, k); };
        const QKeyCombination typeX(Qt::NoModifier, Qt::Key_X);
        const struct {
            const char* name;
            std::vector<QKeyCombination> keys;
            const char* text;
            const char* selected;
            const char* clipboard;
            QStringList dialogs;
            const char* caption;
        } rows[] = {
            {"Ctrl+A selects all",
             {ctrl(Qt::Key_A)},
             "RELAZIONE",
             "RELAZIONE",
             "",
             {},
             "relazione.txt"},
            {"Ctrl+C copies",
             {ctrl(Qt::Key_A), ctrl(Qt::Key_C)},
             "RELAZIONE",
             "RELAZIONE",
             "RELAZIONE",
             {},
             "relazione.txt"},
            {"Ctrl+X cuts",
             {ctrl(Qt::Key_A), ctrl(Qt::Key_X)},
             "",
             "",
             "RELAZIONE",
             {},
             "relazione.txt"},
            {"Ctrl+V pastes",
             {ctrl(Qt::Key_A), ctrl(Qt::Key_C), ctrl(Qt::Key_V), ctrl(Qt::Key_V)},
             "RELAZIONERELAZIONE",
             "",
             "RELAZIONE",
             {},
             "relazione.txt"},
            {"Ctrl+Z undoes", {typeX, ctrl(Qt::Key_Z)}, "RELAZIONE", "", "", {}, "relazione.txt"},
            {"Ctrl+Y redoes",
             {typeX, ctrl(Qt::Key_Z), ctrl(Qt::Key_Y)},
             "RELAZIONEx",
             "",
             "",
             {},
             "relazione.txt"},
            {"Ctrl+W closes", {ctrl(Qt::Key_W)}, "", "", "", {}, "TREMORA"},
            {"Ctrl+O opens", {ctrl(Qt::Key_O)}, "RELAZIONE", "", "", {"open"}, "relazione.txt"},
            {"Ctrl+S prints", {ctrl(Qt::Key_S)}, "RELAZIONE", "", "", {"print"}, "relazione.txt"},
            {"Ctrl+P prints", {ctrl(Qt::Key_P)}, "RELAZIONE", "", "", {"print"}, "relazione.txt"},
        };
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("relazione.txt"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("RELAZIONE");
        }
        for (const auto& row : rows) {
            Fixture f;
            f.main().show();
            QVERIFY(QTest::qWaitForWindowActive(&f.main()));
            QTextEdit* editor = f.main().document().editor();
            f.main().document().openFile(file);
            editor->moveCursor(QTextCursor::End);
            editor->setFocus();
            QTRY_VERIFY(editor->hasFocus());
            QGuiApplication::clipboard()->clear();
            f.prompts.openNames.push_back(std::nullopt);
            for (const QKeyCombination k : row.keys)
                QTest::keyClick(editor, k.key(), k.keyboardModifiers());
            QStringList dialogs;
            for (const auto& s : f.prompts.shown)
                dialogs << s.kind;
            QVERIFY2(f.main().document().text() == QString::fromLatin1(row.text), row.name);
            QVERIFY2(editor->textCursor().selectedText() == QString::fromLatin1(row.selected),
                     row.name);
            QVERIFY2(QGuiApplication::clipboard()->text() == QString::fromLatin1(row.clipboard),
                     row.name);
            QVERIFY2(dialogs == row.dialogs, row.name);
            QVERIFY2(f.main().document().caption() == QString::fromLatin1(row.caption), row.name);
        }
    }

    void reportTextReplacementMarksTheDocumentChanged() {
        Fixture f;
        f.main().setReportText(QStringLiteral("\r\n    RELAZIONE"));
        QVERIFY(f.main().document().isModified());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

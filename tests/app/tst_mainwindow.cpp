#include "fixture.h"

#include "app/reportdocument.h"
#include "app/svgicon.h"

#include <QDate>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
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
    {1, "mnuApriItem", "&Apri....", "Ctrl+A"},
    {1, "mnuSalvaconnomeItem", "Salva con &nome....", ""},
    {1, "mnuStampaItem", "S&tampa", "Ctrl+S"},
    {1, "mnuchiudiitem", "&Chiudi", "Ctrl+C"},
    {1, "mnuEsciItem", "&Esci", "Ctrl+E"},
    {0, "mnuInserisci", "I&nserisci", ""},
    {1, "mnudataitem", "&Data", "Ctrl+D"},
    {1, "mnuindirizzoitem", "&Indirizzo del committente", ""},
    {0, "mnuparametri", "&Parametri dell'edificio", ""},
    {1, "mnuperfonditem", "&Periodo fondamentale di vibrazione....", ""},
    {1, "mnupesocomplitem", "Peso &complessivo....", ""},
    {1, "mnucoefficienteitem", "C&oefficiente di distribuzione....", ""},
    {1, "mnusollecitazioniItem", "&Spostamenti....", ""},
    {1, "mnuverificheitem", "&Verifiche....", ""},
    {0, "mnuedmur", "&Edifici in Muratura", ""},
    {1, "mnuanalisistaticaitem", "Analisi &Statica", ""},
    {2, "mnuforzeorizzontaliitem", "Forze &Orizzontali....", ""},
    {2, "mnuforzeverticaliitem", "Forze &Verticali....", ""},
    {1, "mnuanldinitem", "Analisi &Dinamica....", ""},
    {0, "mnuedintel", "Edifici &Intelaiati", ""},
    {1, "mnuanstaticaitem", "Analisi  &Statica", ""},
    {2, "mnuazorizzitem", "Azioni &Orizzontali....", ""},
    {2, "mnuazvertitem", "Azioni &Verticali....", ""},
    {1, "mnuanalisidinItem", "Analisi &Dinamica....", ""},
    {0, "mnurelazioni", "Componi &Relazione", ""},
    {1, "mnuedmuritem", "Edifici in &Muratura....", ""},
    {1, "mnueintitem", "Edifici &Intelaiati....", "Ctrl+I"},
    {0, "mnuformat", "For&matta Testo", ""},
    {1, "mnucarattereitem", "&Carattere", ""},
    {1, "mnugrassettoitem", "&Grassetto", ""},
    {1, "mnucorsivoitem", "C&orsivo", ""},
    {1, "mnusottolineatoitem", "&Sottolineato", ""},
    {1, "mnucancellaitem", "C&ancella tutto", ""},
    {0, "mnuHelp", "&Help", ""},
    {1, "mnuguidaItem", "&Sommario....", "F2"},
    {1, "mnuindiceitem", "&Indice....", "F3"},
    {1, "mnuinformazioniItem", "&Informazioni su Tremora....", "Ctrl+F1"},
    {1, "mnulithvaneitem", "C&orvesta nel web....", "Ctrl+F2"},
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
        QCOMPARE(w.windowTitle(), QStringLiteral("TREMORA"));
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
                                      "&Informazioni su Tremora....",
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

    void reportTextReplacementMarksTheDocumentChanged() {
        Fixture f;
        f.main().setReportText(QStringLiteral("\r\n    RELAZIONE"));
        QVERIFY(f.main().document().isModified());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

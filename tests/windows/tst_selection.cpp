#include "fixture.h"

#include <QToolButton>

namespace {
const QString selectionHint =
    QStringLiteral("Consente di personalizzare il tipo di analisi da effettuare");

// The calculation windows are built elsewhere; where one is not there yet, a plain stand-in
// takes its name so that the route can be followed.
void ensureWindow(Forms& forms, const char* name) {
    const QString n = QString::fromLatin1(name);
    if (!forms.exists(n))
        forms.registerWindow(n, [](AppContext&, QWidget* parent) { return new QDialog(parent); });
}

struct Snapshot {
    bool selectionLoaded = true;
    bool indicator = false;
    QString hint;
    bool timer = true;
    QString opened;
};
} // namespace

class TestSelection : public QObject {
    Q_OBJECT

    void toolbar(Fixture& f, const char* key) {
        auto* b = f.main().findChild<QToolButton*>(QString::fromLatin1(key));
        QVERIFY2(b, key);
        QVERIFY2(b->isEnabled(), key);
        b->click();
    }

  private slots:
    void opensWithListOnlyAndLeavesBanner() {
        Fixture f;
        QVERIFY(f.main().bannerVisible());
        toolbar(f, "casa");
        QCOMPARE(f.prompts.modalRuns, QStringList{"selmur"});
        QVERIFY(f.shown("selmur"));
        QCOMPARE(f.window("selmur")->windowTitle(),
                 QStringLiteral("Analisi Statica e Dinamica - Edifici in muratura"));
        QVERIFY(f.main().indicator(8));
        QCOMPARE(f.main().hint(), selectionHint);
        QVERIFY(f.main().bannerVisible());

        auto* list = f.control<QListWidget>("selmur", "List1");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Analisi Statica"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Analisi Dinamica"));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!f.control("selmur", "Label1")->isHidden());
        QVERIFY(f.control("selmur", "Label2")->isHidden());
        QVERIFY(f.control("selmur", "Option2")->isHidden());
        QVERIFY(f.control("selmur", "Option3")->isHidden());

        // Static analysis reveals the two forces and keeps the window open.
        f.pick("selmur", "List1", 0);
        QVERIFY(f.shown("selmur"));
        QVERIFY(f.control("selmur", "Label1")->isHidden());
        QVERIFY(!f.control("selmur", "Label2")->isHidden());
        QCOMPARE(f.text("selmur", "Option2"), QStringLiteral("Forze Orizzontali"));
        QCOMPARE(f.text("selmur", "Option3"), QStringLiteral("Forze Verticali"));
        QVERIFY(!f.control("selmur", "Option2")->isHidden());
        QVERIFY(!f.control("selmur", "Option3")->isHidden());
        QCOMPARE(f.prompts.modalRuns.size(), 1);
    }

    void routes_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("choice"); // "dynamic", "Option2" or "Option3"
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("hint"); // what the status shows while the window is open

        const QString framedDynamic = QStringLiteral("a/g = C * R * β * ε * I");
        QTest::newRow("muratura dinamica")
            << "casa"
            << "selmur" << 8 << "dynamic"
            << "analisidinamica1" << QStringLiteral("a/g = C * I * R ");
        QTest::newRow("muratura orizzontali") << "casa"
                                              << "selmur" << 8 << "Option2"
                                              << "forzeorizzontali" << QString();
        QTest::newRow("muratura verticali") << "casa"
                                            << "selmur" << 8 << "Option3"
                                            << "forzeverticali" << QString();
        QTest::newRow("intelaiati dinamica") << "palazzo"
                                             << "selint" << 9 << "dynamic"
                                             << "analisidinamica2" << framedDynamic;
        QTest::newRow("intelaiati orizzontali") << "palazzo"
                                                << "selint" << 9 << "Option2"
                                                << "azioniorizzontali" << QString();
        QTest::newRow("intelaiati verticali") << "palazzo"
                                              << "selint" << 9 << "Option3"
                                              << "azioniverticali" << QString();
    }

    // The selection window is gone, with its status reset done, before the chosen window opens;
    // only the dynamic analysis switches the indicator on again with its formula.
    void routes() {
        QFETCH(QString, key);
        QFETCH(QString, selection);
        QFETCH(int, panel);
        QFETCH(QString, choice);
        QFETCH(QString, window);
        QFETCH(QString, hint);

        Fixture f;
        ensureWindow(f.forms(), qPrintable(window));
        // With no storey stored, the horizontal actions window asks for one as it loads.
        if (window == QLatin1String("azioniorizzontali"))
            f.prompts.answer({"1"});
        toolbar(f, qPrintable(key));
        QVERIFY(f.main().timerEnabled());

        Snapshot seen;
        f.prompts.modalActions.push_back([&](QDialog* opened) {
            seen.opened = opened->objectName();
            seen.selectionLoaded = f.forms().isLoaded(selection);
            seen.indicator = f.main().indicator(panel);
            seen.hint = f.main().hint();
            seen.timer = f.main().timerEnabled();
        });
        const QByteArray name = selection.toLatin1();
        if (choice == QLatin1String("dynamic")) {
            f.pick(name, "List1", 1);
        } else {
            f.pick(name, "List1", 0);
            f.click(name, choice.toLatin1());
        }
        QCOMPARE(seen.opened, window);
        QCOMPARE(f.prompts.modalRuns, (QStringList{selection, window}));
        QVERIFY(!seen.selectionLoaded);
        QVERIFY(!seen.timer);
        QCOMPARE(seen.indicator, !hint.isEmpty());
        QCOMPARE(seen.hint, hint);
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded(selection));
    }

    void cancelAndCloseBoxResetStatusAndDestroy() {
        Fixture f;
        toolbar(f, "palazzo");
        QVERIFY(f.main().indicator(9));
        QVERIFY(f.main().timerEnabled());
        QCOMPARE(f.window("selint")->windowTitle(),
                 QStringLiteral("Analisi Statica e Dinamica - Edifici intelaiati"));
        f.pick("selint", "List1", 0);
        QCOMPARE(f.text("selint", "Option2"), QStringLiteral("Azioni Orizzontali"));
        QCOMPARE(f.text("selint", "Option3"), QStringLiteral("Azioni Verticali"));
        QCOMPARE(f.text("selint", "Command1"), QStringLiteral("Annulla"));
        f.click("selint", "Command1");
        QVERIFY(!f.forms().isLoaded("selint"));
        QVERIFY(!f.main().indicator(9));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());
        QCOMPARE(f.prompts.modalRuns, QStringList{"selint"});

        // Reopened, it starts afresh: the list once, options hidden, nothing chosen.
        toolbar(f, "palazzo");
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), selectionHint);
        QCOMPARE(f.control<QListWidget>("selint", "List1")->count(), 2);
        QVERIFY(f.control("selint", "Option2")->isHidden());
        QVERIFY(!f.control("selint", "Label1")->isHidden());

        // The close box and Esc are ways out too.
        f.window("selint")->close();
        QVERIFY(!f.forms().isLoaded("selint"));
        QVERIFY(!f.main().indicator(9));
        QVERIFY(f.main().hint().isEmpty());
        toolbar(f, "casa");
        QTest::keyClick(f.window("selmur"), Qt::Key_Escape);
        QVERIFY(!f.forms().isLoaded("selmur"));
        QVERIFY(!f.main().indicator(8));
    }

    void reopenedAfterChoiceShowsListAgain() {
        Fixture f;
        ensureWindow(f.forms(), "forzeverticali");
        toolbar(f, "casa");
        f.pick("selmur", "List1", 0);
        f.click("selmur", "Option3");
        Fixture::settle();
        toolbar(f, "casa");
        QVERIFY(f.shown("selmur"));
        QVERIFY(f.control("selmur", "Option2")->isHidden());
        QVERIFY(f.control("selmur", "Option3")->isHidden());
        QVERIFY(!f.control<QRadioButton>("selmur", "Option3")->isChecked());
        QVERIFY(f.control("selmur", "Label2")->isHidden());
        QCOMPARE(f.prompts.modalRuns, (QStringList{"selmur", "forzeverticali", "selmur"}));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"

#include "fixture.h"
#include "windows/messages.h"

class TestPeriodo : public QObject {
    Q_OBJECT
  private slots:
    void computesFromMenuAndKeepsPeriodWhenSent() {
        Fixture f;
        f.menu("mnuperfonditem");
        QVERIFY(f.shown("periodo"));
        QCOMPARE(f.prompts.modalRuns, QStringList{"periodo"});
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.main().hint(), QStringLiteral("Calcola il periodo di vibrazione dell'edificio"));
        QVERIFY(!f.main().bannerVisible());
        QCOMPARE(f.window("periodo")->windowTitle(),
                 QStringLiteral("Periodo fondamentale di vibrazione"));

        f.type("periodo", "Text2", "25");
        f.type("periodo", "Text1", "10");
        f.click("periodo", "Command1");
        QCOMPARE(f.text("periodo", "Label4"), QStringLiteral("0,2"));
        QVERIFY(f.prompts.messages().empty());

        f.type("periodo", "Text2", "16");
        f.type("periodo", "Text1", "30");
        f.click("periodo", "Command1");
        QCOMPARE(f.text("periodo", "Label4"), QStringLiteral("0,75"));

        f.click("periodo", "Command2");
        QCOMPARE(f.prompts.lastTitle(), messages::titleSystem);
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Il Periodo T =  0,75 é stato inserito\r\nnella finestre relative "
                                "all'Analisi Statica e Dinamica "));
        QVERIFY(!f.shown("periodo"));
        QVERIFY(f.forms().isLoaded("periodo"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());

        // Opened again, it shows what it kept without loading afresh.
        f.menu("mnuperfonditem");
        QVERIFY(f.shown("periodo"));
        QCOMPARE(f.text("periodo", "Label4"), QStringLiteral("0,75"));
        QCOMPARE(f.text("periodo", "Text1"), QStringLiteral("30"));
    }

    void roundsAndRefusesSilently() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "10");
        f.type("periodo", "Text1", "9");
        f.click("periodo", "Command1");
        QCOMPARE(f.text("periodo", "Label4"), QStringLiteral("0,28"));

        // B = 0, negative B and text that is not a number give no T, silently; the T of
        // the old B went with the change.
        for (const char* side : {"0", "-4", "abc", "2.5"}) {
            f.type("periodo", "Text2", QString::fromLatin1(side));
            f.click("periodo", "Command1");
            QCOMPARE(f.text("periodo", "Label4"), QString());
        }
        QVERIFY(f.prompts.messages().empty());
        // The unreadable text is marked on the field until it is corrected.
        auto* side = f.control<QLineEdit>("periodo", "Text2");
        QVERIFY(side->property("invalid").toBool());
        QVERIFY(!side->toolTip().isEmpty());
        f.type("periodo", "Text2", "2,5");
        QVERIFY(!side->property("invalid").toBool());
    }

    void refusedSendKeepsStatusBar() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.click("periodo", "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di Sistema"));

        f.click("periodo", "Command2");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QVERIFY(f.main().indicator(4));

        f.type("periodo", "Text2", "25");
        f.type("periodo", "Text1", "10");
        f.click("periodo", "Command2");
        QCOMPARE(f.prompts.lastMessage(), messages::pressCompute);
        QVERIFY(f.shown("periodo"));
        // Unlike the force windows, a refused send leaves hint and area panel alone.
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.main().hint(), QStringLiteral("Calcola il periodo di vibrazione dell'edificio"));
    }

    void cancelAndCloseBoxDestroyTheWindow() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "25");
        f.type("periodo", "Text1", "10");
        f.click("periodo", "Command1");
        f.click("periodo", "Command3");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("periodo"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(!f.main().timerEnabled());
        // A window reading the period now finds it empty (and loads periodo hidden).
        QCOMPARE(f.text("periodo", "Label4"), QString());
        QVERIFY(f.forms().isLoaded("periodo"));
        QVERIFY(!f.shown("periodo"));

        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "25");
        f.window("periodo")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("periodo"));
        QVERIFY(f.main().hint().isEmpty());
    }

    void keypadDecimalKeyTypesAComma() {
        Fixture f;
        f.menu("mnuperfonditem");
        auto* height = f.control<QLineEdit>("periodo", "Text1");
        QTest::keyClicks(height, "12");
        QTest::keyClick(height, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(height, "5");
        QCOMPARE(height->text(), QStringLiteral("12,5"));
        // The main keyboard's dot stays a dot, and such text is marked as not a number.
        QTest::keyClick(height, Qt::Key_Period);
        QCOMPARE(height->text(), QStringLiteral("12,5."));
        QVERIFY(height->property("invalid").toBool());
    }

    void helpButtonOpensBuildingParametersTopic() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.click("periodo", "Command4");
        QCOMPARE(f.help.requests.size(), size_t(1));
        QCOMPARE(f.help.requests[0].window, QStringLiteral("parametri dell'edificio"));
        QCOMPARE(f.help.requests[0].context, 1030);
        QCOMPARE(f.help.requests[0].owner, QStringLiteral("periodo"));
    }

    void tabOrderStartsAtFoundationSide() {
        Fixture f;
        f.menu("mnuperfonditem");
        auto* side = f.control<QWidget>("periodo", "Text2");
        auto* height = f.control<QWidget>("periodo", "Text1");
        QWidget* next = side->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, height);
    }
};

QTEST_MAIN(TestPeriodo)
#include "tst_periodo.moc"

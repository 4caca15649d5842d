#include "fixture.h"

#include <QMouseEvent>

// Horizontal and vertical forces and the dynamic analysis of masonry buildings, and what
// they take from periodo and the building weight when they load.
namespace {
const QString staticStored =
    QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi Statica \n\r"
                   "  selezionando l'apposita casella della finestra Componi Relazione");
const QString dynamicStored =
    QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi Dinamica \n\r"
                   "     selezionando l'apposita casella della finestra Componi Relazione");
const QString fillAll = QStringLiteral("Inserire tutti i valori nelle relative caselle!");
const QString pressCompute = QStringLiteral("Premi il pulsante Elabora Dati!");

// Computes T in periodo and sends it (T = 0,1 * H / sqrt(B)).
void sendPeriod(Fixture& f, const char* height, const char* side) {
    f.menu("mnuperfonditem");
    f.type("periodo", "Text2", QString::fromLatin1(side));
    f.type("periodo", "Text1", QString::fromLatin1(height));
    f.click("periodo", "Command1");
    f.click("periodo", "Command2");
}

// A one-storey building weight, sent.
void sendWeight(Fixture& f, const char* tonnes) {
    f.prompts.answer({"1", tonnes});
    f.menu("mnupesocomplitem");
    f.click("peso", "Command3");
}

QWidget* nextFocus(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    return next;
}
} // namespace

class TestForze : public QObject {
    Q_OBJECT
  private slots:
    void horizontalForceFromPeriodZoneProtectionAndWeight() {
        Fixture f;
        sendPeriod(f, "10", "4"); // T = 0,5
        sendWeight(f, "1000");
        f.menu("mnuforzeorizzontaliitem");
        QVERIFY(f.shown("forzeorizzontali"));
        QCOMPARE(f.window("forzeorizzontali")->windowTitle(), QStringLiteral("Forze Orizzontali"));
        QCOMPARE(f.text("forzeorizzontali", "Text1"), QStringLiteral("0,5"));
        QCOMPARE(f.text("forzeorizzontali", "Text2"), QStringLiteral("1000"));
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("1"));

        auto* zones = f.control<QListWidget>("forzeorizzontali", "List2");
        QCOMPARE(zones->count(), 3);
        QCOMPARE(zones->currentRow(), -1);
        QCOMPARE(zones->item(1)->text(), QStringLiteral("Zone di 2° categoria: S = 9"));
        auto* protection = f.control<QListWidget>("forzeorizzontali", "List1");
        QCOMPARE(protection->item(1)->text(), QStringLiteral(" 1,2"));
        QCOMPARE(protection->currentRow(), -1);

        f.pick("forzeorizzontali", "List2", 1);
        f.pick("forzeorizzontali", "List1", 1);
        QCOMPARE(f.text("forzeorizzontali", "Label9"), QStringLiteral("0,07g"));
        QCOMPARE(f.text("forzeorizzontali", "Label12"), QStringLiteral("0,07"));
        QCOMPARE(f.text("forzeorizzontali", "Label13"), QStringLiteral("9 (zona di 2° categoria)"));
        QCOMPARE(f.text("forzeorizzontali", "Label11"), QStringLiteral("1,2"));
        for (const char* hidden : {"Label11", "Label12", "Label13"})
            QVERIFY(!f.control<QLabel>("forzeorizzontali", hidden)->isVisible());
        f.click("forzeorizzontali", "Command1");
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QStringLiteral("84"));

        // T = 1,2 > 0,8: R = 0,862 / 1,2^(2/3) shown as 0,76 and used as shown.
        f.type("forzeorizzontali", "Text1", "1,2");
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("0,76"));
        f.pick("forzeorizzontali", "List2", 2);
        f.pick("forzeorizzontali", "List1", 0);
        f.type("forzeorizzontali", "Text2", "500");
        f.click("forzeorizzontali", "Command1");
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QStringLiteral("38"));
        QCOMPARE(f.text("forzeorizzontali", "Label13"),
                 QStringLiteral("12 (zona di 1° categoria)"));

        // The response rule at and beyond its boundary; letters leave R alone.
        f.type("forzeorizzontali", "Text1", "0,8");
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("1"));
        f.type("forzeorizzontali", "Text1", "2");
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("0,54"));
        f.type("forzeorizzontali", "Text1", "abc");
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("0,54"));
        // W that is not a number ends the computation silently.
        f.type("forzeorizzontali", "Text1", "1,2");
        f.type("forzeorizzontali", "Text2", "mille");
        f.click("forzeorizzontali", "Command1");
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QString());
        QVERIFY(f.prompts.messages().size() == 2); // periodo's and peso's confirmations

        f.type("forzeorizzontali", "Text2", "500");
        f.click("forzeorizzontali", "Command1");
        f.click("forzeorizzontali", "Command2");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Memorizzazione Dati"));
        QCOMPARE(f.prompts.lastMessage(), staticStored);
        QVERIFY(!f.shown("forzeorizzontali"));
        QVERIFY(!f.main().indicator(8));
    }

    void noPeriodNoWeight() {
        Fixture f;
        f.menu("mnuforzeorizzontaliitem");
        QCOMPARE(f.text("forzeorizzontali", "Text1"), QString());
        // Without T there is no R, and without a weight no W: nothing is counted as 0.
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QString());
        QCOMPARE(f.text("forzeorizzontali", "Text2"), QString());
        f.pick("forzeorizzontali", "List2", 0);
        f.pick("forzeorizzontali", "List1", 2);
        f.type("forzeorizzontali", "Text2", "1000");
        f.click("forzeorizzontali", "Command1");
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QString());
        QCOMPARE(f.prompts.lastMessage(), fillAll);
    }

    void pointingAtIntensityCaptionShowsHint() {
        Fixture f;
        f.menu("mnuforzeorizzontaliitem");
        f.main().setIndicator(8, false);
        f.main().setHint(QString());
        auto* caption = f.control<QLabel>("forzeorizzontali", "Label8");
        QCOMPARE(caption->text(), QStringLiteral("Coefficiente di Intensità Sismica (C):"));
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), caption->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(caption, &move);
        QVERIFY(f.main().indicator(8));
        QCOMPARE(f.main().hint(), QStringLiteral("S - 2 / 100"));
    }

    void refusedSendResetsStatusUnlikePeriodo() {
        Fixture f;
        // periodo: a refused send leaves the status bar alone.
        f.menu("mnuperfonditem");
        f.click("periodo", "Command2");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.main().indicator(4));
        f.click("periodo", "Command3");

        // forzeorizzontali: every outcome resets it, the window stays open.
        f.menu("mnuforzeorizzontaliitem");
        QVERIFY(f.main().indicator(8));
        f.click("forzeorizzontali", "Command2");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di Sistema"));
        QVERIFY(f.shown("forzeorizzontali"));
        QVERIFY(!f.main().indicator(8));
        QVERIFY(f.main().hint().isEmpty());

        f.main().setIndicator(8, true);
        f.main().setHint(QStringLiteral("Fh = C * R * I * W"));
        f.type("forzeorizzontali", "Text1", "0,5");
        f.pick("forzeorizzontali", "List2", 0);
        f.pick("forzeorizzontali", "List1", 0);
        f.click("forzeorizzontali", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);
        QVERIFY(f.shown("forzeorizzontali"));
        QVERIFY(!f.main().indicator(8));
        QVERIFY(f.main().hint().isEmpty());

        // forzeverticali and analisidinamica1 behave the same.
        f.click("forzeorizzontali", "Command3");
        f.menu("mnuforzeverticaliitem");
        f.click("forzeverticali", "Command3");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.shown("forzeverticali"));
        QVERIFY(!f.main().indicator(8));
        f.click("forzeverticali", "Command2");
        f.menu("mnuanldinitem");
        f.type("analisidinamica1", "Text1", "0,5");
        f.pick("analisidinamica1", "List2", 0);
        f.pick("analisidinamica1", "List1", 0);
        f.click("analisidinamica1", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);
        QVERIFY(f.shown("analisidinamica1"));
        QVERIFY(!f.main().indicator(8));
        QVERIFY(f.main().hint().isEmpty());
    }

    void changedSourcesAreBroughtInWhenShownAgain() {
        Fixture f;
        sendPeriod(f, "10", "4"); // T = 0,5
        sendWeight(f, "1000");
        f.menu("mnuforzeorizzontaliitem");
        f.pick("forzeorizzontali", "List2", 1);
        f.pick("forzeorizzontali", "List1", 1);
        f.click("forzeorizzontali", "Command1");
        f.click("forzeorizzontali", "Command2");
        QVERIFY(!f.shown("forzeorizzontali"));

        // A new weight and a new period, computed while forzeorizzontali is only hidden.
        f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"1", "500"});
        f.click("peso", "Command1"); // peso was hidden, not unloaded: reset asks again
        QCOMPARE(f.shared().pesoEdificio, 500.0f);
        f.click("peso", "Command3");
        f.menu("mnuperfonditem");
        f.type("periodo", "Text1", "30");
        f.type("periodo", "Text2", "9"); // T = 1
        f.click("periodo", "Command1");
        f.click("periodo", "Command2");

        // Shown again, it brings in the new T and W, drops the Fh computed from the old
        // ones and says so; the choices of the user stay.
        f.menu("mnuforzeorizzontaliitem");
        QCOMPARE(f.text("forzeorizzontali", "Text1"), QStringLiteral("1"));
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("0,86"));
        QCOMPARE(f.text("forzeorizzontali", "Text2"), QStringLiteral("500"));
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QString());
        QCOMPARE(f.text("forzeorizzontali", "Label11"), QStringLiteral("1,2"));
        QCOMPARE(f.main().hint(), QStringLiteral("Il periodo T e il peso W sono stati aggiornati: "
                                                 "premere Elabora Dati"));
        f.click("forzeorizzontali", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);

        // Given up and opened again, it starts afresh with the new values.
        f.click("forzeorizzontali", "Command3");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("forzeorizzontali"));
        f.menu("mnuforzeorizzontaliitem");
        QCOMPARE(f.text("forzeorizzontali", "Text1"), QStringLiteral("1"));
        QCOMPARE(f.text("forzeorizzontali", "Label5"), QStringLiteral("0,86"));
        QCOMPARE(f.text("forzeorizzontali", "Text2"), QStringLiteral("500"));
        QCOMPARE(f.text("forzeorizzontali", "Label10"), QString());
        QCOMPARE(f.text("forzeorizzontali", "Label11"), QStringLiteral("1,2")); // the building's I

        // The close box gives it up too; forzeverticali takes the weight the same way.
        f.window("forzeorizzontali")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("forzeorizzontali"));
        f.menu("mnuforzeverticaliitem");
        QCOMPARE(f.text("forzeverticali", "Text2"), QStringLiteral("500"));
    }

    void verticalForce() {
        Fixture f;
        sendWeight(f, "1000");
        f.menu("mnuforzeverticaliitem");
        QCOMPARE(f.window("forzeverticali")->windowTitle(), QStringLiteral("Forze Verticali"));
        QCOMPARE(f.text("forzeverticali", "Text2"), QStringLiteral("1000"));
        QCOMPARE(f.text("forzeverticali", "Label2"), QStringLiteral("2"));
        QCOMPARE(f.text("forzeverticali", "Label5"), QStringLiteral("m ="));

        // Tabbing into the zone list makes its first item current but chooses nothing.
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(f.control<QListWidget>("forzeverticali", "List2"), &focusIn);
        QCOMPARE(f.text("forzeverticali", "Label9"), QString());
        QCOMPARE(f.text("forzeverticali", "Label1"), QString());

        // No zone: both buttons ask for the values.
        f.click("forzeverticali", "Command1");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        f.prompts.clear();
        f.click("forzeverticali", "Command3");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.shown("forzeverticali"));

        f.pick("forzeverticali", "List2", 0);
        QCOMPARE(f.text("forzeverticali", "Label9"), QStringLiteral("0,04g"));
        QCOMPARE(f.text("forzeverticali", "Label1"), QStringLiteral("0,04"));
        QCOMPARE(f.text("forzeverticali", "Label4"), QStringLiteral("6 (zona di 3° categoria)"));
        f.click("forzeverticali", "Command1");
        QCOMPARE(f.text("forzeverticali", "Label13"), QStringLiteral("80"));

        f.pick("forzeverticali", "List2", 2);
        f.type("forzeverticali", "Text2", "1234,5");
        f.click("forzeverticali", "Command1");
        QCOMPARE(f.text("forzeverticali", "Label13"), QStringLiteral("246,9"));

        // Unlike forzeorizzontali, W is checked on sending.
        f.type("forzeverticali", "Text2", "");
        f.click("forzeverticali", "Command3");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.shown("forzeverticali"));
        f.type("forzeverticali", "Text2", "1234,5");
        f.click("forzeverticali", "Command1");
        f.click("forzeverticali", "Command3");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Memorizzazione Dati"));
        QCOMPARE(f.prompts.lastMessage(), staticStored);
        QVERIFY(!f.shown("forzeverticali"));

        // Without a weight W stays empty and Fv is not computed from a missing W.
        Fixture g;
        g.menu("mnuforzeverticaliitem");
        QCOMPARE(g.text("forzeverticali", "Text2"), QString());
        g.pick("forzeverticali", "List2", 1);
        g.click("forzeverticali", "Command1");
        QCOMPARE(g.text("forzeverticali", "Label13"), QString());
        QCOMPARE(g.prompts.lastMessage(), fillAll);
    }

    void dynamicAnalysisOrdinate() {
        Fixture f;
        sendPeriod(f, "6", "1"); // T = 0,6
        f.menu("mnuanldinitem");
        QCOMPARE(f.window("analisidinamica1")->windowTitle(), QStringLiteral("Analisi Dinamica"));
        QCOMPARE(f.text("analisidinamica1", "Text1"), QStringLiteral("0,6"));
        QCOMPARE(f.text("analisidinamica1", "Label5"), QStringLiteral("1"));
        auto* protection = f.control<QListWidget>("analisidinamica1", "List1");
        QCOMPARE(protection->item(0)->text(), QStringLiteral(" 1.0"));
        QCOMPARE(protection->item(1)->text(), QStringLiteral(" 1.2"));
        QCOMPARE(protection->item(2)->text(), QStringLiteral(" 1.4"));

        f.pick("analisidinamica1", "List2", 1);
        f.pick("analisidinamica1", "List1", 1);
        QCOMPARE(f.text("analisidinamica1", "Label11"), QStringLiteral("1,2"));
        QCOMPARE(f.text("analisidinamica1", "Label10"), QStringLiteral("9 (zona di 2° categoria)"));
        f.click("analisidinamica1", "Command1");
        QCOMPARE(f.text("analisidinamica1", "Label3"), QStringLiteral("0,08")); // 0,084

        f.type("analisidinamica1", "Text1", "1,5");
        QCOMPARE(f.text("analisidinamica1", "Label5"), QStringLiteral("0,66"));
        f.pick("analisidinamica1", "List2", 2);
        f.pick("analisidinamica1", "List1", 2);
        QCOMPARE(f.text("analisidinamica1", "Label11"), QStringLiteral("1,4"));
        f.click("analisidinamica1", "Command1");
        QCOMPARE(f.text("analisidinamica1", "Label3"), QStringLiteral("0,09")); // 0,0924

        f.click("analisidinamica1", "Command2");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Memorizzazione Dati"));
        QCOMPARE(f.prompts.lastMessage(), dynamicStored);
        QVERIFY(!f.shown("analisidinamica1"));

        Fixture g;
        g.menu("mnuanldinitem");
        QCOMPARE(g.text("analisidinamica1", "Label5"), QString());
        g.pick("analisidinamica1", "List2", 2);
        g.pick("analisidinamica1", "List1", 0);
        g.click("analisidinamica1", "Command1");
        QCOMPARE(g.text("analisidinamica1", "Label3"), QString());
        QCOMPARE(g.prompts.lastMessage(), fillAll);
    }

    void tabOrderAndHelp() {
        Fixture f;
        f.menu("mnuforzeorizzontaliitem");
        QWidget* w = f.control<QWidget>("forzeorizzontali", "Text1");
        for (const char* next : {"List2", "List1", "Text2", "Command1", "Command2", "Command3"}) {
            w = nextFocus(w);
            QCOMPARE(w->objectName(), QString::fromLatin1(next));
        }
        f.click("forzeorizzontali", "Command4");
        f.click("forzeorizzontali", "Command3");

        f.menu("mnuforzeverticaliitem");
        w = f.control<QWidget>("forzeverticali", "List2");
        for (const char* next : {"Text2", "Command1", "Command3", "Command2"}) {
            w = nextFocus(w);
            QCOMPARE(w->objectName(), QString::fromLatin1(next));
        }
        f.click("forzeverticali", "Command4");
        f.click("forzeverticali", "Command2");

        f.menu("mnuanldinitem");
        w = f.control<QWidget>("analisidinamica1", "Text1");
        for (const char* next : {"List2", "List1", "Command1"}) {
            w = nextFocus(w);
            QCOMPARE(w->objectName(), QString::fromLatin1(next));
        }
        f.click("analisidinamica1", "Command4");

        QCOMPARE(f.help.requests.size(), size_t(3));
        for (const auto& r : f.help.requests) {
            QCOMPARE(r.window, QStringLiteral("edifici in muratura - analisi statica"));
            QCOMPARE(r.context, 1040);
        }
    }
};

QTEST_MAIN(TestForze)
#include "tst_forze.moc"

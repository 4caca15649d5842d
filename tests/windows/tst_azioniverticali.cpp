#include "core/sharedvalues.h"
#include "fixture.h"
#include "windows/messages.h"

namespace {
const char* const W = "azioniverticali";
}

class TestAzioniVerticali : public QObject {
    Q_OBJECT
  private slots:
    void verticalActionByKindOfStructure() {
        Fixture f;
        f.menu("mnuazvertitem");
        QVERIFY(f.shown(W));
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), QStringLiteral("Fv = Kv * W"));
        QCOMPARE(f.window(W)->windowTitle(), QStringLiteral("Azioni Verticali"));
        // No weight computed yet: W is empty and no Fv is computed from it.
        QCOMPARE(f.text(W, "Text1"), QString());
        f.click(W, "Option1");
        QCOMPARE(f.text(W, "Label3"), QStringLiteral("0,2"));
        QCOMPARE(f.text(W, "Label8"),
                 QStringLiteral("Membrature orizzontali con luci superiori a 20 m"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label6"), QString());
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Inserire tutti i valori nelle relative caselle!"));
        f.prompts.clear();

        f.type(W, "Text1", QStringLiteral("1000"));
        f.click(W, "Option3");
        QCOMPARE(f.text(W, "Label3"), QStringLiteral("0,4"));
        QCOMPARE(f.text(W, "Label8"), QStringLiteral("Sbalzi"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label6"), QStringLiteral("400"));

        // A new choice changes Kv and empties the Fv of the old one until it is computed.
        f.click(W, "Option2");
        QCOMPARE(f.text(W, "Label3"), QStringLiteral("0,2"));
        QCOMPARE(f.text(W, "Label8"), QStringLiteral("Strutture spingenti"));
        QCOMPARE(f.text(W, "Label6"), QString());
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label6"), QStringLiteral("200"));

        // Not a number: silent, and no Fv for it.
        f.type(W, "Text1", QStringLiteral("mille"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label6"), QString());
        QVERIFY(f.prompts.messages().empty());

        f.type(W, "Text1", QStringLiteral("1000"));
        f.click(W, "Command1");
        f.click(W, "Command2");
        QCOMPARE(f.prompts.lastTitle(), messages::titleStored);
        QCOMPARE(f.prompts.lastMessage(), messages::storedStaticFramed);
        QVERIFY(!f.shown(W));
        QVERIFY(!f.main().indicator(9));
        QCOMPARE(f.text(W, "Label6"), QStringLiteral("200"));
    }

    void weightTakenAtLoadAndRefusals() {
        Fixture f;
        f.shared().pesoEdificio = 1234.5f;
        f.menu("mnuazvertitem");
        QCOMPARE(f.text(W, "Text1"), QStringLiteral("1234,5"));
        f.click(W, "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QCOMPARE(f.prompts.lastTitle(), messages::titleSystem);
        QCOMPARE(f.text(W, "Label6"), QString());

        f.click(W, "Option3");
        f.click(W, "Command2");
        QCOMPARE(f.prompts.lastMessage(), messages::pressCompute);
        QVERIFY(f.shown(W));
        QVERIFY(!f.main().indicator(9)); // reset even when refused

        f.click(W, "Command3");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded(W));
        f.shared().pesoEdificio = 10.0f;
        f.menu("mnuazvertitem");
        QCOMPARE(f.text(W, "Text1"), QStringLiteral("10"));
        QCOMPARE(f.text(W, "Label3"), QString());
        f.click(W, "Command4");
        QCOMPARE(f.help.requests.back().window, QStringLiteral("edifici intelaiati"));
        QCOMPARE(f.help.requests.back().context, 1050);
    }
};

QTEST_MAIN(TestAzioniVerticali)
#include "tst_azioniverticali.moc"

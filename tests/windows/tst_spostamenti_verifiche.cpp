#include "fixture.h"

// Seismic displacements (Sollecitazioni) and total stresses (verifiche).
namespace {
const QString fillAll = QStringLiteral("Inserire tutti i valori nelle relative caselle!");
const QString pressCompute = QStringLiteral("Premi il pulsante Elabora Dati!");
const QString displacementsStored = QStringLiteral(
    "    E' possibile inserire i dati memorizzati nelle \n\rRelazioni statiche e dinamiche "
    "selezionando l'apposita \n\r    casella della finestra Componi Relazione");
const QString stressesStored =
    QStringLiteral("E' possibile inserire i dati memorizzati nelle Relazioni statiche e "
                   "dinamiche\r\n    selezionando l'apposita casella della finestra Componi "
                   "Relazione");

void fillDisplacements(Fixture& f, const char* dh, const char* dv, const char* da) {
    f.type("Sollecitazioni", "Text2", QString::fromLatin1(dh));
    f.type("Sollecitazioni", "Text4", QString::fromLatin1(dv));
    f.type("Sollecitazioni", "Text3", QString::fromLatin1(da));
}
} // namespace

class TestSpostamentiVerifiche : public QObject {
    Q_OBJECT
  private slots:
    void realDisplacements() {
        Fixture f;
        f.menu("mnusollecitazioniItem");
        QVERIFY(f.shown("Sollecitazioni"));
        QCOMPARE(f.window("Sollecitazioni")->windowTitle(), QStringLiteral("Spostamenti"));
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.text("Sollecitazioni", "Label11"), QString(QChar(0xD8)) + QStringLiteral(" ="));
        QCOMPARE(f.text("Sollecitazioni", "Label12"), QString());
        QVERIFY(!f.control<QRadioButton>("Sollecitazioni", "Option1")->isChecked());
        QVERIFY(!f.control<QRadioButton>("Sollecitazioni", "Option2")->isChecked());

        fillDisplacements(f, "3", "4", "0,5");
        // No analysis type: k is missing.
        f.click("Sollecitazioni", "Command1");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QCOMPARE(f.text("Sollecitazioni", "Label10"), QString());

        f.click("Sollecitazioni", "Option1");
        QCOMPARE(f.text("Sollecitazioni", "Label12"), QStringLiteral("6"));
        f.click("Sollecitazioni", "Command1");
        QCOMPARE(f.text("Sollecitazioni", "Label10"), QStringLiteral("5"));
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QStringLiteral("30,5"));

        f.click("Sollecitazioni", "Option2");
        QCOMPARE(f.text("Sollecitazioni", "Label12"), QStringLiteral("4"));
        f.click("Sollecitazioni", "Command1");
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QStringLiteral("20,5"));

        // k multiplies dc as shown: 6 * 1,41 = 8,46, not 6 * 1,41421...
        f.click("Sollecitazioni", "Option1");
        fillDisplacements(f, "1", "1", "0");
        f.click("Sollecitazioni", "Command1");
        QCOMPARE(f.text("Sollecitazioni", "Label10"), QStringLiteral("1,41"));
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QStringLiteral("8,46"));

        // An unreadable da stops after dc has been written; dr of the old data is gone.
        fillDisplacements(f, "3", "4", "x");
        f.click("Sollecitazioni", "Command1");
        QCOMPARE(f.text("Sollecitazioni", "Label10"), QStringLiteral("5"));
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QString());
    }

    void sendingDisplacements() {
        Fixture f;
        f.menu("mnusollecitazioniItem");
        fillDisplacements(f, "3", "4", "0,5");

        // No analysis type: refused, the window stays, the status is reset.
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.messages().size(), size_t(1));
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di Sistema"));
        QVERIFY(f.shown("Sollecitazioni"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());

        f.click("Sollecitazioni", "Option1");
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);
        QVERIFY(f.shown("Sollecitazioni"));

        // A result whose input was emptied afterwards is not confirmed for the report.
        f.click("Sollecitazioni", "Command1");
        f.type("Sollecitazioni", "Text3", "");
        f.prompts.clear();
        f.main().setIndicator(4, true);
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.messages().size(), size_t(1));
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.shown("Sollecitazioni"));
        QVERIFY(!f.main().indicator(4));

        // Static analysis: stored for the report.
        f.type("Sollecitazioni", "Text3", "0,5");
        f.click("Sollecitazioni", "Command1");
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Memorizzazione Dati"));
        QCOMPARE(f.prompts.lastMessage(), displacementsStored);
        QVERIFY(!f.shown("Sollecitazioni"));
        QVERIFY(f.forms().isLoaded("Sollecitazioni"));

        // Switched to dynamic: the static result goes; recomputed, the title follows k.
        f.menu("mnusollecitazioniItem");
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QStringLiteral("30,5"));
        f.click("Sollecitazioni", "Option2");
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QString());
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);
        f.click("Sollecitazioni", "Command1");
        f.click("Sollecitazioni", "Command2");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di sistema"));
        QCOMPARE(f.prompts.lastMessage(), displacementsStored);
        QVERIFY(!f.shown("Sollecitazioni"));
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QStringLiteral("20,5"));
        QCOMPARE(f.text("Sollecitazioni", "Label12"), QStringLiteral("4"));

        // Annulla throws it away.
        f.menu("mnusollecitazioniItem");
        f.click("Sollecitazioni", "Command3");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("Sollecitazioni"));
        QVERIFY(!f.main().indicator(4));
        f.menu("mnusollecitazioniItem");
        QCOMPARE(f.text("Sollecitazioni", "Label14"), QString());
        f.click("Sollecitazioni", "Command4");
        QCOMPARE(f.help.requests.back().window, QStringLiteral("parametri dell'edificio"));
        QCOMPARE(f.help.requests.back().context, 1030);
    }

    void totalStresses() {
        Fixture f;
        f.menu("mnuverificheitem");
        QCOMPARE(f.window("verifiche")->windowTitle(), QStringLiteral("Verifiche"));
        QVERIFY(f.control<QLineEdit>("verifiche", "text2"));
        QVERIFY(!f.control<QLineEdit>("verifiche", "Text2"));

        f.click("verifiche", "Command1");
        QCOMPARE(f.prompts.lastMessage(), fillAll);

        f.type("verifiche", "Text1", "30");
        f.type("verifiche", "Text3", "40");
        f.type("verifiche", "text2", "12,5");
        f.click("verifiche", "Command1");
        QCOMPARE(f.text("verifiche", "Label5"), QStringLiteral("50"));
        QCOMPARE(f.text("verifiche", "Label7"), QStringLiteral("62,5"));

        f.type("verifiche", "Text1", "-3");
        f.type("verifiche", "Text3", "4");
        f.type("verifiche", "text2", "0");
        f.click("verifiche", "Command1");
        QCOMPARE(f.text("verifiche", "Label5"), QStringLiteral("5"));
        QCOMPARE(f.text("verifiche", "Label7"), QStringLiteral("5"));

        // St adds Se to the rounded Sc.
        f.type("verifiche", "Text1", "1");
        f.type("verifiche", "Text3", "1");
        f.type("verifiche", "text2", "0,004");
        f.click("verifiche", "Command1");
        QCOMPARE(f.text("verifiche", "Label5"), QStringLiteral("1,41"));
        QCOMPARE(f.text("verifiche", "Label7"), QStringLiteral("1,41"));

        // Se unreadable: Sc is written, the St of the old data is gone.
        f.type("verifiche", "text2", "dodici");
        f.type("verifiche", "Text1", "30");
        f.type("verifiche", "Text3", "40");
        f.click("verifiche", "Command1");
        QCOMPARE(f.text("verifiche", "Label5"), QStringLiteral("50"));
        QCOMPARE(f.text("verifiche", "Label7"), QString());
    }

    void sendingStresses() {
        Fixture f;
        f.menu("mnuverificheitem");
        f.type("verifiche", "Text1", "30");
        f.type("verifiche", "Text3", "40");
        f.type("verifiche", "text2", "12,5");
        f.click("verifiche", "Command2");
        QCOMPARE(f.prompts.lastMessage(), pressCompute);
        QVERIFY(f.shown("verifiche"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());

        f.click("verifiche", "Command1");
        f.type("verifiche", "text2", "");
        f.click("verifiche", "Command2");
        QCOMPARE(f.prompts.lastMessage(), fillAll);
        QVERIFY(f.shown("verifiche"));

        f.type("verifiche", "text2", "12,5");
        f.click("verifiche", "Command1");
        f.click("verifiche", "Command2");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di sistema"));
        QCOMPARE(f.prompts.lastMessage(), stressesStored);
        QVERIFY(!f.shown("verifiche"));
        QCOMPARE(f.text("verifiche", "Label7"), QStringLiteral("62,5"));

        // Opened again it keeps its values; the close box throws them away.
        f.menu("mnuverificheitem");
        QCOMPARE(f.text("verifiche", "Text1"), QStringLiteral("30"));
        f.window("verifiche")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("verifiche"));
        QVERIFY(!f.main().indicator(4));
        QCOMPARE(f.text("verifiche", "Label7"), QString());
    }
};

QTEST_MAIN(TestSpostamentiVerifiche)
#include "tst_spostamenti_verifiche.moc"

#include "core/building.h"
#include "core/sharedvalues.h"
#include "fixture.h"
#include "windows/messages.h"

#include <QRadioButton>

namespace {

const char* const W = "azioniorizzontali";

// All inputs but the protection coefficient, for the worked storey.
void fillStorey(Fixture& f) {
    f.type(W, "Text1", QStringLiteral("0,8"));
    f.pick(W, "List2", 0);
    f.pick(W, "List3", 0);
    f.type(W, "Text3", QStringLiteral("1"));
    f.type(W, "Text5", QStringLiteral("1"));
    f.click(W, "Option1");
    f.type(W, "Text6", QStringLiteral("100"));
    f.type(W, "Text7", QStringLiteral("20"));
}

// What the keyboard focus does to a list that has no choice yet: its first item becomes the
// current one, with nothing selected.
void focusWithoutChoosing(QListWidget* list) {
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                            QItemSelectionModel::NoUpdate);
}

} // namespace

class TestAzioniOrizzontali : public QObject {
    Q_OBJECT
  private slots:
    void storeyFromDistributionCoefficientWindow() {
        Fixture f;
        f.prompts.answer({"3", "3", "100", "3", "100", "6", "100", "9"});
        f.menu("mnucoefficienteitem");
        f.click("coeffdistribuzione", "Command2");
        f.prompts.clear();

        f.menu("mnuazorizzitem");
        QVERIFY(f.prompts.shown.empty()); // the storey is known: nothing asked
        QVERIFY(f.shown(W));
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), QStringLiteral("Fi = Ki * Wi"));
        QCOMPARE(f.window(W)->windowTitle(), QStringLiteral("Azioni Orizzontali -  3° Piano"));
        QCOMPARE(f.text(W, "Text5"), QStringLiteral("1,5"));
        QCOMPARE(f.text(W, "Label14"),
                 QStringLiteral("Coefficiente di Distribuzione del  3°  piano:"));
        QCOMPARE(f.text(W, "Label26"),
                 QStringLiteral("Peso del  3° piano e del sovraccarico permanente su di esso "
                                "gravante (G):"));
        QCOMPARE(f.text(W, "Label20"),
                 QStringLiteral("Massimo sovraccarico accidentale al  3° piano (Q):"));
        QCOMPARE(f.text(W, "Label22"), QStringLiteral("Peso del 3° piano (W):"));
        QCOMPARE(f.text(W, "Label12"),
                 QStringLiteral("Forza Orizzontale applicata al 3° piano (F):"));
        QCOMPARE(f.text(W, "Label1"),
                 QString(23, QLatin1Char(' ')) +
                     QStringLiteral("RELAZIONE ANALISI STATICA\r\n\r\n     FORZE ORIZZONTALI "
                                    "(3° PIANO)"));
        QVERIFY(!f.control<QLabel>(W, "Label1")->isVisibleTo(f.window(W)));
        // No period: R stays empty with a stored storey.
        QCOMPARE(f.text(W, "Label5"), QString());
        QCOMPARE(f.text(W, "Label11"), QStringLiteral("Coefficiente di Struttura (ß):"));
        QCOMPARE(f.text(W, "Label32"), QStringLiteral("γ ="));
        QCOMPARE(f.text(W, "Label30"), QStringLiteral("ε ="));
    }

    void typedStoreyIsCheckedAndNamedDifferently() {
        Fixture f;
        // Cancel, empty, text, 0 and 1000 are refused; 999 is a storey.
        f.prompts.inputs = {std::nullopt,
                            QString(),
                            QStringLiteral("terzo"),
                            QStringLiteral("0"),
                            QStringLiteral("1000"),
                            QStringLiteral("999")};
        f.menu("mnuazorizzitem");
        QVERIFY(f.prompts.inputs.empty());
        const auto shown = f.prompts.messages();
        QCOMPARE(shown.size(), size_t(2));
        for (const auto& m : shown) {
            QCOMPARE(m.title, QStringLiteral("Messaggio di sistema"));
            QCOMPARE(m.text, QStringLiteral("Inserire il numero relativo al piano!"));
        }
        QCOMPARE(f.prompts.shown.front().title, QStringLiteral("Piano dell'edificio"));
        QCOMPARE(f.text(W, "Label14"),
                 QStringLiteral("Coefficiente di Distribuzione del  999° piano:"));
        QCOMPARE(f.text(W, "Label12"),
                 QStringLiteral("Forza Orizzontale applicata al 999° piano (Fh):"));
        QCOMPARE(f.window(W)->windowTitle(), QStringLiteral("Azioni Orizzontali -  999° Piano"));
        QVERIFY(f.text(W, "Label1").endsWith(QStringLiteral("FORZE ORIZZONTALI (999° PIANO)")));
        // No period: no R (not 0); no coefficient left: gamma is empty.
        QCOMPARE(f.text(W, "Label5"), QString());
        QCOMPARE(f.text(W, "Text5"), QString());
        // The typed storey is not kept: a fresh load asks again.
        QCOMPARE(f.storey(), QString());
    }

    void fractionalStoreyAndPeriodAtLoad() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "1");
        f.type("periodo", "Text1", "20");
        f.click("periodo", "Command1");
        f.click("periodo", "Command2");
        QCOMPARE(f.text("periodo", "Label4"), QStringLiteral("2"));

        // A storey is a whole number: 0,5 is refused with a message that says so.
        f.prompts.answer({"0,5", "5"});
        f.menu("mnuazorizzitem");
        QCOMPARE(f.prompts.lastMessage(), QStringLiteral("Il numero del piano deve essere un "
                                                         "numero intero!"));
        QCOMPARE(f.text(W, "Text1"), QStringLiteral("2"));
        QCOMPARE(f.text(W, "Label5"), QStringLiteral("0,54"));
        QCOMPARE(f.text(W, "Label22"), QStringLiteral("Peso del 5° piano (W):"));
    }

    void responseFollowsTheUnroundedPeriod() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("1");
        f.menu("mnuazorizzitem");
        const std::pair<const char*, const char*> cases[] = {
            {"0,8", "1"},
            {"1", "0,86"},
            {"2", "0,54"},
            // 0,9949 rounded to 0,99 would give 0,87.
            {"0,9949", "0,86"}};
        for (const auto& [period, response] : cases) {
            f.type(W, "Text1", QString::fromLatin1(period));
            QCOMPARE(f.text(W, "Label5"), QString::fromLatin1(response));
        }
        f.type(W, "Text1", QStringLiteral("abc"));
        QCOMPARE(f.text(W, "Label5"), QStringLiteral("0,86"));
    }

    void workedStoreyAndSend() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("1");
        f.shared().gammaPiano = 1.0;
        f.menu("mnuazorizzitem");
        fillStorey(f);
        f.pick(W, "List1", 1);
        QCOMPARE(f.text(W, "Label16"), QStringLiteral("1,2"));
        QCOMPARE(f.text(W, "Label9"), QStringLiteral("0,04g"));
        QCOMPARE(f.text(W, "Label10"), QStringLiteral("6 (zona di 3° categoria)"));
        QCOMPARE(f.text(W, "Label15"), QStringLiteral("1"));
        QCOMPARE(f.text(W, "Label24"), QStringLiteral("0,33"));
        f.click(W, "Command1");
        QVERIFY(f.prompts.messages().empty());
        QCOMPARE(f.text(W, "Label21"), QStringLiteral("0,05"));
        QCOMPARE(f.text(W, "Label28"), QStringLiteral("106,6"));
        QCOMPARE(f.text(W, "Label29"), QStringLiteral("5,33"));

        // The other options and the other beta.
        f.click(W, "Option2");
        QCOMPARE(f.text(W, "Label24"), QStringLiteral("0,5"));
        f.click(W, "Option3");
        QCOMPARE(f.text(W, "Label24"), QStringLiteral("1"));
        f.pick(W, "List3", 1);
        QCOMPARE(f.text(W, "Label15"), QStringLiteral("1,2"));
        f.pick(W, "List1", 2);
        f.click(W, "Command1");
        // K0 = 0,04 * 1,2 = 0,048 -> 0,05; Kh = 0,05 * 1,4 = 0,07; W = 120; F = 8,4.
        QCOMPARE(f.text(W, "Label21"), QStringLiteral("0,07"));
        QCOMPARE(f.text(W, "Label28"), QStringLiteral("120"));
        QCOMPARE(f.text(W, "Label29"), QStringLiteral("8,4"));

        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastTitle(), messages::titleStored);
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi "
                                "Statica \n\r selezionando l'apposita casella della finestra "
                                "Componi Relazione"));
        QVERIFY(!f.shown(W));
        QVERIFY(!f.main().indicator(9));
        QCOMPARE(f.text(W, "Label29"), QStringLiteral("8,4"));
    }

    void refusalsAndMissingProtection() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("2");
        f.menu("mnuazorizzitem");
        f.click(W, "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QCOMPARE(f.prompts.lastTitle(), messages::titleSystem);

        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        // A refused send resets the status bar although the window stays open.
        QVERIFY(f.shown(W));
        QVERIFY(!f.main().indicator(9));
        QVERIFY(f.main().hint().isEmpty());

        fillStorey(f);
        const size_t before = f.prompts.messages().size();
        f.click(W, "Command1");
        // Without I, Kh is empty and F is not computed; W is.
        QCOMPARE(f.prompts.messages().size(), before);
        QCOMPARE(f.text(W, "Label21"), QString());
        QCOMPARE(f.text(W, "Label28"), QStringLiteral("106,6"));
        QCOMPARE(f.text(W, "Label29"), QString());
        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastMessage(), messages::pressCompute);
        QVERIFY(f.shown(W));

        // Text that is not a number stops the computation silently; the W and F of the old
        // G went with the change.
        f.pick(W, "List1", 0);
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label29"), QStringLiteral("4,26"));
        f.type(W, "Text6", QStringLiteral("cento"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label28"), QString());
        QCOMPARE(f.text(W, "Label29"), QString());
        QCOMPARE(f.prompts.lastMessage(), messages::pressCompute);
    }

    void focusedListsChooseNothing() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("1");
        f.shared().gammaPiano = 1.0;
        f.menu("mnuazorizzitem");
        f.type(W, "Text1", QStringLiteral("0,8"));
        f.pick(W, "List2", 0);
        f.type(W, "Text3", QStringLiteral("1"));
        f.click(W, "Option1");
        f.type(W, "Text6", QStringLiteral("100"));
        f.type(W, "Text7", QStringLiteral("20"));
        // beta: a list that only received the focus leaves it unchosen.
        focusWithoutChoosing(f.control<QListWidget>(W, "List3"));
        QCOMPARE(f.text(W, "Label15"), QString());
        f.click(W, "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QCOMPARE(f.text(W, "Label21"), QString());

        // I: with the focus on its list but no item chosen, Kh and F stay empty.
        f.pick(W, "List3", 0);
        focusWithoutChoosing(f.control<QListWidget>(W, "List1"));
        const size_t before = f.prompts.messages().size();
        f.click(W, "Command1");
        QCOMPARE(f.prompts.messages().size(), before);
        QCOMPARE(f.text(W, "Label16"), QString());
        QCOMPARE(f.text(W, "Label21"), QString());
        QCOMPARE(f.text(W, "Label28"), QStringLiteral("106,6"));
        QCOMPARE(f.text(W, "Label29"), QString());
    }

    // G, Q and the kind of room (by s) of the storey come from the building when it has them.
    void storeyLoadsFromTheBuilding() {
        struct Row {
            const char* storey;
            const char* g;
            const char* q;
            const char* option; // chosen, or nullptr for none
        };
        const Row rows[] = {
            {"1", "80", "30", "Option1"}, // s = 0,33: dwellings
            {"2", "70", "", "Option3"},   // no Q; s = 1: archives
            {"3", "", "", nullptr},       // s = 0,4 is no kind of room; no G
            {"4", "", "", nullptr},       // no such storey
        };
        const auto storey = [](const char* g, const char* q, const char* s) {
            building::Storey st;
            st.g = g ? building::typed(QString::fromLatin1(g)) : std::nullopt;
            st.q = q ? building::typed(QString::fromLatin1(q)) : std::nullopt;
            st.s = building::typed(QString::fromLatin1(s));
            return st;
        };
        for (const Row& row : rows) {
            Fixture f;
            f.shared().edificio.storeys = {storey("80", "30", "0,33"), storey("70", nullptr, "1"),
                                           storey(nullptr, nullptr, "0,4")};
            f.prompts.answer({row.storey});
            f.menu("mnuazorizzitem");
            QCOMPARE(f.text(W, "Text6"), QString::fromLatin1(row.g));
            QCOMPARE(f.text(W, "Text7"), QString::fromLatin1(row.q));
            for (const char* option : {"Option1", "Option2", "Option3"})
                QCOMPARE(f.control<QRadioButton>(W, option)->isChecked(),
                         row.option && QByteArray(option) == row.option);
        }
    }

    void newStoreyStartsAfresh() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("1");
        f.shared().gammaPiano = 1.0;
        f.menu("mnuazorizzitem");
        fillStorey(f);
        f.pick(W, "List1", 1);
        f.click(W, "Command1");
        QDialog* first = f.window(W);

        f.prompts.answer({"2"});
        f.click(W, "Command4");
        Fixture::settle();
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.modalRuns, (QStringList{W, W}));
        QVERIFY(f.window(W) != first);
        QVERIFY(f.shown(W));
        QCOMPARE(f.shared().numeroPiano, std::optional<QString>(QString()));
        QVERIFY(f.shared().gammaPiano.isCleared());
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), QStringLiteral("Fi = Ki * Wi"));
        QCOMPARE(f.text(W, "Label14"),
                 QStringLiteral("Coefficiente di Distribuzione del  2° piano:"));
        for (const char* name :
             {"Text5", "Text6", "Text7", "Label21", "Label28", "Label29", "Label24"})
            QCOMPARE(f.text(W, name), QString());
        // The zone and epsilon are the building's, the same for every storey.
        QCOMPARE(f.text(W, "Label9"), QStringLiteral("0,04g"));
        QCOMPARE(f.text(W, "Text3"), QStringLiteral("1"));
    }

    void cancelAndCloseKeepTheStoredStorey() {
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("4");
        f.shared().gammaPiano = 1.25;
        f.menu("mnuazorizzitem");
        f.type(W, "Text6", QStringLiteral("100"));
        f.click(W, "Command2");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded(W));
        QVERIFY(!f.main().indicator(9));
        QCOMPARE(f.storey(), QStringLiteral("4"));

        f.menu("mnuazorizzitem");
        QVERIFY(f.prompts.shown.empty());
        QCOMPARE(f.text(W, "Text6"), QString());
        QCOMPARE(f.text(W, "Text5"), QStringLiteral("1,25"));
        f.window(W)->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded(W));
        QVERIFY(f.main().hint().isEmpty());
        QCOMPARE(f.gamma(), 1.25);

        f.menu("mnuazorizzitem");
        f.click(W, "Command5");
        QCOMPARE(f.help.requests.size(), size_t(1));
        QCOMPARE(f.help.requests[0].window, QStringLiteral("edifici intelaiati"));
        QCOMPARE(f.help.requests[0].context, 1050);
    }
};

QTEST_MAIN(TestAzioniOrizzontali)
#include "tst_azioniorizzontali.moc"

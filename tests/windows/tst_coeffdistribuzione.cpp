#include "core/sharedvalues.h"
#include "fixture.h"
#include "shell/buildingfile.h"
#include "windows/messages.h"

#include <QPlainTextEdit>

namespace {

QStringList printedLines(Fixture& f) {
    auto* surface = f.control<QPlainTextEdit>("coeffdistribuzione", "Stampa");
    return surface ? surface->toPlainText().split(QLatin1Char('\n')) : QStringList();
}

QString row(int storey, const char* weight, const char* height) {
    return QString(7, QLatin1Char(' ')) + QString::number(storey) + QStringLiteral("°") +
           QString(15, QLatin1Char(' ')) + QString::fromUtf8(weight) + QStringLiteral(" tonn") +
           QString(15, QLatin1Char(' ')) + QString::fromUtf8(height) + QStringLiteral(" m");
}

const QString heading = QStringLiteral("     Piano            Peso                  Quota");

} // namespace

class TestCoeffDistribuzione : public QObject {
    Q_OBJECT
  private slots:
    void equalStoreysGiveOneAndAreSent() {
        Fixture f;
        f.prompts.answer({"3", "2", "100", "3", "100", "6", "100", "9"});
        f.menu("mnucoefficienteitem");
        QVERIFY(f.prompts.inputs.empty());
        QVERIFY(f.shown("coeffdistribuzione"));
        QVERIFY(f.main().indicator(4));

        QCOMPARE(f.window("coeffdistribuzione")->windowTitle(),
                 QStringLiteral("Coefficiente di Distribuzione (2° piano)"));
        QCOMPARE(
            printedLines(f),
            (QStringList{QString(), heading, QString(), row(1, "100", "3"), row(2, "100", "6"),
                         row(3, "100", "9"), QString(), QString(),
                         QStringLiteral("    Coefficiente di Distribuzione del 2°piano:  1")}));
        QCOMPARE(f.text("coeffdistribuzione", "Label1"), QStringLiteral("300"));
        QCOMPARE(f.text("coeffdistribuzione", "Label2"), QStringLiteral("1800"));
        QCOMPARE(f.text("coeffdistribuzione", "Label3"), QStringLiteral("6"));
        QCOMPARE(f.gamma(), 1.0);
        QCOMPARE(f.storey(), QStringLiteral("2"));
        QCOMPARE(f.shared().pesiPiani, (QStringList{"100", "100", "100"}));
        QCOMPARE(f.shared().quotePiani, (QStringList{"3", "6", "9"}));

        // The questions as the user sees them.
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("Piani dell'edificio"));
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("Piano dell'edificio"));
        QCOMPARE(f.prompts.shown[4].text, QStringLiteral("Inserire il peso del 2° piano (tonn)"));
        QCOMPARE(f.prompts.shown[4].title, QStringLiteral("Peso del 2° piano"));
        QCOMPARE(f.prompts.shown[5].text,
                 QStringLiteral("Inserire la quota del 2° piano rispetto allo spiccato delle "
                                "fondazioni (m)"));
        QCOMPARE(f.prompts.shown[5].title, QStringLiteral("Quota del 2° piano"));

        f.click("coeffdistribuzione", "Command2");
        QCOMPARE(f.prompts.lastTitle(), messages::titleSystem);
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Il coefficiente di distribuzione pari a 1 relativo al 2° piano é "
                                "stato inserito nella finestra Analisi  Statica - Azioni "
                                "orizzontali (edifici intelaiati) "));
        QVERIFY(!f.shown("coeffdistribuzione"));
        QVERIFY(f.forms().isLoaded("coeffdistribuzione"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());
        QCOMPARE(f.storey(), QStringLiteral("2"));
        QCOMPARE(f.gamma(), 1.0);
    }

    void restartAsksAgainAndPrintsOneBlank() {
        Fixture f;
        f.prompts.answer({"1", "1", "50", "4"});
        f.menu("mnucoefficienteitem");
        QCOMPARE(f.gamma(), 1.0);

        f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"2", "2", "200", "3", "100", "6"});
        f.click("coeffdistribuzione", "Command1");
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.window("coeffdistribuzione")->windowTitle(),
                 QStringLiteral("Coefficiente di Distribuzione (2° piano)"));
        // Only the new table is on the surface.
        QCOMPARE(printedLines(f),
                 (QStringList{QString(), heading, QString(), row(1, "200", "3"), row(2, "100", "6"),
                              QString(), QString(),
                              QStringLiteral("    Coefficiente di Distribuzione del "
                                             "2°piano: 1,5")}));
        QCOMPARE(f.gamma(), 1.5);
        QCOMPARE(f.shared().pesiPiani, (QStringList{"200", "100"}));
        QCOMPARE(f.shared().quotePiani, (QStringList{"3", "6"}));
    }

    void refusedAnswersAreAskedAgain() {
        Fixture f;
        // Storeys: Cancel, empty, text, 0, 10 and a fraction before 2.
        // Storey: beyond n, 0, 10, text, Cancel before 1.
        // Weight and height: text and Cancel are asked again.
        f.prompts.inputs = {std::nullopt,          QString(),
                            QStringLiteral("tre"), QStringLiteral("0"),
                            QStringLiteral("10"),  QStringLiteral("2,5"),
                            QStringLiteral("2"),   QStringLiteral("3"),
                            QStringLiteral("0"),   QStringLiteral("10"),
                            QStringLiteral("uno"), std::nullopt,
                            QStringLiteral("1"),   QStringLiteral("cento"),
                            QStringLiteral("100"), std::nullopt,
                            QStringLiteral("2,5"), QStringLiteral("100"),
                            QStringLiteral("5")};
        // Cancel asks whether to leave; "No" asks the question again.
        f.prompts.yesNoAnswers = {false, false, false};
        f.menu("mnucoefficienteitem");
        QVERIFY(f.prompts.inputs.empty());

        const auto shown = f.prompts.messages();
        QCOMPARE(shown.size(), size_t(6));
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(shown[i].title, QStringLiteral("Messaggio di sistema"));
            QCOMPARE(shown[i].text, i == 2 ? messages::wholeStoreyCount : messages::maxNineStoreys);
        }
        for (size_t i = 3; i < 6; ++i) {
            QCOMPARE(shown[i].title, QStringLiteral("Messaggio di sistema"));
            QCOMPARE(shown[i].text,
                     QStringLiteral("Il numero del singolo piano non può essere maggiore del "
                                    "numero complessivo dei piani dell'edificio!"));
        }
        // gamma_1 = 2,5 * 200 / (2,5 * 100 + 5 * 100) = 0,666...
        QCOMPARE(f.gamma(), 0.67);
        QCOMPARE(f.storey(), QStringLiteral("1"));
        QCOMPARE(f.text("coeffdistribuzione", "Label3"), QStringLiteral("2,5"));
        QCOMPARE(f.text("coeffdistribuzione", "Label2"), QStringLiteral("750"));
    }

    // Weights and heights of different widths end on the same column, the words as written;
    // the building data file keeps the lines as written, without the padding.
    void columnsOfMixedWidthsLineUp_data() {
        QTest::addColumn<QStringList>("typed"); // weight and height of storey 1, then 2
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("wider below")
            << QStringList{"1234,5", "3", "1", "12,5"}
            << QStringList{row(1, "1234,5", "   3"), row(2, "     1", "12,5")};
        QTest::newRow("wider above") << QStringList{"1", "3", "12,25", "100"}
                                     << QStringList{row(1, "    1", "  3"), row(2, "12,25", "100")};
    }
    void columnsOfMixedWidthsLineUp() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        Fixture f;
        f.prompts.inputs = {QStringLiteral("2"), QStringLiteral("1")};
        f.prompts.inputs.insert(f.prompts.inputs.end(), typed.begin(), typed.end());
        f.menu("mnucoefficienteitem");
        QCOMPARE(printedLines(f).mid(3, 2), shown);
        const QString kept = buildingfile::capture(f.forms(), f.shared())
                                 .windows.value(QStringLiteral("coeffdistribuzione"))
                                 .values.value(QStringLiteral("prospetto"))
                                 .text;
        const auto written = [&](int storey) {
            return row(storey, typed[2 * storey - 2].toUtf8().constData(),
                       typed[2 * storey - 1].toUtf8().constData());
        };
        QCOMPARE(kept.split(QLatin1Char('\n')).mid(3, 2), (QStringList{written(1), written(2)}));
    }

    void storeysWithoutWeightTimesHeightAreAskedAgain() {
        Fixture f;
        f.prompts.answer({"2", "1", "0", "3", "0", "6", "100", "3", "100", "6"});
        f.menu("mnucoefficienteitem");
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.messages().size(), size_t(1));
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di sistema"));
        QVERIFY(f.prompts.lastMessage().contains(QStringLiteral("non può essere calcolato")));
        // The table shows the storeys given the second time, and a real coefficient.
        const QStringList lines = printedLines(f);
        QCOMPARE(lines.mid(3, 2), (QStringList{row(1, "100", "3"), row(2, "100", "6")}));
        QCOMPARE(f.shared().pesiPiani, (QStringList{"100", "100"}));
        QCOMPARE(f.gamma(), 0.67);
        QVERIFY(lines.last().endsWith(QStringLiteral("1°piano:  0,67")));
    }

    void cancelLeavesNoStoreyForHorizontalActions() {
        Fixture f;
        f.prompts.answer({"2", "2", "200", "3", "100", "6"});
        f.menu("mnucoefficienteitem");
        QCOMPARE(f.gamma(), 1.5);
        f.click("coeffdistribuzione", "Command3");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("coeffdistribuzione"));
        QVERIFY(!f.main().indicator(4));
        QCOMPARE(f.gamma(), 0.0);
        QCOMPARE(f.storey(), QString());

        // The horizontal actions window finds no storey: it asks for one, and the cleared
        // gamma is no gamma (not 0).
        f.prompts.answer({"4"});
        f.menu("mnuazorizzitem");
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.shown.back().text, QStringLiteral("Inserisci il numero del piano"));
        QCOMPARE(f.text("azioniorizzontali", "Text5"), QString());
        QCOMPARE(f.text("azioniorizzontali", "Label12"),
                 QStringLiteral("Forza Orizzontale applicata al 4° piano (Fh):"));
    }

    void closeBoxClearsTheStoreyToo() {
        Fixture f;
        f.prompts.answer({"1", "1", "80", "3"});
        f.menu("mnucoefficienteitem");
        f.window("coeffdistribuzione")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("coeffdistribuzione"));
        QCOMPARE(f.gamma(), 0.0);
        QCOMPARE(f.storey(), QString());
        QVERIFY(f.main().hint().isEmpty());
    }

    void helpShowsBuildingParameters() {
        Fixture f;
        f.prompts.answer({"1", "1", "80", "3"});
        f.menu("mnucoefficienteitem");
        f.click("coeffdistribuzione", "Command4");
        QCOMPARE(f.help.requests.size(), size_t(1));
        QCOMPARE(f.help.requests[0].window, QStringLiteral("parametri dell'edificio"));
        QCOMPARE(f.help.requests[0].context, 1030);
    }
};

QTEST_MAIN(TestCoeffDistribuzione)
#include "tst_coeffdistribuzione.moc"

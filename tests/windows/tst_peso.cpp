#include "core/sharedvalues.h"
#include "fixture.h"
#include "windows/peso.h"

#include <QPlainTextEdit>

namespace {
const QString countTitle = QStringLiteral("Peso dell'edificio");
const QString countPrompt =
    QStringLiteral("Inserire il numero complessivo dei piani dell'edificio");
const QString nineStoreys =
    QStringLiteral("Operazione eseguibile per un numero massimo di 9 piani");

QString storeyLine(int storey, const QString& weight) {
    return QStringLiteral("   %1° Piano").arg(storey) + QString(24, QLatin1Char(' ')) + weight +
           QStringLiteral(" tonn\r\n");
}
} // namespace

building::Storey enteredStorey(const char* g, const char* q, const char* s, const char* h) {
    building::Storey storey;
    storey.g = building::typed(QString::fromLatin1(g));
    storey.q = building::typed(QString::fromLatin1(q));
    storey.s = building::typed(QString::fromLatin1(s));
    if (h)
        storey.h = building::typed(QString::fromLatin1(h));
    return storey;
}

class TestPeso : public QObject {
    Q_OBJECT
  private slots:
    // Storeys already in the building are offered instead of asked again: W of each
    // (typed, or G + s * Q) for the weight, W and h for the distribution coefficient; answers
    // typed instead become the building's storeys.
    void storeysAlreadyEnteredAreOffered() {
        const QString offer = QStringLiteral("Usare i piani già inseriti?");
        struct Row {
            const char* what;
            const char* menu;
            std::vector<building::Storey> storeys;
            std::optional<bool> answer; // nothing: not offered
            std::initializer_list<const char*> typed;
            QStringList weights; // pesiPiani afterwards
            QStringList keptW;   // W of the building's storeys afterwards, as typed
        };
        // W = 80 + 0,3 * 30 = 89 and 70 + 0,3 * 20 = 76.
        const std::vector<building::Storey> two{enteredStorey("80", "30", "0,3", "3"),
                                                enteredStorey("70", "20", "0,3", "6")};
        const Row rows[] = {
            {"weight: used", "mnupesocomplitem", two, true, {}, {"89", "76"}, {}},
            {"weight: typed instead", "mnupesocomplitem", two, false, {"1", "50"}, {"50"}, {"50"}},
            {"distribution: used, only k asked",
             "mnucoefficienteitem",
             two,
             true,
             {"2"},
             {"89", "76"},
             {}},
            {"distribution: no heights, not offered",
             "mnucoefficienteitem",
             {enteredStorey("80", "30", "0,3", nullptr)},
             std::nullopt,
             {"1", "1", "40", "3"},
             {"40"},
             {"40"}},
            {"weight: ten storeys, not offered",
             "mnupesocomplitem",
             std::vector<building::Storey>(10, enteredStorey("1", "0", "0", "3")),
             std::nullopt,
             {"1", "5"},
             {"5"},
             {"5"}},
        };
        for (const Row& row : rows) {
            Fixture f;
            f.shared().edificio.storeys = row.storeys;
            if (row.answer)
                f.prompts.yesNoAnswers.push_back(*row.answer);
            f.prompts.answer(row.typed);
            f.menu(row.menu);
            QVERIFY2(f.prompts.inputs.empty() && f.prompts.yesNoAnswers.empty(), row.what);
            const bool offered = std::any_of(f.prompts.shown.begin(), f.prompts.shown.end(),
                                             [&](const auto& s) { return s.text == offer; });
            QVERIFY2(offered == row.answer.has_value(), row.what);
            QCOMPARE(f.shared().pesiPiani, row.weights);
            QStringList keptW;
            for (const building::Storey& storey : f.shared().edificio.storeys)
                if (storey.weight)
                    keptW << storey.weight->text;
            QCOMPARE(keptW, row.keptW);
            if (row.answer == true)
                QCOMPARE(f.shared().edificio.storeys, row.storeys);
        }
    }

    void runningSumIsRoundedAfterEveryStorey() {
        Fixture f;
        f.prompts.answer({"2", "120,333", "100,333"});
        f.menu("mnupesocomplitem");
        QVERIFY(f.shown("peso"));
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.window("peso")->windowTitle(), QStringLiteral("Peso complessivo dell'edificio"));
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.main().hint(), QStringLiteral("Calcola il peso totale dell'edificio"));

        // The questions, in order, with their titles.
        QCOMPARE(f.prompts.shown.size(), size_t(3));
        QCOMPARE(f.prompts.shown[0].title, countTitle);
        QCOMPARE(f.prompts.shown[0].text, countPrompt);
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("Peso del 1° piano"));
        QCOMPARE(f.prompts.shown[1].text, QStringLiteral("Inserire il peso del 1° piano (tonn)"));
        QCOMPARE(f.prompts.shown[2].title, QStringLiteral("Peso del 2° piano"));
        QCOMPARE(f.prompts.shown[2].text, QStringLiteral("Inserire il peso del 2° piano (tonn)"));

        // 120,33 + 100,333 = 220,663 -> 220,66, not 220,67 as the plain sum would round.
        QCOMPARE(f.shared().pesoEdificio, 220.66f);
        QCOMPARE(f.shared().pesiPiani, (QStringList{"120,333", "100,333"}));

        const QString printed = f.forms().get<Peso>("peso")->printedText();
        QCOMPARE(printed, QStringLiteral("\r\n") + QString(10, QLatin1Char(' ')) +
                              QStringLiteral("PIANI DELL'EDIFICIO:\n\r\r\n") +
                              storeyLine(1, "120,333") + storeyLine(2, "100,333") +
                              QStringLiteral("\r\n") + QStringLiteral("  Peso complessivo:") +
                              QString(9, QLatin1Char(' ')) + QStringLiteral("220,66 tonn\r\n"));
        // On screen the heading is followed by one empty line, in a fixed-pitch font.
        auto* sheet = f.window("peso")->findChild<QPlainTextEdit*>();
        QVERIFY(sheet && sheet->isReadOnly());
        QVERIFY(QFontInfo(sheet->font()).fixedPitch());
        const QStringList lines = sheet->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[1], QStringLiteral("          PIANI DELL'EDIFICIO:"));
        QVERIFY(lines[0].isEmpty() && lines[2].isEmpty() && lines[5].isEmpty());
        QCOMPARE(lines[6], QStringLiteral("  Peso complessivo:") + QString(17, QLatin1Char(' ')) +
                               QStringLiteral("220,66 tonn"));

        f.click("peso", "Command3");
        QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Messaggio di Sistema"));
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Il peso P = 220,66 tonn é stato inserito nelle finestre Analisi "
                                "Statica \n\r (azioni verticali) relative agli edifici in "
                                "muratura ed intelaiati "));
        QVERIFY(!f.shown("peso"));
        QVERIFY(f.forms().isLoaded("peso"));
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());
        QCOMPARE(f.shared().pesoEdificio, 220.66f);

        // Shown again as it was: no new questionnaire.
        f.menu("mnupesocomplitem");
        QVERIFY(f.shown("peso"));
        QCOMPARE(f.forms().get<Peso>("peso")->printedText(), printed);
    }

    // On screen the total stands under the storey weights, right-aligned with them in one
    // column, whichever is the widest; the lines as written keep their own blanks.
    void totalLinesUpWithTheWeights_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("total");
        QTest::newRow("weights wider") << QStringList{"2", "120,333", "100,333"} << "220,66";
        QTest::newRow("total wider") << QStringList{"3", "5", "6", "1"} << "12";
        QTest::newRow("same width") << QStringList{"1", "10,5"} << "10,5";
    }
    void totalLinesUpWithTheWeights() {
        QFETCH(QStringList, answers);
        QFETCH(QString, total);
        Fixture f;
        for (const QString& answer : answers)
            f.prompts.inputs.push_back(answer);
        f.menu("mnupesocomplitem");
        const QStringList lines =
            f.window("peso")->findChild<QPlainTextEdit*>()->toPlainText().split(QLatin1Char('\n'));
        const int storeys = answers.size() - 1;
        QCOMPARE(lines.size(), storeys + 5);
        QCOMPARE(lines.last().simplified(),
                 QStringLiteral("Peso complessivo: ") + total + QStringLiteral(" tonn"));
        const qsizetype column = lines.last().indexOf(QStringLiteral(" tonn"));
        for (int i = 1; i <= storeys; ++i) {
            QCOMPARE(lines[2 + i].simplified(),
                     QStringLiteral("%1° Piano ").arg(i) + answers[i] + QStringLiteral(" tonn"));
            QCOMPARE(lines[2 + i].indexOf(QStringLiteral(" tonn")), column);
        }
    }

    void unusableAnswersAreAskedAgain() {
        Fixture f;
        // Storeys: 0, 10, -1 are out of range, a fraction is not a whole number; text and an
        // empty answer are asked again silently, Cancel after "No" to leaving; 9 is accepted.
        f.prompts.answer({"0", "10", "-1", "tre", nullptr, "", "2,5", "9"});
        f.prompts.yesNoAnswers = {false, false};
        // Storey 1 refuses Cancel, an empty answer and text before taking a weight.
        f.prompts.answer({nullptr, "", "dieci", "10"});
        for (int i = 2; i <= 9; ++i)
            f.prompts.answer({"10,5"});
        f.menu("mnupesocomplitem");
        QVERIFY(f.prompts.inputs.empty());

        const auto msgs = f.prompts.messages();
        QCOMPARE(msgs.size(), size_t(4));
        for (const auto& m : msgs) {
            QCOMPARE(m.text,
                     &m == &msgs.back()
                         ? QStringLiteral("Il numero dei piani deve essere un numero intero!")
                         : nineStoreys);
            QCOMPARE(m.title, QStringLiteral("Messaggio di sistema"));
        }
        // Each range message comes right after the refused answer, before the next question.
        QCOMPARE(f.prompts.shown[1].kind, QStringLiteral("message"));
        QCOMPARE(f.prompts.shown[2].text, countPrompt);
        // The same storey-1 question is asked four times.
        int storeyOneAsked = 0;
        for (const auto& s : f.prompts.shown)
            storeyOneAsked += s.text == QStringLiteral("Inserire il peso del 1° piano (tonn)");
        QCOMPARE(storeyOneAsked, 4);

        QCOMPARE(f.shared().pesiPiani.size(), 9);
        QCOMPARE(f.shared().pesiPiani.first(), QStringLiteral("10"));
        QCOMPARE(f.shared().pesoEdificio, 94.0f);
        QVERIFY(f.forms().get<Peso>("peso")->printedText().contains(storeyLine(9, "10,5")));
    }

    void cancelDropsWeightCloseBoxKeepsIt() {
        Fixture f;
        f.prompts.answer({"1", "350"});
        f.menu("mnupesocomplitem");
        QCOMPARE(f.shared().pesoEdificio, 350.0f);
        f.click("peso", "Command2");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("peso"));
        QCOMPARE(f.shared().pesoEdificio, 0.0f);
        QVERIFY(!f.main().indicator(4));
        QVERIFY(f.main().hint().isEmpty());

        f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"1", "350"});
        f.menu("mnupesocomplitem");
        f.window("peso")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("peso"));
        QCOMPARE(f.shared().pesoEdificio, 350.0f);
        QVERIFY(!f.main().indicator(4));
    }

    void resetAsksEverythingAgain() {
        Fixture f;
        f.prompts.answer({"1", "350"});
        f.menu("mnupesocomplitem");
        QDialog* first = f.window("peso");

        f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"2", "1", "2"});
        f.click("peso", "Command1");
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.modalRuns, (QStringList{"peso", "peso"}));
        QVERIFY(f.window("peso") != first);
        QVERIFY(f.shown("peso"));
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.main().hint(), QStringLiteral("Calcola il peso totale dell'edificio (in tonn)"));
        QCOMPARE(f.shared().pesoEdificio, 3.0f);
        QCOMPARE(f.shared().pesiPiani, (QStringList{"1", "2"}));
        Fixture::settle();

        f.click("peso", "Command4");
        QCOMPARE(f.help.requests.size(), size_t(1));
        QCOMPARE(f.help.requests[0].window, QStringLiteral("parametri dell'edificio"));
        QCOMPARE(f.help.requests[0].context, 1030);
    }
};

QTEST_MAIN(TestPeso)
#include "tst_peso.moc"

#include "core/building.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "diskfiles.h"
#include "fixture.h"
#include "shell/buildingfile.h"
#include "shell/routes.h"

#include <QChartView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QXYSeries>

namespace {

const char* const W = "tuttipiani";
enum Column { Storey, Weight, Height, Gamma, K, F, V, M };

QTableWidget* table(Fixture& f) {
    return f.control<QTableWidget>(W, "Tabella");
}
QString at(Fixture& f, int row, int column) {
    return table(f)->item(row, column)->text();
}
void setCell(Fixture& f, int row, int column, const QString& text) {
    table(f)->item(row, column)->setText(text);
}

// Zone of 2nd category, I = 1,2, beta = 1,2, epsilon = 1, T = 1 s (R = 0,86).
void chooseSecondZone(Fixture& f) {
    f.type(W, "Text1", QStringLiteral("1"));
    f.pick(W, "List2", 1);
    f.pick(W, "List1", 1);
    f.pick(W, "List3", 1);
    f.type(W, "Text3", QStringLiteral("1"));
}

// The distribution coefficient questionnaire for four storeys, choosing storey k; the
// window passes gamma_k on and stays hidden.
void fourStoreysQuestionnaire(Fixture& f, const char* k) {
    f.forms().unload(QStringLiteral("coeffdistribuzione"));
    // Typed the first time; once the building has these four storeys, they are used.
    const size_t entered = f.shared().edificio.storeys.size();
    if (entered == 4) {
        f.prompts.yesNoAnswers.push_back(true);
        f.prompts.answer({k});
    } else {
        if (entered > 0)
            f.prompts.yesNoAnswers.push_back(false);
        f.prompts.answer({"4", k, "120", "3,5", "110", "6,5", "100", "9,5", "80", "12,5"});
    }
    f.menu("mnucoefficienteitem");
    f.click("coeffdistribuzione", "Command2");
}

void openTable(Fixture& f) {
    routes::open(f.main(), f.forms(), routes::allStoreys);
}

} // namespace

class TestTuttiPiani : public QObject {
    Q_OBJECT
  private slots:
    // The storeys of the questionnaire, the table worked by hand in the core test, and each
    // storey's F as the horizontal-actions window gives it with G = W and Q = 0.
    void storeysFromQuestionnaireAgreeWithHorizontalActions() {
        Fixture f;
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        QVERIFY(f.shown(W));
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), routes::allStoreys.hint);
        QCOMPARE(table(f)->rowCount(), 5);
        QCOMPARE(at(f, 3, Weight), QStringLiteral("80"));
        QCOMPARE(at(f, 3, Height), QStringLiteral("12,5"));
        QVERIFY(at(f, 0, F).isEmpty()); // no seismic data yet
        chooseSecondZone(f);

        // Worked at full precision in the core test with R = 0,862 (T = 1 s, not rounded).
        const QStringList forces{"4,85", "8,26", "10,97", "11,55"};
        const QStringList shears{"35,62", "30,77", "22,52", "11,55"};
        const QStringList moments{"194,52", "102,20", "34,64", "0,00"};
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(at(f, r, F), forces[r]);
            QCOMPARE(at(f, r, V), shears[r]);
            QCOMPARE(at(f, r, M), moments[r]);
        }
        QCOMPARE(at(f, 4, Storey), QStringLiteral("Base"));
        QCOMPARE(at(f, 4, V), QStringLiteral("35,62"));
        QCOMPARE(at(f, 4, M), QStringLiteral("319,21"));
        // C * R * epsilon * beta * I * sum(W) = 0,07 * 0,862 * 1 * 1,2 * 1,2 * 410.
        QCOMPARE(f.text(W, "Verifica"), QStringLiteral("ΣF = C·R·ε·β·I·ΣW: 35,62 t = 35,62 t"));
        QCOMPARE(table(f)->item(0, F)->textAlignment() & Qt::AlignRight, int(Qt::AlignRight));

        for (int storey = 1; storey <= 4; ++storey) {
            const QByteArray k = QByteArray::number(storey);
            fourStoreysQuestionnaire(f, k.constData());
            f.forms().unload(QStringLiteral("azioniorizzontali"));
            f.menu("mnuazorizzitem");
            const char* A = "azioniorizzontali";
            f.type(A, "Text1", QStringLiteral("1"));
            f.pick(A, "List2", 1);
            f.pick(A, "List1", 1);
            f.pick(A, "List3", 1);
            f.type(A, "Text3", QStringLiteral("1"));
            f.click(A, "Option1");
            f.type(A, "Text6", at(f, storey - 1, Weight));
            f.type(A, "Text7", QStringLiteral("0"));
            f.click(A, "Command1");
            // That window rounds gamma, K0 and Kh to hundredths before F = Kh * W; the table
            // rounds only what it shows. They agree to those roundings: gamma to the
            // hundredth, F within half a hundredth of K0 (times I) and of Kh, times W.
            const double gamma = *numtext::parse(at(f, storey - 1, Gamma));
            QVERIFY(std::abs(*numtext::parse(f.text(A, "Text5")) - gamma) <= 0.0055);
            const double w = *numtext::parse(at(f, storey - 1, Weight));
            const double shown = *numtext::parse(f.text(A, "Label29"));
            QVERIFY(std::abs(shown - *numtext::parse(at(f, storey - 1, F))) <=
                    (0.005 * 1.2 + 0.005) * w + 0.01);
        }
        QCOMPARE(f.prompts.unexpected, 0);
    }

    // Bad input is marked in its cell and never computed on; the reason is written under
    // the table and given again by "Aggiungi alla relazione".
    void badStoreysAreMarked_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("reason");
        const QString correct =
            QStringLiteral("Correggere i valori segnati in rosso nella tabella.");
        QTest::newRow("weight not a number") << int(Weight) << "1.5" << true << correct;
        QTest::newRow("negative weight") << int(Weight) << "-10" << true << correct;
        QTest::newRow("height not a number") << int(Height) << "sei" << true << correct;
        QTest::newRow("height not above the storey below")
            << int(Height) << "3" << true
            << QStringLiteral("La quota del 2° piano deve superare quella del piano sottostante.");
        QTest::newRow("missing weight") << int(Weight) << "" << false
                                        << QStringLiteral("Inserire il peso W e la quota h di "
                                                          "ogni piano.");
    }
    void badStoreysAreMarked() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, marked);
        QFETCH(QString, reason);
        Fixture f;
        openTable(f);
        chooseSecondZone(f);
        f.click(W, "cmdAggiungiPiano");
        for (int r = 0; r < 2; ++r) {
            setCell(f, r, Weight, QStringLiteral("100"));
            setCell(f, r, Height, QString::number(3 * (r + 1)));
        }
        // gamma 2/3 and 4/3, Kh = 0,07 * 0,862 * 1,2 * 1,2 * gamma: F 5,79 and 11,59.
        QCOMPARE(at(f, 2, V), QStringLiteral("17,38"));
        setCell(f, 1, column, text);
        QTableWidgetItem* item = table(f)->item(1, column);
        QCOMPARE(!item->toolTip().isEmpty(), marked);
        QCOMPARE(item->background().style() != Qt::NoBrush, marked);
        for (int c = Gamma; c <= M; ++c)
            QVERIFY(at(f, 0, c).isEmpty());
        QCOMPARE(f.text(W, "Messaggio"), reason);
        const QString before = f.main().reportText();
        f.click(W, "cmdAggiungi");
        QCOMPARE(f.prompts.lastMessage(), reason);
        QCOMPARE(f.main().reportText(), before);
        // Corrected, the mark goes and the results come back.
        setCell(f, 1, column, column == Weight ? QStringLiteral("100") : QStringLiteral("6"));
        QVERIFY(item->toolTip().isEmpty());
        QCOMPARE(at(f, 2, V), QStringLiteral("17,38"));
    }

    // "Chiudi" keeps the window; shown again, it brings in storeys entered since, unless
    // the table was edited. "?" opens the framed buildings' help.
    void closedKeptAndBroughtUpToDate() {
        Fixture f;
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        f.click(W, "cmdAiuto");
        QCOMPARE(f.help.requests.back().window, QStringLiteral("edifici intelaiati"));
        QCOMPARE(f.help.requests.back().context, 1050);
        f.click(W, "cmdChiudi");
        QVERIFY(!f.shown(W));
        QVERIFY(f.forms().isLoaded(QStringLiteral("tuttipiani")));
        QVERIFY(!f.main().indicator(9));
        QVERIFY(f.main().hint().isEmpty());

        f.forms().unload(QStringLiteral("coeffdistribuzione"));
        f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"2", "1", "50", "3", "40", "6"});
        f.menu("mnucoefficienteitem");
        f.click("coeffdistribuzione", "Command2");
        openTable(f);
        QCOMPARE(table(f)->rowCount(), 3);
        QCOMPARE(at(f, 1, Weight), QStringLiteral("40"));
        QCOMPARE(f.main().hint(),
                 QStringLiteral("I pesi e le quote dei piani sono stati aggiornati"));

        setCell(f, 1, Weight, QStringLiteral("45"));
        f.click(W, "cmdChiudi");
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        QCOMPARE(table(f)->rowCount(), 3);
        QCOMPARE(at(f, 1, Weight), QStringLiteral("45"));
    }

    // The building's storeys come first: W as typed or G + s * Q, h as typed; without them
    // the questionnaires' lists.
    void storeysOfTheBuilding() {
        Fixture f;
        f.shared().pesiPiani = QStringList{"1", "2"};
        f.shared().quotePiani = QStringList{"3", "6"};
        building::Storey typedW, loads;
        typedW.weight = building::typed(QStringLiteral("120,5"));
        typedW.h = building::typed(QStringLiteral("3,5"));
        loads.g = building::typed(QStringLiteral("80"));
        loads.q = building::typed(QStringLiteral("30"));
        loads.s = building::typed(QStringLiteral("0,33"));
        loads.h = building::typed(QStringLiteral("7"));
        f.shared().edificio.storeys = {typedW, loads}; // W = 80 + 0,33 * 30 = 89,9
        openTable(f);
        QCOMPARE(table(f)->rowCount(), 3);
        QCOMPARE(at(f, 0, Weight), QStringLiteral("120,5"));
        QCOMPARE(at(f, 0, Height), QStringLiteral("3,5"));
        QCOMPARE(at(f, 1, Weight), QStringLiteral("89,9"));
        QCOMPARE(at(f, 1, Height), QStringLiteral("7"));
    }

    void storeysAddedUpToThirtyAndRemoved() {
        Fixture f;
        openTable(f);
        QCOMPARE(table(f)->rowCount(), 2); // one storey and the base
        QVERIFY(!f.control<QPushButton>(W, "cmdRimuoviPiano")->isEnabled());
        for (int i = 1; i < 30; ++i)
            f.click(W, "cmdAggiungiPiano");
        QCOMPARE(table(f)->rowCount(), 31);
        QCOMPARE(at(f, 29, Storey), QStringLiteral("30°"));
        QVERIFY(!f.control<QPushButton>(W, "cmdAggiungiPiano")->isEnabled());
        // The storey chosen goes; those above move down a number.
        setCell(f, 5, Weight, QStringLiteral("77"));
        table(f)->setCurrentCell(4, Weight);
        f.click(W, "cmdRimuoviPiano");
        QCOMPARE(table(f)->rowCount(), 30);
        QCOMPARE(at(f, 4, Weight), QStringLiteral("77"));
        QCOMPARE(at(f, 4, Storey), QStringLiteral("5°"));
        QVERIFY(f.control<QPushButton>(W, "cmdAggiungiPiano")->isEnabled());
    }

    // The table goes after the report's text, in one step of the editor's history, and the
    // text above stays as it was.
    void tableAppendedToReport() {
        Fixture f;
        f.main().setReportText(QStringLiteral("RELAZIONE\r\n\r\n     Testo esistente"));
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        chooseSecondZone(f);
        f.click(W, "cmdAggiungi");
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("La tabella di tutti i piani è stata aggiunta in fondo alla "
                                "relazione."));
        const QString report = f.main().reportText();
        QVERIFY(report.startsWith(QStringLiteral("RELAZIONE\r\n\r\n     Testo esistente\r\n\r\n"
                                                 "     AZIONI ORIZZONTALI DI TUTTI I PIANI\r\n")));
        const QStringList lines = report.split(QStringLiteral("\r\n"));
        QVERIFY(lines.contains(QStringLiteral("     Coefficiente di Struttura (ß): 1,2")));
        QVERIFY(lines.contains(QStringLiteral("     Piano   W (tonn)    h (m)   gamma     Kh"
                                              "   F (tonn)   V (tonn)   M (tonn·m)")));
        QVERIFY(lines.contains(QStringLiteral("     1°           120      3,5   0,465  0,040"
                                              "       4,85      35,62       194,52")));
        QVERIFY(lines.contains(QStringLiteral("     Base") + QString(53, QLatin1Char(' ')) +
                               QStringLiteral("35,62       319,21")));
        QCOMPARE(lines.last(), QStringLiteral("     ΣF = C·R·ε·β·I·ΣW: 35,62 t = 35,62 t"));
        auto* editor = f.main().findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
        editor->undo();
        QCOMPARE(f.main().reportText(), QStringLiteral("RELAZIONE\r\n\r\n     Testo esistente"));
    }

    // Saved in a building data file and opened again, the table comes back with its storeys
    // as typed and its results; so does the spectrum's curve.
    void keptInBuildingData() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edificio.tremora"));
        {
            Fixture f;
            fourStoreysQuestionnaire(f, "1");
            openTable(f);
            chooseSecondZone(f);
            setCell(f, 3, Weight, QStringLiteral("80,0"));
            routes::open(f.main(), f.forms(), routes::spectrum);
            f.pick("spettro", "List2", 0);
            f.pick("spettro", "List1", 0);
            f.pick("spettro", "List3", 0);
            f.type("spettro", "Text3", QStringLiteral("1"));
            QCOMPARE(buildingfile::save(f.forms(), f.shared(), path), QString());
        }
        Fixture f;
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        QCOMPARE(at(f, 3, Weight), QStringLiteral("80,0"));
        QCOMPARE(at(f, 4, M), QStringLiteral("319,21"));
        auto* spectrum = f.control<QChartView>("spettro", "Diagramma");
        QVERIFY(spectrum);
        QCOMPARE(static_cast<QXYSeries*>(spectrum->chart()->series().at(0))->count(), 301);
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void diagramExportedAsPngOrSvg_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "diagramma.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "diagramma.svg" << QByteArray("<?xml");
        QTest::newRow("no extension: png") << "diagramma" << QByteArray("\x89PNG");
    }
    void diagramExportedAsPngOrSvg() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Fixture f;
        QTemporaryDir dir;
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        chooseSecondZone(f);
        f.prompts.clear();
        f.prompts.saveNames.push_back(dir.filePath(name));
        f.click(W, "cmdEsporta");
        QCOMPARE(f.prompts.shown.back().title, QStringLiteral("immagine"));
        QFile file(dir.filePath(name.contains(QLatin1Char('.')) ? name : name + ".png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(start));
        QVERIFY(f.prompts.messages().empty());
    }

    // An image that cannot be written whole is told with its cause, and the old one stays.
    void diagramExportThatFailsKeepsTheOldImage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("trap");
        QTest::addColumn<QString>("cause");
        QTest::newRow("png, full disk") << "diagramma.png"
                                        << "full"
                                        << "Spazio su disco esaurito";
        QTest::newRow("svg, full disk") << "diagramma.svg"
                                        << "full"
                                        << "Spazio su disco esaurito";
        QTest::newRow("png, 0444") << "diagramma.png"
                                   << "0444"
                                   << "Il file è di sola lettura";
    }
    void diagramExportThatFailsKeepsTheOldImage() {
        QFETCH(QString, name);
        QFETCH(QString, trap);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("immagini"));
        SmallDisk disk(folder, "size=64k");
        if (!disk.mounted)
            QSKIP("a small file system needs root");
        const QString file = folder + QLatin1Char('/') + name;
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("vecchia") == 7);
        }
        if (trap == QLatin1String("full"))
            disk.fill();
        else
            QVERIFY(QFile::setPermissions(file,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QStringList before = entries(folder);
        Fixture f;
        fourStoreysQuestionnaire(f, "1");
        openTable(f);
        chooseSecondZone(f);
        f.prompts.clear();
        f.prompts.saveNames.push_back(file);
        f.click(W, "cmdEsporta");
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("L'immagine non è stata salvata in ") + file +
                     QStringLiteral(": ") + cause +
                     QStringLiteral(".\r\nIl file precedente, se esisteva, non è stato "
                                    "modificato."));
        QFile old(file);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("vecchia"));
        QCOMPARE(entries(folder), before);
    }

    void imageOfAnotherKindRefused() {
        Fixture f;
        QTemporaryDir dir;
        openTable(f);
        f.prompts.saveNames.push_back(dir.filePath(QStringLiteral("diagramma.jpg")));
        f.click(W, "cmdEsporta");
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Il diagramma si salva come immagine PNG o SVG: dare al file "
                                "l'estensione .png o .svg."));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(TestTuttiPiani)
#include "tst_tuttipiani.moc"

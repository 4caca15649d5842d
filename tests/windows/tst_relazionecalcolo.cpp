#include "core/sharedvalues.h"
#include "fixture.h"
#include "pdftools.h"
#include "shell/buildingfile.h"
#include "shell/reportdocument.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>

namespace {

const char* const W = "relazionecalcolo";

QString school() {
    return QFINDTESTDATA("../data/relazione/scuola.tremora");
}

QTextDocument* editorDocument(Fixture& f) {
    return f.main().document().editor()->document();
}

// The tables of the editor's document, their rows counted.
QList<int> tableRows(Fixture& f) {
    QList<int> rows;
    for (QTextFrame* frame : editorDocument(f)->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            rows << table->rows();
    return rows;
}

void open(Fixture& f) {
    f.menu("mnurelcalcoloitem");
    QVERIFY(f.shown(W));
}

} // namespace

class TestRelazioneCalcolo : public QObject {
    Q_OBJECT
  private slots:
    // From the menu, for a complete building: nothing to ask, the report in the editor with
    // its cover's table and the storey table (header, four storeys, base), editable and
    // counted as changed; the window goes.
    void composesTheBuildingsReport() {
        Fixture f;
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), school()), QString());
        // A window that takes T loads the period window, empty: no H or B typed again.
        f.forms().get(QStringLiteral("periodo"));
        open(f);
        f.click(W, "cmdComponi");
        QCOMPARE(f.prompts.unexpected, 0);
        QVERIFY(!f.shown(W));
        const QString text = editorDocument(f)->toPlainText();
        QVERIFY(
            text.contains(QStringLiteral("T = 0,1 · H / √B = 0,1 · 12,50 / √10,00 = 0,395 sec")));
        QVERIFY(text.contains(QStringLiteral("δr = δa + k · δc = 0,50 + 6 · 1,26 = 8,09 cm")));
        QCOMPARE(tableRows(f), QList<int>({9, 6}));
        QVERIFY(f.main().document().isModified());
        // Saved as text, a table is a cell a line and a diagram nothing.
        const QString saved = f.main().reportText();
        QVERIFY(saved.contains(QStringLiteral("M alla quota del piano (t·m)\r\n1°\r\n120,00\r\n")));
        for (ushort mark : {0xfffc, 0xfdd0, 0xfdd1})
            QVERIFY(!saved.contains(QChar(mark)));
        // Exported from the editor: the cover alone on the first page, the sections after.
        if (!pdftools::have("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        f.prompts.saveNames.push_back(dir.filePath(QStringLiteral("relazione.pdf")));
        f.main().document().exportPdf();
        const QStringList pages = pdftools::pages(dir.filePath(QStringLiteral("relazione.pdf")));
        QVERIFY(pages.size() > 2);
        QVERIFY(pages[0].contains(QStringLiteral("Progettista Ing. Maria Rossi")));
        QVERIFY(!pages[0].contains(QStringLiteral("1. Dati sismici")));
        QVERIFY(pages[1].contains(QStringLiteral("1. Dati sismici")));
    }

    // Bad choices and missing or outdated values are refused or named, and "No" leaves the
    // editor as it was.
    void refusesAndAsks_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("says");
        QTest::newRow("nothing ticked")
            << 0 << "Scegliere almeno una parte da mettere nella relazione di calcolo.";
        QTest::newRow("a building with nothing entered")
            << 1
            << "Mancano questi valori (la relazione lo dirà nelle sezioni che li "
               "richiedono):\n\n    la zona sismica (S)\n";
        QTest::newRow("H typed again, not computed")
            << 2
            << "Questi valori non sono aggiornati:\n\n    il periodo T: H o B sono "
               "cambiati nella finestra Periodo fondamentale di vibrazione dopo l'ultimo "
               "calcolo\n\nComporre comunque la relazione di calcolo?";
    }
    void refusesAndAsks() {
        QFETCH(int, situation);
        QFETCH(QString, says);
        Fixture f;
        if (situation == 2) {
            QCOMPARE(buildingfile::open(f.forms(), f.shared(), school()), QString());
            f.menu("mnuperfonditem");
            f.type("periodo", "Text2", QStringLiteral("10"));
            f.type("periodo", "Text1", QStringLiteral("12,5"));
            f.click("periodo", "Command1");
            f.type("periodo", "Text1", QStringLiteral("15"));
        }
        f.main().setReportText(QStringLiteral("Testo esistente"));
        open(f);
        if (situation == 0)
            for (QCheckBox* box : f.window(W)->findChildren<QCheckBox*>())
                box->setChecked(false);
        else
            f.prompts.yesNoAnswers.push_back(false);
        f.click(W, "cmdComponi");
        QVERIFY2(f.prompts.shown.back().text.contains(says),
                 qPrintable(f.prompts.shown.back().text));
        QCOMPARE(f.prompts.shown.back().kind,
                 situation == 0 ? QStringLiteral("message") : QStringLiteral("yesNo"));
        QVERIFY(f.shown(W));
        QCOMPARE(f.main().reportText(), QStringLiteral("Testo esistente"));
    }

    // The period window gives the building its H and B; the choices made are kept in the
    // building data file and come back with it.
    void choicesKeptWithTheBuilding() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edificio.tremora"));
        {
            Fixture f;
            QCOMPARE(buildingfile::open(f.forms(), f.shared(), school()), QString());
            f.menu("mnuperfonditem");
            f.type("periodo", "Text2", QStringLiteral("16"));
            f.type("periodo", "Text1", QStringLiteral("30"));
            f.click("periodo", "Command1");
            QCOMPARE(f.shared().edificio.periodo.h->text, QStringLiteral("30"));
            open(f);
            f.control<QCheckBox>(W, "chkspettro")->setChecked(false);
            f.click(W, "optKilonewton");
            f.click(W, "cmdComponi");
            QVERIFY(editorDocument(f)->toPlainText().contains(
                QStringLiteral("T = 0,1 · H / √B = 0,1 · 30,00 / √16,00 = 0,750 sec")));
            QVERIFY(!editorDocument(f)->toPlainText().contains(QStringLiteral("Spettro")));
            QCOMPARE(buildingfile::save(f.forms(), f.shared(), path), QString());
        }
        Fixture f;
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        open(f);
        QVERIFY(!f.control<QCheckBox>(W, "chkspettro")->isChecked());
        QVERIFY(f.control<QCheckBox>(W, "chktabella")->isChecked());
        QVERIFY(f.control<QRadioButton>(W, "optKilonewton")->isChecked());
        QCOMPARE(f.shared().edificio.periodo.b->text, QStringLiteral("16"));
    }
};

QTEST_MAIN(TestRelazioneCalcolo)
#include "tst_relazionecalcolo.moc"

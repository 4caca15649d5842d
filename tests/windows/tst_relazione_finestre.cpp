#include "core/fields.h"
#include "fixture.h"
#include "shell/reportdocument.h"

#include <QCheckBox>
#include <QTemporaryDir>

// Reports composed from the real calculation windows, from the menu to the saved file.
namespace {

QByteArray saved(Fixture& f) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relazione.txt"));
    if (!f.main().document().writeTo(path))
        return QByteArray();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void compose(Fixture& f, const char* menu, const char* window, bool dynamic,
             std::initializer_list<const char*> ticks) {
    f.menu(menu);
    if (dynamic)
        f.click(window, "Option2");
    for (const char* tick : ticks)
        f.control<QCheckBox>(window, tick)->setChecked(true);
    f.click(window, "Command2");
    Fixture::settle();
}

// Fills the horizontal-actions window for one storey and sends it.
void computeStorey(Fixture& f, const char* permanent, const char* live, const char* occupancy) {
    const char* w = "azioniorizzontali";
    f.type(w, "Text1", "0,5");
    f.type(w, "Text3", "1");
    f.type(w, "Text5", "1");
    f.pick(w, "List1", 1);
    f.pick(w, "List2", 0);
    f.pick(w, "List3", 0);
    f.click(w, occupancy);
    f.type(w, "Text6", QString::fromLatin1(permanent));
    f.type(w, "Text7", QString::fromLatin1(live));
    f.click(w, "Command1");
    f.click(w, "Command3");
}

} // namespace

class TestRelazioneFinestre : public QObject {
    Q_OBJECT
  private slots:
    // The field table names, for every value, the window's own controls: the value, its
    // caption label, and the unit shown beside it (the "_unita" label of the value).
    void everyFieldIsWhereTheTableSays() {
        Fixture f;
        for (const fields::Field& field : fields::all()) {
            const std::unique_ptr<QDialog> sample =
                f.forms().sample(QString::fromLatin1(field.window));
            QDialog* window = sample.get();
            QVERIFY2(window, field.key);
            const auto named = [window](const char* name) {
                return name ? window->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
            };
            QVERIFY2(!field.control || named(field.control), field.key);
            QVERIFY2(!field.captionControl || qobject_cast<QLabel*>(named(field.captionControl)),
                     field.key);
            QVERIFY2(field.control || field.captionControl, field.key);
            const QString unitName = QString::fromLatin1(field.control) + QStringLiteral("_unita");
            auto* unit = field.control ? window->findChild<QLabel*>(unitName) : nullptr;
            QCOMPARE(unit ? unit->text() : QString(), QString::fromLatin1(field.unit));
        }
    }

    void masonryHorizontalForcesFromMenuToFile() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "25");
        f.type("periodo", "Text1", "10");
        f.click("periodo", "Command1");
        f.click("periodo", "Command2");

        f.menu("mnuforzeorizzontaliitem");
        f.type("forzeorizzontali", "Text2", "1250,5");
        f.pick("forzeorizzontali", "List2", 0);
        f.pick("forzeorizzontali", "List1", 1);
        f.click("forzeorizzontali", "Command1");
        f.click("forzeorizzontali", "Command2");
        QVERIFY(!f.shown("forzeorizzontali"));

        compose(f, "mnuedmuritem", "componirelazione", false, {"Check1"});
        QVERIFY(!f.forms().isLoaded("componirelazione"));
        QVERIFY(f.main().document().isModified());
        QCOMPARE(saved(f),
                 QByteArray("\r\n"
                            "                      RELAZIONE ANALISI STATICA\r\n"
                            "\r\n"
                            "    FORZE ORIZZONTALI\r\n"
                            "\r\n"
                            "    Periodo Fondamentale della Struttura (T): 0,2 sec\r\n"
                            "\r\n"
                            "    Coefficiente di Risposta (R): 1\r\n"
                            "\r\n"
                            "    Grado di Sismicit\xe0 (S): 6 (zona di 3\xb0 categoria)\r\n"
                            "\r\n"
                            "    Coefficiente di Intensit\xe0 Sismica (C): 0,04g\r\n"
                            "\r\n"
                            "    Coefficiente di Protezione Sismica (I): 1,2   \r\n"
                            "\r\n"
                            "    Peso della Struttura (W): 1250,5 tonn\r\n"
                            "\r\n"
                            "    Forza Orizzontale (Fh): 60,02 tonn"));
    }

    // Forze Orizzontali in zone 3 beside Forze Verticali in zone 2, and a T typed over the
    // building's: the composer names the disagreeing values before writing; "No" goes back.
    void disagreeingValuesAreNamedFirst() {
        for (const bool goOn : {false, true}) {
            Fixture f;
            f.menu("mnuperfonditem");
            f.type("periodo", "Text2", "25");
            f.type("periodo", "Text1", "10");
            f.click("periodo", "Command1");
            f.click("periodo", "Command2"); // T = 0,2
            f.menu("mnuforzeorizzontaliitem");
            f.type("forzeorizzontali", "Text1", "0,3");
            f.type("forzeorizzontali", "Text2", "1250,5");
            f.pick("forzeorizzontali", "List2", 0);
            f.pick("forzeorizzontali", "List1", 1);
            f.click("forzeorizzontali", "Command1");
            f.click("forzeorizzontali", "Command2");
            f.menu("mnuforzeverticaliitem");
            f.type("forzeverticali", "Text2", "1250,5");
            f.pick("forzeverticali", "List2", 1);
            f.click("forzeverticali", "Command1");
            f.click("forzeverticali", "Command3");
            f.main().setReportText(QStringLiteral("prima"));
            f.prompts.yesNoAnswers.push_back(goOn);
            compose(f, "mnuedmuritem", "componirelazione", false, {"Check1", "Check2"});
            const auto question =
                std::find_if(f.prompts.shown.rbegin(), f.prompts.shown.rend(),
                             [](const auto& shown) { return shown.kind == "yesNo"; });
            QVERIFY(question != f.prompts.shown.rend());
            QCOMPARE(question->text,
                     QStringLiteral("La relazione riporterebbe valori diversi per lo stesso "
                                    "edificio:\n\n"
                                    "    zona sismica (S): 6 (zona di 3° categoria) in Forze "
                                    "Orizzontali, 9 (zona di 2° categoria) in Forze Verticali\n"
                                    "    periodo fondamentale (T): 0,2 in Periodo fondamentale "
                                    "di vibrazione, 0,3 in Forze Orizzontali\n\n"
                                    "Creare comunque la relazione?"));
            QCOMPARE(f.main().reportText() == QStringLiteral("prima"), !goOn);
        }
    }

    // A storey's W in its section against the same storey typed in "Dati dell'edificio".
    void aStoreyWeighingOtherThanInTheBuildingIsNamed() {
        Fixture f;
        f.shared().edificio.storeys.resize(2);
        f.shared().edificio.storeys[1].weight = building::typed(QStringLiteral("150"));
        f.prompts.answer({"2"});
        f.menu("mnuazorizzitem");
        computeStorey(f, "100", "20", "Option1"); // W = 100 + 0,33 * 20 = 106,6
        f.prompts.yesNoAnswers.push_back(false);
        compose(f, "mnueintitem", "componirelazione1", false, {"Check1"});
        const auto question = std::find_if(f.prompts.shown.rbegin(), f.prompts.shown.rend(),
                                           [](const auto& shown) { return shown.kind == "yesNo"; });
        QVERIFY(question != f.prompts.shown.rend());
        QVERIFY2(question->text.contains(QStringLiteral("    peso del 2° piano (W): 106,6 in ")) &&
                     question->text.contains(QStringLiteral(", 150 in Dati dell'edificio\n")),
                 qPrintable(question->text));
    }

    void onlyTheLastStoreyIsPrinted() {
        Fixture f;
        f.prompts.answer({"2"});
        f.menu("mnuazorizzitem");
        computeStorey(f, "100", "20", "Option1");
        QVERIFY(!f.shown("azioniorizzontali"));

        f.menu("mnuazorizzitem");
        f.prompts.answer({"3"});
        f.prompts.modalActions.push_back(
            [&f](QDialog*) { computeStorey(f, "200", "50", "Option3"); });
        f.click("azioniorizzontali", "Command4");
        Fixture::settle();

        compose(f, "mnueintitem", "componirelazione1", false, {"Check1"});
        QCOMPARE(saved(f),
                 QByteArray(
                     "\r\n"
                     "                           RELAZIONE ANALISI STATICA\r\n"
                     "\r\n"
                     "     FORZE ORIZZONTALI (3\xb0 PIANO)\r\n"
                     "\r\n"
                     "    Periodo Fondamentale della Struttura (T): 0,5 sec\r\n"
                     "\r\n"
                     "    Coefficiente di Risposta (R): 1\r\n"
                     "\r\n"
                     "    Coefficiente di Protezione Sismica (I): 1,2\r\n"
                     "\r\n"
                     "    Grado di Sismicit\xe0 (S): 6 (zona di 3\xb0 categoria)\r\n"
                     "\r\n"
                     "    Coefficiente di Intensit\xe0 Sismica (C): 0,04g   \r\n"
                     "\r\n"
                     "    Coefficiente di Struttura (\xdf): 1\r\n"
                     "\r\n"
                     "    Coefficiente di Fondazione: 1\r\n"
                     "\r\n"
                     "    Coefficiente di Distribuzione del  3\xb0 piano: 1\r\n"
                     "\r\n"
                     "    Coefficiente sismico orizzontale (Kh): 0,05\r\n"
                     "\r\n"
                     "    Peso del  3\xb0 piano e del sovraccarico permanente su di esso gravante "
                     "(G): 200 tonn\r\n"
                     "\r\n"
                     "    Coefficiente di riduzione del sovraccarico (s): 1\r\n"
                     "\r\n"
                     "    Massimo sovraccarico accidentale al  3\xb0 piano (Q): 50 tonn\r\n"
                     "\r\n"
                     "    Peso del 3\xb0 piano (W): 250 tonn\r\n"
                     "\r\n"
                     "    Forza Orizzontale applicata al 3\xb0 piano (Fh): 12,5 tonn\r\n"
                     "\r\n"));
    }

    void framedReportWithoutStoreyHeading() {
        // A storey number of 0 leaves the window's heading label empty.
        Fixture f;
        f.shared().numeroPiano = QStringLiteral("0");
        f.prompts.yesNoAnswers = {true}; // nothing computed: compose anyway
        compose(f, "mnueintitem", "componirelazione1", false, {"Check1", "Check4"});
        QVERIFY(f.main().reportText().startsWith(
            QStringLiteral("\r\n    \r\n\r\n    Periodo Fondamentale della Struttura (T):")));
        QVERIFY(f.forms().isLoaded("azioniorizzontali"));
        QVERIFY(!f.shown("azioniorizzontali"));
    }

    void everySectionSetReadsTheRealWindows() {
        // Every caption and value the layouts name exists in its window: a report that could
        // not be read would leave the editor as it was.
        struct Set {
            bool dynamic;
            std::initializer_list<const char*> ticks;
        };
        const Set sets[] = {
            {false, {"Check1", "Check2", "Check3", "Check4"}},
            {true, {"Checkd1", "Checkd2", "Checkd3"}},
        };
        for (const char* window : {"componirelazione", "componirelazione1"}) {
            const bool masonry = QByteArray(window) == "componirelazione";
            for (const Set& set : sets) {
                Fixture f;
                f.shared().numeroPiano = QStringLiteral("1");
                f.main().setReportText(QStringLiteral("vecchio"));
                f.prompts.yesNoAnswers = {true}; // nothing computed: compose anyway
                compose(f, masonry ? "mnuedmuritem" : "mnueintitem", window, set.dynamic,
                        set.ticks);
                const QString text = f.main().reportText();
                QVERIFY2(text.contains(QStringLiteral("VERIFICHE SISMICHE")), window);
                QVERIFY2(!f.forms().isLoaded(QString::fromLatin1(window)), window);
                QCOMPARE(f.prompts.unexpected, 0);
            }
        }
    }
};

QTEST_MAIN(TestRelazioneFinestre)
#include "tst_relazione_finestre.moc"

#include "everywindow.h"
#include "shell/buildingfile.h"
#include "shell/controls.h"
#include "shell/helpservice.h"
#include "shell/reportdocument.h"

#include <QTemporaryDir>

// Building data files: what the calculation windows and the shared values hold, saved and
// opened again from the File menu.
namespace {

// F1 in a window, with a word searched in the help viewer it opens, and in a window with a
// diagram "Esporta immagine....": none of it is a value of the building.
void useWhatTheWindowOpens(Fixture& f, QDialog* window, const QString& folder) {
    QTest::keyClick(window, Qt::Key_F1);
    auto* search = window->findChild<QLineEdit*>(QStringLiteral("cerca"));
    QVERIFY2(search, "the help viewer with its search box");
    search->setText(window->objectName());
    // Tab stays within the window: the help viewer beside it has its own order.
    for (const QWidget* w : controls::readingOrder(window))
        QVERIFY2(w->window() == window, qPrintable(w->objectName()));
    if (auto* exportImage = window->findChild<QPushButton*>(QStringLiteral("cmdEsporta"))) {
        const QString image = folder + QLatin1Char('/') + window->objectName() + ".png";
        f.prompts.saveNames = {image};
        exportImage->click();
        QVERIFY2(QFileInfo::exists(image), qPrintable(image));
    }
}

QByteArray captured(Fixture& f) {
    return buildingdata::write(buildingfile::capture(f.forms(), f.shared()));
}

// A file of the format with the given shared values, windows and building (JSON text).
QByteArray dataFile(const char* shared, const char* windows, int version = 1,
                    const QByteArray& building = {}) {
    return QByteArray("{\"formato\": \"tremora-dati-edificio\", \"versione\": ") +
           QByteArray::number(version) + ", \"valoriCondivisi\": " + shared +
           ", \"finestre\": " + windows +
           (building.isEmpty() ? QByteArray() : ", \"edificio\": " + building) + "}";
}
const char* const wholeProject = R"({"titolo": "", "committente": "", "localita": "",
    "progettista": "", "ordine": "", "data": "", "revisione": ""})";
const char* const noShared = R"({"pesoEdificio": "0", "pesiPiani": [], "quotePiani": [],
    "numeroPiano": null, "gammaPiano": null})";
// A file of version 2 with the given storeys and project.
QByteArray withStoreys(const QByteArray& storeys, const char* project = wholeProject) {
    return dataFile(noShared, "{}", 2,
                    QByteArray("{\"progetto\": ") + project + ", \"piani\": " + storeys + "}");
}
// A file of version 2 whose building has only the given seismic data.
QByteArray withSeismic(const char* seismic) {
    return dataFile(noShared, "{}", 2,
                    QByteArray("{\"progetto\": ") + wholeProject +
                        ", \"piani\": [], \"sismica\": " + seismic + "}");
}
// A file of version 2 whose building has only the given period data.
QByteArray withPeriod(const char* period) {
    return dataFile(noShared, "{}", 2,
                    QByteArray("{\"progetto\": ") + wholeProject +
                        ", \"piani\": [], \"periodo\": " + period + "}");
}
// A file of version 2 with the given choices of the calculation report.
QByteArray withReport(const char* report) {
    return dataFile(noShared, "{}", 2,
                    QByteArray("{\"progetto\": ") + wholeProject +
                        ", \"piani\": []}, \"relazioneDiCalcolo\": " + report);
}

// A building as entered: project data, a storey with W typed, one with G, Q and s, one with
// only its height.
building::Building enteredBuilding() {
    building::Building b;
    b.project.titolo = QStringLiteral("Scuola media \"G. Pascoli\"");
    b.project.committente = QStringLiteral("Comune di Gubbio");
    b.project.data = QStringLiteral("marzo 2024");
    building::Storey typedWeight;
    typedWeight.weight = building::typed(QStringLiteral("120,333"));
    typedWeight.h = building::typed(QStringLiteral("3,50"));
    building::Storey fromLoads;
    fromLoads.g = building::typed(QStringLiteral("95"));
    fromLoads.q = building::typed(QStringLiteral("20"));
    fromLoads.s = building::typed(QStringLiteral("0,33"));
    building::Storey heightOnly;
    heightOnly.h = building::typed(QStringLiteral("9"));
    b.storeys = {typedWeight, fromLoads, heightOnly};
    return b;
}

} // namespace

class TestDatiEdificio : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowComesBackAndGivesTheSameReports() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edificio.tremora"));
        QByteArray before;
        QStringList reports;
        QStringList loaded;
        {
            // The program's own help viewer: it becomes a child of the window F1 is pressed in.
            HelpService help;
            Fixture f(help);
            workEveryWindow(f, [&](QDialog* window) {
                useWhatTheWindowOpens(f, window, dir.path());
                QVERIFY2(!captured(f).contains("\"cerca\""), qPrintable(window->objectName()));
            });
            f.shared().edificio = enteredBuilding();
            f.main().setReportText(QStringLiteral("relazione in corso"));
            f.menu("mnuAnteprimaItem");
            f.prompts.saveNames = {path};
            f.menu("mnuSalvaDatiItem");
            QCOMPARE(f.main().hint(), QStringLiteral("Dati edificio salvati in ") + path);
            QVERIFY(!f.main().bannerVisible());
            before = captured(f);
            loaded = f.forms().loadedNames();
            QCOMPARE(readAll(path), before);
            reports = composeEveryReport(f);
            QCOMPARE(f.prompts.unexpected, 0);
        }
        QVERIFY(before.contains("\"gammaPassato\""));

        Fixture f;
        f.main().setReportText(QStringLiteral("altra relazione"));
        f.prompts.openNames = {path};
        f.menu("mnuApriDatiItem");
        // No load step ran: no question, no window shown; the report is left alone.
        QCOMPARE(f.prompts.unexpected, 0);
        QCOMPARE(f.prompts.shown.size(), size_t(1)); // the open dialog
        QCOMPARE(f.forms().loadedNames(), loaded);
        for (const QString& name : loaded)
            QVERIFY2(!f.forms().get(name)->isVisible(), qPrintable(name));
        QCOMPARE(f.main().reportText(), QStringLiteral("altra relazione"));
        QCOMPARE(captured(f), before);
        QVERIFY(f.shared().edificio == enteredBuilding());
        // A chosen row is the current one too, where the focus frame stands.
        for (const QString& name : loaded)
            for (QListWidget* list : f.forms().get(name)->findChildren<QListWidget*>())
                if (!list->selectedItems().isEmpty())
                    QCOMPARE(list->currentItem(), list->selectedItems().first());
        const QStringList reopened = composeEveryReport(f);
        QCOMPARE(reopened.size(), reports.size());
        for (qsizetype i = 0; i < reports.size(); ++i)
            QCOMPARE(reopened[i], reports[i]);
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void controlsOfTheHelpViewerInAFileArePassedOver_data() {
        // Files saved while the help viewer was a child of a window (after F1 there) hold its
        // search box among that window's controls.
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("searched");
        QTest::newRow("periodo, nothing searched") << "periodo"
                                                   << "";
        QTest::newRow("spettro") << "spettro"
                                 << "spettro";
        QTest::newRow("forzeorizzontali") << "forzeorizzontali"
                                          << "zona sismica";
    }

    void controlsOfTheHelpViewerInAFileArePassedOver() {
        QFETCH(QString, window);
        QFETCH(QString, searched);
        QTemporaryDir dir;
        const QString clean = dir.filePath(QStringLiteral("edificio.tremora"));
        {
            Fixture f;
            workEveryWindow(f);
            QCOMPARE(buildingfile::save(f.forms(), f.shared(), clean), QString());
        }
        QStringList reports;
        {
            Fixture f;
            QCOMPARE(buildingfile::open(f.forms(), f.shared(), clean), QString());
            reports = composeEveryReport(f);
        }
        buildingdata::File file = *buildingdata::read(readAll(clean)).file;
        QVERIFY(file.windows.contains(window));
        file.windows[window].controls.insert(QStringLiteral("cerca"),
                                             buildingdata::ControlValue::ofText(searched));
        const QString path = dir.filePath(QStringLiteral("dopo-F1.tremora"));
        writeAll(path, buildingdata::write(file));
        Fixture f;
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        QCOMPARE(captured(f), readAll(clean));
        QCOMPARE(composeEveryReport(f), reports);
    }

    // A file of version 1 holds no building: what was entered before is gone after it.
    void aFileOfVersion1LeavesNoBuilding() {
        Fixture f;
        f.shared().edificio = enteredBuilding();
        const QString path = QFINDTESTDATA("../data/v1/periodo.tremora");
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        QVERIFY(f.shared().edificio == building::Building());
        QVERIFY(f.forms().isLoaded(QStringLiteral("periodo")));
    }

    void windowsNotInTheFileAreNotLoadedAfterIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("periodo.tremora"));
        Fixture f;
        work(f, "mnuperfonditem", "periodo", 20);
        QCOMPARE(buildingfile::save(f.forms(), f.shared(), path), QString());
        const QString period = f.text("periodo", "Label4");
        QVERIFY(!period.isEmpty());
        f.type("periodo", "Text1", QStringLiteral("1"));
        work(f, "mnuforzeverticaliitem", "forzeverticali", 0);
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        Fixture::settle();
        QCOMPARE(f.forms().loadedNames(), QStringList{QStringLiteral("periodo")});
        QCOMPARE(f.text("periodo", "Label4"), period);
    }

    void valuesTakenAtLoadStillFollowTheirSourceAfterReopening_data() {
        // Each window that takes T from periodo, and its result that rests on T: emptied
        // with the old T, or worked out again from the new one.
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("result");
        QTest::newRow("Fh emptied") << "mnuforzeorizzontaliitem"
                                    << "forzeorizzontali"
                                    << "Label10";
        QTest::newRow("R of every storey") << "mnututtipianiitem"
                                           << "tuttipiani"
                                           << "Label5";
        QTest::newRow("a/g of the spectrum") << "mnuspettroitem"
                                             << "spettro"
                                             << "Label13";
    }

    void valuesTakenAtLoadStillFollowTheirSourceAfterReopening() {
        QFETCH(QString, menu);
        QFETCH(QString, window);
        QFETCH(QString, result);
        const QByteArray m = menu.toLatin1(), w = window.toLatin1(), r = result.toLatin1();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edificio.tremora"));
        QString oldResult;
        {
            Fixture f;
            work(f, "mnuperfonditem", "periodo", 20);
            work(f, m, w, 0);
            oldResult = f.text(w, r);
            QVERIFY(!oldResult.isEmpty());
            QCOMPARE(buildingfile::save(f.forms(), f.shared(), path), QString());
        }
        Fixture f;
        QCOMPARE(buildingfile::open(f.forms(), f.shared(), path), QString());
        f.menu("mnuperfonditem");
        // A tall building: a period where R falls with T.
        f.type("periodo", "Text1", QStringLiteral("80"));
        f.click("periodo", "Command1");
        f.click("periodo", "Command2");
        const QString period = f.text("periodo", "Label4");
        f.menu(m);
        QCOMPARE(f.text(w, "Text1"), period);
        QVERIFY(f.text(w, r) != oldResult);
    }

    void invalidFilesAreRefusedAndChangeNothing() {
        struct Case {
            const char* what;
            QByteArray bytes;
            const char* told;
        };
        const Case cases[] = {
            {"not JSON", "{\"formato\": ", "non è JSON valido"},
            {"not an object", "[1, 2]", "non è un oggetto JSON"},
            {"another format", R"({"formato": "altro", "versione": 1})",
             "non è un file di dati edificio Tremora"},
            {"another version", dataFile(noShared, "{}", 3),
             "la versione del formato 3 non è tra quelle che Tremora legge (da 1 a 2)"},
            {"version 2 without the building", dataFile(noShared, "{}", 2), "manca «edificio»"},
            {"a building in version 1",
             dataFile(noShared, "{}", 1, R"({"progetto": {}, "piani": []})"),
             "voce sconosciuta «edificio»"},
            {"storeys missing", dataFile(noShared, "{}", 2, R"({"progetto": {}})"),
             "manca «edificio.piani»"},
            {"project text missing",
             withStoreys("[]", R"({"titolo": "", "committente": "", "localita": "",
                "progettista": "", "ordine": "", "data": ""})"),
             "manca «edificio.progetto.revisione»"},
            {"project text a number",
             withStoreys("[]", R"({"titolo": 5, "committente": "", "localita": "",
                "progettista": "", "ordine": "", "data": "", "revisione": ""})"),
             "«edificio.progetto.titolo» deve essere un testo"},
            {"unknown project entry", withStoreys("[]", R"({"cap": "06019"})"),
             "voce sconosciuta «edificio.progetto.cap»"},
            {"storeys not a list", withStoreys("{}"),
             "«edificio.piani» deve essere un elenco di piani"},
            {"storey not an object", withStoreys(R"([{}, "120"])"),
             "«edificio.piani[1]» deve essere un oggetto JSON"},
            {"unknown storey value", withStoreys(R"([{"W": "1"}, {"w": "1"}])"),
             "voce sconosciuta «edificio.piani[1].w»"},
            {"storey weight a number", withStoreys(R"([{"W": 120}])"),
             "«edificio.piani[0].W» deve essere un testo"},
            {"storey load not a number", withStoreys(R"([{}, {"G": "1.5"}])"),
             "«edificio.piani[1].G» non è un numero: \"1.5\""},
            {"negative storey height", withStoreys(R"([{"h": "-3"}])"),
             "«edificio.piani[0].h» è negativo: \"-3\""},
            {"negative reduction coefficient", withStoreys(R"([{"s": "-0,3"}])"),
             "«edificio.piani[0].s» è negativo: \"-0,3\""},
            {"storey value twice", withStoreys(R"([{"W": "1", "h": "3", "W": "2"}])"),
             "la voce «edificio.piani[0].W» compare due volte"},
            {"more storeys than a building has",
             withStoreys(QByteArray("[") + QByteArray("{}, ").repeated(30) + "{}]"),
             "«edificio.piani» ha 31 piani, al massimo se ne inseriscono 30"},
            {"seismic data not an object", withSeismic("[]"),
             "«edificio.sismica» deve essere un oggetto JSON"},
            {"unknown seismic value", withSeismic(R"({"zona": "9"})"),
             "voce sconosciuta «edificio.sismica.zona»"},
            {"S a number", withSeismic(R"({"S": 9})"), "«edificio.sismica.S» deve essere un testo"},
            {"S of no zone", withSeismic(R"({"S": "7"})"),
             "«edificio.sismica.S» non è un valore dell'elenco: \"7\""},
            {"I not a number", withSeismic(R"({"I": "1.2"})"),
             "«edificio.sismica.I» non è un numero: \"1.2\""},
            {"I not a protection coefficient", withSeismic(R"({"I": "1,3"})"),
             "«edificio.sismica.I» non è un valore dell'elenco: \"1,3\""},
            {"beta of the protection list only", withSeismic(R"({"beta": "1,4"})"),
             "«edificio.sismica.beta» non è un valore dell'elenco: \"1,4\""},
            {"epsilon not a number", withSeismic(R"({"epsilon": "1.3"})"),
             "«edificio.sismica.epsilon» non è un numero: \"1.3\""},
            {"negative epsilon", withSeismic(R"({"epsilon": "-1"})"),
             "«edificio.sismica.epsilon» è negativo: \"-1\""},
            {"H of the period not a number", withPeriod(R"({"H": "1.5"})"),
             "«edificio.periodo.H» non è un numero: \"1.5\""},
            {"negative B", withPeriod(R"({"B": "-4"})"), "«edificio.periodo.B» è negativo: \"-4\""},
            {"report part unknown", withReport(R"({"sezioni": ["ntc"], "unita": "t"})"),
             "«relazioneDiCalcolo»: \"ntc\" non è una sezione della relazione di calcolo"},
            {"report unit neither t nor kN", withReport(R"({"sezioni": [], "unita": "kg"})"),
             "«relazioneDiCalcolo»: l'unità delle forze \"kg\" non è né \"t\" né \"kN\""},
            {"report unit missing", withReport(R"({"sezioni": []})"),
             "manca «relazioneDiCalcolo.unita»"},
            {"unknown entry", R"({"formato": "tremora-dati-edificio", "versione": 1, "x": 1})",
             "voce sconosciuta «x»"},
            {"weight not a text",
             dataFile(R"({"pesoEdificio": 5, "pesiPiani": [], "quotePiani": [],
                "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "«valoriCondivisi.pesoEdificio» deve essere un testo"},
            {"storey weight not a number",
             dataFile(R"({"pesoEdificio": "1", "pesiPiani": ["1.5"], "quotePiani": [],
                "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "«valoriCondivisi.pesiPiani[0]» non è un numero: \"1.5\""},
            {"gamma not a number",
             dataFile(R"({"pesoEdificio": "1", "pesiPiani": [], "quotePiani": [],
                "numeroPiano": "2", "gammaPiano": "due"})",
                      "{}"),
             "«valoriCondivisi.gammaPiano» non è un numero"},
            {"shared value missing", dataFile(R"({"pesoEdificio": "1"})", "{}"),
             "manca «valoriCondivisi.pesiPiani»"},
            {"unknown window",
             dataFile(noShared, R"({"nessuna": {"titolo": "", "controlli": {}}})"),
             "la finestra «nessuna» non è una finestra di calcolo"},
            {"not a calculation window",
             dataFile(noShared, R"({"selmur": {"titolo": "", "controlli": {}}})"),
             "la finestra «selmur» non è una finestra di calcolo"},
            {"unknown control",
             dataFile(noShared, R"({"periodo": {"titolo": "", "controlli": {"Text9": "1"}}})"),
             "la finestra «periodo» non ha il controllo «Text9»"},
            {"button is no control",
             dataFile(noShared, R"({"periodo": {"titolo": "", "controlli": {"Command1": "x"}}})"),
             "non ha il controllo «Command1»"},
            {"text for a list",
             dataFile(noShared,
                      R"({"forzeorizzontali": {"titolo": "", "controlli": {"List2": "1"}}})"),
             "«forzeorizzontali.List2» deve essere la riga scelta di un elenco"},
            {"list row out of range",
             dataFile(noShared,
                      R"({"forzeorizzontali": {"titolo": "", "controlli": {"List2": 3}}})"),
             "«forzeorizzontali.List2»: la riga 3 non c'è (l'elenco ha 3 righe, da 0 a 2)"},
            {"list row below none",
             dataFile(noShared,
                      R"({"forzeorizzontali": {"titolo": "", "controlli": {"List2": -2}}})"),
             "«finestre.forzeorizzontali.List2» deve essere un testo, una riga"},
            {"title missing", dataFile(noShared, R"({"periodo": {"controlli": {}}})"),
             "«finestre.periodo.titolo» deve essere un testo"},
            {"kept value not a number",
             dataFile(noShared, R"({"coeffdistribuzione": {"titolo": "", "controlli": {},
                "interni": {"gammaPassato": "x"}}})"),
             "finestra «coeffdistribuzione»: «gammaPassato» non è un numero"},
            {"copy of a box the window lacks",
             dataFile(noShared, R"({"forzeverticali": {"titolo": "", "controlli": {},
                "interni": {"copia:Text9": "1"}}})"),
             "finestra «forzeverticali»: valore interno sconosciuto «copia:Text9»"},
            {"unknown kept value",
             dataFile(noShared,
                      R"({"periodo": {"titolo": "", "controlli": {}, "interni": {"a": "1"}}})"),
             "finestra «periodo»: valore interno sconosciuto «a»"},
            {"duplicate shared value",
             dataFile(R"({"pesoEdificio": "1", "pesoEdificio": "2", "pesiPiani": [],
                "quotePiani": [], "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "la voce «valoriCondivisi.pesoEdificio» compare due volte"},
            {"duplicate control, escaped",
             dataFile(noShared, R"({"periodo": {"titolo": "", "controlli": {"Text1": "1",
                "Text2": "2", "Text\u0031": "3"}}})"),
             "la voce «finestre.periodo.controlli.Text1» compare due volte"},
            {"negative building weight",
             dataFile(R"({"pesoEdificio": "-1", "pesiPiani": [], "quotePiani": [],
                "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "«valoriCondivisi.pesoEdificio» è negativo: \"-1\""},
            {"negative storey height",
             dataFile(R"({"pesoEdificio": "1", "pesiPiani": ["1"], "quotePiani": ["-3,5"],
                "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "«valoriCondivisi.quotePiani[0]» è negativo: \"-3,5\""},
            {"gamma underflows",
             dataFile(R"({"pesoEdificio": "1", "pesiPiani": [], "quotePiani": [],
                "numeroPiano": "2", "gammaPiano": "1E-400"})",
                      "{}"),
             "«valoriCondivisi.gammaPiano» non è un numero: \"1E-400\""},
            {"more storeys than a questionnaire asks",
             dataFile(R"({"pesoEdificio": "10", "pesiPiani": ["1","1","1","1","1","1","1","1",
                "1","1"], "quotePiani": [], "numeroPiano": null, "gammaPiano": null})",
                      "{}"),
             "«valoriCondivisi.pesiPiani» ha 10 piani, al massimo se ne inseriscono 9"},
            {"result not a number",
             dataFile(noShared, R"({"periodo": {"titolo": "", "controlli": {"Label4": "0,4x"}}})"),
             "«periodo.Label4» è un risultato ma non è un numero: \"0,4x\""},
            {"result underflows",
             dataFile(noShared,
                      R"({"periodo": {"titolo": "", "controlli": {"Label4": "1E-400"}}})"),
             "«periodo.Label4» è un risultato ma non è un numero"},
            {"storey lists of the table differ",
             dataFile(noShared, R"({"tuttipiani": {"titolo": "", "controlli": {},
                "interni": {"pesi": "1;2", "quote": "3"}}})"),
             "«pesi» e «quote» non hanno lo stesso numero di piani"},
            {"long bad value quoted in part",
             dataFile(R"({"pesoEdificio": "1", "pesiPiani": [], "quotePiani": [],
                "numeroPiano": "2", "gammaPiano": "x123456789012345678901234567890123456789012345678901234567890123456789"})",
                      "{}"),
             "non è un numero: \"x1234567890123456789012345678901234567890123456789012345678…\""},
            {"Latin-1",
             dataFile(noShared, "{\"periodo\": {\"titolo\": \"Perìodo\"}}")
                 .replace("\xc3\xac", "\xec"),
             "il file non è codificato in UTF-8 (carattere non valido alla riga 2, colonna 86)"},
            {"UTF-16",
             QByteArray(
                 reinterpret_cast<const char*>(QString::fromUtf8(dataFile(noShared, "{}")).utf16()),
                 dataFile(noShared, "{}").size() * 2),
             "il file è codificato in UTF-16"},
        };
        QTemporaryDir dir;
        for (const Case& c : cases) {
            Fixture f;
            work(f, "mnuperfonditem", "periodo", 20);
            f.prompts.answer({"1", "50"});
            work(f, "mnupesocomplitem", "peso", 0);
            f.main().setReportText(QStringLiteral("relazione"));
            const QByteArray before = captured(f);
            const QString path = dir.filePath(QStringLiteral("errato.tremora"));
            writeAll(path, c.bytes);
            f.prompts.shown.clear();
            f.prompts.openNames = {path};
            f.menu("mnuApriDatiItem");
            QVERIFY2(f.prompts.shown.size() == 2, c.what);
            const auto& told = f.prompts.shown.back();
            QCOMPARE(told.title, QStringLiteral("Messaggio di Sistema"));
            QVERIFY2(told.text.startsWith(QStringLiteral(
                         "Impossibile aprire i dati edificio da «errato.tremora»: ")),
                     qPrintable(told.text));
            QVERIFY2(told.text.contains(QString::fromUtf8(c.told)), qPrintable(told.text));
            Fixture::settle();
            QCOMPARE(captured(f), before);
            QCOMPARE(f.main().reportText(), QStringLiteral("relazione"));
        }
    }

    // One bad value of megabytes is refused at once, and the message stays short.
    void aHugeBadValueIsRefusedQuickly() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("enorme.tremora"));
        const QByteArray huge(15 * 1024 * 1024, '7');
        writeAll(path, dataFile("{\"pesoEdificio\": \"" + huge + "x\"}", "{}"));
        Fixture f;
        f.prompts.openNames = {path};
        QElapsedTimer clock;
        clock.start();
        f.menu("mnuApriDatiItem");
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(f.prompts.shown.size(), size_t(2));
        QVERIFY2(f.prompts.shown.back().text.size() < 250,
                 qPrintable(f.prompts.shown.back().text.left(300)));
    }

    void aFileNamedAtStartOpensByItsKind() {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("edificio.TREMORA"));
        const QString report = dir.filePath(QStringLiteral("relazione.txt"));
        const QString other = dir.filePath(QStringLiteral("relazione.doc"));
        {
            Fixture f;
            work(f, "mnuperfonditem", "periodo", 20);
            QCOMPARE(buildingfile::save(f.forms(), f.shared(), data), QString());
        }
        writeAll(report, "Relazione\r\nsismica");
        writeAll(other, "Relazione");
        Fixture f;
        f.main().openFile(data);
        QVERIFY(f.forms().isLoaded(QStringLiteral("periodo")));
        f.main().openFile(report);
        QCOMPARE(f.main().reportText(), QStringLiteral("Relazione\r\nsismica"));
        QCOMPARE(f.main().document().caption(), QStringLiteral("relazione.txt"));
        f.main().openFile(other);
        QCOMPARE(f.prompts.shown.back().text,
                 QStringLiteral("Tremora apre all'avvio una relazione (file .txt) o i dati di un "
                                "edificio (file .tremora): «relazione.doc» non è né l'una né gli "
                                "altri."));
        QCOMPARE(f.main().reportText(), QStringLiteral("Relazione\r\nsismica"));
    }

    void aFailedSaveSaysWhy() {
        Fixture f;
        f.prompts.saveNames = {QStringLiteral("/nessuna/cartella/edificio.tremora")};
        f.menu("mnuSalvaDatiItem");
        QCOMPARE(f.prompts.shown.back().kind, QStringLiteral("message"));
        QVERIFY2(f.prompts.shown.back().text.startsWith(
                     QStringLiteral("Impossibile salvare i dati edificio in «edificio.tremora»: ")),
                 qPrintable(f.prompts.shown.back().text));
        QCOMPARE(f.main().hint(), QString());
    }
};

QTEST_MAIN(TestDatiEdificio)
#include "tst_datiedificio.moc"

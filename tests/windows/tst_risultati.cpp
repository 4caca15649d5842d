#include "core/sharedvalues.h"
#include "fixture.h"
#include "windows/calcwindow.h"
#include "windows/messages.h"

#include <QCheckBox>

// What a calculation window lets through to its result: a result never outlives a change of
// its data, a missing or negative quantity is refused, and no result is written as inf or
// nan. One table of windows, each with the data of one computation; the cases are made
// from it, one per window and input.
namespace {

enum class Kind { Type, Pick, Click };

// One input of a window: a text typed, a list row picked or an option clicked, and another
// valid choice for the same input.
struct Input {
    const char* control;
    Kind kind;
    const char* value; // typed text, or list row
    const char* other; // another text or row; for an option, another option's name
    bool nonNegative = false;
};

struct Recipe {
    const char* window;
    const char* menu;
    const char* compute;
    const char* send;
    const char* result;
    const char* expected; // the result of the data below
    std::vector<Input> inputs;
};

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> table{
        {"periodo",
         "mnuperfonditem",
         "Command1",
         "Command2",
         "Label4",
         "0,2",
         {{"Text2", Kind::Type, "25", "16", true}, {"Text1", Kind::Type, "10", "30", true}}},
        {"forzeorizzontali",
         "mnuforzeorizzontaliitem",
         "Command1",
         "Command2",
         "Label10",
         "84",
         {{"Text1", Kind::Type, "0,5", "1,2", true},
          {"List2", Kind::Pick, "1", "2"},
          {"List1", Kind::Pick, "1", "0"},
          {"Text2", Kind::Type, "1000", "500", true}}},
        {"forzeverticali",
         "mnuforzeverticaliitem",
         "Command1",
         "Command3",
         "Label13",
         "80",
         {{"List2", Kind::Pick, "0", "2"}, {"Text2", Kind::Type, "1000", "500", true}}},
        {"analisidinamica1",
         "mnuanldinitem",
         "Command1",
         "Command2",
         "Label3",
         "0,08",
         {{"Text1", Kind::Type, "0,6", "1,5", true},
          {"List2", Kind::Pick, "1", "2"},
          {"List1", Kind::Pick, "1", "2"}}},
        {"analisidinamica2",
         "mnuanalisidinItem",
         "Command1",
         "Command3",
         "Label13",
         "0,2",
         {{"List1", Kind::Pick, "2", "0"},
          {"List2", Kind::Pick, "2", "0"},
          {"Text3", Kind::Type, "1,2", "1", true},
          {"List3", Kind::Pick, "1", "0"}}},
        {"azioniorizzontali",
         "mnuazorizzitem",
         "Command1",
         "Command3",
         "Label29",
         "5,33",
         {{"Text1", Kind::Type, "0,8", "1", true},
          {"List1", Kind::Pick, "1", "2"},
          {"List2", Kind::Pick, "0", "1"},
          {"List3", Kind::Pick, "0", "1"},
          {"Text3", Kind::Type, "1", "1,2", true},
          {"Text5", Kind::Type, "1", "2", true},
          {"Option1", Kind::Click, "", "Option2"},
          {"Text6", Kind::Type, "100", "200", true},
          {"Text7", Kind::Type, "20", "30", true}}},
        {"azioniverticali",
         "mnuazvertitem",
         "Command1",
         "Command2",
         "Label6",
         "400",
         {{"Option3", Kind::Click, "", "Option1"}, {"Text1", Kind::Type, "1000", "500", true}}},
        // Displacements and stresses are signed quantities.
        {"Sollecitazioni",
         "mnusollecitazioniItem",
         "Command1",
         "Command2",
         "Label14",
         "30,5",
         {{"Text2", Kind::Type, "3", "6"},
          {"Text4", Kind::Type, "4", "8"},
          {"Text3", Kind::Type, "0,5", "1"},
          {"Option1", Kind::Click, "", "Option2"}}},
        {"verifiche",
         "mnuverificheitem",
         "Command1",
         "Command2",
         "Label7",
         "62,5",
         {{"Text1", Kind::Type, "30", "3"},
          {"Text3", Kind::Type, "40", "4"},
          {"text2", Kind::Type, "12,5", "1"}}},
    };
    return table;
}

const Recipe& recipe(const QString& window) {
    for (const Recipe& r : recipes())
        if (QLatin1String(r.window) == window)
            return r;
    qFatal("no recipe for %s", qPrintable(window));
}

void enter(Fixture& f, const char* window, const Input& in, bool other) {
    switch (in.kind) {
    case Kind::Type:
        f.type(window, in.control, QString::fromLatin1(other ? in.other : in.value));
        break;
    case Kind::Pick:
        f.pick(window, in.control, QByteArray(other ? in.other : in.value).toInt());
        break;
    case Kind::Click:
        f.click(window, other ? in.other : in.control);
        break;
    }
}

// Opens the window with no period, weight or coefficient computed elsewhere and enters its
// data, except the input numbered skip (which must have started empty) and the one numbered
// keep (left as the window took it).
void open(Fixture& f, const Recipe& r, int skip = -1, int keep = -1) {
    f.shared().numeroPiano = QStringLiteral("1"); // no storey question on loading
    f.menu(r.menu);
    for (int i = 0; i < int(r.inputs.size()); ++i) {
        const Input& in = r.inputs[i];
        if (i == skip)
            QVERIFY2(in.kind != Kind::Type || f.text(r.window, in.control).isEmpty(),
                     "a box without a source starts empty");
        else if (i != keep)
            enter(f, r.window, in, false);
    }
}

int inputIndex(const Recipe& r, const char* control) {
    for (int i = 0; i < int(r.inputs.size()); ++i)
        if (QByteArray(r.inputs[i].control) == control)
            return i;
    return -1;
}

// The sources other windows take from: periodo's T, peso's P, coeffdistribuzione's gamma
// of storey 1, computed and sent; "again" computes a different value.
void sendSource(Fixture& f, const QString& source, bool again) {
    if (source == QLatin1String("T")) {
        f.menu("mnuperfonditem");
        f.type("periodo", "Text1", again ? QStringLiteral("30") : QStringLiteral("10"));
        f.type("periodo", "Text2", again ? QStringLiteral("9") : QStringLiteral("4"));
        f.click("periodo", "Command1");
        f.click("periodo", "Command2"); // T = 0,5, again 1
    } else if (source == QLatin1String("W")) {
        if (again)
            f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"1", again ? "500" : "1000"});
        if (again)
            f.click("peso", "Command1");
        else
            f.menu("mnupesocomplitem");
        f.click("peso", "Command3");
    } else {
        // gamma_1 = 3 * 200 / 900 = 0,67; again 3 * 300 / 1500 = 0,6.
        if (again)
            f.prompts.yesNoAnswers.push_back(false); // "Usare i piani già inseriti?": No
        f.prompts.answer({"2", "1", "100", "3", again ? "200" : "100", "6"});
        if (again) {
            f.menu("mnucoefficienteitem");
            f.click("coeffdistribuzione", "Command1");
        } else {
            f.menu("mnucoefficienteitem");
        }
        f.click("coeffdistribuzione", "Command2");
    }
}

QCheckBox* tick(Fixture& f, const char* window, const char* box) {
    auto* b = f.control<QCheckBox>(window, box);
    b->setChecked(true);
    return b;
}

const QString fillAll = messages::fillAll;
const QString pressCompute = messages::pressCompute;

// Answers a questionnaire is given, in order; nullptr stands for Annulla.
using Answers = std::vector<const char*>;

void script(Fixture& f, const Answers& answers) {
    for (const char* a : answers)
        f.prompts.inputs.push_back(a ? std::optional<QString>(QString::fromUtf8(a)) : std::nullopt);
}

} // namespace

class TestRisultati : public QObject {
    Q_OBJECT
  private slots:
    // Every window, every input: what a change, an empty box and a negative value do to the
    // result.
    void refusals_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("change");
        for (const Recipe& r : recipes()) {
            for (int i = 0; i < int(r.inputs.size()); ++i) {
                const Input& in = r.inputs[i];
                const QByteArray tag = QByteArray(r.window) + ' ' + in.control + ' ';
                QTest::newRow(tag + "changed") << r.window << i << "changed";
                if (in.kind == Kind::Type) {
                    QTest::newRow(tag + "empty") << r.window << i << "empty";
                    QTest::newRow(tag + "negative") << r.window << i << "negative";
                }
            }
        }
    }

    void refusals() {
        QFETCH(QString, window);
        QFETCH(int, input);
        QFETCH(QString, change);
        const Recipe& r = recipe(window);
        const Input& in = r.inputs[input];
        const char* w = r.window;
        Fixture f;

        if (change == QLatin1String("empty")) {
            // A missing value is a missing input, never a 0 in the product.
            open(f, r, input);
            f.click(w, r.compute);
            QCOMPARE(f.text(w, r.result), QString());
            QCOMPARE(f.prompts.lastMessage(), fillAll);
            return;
        }

        open(f, r);
        f.click(w, r.compute);
        QCOMPARE(f.text(w, r.result), QString::fromLatin1(r.expected));

        if (change == QLatin1String("changed")) {
            // The result goes with the data it was computed from, and cannot be sent.
            enter(f, w, in, true);
            QCOMPARE(f.text(w, r.result), QString());
            f.click(w, r.send);
            QCOMPARE(f.prompts.lastMessage(), pressCompute);
            QVERIFY(f.shown(w));
            f.click(w, r.compute);
            QVERIFY(!f.text(w, r.result).isEmpty());
            return;
        }

        // Negative: weights, heights, the foundation side, the period and the code's
        // coefficients are marked in place and computed from nothing; signed values compute.
        f.prompts.clear();
        f.type(w, in.control, QStringLiteral("-1"));
        f.click(w, r.compute);
        auto* box = f.control<QLineEdit>(w, in.control);
        QCOMPARE(box->property("invalid").toBool(), in.nonNegative);
        QCOMPARE(f.text(w, r.result).isEmpty(), in.nonNegative);
        QVERIFY(f.prompts.messages().empty());
    }

    // Large values: a finite result is written as its number, one that is not finite is not
    // written at all.
    void largeValues_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("typed"); // control, text, control, text...
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("periodo H") << "periodo" << QStringList{"Text1", "1E307"} << "Label4"
                                   << "2E+305";
        QTest::newRow("forzeorizzontali W")
            << "forzeorizzontali" << QStringList{"Text2", "1E307"} << "Label10"
            << "8,4E+305";
        QTest::newRow("forzeverticali W")
            << "forzeverticali" << QStringList{"Text2", "1E307"} << "Label13"
            << "8E+305";
        QTest::newRow("azioniverticali W")
            << "azioniverticali" << QStringList{"Text1", "1E307"} << "Label6"
            << "4E+306";
        QTest::newRow("analisidinamica2 epsilon")
            << "analisidinamica2" << QStringList{"Text3", "1E307"} << "Label13"
            << "1,68E+306";
        QTest::newRow("azioniorizzontali G")
            << "azioniorizzontali" << QStringList{"Text6", "1E307"} << "Label29"
            << "5E+305";
        QTest::newRow("azioniorizzontali G W")
            << "azioniorizzontali" << QStringList{"Text6", "1E307"} << "Label28"
            << "1E+307";
        QTest::newRow("Sollecitazioni dh")
            << "Sollecitazioni" << QStringList{"Text2", "1E200"} << "Label14"
            << "6E+200";
        QTest::newRow("verifiche Sh") << "verifiche" << QStringList{"Text1", "1E307"} << "Label7"
                                      << "1E+307";
        QTest::newRow("verifiche Sc finite")
            << "verifiche" << QStringList{"Text1", "1E308", "Text3", "1E308", "text2", "1E308"}
            << "Label5"
            << "1,4142135623731E+308";
        QTest::newRow("verifiche St beyond range")
            << "verifiche" << QStringList{"Text1", "1E308", "Text3", "1E308", "text2", "1E308"}
            << "Label7"
            << "";
        QTest::newRow("azioniorizzontali F beyond range")
            << "azioniorizzontali" << QStringList{"Text6", "1E308", "Text5", "1E10"} << "Label29"
            << "";
    }

    void largeValues() {
        QFETCH(QString, window);
        QFETCH(QStringList, typed);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        const Recipe& r = recipe(window);
        Fixture f;
        open(f, r);
        for (int i = 0; i + 1 < typed.size(); i += 2)
            f.type(r.window, qPrintable(typed[i]), typed[i + 1]);
        f.click(r.window, r.compute);
        QCOMPARE(f.text(r.window, qPrintable(result)), expected);
        QVERIFY(f.prompts.messages().empty());
    }

    // The questionnaires: negative, overflowing and fractional answers are refused with a
    // message that says why, and the question is asked again.
    void questionnaireRefusals_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("passed"); // P or gamma passed on

        QTest::newRow("peso fractional count") << "mnupesocomplitem" << Answers{"2,5", "1", "10"}
                                               << messages::wholeStoreyCount << "10";
        QTest::newRow("peso negative weight")
            << "mnupesocomplitem" << Answers{"1", "-5", "5"} << messages::negativeWeight << "5";
        QTest::newRow("peso sum beyond range")
            << "mnupesocomplitem" << Answers{"2", "3E38", "3E38", "3"} << messages::weightsOverflow
            << "3E+38";
        QTest::newRow("coeffdistribuzione fractional count")
            << "mnucoefficienteitem" << Answers{"1,5", "1", "1", "100", "3"}
            << messages::wholeStoreyCount << "1";
        QTest::newRow("coeffdistribuzione fractional storey")
            << "mnucoefficienteitem" << Answers{"1", "0,5", "1", "100", "3"}
            << messages::wholeStoreyNumber << "1";
        QTest::newRow("coeffdistribuzione negative weight")
            << "mnucoefficienteitem" << Answers{"1", "1", "-100", "100", "3"}
            << messages::negativeWeight << "1";
        QTest::newRow("coeffdistribuzione negative height")
            << "mnucoefficienteitem" << Answers{"1", "1", "100", "-3", "3"}
            << messages::negativeHeight << "1";
        QTest::newRow("coeffdistribuzione sums beyond range")
            << "mnucoefficienteitem"
            << Answers{"2", "2", "1E38", "3", "1E38", "6", "100", "3", "100", "6"}
            << QStringLiteral("Con i pesi e le quote inseriti le somme superano il massimo valore "
                              "rappresentabile: il coefficiente di distribuzione non può essere "
                              "calcolato. Reinserire i pesi e le quote dei piani.")
            << "1,33";
    }

    void questionnaireRefusals() {
        QFETCH(QString, menu);
        QFETCH(Answers, answers);
        QFETCH(QString, message);
        QFETCH(QString, passed);
        Fixture f;
        script(f, answers);
        f.menu(qPrintable(menu));
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.messages().size(), size_t(1));
        QCOMPARE(f.prompts.lastTitle(), messages::titleSystemLower);
        QCOMPARE(f.prompts.lastMessage(), message);
        const bool peso = menu == QLatin1String("mnupesocomplitem");
        // What is passed on is a number, and the confirmation says so.
        f.click(peso ? "peso" : "coeffdistribuzione", peso ? "Command3" : "Command2");
        QVERIFY(f.prompts.lastMessage().contains(QLatin1Char(' ') + passed + QLatin1Char(' ')));
        for (const char* bad : {"inf", "nan"})
            QVERIFY(!f.prompts.lastMessage().contains(QLatin1String(bad)));
    }

    // A window shown again brings in a T, P or gamma recomputed since it took them, and
    // drops the results built on the old value; a value the user typed stays.
    void changedSources_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");   // typed over the copy before computing, or empty
        QTest::addColumn<QString>("brought"); // the box after showing again
        const QString t = QStringLiteral("Il periodo T è stato aggiornato: premere Elabora Dati");
        const struct {
            const char* window;
            const char* source;
            const char* box;
            const char* brought;
        } rows[] = {
            {"forzeorizzontali", "T", "Text1", "1"},    {"forzeorizzontali", "W", "Text2", "500"},
            {"analisidinamica1", "T", "Text1", "1"},    {"forzeverticali", "W", "Text2", "500"},
            {"azioniverticali", "W", "Text1", "500"},   {"azioniorizzontali", "T", "Text1", "1"},
            {"azioniorizzontali", "g", "Text5", "0,6"},
        };
        for (const auto& row : rows) {
            const QByteArray tag = QByteArray(row.window) + ' ' + row.source;
            QTest::newRow(tag + " taken")
                << row.window << row.source << row.box << QString() << row.brought;
            QTest::newRow(tag + " typed") << row.window << row.source << row.box << "0,7"
                                          << "0,7";
        }
    }

    void changedSources() {
        QFETCH(QString, window);
        QFETCH(QString, source);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, brought);
        const Recipe& r = recipe(window);
        const char* w = r.window;
        const QByteArray control = box.toLatin1();
        Fixture f;
        sendSource(f, source, false);
        open(f, r, -1, inputIndex(r, control.constData()));
        if (!typed.isEmpty())
            f.type(w, control.constData(), typed);
        f.click(w, r.compute);
        const QString result = f.text(w, r.result);
        QVERIFY(!result.isEmpty());
        f.click(w, r.send);
        QVERIFY(!f.shown(w));

        sendSource(f, source, true);
        // Hidden and not shown again, the window holds a result made from an old value.
        auto* calc = dynamic_cast<CalcWindow*>(f.window(w));
        QVERIFY(calc);
        QCOMPARE(calc->isOutdated(), typed.isEmpty());

        f.menu(r.menu);
        QCOMPARE(f.text(w, control.constData()), brought);
        QVERIFY(!calc->isOutdated());
        if (typed.isEmpty()) {
            QCOMPARE(f.text(w, r.result), QString());
            const QString name = source == QLatin1String("T") ? QStringLiteral("Il periodo T")
                                 : source == QLatin1String("W")
                                     ? QStringLiteral("Il peso W")
                                     : QStringLiteral("Il coefficiente di "
                                                      "distribuzione γ");
            QCOMPARE(f.main().hint(), name + QStringLiteral(" è stato aggiornato: premere "
                                                            "Elabora Dati"));
        } else {
            QCOMPARE(f.text(w, r.result), result);
            QVERIFY(!f.main().hint().contains(QStringLiteral("aggiornato")));
        }
    }

    // A window loaded hidden before the weight existed (a report read it) takes the weight
    // when it is first shown.
    void windowLoadedHiddenTakesLaterValues() {
        Fixture f;
        f.forms().get(QStringLiteral("forzeverticali"));
        sendSource(f, QStringLiteral("W"), false);
        f.menu("mnuforzeverticaliitem");
        QCOMPARE(f.text("forzeverticali", "Text2"), QStringLiteral("1000"));
    }

    // "Crea Relazione" names the ticked sections that would print empty or outdated values
    // and writes only after "Sì"; with complete, current data it asks nothing.
    void composerAsksBeforeIncompleteData_data() {
        QTest::addColumn<QString>("state");      // none, computed, outdated
        QTest::addColumn<bool>("displacements"); // Spostamenti ticked too, never computed
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("yes");
        QTest::newRow("never computed, No")
            << "none" << false << QStringList{"Forze Orizzontali"} << false;
        QTest::newRow("never computed, Yes")
            << "none" << false << QStringList{"Forze Orizzontali"} << true;
        QTest::newRow("complete and current") << "computed" << false << QStringList() << false;
        QTest::newRow("outdated period")
            << "outdated" << false << QStringList{"Forze Orizzontali"} << false;
        QTest::newRow("one section missing")
            << "computed" << true << QStringList{"Spostamenti"} << true;
    }

    void composerAsksBeforeIncompleteData() {
        QFETCH(QString, state);
        QFETCH(bool, displacements);
        QFETCH(QStringList, listed);
        QFETCH(bool, yes);
        Fixture f;
        const QString mine = QStringLiteral("testo dell'utente");
        f.main().setReportText(mine);
        if (state != QLatin1String("none")) {
            sendSource(f, QStringLiteral("T"), false);
            sendSource(f, QStringLiteral("W"), false);
            f.menu("mnuforzeorizzontaliitem");
            f.pick("forzeorizzontali", "List2", 1);
            f.pick("forzeorizzontali", "List1", 1);
            f.click("forzeorizzontali", "Command1");
            f.click("forzeorizzontali", "Command2");
            if (state == QLatin1String("outdated"))
                sendSource(f, QStringLiteral("T"), true);
        }
        f.prompts.clear();
        f.prompts.yesNoAnswers = {yes};
        f.menu("mnuedmuritem");
        tick(f, "componirelazione", "Check1");
        if (displacements)
            tick(f, "componirelazione", "Check3");
        f.click("componirelazione", "Command2");

        int questions = 0;
        for (const auto& s : f.prompts.shown) {
            if (s.kind != QLatin1String("yesNo"))
                continue;
            ++questions;
            QCOMPARE(s.title, messages::titleSystem);
            for (const char* name : {"Forze Orizzontali", "Spostamenti"})
                QCOMPARE(s.text.contains(QLatin1String("\n    ") + QLatin1String(name)),
                         listed.contains(QLatin1String(name)));
        }
        QCOMPARE(questions, listed.isEmpty() ? 0 : 1);
        const bool written = listed.isEmpty() || yes;
        QCOMPARE(f.main().reportText() != mine, written);
        QCOMPARE(f.shown("componirelazione"), !written);
        if (written)
            QVERIFY(f.main().reportText().contains(QStringLiteral("FORZE ORIZZONTALI")));
        if (state == QLatin1String("computed") && !displacements)
            QVERIFY(f.main().reportText().contains(QStringLiteral("(Fh): 84 tonn")));
    }

    // Sent again after "Nuovo Piano" emptied the shared storey, the distribution coefficient
    // passes on and confirms what it shows.
    void distributionSentAgainPassesWhatItShows() {
        Fixture f;
        sendSource(f, QStringLiteral("g"), false); // storey 1, gamma 0,67
        f.menu("mnuazorizzitem");                  // takes storey 1
        f.prompts.answer({"3"});
        f.click("azioniorizzontali", "Command4"); // Nuovo Piano: storey 3 asked
        QCOMPARE(f.storey(), QString());
        QVERIFY(f.prompts.inputs.empty());
        f.window("azioniorizzontali")->close();

        f.menu("mnucoefficienteitem");
        f.click("coeffdistribuzione", "Command2");
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Il coefficiente di distribuzione pari a 0,67 relativo al 1° "
                                "piano é stato inserito nella finestra Analisi  Statica - "
                                "Azioni orizzontali (edifici intelaiati) "));
        QCOMPARE(f.storey(), QStringLiteral("1"));
        QCOMPARE(f.gamma(), 0.67);
    }

    // Annulla on a questionnaire's prompt asks whether to stop; "Sì" leaves the window as
    // its "Annulla" does, "No" asks the same question again.
    void questionnaireCanBeLeft_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<bool>("leave");
        QTest::newRow("peso, count, Sì") << "mnupesocomplitem" << Answers{nullptr} << true;
        QTest::newRow("peso, weight, Sì")
            << "mnupesocomplitem" << Answers{"2", "100", nullptr} << true;
        QTest::newRow("peso, weight, No")
            << "mnupesocomplitem" << Answers{"1", nullptr, "100"} << false;
        QTest::newRow("coeffdistribuzione, storey, Sì")
            << "mnucoefficienteitem" << Answers{"2", nullptr} << true;
        QTest::newRow("coeffdistribuzione, height, Sì")
            << "mnucoefficienteitem" << Answers{"1", "1", "100", nullptr} << true;
        QTest::newRow("coeffdistribuzione, height, No")
            << "mnucoefficienteitem" << Answers{"1", "1", "100", nullptr, "3"} << false;
    }

    void questionnaireCanBeLeft() {
        QFETCH(QString, menu);
        QFETCH(Answers, answers);
        QFETCH(bool, leave);
        const bool peso = menu == QLatin1String("mnupesocomplitem");
        const char* w = peso ? "peso" : "coeffdistribuzione";
        Fixture f;
        // Values of an earlier questionnaire, which leaving does not keep.
        f.shared().pesoEdificio = 350.0f;
        f.shared().numeroPiano = QStringLiteral("2");
        f.shared().gammaPiano = 1.5;
        script(f, answers);
        f.prompts.yesNoAnswers = {leave};
        f.main().setTimerEnabled(true);
        f.menu(qPrintable(menu));
        Fixture::settle();
        QVERIFY(f.prompts.inputs.empty());
        QCOMPARE(f.prompts.shown.back().kind,
                 leave ? QStringLiteral("yesNo") : QStringLiteral("input"));
        for (const auto& s : f.prompts.shown)
            if (s.kind == QLatin1String("yesNo"))
                QCOMPARE(s.text, QStringLiteral("Interrompere l'inserimento dei dati?"));
        QCOMPARE(f.forms().isLoaded(QString::fromLatin1(w)), !leave);
        if (leave) {
            QCOMPARE(f.shared().pesoEdificio, peso ? 0.0f : 350.0f);
            if (!peso) {
                QCOMPARE(f.storey(), QString());
                QCOMPARE(f.gamma(), 0.0);
            }
            QVERIFY(!f.main().indicator(4));
            QVERIFY(f.main().hint().isEmpty());
            return;
        }
        // "No": the question was asked again and the questionnaire ended normally.
        QCOMPARE(f.prompts.shown[f.prompts.shown.size() - 2].kind, QStringLiteral("yesNo"));
        QVERIFY(f.shown(w));
        if (peso)
            QCOMPARE(f.shared().pesoEdificio, 100.0f);
        else
            QCOMPARE(f.gamma(), 1.0);
    }
};

QTEST_MAIN(TestRisultati)
#include "tst_risultati.moc"

#include "core/calcolo.h"
#include "core/numtext.h"
#include "core/relazione.h"

#include <QtTest>

using relazione::Block;

namespace {

building::Typed typed(const char* text) {
    return *building::typed(QString::fromUtf8(text));
}

// A school of four storeys, zone of 2nd category (S = 9), I = 1,2, beta = 1,2, epsilon = 1,
// H = 12,5 m, B = 10 m; the 2nd storey's W from its loads, 100 + 0,33 * 30 = 109,9 t.
building::Building school() {
    building::Building b;
    b.project.titolo = QStringLiteral("Scuola media");
    b.periodo = {typed("12,5"), typed("10")};
    b.sismica.zone = 1;
    b.sismica.protection = 1.2;
    b.sismica.structure = 1.2;
    b.sismica.foundation = typed("1");
    const char* heights[] = {"3,5", "6,5", "9,5", "12,5"};
    const char* weights[] = {"120", nullptr, "100", "80"};
    for (int i = 0; i < 4; ++i) {
        building::Storey s;
        s.h = typed(heights[i]);
        if (weights[i])
            s.weight = typed(weights[i]);
        b.storeys.push_back(s);
    }
    b.storeys[1].g = typed("100");
    b.storeys[1].q = typed("30");
    b.storeys[1].s = typed("0,33");
    return b;
}

// The displacement window as computed: dh = 1,2, dv = 0,4, da = 0,5 cm, k = 6, its result
// shown.
std::optional<double> displacementInputs(const QString& key) {
    const QHash<QString, double> values{{QStringLiteral("Sollecitazioni.orizzontali"), 1.2},
                                        {QStringLiteral("Sollecitazioni.verticali"), 0.4},
                                        {QStringLiteral("Sollecitazioni.altreAzioni"), 0.5},
                                        {QStringLiteral("Sollecitazioni.phi"), 6.0},
                                        {QStringLiteral("Sollecitazioni.reali"), 8.09}};
    return values.contains(key) ? std::optional<double>(values.value(key)) : std::nullopt;
}

relazione::Document composed(const building::Building& b, relazione::Unit unit) {
    relazione::Choices choices = relazione::allSections();
    choices.unit = unit;
    return relazione::compose(calcolo::compute(b, displacementInputs), b.project, choices);
}

QStringList linesOf(const relazione::Document& d, Block::Kind kind) {
    QStringList lines;
    for (const Block& b : d.blocks)
        if (b.kind == kind)
            lines << b.text;
    return lines;
}

const relazione::Table* storeyTable(const relazione::Document& d) {
    for (const Block& b : d.blocks)
        if (b.kind == Block::Kind::Table)
            return &b.table;
    return nullptr;
}

} // namespace

class TestRelazione : public QObject {
    Q_OBJECT
  private slots:
    // Worked by hand: T = 0,1 * 12,5 / sqrt(10) = 0,3953; sum(W) = 409,9 t, sum(W * h) =
    // 3084,35 t*m; K = 0,07 * 1 * 1 * 1,2 * 1,2 * gamma = 0,1008 * gamma; in kN every force is
    // times 9,80665 (W1 = 1176,798 kN, F1 = 5,6263 t = 55,1753 kN).
    void formulaLines_data() {
        QTest::addColumn<bool>("kiloNewtons");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, bool kN, const char* line) {
            QTest::newRow(name) << kN << QString::fromUtf8(line);
        };
        row("T", false, "T = 0,1 · H / √B = 0,1 · 12,50 / √10,00 = 0,395 sec");
        row("R at T up to 0,8 s", false, "R = 1 (T = 0,395 sec ≤ 0,8 sec)");
        row("C", false, "C = (S − 2) / 100 = (9 − 2) / 100 = 0,07");
        row("I", false, "I = 1,20 (coefficiente di protezione sismica)");
        row("W from G, Q, s", false, "W2 = G + s · Q = 100,00 + 0,33 · 30,00 = 109,90 t");
        row("W typed", false, "W1 = 120,00 t (1° piano)");
        row("P", false, "P = ΣW = 409,90 t");
        row("sums", false, "ΣW = 409,90 t; Σ(W · h) = 3084,35 t·m");
        row("gamma 2: 6,5 * 409,9 / 3084,35 = 0,8638", false,
            "γ2 = h2 · ΣW / Σ(W · h) = 6,50 · 409,90 / 3084,35 = 0,864");
        row("F1 = 0,1008 * 0,46514 * 120", false,
            "F1 = C · R · ε · β · γ1 · I · W1 = 0,07 · 1,000 · 1,00 · 1,20 · 0,465 · 1,20 · "
            "120,00 = 5,63 t");
        row("F4 = 0,1008 * 1,66124 * 80", false,
            "F4 = C · R · ε · β · γ4 · I · W4 = 0,07 · 1,000 · 1,00 · 1,20 · 1,661 · 1,20 · "
            "80,00 = 13,40 t");
        row("sum of forces = 0,1008 * 409,9", false, "ΣF = C·R·ε·β·I·ΣW: 41,32 t = 41,32 t");
        row("Fv2 = 2 * 0,07 * 109,9", false, "Fv,2 = m · C · W2 = 2 · 0,07 · 109,90 = 15,39 t");
        row("delta c", false, "δc = √(δh² + δv²) = √(1,20² + 0,40²) = 1,26 cm");
        row("delta r = 0,5 + 6 * 1,26491", false, "δr = δa + k · δc = 0,50 + 6 · 1,26 = 8,09 cm");
        row("a/g", false,
            "a/g = C · I · R · ε · β = 0,07 · 1,20 · 1,000 · 1,00 · 1,20 = 0,101 (T = 0,395 sec)");
        row("F1 in kN", true,
            "F1 = C · R · ε · β · γ1 · I · W1 = 0,07 · 1,000 · 1,00 · 1,20 · 0,465 · 1,20 · "
            "1176,80 = 55,18 kN");
        row("sums in kN", true, "ΣW = 4019,75 kN; Σ(W · h) = 30247,14 kN·m");
        row("sum of forces in kN = 41,31792 * 9,80665", true,
            "ΣF = C·R·ε·β·I·ΣW: 405,19 kN = 405,19 kN");
    }
    void formulaLines() {
        QFETCH(bool, kiloNewtons);
        QFETCH(QString, line);
        const auto d = composed(school(), kiloNewtons ? relazione::Unit::KiloNewtons
                                                      : relazione::Unit::Tonnes);
        const QStringList lines = linesOf(d, Block::Kind::Formula);
        QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
    }

    // Above 0,8 s R = 0,862 / T^(2/3): H = 40, B = 4 give T = 2 s and R = 0,5430.
    void responseAboveTheKnee() {
        building::Building b = school();
        b.periodo = {typed("40"), typed("4")};
        const QStringList lines =
            linesOf(composed(b, relazione::Unit::Tonnes), Block::Kind::Formula);
        QVERIFY(
            lines.contains(QStringLiteral("R = 0,862 / T^(2/3) = 0,862 / 2,000^(2/3) = 0,543")));
    }

    // A building without H and B (kept before it held them) takes those of the period window
    // when it has computed T; not when it shows none.
    void periodFromThePeriodWindow() {
        building::Building b = school();
        b.periodo = {};
        QHash<QString, double> window{{QStringLiteral("periodo.H"), 12.5},
                                      {QStringLiteral("periodo.B"), 10.0}};
        const auto read = [&window](const QString& key) -> std::optional<double> {
            return window.contains(key) ? std::optional<double>(window.value(key)) : std::nullopt;
        };
        QVERIFY(!calcolo::compute(b, read).periodS);
        window.insert(QStringLiteral("periodo.T"), 0.4);
        QCOMPARE(numtext::fixed(*calcolo::compute(b, read).periodS, 3), QStringLiteral("0,395"));
    }

    // The storey table: one row a storey and the base, forces in the unit chosen, the moment
    // at each floor from the forces above (M1 = 225,63 t*m = 2212,67 kN*m by hand).
    void storeyTableInEitherUnit_data() {
        QTest::addColumn<bool>("kiloNewtons");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("base");
        QTest::newRow("tonnes")
            << false << QStringList{"Piano", "W (t)", "h (m)", "γ",
                                    "Kh",    "F (t)", "V (t)", "M alla quota del piano (t·m)"}
            << QStringList{"1°", "120,00", "3,50", "0,465", "0,047", "5,63", "41,32", "225,63"}
            << QStringList{"Base", "409,90", "", "", "", "41,32", "41,32", "370,24"};
        QTest::newRow("kilonewtons")
            << true << QStringList{"Piano", "W (kN)", "h (m)",  "γ",
                                   "Kh",    "F (kN)", "V (kN)", "M alla quota del piano (kN·m)"}
            << QStringList{"1°", "1176,80", "3,50", "0,465", "0,047", "55,18", "405,19", "2212,67"}
            << QStringList{"Base", "4019,75", "", "", "", "405,19", "405,19", "3630,83"};
    }
    void storeyTableInEitherUnit() {
        QFETCH(bool, kiloNewtons);
        const auto d = composed(school(), kiloNewtons ? relazione::Unit::KiloNewtons
                                                      : relazione::Unit::Tonnes);
        const relazione::Table* table = storeyTable(d);
        QVERIFY(table);
        QCOMPARE(int(table->rows.size()), 5);
        QTEST(table->header, "header");
        QTEST(table->rows.front(), "first");
        QTEST(table->rows.back(), "base");
    }

    // What a building lacks is named, and the section says so instead of its formulas.
    void missingValues_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("no H and B") << 0
                                    << "il periodo T: mancano l'altezza H e il lato della "
                                       "fondazione B (Periodo fondamentale di vibrazione)";
        QTest::newRow("B zero") << 1
                                << "il periodo T: il lato della fondazione B deve essere "
                                   "maggiore di zero";
        QTest::newRow("no zone") << 2 << "la zona sismica (S)";
        QTest::newRow("3rd storey without h") << 3
                                              << "il peso W e la quota h del 3° piano (Dati "
                                                 "dell'edificio)";
        QTest::newRow("2nd storey below the 1st")
            << 4 << "la quota del 2° piano, che deve superare quella del piano sottostante";
        QTest::newRow("no storey") << 5 << "i piani dell'edificio (Dati dell'edificio)";
        QTest::newRow("displacements typed, not computed")
            << 6
            << "gli spostamenti e le sollecitazioni (finestre Spostamenti e Verifiche non "
               "elaborate)";
    }
    void missingValues() {
        QFETCH(int, change);
        QFETCH(QString, phrase);
        building::Building b = school();
        switch (change) {
        case 0:
            b.periodo = {};
            break;
        case 1:
            b.periodo.b = typed("0");
            break;
        case 2:
            b.sismica.zone.reset();
            break;
        case 3:
            b.storeys[2].h.reset();
            break;
        case 4:
            b.storeys[1].h = typed("3");
            break;
        case 5:
            b.storeys.clear();
            break;
        }
        const calcolo::FieldReader typedOnly = [](const QString& key) {
            return key.endsWith(QStringLiteral(".reali")) ? std::nullopt : displacementInputs(key);
        };
        const calcolo::Results r = calcolo::compute(b, change == 6 ? typedOnly : nullptr);
        QVERIFY(relazione::missing(r, relazione::allSections()).contains(phrase));
        const auto d = relazione::compose(r, b.project, relazione::allSections());
        bool said = false;
        for (const QString& text : linesOf(d, Block::Kind::Paragraph))
            said = said ||
                   (text.startsWith(QStringLiteral("Valori mancanti: ")) && text.contains(phrase));
        QVERIFY(said);
        // The complete school lacks nothing.
        QVERIFY(relazione::missing(calcolo::compute(school(), displacementInputs),
                                   relazione::allSections())
                    .isEmpty());
    }

    // Kept in the building data file as keys and "t" or "kN"; anything else is refused.
    void choicesAsText() {
        relazione::Choices c;
        c.sections = {QStringLiteral("tabella"), QStringLiteral("periodo")};
        c.unit = relazione::Unit::KiloNewtons;
        const relazione::ChoicesText t = relazione::toText(c);
        QCOMPARE(t.sections, QStringList({"periodo", "tabella"}));
        QCOMPARE(t.unit, QStringLiteral("kN"));
        QString why;
        const auto back = relazione::fromText(t, &why);
        QVERIFY(back);
        QCOMPARE(back->unit, relazione::Unit::KiloNewtons);
        QVERIFY(!relazione::fromText({{QStringLiteral("ntc")}, QStringLiteral("t")}, &why));
        QCOMPARE(why, QStringLiteral("\"ntc\" non è una sezione della relazione di calcolo"));
        QVERIFY(!relazione::fromText({{}, QStringLiteral("kg")}, &why));
        QCOMPARE(why, QStringLiteral("l'unità delle forze \"kg\" non è né \"t\" né \"kN\""));
    }
};

QTEST_APPLESS_MAIN(TestRelazione)
#include "tst_relazione.moc"

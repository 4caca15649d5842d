#include "core/calcolo.h"
#include "core/ntc2018.h"
#include "core/relazione.h"

#include <QtTest>
#include <cmath>

using ntc2018::Site;
using ntc2018::Soil;
using ntc2018::Topography;

namespace {

// The site of the help: ag 0,25 g, F0 2,4, Tc* 0,30 s, subsoil C, T1, xi 5 %, q 1.
// SS = 1,70 - 0,60 * 2,4 * 0,25 = 1,34; CC = 1,05 * 0,30^-0,33 = 1,56221; TC = 0,468663 s,
// TB = 0,156221 s, TD = 4 * 0,25 + 1,6 = 2,6 s; plateau 0,25 * 1,34 * 2,4 = 0,804.
Site helpSite(double q = 1.0) {
    return {0.25, 2.4, 0.30, Soil::C, Topography::T1, 5.0, q};
}

bool near(double actual, double expected) {
    return std::abs(actual - expected) <= 1e-5 * std::max(1.0, std::abs(expected));
}

// Four storeys of 120, 110, 100 and 80 t at 3,5, 6,5, 9,5 and 12,5 m, with the 1984 shears of
// the help of "Tutti i piani" (zone of 2nd category, T = 1 s).
const std::vector<storeys::Storey> fourStoreys{{120, 3.5}, {110, 6.5}, {100, 9.5}, {80, 12.5}};
storeys::Table table1984() {
    storeys::Table t;
    for (double v : {34.7, 29.9, 22.2, 11.2}) {
        storeys::Row row{};
        row.shearT = v;
        t.rows.push_back(row);
    }
    return t;
}

// The four storeys as the building has them, T = 0,1 * 12,5 / sqrt(1,5625) = 1 s, the zone
// of 2nd category (C = 0,07), I = beta = 1,2, epsilon = 1, the help's site, T1 = T, k = 1,5.
building::Building helpBuilding() {
    building::Building b;
    const char* const values[][2] = {
        {"120", "3,5"}, {"110", "6,5"}, {"100", "9,5"}, {"80", "12,5"}};
    for (const auto& v : values) {
        building::Storey s;
        s.weight = building::typed(QString::fromLatin1(v[0]));
        s.h = building::typed(QString::fromLatin1(v[1]));
        b.storeys.push_back(s);
    }
    b.periodo.h = building::typed(QStringLiteral("12,5"));
    b.periodo.b = building::typed(QStringLiteral("1,5625"));
    b.sismica = {1, 1.2, 1.2, building::typed(QStringLiteral("1"))};
    b.ntc.ag = building::typed(QStringLiteral("0,25"));
    b.ntc.f0 = building::typed(QStringLiteral("2,4"));
    b.ntc.tcStar = building::typed(QStringLiteral("0,30"));
    b.ntc.soil = 2;
    b.ntc.topography = 0;
    b.ntc.periodSource = 0;
    b.ntc.basis = 1;
    return b;
}

QStringList reportTexts(const building::Building& b) {
    relazione::Choices choices;
    choices.sections = {QStringLiteral("ntc2018")};
    const relazione::Document d = relazione::compose(calcolo::compute(b, {}), b.project, choices);
    QStringList texts;
    for (const relazione::Block& block : d.blocks) {
        texts << block.text;
        for (const QStringList& row : block.table.rows)
            texts << row.join(QLatin1Char('|'));
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Site)

class TestNtc2018 : public QObject {
    Q_OBJECT
  private slots:
    // Tab. 3.2.IV and 3.2.V worked by hand, one row per subsoil and topography, with each
    // clamp of SS reached and the floor of eta.
    void parameters_data() {
        QTest::addColumn<Site>("site");
        QTest::addColumn<double>("ss");
        QTest::addColumn<double>("cc");
        QTest::addColumn<double>("st");
        QTest::addColumn<double>("tc");
        QTest::addColumn<double>("td");
        QTest::addColumn<double>("eta");
        const auto row = [](const char* name, double ag, double f0, double tcStar, Soil soil,
                            Topography topo, double xi, double ss, double cc, double st, double tc,
                            double td, double eta) {
            QTest::newRow(name) << Site{ag, f0, tcStar, soil, topo, xi, 1.0} << ss << cc << st << tc
                                << td << eta;
        };
        row("A, T1: SS = CC = 1, TC = Tc*", 0.25, 2.4, 0.30, Soil::A, Topography::T1, 5, 1.0, 1.0,
            1.0, 0.30, 2.6, 1.0);
        row("B, T2: SS 1,40 - 0,24 = 1,16; CC 1,10 * 0,3^-0,2", 0.25, 2.4, 0.30, Soil::B,
            Topography::T2, 5, 1.16, 1.399486, 1.2, 0.419846, 2.6, 1.0);
        row("B: 1,35 clamped to 1,20; Tc* 0,25", 0.05, 2.5, 0.25, Soil::B, Topography::T1, 5, 1.20,
            1.451459, 1.0, 0.362865, 1.8, 1.0);
        row("B: 0,95 clamped to 1,00", 0.45, 2.5, 0.35, Soil::B, Topography::T1, 5, 1.00, 1.356998,
            1.0, 0.474949, 3.4, 1.0);
        row("C, T1: the help's site", 0.25, 2.4, 0.30, Soil::C, Topography::T1, 5, 1.34, 1.562210,
            1.0, 0.468663, 2.6, 1.0);
        row("C, T3: 1,55 clamped to 1,50", 0.10, 2.5, 0.30, Soil::C, Topography::T3, 5, 1.50,
            1.562210, 1.2, 0.468663, 2.0, 1.0);
        row("C: 0,95 clamped to 1,00", 0.50, 2.5, 0.30, Soil::C, Topography::T1, 5, 1.00, 1.562210,
            1.0, 0.468663, 3.6, 1.0);
        row("D, T4: 2,40 - 0,90 = 1,50; CC 1,25 * 0,3^-0,5", 0.25, 2.4, 0.30, Soil::D,
            Topography::T4, 5, 1.50, 2.282177, 1.4, 0.684653, 2.6, 1.0);
        row("D: 0,7125 clamped to 0,90", 0.45, 2.5, 0.30, Soil::D, Topography::T1, 5, 0.90,
            2.282177, 1.0, 0.684653, 3.4, 1.0);
        row("D: 2,025 clamped to 1,80", 0.10, 2.5, 0.30, Soil::D, Topography::T1, 5, 1.80, 2.282177,
            1.0, 0.684653, 2.0, 1.0);
        row("E: 2,00 - 0,66 = 1,34; CC 1,15 * 0,3^-0,4", 0.25, 2.4, 0.30, Soil::E, Topography::T1,
            5, 1.34, 1.861441, 1.0, 0.558432, 2.6, 1.0);
        row("E: 1,725 clamped to 1,60", 0.10, 2.5, 0.30, Soil::E, Topography::T1, 5, 1.60, 1.861441,
            1.0, 0.558432, 2.0, 1.0);
        row("xi 10 %: eta = sqrt(10/15) = 0,8165", 0.25, 2.4, 0.30, Soil::C, Topography::T1, 10,
            1.34, 1.562210, 1.0, 0.468663, 2.6, 0.816497);
        row("xi 30 %: sqrt(10/35) = 0,5345 raised to 0,55", 0.25, 2.4, 0.30, Soil::C,
            Topography::T1, 30, 1.34, 1.562210, 1.0, 0.468663, 2.6, 0.55);
    }
    void parameters() {
        QFETCH(Site, site);
        const ntc2018::Parameters p = ntc2018::parameters(site);
        QFETCH(double, ss);
        QFETCH(double, st);
        QVERIFY(near(p.ss, ss));
        QVERIFY(near(p.st, st));
        QVERIFY(near(p.s, ss * st));
        QFETCH(double, cc);
        QFETCH(double, tc);
        QFETCH(double, td);
        QFETCH(double, eta);
        QVERIFY(near(p.cc, cc));
        QVERIFY(near(p.tc, tc));
        QVERIFY(near(p.tb, tc / 3.0));
        QVERIFY(near(p.td, td));
        QVERIFY(near(p.eta, eta));
    }

    // The four branches and their edges for the help's site. Elastic (q 1): Se(0) = ag S =
    // 0,335; halfway to TB 0,335 + (0,804 - 0,335) / 2; the plateau 0,804 from TB to TC;
    // 0,804 * TC / T to TD (0,144925 at 2,6 s); 0,804 * TC * TD / T^2 beyond (0,061231 at
    // 4 s). Design with q 4: eta = 1/4 gives ag S again at 0, a plateau of 0,201 and
    // 0,201 * TC / T; at 4 s 0,015308 is below 0,2 ag and the floor 0,05 holds.
    void ordinates_data() {
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("expected");
        const double tb = 0.156221, tc = 0.468663;
        QTest::newRow("Se at T = 0") << 1.0 << 0.0 << 0.335;
        QTest::newRow("Se at TB / 2") << 1.0 << tb / 2 << 0.5695;
        QTest::newRow("Se at TB") << 1.0 << tb << 0.804;
        QTest::newRow("Se at TC") << 1.0 << tc << 0.804;
        QTest::newRow("Se at 1 s") << 1.0 << 1.0 << 0.376805;
        QTest::newRow("Se at TD") << 1.0 << 2.6 << 0.144925;
        QTest::newRow("Se at 4 s") << 1.0 << 4.0 << 0.061231;
        QTest::newRow("Sd q 4 at T = 0") << 4.0 << 0.0 << 0.335;
        QTest::newRow("Sd q 4 at TC") << 4.0 << tc << 0.201;
        QTest::newRow("Sd q 4 at 1 s") << 4.0 << 1.0 << 0.094201;
        QTest::newRow("Sd q 4 at 4 s: the floor 0,2 ag") << 4.0 << 4.0 << 0.05;
    }
    void ordinates() {
        QFETCH(double, q);
        QFETCH(double, period);
        QFETCH(double, expected);
        QVERIFY2(std::abs(ntc2018::ordinate(period, helpSite(q)) - expected) < 2e-6,
                 qPrintable(QString::number(ntc2018::ordinate(period, helpSite(q)), 'g', 9)));
        // The drawn curve reaches the corners and agrees with the ordinate.
        const auto curve = ntc2018::curve(helpSite(q), 4.0);
        QCOMPARE(curve.back().periodS, 4.0);
        const auto corner = std::find_if(curve.begin(), curve.end(), [](const auto& p) {
            return std::abs(p.periodS - 0.468663) < 1e-6;
        });
        QVERIFY(corner != curve.end());
        QVERIFY(std::abs(corner->ordinate - (q == 1.0 ? 0.804 : 0.201)) < 2e-6);
    }

    // [7.3.6] and [7.3.7] for the four storeys: sum zW = 420 + 715 + 950 + 1000 = 3085 t m,
    // W = 410 t. T1 1 s: 2 TC = 0,937 s < T1, lambda 1, Fh = 0,376805 * 410 = 154,490 t,
    // compared with 1,5 times the 1984 shears. T1 = 0,075 * 12,5^0,75 = 0,49859 s (concrete):
    // Sd = 0,804 * 0,468663 / 0,49859 = 0,75574, lambda 0,85, Fh = 263,376 t.
    void staticForces_data() {
        QTest::addColumn<double>("t1");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("fh");
        QTest::addColumn<QList<double>>("forces");
        QTest::addColumn<QList<double>>("shears");
        QTest::addColumn<QList<double>>("ratios");
        QTest::newRow("T1 1 s, lambda 1, factor 1,5")
            << 1.0 << 1.5 << 1.0 << 154.490026
            << QList<double>{21.032678, 35.805630, 47.573914, 50.077804}
            << QList<double>{154.490026, 133.457348, 97.651718, 50.077804}
            << QList<double>{2.968108, 2.975638, 2.932484, 2.980822};
        QTest::newRow("T1 = C1 H^3/4 concrete, lambda 0,85, factor 1")
            << ntc2018::approximatePeriod(ntc2018::Frame::Concrete, 12.5) << 1.0 << 0.85
            << 263.375636 << QList<double>{35.856651, 61.041679, 81.104329, 85.372978}
            << QList<double>{263.375636, 227.518986, 166.477307, 85.372978}
            << QList<double>{7.590076, 7.609331, 7.498978, 7.622587};
    }
    void staticForces() {
        QFETCH(double, t1);
        QFETCH(double, factor);
        QFETCH(QList<double>, forces);
        QFETCH(QList<double>, shears);
        QFETCH(QList<double>, ratios);
        const auto f = ntc2018::staticForces(fourStoreys, table1984(), t1, helpSite(), factor);
        QVERIFY(f);
        QTEST(f->lambda, "lambda");
        QFETCH(double, fh);
        QVERIFY(near(f->baseShearT, fh));
        QCOMPARE(f->weightT, 410.0);
        QVERIFY(!f->beyondTc && !f->beyondTd);
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(near(f->rows[i].forceT, forces[i]));
            QVERIFY(near(f->rows[i].shearT, shears[i]));
            QVERIFY(near(f->rows[i].ratio, ratios[i]));
            sum += f->rows[i].forceT;
        }
        QVERIFY(near(sum, f->baseShearT));
    }

    // lambda and the limits of the static method: 2 TC = 0,937 s, 2,5 TC = 1,172 s,
    // TD = 2,6 s; two storeys never take 0,85. C1 of the three kinds of structure.
    void limits_data() {
        QTest::addColumn<double>("t1");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<bool>("beyondTc");
        QTest::addColumn<bool>("beyondTd");
        QTest::newRow("0,9 s, 3 storeys") << 0.9 << 3 << 0.85 << false << false;
        QTest::newRow("0,9 s, 2 storeys") << 0.9 << 2 << 1.0 << false << false;
        QTest::newRow("1,2 s: past 2,5 TC") << 1.2 << 4 << 1.0 << true << false;
        QTest::newRow("3 s: past TD too") << 3.0 << 4 << 1.0 << true << true;
    }
    void limits() {
        QFETCH(double, t1);
        QFETCH(int, storeys);
        std::vector<storeys::Storey> building(fourStoreys.begin(), fourStoreys.begin() + storeys);
        const auto f = ntc2018::staticForces(building, table1984(), t1, helpSite(), 1.0);
        QVERIFY(f);
        QTEST(f->lambda, "lambda");
        QTEST(f->beyondTc, "beyondTc");
        QTEST(f->beyondTd, "beyondTd");
        QCOMPARE(ntc2018::c1(ntc2018::Frame::Steel), 0.085);
        QCOMPARE(ntc2018::c1(ntc2018::Frame::Other), 0.050);
    }

    // A site that cannot give a spectrum is refused with the value named; storeys that spread
    // no force give no forces.
    void refusals_data() {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("named");
        const Site ok = helpSite();
        QTest::newRow("ag 0") << Site{0, 2.4, 0.3, Soil::C, Topography::T1, 5, 1} << "ag";
        QTest::newRow("ag 1,5") << Site{1.5, 2.4, 0.3, Soil::C, Topography::T1, 5, 1} << "ag";
        QTest::newRow("F0 0") << Site{0.25, 0, 0.3, Soil::C, Topography::T1, 5, 1} << "F0";
        QTest::newRow("Tc* 0") << Site{0.25, 2.4, 0, Soil::C, Topography::T1, 5, 1} << "Tc*";
        QTest::newRow("xi 150") << Site{0.25, 2.4, 0.3, Soil::C, Topography::T1, 150, 1} << "ξ";
        QTest::newRow("q 0,8") << Site{0.25, 2.4, 0.3, Soil::C, Topography::T1, 5, 0.8} << "q";
        QTest::newRow("the help's site") << ok << "";
    }
    void refusals() {
        QFETCH(Site, site);
        QFETCH(QString, named);
        const QString message = ntc2018::refused(site);
        QCOMPARE(message.isEmpty(), named.isEmpty());
        QVERIFY(message.contains(named));
        QVERIFY(!ntc2018::staticForces({{0, 3}, {0, 6}}, table1984(), 1.0, helpSite(), 1.0));
    }

    // The report of the first case of staticForces, written out by hand: F, V and the ratios
    // from the values worked there, k V 1984 = 1,5 * 34,7 = 52,05, 44,85, 33,30, 16,80.
    void comparisonText() {
        const auto f = ntc2018::staticForces(fourStoreys, table1984(), 1.0, helpSite(), 1.5);
        QVERIFY(f);
        const QString expected = QStringLiteral(
            "     CONFRONTO CON LE NTC 2018 (ANALISI STATICA LINEARE)\n"
            "\n"
            "     Sito: ag = 0,25 g, F0 = 2,4, Tc* = 0,3 sec\n"
            "     Sottosuolo C: SS = 1,34, CC = 1,562; topografia T1: ST = 1; S = SS · ST = 1,34\n"
            "     Spettro elastico: smorzamento 5 %, eta = 1\n"
            "     TB = 0,156 sec, TC = 0,469 sec, TD = 2,6 sec\n"
            "     T1 = 1 sec (periodo del D.M. 1984)\n"
            "     lambda = 1, W = 410 tonn\n"
            "     Fh = Se(T1) · W · lambda / g = 0,3768 · 410 · 1 = 154,49 tonn\n"
            "     k = 1,5: forze del D.M. 1984 moltiplicate per 1,5 (stati limite)\n"
            "\n"
            "     Piano   F NTC (tonn)   V NTC (tonn)   k · V 1984 (tonn)   V NTC / (k · V 1984)\n"
            "     1°             21,03         154,49               52,05                   2,97\n"
            "     2°             35,81         133,46               44,85                   2,98\n"
            "     3°             47,57          97,65               33,30                   2,93\n"
            "     4°             50,08          50,08               16,80                   2,98");
        QCOMPARE(ntc2018::comparisonText(helpSite(), *f, ntc2018::PeriodSource::Period1984,
                                         ntc2018::Basis::LimitStates, table1984()),
                 expected);
    }

    // The section of the calculation report, line by line as worked in staticForces, the
    // 1984 shear unrounded: 0,07 * 0,862 * 1 * 1,2 * 1,2 * 410 = 35,6247 t, times 1,5 = 53,44 t;
    // at the top F4 = 0,0868896 * (12,5 * 410 / 3085) * 80 = 11,5478 t, times 1,5 = 17,32 t. Both
    // codes spread their forces as z * W, so every storey has the ratio 154,49 / 53,44.
    void reportSection_data() {
        QTest::addColumn<QString>("line");
        const char* const lines[] = {
            "ag = 0,250 g; F0 = 2,400; Tc* = 0,300 sec; sottosuolo C; topografia T1",
            "SS = 1,70 − 0,60 · F0 · ag = 1,70 − 0,60 · 2,400 · 0,250, tra 1,00 e 1,50: SS = 1,340",
            "CC = 1,05 · Tc*^(−0,33) = 1,05 · 0,300^(−0,33) = 1,562",
            "S = SS · ST = 1,340 · 1,00 = 1,340",
            "η = √(10 / (5 + ξ)) = √(10 / (5 + 5)) = 1,000, non minore di 0,55",
            "TC = CC · Tc* = 1,562 · 0,300 = 0,469 sec; TB = TC / 3 = 0,156 sec",
            "TD = 4,0 · ag + 1,6 = 4,0 · 0,250 + 1,6 = 2,600 sec",
            "T1 = T = 1,000 sec (periodo del D.M. 1984)",
            "Se(T1) = ag · S · η · F0 · TC / T1 = 0,250 · 1,340 · 1,000 · 2,400 · 0,469 / 1,000 = "
            "0,377 g",
            "λ = 1 (T1 ≥ 2 · TC = 0,937 sec)",
            "W = ΣWi = 410,00 t",
            "Fh = Se(T1) · W · λ / g = 0,377 · 410,00 · 1 = 154,49 t",
            "F1 = 154,49 · 3,50 · 120,00 / 3085,00 = 21,03 t",
            "F4 = 154,49 · 12,50 · 80,00 / 3085,00 = 50,08 t",
            "1°|21,03|154,49|53,44|2,89",
            "4°|50,08|50,08|17,32|2,89",
        };
        for (const char* line : lines)
            QTest::newRow(line) << QString::fromUtf8(line);
    }
    void reportSection() {
        QFETCH(QString, line);
        QVERIFY(reportTexts(helpBuilding()).contains(line));
    }

    // The quantities of the batch command, and a building without a site: no quantity, the
    // reason in the report, and the section left out of the report of every section.
    void quantitiesAndMissingSite() {
        const auto quantities = calcolo::quantities(calcolo::compute(helpBuilding(), {}));
        const auto value = [&](const char* key) {
            for (const calcolo::Quantity& q : quantities)
                if (q.key == QLatin1String(key))
                    return q.value;
            return std::nan("");
        };
        QVERIFY(near(value("ntc.Fh"), 154.490026));
        QVERIFY(near(value("ntc.piani.1.rapporto"), 154.490026 / (1.5 * 35.624736)));
        QVERIFY(near(value("ntc.TC"), 0.468663));
        QCOMPARE(value("ntc.k"), 1.5);
        building::Building noSite = helpBuilding();
        noSite.ntc = {};
        for (const calcolo::Quantity& q : calcolo::quantities(calcolo::compute(noSite, {})))
            QVERIFY(!q.key.startsWith(QLatin1String("ntc.")));
        QVERIFY(reportTexts(noSite).contains(
            QStringLiteral("Valori mancanti: il confronto con le NTC 2018: dati del sito "
                           "(finestra Spettro di risposta): inserire ag, F0 e Tc* e scegliere la "
                           "categoria di sottosuolo e quella topografica.")));
        QVERIFY(!relazione::allSections().sections.contains(QStringLiteral("ntc2018")));
    }
};

QTEST_APPLESS_MAIN(TestNtc2018)
#include "tst_ntc2018.moc"

#include "core/storeys.h"

#include <QtTest>
#include <cmath>

using storeys::Seismic;
using storeys::Storey;

namespace {

// Zone of 2nd category (C = 0,07), T = 1 s (R = 0,86), epsilon = 1, beta = 1,2, I = 1,2.
const Seismic secondZone{0.07, 0.86, 1.0, 1.2, 1.2};

// Four storeys of 120, 110, 100 and 80 t at 3,5, 6,5, 9,5 and 12,5 m.
const std::vector<Storey> fourStoreys{{120, 3.5}, {110, 6.5}, {100, 9.5}, {80, 12.5}};

QList<double> sample(const QString& text) {
    QList<double> values;
    for (const QString& v : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        values << v.toDouble();
    return values;
}

std::vector<Storey> building(const QList<double>& weights, const QList<double>& heights) {
    std::vector<Storey> out;
    for (int i = 0; i < weights.size(); ++i)
        out.push_back({weights[i], heights[i]});
    return out;
}

// Equal once the exact value is rounded to hundredths, as the table shows it.
bool sameToHundredths(double shown, double exact) {
    return std::abs(shown - exact) <= 0.005 + 1e-9;
}

} // namespace

class TestStoreys : public QObject {
    Q_OBJECT
  private slots:
    // Worked by hand: sum(W) = 410 t, sum(W * h) = 3085 t*m; gamma_i = h_i * 410 / 3085;
    // K0 = 0,86 * 0,07 * gamma * 1 * 1,2 rounded, then Kh = K0 * 1,2 rounded; F = Kh * W;
    // V from the top down; M_i = sum over the storeys above of F_j * (h_j - h_i).
    void fourStoreysByHand_data() {
        QTest::addColumn<int>("storey");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("m");
        QTest::newRow("1st: 0,4652 -> 0,47; K0 0,03, Kh 0,036")
            << 1 << 0.47 << 0.04 << 4.8 << 34.7 << 189.9;
        QTest::newRow("2nd: 0,8639 -> 0,86; K0 0,06, Kh 0,072")
            << 2 << 0.86 << 0.07 << 7.7 << 29.9 << 100.2;
        QTest::newRow("3rd: 1,2626 -> 1,26; K0 0,09, Kh 0,108")
            << 3 << 1.26 << 0.11 << 11.0 << 22.2 << 33.6;
        QTest::newRow("4th: 1,6613 -> 1,66; K0 0,12, Kh 0,144")
            << 4 << 1.66 << 0.14 << 11.2 << 11.2 << 0.0;
    }
    void fourStoreysByHand() {
        QFETCH(int, storey);
        const auto table = storeys::horizontalActions(fourStoreys, secondZone);
        QVERIFY(table);
        QCOMPARE(int(table->rows.size()), 4);
        const storeys::Row& row = table->rows[storey - 1];
        QTEST(row.distribution, "gamma");
        QTEST(row.coefficient, "k");
        QTEST(row.forceT, "f");
        QTEST(row.shearT, "v");
        QTEST(row.momentTm, "m");
        // Base: 4,8 + 7,7 + 11 + 11,2; 4,8 * 3,5 + 7,7 * 6,5 + 11 * 9,5 + 11,2 * 12,5.
        QCOMPARE(table->baseShearT, 34.7);
        QCOMPARE(table->baseMomentTm, 311.35);
    }

    // Whatever the building, the base takes every force: V0 = sum(F), M0 = sum(F * h), and
    // every storey's V and M agree with their sums over the storeys above.
    void shearsAndMomentsAddUp_data() {
        QTest::addColumn<QString>("weights");
        QTest::addColumn<QString>("heights");
        QTest::newRow("one storey") << "250"
                                    << "4";
        QTest::newRow("uneven storeys") << "300 180.5 95 40.25 12"
                                        << "4.2 7 10.1 13.5 16";
        QTest::newRow("light top") << "500 500 500 500 500 500 500 20"
                                   << "3 6 9 12 15 18 21 24";
        QTest::newRow("a storey of no weight") << "100 0 100"
                                               << "3 6 9";
    }
    void shearsAndMomentsAddUp() {
        QFETCH(QString, weights);
        QFETCH(QString, heights);
        const auto b = building(sample(weights), sample(heights));
        const auto table = storeys::horizontalActions(b, {0.1, 1.0, 1.3, 1.2, 1.4});
        QVERIFY(table);
        double sumF = 0.0, sumFh = 0.0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            double v = 0.0, m = 0.0;
            for (std::size_t j = i; j < b.size(); ++j) {
                v += table->rows[j].forceT;
                m += table->rows[j].forceT * (b[j].heightM - b[i].heightM);
            }
            QVERIFY(sameToHundredths(table->rows[i].shearT, v));
            QVERIFY(sameToHundredths(table->rows[i].momentTm, m));
            sumF += table->rows[i].forceT;
            sumFh += table->rows[i].forceT * b[i].heightM;
        }
        QVERIFY(sameToHundredths(table->baseShearT, sumF));
        QVERIFY(sameToHundredths(table->baseMomentTm, sumFh));
        QCOMPARE(table->rows.front().shearT, table->baseShearT);
    }

    void storeysThatCannotBeComputed() {
        // Heights must rise from the bottom: the first storey out of order is named.
        QCOMPARE(storeys::firstStoreyNotAbove(fourStoreys), -1);
        QCOMPARE(storeys::firstStoreyNotAbove({{100, 3}, {100, 6}, {100, 6}}), 2);
        QCOMPARE(storeys::firstStoreyNotAbove({{100, 6}, {100, 3}}), 1);
        // No weight at any height spreads no force.
        QVERIFY(!storeys::horizontalActions({{0, 3}, {0, 6}}, secondZone));
        QVERIFY(!storeys::horizontalActions({{100, 0}}, secondZone));
        // Results beyond any number are refused, never shown as inf.
        QVERIFY(!storeys::horizontalActions({{1e300, 3}, {1e300, 1e300}}, secondZone));
    }

    // R as the framed windows show it, and the spectrum, R unrounded along the curve:
    // C = 0,1, I = 1,2, epsilon = 1,1, beta = 1,2 give a plateau of 0,1584.
    void spectrum_data() {
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("response");
        QTest::addColumn<double>("ordinate");
        QTest::newRow("T = 0: the plateau") << 0.0 << 1.0 << 0.1584;
        QTest::newRow("T = 0,8 s: the knee, R = 1") << 0.8 << 1.0 << 0.1584;
        QTest::newRow("T = 1 s: R = 0,862") << 1.0 << 0.86 << 0.1365408;
        QTest::newRow("T = 2 s: R = 0,862 / 1,5874 = 0,54303") << 2.0 << 0.54 << 0.0860153;
    }
    void spectrum() {
        QFETCH(double, period);
        QFETCH(double, response);
        QFETCH(double, ordinate);
        QCOMPARE(storeys::response(period), response);
        QVERIFY(std::abs(storeys::spectrumOrdinate(period, 0.1, 1.2, 1.1, 1.2) - ordinate) < 1e-7);
        // The curve passes through the same point.
        const auto curve = storeys::spectrumCurve(0.1, 1.2, 1.1, 1.2);
        const auto at = std::find_if(curve.begin(), curve.end(),
                                     [&](const auto& p) { return p.periodS == period; });
        QVERIFY(at != curve.end());
        QVERIFY(std::abs(at->ordinate - ordinate) < 1e-7);
        QCOMPARE(curve.back().periodS, 3.0);
    }
};

QTEST_APPLESS_MAIN(TestStoreys)
#include "tst_storeys.moc"

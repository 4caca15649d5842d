#include "core/numtext.h"
#include "core/storeys.h"

#include <QRandomGenerator>
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
    // Worked by hand, nothing rounded: sum(W) = 410 t, sum(W * h) = 3085 t*m; gamma_i =
    // h_i * 410 / 3085; Kh = 0,86 * 0,07 * 1 * 1,2 * gamma * 1,2 = 0,086688 * gamma; F = Kh * W;
    // V from the top down; M_i = sum over the storeys above of F_j * (h_j - h_i). Compared as
    // the table shows them: gamma and Kh to the thousandth, F, V and M to the hundredth.
    void fourStoreysByHand_data() {
        QTest::addColumn<int>("storey");
        QTest::addColumn<QString>("gamma");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("v");
        QTest::addColumn<QString>("m");
        QTest::newRow("1st: 3,5 * 410 / 3085 = 0,46515; F = 0,040323 * 120") << 1 << "0,465"
                                                                             << "0,040"
                                                                             << "4,84"
                                                                             << "35,54"
                                                                             << "194,07";
        QTest::newRow("2nd: 6,5 * 410 / 3085 = 0,86386; F = 0,074886 * 110") << 2 << "0,864"
                                                                             << "0,075"
                                                                             << "8,24"
                                                                             << "30,70"
                                                                             << "101,96";
        QTest::newRow("3rd: 9,5 * 410 / 3085 = 1,26256; F = 0,109449 * 100") << 3 << "1,263"
                                                                             << "0,109"
                                                                             << "10,94"
                                                                             << "22,47"
                                                                             << "34,56";
        QTest::newRow("4th: 12,5 * 410 / 3085 = 1,66126; F = 0,144012 * 80") << 4 << "1,661"
                                                                             << "0,144"
                                                                             << "11,52"
                                                                             << "11,52"
                                                                             << "0,00";
    }
    void fourStoreysByHand() {
        QFETCH(int, storey);
        const auto table = storeys::horizontalActions(fourStoreys, secondZone);
        QVERIFY(table);
        QCOMPARE(int(table->rows.size()), 4);
        const storeys::Row& row = table->rows[storey - 1];
        QTEST(numtext::fixed(row.distribution, 3), "gamma");
        QTEST(numtext::fixed(row.coefficient, 3), "k");
        QTEST(numtext::fixed(row.forceT, 2), "f");
        QTEST(numtext::fixed(row.shearT, 2), "v");
        QTEST(numtext::fixed(row.momentTm, 2), "m");
        // Base: sum(F) = 0,086688 * 410 = 35,54208; sum(F * h) = 0,086688 * 410 * sum(h^2 *
        // W) / 3085 = 318,4674.
        QCOMPARE(numtext::fixed(table->baseShearT, 2), QStringLiteral("35,54"));
        QCOMPARE(numtext::fixed(table->baseMomentTm, 2), QStringLiteral("318,47"));
        QCOMPARE(numtext::fixed(table->expectedBaseShearT, 5), QStringLiteral("35,54208"));
    }

    // Rounding nothing before F, the forces add up to C * R * epsilon * beta * I * sum(W) to
    // the hundredth of a tonne, whatever the building: 1 to 30 storeys of random weights and
    // rising heights, every zone and coefficient.
    void sumOfForcesIsTheBaseShear_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("building %1").arg(seed))) << seed;
    }
    void sumOfForcesIsTheBaseShear() {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const int count = 1 + int(random.bounded(storeys::maxStoreys));
        std::vector<Storey> b;
        double h = 0.0, sumW = 0.0;
        for (int i = 0; i < count; ++i) {
            h += 2.5 + random.bounded(2.5);
            const double w = 20.0 + random.bounded(2000.0);
            sumW += w;
            b.push_back({w, h});
        }
        const double c = (3 * int(random.bounded(3)) + 6 - 2) / 100.0;
        const double t = random.bounded(2.5);
        const double r = t <= 0.8 ? 1.0 : 0.862 / std::cbrt(t * t);
        const Seismic s{c, r, 1.0 + random.bounded(0.3), random.bounded(2) ? 1.2 : 1.0,
                        1.0 + 0.2 * random.bounded(3)};
        const auto table = storeys::horizontalActions(b, s);
        QVERIFY(table);
        double sumF = 0.0;
        for (const storeys::Row& row : table->rows)
            sumF += row.forceT;
        const double expected = c * r * s.foundation * s.structure * s.protection * sumW;
        QVERIFY2(
            std::abs(sumF - expected) < 0.01,
            qPrintable(
                QStringLiteral("%1 storeys: %2 against %3").arg(count).arg(sumF).arg(expected)));
        QVERIFY(std::abs(table->expectedBaseShearT - expected) < 1e-9 * expected);
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

#include "core/buildingdata.h"
#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

class TestNumText : public QObject {
    Q_OBJECT
  private slots:
    void readsItalianNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "12" << 12.0;
        QTest::newRow("comma") << "0,35" << 0.35;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus") << "+2,5" << 2.5;
        QTest::newRow("leading comma") << ",5" << 0.5;
        QTest::newRow("trailing comma") << "7," << 7.0;
        QTest::newRow("blanks") << "  120,333 " << 120.333;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("too small for a double") << "1E-400" << 0.0;
        QTest::newRow("too small, many zeros") << "0,000001E-320" << 0.0;
        QTest::newRow("subnormal") << "5E-324" << 5e-324;
    }
    void readsItalianNumbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = numtext::parse(text);
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, value);
    }

    void refusesTextThatIsNotANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("dot decimal") << "1.5";
        QTest::newRow("dot thousands") << "0.350";
        QTest::newRow("grouped") << "1.000,5";
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing letters") << "12a";
        QTest::newRow("two commas") << "1,2,3";
        QTest::newRow("nan") << "nan";
        QTest::newRow("inf") << "inf";
        QTest::newRow("overflow") << "1E400";
        QTest::newRow("sign only") << "-";
        QTest::newRow("comma only") << ",";
        QTest::newRow("bare exponent") << "1E";
    }
    void refusesTextThatIsNotANumber() {
        QFETCH(QString, text);
        QVERIFY(!numtext::parse(text).has_value());
    }

    void roundsTiesToEven() {
        QCOMPARE(numtext::round2(2.125), 2.12);
        QCOMPARE(numtext::round2(2.375), 2.38);
        QCOMPARE(numtext::round2(0.2846049894), 0.28);
        QCOMPARE(numtext::round2(0.084), 0.08);
        QCOMPARE(numtext::round2(-2.125), -2.12);
        // 120,333 + 100,333 = 220,666: rounds up to 220,67 (not a tie).
        QCOMPARE(numtext::round2(220.666), 220.67);
    }

    void writesShortestItalianText() {
        QCOMPARE(numtext::format(0.5), QStringLiteral("0,5"));
        QCOMPARE(numtext::format(12.0), QStringLiteral("12"));
        QCOMPARE(numtext::format(0.35), QStringLiteral("0,35"));
        QCOMPARE(numtext::format(-0.0), QStringLiteral("0"));
        QCOMPARE(numtext::format(1.0 / 3.0), QStringLiteral("0,333333333333333"));
        QCOMPARE(numtext::formatRounded(0.1 + 0.2), QStringLiteral("0,3"));
        QCOMPARE(numtext::formatSingle(220.66f), QStringLiteral("220,66"));
        QCOMPARE(numtext::formatSingle(0.1f), QStringLiteral("0,1"));
        QCOMPARE(numtext::format(1e20), QStringLiteral("1E+20"));
        // The largest doubles: fifteen digits would round past what a double holds.
        QCOMPARE(numtext::format(-std::numeric_limits<double>::max()),
                 QStringLiteral("-1,79769313486231E+308"));
        QVERIFY(numtext::parse(numtext::format(std::numeric_limits<double>::max())));
    }

    // The C library follows the process's locale, which a desktop program takes from the user:
    // on an Italian or German desktop its decimal separator is the comma.
    void sameInEveryLocale_data() {
        QTest::addColumn<QByteArray>("locale");
        for (const char* name : {"C", "C.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"})
            QTest::newRow(name) << QByteArray(name);
    }
    void sameInEveryLocale() {
        QFETCH(QByteArray, locale);
        QVERIFY2(std::setlocale(LC_ALL, locale.constData()),
                 "locale missing: scripts/install-deps.sh generates it");
        const auto restore = qScopeGuard([] { std::setlocale(LC_ALL, "C"); });
        QCOMPARE(numtext::parse(QStringLiteral("220,66")), std::optional<double>(220.66));
        QCOMPARE(numtext::parse(QStringLiteral("1,5E3")), std::optional<double>(1500.0));
        QVERIFY(!numtext::parse(QStringLiteral("1.5")));
        QCOMPARE(numtext::format(30.5), QStringLiteral("30,5"));
        QCOMPARE(numtext::formatRounded(0.7583), QStringLiteral("0,76"));
        QCOMPARE(numtext::formatSingle(220.66f), QStringLiteral("220,66"));
        QCOMPARE(numtext::formatDigits(2.0 / 3.0, 6), QStringLiteral("0,666667"));
        QCOMPARE(buildingdata::floatText(220.66f), QStringLiteral("220,66"));
        for (double x : {0.1, 2.0 / 3.0, 1e-310, 12345.678901234567})
            QCOMPARE(numtext::parse(buildingdata::doubleText(x)), std::optional<double>(x));
    }

    void responseCoefficientRule() {
        QCOMPARE(coefficients::responseCoefficient(0.8), 1.0);
        QCOMPARE(coefficients::responseCoefficient(0.5), 1.0);
        QCOMPARE(numtext::formatRounded(coefficients::responseCoefficient(1.0)),
                 QStringLiteral("0,86"));
        QCOMPARE(numtext::formatRounded(coefficients::responseCoefficient(2.0)),
                 QStringLiteral("0,54"));
        QCOMPARE(numtext::formatRounded(coefficients::responseCoefficient(1.2)),
                 QStringLiteral("0,76"));
    }

    void zoneList() {
        QCOMPARE(coefficients::zoneItems(),
                 QStringList({QStringLiteral("Zone di 3° categoria: S = 6"),
                              QStringLiteral("Zone di 2° categoria: S = 9"),
                              QStringLiteral("Zone di 1° categoria: S = 12")}));
        QCOMPARE(coefficients::zoneCText(0), QStringLiteral("0,04g"));
        QCOMPARE(coefficients::zoneCText(2), QStringLiteral("0,1g"));
        QCOMPARE(coefficients::zoneSText(2), QStringLiteral("12 (zona di 1° categoria)"));
        for (int i = 0; i < coefficients::zoneCount; ++i) {
            const auto& z = coefficients::zone(i);
            QCOMPARE(z.c, (z.s - 2) / 100.0); // C = (S - 2) / 100
        }
    }

    void periodFormula() {
        QCOMPARE(numtext::formatRounded(formulas::period(10, 25)), QStringLiteral("0,2"));
        QCOMPARE(numtext::formatRounded(formulas::period(30, 16)), QStringLiteral("0,75"));
        QCOMPARE(numtext::formatRounded(formulas::period(9, 10)), QStringLiteral("0,28"));
        QVERIFY(!std::isfinite(formulas::period(10, 0)));
        QVERIFY(!std::isfinite(formulas::period(10, -4)));
    }
};

QTEST_APPLESS_MAIN(TestNumText)
#include "tst_numtext.moc"

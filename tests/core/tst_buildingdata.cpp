#include "core/buildingdata.h"

#include <QtTest>
#include <cfloat>
#include <cmath>

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(SharedNumber)

// The building data format on its own: values written come back exactly, of the same kind.
class TestBuildingData : public QObject {
    Q_OBJECT
  private slots:
    void sharedValuesComeBackExactly_data() {
        QTest::addColumn<float>("weight");
        QTest::addColumn<std::optional<QString>>("storey");
        QTest::addColumn<SharedNumber>("gamma");
        const std::optional<QString> neverSet;
        const std::optional<QString> cleared = QString();
        const auto typed = [](const char* t) {
            return std::optional<QString>(QString::fromLatin1(t));
        };
        QTest::newRow("never set") << 0.0f << neverSet << SharedNumber();
        QTest::newRow("emptied") << 0.1f << cleared << SharedNumber::cleared();
        QTest::newRow("cleared to 0") << 1234.567f << cleared << SharedNumber(0.0);
        QTest::newRow("computed") << 16777217.0f << typed("03") << SharedNumber(1.04);
        QTest::newRow("largest weight") << FLT_MAX << typed("9") << SharedNumber(4.5e13 + 0.01);
        QTest::newRow("smallest weight")
            << std::nextafter(0.0f, 1.0f) << typed("1") << SharedNumber(-0.35);
        QTest::newRow("seven digits not enough") << 0.3000001f << neverSet << SharedNumber(1e-300);
    }
    void sharedValuesComeBackExactly() {
        QFETCH(float, weight);
        QFETCH(std::optional<QString>, storey);
        QFETCH(SharedNumber, gamma);
        buildingdata::File file;
        file.shared.pesoEdificio = weight;
        file.shared.pesiPiani = QStringList{QStringLiteral("100,5"), QStringLiteral("1E3")};
        file.shared.quotePiani = QStringList{QStringLiteral("3")};
        file.shared.numeroPiano = storey;
        file.shared.gammaPiano = gamma;
        const auto back = buildingdata::read(buildingdata::write(file));
        QVERIFY2(back.file, qPrintable(back.error));
        const SharedValues& s = back.file->shared;
        QCOMPARE(s.pesoEdificio, weight);
        QCOMPARE(s.pesiPiani, file.shared.pesiPiani);
        QCOMPARE(s.quotePiani, file.shared.quotePiani);
        QCOMPARE(s.numeroPiano, storey);
        QCOMPARE(s.numeroPiano.has_value(), storey.has_value());
        QCOMPARE(s.gammaPiano.isNeverSet(), gamma.isNeverSet());
        QCOMPARE(s.gammaPiano.isCleared(), gamma.isCleared());
        QCOMPARE(s.gammaPiano, gamma);
    }
};

QTEST_GUILESS_MAIN(TestBuildingData)
#include "tst_buildingdata.moc"

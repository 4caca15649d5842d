#include "core/buildingdata.h"

#include <QtTest>
#include <cfloat>
#include <cmath>

// The building data format on its own: values written come back exactly, of the same kind.
class TestBuildingData : public QObject {
    Q_OBJECT
  private slots:
    void sharedValuesComeBackExactly_data() {
        QTest::addColumn<float>("weight");
        QTest::addColumn<QVariant>("storey");
        QTest::addColumn<QVariant>("gamma");
        QTest::newRow("never set") << 0.0f << QVariant() << QVariant();
        QTest::newRow("emptied") << 0.1f << QVariant(QString()) << QVariant(QString());
        QTest::newRow("cleared to 0") << 1234.567f << QVariant(QString()) << QVariant(0.0);
        QTest::newRow("computed") << 16777217.0f << QVariant(QStringLiteral("03"))
                                  << QVariant(1.04);
        QTest::newRow("largest weight")
            << FLT_MAX << QVariant(QStringLiteral("9")) << QVariant(4.5e13 + 0.01);
        QTest::newRow("smallest weight")
            << std::nextafter(0.0f, 1.0f) << QVariant(QStringLiteral("1")) << QVariant(-0.35);
        QTest::newRow("seven digits not enough") << 0.3000001f << QVariant() << QVariant(1e-300);
    }
    void sharedValuesComeBackExactly() {
        QFETCH(float, weight);
        QFETCH(QVariant, storey);
        QFETCH(QVariant, gamma);
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
        QCOMPARE(s.numeroPiano.typeId(), storey.typeId());
        QCOMPARE(s.gammaPiano.typeId(), gamma.typeId());
        QCOMPARE(s.gammaPiano, gamma);
    }
};

QTEST_GUILESS_MAIN(TestBuildingData)
#include "tst_buildingdata.moc"

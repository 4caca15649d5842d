#include "fixture.h"
#include "shell/routes.h"

#include <QChart>
#include <QChartView>
#include <QScatterSeries>

namespace {

const char* const W = "spettro";

QList<QXYSeries*> series(Fixture& f) {
    QList<QXYSeries*> out;
    for (QAbstractSeries* s : f.control<QChartView>(W, "Diagramma")->chart()->series())
        out << static_cast<QXYSeries*>(s);
    return out;
}

// Zone of 1st category (C = 0,1), I = 1,2, beta = 1,2, epsilon = 1,1: a plateau of 0,1584.
void chooseFirstZone(Fixture& f) {
    f.pick(W, "List2", 2);
    f.pick(W, "List1", 1);
    f.pick(W, "List3", 1);
    f.type(W, "Text3", QStringLiteral("1,1"));
}

} // namespace

class TestSpettro : public QObject {
    Q_OBJECT
  private slots:
    // The building's period from the period window, marked on the curve with its value.
    void periodFromPeriodWindowMarked() {
        Fixture f;
        f.menu("mnuperfonditem");
        f.type("periodo", "Text2", "16");
        f.type("periodo", "Text1", "40");
        f.click("periodo", "Command1"); // T = 0,1 * 40 / 4 = 1
        f.click("periodo", "Command2");
        routes::open(f.main(), f.forms(), routes::spectrum);
        QVERIFY(f.shown(W));
        QVERIFY(f.main().indicator(4));
        QCOMPARE(f.main().hint(), routes::spectrum.hint);
        QCOMPARE(f.text(W, "Text1"), QStringLiteral("1"));
        QCOMPARE(series(f)[0]->count(), 0); // nothing chosen: no curve
        chooseFirstZone(f);
        QCOMPARE(series(f)[0]->count(), 301);
        QCOMPARE(series(f)[1]->count(), 1);
        QCOMPARE(series(f)[1]->at(0).x(), 1.0);
        QCOMPARE(f.text(W, "Label13"), QStringLiteral("0,14"));
        QCOMPARE(series(f)[1]->pointLabelsFormat(), QStringLiteral("T = 1 sec, a/g = 0,14"));
    }

    // The point follows the period typed: a/g = 0,1584 * R(T) with R unrounded.
    void pointFollowsPeriod_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<double>("ordinate");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0,8 s") << "0,8" << 0.1584 << "0,16";
        QTest::newRow("1 s") << "1" << 0.1365408 << "0,14";
        QTest::newRow("2 s") << "2" << 0.0860153 << "0,09";
        QTest::newRow("3 s, the axis' end") << "3" << 0.0656420 << "0,07";
    }
    void pointFollowsPeriod() {
        QFETCH(QString, period);
        QFETCH(double, ordinate);
        QFETCH(QString, shown);
        Fixture f;
        routes::open(f.main(), f.forms(), routes::spectrum);
        chooseFirstZone(f);
        f.type(W, "Text1", period);
        QVERIFY(std::abs(series(f)[1]->at(0).y() - ordinate) < 1e-7);
        QCOMPARE(f.text(W, "Label13"), shown);
        // The point's label, centred over it, stays inside the diagram.
        QChart* chart = f.control<QChartView>(W, "Diagramma")->chart();
        QCoreApplication::processEvents();
        const double x = chart->mapToPosition(series(f)[1]->at(0), series(f)[1]).x();
        const int half = QFontMetrics(series(f)[1]->pointLabelsFont())
                             .horizontalAdvance(series(f)[1]->pointLabelsFormat()) /
                         2;
        QVERIFY2(x + half <= chart->size().width(), qPrintable(QString::number(x + half)));
    }

    // A coefficient refused in place draws nothing; a period refused marks no point.
    void badInputDrawsNothing() {
        Fixture f;
        routes::open(f.main(), f.forms(), routes::spectrum);
        chooseFirstZone(f);
        f.type(W, "Text1", QStringLiteral("1.5"));
        QCOMPARE(series(f)[0]->count(), 301);
        QCOMPARE(series(f)[1]->count(), 0);
        QVERIFY(f.text(W, "Label13").isEmpty());
        f.type(W, "Text3", QStringLiteral("-1"));
        QCOMPARE(series(f)[0]->count(), 0);
        f.type(W, "Text3", QStringLiteral("1,1"));
        f.type(W, "Text1", QStringLiteral("2"));
        QCOMPARE(series(f)[1]->count(), 1);
        QVERIFY(f.prompts.messages().empty());
    }
};

QTEST_MAIN(TestSpettro)
#include "tst_spettro.moc"

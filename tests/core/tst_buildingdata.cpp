#include "core/buildingdata.h"

#include <QtTest>
#include <cfloat>
#include <cmath>

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(SharedNumber)
Q_DECLARE_METATYPE(building::Building)

namespace {

// A storey from its values as typed, "" for a value missing: G, Q, s, h, W.
building::Storey storey(const char* g, const char* q, const char* s, const char* h, const char* w) {
    const auto value = [](const char* text) {
        return *text ? building::typed(QString::fromUtf8(text)) : std::nullopt;
    };
    return {value(g), value(q), value(s), value(h), value(w)};
}

} // namespace

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

    // The building, project data and storeys, comes back equal, and written again gives the
    // same bytes.
    void buildingComesBackEqual_data() {
        QTest::addColumn<building::Building>("edificio");
        building::Building project;
        project.project = {QStringLiteral("Scuola \"Dante\" – ampliamento\nlotto 2"),
                           QStringLiteral("Comune di Città di Castello"),
                           QStringLiteral("Umbertide (PG)"),
                           QStringLiteral("Ing. Maria Rossi"),
                           QStringLiteral("Ordine di Perugia n. A1234"),
                           QStringLiteral("12/03/2024"),
                           QStringLiteral("rev. 1 «bozza»")};
        building::Building typedWeights;
        typedWeights.storeys = {storey("", "", "", "3,5", "120,333"),
                                storey("", "", "", "6,50", "1E2")};
        building::Building fromLoads = project;
        fromLoads.storeys = {storey("100", "20", "0,33", "3", ""),
                             storey("90,5", "15", "0,3", "6", "")};
        building::Building missing;
        missing.storeys = {storey("", "", "", "", ""), storey("80", "", "0,3", "", ""),
                           storey("", "", "", "9", ""), storey("0", "0", "0", "0", "0")};
        building::Building tallest = project;
        for (int i = 1; i <= building::maxStoreys; ++i)
            tallest.storeys.push_back({std::nullopt, std::nullopt, std::nullopt,
                                       building::typed(QString::number(3 * i)),
                                       building::typed(QStringLiteral("95,5"))});
        building::Seismic seismic;
        seismic.zone = 2;
        seismic.protection = 1.4;
        seismic.structure = 1.2;
        seismic.foundation = building::typed(QStringLiteral("1,30"));
        building::Building chosen = fromLoads;
        chosen.sismica = seismic;
        building::Building epsilonOnly;
        epsilonOnly.sismica.foundation = building::typed(QStringLiteral("0"));
        building::Building firstOfEach;
        firstOfEach.sismica = {0, 1.0, 1.0, std::nullopt};
        building::Building period = fromLoads;
        period.periodo = {building::typed(QStringLiteral("22,50")),
                          building::typed(QStringLiteral("1E1"))};
        building::Building site = fromLoads;
        site.ntc = {building::typed(QStringLiteral("0,25")),
                    building::typed(QStringLiteral("2,4")),
                    building::typed(QStringLiteral("0,30")),
                    building::typed(QStringLiteral("5")),
                    building::typed(QStringLiteral("1,5")),
                    4,
                    3,
                    2,
                    1};
        building::Building soilOnly;
        soilOnly.ntc.soil = 0;
        soilOnly.ntc.topography = 0;
        soilOnly.ntc.periodSource = 0;
        soilOnly.ntc.basis = 0;
        QTest::newRow("nothing entered") << building::Building();
        QTest::newRow("NTC site: every value, subsoil E, T4") << site;
        QTest::newRow("NTC site: subsoil A, T1, T1 = T and k = 1 only") << soilOnly;
        QTest::newRow("H and B of the period as typed") << period;
        QTest::newRow("seismic data: S = 12, I = 1,4, beta = 1,2, epsilon as typed") << chosen;
        QTest::newRow("seismic data: epsilon 0 only") << epsilonOnly;
        QTest::newRow("seismic data: first item of each list") << firstOfEach;
        QTest::newRow("project data only") << project;
        QTest::newRow("W typed, as typed") << typedWeights;
        QTest::newRow("W from G + s*Q") << fromLoads;
        QTest::newRow("values missing") << missing;
        QTest::newRow("30 storeys") << tallest;
    }
    void buildingComesBackEqual() {
        QFETCH(building::Building, edificio);
        buildingdata::File file;
        file.shared.edificio = edificio;
        const QByteArray bytes = buildingdata::write(file);
        const auto back = buildingdata::read(bytes);
        QVERIFY2(back.file, qPrintable(back.error));
        QVERIFY(back.file->shared.edificio == edificio);
        QCOMPARE(back.file->shared.edificio.totalWeight(), edificio.totalWeight());
        QCOMPARE(buildingdata::write(*back.file), bytes);
    }

    // The NTC site's values are refused as the storeys' are, the categories by their names.
    void ntcSiteRefused_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("error");
        QTest::newRow("subsoil F") << QByteArray("\"C\"") << QByteArray("\"F\"")
                                   << "«edificio.ntc.sottosuolo» non è tra le scelte: \"F\"";
        QTest::newRow("T5") << QByteArray("\"T1\"") << QByteArray("\"T5\"")
                            << "«edificio.ntc.topografia» non è tra le scelte: \"T5\"";
        QTest::newRow("k 2") << QByteArray("\"k\": \"1,5\"") << QByteArray("\"k\": \"2\"")
                             << "«edificio.ntc.k» non è tra le scelte: \"2\"";
        QTest::newRow("ag negative") << QByteArray("\"0,25\"") << QByteArray("\"-0,25\"")
                                     << "«edificio.ntc.ag» è negativo: \"-0,25\"";
        QTest::newRow("F0 with a point") << QByteArray("\"2,4\"") << QByteArray("\"2.4\"")
                                         << "«edificio.ntc.F0» non è un numero: \"2.4\"";
    }
    void ntcSiteRefused() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        buildingdata::File file;
        building::NtcSite& site = file.shared.edificio.ntc;
        site.ag = building::typed(QStringLiteral("0,25"));
        site.f0 = building::typed(QStringLiteral("2,4"));
        site.soil = 2;
        site.topography = 0;
        site.basis = 1;
        QByteArray bytes = buildingdata::write(file);
        QVERIFY(bytes.contains(from));
        const auto back = buildingdata::read(bytes.replace(from, to));
        QVERIFY(!back.file);
        QTEST(back.error, "error");
    }
};

QTEST_GUILESS_MAIN(TestBuildingData)
#include "tst_buildingdata.moc"

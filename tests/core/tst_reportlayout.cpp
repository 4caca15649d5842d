#include "core/reportlayout.h"

#include <QHash>
#include <QtTest>

using namespace report;

// Every field reads back as a short code of its window and control ("fo.Label2" is
// forzeorizzontali.Label2), so a field taken from the wrong control or window shows.
#define NL "\r\n"

namespace {

const QHash<QString, QString> windowCodes{
    {"forzeorizzontali", "fo"}, {"forzeverticali", "fv"},   {"Sollecitazioni", "ds"},
    {"verifiche", "vs"},        {"analisidinamica1", "dm"}, {"azioniorizzontali", "ao"},
    {"azioniverticali", "av"},  {"analisidinamica2", "dn"},
};

// The heading label of the horizontal-actions window, as that window writes it for storey 3.
const QString storeyHeading = QString::fromUtf8("                       RELAZIONE ANALISI STATICA"
                                                "\r\n\r\n     FORZE ORIZZONTALI (3° PIANO)");

struct CodeReader {
    QStringList reads;
    QString heading = storeyHeading;
    QString operator()(const QString& window, const QString& control) {
        reads << window + QLatin1Char('.') + control;
        if (!windowCodes.contains(window))
            throw std::runtime_error("unknown window");
        if (window == QLatin1String("azioniorizzontali") && control == QLatin1String("Label1"))
            return heading;
        return windowCodes.value(window) + QLatin1Char('.') + control;
    }
};

QString run(Building b, Analysis a, Sections s, CodeReader& reader) {
    const auto text =
        compose(b, a, s, [&](const QString& w, const QString& c) { return reader(w, c); });
    return text ? *text : QStringLiteral("<no report>");
}

QString run(Building b, Analysis a, Sections s) {
    CodeReader reader;
    return run(b, a, s, reader);
}

// Title lines and section separators.
const QString titleStatic =
    QStringLiteral(NL "                      RELAZIONE ANALISI STATICA" NL NL);
const QString titleDynamic =
    QStringLiteral(NL "                      RELAZIONE ANALISI DINAMICA" NL NL);
const QString gap = QStringLiteral(NL NL);
const QString wideGap = QStringLiteral(NL NL NL);

// Masonry sections.
const QString masonryFOStaticBody =
    QStringLiteral(NL NL "    fo.Label2 fo.Text1 sec" NL NL "    fo.Label4 fo.Label5" NL NL
                         "    fo.Label7 fo.Label13" NL NL "    fo.Label8 fo.Label9" NL NL
                         "    fo.Label6 fo.Label11   " NL NL "    fo.Label1 fo.Text2 tonn" NL NL
                         "    fo.Label3 fo.Label10 tonn");
const QString masonryFOStatic = QStringLiteral("    FORZE ORIZZONTALI") + masonryFOStaticBody;

const QString masonryFOdynamicBody =
    QStringLiteral(NL NL "    dm.Label2 dm.Text1 sec" NL NL "    dm.Label4 dm.Label5" NL NL
                         "    dm.Label7 dm.Label10" NL NL "    dm.Label8 dm.Label9" NL NL
                         "    dm.Label6 dm.Label11   " NL NL "    dm.Label1 dm.Label3");
const QString masonryFODynamic = QStringLiteral("    FORZE ORIZZONTALI") + masonryFOdynamicBody;
const QString masonryFODynamic8 =
    QStringLiteral("        FORZE ORIZZONTALI") + masonryFOdynamicBody;

const QString masonryFVBody =
    QStringLiteral(NL NL "    fv.Label7 fv.Label4" NL NL "    fv.Label8 fv.Label9" NL NL
                         "    fv.Label10 fv.Text2 tonn" NL NL "    fv.Label5 fv.Label2" NL NL
                         "    fv.Label12 fv.Label13 tonn");
const QString masonryFV = QStringLiteral("    FORZE VERTICALI") + masonryFVBody;
const QString masonryFV8 = QStringLiteral("        FORZE VERTICALI") + masonryFVBody;
const QString masonryFVNoTails = QStringLiteral(
    "    FORZE VERTICALI" NL NL "    fv.Label7 fv.Label4" NL NL "    fv.Label8 fv.Label9" NL NL
    "    fv.Label10 fv.Text2" NL NL "    fv.Label5 fv.Label2" NL NL "    fv.Label12 fv.Label13");

const QString dsBody = QStringLiteral(
    "    ds.Label9" NL NL "    ds.Label6 ds.Text2 cm" NL NL "    ds.Label7 ds.Text4 cm" NL NL
    "    ds.Label8 ds.Label10 cm" NL NL "    ds.Label11 ds.Label12" NL NL
    "    ds.Label15 ds.Text3 cm" NL NL "    ds.Label13 ds.Label14 cm");
const QString ds = QStringLiteral("    DEFORMAZIONI SISMICHE  " NL NL) + dsBody;
const QString dsWithoutEntry3 = QStringLiteral(
    "    DEFORMAZIONI SISMICHE  " NL NL "    ds.Label9" NL NL "    ds.Label6 ds.Text2 cm" NL NL
    "    ds.Label8 ds.Label10 cm" NL NL "    ds.Label11 ds.Label12" NL NL
    "    ds.Label15 ds.Text3 cm" NL NL "    ds.Label13 ds.Label14 cm");

const QString vsBody =
    QStringLiteral(NL NL "    vs.Label2 vs.Text1 tonn" NL NL "    vs.Label3 vs.Text3 tonn" NL NL
                         "    vs.Label4 vs.Label5 tonn" NL NL "    vs.Label1 vs.text2 tonn" NL NL
                         "    vs.Label6 vs.Label7 tonn");
const QString vs = QStringLiteral("    VERIFICHE SISMICHE") + vsBody;
const QString vs8 = QStringLiteral("        VERIFICHE SISMICHE") + vsBody;

// Framed sections.
const QString framedOpening = QStringLiteral(NL "    ") + storeyHeading;
const QString framedFOEntries1to9 =
    QStringLiteral(NL NL "    ao.Label2 ao.Text1 sec" NL NL "    ao.Label4 ao.Label5" NL NL
                         "    ao.Label6 ao.Label16" NL NL "    ao.Label7 ao.Label10" NL NL
                         "    ao.Label8 ao.Label9   " NL NL "    ao.Label11 ao.Label15" NL NL
                         "    ao.Label3 ao.Text3" NL NL "    ao.Label14 ao.Text5" NL NL
                         "    ao.Label18 ao.Label21");
const QString framedFOEntries10to14 =
    QStringLiteral("    ao.Label26 ao.Text6 tonn" NL NL "    ao.Label23 ao.Label24" NL NL
                   "    ao.Label20 ao.Text7 tonn" NL NL "    ao.Label22 ao.Label28 tonn" NL NL
                   "    ao.Label12 ao.Label29 tonn");
const QString framedFO = framedOpening + framedFOEntries1to9 + gap + framedFOEntries10to14;
const QString framedFOSingleBreak =
    framedOpening + framedFOEntries1to9 + QStringLiteral(NL) + framedFOEntries10to14;

const QString framedFV =
    QStringLiteral("    FORZE VERTICALI" NL NL "    Tipo di Struttura: av.Label8" NL NL
                   "    av.Label2 av.Label3" NL NL "    av.Label4 av.Text1 tonn" NL NL
                   "    av.Label5 av.Label6 tonn");
const QString framedFVAlone =
    QStringLiteral("    FORZE VERTICALI" NL NL "    Tipo di Struttura: av.Label8" NL NL
                   "    av.Label2 av.Label3 tonn" NL NL "    av.Label4 av.Text1" NL NL
                   "    av.Label5 av.Label6 tonn");
const QString ds5 = QStringLiteral("     DEFORMAZIONI SISMICHE  " NL NL) + dsBody;
const QString dsBlankLine = QStringLiteral("    DEFORMAZIONI SISMICHE  " NL NL "    " NL) + dsBody;

const QString framedFODynamicEntries =
    QStringLiteral("    FORZE ORIZZONTALI" NL NL "    dn.Label2" NL NL
                   "    dn.Label4 dn.Label5" NL NL "    dn.Label6 dn.Label10" NL NL
                   "    dn.Label7 dn.Label16" NL NL "    dn.Label8 dn.Label9" NL NL
                   "    dn.Label3 dn.Text3   " NL NL "    dn.Label11 dn.Label15" NL NL);
const QString framedFODynamic =
    framedFODynamicEntries + QStringLiteral("    dn.Label12 dn.Label13");
const QString framedFODynamicWide =
    framedFODynamicEntries + QStringLiteral("    dn.Label12 dn.Label13");

const QString dsDynamicEntries1to4 = QStringLiteral(
    "    DEFORMAZIONI SISMICHE  " NL NL "    ds.Label9" NL NL "    ds.Label6 ds.Text2  cm" NL NL
    "    ds.Label7 ds.Text4  cm" NL NL "    ds.Label8 ds.Label10  cm" NL NL);
const QString dsDynamic = dsDynamicEntries1to4 + QStringLiteral("    ds.Label11 ds.Label12" NL NL
                                                                "    ds.Label15 ds.Text3  cm" NL NL
                                                                "    ds.Label13 ds.Label14  cm");
const QString dsDynamicWideLast =
    dsDynamicEntries1to4 + QStringLiteral("    ds.Label11 ds.Label12" NL NL
                                          "    ds.Label15 ds.Text3  cm" NL NL
                                          "    ds.Label13 ds.Label14   cm");
const QString dsDynamicShifted =
    dsDynamicEntries1to4 + QStringLiteral("    ds.Label11 ds.Label12  cm" NL NL
                                          "    ds.Label15 ds.Text3" NL NL
                                          "    ds.Label13 ds.Label14  cm");

const QString vsDynamicEntries1to4 = QStringLiteral(
    NL NL "    vs.Label2 vs.Text1  tonn" NL NL "    vs.Label3 vs.Text3  tonn" NL NL
          "    vs.Label4 vs.Label5  tonn" NL NL "    vs.Label1 vs.text2  tonn" NL NL);
const QString vsDynamic = QStringLiteral("    VERIFICHE SISMICHE") + vsDynamicEntries1to4 +
                          QStringLiteral("    vs.Label6 vs.Label7  tonn");
const QString vsDynamic5 = QStringLiteral("     VERIFICHE SISMICHE") + vsDynamicEntries1to4 +
                           QStringLiteral("    vs.Label6 vs.Label7  tonn");
const QString vsDynamicIndent3 = QStringLiteral("    VERIFICHE SISMICHE") + vsDynamicEntries1to4 +
                                 QStringLiteral("   vs.Label6 vs.Label7  tonn");

constexpr Analysis St = Analysis::Static;
constexpr Analysis Dy = Analysis::Dynamic;

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
  private slots:
    void masonry_data() {
        QTest::addColumn<int>("analysis");
        QTest::addColumn<unsigned>("sections");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, Analysis a, Sections s, const QString& text) {
            QTest::newRow(name) << int(a) << s << text;
        };
        row("static FO", St, FO, titleStatic + masonryFOStatic);
        row("static FO FV", St, FO | FV, titleStatic + masonryFOStatic + wideGap + masonryFV8);
        row("static FV", St, FV, titleStatic + masonryFVNoTails);
        row("static VS", St, VS, titleStatic + vs);
        row("static DS", St, DS, titleStatic + ds);
        row("static FO DS", St, FO | DS, titleStatic + masonryFOStatic + gap + ds);
        row("static FO VS", St, FO | VS, titleStatic + masonryFOStatic + wideGap + vs);
        row("static FO FV DS", St, FO | FV | DS,
            titleStatic + masonryFOStatic + gap + masonryFV + gap + ds);
        row("static FO FV DS VS", St, FO | FV | DS | VS,
            titleStatic + masonryFOStatic + gap + masonryFV8 + gap + ds + gap + vs);
        row("static FV DS", St, FV | DS, titleStatic + masonryFV + gap + ds);
        row("static DS VS", St, DS | VS, titleStatic + ds + gap + vs);
        row("static FV VS", St, FV | VS, titleStatic + masonryFV + gap + vs);
        row("static FO FV VS", St, FO | FV | VS,
            titleStatic + masonryFOStatic + gap + masonryFV + gap + vs);
        row("static FO DS VS", St, FO | DS | VS,
            titleStatic + masonryFOStatic + gap + ds + gap + vs);
        row("static FV DS VS", St, FV | DS | VS, titleStatic + masonryFV + gap + ds + gap + vs);
        row("dynamic FO", Dy, FO, titleDynamic + masonryFODynamic);
        row("dynamic DS", Dy, DS, titleDynamic + dsWithoutEntry3);
        row("dynamic VS", Dy, VS, titleDynamic + vs8);
        row("dynamic FO DS", Dy, FO | DS, titleDynamic + masonryFODynamic + gap + ds);
        row("dynamic FO VS", Dy, FO | VS, titleDynamic + masonryFODynamic + gap + vs);
        row("dynamic DS VS", Dy, DS | VS, titleDynamic + ds + gap + vs);
        row("dynamic FO DS VS", Dy, FO | DS | VS,
            titleDynamic + masonryFODynamic8 + gap + ds + gap + vs);
    }
    void masonry() {
        QFETCH(int, analysis);
        QFETCH(unsigned, sections);
        QFETCH(QString, expected);
        QCOMPARE(run(Building::Masonry, Analysis(analysis), sections), expected);
    }

    void framed_data() {
        QTest::addColumn<int>("analysis");
        QTest::addColumn<unsigned>("sections");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, Analysis a, Sections s, const QString& text) {
            QTest::newRow(name) << int(a) << s << text;
        };
        row("static FO", St, FO, framedFO + QStringLiteral(NL NL));
        row("static FV", St, FV, titleStatic + framedFVAlone);
        row("static FO FV", St, FO | FV, framedFO + gap + framedFV);
        row("static VS", St, VS, titleStatic + vs);
        row("static DS", St, DS, titleStatic + ds + QStringLiteral(NL NL));
        row("static FO DS", St, FO | DS, framedFOSingleBreak + gap + ds);
        row("static FO VS", St, FO | VS, framedFO + wideGap + vs);
        row("static FO FV DS", St, FO | FV | DS, framedFO + gap + framedFV + gap + ds);
        row("static FO FV DS VS", St, FO | FV | DS | VS,
            framedFO + gap + framedFV + gap + ds + gap + vs);
        row("static FV DS", St, FV | DS,
            titleStatic + framedFV + gap + ds5 + QStringLiteral(NL NL));
        row("static DS VS", St, DS | VS, titleStatic + ds + gap + vs);
        row("static FV VS", St, FV | VS, titleStatic + framedFV + gap + vs);
        row("static FO FV VS", St, FO | FV | VS, framedFO + gap + framedFV + gap + vs8);
        row("static FO DS VS", St, FO | DS | VS, framedFO + gap + ds + gap + vs);
        row("static FV DS VS", St, FV | DS | VS,
            titleStatic + framedFV + gap + dsBlankLine + gap + vs8);
        row("dynamic FO", Dy, FO, titleDynamic + framedFODynamic);
        row("dynamic DS", Dy, DS, titleDynamic + dsDynamic);
        row("dynamic VS", Dy, VS, titleDynamic + vsDynamic5);
        row("dynamic FO DS", Dy, FO | DS,
            titleDynamic + framedFODynamicWide + gap + dsDynamicWideLast);
        row("dynamic FO VS", Dy, FO | VS, titleDynamic + framedFODynamic + gap + vsDynamic);
        row("dynamic DS VS", Dy, DS | VS, titleDynamic + dsDynamic + gap + vsDynamic);
        row("dynamic FO DS VS", Dy, FO | DS | VS,
            titleDynamic + framedFODynamic + gap + dsDynamicShifted + gap + vsDynamicIndent3);
    }
    void framed() {
        QFETCH(int, analysis);
        QFETCH(unsigned, sections);
        QFETCH(QString, expected);
        QCOMPARE(run(Building::Framed, Analysis(analysis), sections), expected);
    }

    void everyRowOnceAndNothingElse() {
        for (Building b : {Building::Masonry, Building::Framed}) {
            const auto rows = combinations(b);
            QCOMPARE(rows.size(), size_t(22));
            QSet<unsigned> seen;
            for (const Combination& c : rows)
                seen.insert(c.sections | (c.analysis == Analysis::Dynamic ? 16u : 0u));
            QCOMPARE(seen.size(), 22);
            // An empty set, or vertical forces in a dynamic report, is not a report.
            CodeReader reader;
            QVERIFY(!compose(b, St, 0, std::ref(reader)));
            QVERIFY(!compose(b, Dy, 0, std::ref(reader)));
            QVERIFY(!compose(b, Dy, FV, std::ref(reader)));
            QVERIFY(!compose(b, Dy, FO | FV, std::ref(reader)));
            QVERIFY(reader.reads.isEmpty());
        }
        // The framed composer compares the vertical forces alone before FO FV.
        const auto framedRows = combinations(Building::Framed);
        QCOMPARE(framedRows[1].sections, Sections(FV));
        QCOMPARE(framedRows[2].sections, Sections(FO | FV));
        QCOMPARE(combinations(Building::Masonry)[1].sections, Sections(FO | FV));
    }

    void readsInLayoutOrder() {
        // Windows may load (and ask) when first read: the order is the layout's.
        CodeReader reader;
        run(Building::Framed, St, FO | FV, reader);
        QCOMPARE(reader.reads.first(), QStringLiteral("azioniorizzontali.Label1"));
        QCOMPARE(reader.reads.mid(1, 3),
                 (QStringList{"azioniorizzontali.Label2", "azioniorizzontali.Text1",
                              "azioniorizzontali.Label4"}));
        QCOMPARE(reader.reads.last(), QStringLiteral("azioniverticali.Label6"));
        QCOMPARE(reader.reads.size(), 1 + 14 * 2 + 1 + 3 * 2);
    }

    void emptyStoreyHeadingLeavesABlankLine() {
        CodeReader reader;
        reader.heading.clear();
        const QString text = run(Building::Framed, St, FO | VS, reader);
        QVERIFY(text.startsWith(QStringLiteral(NL "    " NL NL "    ao.Label2 ao.Text1 sec" NL)));
    }

    void valuesAreCopiedAsShown() {
        // Real captions; a window never computed leaves its values empty; a value with line
        // breaks or blanks is copied unchanged.
        const QHash<QString, QString> shown{
            {"Label2", "Periodo Fondamentale della Struttura (T):"},
            {"Text1", "0,75"},
            {"Label4", "Coefficiente di Risposta (R):"},
            {"Label5", "1"},
            {"Label7", QString::fromUtf8("Grado di Sismicità (S):")},
            {"Label13", QString::fromUtf8("6 (zona di 3° categoria)")},
            {"Label8", QString::fromUtf8("Coefficiente di Intensità Sismica (C):")},
            {"Label9", "0,04g"},
            {"Label6", "Coefficiente di Protezione Sismica (I):"},
            {"Label11", " 1,2\r\n"},
            {"Label1", "Peso della Struttura (W):"},
            {"Text2", "1250,5"},
            {"Label3", "Forza Orizzontale (Fh):"},
        };
        const auto text = compose(Building::Masonry, St, FO,
                                  [&](const QString&, const QString& c) { return shown.value(c); });
        QCOMPARE(*text,
                 QString::fromUtf8("\r\n                      RELAZIONE ANALISI STATICA\r\n\r\n"
                                   "    FORZE ORIZZONTALI\r\n\r\n"
                                   "    Periodo Fondamentale della Struttura (T): 0,75 sec\r\n\r\n"
                                   "    Coefficiente di Risposta (R): 1\r\n\r\n"
                                   "    Grado di Sismicità (S): 6 (zona di 3° categoria)\r\n\r\n"
                                   "    Coefficiente di Intensità Sismica (C): 0,04g\r\n\r\n"
                                   "    Coefficiente di Protezione Sismica (I):  1,2\r\n   \r\n\r\n"
                                   "    Peso della Struttura (W): 1250,5 tonn\r\n\r\n"
                                   "    Forza Orizzontale (Fh):  tonn"));
    }

    void aFailedReadGivesNoText() {
        bool reached = false;
        try {
            compose(Building::Masonry, St, FO | VS, [&](const QString& w, const QString&) {
                if (w == QLatin1String("verifiche"))
                    throw std::runtime_error("not readable");
                return QString();
            });
            reached = true;
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!reached);
    }
};

QTEST_GUILESS_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"

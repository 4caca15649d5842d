#include "core/building.h"

#include <QtTest>

using building::Storey;
using building::Typed;

namespace {

std::optional<Typed> t(const char* text) {
    return building::typed(QString::fromUtf8(text));
}

Storey storey(const char* g, const char* q, const char* s, const char* w = nullptr) {
    Storey st;
    st.g = g ? t(g) : std::nullopt;
    st.q = q ? t(q) : std::nullopt;
    st.s = s ? t(s) : std::nullopt;
    st.weight = w ? t(w) : std::nullopt;
    return st;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)

class TestBuilding : public QObject {
    Q_OBJECT
  private slots:
    // W = G + s * Q unless W is typed; P = sum of W.
    void storeyWeightAndTotal() {
        struct Row {
            const char* what;
            std::vector<Storey> storeys;
            std::vector<std::optional<double>> w;
            std::optional<double> p;
        };
        const Row rows[] = {
            {"W = 80 + 0,33 * 30 = 89,9", {storey("80", "30", "0,33")}, {89.9}, 89.9},
            {"typed W wins over the loads", {storey("80", "30", "0,33", "100")}, {100.0}, 100.0},
            {"W typed alone (questionnaire)",
             {storey(nullptr, nullptr, nullptr, "120,333")},
             {120.333},
             120.333},
            {"no s: no W, no P",
             {storey("80", "30", nullptr), storey(nullptr, nullptr, nullptr, "5")},
             {std::nullopt, 5.0},
             std::nullopt},
            {"two storeys: P = 89,9 + 1 * 10 + 0",
             {storey("80", "30", "0,33"), storey("10", "0", "1")},
             {89.9, 10.0},
             99.9},
            {"no storeys: no P", {}, {}, std::nullopt},
        };
        for (const Row& row : rows) {
            building::Building b;
            b.storeys = row.storeys;
            for (size_t i = 0; i < row.w.size(); ++i) {
                const auto w = b.storeys[i].w();
                QVERIFY2(w.has_value() == row.w[i].has_value(), row.what);
                if (w)
                    QVERIFY2(qFuzzyCompare(*w, *row.w[i]), row.what);
            }
            const auto p = b.totalWeight();
            QVERIFY2(p.has_value() == row.p.has_value(), row.what);
            if (p)
                QVERIFY2(qFuzzyCompare(*p, *row.p), row.what);
        }
    }

    void spreadsheetCells_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<std::optional<double>>("value");
        QTest::newRow("comma") << "1,5" << std::optional<double>(1.5);
        QTest::newRow("point") << "1.5" << std::optional<double>(1.5);
        QTest::newRow("Italian grouping") << "1.234,5" << std::optional<double>(1234.5);
        QTest::newRow("English grouping") << "1,234.5" << std::optional<double>(1234.5);
        QTest::newRow("grouping only, points") << "1.234.567" << std::optional<double>(1234567.0);
        QTest::newRow("blank grouping") << "1 234,5" << std::optional<double>(1234.5);
        QTest::newRow("blanks around") << "  12 " << std::optional<double>(12.0);
        QTest::newRow("text") << "dodici" << std::optional<double>();
        QTest::newRow("unit in the cell") << "12 t" << std::optional<double>();
    }
    void spreadsheetCells() {
        QFETCH(QString, cell);
        QFETCH(std::optional<double>, value);
        QCOMPARE(building::spreadsheetNumber(cell), value);
    }

    // Rows from a spreadsheet: each line a storey, cells in G, Q, s, h, W from the column
    // given; cells that are not numbers (or negative) are refused in place, the rest kept.
    void pastedRows() {
        const QString clipboard = QStringLiteral("80\t30\t0,33\t3,5\r\n"
                                                 "75.5\tx\t0.33\t7\t\r\n"
                                                 "\t\t\t10,5\t-4\r\n");
        const building::Pasted p = building::pasteRows(clipboard);
        QCOMPARE(p.storeys.size(), size_t(3));
        Storey first = storey("80", "30", "0,33");
        first.h = t("3,5");
        QCOMPARE(p.storeys[0], first);
        QCOMPARE(p.storeys[1].g, t("75,5"));
        QVERIFY(!p.storeys[1].q);
        QCOMPARE(p.storeys[1].s, t("0,33"));
        QVERIFY(!p.storeys[2].g && !p.storeys[2].weight);
        QCOMPARE(p.storeys[2].h, t("10,5"));
        QCOMPARE(p.refused.size(), size_t(2));
        QCOMPARE(p.refused[0].row, 1);
        QCOMPARE(p.refused[0].column, 1);
        QCOMPARE(p.refused[0].text, QStringLiteral("x"));
        QCOMPARE(p.refused[1].row, 2);
        QCOMPARE(p.refused[1].column, 4);
        QCOMPARE(p.spans, std::vector<int>({4, 5, 5}));

        // Pasted from the h column on: the first cell is h, the second W; more are dropped.
        const building::Pasted fromH = building::pasteRows(QStringLiteral("3\t120\t9"), 3);
        QCOMPARE(fromH.storeys.size(), size_t(1));
        QCOMPARE(fromH.storeys[0].h, t("3"));
        QCOMPARE(fromH.storeys[0].weight, t("120"));
        QVERIFY(fromH.refused.empty());
        QCOMPARE(fromH.spans, std::vector<int>({2}));
    }
};

QTEST_APPLESS_MAIN(TestBuilding)
#include "tst_building.moc"

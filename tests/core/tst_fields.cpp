#include "core/fields.h"

#include <QtTest>

// The quantities a report must state once for the whole building: which fields disagree.
class TestFields : public QObject {
    Q_OBJECT
  private slots:
    void disagreements() {
        struct Row {
            const char* what;
            QHash<QString, QString> shown; // by key; a key not here is not read
            QStringList disagreeing;       // quantity names, in table order
        };
        const Row rows[] = {
            {"one window: nothing to compare", {{"forzeorizzontali.S", "9"}}, {}},
            {"same zone in two sections",
             {{"forzeorizzontali.S", "9 (zona di 2° categoria)"},
              {"forzeverticali.S", "9 (zona di 2° categoria)"}},
             {}},
            {"two zones",
             {{"forzeorizzontali.S", "9 (zona di 2° categoria)"},
              {"forzeverticali.S", "6 (zona di 3° categoria)"}},
             {"zona sismica (S)"}},
            {"same period written two ways",
             {{"periodo.T", "0,5"}, {"forzeorizzontali.T", "0,50"}},
             {}},
            {"period typed over the building's",
             {{"periodo.T", "0,37"}, {"azioniorizzontali.T", "0,75"}},
             {"periodo fondamentale (T)"}},
            {"an empty value takes no part",
             {{"periodo.T", ""}, {"forzeorizzontali.T", "0,5"}, {"analisidinamica1.T", "0,5"}},
             {}},
            {"storey weight is no total weight",
             {{"forzeorizzontali.W", "220"}, {"azioniorizzontali.W", "89"}},
             {}},
            {"two totals and two periods",
             {{"forzeorizzontali.W", "220"},
              {"azioniverticali.W", "221"},
              {"periodo.T", "1"},
              {"forzeorizzontali.T", "0,5"}},
             {"periodo fondamentale (T)", "peso dell'edificio (W)"}},
        };
        for (const Row& row : rows) {
            const auto read = [&](const fields::Field& f) -> std::optional<QString> {
                const QString key = QString::fromLatin1(f.key);
                return row.shown.contains(key) ? std::optional<QString>(row.shown.value(key))
                                               : std::nullopt;
            };
            QStringList names;
            for (const fields::Disagreement& d : fields::disagreements(read))
                names << QString::fromUtf8(d.quantity->name);
            QVERIFY2(names == row.disagreeing, row.what);
        }
        // Every key a quantity names is a field of the table.
        for (const fields::Quantity& q : fields::buildingQuantities())
            for (const char* key : q.keys)
                QVERIFY2(fields::find(QString::fromLatin1(key)), key);
    }
};

QTEST_APPLESS_MAIN(TestFields)
#include "tst_fields.moc"

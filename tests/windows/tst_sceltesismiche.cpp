#include "fixture.h"
#include "shell/buildingfile.h"

#include <QTemporaryDir>

// The zone, I, beta and epsilon chosen in one calculation window are the building's: the
// windows opened afterwards start with them chosen, as the user would have chosen them.
Q_DECLARE_METATYPE(building::Seismic)

namespace {

struct Opened {
    const char* menu;
    const char* window;
    const char* storey; // asked at load by the horizontal actions, else nullptr
};
const Opened masonryHorizontal{"mnuforzeorizzontaliitem", "forzeorizzontali", nullptr};
const Opened masonryVertical{"mnuforzeverticaliitem", "forzeverticali", nullptr};
const Opened masonryDynamic{"mnuanldinitem", "analisidinamica1", nullptr};
const Opened framedDynamic{"mnuanalisidinItem", "analisidinamica2", nullptr};
const Opened framedHorizontal{"mnuazorizzitem", "azioniorizzontali", "1"};
const Opened spectrum{"mnuspettroitem", "spettro", nullptr};

} // namespace
Q_DECLARE_METATYPE(Opened)
namespace {

QDialog* open(Fixture& f, const Opened& o) {
    if (o.storey)
        f.prompts.answer({o.storey});
    f.menu(o.menu);
    return f.window(o.window);
}

// "List2=1" picks the second item of List2, "Text3=1,3" types into Text3.
void choose(QDialog* w, const QStringList& choices) {
    for (const QString& choice : choices) {
        const QString name = choice.section(QLatin1Char('='), 0, 0);
        const QString value = choice.section(QLatin1Char('='), 1);
        if (auto* list = w->findChild<QListWidget*>(name))
            list->setCurrentRow(value.toInt());
        else if (auto* box = w->findChild<QLineEdit*>(name))
            box->setText(value);
        else
            QFAIL(qPrintable(name));
    }
}

// Leaves a window the way that keeps nothing of it: "Annulla", or "Chiudi" where it has none.
void leave(QDialog* w) {
    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Annulla") || b->text() == QLatin1String("Chiudi"))
            return b->click();
    QFAIL("no way out");
}

// What happens between the two windows: nothing, the session saved and opened again in a new
// one, or the project and storeys confirmed in "Dati dell'edificio".
enum class Between { Nothing, File, BuildingWindow };

// What a window shows and holds: every label, box and the chosen row of every list.
QMap<QString, QString> state(QDialog* w) {
    QMap<QString, QString> out;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            out.insert(l->objectName(), l->text());
    for (QLineEdit* t : w->findChildren<QLineEdit*>())
        if (!t->objectName().isEmpty())
            out.insert(t->objectName(), t->text());
    for (QListWidget* list : w->findChildren<QListWidget*>()) {
        const auto selected = list->selectedItems();
        out.insert(list->objectName(),
                   QString::number(selected.isEmpty() ? -1 : list->row(selected.first())));
    }
    return out;
}

building::Seismic seismic(std::optional<int> zone, std::optional<double> i,
                          std::optional<double> beta, const char* epsilon) {
    return {zone, i, beta, *epsilon ? building::typed(QString::fromUtf8(epsilon)) : std::nullopt};
}

} // namespace

class TestScelteSismiche : public QObject {
    Q_OBJECT
  private slots:
    // Chosen in one window, given up, then another window opened: it shows what a user
    // choosing the same by hand in a window of a fresh session would see.
    void laterWindowsStartWithTheBuildingsChoices() {
        struct Case {
            const char* what;
            Opened first;
            QStringList chosen;
            Between between;
            Opened second;
            QStringList same; // the same choices in the second window's lists
        };
        const Case cases[] = {
            {"zone and I; the dynamic analysis lists I with a point",
             masonryHorizontal,
             {"List2=2", "List1=1"},
             Between::Nothing,
             masonryDynamic,
             {"List2=2", "List1=1"}},
            {"zone alone: I stays unchosen",
             masonryVertical,
             {"List2=1"},
             Between::Nothing,
             masonryHorizontal,
             {"List2=1"}},
            {"I, zone, beta, epsilon; beta listed without its blank",
             framedDynamic,
             {"List1=2", "List2=0", "List3=1", "Text3=1,3"},
             Between::Nothing,
             framedHorizontal,
             {"List1=2", "List2=0", "List3=1", "Text3=1,3"}},
            {"into the spectrum, whose changes redraw it",
             framedHorizontal,
             {"List1=0", "List2=1", "List3=0", "Text3=0,9"},
             Between::Nothing,
             spectrum,
             {"List1=0", "List2=1", "List3=0", "Text3=0,9"}},
            {"through a building data file",
             framedDynamic,
             {"List1=1", "List2=2", "List3=1", "Text3=1,15"},
             Between::File,
             masonryDynamic,
             {"List2=2", "List1=1"}},
            {"the project and storeys confirmed in between",
             masonryVertical,
             {"List2=0"},
             Between::BuildingWindow,
             framedDynamic,
             {"List2=0"}},
            {"nothing chosen: nothing chosen",
             masonryHorizontal,
             {},
             Between::Nothing,
             framedDynamic,
             {}},
            {"the last choice counts",
             masonryHorizontal,
             {"List2=0", "List2=2"},
             Between::Nothing,
             masonryVertical,
             {"List2=2"}},
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("edificio.tremora"));
        for (const Case& c : cases) {
            auto f = std::make_unique<Fixture>();
            QDialog* first = open(*f, c.first);
            QVERIFY2(first, c.what);
            choose(first, c.chosen);
            if (c.between == Between::File) {
                // Saved while the first window is still open, so that the file holds it.
                QCOMPARE(buildingfile::save(f->forms(), f->shared(), path), QString());
                f = std::make_unique<Fixture>();
                QCOMPARE(buildingfile::open(f->forms(), f->shared(), path), QString());
            } else {
                leave(first);
            }
            if (c.between == Between::BuildingWindow) {
                f->menu("mnudatiedificioitem");
                f->click("datiedificio", "cmdOK");
            }
            QDialog* second = open(*f, c.second);
            QVERIFY2(second, c.what);

            Fixture byHand;
            QDialog* expected = open(byHand, c.second);
            choose(expected, c.same);
            const QMap<QString, QString> shown = state(second), wanted = state(expected);
            QStringList differing;
            for (auto it = wanted.begin(); it != wanted.end(); ++it)
                if (shown.value(it.key()) != it.value())
                    differing << it.key() + QStringLiteral(": \"") + shown.value(it.key()) +
                                     QStringLiteral("\" instead of \"") + it.value() +
                                     QLatin1Char('"');
            QVERIFY2(shown.keys() == wanted.keys() && differing.isEmpty(),
                     qPrintable(QString::fromUtf8(c.what) + QStringLiteral(": ") +
                                differing.join(QStringLiteral(", "))));
        }
    }

    // A choice made in a window opened with the building's choices becomes the building's;
    // a box emptied or refused leaves the building without epsilon.
    void aChangeInAnyWindowIsTheBuildings_data() {
        QTest::addColumn<Opened>("opened");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<building::Seismic>("building");
        QTest::newRow("zone and I in the horizontal forces")
            << masonryHorizontal << QStringList{"List2=0", "List1=2"}
            << seismic(0, 1.4, 1.2, "1,3");
        QTest::newRow("I picked as \" 1.0\"")
            << masonryDynamic << QStringList{"List1=0"} << seismic(2, 1.0, 1.2, "1,3");
        QTest::newRow("beta picked as \" 1\"")
            << framedHorizontal << QStringList{"List3=0"} << seismic(2, 1.2, 1.0, "1,3");
        QTest::newRow("epsilon typed, as typed")
            << spectrum << QStringList{"Text3=1,20"} << seismic(2, 1.2, 1.2, "1,20");
        QTest::newRow("epsilon emptied")
            << framedDynamic << QStringList{"Text3="} << seismic(2, 1.2, 1.2, "");
        QTest::newRow("epsilon negative")
            << framedDynamic << QStringList{"Text3=-1"} << seismic(2, 1.2, 1.2, "");
    }
    void aChangeInAnyWindowIsTheBuildings() {
        QFETCH(Opened, opened);
        QFETCH(QStringList, changes);
        QFETCH(building::Seismic, building);
        Fixture f;
        f.shared().edificio.sismica = seismic(2, 1.2, 1.2, "1,3");
        choose(open(f, opened), changes);
        QVERIFY(f.shared().edificio.sismica == building);
    }

    // A coefficient the window's list does not offer leaves the list unchosen.
    void aValueTheListLacksIsNotChosen_data() {
        QTest::addColumn<building::Seismic>("building");
        QTest::addColumn<QString>("list");
        QTest::newRow("I = 1,3") << seismic(1, 1.3, 1.2, "") << QStringLiteral("List1");
        QTest::newRow("beta = 1,4") << seismic(1, 1.2, 1.4, "") << QStringLiteral("List3");
    }
    void aValueTheListLacksIsNotChosen() {
        QFETCH(building::Seismic, building);
        QFETCH(QString, list);
        Fixture f;
        f.shared().edificio.sismica = building;
        const QMap<QString, QString> shown = state(open(f, framedDynamic));
        QCOMPARE(shown.value(list), QStringLiteral("-1"));
        QCOMPARE(shown.value(QStringLiteral("List2")), QStringLiteral("1"));
        QVERIFY(f.shared().edificio.sismica == building);
    }
};

QTEST_MAIN(TestScelteSismiche)
#include "tst_sceltesismiche.moc"

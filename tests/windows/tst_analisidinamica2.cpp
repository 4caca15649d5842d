#include "fixture.h"
#include "windows/messages.h"

namespace {
const char* const W = "analisidinamica2";
}

class TestAnalisiDinamica2 : public QObject {
    Q_OBJECT
  private slots:
    void spectrumOrdinate() {
        Fixture f;
        f.menu("mnuanalisidinItem");
        QVERIFY(f.shown(W));
        QVERIFY(f.main().indicator(9));
        QCOMPARE(f.main().hint(), QStringLiteral("a/g = C * R * β * ε * I"));
        QCOMPARE(f.window(W)->windowTitle(), QStringLiteral("Analisi Dinamica"));
        QCOMPARE(f.text(W, "Label5"), QStringLiteral("1"));
        QCOMPARE(f.text(W, "Label11"), QStringLiteral("Coefficiente di Struttura (ß):"));
        QCOMPARE(f.text(W, "Label17"), QStringLiteral("ε ="));

        f.pick(W, "List2", 2);
        f.type(W, "Text3", QStringLiteral("1,2"));
        f.pick(W, "List3", 1);
        f.pick(W, "List1", 2);
        QCOMPARE(f.text(W, "Label9"), QStringLiteral("0,1g"));
        QCOMPARE(f.text(W, "Label14"), QStringLiteral("0,1"));
        QCOMPARE(f.text(W, "Label16"), QStringLiteral("12 (zona di 1° categoria)"));
        QCOMPARE(f.text(W, "Label15"), QStringLiteral("1,2"));
        QCOMPARE(f.text(W, "Label10"), QStringLiteral("1,4"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label13"), QStringLiteral("0,2")); // 0,2016

        f.pick(W, "List2", 0);
        f.type(W, "Text3", QStringLiteral("1"));
        f.pick(W, "List3", 0);
        f.pick(W, "List1", 0);
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label13"), QStringLiteral("0,04"));

        // Not a number: silent, and the result of the old epsilon is gone.
        f.type(W, "Text3", QStringLiteral("uno"));
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label13"), QString());
        QVERIFY(f.prompts.messages().empty());

        f.type(W, "Text3", QStringLiteral("1"));
        f.click(W, "Command1");
        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastTitle(), messages::titleStored);
        QCOMPARE(f.prompts.lastMessage(), messages::storedDynamic);
        QVERIFY(!f.shown(W));
        QVERIFY(!f.main().indicator(9));
        QCOMPARE(f.text(W, "Label13"), QStringLiteral("0,04"));
    }

    void missingProtectionEmptiesTheResult() {
        Fixture f;
        f.menu("mnuanalisidinItem");
        f.click(W, "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);
        QVERIFY(f.shown(W));
        QVERIFY(!f.main().indicator(9));

        f.pick(W, "List2", 1);
        f.type(W, "Text3", QStringLiteral("1"));
        f.pick(W, "List3", 0);
        f.pick(W, "List1", 1);
        f.click(W, "Command1");
        QCOMPARE(f.text(W, "Label13"), QStringLiteral("0,08")); // 0,07 * 1,2 = 0,084
        f.control<QListWidget>(W, "List1")->setCurrentRow(-1);
        const size_t before = f.prompts.messages().size();
        f.click(W, "Command1");
        QCOMPARE(f.prompts.messages().size(), before);
        QCOMPARE(f.text(W, "Label13"), QString());
        f.click(W, "Command3");
        QCOMPARE(f.prompts.lastMessage(), messages::pressCompute);

        f.click(W, "Command2");
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded(W));
        f.menu("mnuanalisidinItem");
        QCOMPARE(f.text(W, "Label13"), QString());
        QCOMPARE(f.text(W, "Text3"), QStringLiteral("1")); // the building's epsilon
        f.click(W, "Command4");
        QCOMPARE(f.help.requests.back().window, QStringLiteral("edifici intelaiati"));
        QCOMPARE(f.help.requests.back().context, 1050);
    }

    void focusedListsChooseNothing() {
        Fixture f;
        f.menu("mnuanalisidinItem");
        f.pick(W, "List2", 1);
        f.type(W, "Text3", QStringLiteral("1"));
        // The keyboard focus makes the first item of a list current without choosing it.
        for (const char* name : {"List1", "List3"}) {
            auto* list = f.control<QListWidget>(W, name);
            list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
        QCOMPARE(f.text(W, "Label15"), QString());
        QCOMPARE(f.text(W, "Label10"), QString());
        f.click(W, "Command1");
        QCOMPARE(f.prompts.lastMessage(), messages::fillAll);

        f.pick(W, "List3", 0);
        const size_t before = f.prompts.messages().size();
        f.click(W, "Command1");
        QCOMPARE(f.prompts.messages().size(), before);
        QCOMPARE(f.text(W, "Label13"), QString());
    }

    void tabOrder() {
        Fixture f;
        f.menu("mnuanalisidinItem");
        auto next = [](QWidget* w) {
            QWidget* n = w->nextInFocusChain();
            while (n->focusPolicy() == Qt::NoFocus || !n->isVisibleTo(n->window()))
                n = n->nextInFocusChain();
            return n;
        };
        QWidget* w = f.control<QWidget>(W, "List1");
        for (const char* name : {"List2", "Text3", "List3", "Command1", "Command3", "Command2"}) {
            w = next(w);
            QCOMPARE(w->objectName(), QString::fromLatin1(name));
        }
    }
};

QTEST_MAIN(TestAnalisiDinamica2)
#include "tst_analisidinamica2.moc"

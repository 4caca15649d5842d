#include "fixture.h"
#include "shell/controls.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

namespace {

// Every window of the program, and which of them are calculation windows.
const char* const calculationWindows[] = {"periodo",
                                          "peso",
                                          "coeffdistribuzione",
                                          "Sollecitazioni",
                                          "verifiche",
                                          "forzeorizzontali",
                                          "forzeverticali",
                                          "analisidinamica1",
                                          "azioniorizzontali",
                                          "azioniverticali",
                                          "analisidinamica2",
                                          "tuttipiani",
                                          "spettro"};
const char* const otherWindows[] = {"selmur",      "selint",           "infotremora",
                                    "lithvane",    "componirelazione", "componirelazione1",
                                    "datiedificio"};

// A window loaded and shown as its menu shows it, its questionnaire (if any) answered with
// ones.
QDialog* open(Fixture& f, const char* name) {
    for (int i = 0; i < 40; ++i)
        f.prompts.inputs.push_back(QStringLiteral("1"));
    QDialog* window = f.forms().get(QString::fromLatin1(name));
    window->show();
    QCoreApplication::processEvents();
    return window;
}

// Tab stops on it: Qt passes over a control whose focus goes to another (a diagram's drawing
// surface).
bool takesTab(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList out;
    for (QWidget* w : widgets)
        out << w->objectName();
    return out;
}

} // namespace

// A calculation window used from the keyboard alone: it opens with the focus in its first
// input, Enter in an input computes, F1 gives the window's own help.
class TestKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void fromFirstInputToResult() {
        struct Row {
            const char* menu;
            const char* window;
            const char* first;
            std::vector<std::pair<const char*, const char*>> typed; // in tab order
            const char* result;
            const char* expected;
            const char* helpWindow;
            const char* send = "Command2";
            const char* storey = nullptr; // the answer to the storey question at load
        } rows[] = {
            {"mnuperfonditem",
             "periodo",
             "Text2",
             {{"Text2", "25"}, {"Text1", "10"}},
             "Label4",
             "0,2",
             "parametri dell'edificio"},
            {"mnuverificheitem",
             "verifiche",
             "Text1",
             {{"Text1", "3"}, {"Text3", "4"}, {"text2", "1,5"}},
             "Label7",
             "6,5",
             "parametri dell'edificio"},
            // Space chooses the item a list's focus is on: zone S = 6 (C = 0,04) and I = 1,0,
            // with R = 0,86 for T = 1 s.
            {"mnuforzeorizzontaliitem",
             "forzeorizzontali",
             "Text1",
             {{"Text1", "1"}, {"List2", " "}, {"List1", " "}, {"Text2", "100"}},
             "Label10",
             "3,44",
             "edifici in muratura - analisi statica"},
            // Options by Space as well: Kh = 0,03 (C R beta epsilon gamma = 0,0344 rounded,
            // times I = 1), W = 100 + 0,33 * 10 = 103,3, F = 103,3 * 0,03.
            {"mnuazorizzitem",
             "azioniorizzontali",
             "Text1",
             {{"Text1", "1"},
              {"List1", " "},
              {"List2", " "},
              {"List3", " "},
              {"Text3", "1"},
              {"Text5", "1"},
              {"Option1", " "},
              {"Text6", "100"},
              {"Text7", "10"}},
             "Label29",
             "3,1",
             "edifici intelaiati",
             "Command3",
             "1"},
        };
        for (const Row& row : rows) {
            Fixture f;
            if (row.storey)
                f.prompts.answer({row.storey});
            f.prompts.modalActions.push_back([&](QDialog* window) {
                QApplication::setActiveWindow(window);
                QVERIFY(QTest::qWaitForWindowActive(window));
                QCOMPARE(window->focusWidget()->objectName(), QString::fromLatin1(row.first));
                for (const auto& [name, text] : row.typed) {
                    auto* box = window->findChild<QWidget*>(QString::fromLatin1(name));
                    QVERIFY2(box, name);
                    box->setFocus(Qt::TabFocusReason);
                    QTest::keyClicks(box, QString::fromUtf8(text));
                }
                QTest::keyClick(window->focusWidget(), Qt::Key_Return);
                QTest::keyClick(window->focusWidget(), Qt::Key_F1);
                // Invia Dati from the keyboard: the focus goes back to the report.
                QTest::keyClick(window->findChild<QPushButton*>(QString::fromLatin1(row.send)),
                                Qt::Key_Space);
            });
            f.main().setFocus();
            f.menu(row.menu);
            QCOMPARE(f.text(row.window, row.result), QString::fromUtf8(row.expected));
            QCOMPARE(f.main().focusWidget(),
                     f.main().findChild<QWidget*>(QStringLiteral("RichTextBox1")));
            QCOMPARE(f.help.requests.size(), size_t(1));
            QCOMPARE(f.help.requests[0].window, QString::fromUtf8(row.helpWindow));
        }
    }

    // What a screen reader says of a control: its caption and unit, "Guida" for "?", the
    // tooltip of a toolbar button, "Relazione" for the editor.
    void screenReaderNames() {
        struct Row {
            const char* menu; // nullptr: a control of the main window
            const char* control;
            const char* name;
        } rows[] = {
            {"mnuperfonditem", "Text1", "Altezza dell'edificio (H), metri"},
            {"mnuperfonditem", "Command4", "Guida"},
            {"mnuforzeorizzontaliitem", "List1", "Coefficiente di Protezione Sismica (I)"},
            {"mnudatiedificioitem", "txtOrdine", "Iscrizione all'Ordine"},
            {"mnudatiedificioitem", "cmdGuida", "Guida"},
            {nullptr, "casa", "Analisi Statica e Dinamica - Edifici in muratura"},
            {nullptr, "RichTextBox1", "Relazione"},
        };
        for (const Row& row : rows) {
            Fixture f;
            QString name;
            const auto read = [&](QWidget* root) {
                auto* control = root->findChild<QWidget*>(QString::fromLatin1(row.control));
                QVERIFY2(control, row.control);
                name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            };
            if (row.menu) {
                f.prompts.modalActions.push_back([&](QDialog* window) { read(window); });
                f.menu(row.menu);
            } else {
                read(&f.main());
            }
            QCOMPARE(name, QString::fromUtf8(row.name));
        }
    }

    // On an 800 x 600 screen with a task bar, every window with its title bar fits, and no
    // caption is cut short (run again at 1.25 and 2 times scale by CTest).
    void everyWindowFitsASmallScreen() {
        const QSize available(780, 520);
        {
            Fixture f;
            f.main().show();
            const QSize least = f.main().minimumSizeHint().expandedTo(f.main().minimumSize());
            QVERIFY2(
                least.width() <= available.width() && least.height() <= available.height(),
                qPrintable(QStringLiteral("main: %1 x %2").arg(least.width()).arg(least.height())));
        }
        std::vector<const char*> all(std::begin(calculationWindows), std::end(calculationWindows));
        all.insert(all.end(), std::begin(otherWindows), std::end(otherWindows));
        {
            for (const char* name : all) {
                Fixture f;
                QDialog* window = open(f, name);
                const QString what = QStringLiteral("%1: %2 x %3")
                                         .arg(QString::fromLatin1(name))
                                         .arg(window->width())
                                         .arg(window->height());
                QVERIFY2(window->width() <= available.width() &&
                             window->height() <= available.height(),
                         qPrintable(what));
                for (QWidget* w : window->findChildren<QWidget*>()) {
                    auto* label = qobject_cast<QLabel*>(w);
                    if (w->isVisible() &&
                        ((label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w)))
                        QVERIFY2(w->width() >= w->sizeHint().width(),
                                 qPrintable(what + QLatin1Char(' ') + w->objectName()));
                }
            }
        }
    }

    // A calculation window opens with the focus in its first input, and Tab runs through the
    // controls in reading order: the inputs, then the buttons along the bottom.
    void tabFollowsReadingOrder() {
        for (const char* name : calculationWindows) {
            Fixture f;
            QDialog* window = open(f, name);
            const QList<QWidget*> expected = controls::readingOrder(window);
            const auto firstInput = std::find_if(expected.begin(), expected.end(), [](QWidget* w) {
                return !qobject_cast<QPushButton*>(w);
            });
            if (firstInput != expected.end())
                QCOMPARE(window->focusWidget(), *firstInput);
            QList<QWidget*> chain;
            QWidget* w = expected.first();
            do {
                if (takesTab(w))
                    chain << w;
                w = w->nextInFocusChain();
            } while (w != expected.first());
            QCOMPARE(names(chain), names(expected));
        }
    }

    // Every input, result and printed surface is called by what it is: no control nameless,
    // no two alike; a result's value is read as its value.
    void everyControlNamed() {
        for (const char* name : calculationWindows) {
            Fixture f;
            QDialog* window = open(f, name);
            QStringList seen;
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const bool result = w->inherits("ResultLabel");
                if (!w->isVisible() ||
                    !(result || qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w) ||
                      qobject_cast<QPlainTextEdit*>(w)))
                    continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                const QString label = QStringLiteral("%1.%2 \"%3\"")
                                          .arg(QString::fromLatin1(name), w->objectName(),
                                               a->text(QAccessible::Name));
                QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(label));
                QVERIFY2(!seen.contains(a->text(QAccessible::Name)), qPrintable(label));
                seen << a->text(QAccessible::Name);
                if (result) {
                    static_cast<QLabel*>(w)->setText(QStringLiteral("1,5"));
                    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("1,5"));
                }
            }
        }
    }

    // F1 in the main window opens the guide; an empty report says how to begin.
    void guideFromTheMainWindow() {
        Fixture f;
        auto* editor = f.main().findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
        QVERIFY(editor->placeholderText().contains(QStringLiteral("F1")));
        QVERIFY(f.main()
                    .findChild<QAction*>(QStringLiteral("mnuguidaItem"))
                    ->shortcuts()
                    .contains(QKeySequence(Qt::Key_F1)));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

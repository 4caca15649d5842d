#include "fixture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTextEdit>

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
        };
        for (const Row& row : rows) {
            Fixture f;
            f.prompts.modalActions.push_back([&](QDialog* window) {
                QCOMPARE(window->focusWidget()->objectName(), QString::fromLatin1(row.first));
                for (const auto& [name, text] : row.typed) {
                    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
                    QVERIFY2(box, name);
                    box->setFocus();
                    QTest::keyClicks(box, QString::fromUtf8(text));
                }
                QTest::keyClick(window->focusWidget(), Qt::Key_Return);
                QTest::keyClick(window->focusWidget(), Qt::Key_F1);
            });
            f.menu(row.menu);
            QCOMPARE(f.text(row.window, row.result), QString::fromUtf8(row.expected));
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

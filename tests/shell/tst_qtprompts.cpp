#include "shell/italian.h"
#include "shell/qtprompts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

// The real dialogs, answered by pressing their default button as soon as they are up.
class TestQtPrompts : public QObject {
    Q_OBJECT

    static void acceptWhenShown() {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
            else
                acceptWhenShown();
        });
    }

  private slots:
    // OK without touching anything gives back the font it was opened with: a plain text
    // does not turn italic or bold behind the user's back.
    void fontDialogKeepsTheStyle_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        for (const char* family : {"DejaVu Sans", "Liberation Serif", "DejaVu Serif"}) {
            if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
                continue;
            for (int style = 0; style < 4; ++style)
                QTest::addRow("%s %d", family, style)
                    << QString::fromLatin1(family) << bool(style & 1) << bool(style & 2);
        }
    }

    void fontDialogKeepsTheStyle() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFont initial(family, 12);
        initial.setBold(bold);
        initial.setItalic(italic);

        QtPrompts prompts;
        acceptWhenShown();
        // The colour too: one of the list and one of the user's own come back as they were.
        const QColor colour = bold ? QColor(Qt::red) : QColor(0x12, 0x34, 0x56);
        const auto choice = prompts.font(nullptr, FontChoice(initial, colour));
        QVERIFY(choice);
        const QFont& chosen = choice->font;
        QCOMPARE(chosen.family(), family);
        QCOMPARE(chosen.pointSize(), 12);
        QCOMPARE(chosen.italic(), italic);
        QCOMPARE(chosen.bold(), bold);
        QVERIFY(chosen.styleName().isEmpty());
        QCOMPARE(choice->colour, colour);
    }

    // A message looks like what it is: warning for a refusal, information for a
    // confirmation, question for a question; even with a long path in it, it fits an
    // 800 x 600 screen.
    void iconsSayWhatAMessageIs() {
        const QString longPath = QStringLiteral("Impossibile salvare il file /") +
                                 QStringLiteral("cartella-di-lavoro/").repeated(30) +
                                 QStringLiteral("relazione.txt: Spazio su disco esaurito.");
        struct Row {
            std::function<void(QtPrompts&)> ask;
            QMessageBox::Icon icon;
        } rows[] = {
            {[](QtPrompts& p) { p.message(nullptr, QStringLiteral("T"), QStringLiteral("no")); },
             QMessageBox::Warning},
            {[](QtPrompts& p) { p.inform(nullptr, QStringLiteral("T"), QStringLiteral("ok")); },
             QMessageBox::Information},
            {[](QtPrompts& p) { p.yesNo(nullptr, QStringLiteral("T"), QStringLiteral("?")); },
             QMessageBox::Question},
            {[&](QtPrompts& p) { p.message(nullptr, QStringLiteral("T"), longPath); },
             QMessageBox::Warning},
        };
        for (const Row& row : rows) {
            QMessageBox::Icon seen = QMessageBox::NoIcon;
            QSize size;
            QTimer::singleShot(0, [&seen, &size] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    seen = box->icon();
                    size = box->size();
                    box->accept();
                }
            });
            QtPrompts prompts;
            row.ask(prompts);
            QCOMPARE(seen, row.icon);
            QVERIFY2(size.width() <= 780 && size.height() <= 520,
                     qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        }
    }

    // The save question offers Sì, No and Annulla; Esc and the close box of the question
    // are Annulla, so that leaving it never throws the changes away.
    void saveQuestionLeftIsCancel() {
        using A = Prompts::Answer;
        const struct {
            const char* name;
            std::function<void(QMessageBox*)> reply;
            A answer;
        } rows[] = {
            {"Sì", [](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); }, A::Yes},
            {"No", [](QMessageBox* b) { b->button(QMessageBox::No)->click(); }, A::No},
            {"Annulla", [](QMessageBox* b) { b->button(QMessageBox::Cancel)->click(); }, A::Cancel},
            {"Esc", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, A::Cancel},
            {"close box", [](QMessageBox* b) { b->close(); }, A::Cancel},
        };
        QVERIFY2(installItalian(*qApp), "qtbase_it.qm not found");
        for (const auto& row : rows) {
            QStringList captions;
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    for (QAbstractButton* b : box->buttons())
                        captions << b->text().remove(QLatin1Char('&'));
                    row.reply(box);
                }
            });
            QtPrompts prompts;
            const A answer =
                prompts.yesNoCancel(nullptr, QStringLiteral("Tremora"),
                                    QStringLiteral("Si vogliono salvare le modifiche?"));
            QVERIFY2(answer == row.answer, row.name);
            captions.sort();
            QCOMPARE(captions, (QStringList{"Annulla", "No", "Sì"}));
        }
    }

    // Esc in a choice means its last button, the way out ("Annulla").
    void escapeChoosesTheWayOut() {
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPrompts prompts;
        QCOMPARE(prompts.choose(nullptr, QStringLiteral("Tremora"), QStringLiteral("?"),
                                {QStringLiteral("Salva in UTF-8"), QStringLiteral("Annulla")}),
                 1);
    }
};

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"

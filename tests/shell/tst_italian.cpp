#include "shell/italian.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {
// A button's caption as the user reads it, without the access-key marker.
QString shownText(const QAbstractButton* button) {
    return button ? button->text().remove(QLatin1Char('&')) : QStringLiteral("<none>");
}
} // namespace

// Qt's own dialogs in the language of the rest of the program, with the translation the
// program itself installs.
class TestItalian : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY2(installItalian(*qApp), "qtbase_it.qm not found"); }

    void messageBoxButtons() {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Tremora"),
                             QStringLiteral("Si vogliono salvare le modifiche?"),
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(shownText(question.button(QMessageBox::Yes)), QStringLiteral("Sì"));
        QCOMPARE(shownText(question.button(QMessageBox::No)), QStringLiteral("No"));

        QMessageBox other(QMessageBox::NoIcon, QStringLiteral("Tremora"), QStringLiteral("x"),
                          QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(shownText(other.button(QMessageBox::Ok)), QStringLiteral("OK"));
        QCOMPARE(shownText(other.button(QMessageBox::Cancel)), QStringLiteral("Annulla"));
    }

    void inputDialogButtons() {
        QInputDialog dialog;
        dialog.setLabelText(QStringLiteral("Numero di piani"));
        dialog.show(); // the buttons are made when the dialog is first laid out
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(shownText(buttons->button(QDialogButtonBox::Cancel)), QStringLiteral("Annulla"));
    }

    void fileDialogButtons() {
        QFileDialog save;
        save.setOption(QFileDialog::DontUseNativeDialog);
        save.setAcceptMode(QFileDialog::AcceptSave);
        auto* buttons = save.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(shownText(buttons->button(QDialogButtonBox::Save)), QStringLiteral("Salva"));
        QCOMPARE(shownText(buttons->button(QDialogButtonBox::Cancel)), QStringLiteral("Annulla"));

        QFileDialog open;
        open.setOption(QFileDialog::DontUseNativeDialog);
        open.setAcceptMode(QFileDialog::AcceptOpen);
        buttons = open.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(shownText(buttons->button(QDialogButtonBox::Open)), QStringLiteral("Apri"));
    }

    void numbersWithDecimalComma() { QCOMPARE(QLocale().decimalPoint(), QStringLiteral(",")); }
};

QTEST_MAIN(TestItalian)
#include "tst_italian.moc"

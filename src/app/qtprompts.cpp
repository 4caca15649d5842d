#include "app/qtprompts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextDocument>

namespace {

// Message texts keep the line breaks of the old program (CR LF, or LF CR); a message box
// wants a single LF.
QString forDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The one file type: its description, then the pattern the dialog filters by. The dialog
// shows only the description.
const QString textFilter = QStringLiteral(" Text Files (*.txt )(*.txt)");

void setUpTextFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(textFilter);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
}

} // namespace

// A window still loading (a questionnaire asks before its window shows) cannot place a
// dialog: centre it on the nearest window that is on screen instead.
static QWidget* shownOwner(QWidget* owner) {
    for (QWidget* w = owner; w; w = w->parentWidget())
        if (w->isVisible())
            return w;
    return QApplication::activeWindow();
}

void QtPrompts::message(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, forDisplay(text), QMessageBox::Ok,
                    shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPrompts::yesNo(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::input(QWidget* owner, const QString& prompt,
                                        const QString& title) {
    bool ok = false;
    const QString answer = QInputDialog::getText(shownOwner(owner), title, forDisplay(prompt),
                                                 QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

int QtPrompts::choose(QWidget* owner, const QString& title, const QString& text,
                      const QStringList& buttons) {
    QMessageBox box(QMessageBox::Warning, title, forDisplay(text), QMessageBox::NoButton,
                    shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added << box.addButton(caption, QMessageBox::AcceptRole);
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

// The open and save dialogs differ only in what they accept.
static std::optional<QString> textFileName(QWidget* owner, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    setUpTextFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompts::openFileName(QWidget* owner) {
    return textFileName(owner, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFileName(QWidget* owner) {
    return textFileName(owner, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPrompts::font(QWidget* owner, const QFont& initial) {
    // The dialog looks the initial style up by its name; a plain font has none that the
    // family lists ("Normal" against "Regular", "Book"), and the dialog would fall on the
    // family's first style, often the italic one, so that OK alone would change the text.
    // The style of the font actually drawn is the one to preset.
    QFont preset = initial;
    const QFontInfo drawn(initial);
    if (QFontDatabase::styles(drawn.family()).contains(drawn.styleName()))
        preset.setStyleName(drawn.styleName());
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, preset, owner);
    if (!ok)
        return std::nullopt;
    // Weight and slant stay plain attributes that Bold and Italic can turn later.
    chosen.setStyleName(QString());
    return chosen;
}

QString QtPrompts::print(QWidget*, const QTextDocument& document) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QStringLiteral("Nessuna stampante predefinita è installata.");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return QStringLiteral("La stampante predefinita non è disponibile.");
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return QStringLiteral("La stampa non è riuscita.");
    return QString();
}

void QtPrompts::runModal(QDialog* window) {
    QPointer<QDialog> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
}

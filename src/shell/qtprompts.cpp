#include "shell/qtprompts.h"

#include "shell/ondemand.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Message texts break their lines with CR LF (a few with LF CR), as the report text does; a
// message box wants a single LF.
QString forDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Each kind of file has one type: its description, then the pattern the dialog filters by
// (the dialog shows only the description), and the extension added to a bare name.
struct FileType {
    const char* filter;
    const char* suffix;
};
FileType fileType(Prompts::FileKind kind) {
    switch (kind) {
    case Prompts::FileKind::Report:
        break;
    case Prompts::FileKind::BuildingData:
        return {"Dati edificio Tremora (*.tremora)(*.tremora)", "tremora"};
    case Prompts::FileKind::Pdf:
        return {"Documento PDF (*.pdf)(*.pdf)", "pdf"};
    case Prompts::FileKind::Odt:
        return {"Documento OpenDocument (*.odt)(*.odt)", "odt"};
    case Prompts::FileKind::Image:
        return {"Immagine PNG o SVG (*.png *.svg)(*.png *.svg)", "png"};
    }
    return {" Text Files (*.txt )(*.txt)", "txt"};
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

// A message looks like what it is: the warning icon for a refusal or an error, the
// information icon for a confirmation.
static void messageBox(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                       const QString& text) {
    QMessageBox box(icon, title, forDisplay(text), QMessageBox::Ok, shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtPrompts::message(QWidget* owner, const QString& title, const QString& text) {
    messageBox(owner, QMessageBox::Warning, title, text);
}

void QtPrompts::inform(QWidget* owner, const QString& title, const QString& text) {
    messageBox(owner, QMessageBox::Information, title, text);
}

bool QtPrompts::yesNo(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::yesNoCancel(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, shownOwner(owner));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Leaving the question without an answer (Esc, the close box) abandons the step: nothing
    // is saved and nothing is thrown away.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
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
    // The last button is the way out, for Esc and the close box too.
    if (!added.isEmpty())
        box.setEscapeButton(added.last());
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

// The open and save dialogs differ only in what they accept. They start in the folder last
// used, else in the user's documents, never in wherever the program was started from.
std::optional<QString> QtPrompts::fileName(QWidget* owner, FileKind kind, bool save,
                                           const QString& suggested) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const FileType type = fileType(kind);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QString::fromUtf8(type.filter));
    dialog.setDefaultSuffix(QString::fromLatin1(type.suffix));
    QString folder = m_lastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    dialog.setDirectory(folder);
    if (save && !suggested.isEmpty())
        dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> QtPrompts::openFileName(QWidget* owner, FileKind kind) {
    return fileName(owner, kind, false, QString());
}

std::optional<QString> QtPrompts::saveFileName(QWidget* owner, FileKind kind,
                                               const QString& suggested) {
    return fileName(owner, kind, true, suggested);
}

namespace {

// The sixteen colours of the text, as most word processors offer them.
struct NamedColour {
    const char* name;
    QRgb rgb;
};
const NamedColour textColours[] = {
    {"Nero", 0x000000},        {"Marrone", 0x800000},    {"Verde", 0x008000},
    {"Oliva", 0x808000},       {"Blu marino", 0x000080}, {"Porpora", 0x800080},
    {"Verde acqua", 0x008080}, {"Grigio", 0x808080},     {"Argento", 0xC0C0C0},
    {"Rosso", 0xFF0000},       {"Lime", 0x00FF00},       {"Giallo", 0xFFFF00},
    {"Blu", 0x0000FF},         {"Fucsia", 0xFF00FF},     {"Azzurro", 0x00FFFF},
    {"Bianco", 0xFFFFFF},
};

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// The colour list of the font dialog, preset on the colour of the text; a colour that is not
// one of the sixteen is kept as its own entry, so that OK alone changes nothing.
QComboBox* colourList(QWidget* parent, const QColor& initial) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("colore"));
    const QColor current = initial.isValid() ? initial : QColor(Qt::black);
    int chosen = -1;
    for (const NamedColour& c : textColours) {
        const QColor colour = QColor::fromRgb(c.rgb);
        if (colour.rgb() == current.rgb())
            chosen = list->count();
        list->addItem(swatch(colour), QString::fromUtf8(c.name), colour);
    }
    if (chosen < 0) {
        chosen = list->count();
        list->addItem(swatch(current), QStringLiteral("Personalizzato"), current);
    }
    list->setCurrentIndex(chosen);
    return list;
}

} // namespace

std::optional<FontChoice> QtPrompts::font(QWidget* owner, const FontChoice& initial) {
    // The dialog looks the initial style up by its name; a plain font has none that the
    // family lists ("Normal" against "Regular", "Book"), and the dialog would fall on the
    // family's first style, often the italic one, so that OK alone would change the text.
    // The style of the font actually drawn is the one to preset.
    QFont preset = initial.font;
    const QFontInfo drawn(initial.font);
    if (QFontDatabase::styles(drawn.family()).contains(drawn.styleName()))
        preset.setStyleName(drawn.styleName());

    // Qt's font dialog has the effects but no colour: it is placed in a dialog of ours that
    // adds the colour beside the effects and carries the buttons.
    QDialog dialog(owner);
    dialog.setWindowTitle(QFontDialog::tr("Select Font"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setCurrentFont(preset);
    layout->addWidget(fonts);
    QComboBox* colours = colourList(&dialog, initial.colour);
    auto* colourCaption = new QLabel(QStringLiteral("Co&lore:"), &dialog);
    colourCaption->setBuddy(colours);
    QGroupBox* effects = nullptr;
    for (QGroupBox* box : fonts->findChildren<QGroupBox*>())
        if (box->findChild<QCheckBox*>())
            effects = box;
    if (effects && effects->layout()) {
        effects->layout()->addWidget(colourCaption);
        effects->layout()->addWidget(colours);
    } else {
        auto* row = new QHBoxLayout;
        row->addWidget(colourCaption);
        row->addWidget(colours, 1);
        layout->addLayout(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = fonts->currentFont();
    // Weight and slant stay plain attributes that Bold and Italic can turn later.
    chosen.setStyleName(QString());
    return FontChoice(chosen, colours->currentData().value<QColor>());
}

QString QtPrompts::print(QWidget* owner, const QTextDocument& document) {
    return ondemand::print(owner, document);
}

void QtPrompts::preview(QWidget* owner, const QTextDocument& document) {
    const QString failure = ondemand::preview(owner, document);
    if (!failure.isEmpty())
        message(owner, QStringLiteral("Anteprima di stampa"), failure);
}

void QtPrompts::runModal(QDialog* window) {
    QPointer<QDialog> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
}

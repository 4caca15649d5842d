#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QDialog;
class QTextDocument;
class QWidget;

// What the font dialog hands back: the font with its effects, and the colour of the text.
// An invalid colour leaves the colour of the text as it is.
struct FontChoice {
    FontChoice(const QFont& chosenFont = QFont(), const QColor& chosenColour = QColor())
        : font(chosenFont), colour(chosenColour) {}
    QFont font;
    QColor colour;
};

// Everything modal that the user answers goes through here: message boxes, input dialogs,
// file and font dialogs, the printer, and the modal run of a window. The program uses
// QtPrompts; tests use a scripted implementation that answers and records.
class Prompts {
  public:
    virtual ~Prompts() = default;

    // A message box with an OK button: a refusal or an error (the warning icon).
    virtual void message(QWidget* owner, const QString& title, const QString& text) = 0;
    // The same for a confirmation (the information icon); scripts take it as a message.
    virtual void inform(QWidget* owner, const QString& title, const QString& text) {
        message(owner, title, text);
    }
    // A Yes/No question; true for Yes.
    virtual bool yesNo(QWidget* owner, const QString& title, const QString& text) = 0;
    // A Yes/No/Cancel question, for a step that can still be abandoned: Esc and the close box
    // of the question mean Cancel.
    enum class Answer { Yes, No, Cancel };
    virtual Answer yesNoCancel(QWidget* owner, const QString& title, const QString& text) = 0;
    // An input dialog with a prompt and a title; nothing when the user cancels.
    virtual std::optional<QString> input(QWidget* owner, const QString& prompt,
                                         const QString& title) = 0;
    // A choice among several buttons; returns the index of the chosen one. The last button is
    // the way out: Esc and the close box choose it.
    virtual int choose(QWidget* owner, const QString& title, const QString& text,
                       const QStringList& buttons) = 0;

    // The kinds of file the program opens or writes, each with its own type in the dialogs:
    // report text (.txt), building data (.tremora), PDF, OpenDocument text (.odt) and the
    // image of a diagram (.png or .svg).
    enum class FileKind { Report, BuildingData, Pdf, Odt, Image };
    // File dialogs; nothing when cancelled. suggested, when given, is the name the save
    // dialog starts with.
    virtual std::optional<QString> openFileName(QWidget* owner,
                                                FileKind kind = FileKind::Report) = 0;
    virtual std::optional<QString> saveFileName(QWidget* owner, FileKind kind = FileKind::Report,
                                                const QString& suggested = QString()) = 0;
    // Font dialog with the effects and the colour, opened on the given ones; nothing when
    // cancelled.
    virtual std::optional<FontChoice> font(QWidget* owner, const FontChoice& initial) = 0;
    // Sends a document to the default printer; an empty string on success, otherwise the
    // reason the printing failed.
    virtual QString print(QWidget* owner, const QTextDocument& document) = 0;
    // A print preview of the document, with a button that prints through the printer dialog.
    virtual void preview(QWidget* owner, const QTextDocument& document) = 0;

    // Shows a window modally; returns when it is hidden or closed.
    virtual void runModal(QDialog* window) = 0;
};

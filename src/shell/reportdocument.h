#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "shell/prompts.h"

class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QWidget;
class Shell;

// The report held in the editor RichTextBox1, and the commands on it: open, save as,
// print, close, insert date and address, font, bold, italic, underline, clear all.
// Tracks the caption and whether "Chiudi" is enabled; the changed flag (modificato) is the
// editor's document's own.
class ReportDocument : public QObject {
    Q_OBJECT
  public:
    ReportDocument(QTextEdit* editor, Prompts& prompts, Shell& shell, QWidget* owner);

    bool isModified() const;
    QString caption() const { return m_caption; }
    bool canClose() const { return m_closeEnabled; }
    QTextEdit* editor() const { return m_editor; }

    // Replaces the whole text (as the report composers do) as plain text, dropping any
    // formatting, in one step that Undo takes back; the document counts as changed.
    void setText(const QString& text);
    // Replaces the whole text with a formatted document (the calculation report: headings,
    // tables, diagrams), in one step that Undo takes back; the document counts as changed.
    void setRichText(const QTextDocument& content);
    // Adds lines after the last line in a fixed-pitch font, so that columns set with blanks
    // line up, in one step that Undo takes back; the text above keeps its formatting.
    void append(const QString& text);
    // The text as a report file holds it: lines separated by CR LF, every other character
    // as the editor shows it.
    QString text() const;

    // The editor commands.
    void open();
    // Opens the report file at path without a dialog (a file named on the command line);
    // on failure the user is told why and the document stays as it was.
    bool openFile(const QString& path);
    void saveAs();
    void print();
    void close();
    void insertDate();
    void insertAddress();
    void chooseFont();
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void clearAll();
    // The pages as printing and the PDF make them, with a button to print them.
    void preview();
    // The report as a PDF (A4, the editor's formatting, page numbers) or as OpenDocument
    // text, to a file the user names.
    void exportPdf();
    void exportOdt();
    // Where the printed pages take the line naming the work from (the project data of the
    // building), asked each time pages are made; without it the pages have no head line.
    void setHeaderSource(std::function<QString()> source) { m_headerSource = std::move(source); }

    // The save question of Exit, Close, Open and the close box: asks "Si vogliono salvare
    // le modifiche?" (Yes, No, Cancel) when the document has changed and saves on Yes.
    // Cancelled covers Cancel, a cancelled dialog and a save that failed: the command is
    // then abandoned and the document left as it was.
    enum class SaveOutcome { Unchanged, Declined, Saved, Cancelled };
    SaveOutcome offerToSave();
    // The file written by the last successful save.
    QString savedPath() const { return m_savedPath; }

    // Writes the document as a plain text file: Windows-1252, or UTF-8 when the user
    // chooses it for characters the code page lacks. On failure the user is told why and
    // nothing changes; returns whether the file was written.
    bool writeTo(const QString& path);

    // Larger files are refused rather than freezing the editor.
    static constexpr qint64 maxFileSize = 50LL * 1024 * 1024;

  signals:
    void captionChanged(const QString& caption);
    void closeEnabledChanged(bool enabled);
    // The changed flag, whichever document the editor shows.
    void modifiedChanged(bool modified);

  private:
    void setModified(bool modified);
    // Marks the document as changed for good, Undo back to the saved text included.
    void markChanged();
    // Passes on the changed flag of a document the editor shows.
    void follow(QTextDocument* document);
    // Puts a file's text in a new document, with a history of its own.
    void load(const QString& text);
    // Puts the lines, each a paragraph in plain text, before the first line (Data,
    // Indirizzo del committente), in one step that Undo takes back.
    void prepend(const QStringList& lines);
    void setCaption(const QString& caption);
    void setCloseEnabled(bool enabled);
    // Reads a report file; on failure the user is told why and nothing is returned.
    std::optional<QString> readFrom(const QString& path);
    // Bold, italic, underline: on over the whole selection when some of it lacks the
    // attribute, off otherwise; without a selection, for the text typed next.
    void toggle(const std::function<bool(const QTextCharFormat&)>& has,
                const std::function<void(QTextCharFormat&, bool)>& set);
    void message(const QString& text);
    // The name the report goes by: its file's name, or "Relazione" before it has one.
    QString reportName() const;
    // Writes an export made by make() to a file the user names, telling how it went.
    void exportTo(Prompts::FileKind kind, const QString& hint, const char* suffix,
                  const std::function<QByteArray()>& make);
    // The document about to be printed, previewed or exported, with the head line of its
    // pages as the project data give it now.
    QTextDocument& withHeaderLine(QTextDocument& document) const;

    QTextEdit* m_editor;
    Prompts& m_prompts;
    Shell& m_shell;
    QWidget* m_owner;
    bool m_closeEnabled = false;
    // The open file was read in the code page although it reads otherwise too: saving keeps
    // its bytes as they were.
    bool m_keepCodePage = false;
    QString m_caption;
    QString m_savedPath;
    // The file the report was last opened from or saved to; empty before either.
    QString m_path;
    std::function<QString()> m_headerSource;
};

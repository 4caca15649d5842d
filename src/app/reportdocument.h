#pragma once

#include <QObject>
#include <QString>

class Prompts;
class QTextEdit;
class QWidget;
class Shell;

// The report held in the editor RichTextBox1, and the commands on it: open, save as,
// print, close, insert date and address, font, bold, italic, underline, clear all.
// Tracks the changed flag (modificato), the caption and whether "Chiudi" is enabled.
class ReportDocument : public QObject {
    Q_OBJECT
  public:
    ReportDocument(QTextEdit* editor, Prompts& prompts, Shell& shell, QWidget* owner);

    bool isModified() const { return m_modified; }
    QString caption() const { return m_caption; }
    bool canClose() const { return m_closeEnabled; }
    QTextEdit* editor() const { return m_editor; }

    // Replaces the whole text (as the report composers do); the document counts as changed.
    void setText(const QString& text);
    QString text() const;

    // The editor commands.
    void open();
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

    // The save question of Exit, Close and the close box: asks "Si vogliono salvare le
    // modifiche?" when the document has changed and saves on Yes.
    enum class SaveOutcome { Unchanged, Declined, Saved, Cancelled };
    SaveOutcome offerToSave();

    // Writes the document as a plain text file. On failure the user is told why and
    // nothing changes; returns whether the file was written.
    bool writeTo(const QString& path);

  signals:
    void captionChanged(const QString& caption);
    void closeEnabledChanged(bool enabled);

  private:
    void setModified(bool modified) { m_modified = modified; }
    void setCaption(const QString& caption);
    void setCloseEnabled(bool enabled);

    QTextEdit* m_editor;
    Prompts& m_prompts;
    Shell& m_shell;
    QWidget* m_owner;
    bool m_modified = false;
    bool m_closeEnabled = false;
    QString m_caption;
};

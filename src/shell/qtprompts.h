#pragma once

#include "shell/prompts.h"

// The real dialogs: Qt's message boxes, input, file and font dialogs, the default printer.
class QtPrompts : public Prompts {
  public:
    void message(QWidget* owner, const QString& title, const QString& text) override;
    void inform(QWidget* owner, const QString& title, const QString& text) override;
    bool yesNo(QWidget* owner, const QString& title, const QString& text) override;
    Answer yesNoCancel(QWidget* owner, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* owner, const QString& prompt,
                                 const QString& title) override;
    int choose(QWidget* owner, const QString& title, const QString& text,
               const QStringList& buttons) override;
    std::optional<QString> openFileName(QWidget* owner, FileKind kind) override;
    std::optional<QString> saveFileName(QWidget* owner, FileKind kind,
                                        const QString& suggested) override;
    std::optional<FontChoice> font(QWidget* owner, const FontChoice& initial) override;
    QString print(QWidget* owner, const QTextDocument& document) override;
    void preview(QWidget* owner, const QTextDocument& document) override;

  private:
    std::optional<QString> fileName(QWidget* owner, FileKind kind, bool save,
                                    const QString& suggested);
    // The folder of the last file opened or saved: the next dialog starts there.
    QString m_lastFolder;
    void runModal(QDialog* window) override;
};

#pragma once

#include "shell/help.h"
#include "shell/prompts.h"

#include <QDialog>
#include <QFont>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers the program's questions from a script and records everything it was shown, so a
// test reads like the user's conversation with the program.
class ScriptedPrompts : public Prompts {
  public:
    struct Shown {
        QString kind; // "message", "yesNo", "yesNoCancel", "input", "choose", "open", "save",
                      // "font", "print"
        QString title;
        QString text; // message text or input prompt
    };

    // Scripted answers, used in order. A missing answer fails the test (QFAIL-like warning)
    // and is answered as a cancel.
    std::deque<std::optional<QString>> inputs; // nullopt = Cancel
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<int> choices;
    std::deque<std::optional<QString>> openNames;
    std::deque<std::optional<QString>> saveNames;
    std::deque<std::optional<FontChoice>> fonts;
    QString printResult; // empty: printing succeeds
    // What runModal does with a window: pop one action and run it while the window is
    // "modal"; without one, the window is simply shown and the call returns.
    std::deque<std::function<void(QDialog*)>> modalActions;

    std::vector<Shown> shown;
    QStringList printedTexts;
    QStringList previewedTexts;
    QStringList pageHeads; // the head line of the pages of each print and preview, in order
    QStringList modalRuns; // names of the windows run modally, in order
    int unexpected = 0;    // questions asked with no scripted answer

    void message(QWidget* owner, const QString& title, const QString& text) override;
    bool yesNo(QWidget* owner, const QString& title, const QString& text) override;
    Answer yesNoCancel(QWidget* owner, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* owner, const QString& prompt,
                                 const QString& title) override;
    int choose(QWidget* owner, const QString& title, const QString& text,
               const QStringList& buttons) override;
    // The file dialogs of every kind take their answers from openNames and saveNames; the
    // record's title names the kind for any but report text, its text the suggested name.
    std::optional<QString> openFileName(QWidget* owner, FileKind kind) override;
    std::optional<QString> saveFileName(QWidget* owner, FileKind kind,
                                        const QString& suggested) override;
    std::optional<FontChoice> font(QWidget* owner, const FontChoice& initial) override;
    QString print(QWidget* owner, const QTextDocument& document) override;
    void preview(QWidget* owner, const QTextDocument& document) override;
    void runModal(QDialog* window) override;

    // Convenience for tests.
    void answer(std::initializer_list<const char*> texts); // queue input answers (UTF-8)
    std::vector<Shown> messages() const;                   // only the message boxes
    QString lastMessage() const;
    QString lastTitle() const;
    void clear() { shown.clear(); }
};

// Records the help requests instead of opening a viewer.
class RecordedHelp : public Help {
  public:
    struct Request {
        QString what; // "contents", "index", "topic"
        QString window;
        int context = 0;
        QString owner;
    };
    std::vector<Request> requests;
    void showContents(QWidget* owner) override;
    void showIndex(QWidget* owner) override;
    void showTopic(QWidget* owner, const QString& helpWindow, int context) override;
};

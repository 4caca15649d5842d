#pragma once

// What the benchmarks share: dialogs answered without a person (file dialogs with fixed
// names, every question "no"), no help, and the median of the runs.

#include "shell/help.h"
#include "shell/prompts.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

// The file dialogs answer openName and saveName (nothing when empty); every other question
// "no" or nothing. A message means something failed: it is counted and printed.
class FixedPrompts : public Prompts {
  public:
    QString openName;
    QString saveName;
    int messages = 0;
    void message(QWidget*, const QString&, const QString& text) override {
        ++messages;
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(text));
    }
    bool yesNo(QWidget*, const QString&, const QString&) override { return false; }
    Answer yesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::No; }
    std::optional<QString> input(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    int choose(QWidget*, const QString&, const QString&, const QStringList&) override { return -1; }
    std::optional<QString> openFileName(QWidget*, FileKind) override { return answer(openName); }
    std::optional<QString> saveFileName(QWidget*, FileKind, const QString&) override {
        return answer(saveName);
    }
    void preview(QWidget*, const QTextDocument&) override {}
    std::optional<FontChoice> font(QWidget*, const FontChoice&) override { return std::nullopt; }
    QString print(QWidget*, const QTextDocument&) override { return QString(); }
    void runModal(QDialog*) override {}

  private:
    static std::optional<QString> answer(const QString& name) {
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    }
};

class NoHelp : public Help {
  public:
    void showContents(QWidget*) override {}
    void showIndex(QWidget*) override {}
    void showTopic(QWidget*, const QString&, int) override {}
};

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

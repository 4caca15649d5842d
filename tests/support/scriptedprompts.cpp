#include "scriptedprompts.h"

#include "shell/pagelayout.h"

#include <QTextDocument>
#include <QWidget>
#include <QtTest>

namespace {
template <class T> T pop(std::deque<T>& queue, T fallback, int& unexpected, const char* what) {
    if (queue.empty()) {
        // A question the test did not expect is a failure of the test, whatever it checks.
        ++unexpected;
        QTest::qFail(qPrintable(QStringLiteral("no scripted answer for a %1 dialog")
                                    .arg(QString::fromLatin1(what))),
                     __FILE__, __LINE__);
    } else {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}
} // namespace

void ScriptedPrompts::message(QWidget*, const QString& title, const QString& text) {
    shown.push_back({QStringLiteral("message"), title, text});
}

bool ScriptedPrompts::yesNo(QWidget*, const QString& title, const QString& text) {
    shown.push_back({QStringLiteral("yesNo"), title, text});
    return pop(yesNoAnswers, false, unexpected, "yesNo");
}

Prompts::Answer ScriptedPrompts::yesNoCancel(QWidget*, const QString& title, const QString& text) {
    shown.push_back({QStringLiteral("yesNoCancel"), title, text});
    return pop(yesNoCancelAnswers, Answer::Cancel, unexpected, "yesNoCancel");
}

std::optional<QString> ScriptedPrompts::input(QWidget*, const QString& prompt,
                                              const QString& title) {
    shown.push_back({QStringLiteral("input"), title, prompt});
    if (inputs.empty()) {
        // A questionnaire that keeps asking would never end: fail loudly instead.
        ++unexpected;
        qFatal("ScriptedPrompts: no scripted answer for input \"%s\"", qPrintable(prompt));
    }
    auto value = inputs.front();
    inputs.pop_front();
    return value;
}

int ScriptedPrompts::choose(QWidget*, const QString& title, const QString& text,
                            const QStringList&) {
    shown.push_back({QStringLiteral("choose"), title, text});
    return pop(choices, -1, unexpected, "choose");
}

namespace {
QString kindName(Prompts::FileKind kind) {
    switch (kind) {
    case Prompts::FileKind::Report:
        return QString();
    case Prompts::FileKind::BuildingData:
        return QStringLiteral("tremora");
    case Prompts::FileKind::Pdf:
        return QStringLiteral("pdf");
    case Prompts::FileKind::Odt:
        return QStringLiteral("odt");
    case Prompts::FileKind::Image:
        return QStringLiteral("immagine");
    }
    return QString();
}
} // namespace

std::optional<QString> ScriptedPrompts::openFileName(QWidget*, FileKind kind) {
    shown.push_back({QStringLiteral("open"), kindName(kind), QString()});
    return pop(openNames, std::optional<QString>(), unexpected, "open");
}

std::optional<QString> ScriptedPrompts::saveFileName(QWidget*, FileKind kind,
                                                     const QString& suggested) {
    shown.push_back({QStringLiteral("save"), kindName(kind), suggested});
    return pop(saveNames, std::optional<QString>(), unexpected, "save");
}

void ScriptedPrompts::preview(QWidget*, const QTextDocument& document) {
    shown.push_back({QStringLiteral("preview"), QString(), QString()});
    previewedTexts << document.toPlainText();
    pageHeads << pagelayout::headerLineOf(document);
}

std::optional<FontChoice> ScriptedPrompts::font(QWidget*, const FontChoice&) {
    shown.push_back({QStringLiteral("font"), QString(), QString()});
    return pop(fonts, std::optional<FontChoice>(), unexpected, "font");
}

QString ScriptedPrompts::print(QWidget*, const QTextDocument& document) {
    shown.push_back({QStringLiteral("print"), QString(), QString()});
    printedTexts << document.toPlainText();
    pageHeads << pagelayout::headerLineOf(document);
    return printResult;
}

void ScriptedPrompts::runModal(QDialog* window) {
    modalRuns << window->objectName();
    window->show();
    if (!modalActions.empty()) {
        auto action = modalActions.front();
        modalActions.pop_front();
        action(window);
    }
}

void ScriptedPrompts::answer(std::initializer_list<const char*> texts) {
    for (const char* t : texts)
        inputs.push_back(t ? std::optional<QString>(QString::fromUtf8(t)) : std::nullopt);
}

std::vector<ScriptedPrompts::Shown> ScriptedPrompts::messages() const {
    std::vector<Shown> out;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("message"))
            out.push_back(s);
    return out;
}

QString ScriptedPrompts::lastMessage() const {
    const auto m = messages();
    return m.empty() ? QString() : m.back().text;
}

QString ScriptedPrompts::lastTitle() const {
    const auto m = messages();
    return m.empty() ? QString() : m.back().title;
}

void RecordedHelp::showContents(QWidget* owner) {
    requests.push_back(
        {QStringLiteral("contents"), QString(), 0, owner ? owner->objectName() : QString()});
}

void RecordedHelp::showIndex(QWidget* owner) {
    requests.push_back(
        {QStringLiteral("index"), QString(), 0, owner ? owner->objectName() : QString()});
}

void RecordedHelp::showTopic(QWidget* owner, const QString& helpWindow, int context) {
    requests.push_back(
        {QStringLiteral("topic"), helpWindow, context, owner ? owner->objectName() : QString()});
}

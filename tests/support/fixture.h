#pragma once

#include "app/program.h"
#include "scriptedprompts.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// A whole program driven headless: scripted dialogs, recorded help, the real main window.
struct Fixture {
    ScriptedPrompts prompts;
    RecordedHelp help;
    std::unique_ptr<Program> program;

    Fixture() : program(std::make_unique<Program>(prompts, help)) {}
    // The same program with another help, such as the program's own viewer.
    explicit Fixture(Help& viewer) : program(std::make_unique<Program>(prompts, viewer)) {}

    MainWindow& main() { return program->mainWindow(); }
    Forms& forms() { return program->forms(); }
    SharedValues& shared() { return program->shared(); }
    // The shared storey and distribution coefficient as compared: never set and cleared read
    // as an empty text and as 0.
    QString storey() { return shared().numeroPiano.value_or(QString()); }
    double gamma() { return shared().gammaPiano.number().value_or(0.0); }

    // Runs a menu command by its action name.
    void menu(const char* action) {
        QAction* a = main().findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY2(a, action);
        QVERIFY2(a->isEnabled(), action);
        a->trigger();
    }

    // A loaded window by name (nullptr when it is not loaded).
    QDialog* window(const char* name) {
        const QString n = QString::fromLatin1(name);
        return forms().isLoaded(n) ? forms().get(n) : nullptr;
    }

    template <class T = QWidget> T* control(const char* window, const char* name) {
        QDialog* w = this->window(window);
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    QString text(const char* window, const char* name) {
        return forms().text(QString::fromLatin1(window), QString::fromLatin1(name));
    }
    void type(const char* window, const char* name, const QString& text) {
        auto* edit = control<QLineEdit>(window, name);
        QVERIFY2(edit, name);
        edit->setText(text);
    }
    void click(const char* window, const char* name) {
        auto* button = control<QAbstractButton>(window, name);
        QVERIFY2(button, name);
        button->click();
    }
    void pick(const char* window, const char* list, int row) {
        auto* l = control<QListWidget>(window, list);
        QVERIFY2(l, list);
        l->setCurrentRow(row);
    }
    bool shown(const char* window) {
        QDialog* w = this->window(window);
        return w && w->isVisible();
    }
    // Processes deferred deletions so unloaded windows are really gone.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

#pragma once

#include "core/sharedvalues.h"
#include "shell/appcontext.h"
#include "shell/forms.h"

#include <memory>

class Help;
class MainWindow;
class Prompts;

// The running program: the windows' lifecycle, the shared values and the main window,
// tied together by the context every window receives.
class Program {
  public:
    Program(Prompts& prompts, Help& help);
    ~Program();

    MainWindow& mainWindow() { return *m_main; }
    Forms& forms() { return m_forms; }
    SharedValues& shared() { return m_shared; }
    AppContext& context() { return *m_context; }

  private:
    Forms m_forms;
    SharedValues m_shared;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AppContext> m_context;
};

// Registers every window the main window can open, by its name.
void registerWindows(Forms& forms);

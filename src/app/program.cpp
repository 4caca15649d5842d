#include "app/program.h"

#include "shell/mainwindow.h"

Program::Program(Prompts& prompts, Help& help) {
    registerWindows(m_forms);
    m_main = std::make_unique<MainWindow>(prompts, m_forms, help);
    m_context = std::make_unique<AppContext>(AppContext{prompts, *m_main, m_forms, help, m_shared});
    m_forms.setParent(m_main.get());
    m_forms.setContext(m_context.get());
}

Program::~Program() {
    m_forms.discardAll();
    m_main.reset();
}

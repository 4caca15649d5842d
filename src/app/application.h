#pragma once

#include <functional>

class QWidget;

// Runs the program: Qt in Italian, the real dialogs and help, the main window shown
// maximized, until the user ends it. started, when given, is called with the main window once
// it is shown, before the event loop runs.
int runApplication(int argc, char* argv[], const std::function<void(QWidget*)>& started = {});

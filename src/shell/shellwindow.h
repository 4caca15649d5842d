#pragma once

#include "shell/basewindow.h"

// The small windows that are not calculations (the two analysis selection windows, the
// About box, the contact window). They hold nothing worth keeping: every way out - their own
// buttons, the close box, Esc - destroys them, with the status reset of their group.
class ShellWindow : public BaseWindow {
    Q_OBJECT
  public:
    using BaseWindow::BaseWindow;

    // Esc closes the window like its close box.
    void reject() override { closeWindow(); }

  protected:
    int indicatorPanel() const { return areaPanel(); }
    // Destroys the window; its unload steps run.
    void closeWindow() { unloadWindow(); }
};

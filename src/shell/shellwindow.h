#pragma once

#include "shell/appcontext.h"
#include "shell/forms.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The small windows of the shell that are not calculations (the two analysis selection
// windows, the About box, the contact window). They hold nothing worth keeping: every way
// out - their own buttons, the close box, Esc - destroys them, and on the way out the main
// window's timer is stopped, the window's indicator switched off and the hint cleared.
class ShellWindow : public QDialog, public ManagedWindow {
    Q_OBJECT
  public:
    ShellWindow(AppContext& context, QWidget* parent, const QString& title, int indicatorPanel);

    void unloadSteps() override;
    // Esc closes the window like its close box.
    void reject() override;

  protected:
    int indicatorPanel() const { return m_panel; }
    // Destroys the window; its unload steps run.
    void closeWindow();
    QLabel* label(const char* name, const QString& caption);
    QPushButton* button(const char* name, const QString& caption);
    void closeEvent(QCloseEvent* event) override;

    AppContext& ctx;

  private:
    int m_panel;
};

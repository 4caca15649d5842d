#pragma once

#include "shell/appcontext.h"
#include "shell/forms.h"

#include <QDialog>

class QLabel;
class QPushButton;

// What every window but the main one shares, whatever its kind (calculation, composer,
// selection or information window): a modal dialog with a title and a close box, of fixed
// size unless it lets a diagram grow, the context it works in, the status-bar group it
// belongs to, and the way out. The close box destroys the window with its values;
// destroying it (its unload steps) performs the status reset of its group: timer off,
// indicator off, hint empty.
class BaseWindow : public QDialog, public ManagedWindow {
    Q_OBJECT
  public:
    BaseWindow(AppContext& context, QWidget* parent, const QString& title, int areaPanel);

    int areaPanel() const { return m_areaPanel; }
    void unloadSteps() override;
    // The help of this window, as its "?" button gives it; F1 asks for it too. Without a
    // topic of its own, the guide's contents.
    virtual void showHelp();

  protected:
    // Whether each showing puts the focus in the window's first input (calculation windows);
    // other windows keep the control last used.
    virtual bool opensOnFirstInput() const { return false; }
    // Timer off, this window's group indicator off, hint empty.
    void statusReset();
    // Destroys the window with its values; its unload steps run. Nothing of the window may
    // be touched afterwards.
    void unloadWindow();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    QLabel* label(const char* name, const QString& caption = QString());
    QPushButton* button(const char* name, const QString& caption);

    AppContext& ctx;

  private:
    int m_areaPanel;
};

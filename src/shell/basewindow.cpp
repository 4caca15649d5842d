#include "shell/basewindow.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/help.h"
#include "shell/shell.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

BaseWindow::BaseWindow(AppContext& context, QWidget* parent, const QString& title, int areaPanel)
    : QDialog(parent), ctx(context), m_areaPanel(areaPanel) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
}

void BaseWindow::unloadSteps() {
    statusReset();
}

void BaseWindow::statusReset() {
    ctx.shell.statusReset(m_areaPanel);
}

void BaseWindow::unloadWindow() {
    ctx.forms.unload(objectName());
}

void BaseWindow::showHelp() {
    ctx.help.showContents(this);
}

void BaseWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BaseWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The controls are all made and laid out: names for screen readers after the captions
    // as they read now, and Tab in reading order.
    accessibility::nameControls(this);
    controls::orderTabs(this);
}

void BaseWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    unloadWindow();
}

QLabel* BaseWindow::label(const char* name, const QString& caption) {
    return controls::label(this, name, caption);
}

QPushButton* BaseWindow::button(const char* name, const QString& caption) {
    return controls::button(this, name, caption);
}

#include "shell/basewindow.h"

#include "shell/controls.h"
#include "shell/shell.h"

#include <QCloseEvent>

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

#include "shell/shellwindow.h"
#include "shell/controls.h"

#include "shell/shell.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

ShellWindow::ShellWindow(AppContext& context, QWidget* parent, const QString& title,
                         int indicatorPanel)
    : QDialog(parent), ctx(context), m_panel(indicatorPanel) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
}

void ShellWindow::unloadSteps() {
    ctx.shell.statusReset(m_panel);
}

void ShellWindow::reject() {
    closeWindow();
}

void ShellWindow::closeWindow() {
    ctx.forms.unload(objectName());
}

QLabel* ShellWindow::label(const char* name, const QString& caption) {
    return controls::label(this, name, caption);
}

QPushButton* ShellWindow::button(const char* name, const QString& caption) {
    return controls::button(this, name, caption);
}

void ShellWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeWindow();
}

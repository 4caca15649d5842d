#include "shell/basewindow.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/help.h"
#include "shell/shell.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

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
    const QList<QWidget*> order = controls::orderTabs(this);
    if (!opensOnFirstInput())
        return;
    // Ready for typing in the first input: the first control in reading order that is not
    // a button.
    const auto first = std::find_if(order.begin(), order.end(), [](const QWidget* w) {
        return !qobject_cast<const QPushButton*>(w);
    });
    if (first != order.end())
        (*first)->setFocus(Qt::OtherFocusReason);
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

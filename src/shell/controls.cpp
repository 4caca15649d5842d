#include "shell/controls.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace controls {

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QFrame* line(QWidget* parent, const char* name) {
    auto* l = new QFrame(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QString text(const QObject* control) {
    if (auto* l = qobject_cast<const QLabel*>(control))
        return l->text();
    if (auto* t = qobject_cast<const QLineEdit*>(control))
        return t->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(control))
        return b->text();
    if (auto* list = qobject_cast<const QListWidget*>(control)) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text();
    }
    return QString();
}

} // namespace controls

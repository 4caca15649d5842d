#include "calc/numberedit.h"

#include "calc/numtext.h"

#include <QKeyEvent>

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::updateMark);
}

bool NumberEdit::isAcceptable() const {
    return text().isEmpty() || numtext::parse(text()).has_value();
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        insert(QStringLiteral(","));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::updateMark() {
    const bool bad = !isAcceptable();
    if (bad == property("invalid").toBool())
        return;
    setProperty("invalid", bad);
    setStyleSheet(bad ? QStringLiteral("NumberEdit { border: 2px solid #d00000; }") : QString());
    setToolTip(bad ? QStringLiteral("Valore non numerico: usare la virgola per i decimali "
                                    "(per esempio 0,35)")
                   : QString());
}

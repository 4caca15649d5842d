#include "shell/numberedit.h"

#include "core/numtext.h"

#include <QKeyEvent>

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::updateMark);
}

void NumberEdit::setNonNegative(bool on) {
    m_nonNegative = on;
    updateMark();
}

bool NumberEdit::isAcceptable() const {
    if (text().isEmpty())
        return true;
    const auto value = numtext::parse(text());
    return value && !(m_nonNegative && *value < 0.0);
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
    const bool notNumber = bad && !numtext::parse(text());
    const QString tip = !bad ? QString()
                        : notNumber
                            ? QStringLiteral("Valore non numerico: usare la virgola per i decimali "
                                             "(per esempio 0,35)")
                            : QStringLiteral("Valore non accettabile: la grandezza non può essere "
                                             "negativa");
    if (bad == property("invalid").toBool() && tip == toolTip())
        return;
    setProperty("invalid", bad);
    setStyleSheet(bad ? QStringLiteral("NumberEdit { border: 2px solid #d00000; }") : QString());
    setToolTip(tip);
}

#include "shell/wrappedoption.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
}

WrappedOption::WrappedOption(const QString& caption, int wrapWidth, QWidget* parent)
    : QRadioButton(caption, parent), m_wrapWidth(wrapWidth) {}

QRect WrappedOption::captionRect(int width) const {
    const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
                       style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    const QRect wrapped =
        fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - indent), 100000), flags, text());
    return QRect(indent, 2, width - indent, wrapped.height());
}

int WrappedOption::heightForWidth(int width) const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return qMax(indicator, captionRect(width).height()) + 4;
}

QSize WrappedOption::sizeHint() const {
    // As wide as the caption needs, up to the wrap width.
    const int needed = captionRect(100000).left() + fontMetrics().horizontalAdvance(text()) + 2;
    const int width = qMin(needed, m_wrapWidth);
    return QSize(width, heightForWidth(width));
}

void WrappedOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The indicator alone, centred on the first line of the caption.
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const int line = fontMetrics().height();
    option.rect = QRect(0, 2 + (line - indicator) / 2, option.rect.width(), indicator);
    painter.drawControl(QStyle::CE_RadioButton, option);

    const QRect caption = captionRect(width());
    painter.drawItemText(caption, flags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(caption, flags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

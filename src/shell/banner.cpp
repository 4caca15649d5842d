#include "shell/banner.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr double pixelsPerStep = 10.0;
constexpr int frameMs = 30;
} // namespace

Banner::Banner(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frame.setInterval(frameMs);
    m_frame.setTimerType(Qt::PreciseTimer);
    connect(&m_frame, &QTimer::timeout, this, &Banner::advance);
}

void Banner::setText(const QString& text) {
    m_text = text;
    m_offset = 0;
    update();
}

QSize Banner::sizeHint() const {
    return {400, fontMetrics().height() + 6};
}

void Banner::showEvent(QShowEvent*) {
    m_clock.start();
    m_frame.start();
}

void Banner::hideEvent(QHideEvent*) {
    m_frame.stop();
}

void Banner::advance() {
    const qint64 elapsed = m_clock.restart();
    m_offset += pixelsPerStep * double(elapsed) / double(m_interval);
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    if (m_offset > width() + textWidth)
        m_offset = 0;
    update();
}

void Banner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));
    p.setPen(pal.color(QPalette::WindowText));
    p.setFont(font());
    const double x = width() - m_offset;
    const int baseline = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2;
    p.drawText(QPointF(x, baseline), m_text);
}

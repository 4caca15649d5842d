#pragma once

#include <QRadioButton>

// An option whose caption is too long for one line of the window: the caption keeps its
// text but is shown wrapped at a given width, beside the indicator. The whole width of the
// control answers a click.
class WrappedOption : public QRadioButton {
    Q_OBJECT
  public:
    WrappedOption(const QString& caption, int wrapWidth, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Given more width than the wrap width, the caption takes fewer lines.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  private:
    // Where the caption goes: right of the indicator, within the given width.
    QRect captionRect(int width) const;
    int m_wrapWidth;
};

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// One line of text scrolling from right to left across the window, over and over.
class Banner : public QWidget {
    Q_OBJECT
  public:
    explicit Banner(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    // Scroll interval in milliseconds: the time the text takes to move by one step of
    // ten pixels. The motion is drawn in between, so it stays smooth.
    void setScrollInterval(int milliseconds) { m_interval = qMax(1, milliseconds); }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void advance();

    QString m_text;
    int m_interval = 200;
    double m_offset = 0; // pixels the text has moved since it entered on the right
    QTimer m_frame;
    QElapsedTimer m_clock;
};

#pragma once

#include <QLineEdit>

// A text box that holds a number in Italian notation. Text that is not a number is marked
// with a red frame and a tooltip until it is corrected; so is a negative number in a box
// for a quantity that cannot be negative (a weight, a height, a period). The keypad's
// decimal key types a comma.
class NumberEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // Weights, heights, lengths and periods: a negative value is refused like a text that
    // is not a number.
    void setNonNegative(bool on);
    bool isNonNegative() const { return m_nonNegative; }

    // True when the text is empty or a number this box accepts.
    bool isAcceptable() const;
    // Marks the text or takes the mark away; the box does it itself whenever its text
    // changes, and whoever sets the text with the box's signals blocked calls it after.
    void updateMark();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool m_nonNegative = false;
};

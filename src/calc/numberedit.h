#pragma once

#include <QLineEdit>

// A text box that holds a number in Italian notation. Text that is not a number is marked
// with a red frame and a tooltip until it is corrected; the keypad's decimal key types a
// comma.
class NumberEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // True when the text is empty or a number.
    bool isAcceptable() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void updateMark();
};

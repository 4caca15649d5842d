#pragma once

#include "windows/calcwindow.h"

// Fundamental period of vibration T = 0,1 * H / sqrt(B), seconds.
class Periodo : public CalcWindow {
    Q_OBJECT
  public:
    Periodo(AppContext& context, QWidget* parent);

  private:
    void compute();
    void send();

    NumberEdit* m_side;   // Text2: B, side of the foundation, m
    NumberEdit* m_height; // Text1: H, height of the building, m
    QLabel* m_period;     // Label4: T, s
};

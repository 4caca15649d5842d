#pragma once

#include "windows/calcwindow.h"

// Total stresses on a building (t): the seismic stresses combined, plus those of external
// forces.
class Verifiche : public CalcWindow {
    Q_OBJECT
  public:
    Verifiche(AppContext& context, QWidget* parent);

  private:
    void compute();
    void send();

    NumberEdit* m_horizontal; // Text1: Sh, t
    NumberEdit* m_external;   // text2: Se, t
    NumberEdit* m_vertical;   // Text3: Sv, t
    QLabel* m_combined;       // Label5: Sc, t
    QLabel* m_total;          // Label7: St, t
};

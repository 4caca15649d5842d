#pragma once

#include "windows/calcwindow.h"

// Real displacements of a building (cm): the elastic seismic displacements combined,
// amplified by k (6 static analysis, 4 dynamic) and added to those of other actions.
class Sollecitazioni : public CalcWindow {
    Q_OBJECT
  public:
    Sollecitazioni(AppContext& context, QWidget* parent);

  protected:
    void load() override;

  private:
    void compute();
    void send();

    NumberEdit* m_other;      // Text3: da, elastic displacement from other actions, cm
    NumberEdit* m_horizontal; // Text2: dh, cm
    NumberEdit* m_vertical;   // Text4: dv, cm
    QLabel* m_combined;       // Label10: dc, cm
    QLabel* m_symbol;         // Label11: symbol of k
    QLabel* m_k;              // Label12: k
    QLabel* m_real;           // Label14: dr, cm
};

#pragma once

#include "windows/calcwindow.h"

// Vertical seismic action of a framed building: Fv = Kv * W (t), Kv by the kind of
// structural member, W the total weight of the building (t).
class AzioniVerticali : public CalcWindow {
    Q_OBJECT
  public:
    AzioniVerticali(AppContext& context, QWidget* parent);

  protected:
    void load() override;
    void watchSources() override;

  private:
    void compute();
    void send();

    NumberEdit* m_weight;  // Text1: W, t
    QLabel* m_coefficient; // Label3: Kv
    QLabel* m_kind;        // Label8: the kind of structure chosen
    QLabel* m_force;       // Label6: Fv, t
};

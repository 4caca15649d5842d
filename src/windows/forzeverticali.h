#pragma once

#include "windows/calcwindow.h"

// Resultant of the vertical seismic forces of a masonry building, Fv = m * C * W (t),
// static analysis, with m = 2.
class ForzeVerticali : public CalcWindow {
    Q_OBJECT
  public:
    ForzeVerticali(AppContext& context, QWidget* parent);

  protected:
    void load() override;
    void watchSources() override;

  private:
    void compute();
    void send();

    QListWidget* m_zones; // List2
    NumberEdit* m_weight; // Text2: W, t
    QLabel* m_intensity;  // Label1 (hidden): C, fraction of g
    QLabel* m_force;      // Label13: Fv, t
};

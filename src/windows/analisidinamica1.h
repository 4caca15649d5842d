#pragma once

#include "windows/calcwindow.h"

// Dynamic analysis of a masonry building: ordinate of the design response spectrum as a
// fraction of g, a/g = C * R * I.
class AnalisiDinamica1 : public CalcWindow {
    Q_OBJECT
  public:
    AnalisiDinamica1(AppContext& context, QWidget* parent);

  protected:
    void load() override;
    void watchSources() override;

  private:
    void compute();
    void send();

    NumberEdit* m_period;      // Text1: T, s
    QLabel* m_response;        // Label5: R
    QListWidget* m_zones;      // List2
    QLabel* m_intensity;       // Label12 (hidden): C, fraction of g
    QListWidget* m_protection; // List1
    QLabel* m_importance;      // Label11 (hidden): I
    QLabel* m_ordinate;        // Label3: a/g
};

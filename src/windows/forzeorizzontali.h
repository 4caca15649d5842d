#pragma once

#include "windows/calcwindow.h"

// Horizontal seismic force of a masonry building, Fh = C * R * I * W (t), static analysis.
class ForzeOrizzontali : public CalcWindow {
    Q_OBJECT
  public:
    ForzeOrizzontali(AppContext& context, QWidget* parent);

  protected:
    void load() override;
    void watchSources() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void compute();
    void send();

    NumberEdit* m_period;      // Text1: T, s
    QLabel* m_response;        // Label5: R
    QLabel* m_intensityHint;   // Label8: caption of C, shows how C follows from S
    QListWidget* m_zones;      // List2
    QLabel* m_intensity;       // Label12 (hidden): C, fraction of g
    QListWidget* m_protection; // List1
    NumberEdit* m_weight;      // Text2: W, t
    QLabel* m_importance;      // Label11 (hidden): I
    QLabel* m_force;           // Label10: Fh, t
};

#pragma once

#include "windows/calcwindow.h"

// Dynamic analysis of a framed building: ordinate of the design response spectrum as a
// fraction of g, a/g = C * R * epsilon * beta * I, with R = 1.
class AnalisiDinamica2 : public CalcWindow {
    Q_OBJECT
  public:
    AnalisiDinamica2(AppContext& context, QWidget* parent);

  protected:
    void load() override;

  private:
    void compute();
    void send();

    QListWidget* m_protectionList; // List1
    NumberEdit* m_foundation;      // Text3: epsilon
    QLabel* m_response;            // Label5: R
    QLabel* m_intensity;           // Label14: C, fraction of g
    QLabel* m_structure;           // Label15: beta
    QLabel* m_structureCaption;    // Label11
    QLabel* m_ordinate;            // Label13: a/g
};

#pragma once

#include "windows/calcwindow.h"

#include <array>

class NtcSiteGroup;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The design response spectrum of a framed building, a/g = C * I * R(T) * epsilon * beta for
// T from 0 to 3 s, drawn for the zone, I, epsilon and beta chosen, with the building's
// period marked on it. It follows every choice as it is made. Beside it, when the group
// "NTC 2018" is opened, the spectrum of today's code for the building's site on the same axes.
class Spettro : public CalcWindow {
    Q_OBJECT
  public:
    Spettro(AppContext& context, QWidget* parent);

    // Rebuilt from the building data file, the diagram is drawn from the choices put back.
    void restoreKept(const QMap<QString, QString>& kept) override;

  protected:
    void load() override;
    void watchSources() override;

  private:
    void redraw();
    void drawCurve1984();
    // The NTC 2018 curve, its point at T, its corners and the legend with the values at T.
    void drawNtc();
    // Room on the chart's right for the label of the point at the period given.
    void keepLabelInView(double period);
    void setRightMargin(int pixels);

    QChartView* m_view; // Diagramma
    QChart* m_chart;
    int m_rightMargin = 0; // the chart's own right margin, without a point's label
    QValueAxis* m_axisX;
    QValueAxis* m_axisY;
    QLineSeries* m_curve;
    QScatterSeries* m_point;
    QListWidget* m_zones;          // List2
    QLabel* m_intensity;           // Label19: C, fraction of g
    QListWidget* m_protectionList; // List1
    QLabel* m_protection;          // Label16: I
    QListWidget* m_structureList;  // List3
    QLabel* m_structure;           // Label15: beta
    NumberEdit* m_foundation;      // Text3: epsilon
    NumberEdit* m_period;          // Text1: T, s
    QLabel* m_ordinate;            // Label13: a/g at the building's T
    NtcSiteGroup* m_ntc;           // ntcGruppo
    QLineSeries* m_ntcCurve;
    QScatterSeries* m_ntcPoint;
    std::array<QScatterSeries*, 3> m_ntcCorners; // TB, TC, TD, each labelled with its name
};

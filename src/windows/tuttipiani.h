#pragma once

#include "core/storeys.h"
#include "windows/calcwindow.h"

#include <optional>
#include <utility>
#include <vector>

class NtcStaticGroup;
class QAreaSeries;
class QScatterSeries;
class QChart;
class QChartView;
class QLineSeries;
class QTableWidget;
class QValueAxis;

// Every storey of a framed building at once: for each storey, from the bottom, W and h
// (taken from the storey data already entered, or typed), gamma, Kh, the force F, the storey
// shear V and the overturning moment M, with the base row, and a diagram of the forces and
// shears against height. Everything follows the data as it is typed. Switched on, the
// comparison with NTC 2018 adds the forces and shears of today's code for the same storeys.
class TuttiPiani : public CalcWindow {
    Q_OBJECT
  public:
    TuttiPiani(AppContext& context, QWidget* parent);

    // Columns of the table "Tabella".
    enum Column { Storey, Weight, Height, Distribution, Coefficient, Force, Shear, Moment };

    // The table's results and the diagram worked out again from what the window shows.
    void refresh();

    // The building data file keeps the storeys' weights and heights as typed.
    QMap<QString, QString> keptValues() const override;
    QString refusedKept(const QMap<QString, QString>& kept) const override;
    void restoreKept(const QMap<QString, QString>& kept) override;

  protected:
    void load() override;
    void watchSources() override;
    QStringList ownKeptNames() const override;
    void showEvent(QShowEvent* event) override;

  private:
    // The storey rows filled from lists of texts (weights and heights as typed).
    void setStoreys(const QStringList& weights, const QStringList& heights);
    void setStoreyCount(int count);
    void addStorey();
    void removeStorey();
    // The storeys read from the table, or nothing, with each cell that is not a value marked
    // and the reason in the message line.
    std::optional<std::vector<storeys::Storey>> readStoreys();
    void showTable(const storeys::Table& table);
    void clearResults(const QString& reason);
    void drawDiagram(const std::vector<storeys::Storey>& building, const storeys::Table* table);
    void appendToReport();
    // The NTC 2018 comparison from the storeys read, and its forces and shears in the diagram.
    void refreshNtc(const std::vector<storeys::Storey>* building);
    QString tableText() const;
    QStringList inputTexts(int column) const;

    QTableWidget* m_table; // Tabella
    QChartView* m_view;    // Diagramma
    QChart* m_chart;
    QValueAxis* m_axisX;
    QValueAxis* m_axisY;
    QLineSeries* m_shearLine;
    std::vector<QAreaSeries*> m_bars;
    QLabel* m_message;             // Messaggio: why the table has no results
    QLabel* m_check;               // Verifica: sum(F) against C * R * epsilon * beta * I * sum(W)
    NumberEdit* m_period;          // Text1: T, s
    QLabel* m_response;            // Label5: R
    NumberEdit* m_foundation;      // Text3: epsilon
    QListWidget* m_zones;          // List2
    QLabel* m_intensity;           // Label19: C, fraction of g
    QLabel* m_zoneText;            // Label10: S in words
    QLabel* m_intensityText;       // Label9: C followed by g
    QListWidget* m_protectionList; // List1
    QLabel* m_protection;          // Label16: I
    QListWidget* m_structureList;  // List3
    QLabel* m_structure;           // Label15: beta
    QPushButton* m_add;            // cmdAggiungiPiano
    QPushButton* m_remove;         // cmdRimuoviPiano
    std::optional<storeys::Table> m_result;
    NtcStaticGroup* m_ntc;       // ntcConfrontoGruppo
    QScatterSeries* m_ntcForces; // NTC 2018 storey forces
    QLineSeries* m_ntcShearLine; // NTC 2018 storey shears
    bool m_refreshing = false;
    bool m_restoring = false;
    // The storey data as taken at load, to bring in the data entered since when the table
    // still shows what was taken.
    // The storeys the table takes: the building's (W and h), else the questionnaires' lists.
    std::pair<QStringList, QStringList> enteredStoreys() const;
    QStringList m_takenWeights;
    QStringList m_takenHeights;
};

#pragma once

#include "core/building.h"
#include "shell/shellwindow.h"

#include <QString>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The building as the engineer enters it once: the project's data and a table of the
// storeys, from the lowest, with their loads G and Q, the reduction coefficient s, the height
// h and the weight W. W is worked out as G + s * Q and shown as such until a W is typed,
// which then stays. Rows copied from a spreadsheet are pasted at the current cell. "OK"
// writes the building shared by every window; "Annulla", Esc and the close box leave it as
// it was.
class DatiEdificio : public ShellWindow {
    Q_OBJECT
  public:
    DatiEdificio(AppContext& context, QWidget* parent);

    // Columns of the storey table.
    enum Column { G, Q, S, H, W, ColumnCount };

    void loadSteps() override;
    void showHelp() override;

  protected:
    bool opensOnFirstInput() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setBuilding(const building::Building& b);
    void setRowCount(int count);
    void relabelRows();
    void addStorey();
    void removeStorey();
    void pasteClipboard();
    // The rows copied from a spreadsheet, pasted from the table's current cell on; lines
    // beyond the last storey add storeys, up to the most a building has.
    void paste(const QString& clipboard);
    // A cell edited by the user or the program: its mark, and W of its storey again.
    void cellChanged(QTableWidgetItem* item);
    // W worked out again when it is not typed, and every cell of the storey marked or not.
    void refreshRow(int row);
    // The storey as the row holds it (a W worked out is not typed, so not kept).
    building::Storey storeyAt(int row) const;
    // Why a cell is refused, naming its storey and column; empty when it holds nothing or a
    // number that is not negative.
    QString refusal(int row, int column) const;
    // The first refusal in reading order, and how many cells are refused.
    std::pair<QString, int> refusals() const;
    void showFirstRefusal();
    bool isWeightComputed(int row) const;
    void accept() override;

    QLineEdit* m_project[7];
    QTableWidget* m_table; // Tabella
    QLabel* m_message;     // Messaggio: the first cell refused, by storey and column
    QPushButton* m_removeButton = nullptr;
    bool m_filling = false;
};

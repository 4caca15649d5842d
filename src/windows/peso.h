#pragma once

#include "windows/calcwindow.h"

class QPlainTextEdit;

// Total weight P of the building (t), the sum of its storey weights, asked storey by storey
// while the window loads and passed on to the force windows through pesoEdificio.
class Peso : public CalcWindow {
    Q_OBJECT
  public:
    Peso(AppContext& context, QWidget* parent);

    // The list of storeys and the total exactly as printed, CR LF at the end of each line.
    QString printedText() const { return m_printed; }

  protected:
    void load() override;
    void cancel() override;

  private:
    // The storeys and their weights asked one by one, then the list printed. Cancel on a
    // question may leave it: false then.
    bool questionnaire();
    void print(const QString& line);
    void send();
    void restart();

    QPlainTextEdit* m_sheet; // the window's printed surface
    QString m_printed;
    QStringList m_shown; // the same lines as they appear on screen
};

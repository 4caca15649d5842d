#pragma once

#include "windows/calcwindow.h"

class QPlainTextEdit;

// Distribution coefficient of one storey of a framed building,
// gamma_k = h_k * sum(W) / sum(W * h), from a questionnaire of storey weights (t) and heights
// above the foundation footing (m). The result goes to the shared numeroPiano and gammaPiano.
class CoeffDistribuzione : public CalcWindow {
    Q_OBJECT
  public:
    CoeffDistribuzione(AppContext& context, QWidget* parent);

    void unloadSteps() override;
    // What "Invia Dati" passes on: the storey and its coefficient.
    QMap<QString, QString> keptValues() const override;
    QString refusedKept(const QMap<QString, QString>& kept) const override;
    void restoreKept(const QMap<QString, QString>& kept) override;

  protected:
    void load() override;
    QStringList ownKeptNames() const override;

  private:
    // The whole questionnaire; afterRestart picks the spacing of the result line.
    // false when the user leaves it half-way.
    bool questionnaire(bool afterRestart);
    void restart();
    void send();
    void cancel() override;
    void clearSharedResult();

    QPlainTextEdit* m_surface;  // the printed table
    QLabel* m_storeyHeight;     // Label3: h_k as typed, m
    QLabel* m_sumWeights;       // Label1: sum(W), t
    QLabel* m_sumWeightHeights; // Label2: sum(W * h), t * m
    QString m_passedStorey;     // k as typed, passed on by "Invia Dati"
    double m_passedGamma = 0.0; // gamma_k rounded to two decimals
};

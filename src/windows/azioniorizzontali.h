#pragma once

#include "windows/calcwindow.h"

// Horizontal seismic action on one storey of a framed building: the coefficient
// Kh = C * R * epsilon * beta * gamma * I, the storey weight W = G + s * Q (t) and the
// force F = Kh * W (t).
class AzioniOrizzontali : public CalcWindow {
    Q_OBJECT
  public:
    AzioniOrizzontali(AppContext& context, QWidget* parent);

    // The storey the window is about, besides the copies every window keeps.
    QMap<QString, QString> keptValues() const override;
    void restoreKept(const QMap<QString, QString>& kept) override;

  protected:
    void load() override;
    void watchSources() override;
    QStringList ownKeptNames() const override;

  private:
    // G, Q and the room kind (by s) of the storey this window is about, from the building
    // when it has them; what the building lacks stays empty, as in a new window.
    void takeStoreyLoads();
    // gamma of the storey this window is about, empty when none is held for it.
    QString storeyGamma() const;
    // Captions that name the storey; stored is true for a storey left by the distribution
    // coefficient window, false for one typed at load.
    void setStoreyCaptions(const QString& storey, bool stored);
    void compute();
    void send();
    void newStorey();

    NumberEdit* m_period;          // Text1: T, s
    NumberEdit* m_foundation;      // Text3: epsilon
    NumberEdit* m_distribution;    // Text5: gamma
    NumberEdit* m_permanent;       // Text6: G, t
    NumberEdit* m_live;            // Text7: Q, t
    QListWidget* m_protectionList; // List1
    QLabel* m_response;            // Label5: R
    QLabel* m_intensity;           // Label19: C, fraction of g
    QLabel* m_structure;           // Label15: beta
    QLabel* m_reduction;           // Label24: s
    QLabel* m_coefficient;         // Label21: Kh
    QLabel* m_weight;              // Label28: W, t
    QLabel* m_force;               // Label29: F, t
    QLabel* m_distributionCaption; // Label14
    QLabel* m_permanentCaption;    // Label26
    QLabel* m_liveCaption;         // Label20
    QLabel* m_weightCaption;       // Label22
    QLabel* m_forceCaption;        // Label12
    QLabel* m_heading;             // Label1: report heading of the storey
    QLabel* m_structureCaption;    // Label11
    QString m_storey;              // the storey this window is about, as given
};

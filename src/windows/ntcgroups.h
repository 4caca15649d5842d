#pragma once

#include "core/ntc2018.h"

#include <QGroupBox>
#include <optional>

class NumberEdit;
class QCheckBox;
class QLabel;
class QListWidget;
class QTableWidget;

// "NTC 2018" in "Spettro di risposta", switched on by its check box: the site of the building
// for today's code (ag, F0, Tc*, subsoil and topographic categories, xi, q), kept in the building
// as it is typed, with S, eta, TB, TC and TD worked out from it and the reason when it cannot be
// used.
class NtcSiteGroup : public QGroupBox {
    Q_OBJECT
  public:
    NtcSiteGroup(building::NtcSite& site, QWidget* parent);

    // The boxes and lists show the site the building has; a site given switches the group on
    // unless switchOn is false (a file put back keeps the user's choice).
    void fromBuilding(bool switchOn = true);
    // Shows or hides the site as the check box says (also after a file put it back without
    // its signals).
    void syncShown();
    // The site and its parameters shown, or nothing with the reason in the message line.
    std::optional<ntc2018::Site> refresh();
    // The spectral ordinate at the building's T, empty without one.
    void showOrdinate(const QString& caption, const QString& value);

  signals:
    void changed();

  private:
    // The site as the controls show it; kept in the building at every change.
    building::NtcSite shown() const;
    void keep();

    building::NtcSite& m_site;
    QCheckBox* m_on; // ntcSpettro
    QWidget* m_body;
    NumberEdit* m_ag;          // ntcAg: fraction of g
    NumberEdit* m_f0;          // ntcF0
    NumberEdit* m_tcStar;      // ntcTcStar: s
    NumberEdit* m_damping;     // ntcXi: %
    NumberEdit* m_q;           // ntcQ
    QListWidget* m_soil;       // ntcSottosuolo: A ... E
    QListWidget* m_topography; // ntcTopografia: T1 ... T4
    QLabel* m_s;               // ntcS
    QLabel* m_eta;             // ntcEta
    QLabel* m_tb;              // ntcTB: s
    QLabel* m_tc;              // ntcTC: s
    QLabel* m_td;              // ntcTD: s
    QLabel* m_ordinateCaption; // ntcOrdinataDescrizione: Se/g or Sd/g
    QLabel* m_ordinate;        // ntcOrdinata
    QLabel* m_message;         // ntcMessaggio
    bool m_filling = false;
};

// "Confronto con le NTC 2018" in "Tutti i piani": switched on by its check box, it takes
// the site from the building, T1 from the 1984 period or C1 * H^(3/4), and the factor of the
// 1984 forces, and shows the NTC 2018 forces and shears of every storey beside the 1984 ones.
class NtcStaticGroup : public QWidget {
    Q_OBJECT
  public:
    // The choices of T1 and k are the building's, as the site is.
    NtcStaticGroup(building::NtcSite& site, QWidget* parent);
    // The lists show the building's choices.
    void fromBuilding();

    bool isOn() const;
    // Shows or hides the comparison as the check box says (also after a file put it back
    // without its signals).
    void syncShown();
    // Works the comparison out from the storeys and the 1984 table shown, or says in the
    // note why it cannot; nothing while it is off or cannot be worked out.
    std::optional<ntc2018::StaticForces> refresh(const building::NtcSite& site,
                                                 const std::vector<storeys::Storey>* building,
                                                 const storeys::Table* table1984,
                                                 std::optional<double> period1984);
    // The comparison for the report, empty when there is none.
    QString reportText() const;

  signals:
    void changed();

  private:
    void clearResults(const QString& reason);

    building::NtcSite& m_site;
    QCheckBox* m_on; // ntcConfronto
    QWidget* m_body;
    QListWidget* m_source; // ntcPeriodo: where T1 comes from
    QListWidget* m_basis;  // ntcFattore: 1 or 1,5
    QLabel* m_t1;          // ntcT1: s
    QLabel* m_sdCaption;   // ntcSdDescrizione: Se(T1)/g when q = 1, else Sd(T1)/g
    QLabel* m_sd;          // ntcSd
    QLabel* m_lambda;      // ntcLambda
    QLabel* m_fh;          // ntcFh: t
    QTableWidget* m_table; // TabellaNTC
    QLabel* m_note;        // ntcNota
    QString m_report;
};

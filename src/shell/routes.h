#pragma once

#include <QString>

class Forms;
class Shell;

// Status-bar panels: the indicators of the file commands and of the window groups, and the
// hint panel.
namespace panels {
constexpr int open = 1;
constexpr int save = 2;
constexpr int print = 3;
constexpr int buildingParameters = 4;
constexpr int about = 5;
constexpr int contact = 6;
constexpr int masonry = 8;
constexpr int framed = 9;
constexpr int composer = 11;
constexpr int hint = 13;
} // namespace panels

// Help windows and their context numbers.
namespace helptopics {
inline const QString buildingParameters = QStringLiteral("parametri dell'edificio");
inline const QString masonry = QStringLiteral("edifici in muratura - analisi statica");
inline const QString framed = QStringLiteral("edifici intelaiati");
inline const QString composer = QStringLiteral("componi relazione");
inline const QString buildingData = QStringLiteral("dati dell'edificio");
inline const QString calcReport = QStringLiteral("relazione di calcolo");
constexpr int buildingParametersContext = 1030;
constexpr int masonryContext = 1040;
constexpr int framedContext = 1050;
constexpr int composerContext = 1060;
constexpr int buildingDataContext = 1070;
constexpr int calcReportContext = 1080;
} // namespace helptopics

// The ways into a window: the window, the group indicator that goes on and the hint that the
// status bar shows while it is open. Menus, the selection windows, "Reset" and "Nuovo
// Piano" all open windows through these.
struct Route {
    QString window;
    int panel;
    QString hint;
};

namespace routes {
// The project data and the storeys' loads, entered once for the whole building.
inline const Route buildingData{
    QStringLiteral("datiedificio"), panels::buildingParameters,
    QStringLiteral("Dati del progetto e carichi dei piani: G, Q, s, h e W = G + s * Q")};
inline const Route period{QStringLiteral("periodo"), panels::buildingParameters,
                          QStringLiteral("Calcola il periodo di vibrazione dell'edificio")};
inline const Route weight{QStringLiteral("peso"), panels::buildingParameters,
                          QStringLiteral("Calcola il peso totale dell'edificio")};
// "Reset" asks the weights again; its hint gives the unit.
inline const Route weightAgain{QStringLiteral("peso"), panels::buildingParameters,
                               QStringLiteral("Calcola il peso totale dell'edificio (in tonn)")};
inline const Route distribution{
    QStringLiteral("coeffdistribuzione"), panels::buildingParameters,
    QStringLiteral("Calcola il coefficiente di distribuzione del piano iesimo (adimensionale)")};
inline const Route displacements{
    QStringLiteral("Sollecitazioni"), panels::buildingParameters,
    QStringLiteral("Calcola gli spostamenti reali prodotti dal sisma e da azioni esterne")};
inline const Route checks{
    QStringLiteral("verifiche"), panels::buildingParameters,
    QStringLiteral("Calcola le sollecitazioni totali prodotte dal sisma e da forze esterne")};
inline const Route horizontalForces{QStringLiteral("forzeorizzontali"), panels::masonry,
                                    QStringLiteral("Fh = C * R * I * W")};
inline const Route verticalForces{QStringLiteral("forzeverticali"), panels::masonry,
                                  QStringLiteral("Fv = m * C * W")};
// The masonry hint keeps its trailing blank.
inline const Route masonryDynamic{QStringLiteral("analisidinamica1"), panels::masonry,
                                  QStringLiteral("a/g = C * I * R ")};
inline const Route horizontalActions{QStringLiteral("azioniorizzontali"), panels::framed,
                                     QStringLiteral("Fi = Ki * Wi")};
inline const Route verticalActions{QStringLiteral("azioniverticali"), panels::framed,
                                   QStringLiteral("Fv = Kv * W")};
// A hint is screen text: the coefficients carry their Greek letters (β structure, ε
// foundation).
inline const Route framedDynamic{QStringLiteral("analisidinamica2"), panels::framed,
                                 QStringLiteral("a/g = C * R * β * ε * I")};
// Every storey of a framed building in one table, with its diagram.
inline const Route allStoreys{QStringLiteral("tuttipiani"), panels::framed,
                              QStringLiteral("Fi = Ki * Wi, Vi = Σ Fj, Mi = Σ Fj * (hj - hi) per "
                                             "tutti i piani")};
// The spectrum of the framed buildings' dynamic analysis, against the period.
inline const Route spectrum{QStringLiteral("spettro"), panels::buildingParameters,
                            QStringLiteral("a/g = C * I * R(T) * ε * β per T da 0 a 3 sec")};
inline const Route composeMasonry{
    QStringLiteral("componirelazione"), panels::composer,
    QStringLiteral("Consente di personalizzare la relazione statica o dinamica per gli edifici "
                   "in muratura")};
inline const Route composeFramed{
    QStringLiteral("componirelazione1"), panels::composer,
    QStringLiteral("Consente di personalizzare la relazione statica o dinamica per gli edifici "
                   "intelaiati")};
inline const Route calcReport{
    QStringLiteral("relazionecalcolo"), panels::composer,
    QStringLiteral("Relazione di calcolo: formule, valori, tabelle e diagrammi dell'edificio")};
inline const Route contact{QStringLiteral("lithvane"), panels::contact,
                           QStringLiteral("Autore del programma e indirizzo internet di Corvesta")};

// Indicator on, hint, then the window, modally; returns when the window is hidden or closed.
void open(Shell& shell, Forms& forms, const Route& route);
} // namespace routes

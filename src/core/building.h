#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The building the engineer is working on, entered once: the project's data, the seismic
// data, the period and the storeys. Every value that may be missing says so (std::optional);
// a value typed by the user keeps its text as typed, since reports print it that way.
namespace building {

// The most storeys the storey table holds.
constexpr int maxStoreys = 30;

// A number as typed ("120,333") with the value it reads as.
struct Typed {
    QString text;
    double value = 0.0;
    bool operator==(const Typed& other) const { return text == other.text && value == other.value; }
};

// A typed number from its text, or nothing when the text is not an Italian number.
std::optional<Typed> typed(const QString& text);

struct Project {
    QString titolo;      // titolo del lavoro
    QString committente; // client
    QString localita;    // località / comune
    QString progettista; // the engineer who signs
    QString ordine;      // registration with the Ordine degli Ingegneri (province, number)
    QString data;        // date of the report, as written
    QString revisione;   // revision
    bool operator==(const Project& other) const;
    bool isEmpty() const;
};

// One storey. W is either typed directly (the questionnaires ask for it) or worked out from
// the loads: W = G + s * Q, with G the storey's own weight and the permanent load on it (t),
// Q the largest live load on it (t) and s the live load reduction coefficient.
struct Storey {
    std::optional<Typed> g;      // t
    std::optional<Typed> q;      // t
    std::optional<Typed> s;      // dimensionless
    std::optional<Typed> h;      // height above the foundation footing, m
    std::optional<Typed> weight; // W typed directly, t
    // W: as typed, else G + s * Q when the three are known, else nothing.
    std::optional<double> w() const;
    // W as a text: as typed, or G + s * Q as the program writes numbers; empty when unknown.
    QString weightText() const;
    bool operator==(const Storey& other) const;
};

// The seismic data chosen for the building in any calculation window; each stays nothing
// until it is chosen, and the windows that open later start from it.
struct Seismic {
    std::optional<int> zone;          // row of the zone list: 0 S = 6, 1 S = 9, 2 S = 12
    std::optional<double> protection; // I, one of the protection coefficients (1, 1,2, 1,4)
    std::optional<double> structure;  // beta, one of the structure coefficients (1, 1,2)
    std::optional<Typed> foundation;  // epsilon, as typed
    bool operator==(const Seismic& other) const;
};

// What the fundamental period is worked out from, as typed in the period window when it
// computes T = 0,1 * H / sqrt(B): H the building's height and B the side of the foundation
// in the direction considered, both in m.
struct Period {
    std::optional<Typed> h;
    std::optional<Typed> b;
    bool operator==(const Period& other) const { return h == other.h && b == other.b; }
};
// The site of the building for the comparison with today's code (NTC 2018), given in
// "Spettro di risposta" and used by "Tutti i piani"; each stays nothing until given.
struct NtcSite {
    std::optional<Typed> ag;       // ag on rock, fraction of g
    std::optional<Typed> f0;       // F0
    std::optional<Typed> tcStar;   // Tc*, s
    std::optional<Typed> damping;  // xi, %
    std::optional<Typed> q;        // behaviour factor
    std::optional<int> soil;       // row of the subsoil list: 0 A ... 4 E
    std::optional<int> topography; // row of the topography list: 0 T1 ... 3 T4
    // Chosen in "Tutti i piani": where T1 comes from (0 the 1984 T, 1 C1 * H^(3/4) for steel,
    // 2 reinforced concrete, 3 other structures) and the factor k of the 1984 forces (0 k = 1,
    // 1 k = 1,5).
    std::optional<int> periodSource;
    std::optional<int> basis;
    bool operator==(const NtcSite& other) const;
    bool isEmpty() const;
};
constexpr int ntcSoilCount = 5;
constexpr int ntcTopographyCount = 4;
constexpr int ntcPeriodSourceCount = 4;
constexpr int ntcBasisCount = 2;

struct Building {
    Project project;
    Seismic sismica;
    Period periodo;
    NtcSite ntc;
    std::vector<Storey> storeys; // storey 1, the lowest, first
    // P = sum of W over the storeys, t; nothing when there is no storey or a storey has no W.
    std::optional<double> totalWeight() const;
    bool operator==(const Building& other) const;
};

// Rows copied from a spreadsheet: tab-separated cells, one storey a line, in the columns
// G, Q, s, h, W starting at the column given (0 for G). A cell may use the decimal comma or
// the decimal point ("1,5" and "1.5"), with grouping of thousands by the other mark
// ("1.234,5", "1,234.5"); an empty cell leaves the value missing.
struct PastedCell {
    int row;    // 0-based line of the pasted text
    int column; // 0 = G ... 4 = W
    QString text;
};
struct Pasted {
    std::vector<Storey> storeys;     // one a line, cells beyond W ignored
    std::vector<PastedCell> refused; // cells that are not numbers, or negative
    // How many of the columns from firstColumn each line covers, empty cells included: a
    // table pasted into replaces what those columns held, also with nothing.
    std::vector<int> spans;
};
Pasted pasteRows(const QString& clipboard, int firstColumn = 0);

// The number a spreadsheet cell holds, with either decimal mark; nothing when it holds none.
std::optional<double> spreadsheetNumber(const QString& cell);

} // namespace building

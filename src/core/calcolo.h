#pragma once

#include "core/building.h"
#include "core/ntc2018.h"
#include "core/storeys.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace buildingdata {
struct File;
}

// Every quantity of the building at full precision, worked out once from the building model
// (and, for the checks, from what the displacement and check windows hold) with the formulas
// of the calculation windows: the calculation report and the batch command state these.
namespace calcolo {

// A number a calculation window holds that the building does not (the inputs of the
// displacement and stress checks), by field key ("Sollecitazioni.orizzontali"); nothing when
// it is empty or not a number.
using FieldReader = std::function<std::optional<double>(const QString& key)>;

// delta_c = sqrt(dh^2 + dv^2), delta_r = delta_a + k * delta_c, all in cm.
struct Displacements {
    double horizontalCm, verticalCm, combinedCm, otherCm, amplification, realCm;
};
// Sc = sqrt(Sh^2 + Sv^2), St = Sc + Se, all in t.
struct Stresses {
    double horizontalT, verticalT, combinedT, externalT, totalT;
};

struct Results {
    std::optional<double> heightM;                           // H
    std::optional<double> sideM;                             // B
    std::optional<double> periodS;                           // T = 0,1 * H / sqrt(B)
    std::optional<double> response;                          // R from T, not rounded
    std::optional<int> zoneS;                                // degree of seismicity S
    std::optional<double> intensity;                         // C = (S - 2) / 100
    std::optional<double> protection, structure, foundation; // I, beta, epsilon
    // Every storey with its W and h, from the lowest; empty when one lacks either.
    std::vector<storeys::Storey> storeys;
    std::vector<building::Storey> entered; // as entered, for G, Q and s
    std::optional<double> totalWeightT;    // sum(W)
    // The horizontal actions of every storey, when the storeys and the seismic data allow.
    std::optional<storeys::Table> table;
    // Fv_i = m * C * W_i, t, with m = 2; empty without C or the storeys.
    std::vector<double> verticalT;
    std::optional<Displacements> displacements;
    std::optional<Stresses> stresses;
    // Why the storeys give no table: the first storey without W or h (1-based), or one whose
    // height is not above the one below; 0 when none.
    int storeyWithoutData = 0;
    int storeyNotAbove = 0;
    // The comparison with NTC 2018 from the building's site, T1 and k, the storeys and their
    // table; nothing without them, and then the Italian reason.
    std::optional<ntc2018::Comparison> ntc;
    QString ntcReason;
};

// H and B are the building's; a building without them takes those of the period window when
// it shows its T (a data file saved before the building kept them).
Results compute(const building::Building& building, const FieldReader& fields);

// The values the windows held when a building data file was saved, by field key: what the
// batch commands read the checks' inputs from. The file must outlive the reader.
FieldReader savedFields(const buildingdata::File& file);

// One computed quantity as the batch command prints it: key, full-precision value, unit
// ("" for a pure number). Further codes add their quantities under their own key prefix.
struct Quantity {
    QString key;
    double value;
    QString unit;
};
std::vector<Quantity> quantities(const Results& results);

// The check under a storey table: the sum of the forces against C * R * epsilon * beta * I *
// sum(W), both with two decimals: "ΣF = C·R·ε·β·I·ΣW: 35,12 t = 35,12 t".
QString checkLine(double sumForces, double expected, const QString& unit);

} // namespace calcolo

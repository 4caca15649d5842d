#pragma once

#include <optional>
#include <vector>

// Every storey of a framed building at once: the horizontal actions of the static analysis
// storey by storey, the storey shears and overturning moments they give, and the design
// response spectrum with the response coefficient along it.
namespace storeys {

// A table holds at most this many storeys.
constexpr int maxStoreys = 30;

struct Storey {
    double weightT; // W, tonnes
    double heightM; // h above the foundation footing, m
};

// The building's seismic data as the horizontal actions use it: C (fraction of g), R as
// worked out from T (not rounded), foundation epsilon, structure beta, protection I.
struct Seismic {
    double intensity;
    double response;
    double foundation;
    double structure;
    double protection;
};

// One storey's results at full precision: whoever shows them rounds them (gamma and K to
// three decimals, forces and moments to two), never before the next step uses them.
struct Row {
    double distribution; // gamma, dimensionless
    double base;         // K0 = R * C * gamma * epsilon * beta, dimensionless
    double coefficient;  // Kh = K0 * I, dimensionless
    double forceT;       // F = Kh * W, t
    double shearT;       // V, t: the forces of this storey and of every storey above
    double momentTm;     // M, t * m: the forces above about this storey's level
};

struct Table {
    std::vector<Row> rows;     // storey 1, the lowest, first
    double baseShearT;         // V at the foundation: the sum of the forces
    double baseMomentTm;       // M at the foundation: the sum of F * h
    double sumWeightsT;        // sum(W), t
    double sumWeightHeightsTm; // sum(W * h), t * m
    // C * R * epsilon * beta * I * sum(W), t: since sum(gamma * W) = sum(W), the sum of the
    // forces must come back to it; the table shows both as its check.
    double expectedBaseShearT;
};

// R as a framed-building window shows it: from T (s) as given, not rounded, then R rounded
// to two decimals.
double response(double periodSeconds);

// The index of the first storey that is not higher than the one below it, or -1 when the
// heights rise from the bottom up, as shears and moments need.
int firstStoreyNotAbove(const std::vector<Storey>& storeys);

// The storeys' horizontal actions, listed from the bottom, nothing rounded: gamma_i = h_i *
// sum(W) / sum(W * h) with the sums in double precision, K0 = R * C * gamma * epsilon * beta,
// Kh_i = K0 * I, F_i = Kh_i * W_i; then the shear V_i = sum of F_j for j >= i and the
// overturning moment at the level of storey i, M_i = sum of F_j * (h_j - h_i) for j > i.
// Nothing when the weights and heights spread no force (sum(W * h) = 0) or a result is not
// finite.
std::optional<Table> horizontalActions(const std::vector<Storey>& storeys, const Seismic& seismic);

// The design response spectrum of a framed building as a fraction of g:
// a/g = C * I * R(T) * epsilon * beta, R from T (s) and not rounded.
double spectrumOrdinate(double periodSeconds, double intensity, double protection,
                        double foundation, double structure);

struct SpectrumPoint {
    double periodS;
    double ordinate;
};
// The spectrum from T = 0 to 3 s every hundredth of a second (the knee at 0,8 s is one of
// the points).
std::vector<SpectrumPoint> spectrumCurve(double intensity, double protection, double foundation,
                                         double structure);

} // namespace storeys

#pragma once

// The formulas of the 1984 seismic code that the calculation windows apply. Each takes and
// returns plain doubles; rounding to two decimals is left to the caller, because the windows
// round at different steps.
namespace formulas {

// Fundamental period T (s) from the building height H (m) and the foundation side B (m):
// T = 0,1 * H / sqrt(B). B <= 0 has no period: the result is not finite.
double period(double heightM, double foundationSideM);

// ---- Framed buildings: distribution coefficient, horizontal and vertical actions,
// ---- response spectrum of the dynamic analysis.

// Running sums over the storeys, kept in single precision as the questionnaire adds them:
// sum of the weights W (t) and sum of the products W * h (t * m).
struct StoreySums {
    float weights = 0.0f;
    float weightHeights = 0.0f;
};
// Adds one storey of weight W (t) at height h (m) above the foundation footing. Each step is
// worked out in double precision and stored back in single precision.
void addStorey(StoreySums& sums, double weightT, double heightM);

// Distribution coefficient of storey k: gamma_k = h_k * sum(W) / sum(W * h), dimensionless,
// with h_k in m, sum(W) in t, sum(W * h) in t * m. A zero sum(W * h) has no coefficient:
// the result is not finite.
double distributionCoefficient(double storeyHeightM, double sumWeightsT, double sumWeightHeightsTm);

// Horizontal seismic coefficient without the protection coefficient:
// K0 = R * C * gamma * epsilon * beta (all dimensionless, C as a fraction of g).
double horizontalCoefficientBase(double response, double intensity, double distribution,
                                 double foundation, double structure);

// Horizontal seismic coefficient Kh = K0 * I (dimensionless).
double horizontalCoefficient(double base, double protection);

// Storey weight W = G + s * Q (t): permanent load G (t), live load Q (t) reduced by s.
double storeyWeight(double permanentT, double reduction, double liveT);

// Horizontal force on the storey F = Kh * W (t).
double storeyHorizontalForce(double weightT, double coefficient);

// Vertical action Fv = Kv * W (t), W the total weight of the building (t).
double verticalAction(double coefficient, double weightT);

// Ordinate of the design response spectrum of a framed building as a fraction of g:
// a/g = C * R * epsilon * beta * I, worked out as (R * C * epsilon * beta) * I.
double framedSpectrumOrdinate(double response, double intensity, double foundation,
                              double structure, double protection);

} // namespace formulas

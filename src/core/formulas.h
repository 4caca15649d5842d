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

// ---- Masonry buildings, displacements and stresses.

// Total building weight P (t) after adding one storey's weight (t). The running total is
// rounded to two decimals after every storey and kept in single precision, so 120,333 and
// 100,333 add up to 220,66 rather than 220,67.
float addStoreyWeight(float totalTonnes, double storeyTonnes);

// Horizontal seismic force of a masonry building, Fh = C * R * I * W (t): R response
// coefficient, C seismic intensity coefficient (fraction of g), I protection coefficient,
// W weight of the structure (t). Multiplied in the order R, C, I, W.
double horizontalForce(double r, double c, double i, double weightTonnes);

// Multiplier m of the vertical seismic coefficient Kv = m * C.
constexpr double verticalMultiplier = 2.0;

// Resultant of the vertical seismic forces, Fv = m * C * W (t), with m = 2, C the seismic
// intensity coefficient and W the weight of the structural masses (t).
double verticalForce(double c, double weightTonnes);

// Combined elastic displacement from the earthquake, dc = sqrt(dh^2 + dv^2) (cm), from the
// horizontal dh and vertical dv displacements (cm).
double combinedDisplacement(double horizontalCm, double verticalCm);

// Real displacement dr = da + k * dc (cm): da elastic displacement from other actions (cm),
// k amplification of the seismic displacement (6 static analysis, 4 dynamic), dc combined
// seismic displacement (cm).
double realDisplacement(double otherActionsCm, double k, double combinedCm);

// Combined seismic stress Sc = sqrt(Sh^2 + Sv^2) (t) from the horizontal Sh and vertical Sv
// stresses produced by the earthquake (t).
double combinedStress(double horizontalTonnes, double verticalTonnes);

// Total stress on the building St = Sc + Se (t): combined seismic stress plus the stress
// produced by external forces.
double totalStress(double combinedTonnes, double externalTonnes);

// Ordinate of the design response spectrum of the dynamic analysis as a fraction of g,
// a/g = C * R * I, multiplied in this order.
double spectrumOrdinate(double c, double r, double i);

} // namespace formulas

#pragma once

// The formulas of the 1984 seismic code that the calculation windows apply. Each takes and
// returns plain doubles; rounding to two decimals is left to the caller, because the windows
// round at different steps.
namespace formulas {

// Fundamental period T (s) from the building height H (m) and the foundation side B (m):
// T = 0,1 * H / sqrt(B). B <= 0 has no period: the result is not finite.
double period(double heightM, double foundationSideM);

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

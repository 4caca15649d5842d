#pragma once

// The formulas of the 1984 seismic code that the calculation windows apply. Each takes and
// returns plain doubles; rounding to two decimals is left to the caller, because the windows
// round at different steps.
namespace formulas {

// Fundamental period T (s) from the building height H (m) and the foundation side B (m):
// T = 0,1 * H / sqrt(B). B <= 0 has no period: the result is not finite.
double period(double heightM, double foundationSideM);

} // namespace formulas

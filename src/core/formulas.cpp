#include "core/formulas.h"

#include "core/numtext.h"

#include <cmath>
#include <limits>

namespace formulas {

double period(double heightM, double foundationSideM) {
    if (foundationSideM <= 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return (heightM * 0.1) / std::pow(foundationSideM, 1.0 / 2.0);
}

// ---- Framed buildings.

void addStorey(StoreySums& sums, double weightT, double heightM) {
    sums.weights = static_cast<float>(static_cast<double>(sums.weights) + weightT);
    sums.weightHeights =
        static_cast<float>(static_cast<double>(sums.weightHeights) + heightM * weightT);
}

double distributionCoefficient(double storeyHeightM, double sumWeightsT,
                               double sumWeightHeightsTm) {
    if (sumWeightHeightsTm == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return storeyHeightM * sumWeightsT / sumWeightHeightsTm;
}

double horizontalCoefficientBase(double response, double intensity, double distribution,
                                 double foundation, double structure) {
    return response * intensity * distribution * foundation * structure;
}

double horizontalCoefficient(double base, double protection) {
    return base * protection;
}

double storeyWeight(double permanentT, double reduction, double liveT) {
    return permanentT + reduction * liveT;
}

double storeyHorizontalForce(double weightT, double coefficient) {
    return weightT * coefficient;
}

double verticalAction(double coefficient, double weightT) {
    return coefficient * weightT;
}

double framedSpectrumOrdinate(double response, double intensity, double foundation,
                              double structure, double protection) {
    const double withoutProtection = response * intensity * foundation * structure;
    return withoutProtection * protection;
}

// ---- Masonry buildings and checks.

float addStoreyWeight(float totalTonnes, double storeyTonnes) {
    // The sum is taken in double precision, rounded, then stored back in single precision.
    return static_cast<float>(numtext::round2(static_cast<double>(totalTonnes) + storeyTonnes));
}

double horizontalForce(double r, double c, double i, double weightTonnes) {
    return r * c * i * weightTonnes;
}

double verticalForce(double c, double weightTonnes) {
    return (verticalMultiplier * c) * weightTonnes;
}

namespace {
// sqrt(a^2 + b^2) as the square root of the sum of squares; when the squares overflow
// although the result does not (a = 1E200), the same length without squaring.
double squareRootOfSquares(double a, double b) {
    const double sum = a * a + b * b;
    if (std::isfinite(sum))
        return std::pow(sum, 1.0 / 2.0);
    return std::hypot(a, b);
}
} // namespace

double combinedDisplacement(double horizontalCm, double verticalCm) {
    return squareRootOfSquares(horizontalCm, verticalCm);
}

double realDisplacement(double otherActionsCm, double k, double combinedCm) {
    return otherActionsCm + k * combinedCm;
}

double combinedStress(double horizontalTonnes, double verticalTonnes) {
    return squareRootOfSquares(horizontalTonnes, verticalTonnes);
}

double totalStress(double combinedTonnes, double externalTonnes) {
    return combinedTonnes + externalTonnes;
}

double spectrumOrdinate(double c, double r, double i) {
    return c * r * i;
}

} // namespace formulas

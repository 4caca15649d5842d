#include "calc/formulas.h"

#include <cmath>
#include <limits>

namespace formulas {

double period(double heightM, double foundationSideM) {
    if (foundationSideM <= 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return (heightM * 0.1) / std::pow(foundationSideM, 1.0 / 2.0);
}

} // namespace formulas

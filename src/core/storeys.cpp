#include "core/storeys.h"

#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"

#include <cmath>

namespace storeys {

namespace {
// The distribution coefficient window keeps its sums in single precision and reads them
// back from their text: the same numbers here give the same gamma.
double asWritten(float sum) {
    return numtext::parse(numtext::formatSingle(sum)).value_or(std::nan(""));
}
} // namespace

double response(double periodSeconds) {
    return numtext::round2(coefficients::responseCoefficient(periodSeconds));
}

int firstStoreyNotAbove(const std::vector<Storey>& storeys) {
    for (std::size_t i = 1; i < storeys.size(); ++i)
        if (!(storeys[i].heightM > storeys[i - 1].heightM))
            return static_cast<int>(i);
    return -1;
}

std::optional<Table> horizontalActions(const std::vector<Storey>& storeys, const Seismic& seismic) {
    formulas::StoreySums sums;
    for (const Storey& s : storeys)
        formulas::addStorey(sums, s.weightT, s.heightM);
    const double sumW = asWritten(sums.weights);
    const double sumWh = asWritten(sums.weightHeights);

    Table table;
    table.rows.resize(storeys.size());
    for (std::size_t i = 0; i < storeys.size(); ++i) {
        Row& row = table.rows[i];
        row.distribution =
            numtext::round2(formulas::distributionCoefficient(storeys[i].heightM, sumW, sumWh));
        // K0 is rounded before the protection coefficient applies, and Kh again after.
        const double base = numtext::round2(formulas::horizontalCoefficientBase(
            seismic.response, seismic.intensity, row.distribution, seismic.foundation,
            seismic.structure));
        row.coefficient =
            numtext::round2(formulas::horizontalCoefficient(base, seismic.protection));
        row.forceT =
            numtext::round2(formulas::storeyHorizontalForce(storeys[i].weightT, row.coefficient));
        if (!std::isfinite(row.forceT))
            return std::nullopt;
    }

    // From the top down: the shear below storey i adds its force to the shear above, and
    // the moment about storey i adds the shear above times the height between the two.
    double shear = 0.0;
    double moment = 0.0;
    for (std::size_t i = storeys.size(); i-- > 0;) {
        if (i + 1 < storeys.size())
            moment += shear * (storeys[i + 1].heightM - storeys[i].heightM);
        shear += table.rows[i].forceT;
        table.rows[i].shearT = numtext::round2(shear);
        table.rows[i].momentTm = numtext::round2(moment);
    }
    if (!storeys.empty())
        moment += shear * storeys.front().heightM;
    table.baseShearT = numtext::round2(shear);
    table.baseMomentTm = numtext::round2(moment);
    if (!std::isfinite(table.baseShearT) || !std::isfinite(table.baseMomentTm))
        return std::nullopt;
    return table;
}

double spectrumOrdinate(double periodSeconds, double intensity, double protection,
                        double foundation, double structure) {
    return formulas::framedSpectrumOrdinate(coefficients::responseCoefficient(periodSeconds),
                                            intensity, foundation, structure, protection);
}

std::vector<SpectrumPoint> spectrumCurve(double intensity, double protection, double foundation,
                                         double structure) {
    std::vector<SpectrumPoint> curve;
    curve.reserve(301);
    for (int i = 0; i <= 300; ++i) {
        const double t = i / 100.0;
        curve.push_back({t, spectrumOrdinate(t, intensity, protection, foundation, structure)});
    }
    return curve;
}

} // namespace storeys

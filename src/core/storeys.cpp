#include "core/storeys.h"

#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"

#include <cmath>

namespace storeys {

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
    Table table;
    table.sumWeightsT = 0.0;
    table.sumWeightHeightsTm = 0.0;
    for (const Storey& s : storeys) {
        table.sumWeightsT += s.weightT;
        table.sumWeightHeightsTm += s.weightT * s.heightM;
    }
    table.rows.resize(storeys.size());
    for (std::size_t i = 0; i < storeys.size(); ++i) {
        Row& row = table.rows[i];
        row.distribution = formulas::distributionCoefficient(storeys[i].heightM, table.sumWeightsT,
                                                             table.sumWeightHeightsTm);
        row.base = formulas::horizontalCoefficientBase(seismic.response, seismic.intensity,
                                                       row.distribution, seismic.foundation,
                                                       seismic.structure);
        row.coefficient = formulas::horizontalCoefficient(row.base, seismic.protection);
        row.forceT = formulas::storeyHorizontalForce(storeys[i].weightT, row.coefficient);
        if (!std::isfinite(row.forceT))
            return std::nullopt;
    }

    // From the top down: the shear below storey i adds its force to the shear above, and
    // the moment at the level of storey i adds the shear above times the height between the
    // two.
    double shear = 0.0;
    double moment = 0.0;
    for (std::size_t i = storeys.size(); i-- > 0;) {
        if (i + 1 < storeys.size())
            moment += shear * (storeys[i + 1].heightM - storeys[i].heightM);
        shear += table.rows[i].forceT;
        table.rows[i].shearT = shear;
        table.rows[i].momentTm = moment;
    }
    if (!storeys.empty())
        moment += shear * storeys.front().heightM;
    table.baseShearT = shear;
    table.baseMomentTm = moment;
    table.expectedBaseShearT =
        formulas::horizontalCoefficient(
            formulas::horizontalCoefficientBase(seismic.response, seismic.intensity, 1.0,
                                                seismic.foundation, seismic.structure),
            seismic.protection) *
        table.sumWeightsT;
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

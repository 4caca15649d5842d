#include "core/ntc2018.h"

#include <algorithm>
#include <cmath>

namespace ntc2018 {

namespace {

struct SoilRow {
    double ssConstant; // SS = constant - slope * F0 * ag, ag in g
    double ssSlope;
    double ssLow;
    double ssHigh;
    double ccFactor; // CC = factor * Tc*^exponent
    double ccExponent;
};

// Tab. 3.2.IV. For A the amplification is 1 whatever the site: the row gives 1 - 0.
const SoilRow soilRows[] = {
    {1.00, 0.00, 1.00, 1.00, 1.00, 0.00},  // A
    {1.40, 0.40, 1.00, 1.20, 1.10, -0.20}, // B
    {1.70, 0.60, 1.00, 1.50, 1.05, -0.33}, // C
    {2.40, 1.50, 0.90, 1.80, 1.25, -0.50}, // D
    {2.00, 1.10, 1.00, 1.60, 1.15, -0.40}, // E
};

// Tab. 3.2.V, at the crest of the relief for T2 to T4 (the largest value the code gives).
const double topographyRows[] = {1.0, 1.2, 1.2, 1.4};

// [3.2.2] with the eta given: the elastic spectrum has the damping's, the design spectrum
// 1/q.
double spectrum(double t, const Site& site, const Parameters& p, double eta) {
    const double plateau = site.ag * p.s * eta * site.f0;
    if (t < p.tb)
        return plateau * (t / p.tb + (1.0 - t / p.tb) / (eta * site.f0));
    if (t < p.tc)
        return plateau;
    if (t < p.td)
        return plateau * p.tc / t;
    return plateau * p.tc * p.td / (t * t);
}

} // namespace

QString refused(const Site& site) {
    if (!(site.ag > 0.0 && site.ag <= 1.0))
        return QStringLiteral("L'accelerazione ag deve essere maggiore di 0 e non superiore a "
                              "1 (è una frazione di g).");
    if (!(site.f0 > 0.0))
        return QStringLiteral("Il fattore F0 deve essere maggiore di 0.");
    if (!(site.tcStar > 0.0))
        return QStringLiteral("Il periodo Tc* deve essere maggiore di 0 sec.");
    if (!(site.damping >= 0.0 && site.damping <= 100.0))
        return QStringLiteral("Lo smorzamento ξ deve essere compreso tra 0 e 100 %.");
    if (!(site.q >= 1.0))
        return QStringLiteral("Il fattore di comportamento q non può essere minore di 1.");
    return QString();
}

Parameters parameters(const Site& site) {
    const SoilRow& row = soilRows[int(site.soil)];
    Parameters p;
    p.ss = std::clamp(row.ssConstant - row.ssSlope * site.f0 * site.ag, row.ssLow, row.ssHigh);
    p.cc = row.ccFactor * std::pow(site.tcStar, row.ccExponent);
    p.st = topographyRows[int(site.topography)];
    p.s = p.ss * p.st;
    p.eta = std::max(std::sqrt(10.0 / (5.0 + site.damping)), 0.55);
    p.tc = p.cc * site.tcStar;
    p.tb = p.tc / 3.0;
    p.td = 4.0 * site.ag + 1.6;
    return p;
}

double elasticOrdinate(double periodS, const Site& site) {
    const Parameters p = parameters(site);
    return spectrum(periodS, site, p, p.eta);
}

double designOrdinate(double periodS, const Site& site) {
    return std::max(spectrum(periodS, site, parameters(site), 1.0 / site.q), 0.2 * site.ag);
}

double ordinate(double periodS, const Site& site) {
    return isElastic(site) ? elasticOrdinate(periodS, site) : designOrdinate(periodS, site);
}

std::vector<Point> curve(const Site& site, double untilS) {
    const Parameters p = parameters(site);
    std::vector<double> periods;
    for (int i = 0; i / 100.0 <= untilS + 1e-9; ++i)
        periods.push_back(i / 100.0);
    for (double corner : {p.tb, p.tc, p.td})
        if (corner < untilS)
            periods.push_back(corner);
    std::sort(periods.begin(), periods.end());
    std::vector<Point> points;
    points.reserve(periods.size());
    for (double t : periods)
        points.push_back({t, ordinate(t, site)});
    return points;
}

double c1(Frame frame) {
    switch (frame) {
    case Frame::Steel:
        return 0.085;
    case Frame::Concrete:
        return 0.075;
    case Frame::Other:
        break;
    }
    return 0.050;
}

double approximatePeriod(Frame frame, double heightM) {
    return c1(frame) * std::pow(heightM, 0.75);
}

double lambda(double t1S, double tcS, int storeyCount) {
    return t1S < 2.0 * tcS && storeyCount >= 3 ? 0.85 : 1.0;
}

std::optional<StaticForces> staticForces(const std::vector<storeys::Storey>& storeys,
                                         const storeys::Table& table1984, double t1S,
                                         const Site& site, double factor) {
    const Parameters p = parameters(site);
    StaticForces out;
    out.t1S = t1S;
    out.sd = ordinate(t1S, site);
    out.lambda = lambda(t1S, p.tc, int(storeys.size()));
    out.weightT = 0.0;
    double sumZW = 0.0;
    for (const storeys::Storey& s : storeys) {
        out.weightT += s.weightT;
        sumZW += s.heightM * s.weightT;
    }
    if (!(sumZW > 0.0))
        return std::nullopt;
    // [7.3.7]: Fh = Sd(T1) W lambda / g; with Sd in g and W a weight in t, Fh is in t.
    out.baseShearT = out.sd * out.weightT * out.lambda;
    out.rows.resize(storeys.size());
    for (std::size_t i = 0; i < storeys.size(); ++i)
        out.rows[i].forceT = out.baseShearT * storeys[i].heightM * storeys[i].weightT / sumZW;
    double shear = 0.0;
    for (std::size_t i = storeys.size(); i-- > 0;) {
        shear += out.rows[i].forceT;
        out.rows[i].shearT = shear;
        const double old = i < table1984.rows.size() ? factor * table1984.rows[i].shearT : 0.0;
        out.rows[i].ratio = old > 0.0 ? shear / old : std::nan("");
    }
    out.beyondTc = t1S > 2.5 * p.tc;
    out.beyondTd = t1S > p.td;
    if (!std::isfinite(out.baseShearT))
        return std::nullopt;
    return out;
}

} // namespace ntc2018

#include "core/ntc2018.h"

#include "core/numtext.h"

#include <algorithm>
#include <cmath>

namespace ntc2018 {

namespace {

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

QString fixed2(double value) {
    const double rounded = numtext::round2(value);
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 2)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

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

SiteReading siteOf(const building::NtcSite& given) {
    if (!given.ag || !given.f0 || !given.tcStar || !given.soil || !given.topography)
        return {std::nullopt, QStringLiteral("Inserire ag, F0 e Tc* e scegliere la categoria di "
                                             "sottosuolo e quella topografica.")};
    const Site site{given.ag->value,
                    given.f0->value,
                    given.tcStar->value,
                    Soil(*given.soil),
                    Topography(*given.topography),
                    given.damping ? given.damping->value : 5.0,
                    given.q ? given.q->value : 1.0};
    const QString reason = refused(site);
    if (!reason.isEmpty())
        return {std::nullopt, reason};
    return {site, QString()};
}

const SoilRow& soilRow(Soil soil) {
    return soilRows[int(soil)];
}

Parameters parameters(const Site& site) {
    const SoilRow& row = soilRow(site.soil);
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

double factor(Basis basis) {
    return basis == Basis::LimitStates ? 1.5 : 1.0;
}

ComparisonReading compare(const building::NtcSite& given,
                          const std::vector<storeys::Storey>& storeys,
                          const storeys::Table* table1984, std::optional<double> period1984) {
    const SiteReading reading = siteOf(given);
    if (!reading.site) {
        // The site's reason as the rest of a sentence.
        QString reason = reading.reason;
        reason[0] = reason[0].toLower();
        return {std::nullopt,
                QStringLiteral("Dati del sito (finestra Spettro di risposta): ") + reason};
    }
    if (storeys.empty() || !table1984)
        return {std::nullopt, QStringLiteral("Il confronto si fa sulla tabella del D.M. 1984: "
                                             "completarne i dati.")};
    const auto source = PeriodSource(given.periodSource.value_or(0));
    double t1 = 0.0;
    if (source == PeriodSource::Period1984) {
        if (!period1984)
            return {std::nullopt,
                    QStringLiteral("Inserire il periodo T o scegliere T1 = C1·H^(3/4).")};
        t1 = *period1984;
    } else {
        t1 = approximatePeriod(Frame(int(source) - 1), storeys.back().heightM);
    }
    const auto basis = given.basis == 1 ? Basis::LimitStates : Basis::AllowableStresses;
    const auto forces = staticForces(storeys, *table1984, t1, *reading.site, factor(basis));
    if (!forces)
        return {std::nullopt, QStringLiteral("Con i pesi e le quote inseriti le forze delle NTC "
                                             "2018 non possono essere calcolate.")};
    return {Comparison{*reading.site, source, basis, *forces}, QString()};
}

QString comparisonText(const Site& site, const StaticForces& f, PeriodSource source, Basis basis,
                       const storeys::Table& table1984) {
    const Parameters p = parameters(site);
    const QString indent(5, QLatin1Char(' '));
    const QString sec = QStringLiteral(" sec");
    const QString sd = isElastic(site) ? QStringLiteral("Se") : QStringLiteral("Sd");
    const auto n = [](double v) { return format3(v); };
    QStringList lines;
    const auto line = [&](const QString& text) {
        lines << (text.isEmpty() ? text : indent + text);
    };
    line(QStringLiteral("CONFRONTO CON LE NTC 2018 (ANALISI STATICA LINEARE)"));
    line(QString());
    line(QStringLiteral("Sito: ag = ") + n(site.ag) + QStringLiteral(" g, F0 = ") + n(site.f0) +
         QStringLiteral(", Tc* = ") + n(site.tcStar) + sec);
    line(QStringLiteral("Sottosuolo ") + QLatin1Char(char('A' + int(site.soil))) +
         QStringLiteral(": SS = ") + n(p.ss) + QStringLiteral(", CC = ") + n(p.cc) +
         QStringLiteral("; topografia T") + QString::number(int(site.topography) + 1) +
         QStringLiteral(": ST = ") + n(p.st) + QStringLiteral("; S = SS · ST = ") + n(p.s));
    line(isElastic(site) ? QStringLiteral("Spettro elastico: smorzamento ") + n(site.damping) +
                               QStringLiteral(" %, eta = ") + n(p.eta)
                         : QStringLiteral("Spettro di progetto: q = ") + n(site.q) +
                               QStringLiteral(", Sd non minore di 0,2 · ag"));
    line(QStringLiteral("TB = ") + n(p.tb) + QStringLiteral(" sec, TC = ") + n(p.tc) +
         QStringLiteral(" sec, TD = ") + n(p.td) + sec);
    static const char* const sources[] = {"periodo del D.M. 1984", "C1 · H^(3/4), acciaio",
                                          "C1 · H^(3/4), cemento armato",
                                          "C1 · H^(3/4), altre strutture"};
    line(QStringLiteral("T1 = ") + n(f.t1S) + sec + QStringLiteral(" (") +
         QString::fromUtf8(sources[int(source)]) + QStringLiteral(")"));
    line(QStringLiteral("lambda = ") + n(f.lambda) + QStringLiteral(", W = ") +
         numtext::formatRounded(f.weightT) + QStringLiteral(" tonn"));
    line(QStringLiteral("Fh = ") + sd + QStringLiteral("(T1) · W · lambda / g = ") +
         numtext::formatDigits(f.sd, 4) + QStringLiteral(" · ") +
         numtext::formatRounded(f.weightT) + QStringLiteral(" · ") + n(f.lambda) +
         QStringLiteral(" = ") + numtext::formatRounded(f.baseShearT) + QStringLiteral(" tonn"));
    if (f.beyondTc)
        line(QStringLiteral("Nota: T1 supera 2,5 · TC = ") + n(2.5 * p.tc) +
             QStringLiteral(" sec, limite dell'analisi statica lineare"));
    if (f.beyondTd)
        line(QStringLiteral("Nota: T1 supera TD = ") + n(p.td) +
             QStringLiteral(" sec, limite dell'analisi statica lineare"));
    line(basis == Basis::LimitStates
             ? QStringLiteral("k = 1,5: forze del D.M. 1984 moltiplicate per 1,5 (stati limite)")
             : QStringLiteral("k = 1: forze del D.M. 1984 come calcolate (tensioni ammissibili)"));
    line(QString());
    const auto right = [](const QString& text, int width) { return text.rightJustified(width); };
    line(QStringLiteral("Piano") + right(QStringLiteral("F NTC (tonn)"), 15) +
         right(QStringLiteral("V NTC (tonn)"), 15) +
         right(QStringLiteral("k · V 1984 (tonn)"), 20) +
         right(QStringLiteral("V NTC / (k · V 1984)"), 23));
    const double k = factor(basis);
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const StoreyForce& r = f.rows[i];
        const double old = i < table1984.rows.size() ? k * table1984.rows[i].shearT : 0.0;
        line((QString::number(i + 1) + QStringLiteral("°")).leftJustified(5) +
             right(fixed2(r.forceT), 15) + right(fixed2(r.shearT), 15) + right(fixed2(old), 20) +
             right(std::isfinite(r.ratio) ? fixed2(r.ratio) : QStringLiteral("-"), 23));
    }
    return lines.join(QLatin1Char('\n'));
}

QString format3(double value) {
    const double rounded = std::round(value * 1000.0) / 1000.0;
    return numtext::format(rounded == 0.0 ? 0.0 : rounded);
}

} // namespace ntc2018

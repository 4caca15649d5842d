#include "core/calcolo.h"

#include "core/buildingdata.h"
#include "core/coefficients.h"
#include "core/fields.h"
#include "core/formulas.h"
#include "core/numtext.h"

#include <cmath>

namespace calcolo {

namespace {

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

void storeysOf(const building::Building& b, Results& r) {
    r.entered = b.storeys;
    std::vector<storeys::Storey> list;
    for (std::size_t i = 0; i < b.storeys.size(); ++i) {
        const auto w = b.storeys[i].w();
        if (!w || !b.storeys[i].h) {
            r.storeyWithoutData = int(i) + 1;
            return;
        }
        list.push_back({*w, b.storeys[i].h->value});
    }
    const int low = storeys::firstStoreyNotAbove(list);
    if (low >= 0) {
        r.storeyNotAbove = low + 1;
        return;
    }
    r.storeys = list;
    r.totalWeightT = 0.0;
    for (const storeys::Storey& s : list)
        *r.totalWeightT += s.weightT;
}

} // namespace

Results compute(const building::Building& b, const FieldReader& fields) {
    const auto field = [&fields](const char* key) {
        return fields ? fields(QString::fromLatin1(key)) : std::nullopt;
    };
    Results r;
    if (b.periodo.h)
        r.heightM = b.periodo.h->value;
    if (b.periodo.b)
        r.sideM = b.periodo.b->value;
    // A building kept before it held H and B: those of the period window, when it computed.
    if (!b.periodo.h && !b.periodo.b && field("periodo.T")) {
        r.heightM = field("periodo.H");
        r.sideM = field("periodo.B");
    }
    if (r.heightM && r.sideM)
        r.periodS = finite(formulas::period(*r.heightM, *r.sideM));
    if (r.periodS)
        r.response = coefficients::responseCoefficient(*r.periodS);
    if (b.sismica.zone) {
        const coefficients::Zone& zone = coefficients::zone(*b.sismica.zone);
        r.zoneS = zone.s;
        r.intensity = zone.c;
    }
    r.protection = b.sismica.protection;
    r.structure = b.sismica.structure;
    if (b.sismica.foundation)
        r.foundation = b.sismica.foundation->value;

    storeysOf(b, r);
    if (!r.storeys.empty() && r.intensity && r.response && r.protection && r.structure &&
        r.foundation)
        r.table = storeys::horizontalActions(
            r.storeys, {*r.intensity, *r.response, *r.foundation, *r.structure, *r.protection});
    if (!r.storeys.empty() && r.intensity)
        for (const storeys::Storey& s : r.storeys)
            r.verticalT.push_back(formulas::verticalForce(*r.intensity, s.weightT));
    const ntc2018::ComparisonReading ntc =
        ntc2018::compare(b.ntc, r.storeys, r.table ? &*r.table : nullptr, r.periodS);
    r.ntc = ntc.comparison;
    r.ntcReason = ntc.reason;

    const auto dh = field("Sollecitazioni.orizzontali");
    const auto dv = field("Sollecitazioni.verticali");
    const auto da = field("Sollecitazioni.altreAzioni");
    const auto k = field("Sollecitazioni.phi");
    // Only a check its window has computed: its result is shown there.
    if (dh && dv && da && k && field("Sollecitazioni.reali")) {
        const double dc = formulas::combinedDisplacement(*dh, *dv);
        r.displacements =
            Displacements{*dh, *dv, dc, *da, *k, formulas::realDisplacement(*da, *k, dc)};
    }
    const auto sh = field("verifiche.orizzontali");
    const auto sv = field("verifiche.verticali");
    const auto se = field("verifiche.esterne");
    if (sh && sv && se && field("verifiche.totali")) {
        const double sc = formulas::combinedStress(*sh, *sv);
        r.stresses = Stresses{*sh, *sv, sc, *se, formulas::totalStress(sc, *se)};
    }
    return r;
}

FieldReader savedFields(const buildingdata::File& file) {
    return [&file](const QString& key) -> std::optional<double> {
        const fields::Field* field = fields::find(key);
        if (!field || !field->control)
            return std::nullopt;
        const auto window = file.windows.constFind(QString::fromLatin1(field->window));
        if (window == file.windows.constEnd())
            return std::nullopt;
        const auto control = window->controls.constFind(QString::fromLatin1(field->control));
        if (control == window->controls.constEnd() ||
            control->kind != buildingdata::ControlValue::Text)
            return std::nullopt;
        return numtext::parse(control->text);
    };
}

std::vector<Quantity> quantities(const Results& r) {
    std::vector<Quantity> out;
    const auto add = [&out](const QString& key, const std::optional<double>& value,
                            const char* unit) {
        if (value)
            out.push_back({key, *value, QString::fromUtf8(unit)});
    };
    add(QStringLiteral("periodo.H"), r.heightM, "m");
    add(QStringLiteral("periodo.B"), r.sideM, "m");
    add(QStringLiteral("periodo.T"), r.periodS, "s");
    add(QStringLiteral("sismica.S"), r.zoneS ? std::optional<double>(*r.zoneS) : std::nullopt, "");
    add(QStringLiteral("sismica.C"), r.intensity, "");
    add(QStringLiteral("sismica.R"), r.response, "");
    add(QStringLiteral("sismica.I"), r.protection, "");
    add(QStringLiteral("sismica.beta"), r.structure, "");
    add(QStringLiteral("sismica.epsilon"), r.foundation, "");
    add(QStringLiteral("peso.W"), r.totalWeightT, "t");
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const QString storey = QStringLiteral("piani.%1.").arg(i + 1);
        add(storey + QStringLiteral("W"), r.storeys[i].weightT, "t");
        add(storey + QStringLiteral("h"), r.storeys[i].heightM, "m");
        if (r.table) {
            const storeys::Row& row = r.table->rows[i];
            add(storey + QStringLiteral("gamma"), row.distribution, "");
            add(storey + QStringLiteral("K0"), row.base, "");
            add(storey + QStringLiteral("Kh"), row.coefficient, "");
            add(storey + QStringLiteral("F"), row.forceT, "t");
            add(storey + QStringLiteral("V"), row.shearT, "t");
            add(storey + QStringLiteral("M"), row.momentTm, "t·m");
        }
        if (i < r.verticalT.size())
            add(storey + QStringLiteral("Fv"), r.verticalT[i], "t");
    }
    if (r.table) {
        add(QStringLiteral("base.V"), r.table->baseShearT, "t");
        add(QStringLiteral("base.M"), r.table->baseMomentTm, "t·m");
        add(QStringLiteral("base.CRebIW"), r.table->expectedBaseShearT, "t");
    }
    if (r.displacements) {
        add(QStringLiteral("spostamenti.dc"), r.displacements->combinedCm, "cm");
        add(QStringLiteral("spostamenti.dr"), r.displacements->realCm, "cm");
    }
    if (r.stresses) {
        add(QStringLiteral("verifiche.Sc"), r.stresses->combinedT, "t");
        add(QStringLiteral("verifiche.St"), r.stresses->totalT, "t");
    }
    if (r.ntc) {
        // The comparison with NTC 2018: the site's spectrum, T1, Sd(T1), lambda, Fh, k and
        // every storey's force, shear and ratio to k times the 1984 shear.
        const ntc2018::Comparison& n = *r.ntc;
        const ntc2018::Parameters p = ntc2018::parameters(n.site);
        add(QStringLiteral("ntc.ag"), n.site.ag, "g");
        add(QStringLiteral("ntc.F0"), n.site.f0, "");
        add(QStringLiteral("ntc.TcStar"), n.site.tcStar, "s");
        add(QStringLiteral("ntc.xi"), n.site.damping, "%");
        add(QStringLiteral("ntc.q"), n.site.q, "");
        add(QStringLiteral("ntc.SS"), p.ss, "");
        add(QStringLiteral("ntc.CC"), p.cc, "");
        add(QStringLiteral("ntc.ST"), p.st, "");
        add(QStringLiteral("ntc.S"), p.s, "");
        add(QStringLiteral("ntc.eta"), ntc2018::isElastic(n.site) ? p.eta : 1.0 / n.site.q, "");
        add(QStringLiteral("ntc.TB"), p.tb, "s");
        add(QStringLiteral("ntc.TC"), p.tc, "s");
        add(QStringLiteral("ntc.TD"), p.td, "s");
        add(QStringLiteral("ntc.T1"), n.forces.t1S, "s");
        add(QStringLiteral("ntc.Sd"), n.forces.sd, "g");
        add(QStringLiteral("ntc.lambda"), n.forces.lambda, "");
        add(QStringLiteral("ntc.W"), n.forces.weightT, "t");
        add(QStringLiteral("ntc.Fh"), n.forces.baseShearT, "t");
        add(QStringLiteral("ntc.k"), ntc2018::factor(n.basis), "");
        for (std::size_t i = 0; i < n.forces.rows.size(); ++i) {
            const QString storey = QStringLiteral("ntc.piani.%1.").arg(i + 1);
            const ntc2018::StoreyForce& f = n.forces.rows[i];
            add(storey + QStringLiteral("F"), f.forceT, "t");
            add(storey + QStringLiteral("V"), f.shearT, "t");
            if (std::isfinite(f.ratio))
                add(storey + QStringLiteral("rapporto"), f.ratio, "");
        }
    }
    return out;
}

QString checkLine(double sumForces, double expected, const QString& unit) {
    return QStringLiteral("ΣF = C·R·ε·β·I·ΣW: ") + numtext::fixed(sumForces, 2) + QLatin1Char(' ') +
           unit + QStringLiteral(" = ") + numtext::fixed(expected, 2) + QLatin1Char(' ') + unit;
}

} // namespace calcolo

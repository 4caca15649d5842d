#include "core/relazionentc.h"

#include "core/ntc2018.h"
#include "core/numtext.h"

#include <cmath>

namespace relazione {

namespace {

Block block(Block::Kind kind, const QString& text) {
    return {kind, text, {}, {}};
}

} // namespace

QStringList missingNtc(const calcolo::Results& r) {
    if (r.ntc)
        return {};
    // The reason as a phrase of the list: "il confronto con le NTC 2018: inserire ...".
    QString reason = r.ntcReason;
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return {QStringLiteral("il confronto con le NTC 2018: ") + reason};
}

void ntcComparison(const Context& c, Document& d) {
    const ntc2018::Comparison& n = *c.results.ntc;
    const ntc2018::Site& site = n.site;
    const ntc2018::StaticForces& f = n.forces;
    const ntc2018::Parameters p = ntc2018::parameters(site);
    const ntc2018::SoilRow& soil = ntc2018::soilRow(site.soil);
    const bool elastic = ntc2018::isElastic(site);
    const QString sd = elastic ? QStringLiteral("Se") : QStringLiteral("Sd");
    const QString unit = forceUnit(c.unit);
    const auto force = [&](double tonnes) { return hundredths(inUnit(tonnes, c.unit)); };
    const auto text = [&](const QString& t) {
        d.blocks.push_back(block(Block::Kind::Paragraph, t));
    };
    const auto line = [&](const QString& t) { d.blocks.push_back(block(Block::Kind::Formula, t)); };

    text(QStringLiteral("Accanto alle azioni del D.M. 1984 si stimano, per lo stesso edificio, le "
                        "forze dell'analisi statica lineare delle NTC 2018 (D.M. 17/01/2018, "
                        "§7.3.3.2), con lo spettro del sito (§3.2.3.2.1, §3.2.3.5). È una stima "
                        "di confronto, non una valutazione della vulnerabilità sismica "
                        "dell'edificio."));
    const QChar soilName = QLatin1Char(char('A' + int(site.soil)));
    line(QStringLiteral("ag = %1 g; F0 = %2; Tc* = %3 sec; sottosuolo %4; topografia T%5")
             .arg(thousandths(site.ag), thousandths(site.f0), thousandths(site.tcStar))
             .arg(soilName)
             .arg(int(site.topography) + 1));
    if (site.soil == ntc2018::Soil::A) {
        line(QStringLiteral("SS = 1,00; CC = 1,00 (sottosuolo A)"));
    } else {
        line(QStringLiteral("SS = %1 − %2 · F0 · ag = %1 − %2 · %3 · %4, tra %5 e %6: SS = %7")
                 .arg(hundredths(soil.ssConstant), hundredths(soil.ssSlope), thousandths(site.f0),
                      thousandths(site.ag), hundredths(soil.ssLow), hundredths(soil.ssHigh),
                      thousandths(p.ss)));
        // The exponent is negative: written with the minus sign of the other formulas.
        line(QStringLiteral("CC = %1 · Tc*^(−%2) = %1 · %3^(−%2) = %4")
                 .arg(hundredths(soil.ccFactor), hundredths(-soil.ccExponent),
                      thousandths(site.tcStar), thousandths(p.cc)));
    }
    line(QStringLiteral("S = SS · ST = %1 · %2 = %3")
             .arg(thousandths(p.ss), hundredths(p.st), thousandths(p.s)));
    const double eta = elastic ? p.eta : 1.0 / site.q;
    if (elastic)
        line(QStringLiteral("η = √(10 / (5 + ξ)) = √(10 / (5 + %1)) = %2, non minore di 0,55")
                 .arg(numtext::format(site.damping), thousandths(p.eta)));
    else
        line(QStringLiteral("η = 1 / q = 1 / %1 = %2 (spettro di progetto, Sd ≥ 0,2 · ag = %3 g)")
                 .arg(numtext::format(site.q), thousandths(eta), thousandths(0.2 * site.ag)));
    line(QStringLiteral("TC = CC · Tc* = %1 · %2 = %3 sec; TB = TC / 3 = %4 sec")
             .arg(thousandths(p.cc), thousandths(site.tcStar), thousandths(p.tc),
                  thousandths(p.tb)));
    line(QStringLiteral("TD = 4,0 · ag + 1,6 = 4,0 · %1 + 1,6 = %2 sec")
             .arg(thousandths(site.ag), thousandths(p.td)));

    static const char* const frames[] = {"", "acciaio", "cemento armato", "altre strutture"};
    if (n.source == ntc2018::PeriodSource::Period1984)
        line(QStringLiteral("T1 = T = %1 sec (periodo del D.M. 1984)").arg(thousandths(f.t1S)));
    else
        line(QStringLiteral("T1 = C1 · H^(3/4) = %1 · %2^(3/4) = %3 sec (%4)")
                 .arg(thousandths(ntc2018::c1(ntc2018::Frame(int(n.source) - 1))),
                      hundredths(c.results.storeys.back().heightM), thousandths(f.t1S),
                      QString::fromUtf8(frames[int(n.source)])));
    const QString plateau = QStringLiteral("ag · S · η · F0");
    const QString values = thousandths(site.ag) + QStringLiteral(" · ") + thousandths(p.s) +
                           QStringLiteral(" · ") + thousandths(eta) + QStringLiteral(" · ") +
                           thousandths(site.f0);
    const double t = f.t1S;
    QString branch;
    if (t < p.tb)
        branch =
            plateau + QStringLiteral(" · [T1/TB + (1 − T1/TB) / (η · F0)] = ") + values +
            QStringLiteral(" · [%1/%2 + (1 − %1/%2) / (%3 · %4)]")
                .arg(thousandths(t), thousandths(p.tb), thousandths(eta), thousandths(site.f0));
    else if (t < p.tc)
        branch = plateau + QStringLiteral(" = ") + values;
    else if (t < p.td)
        branch = plateau + QStringLiteral(" · TC / T1 = ") + values +
                 QStringLiteral(" · %1 / %2").arg(thousandths(p.tc), thousandths(t));
    else
        branch = plateau + QStringLiteral(" · TC · TD / T1² = ") + values +
                 QStringLiteral(" · %1 · %2 / %3²")
                     .arg(thousandths(p.tc), thousandths(p.td), thousandths(t));
    line(sd + QStringLiteral("(T1) = ") + branch + QStringLiteral(" = ") + thousandths(f.sd) +
         QStringLiteral(" g"));
    if (f.lambda < 1.0)
        line(QStringLiteral("λ = 0,85 (T1 < 2 · TC = %1 sec e almeno tre piani)")
                 .arg(thousandths(2.0 * p.tc)));
    else if (f.t1S >= 2.0 * p.tc)
        line(QStringLiteral("λ = 1 (T1 ≥ 2 · TC = %1 sec)").arg(thousandths(2.0 * p.tc)));
    else
        line(QStringLiteral("λ = 1 (meno di tre piani)"));
    line(QStringLiteral("W = ΣWi = %1 %2").arg(force(f.weightT), unit));
    line(QStringLiteral("Fh = %1(T1) · W · λ / g = %2 · %3 · %4 = %5 %6")
             .arg(sd, thousandths(f.sd), force(f.weightT), numtext::format(f.lambda),
                  force(f.baseShearT), unit));
    double sumZW = 0.0;
    for (const storeys::Storey& s : c.results.storeys)
        sumZW += s.heightM * s.weightT;
    text(QStringLiteral("La forza di ciascun piano è Fi = Fh · zi · Wi / Σ(zj · Wj), con zi la "
                        "quota del piano sul piano di fondazione; Σ(zj · Wj) = %1 %2·m.")
             .arg(force(sumZW), unit));
    for (std::size_t i = 0; i < f.rows.size(); ++i)
        line(QStringLiteral("F%1 = %2 · %3 · %4 / %5 = %6 %7")
                 .arg(i + 1)
                 .arg(force(f.baseShearT), hundredths(c.results.storeys[i].heightM),
                      force(c.results.storeys[i].weightT), force(sumZW), force(f.rows[i].forceT),
                      unit));
    const double k = ntc2018::factor(n.basis);
    text(n.basis == ntc2018::Basis::LimitStates
             ? QStringLiteral("Le forze del D.M. 1984 sono moltiplicate per k = 1,5, come "
                              "prescriveva il D.M. 16/01/1996 per le verifiche agli stati "
                              "limite; k vale solo in questo confronto.")
             : QStringLiteral("Le forze del D.M. 1984 sono confrontate come calcolate, alle "
                              "tensioni ammissibili (k = 1)."));

    Block table = block(Block::Kind::Table, QString());
    table.table.header = {QStringLiteral("Piano"), QStringLiteral("F NTC (%1)").arg(unit),
                          QStringLiteral("V NTC (%1)").arg(unit),
                          QStringLiteral("k · V 1984 (%1)").arg(unit),
                          QStringLiteral("V NTC / (k · V 1984)")};
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const ntc2018::StoreyForce& r = f.rows[i];
        table.table.rows.push_back(
            {QString::number(i + 1) + QStringLiteral("°"), force(r.forceT), force(r.shearT),
             force(k * c.results.table->rows[i].shearT),
             std::isfinite(r.ratio) ? hundredths(r.ratio) : QStringLiteral("—")});
    }
    d.blocks.push_back(table);
    if (f.beyondTc)
        d.blocks.push_back(block(Block::Kind::Note,
                                 QStringLiteral("T1 = %1 sec supera 2,5 · TC = %2 sec: l'analisi "
                                                "statica lineare non è applicabile.")
                                     .arg(thousandths(t), thousandths(2.5 * p.tc))));
    if (f.beyondTd)
        d.blocks.push_back(
            block(Block::Kind::Note, QStringLiteral("T1 = %1 sec supera TD = %2 sec: l'analisi "
                                                    "statica lineare non è applicabile.")
                                         .arg(thousandths(t), thousandths(p.td))));

    Block spectrum = block(Block::Kind::Figure,
                           QStringLiteral("Spettro delle NTC 2018 (%1/g) e periodo T1 = %2 sec")
                               .arg(sd, thousandths(t)));
    spectrum.figure.kind = Figure::Kind::Spectrum;
    spectrum.figure.xTitle = QStringLiteral("T (sec)");
    spectrum.figure.yTitle = sd + QStringLiteral("/g");
    for (const ntc2018::Point& point : ntc2018::curve(site, std::max(3.0, std::ceil(p.td))))
        spectrum.figure.line.emplace_back(point.periodS, point.ordinate);
    spectrum.figure.points.emplace_back(t, f.sd);
    d.blocks.push_back(spectrum);

    Block forces = block(Block::Kind::Figure,
                         QStringLiteral("Forze di piano e tagli di piano delle NTC 2018"));
    forces.figure.kind = Figure::Kind::StoreyForces;
    forces.figure.xTitle = QStringLiteral("F, V (%1)").arg(unit);
    forces.figure.yTitle = QStringLiteral("h (m)");
    double below = 0.0;
    for (std::size_t i = 0; i < f.rows.size(); ++i) {
        const double h = c.results.storeys[i].heightM;
        forces.figure.points.emplace_back(inUnit(f.rows[i].forceT, c.unit), h);
        forces.figure.line.emplace_back(inUnit(f.rows[i].shearT, c.unit), below);
        forces.figure.line.emplace_back(inUnit(f.rows[i].shearT, c.unit), h);
        below = h;
    }
    d.blocks.push_back(forces);
}

} // namespace relazione

#include "core/relazione.h"

#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"
#include "core/relazionentc.h"
#include "core/storeys.h"

#include <cmath>

namespace relazione {

QString thousandths(double value) {
    return numtext::fixed(value, 3);
}
QString hundredths(double value) {
    return numtext::fixed(value, 2);
}

namespace {

// Lengths to the hundredth, a centimetre.
QString length(double m) {
    return numtext::fixed(m, 2);
}

const QString dot = QStringLiteral(" · ");

QString storeyName(std::size_t index) {
    return QString::number(index + 1) + QStringLiteral("°");
}

Block heading(const QString& text) {
    return {Block::Kind::Heading, text, {}, {}};
}
Block paragraph(const QString& text) {
    return {Block::Kind::Paragraph, text, {}, {}};
}
Block formula(const QString& text) {
    return {Block::Kind::Formula, text, {}, {}};
}

struct Writer {
    const Context& c;
    Document& d;
    void text(const QString& t) { d.blocks.push_back(paragraph(t)); }
    void line(const QString& t) { d.blocks.push_back(formula(t)); }
    QString force(double tonnes) const {
        return hundredths(inUnit(tonnes, c.unit)) + QLatin1Char(' ') + forceUnit(c.unit);
    }
    QString forceNumber(double tonnes) const { return hundredths(inUnit(tonnes, c.unit)); }
    QString moment(double tonneMetres) const {
        return hundredths(inUnit(tonneMetres, c.unit)) + QLatin1Char(' ') + momentUnit(c.unit);
    }
};

// ---- Missing values, one phrase each.

QStringList missingSeismic(const calcolo::Results& r) {
    QStringList out;
    if (!r.zoneS)
        out << QStringLiteral("la zona sismica (S)");
    if (!r.protection)
        out << QStringLiteral("il coefficiente di protezione sismica (I)");
    if (!r.structure)
        out << QStringLiteral("il coefficiente di struttura (β)");
    if (!r.foundation)
        out << QStringLiteral("il coefficiente di fondazione (ε)");
    return out;
}

QStringList missingPeriod(const calcolo::Results& r) {
    if (r.periodS)
        return {};
    if (r.heightM && r.sideM)
        return {QStringLiteral("il periodo T: il lato della fondazione B deve essere maggiore "
                               "di zero")};
    return {QStringLiteral("il periodo T: mancano l'altezza H e il lato della fondazione B "
                           "(Periodo fondamentale di vibrazione)")};
}

QStringList missingStoreys(const calcolo::Results& r) {
    if (r.storeyWithoutData > 0)
        return {QStringLiteral("il peso W e la quota h del %1 piano (Dati dell'edificio)")
                    .arg(storeyName(std::size_t(r.storeyWithoutData - 1)))};
    if (r.storeyNotAbove > 0)
        return {QStringLiteral("la quota del %1 piano, che deve superare quella del piano "
                               "sottostante")
                    .arg(storeyName(std::size_t(r.storeyNotAbove - 1)))};
    if (r.storeys.empty())
        return {QStringLiteral("i piani dell'edificio (Dati dell'edificio)")};
    return {};
}

QStringList missingTable(const calcolo::Results& r) {
    QStringList out = missingStoreys(r) + missingPeriod(r) + missingSeismic(r);
    if (out.isEmpty() && !r.table)
        out << QStringLiteral("le forze di piano: la somma dei prodotti W · h è nulla");
    return out;
}

QStringList missingVertical(const calcolo::Results& r) {
    QStringList out = missingStoreys(r);
    if (!r.zoneS)
        out << QStringLiteral("la zona sismica (S)");
    return out;
}

QStringList missingChecks(const calcolo::Results& r) {
    if (r.displacements || r.stresses)
        return {};
    return {QStringLiteral("gli spostamenti e le sollecitazioni (finestre Spostamenti e "
                           "Verifiche non elaborate)")};
}

QStringList missingSpectrum(const calcolo::Results& r) {
    return missingPeriod(r) + missingSeismic(r);
}

// ---- The sections.

void seismicData(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    w.text(QStringLiteral("Il grado di sismicità S è quello della zona in cui sorge l'edificio; "
                          "ne deriva il coefficiente di intensità sismica C, in frazione "
                          "dell'accelerazione di gravità g."));
    w.line(QStringLiteral("C = (S − 2) / 100 = (%1 − 2) / 100 = %2")
               .arg(*r.zoneS)
               .arg(hundredths(*r.intensity)));
    w.text(QStringLiteral("Coefficienti scelti per l'edificio:"));
    w.line(QStringLiteral("I = %1 (coefficiente di protezione sismica)")
               .arg(hundredths(*r.protection)));
    w.line(QStringLiteral("β = %1 (coefficiente di struttura)").arg(hundredths(*r.structure)));
    w.line(QStringLiteral("ε = %1 (coefficiente di fondazione)").arg(hundredths(*r.foundation)));
}

void period(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    w.text(QStringLiteral("Il periodo fondamentale di vibrazione T è stimato dall'altezza H "
                          "dell'edificio e dal lato B della fondazione nella direzione "
                          "considerata."));
    w.line(QStringLiteral("T = 0,1 · H / √B = 0,1 · %1 / √%2 = %3 sec")
               .arg(length(*r.heightM), length(*r.sideM), thousandths(*r.periodS)));
    w.text(QStringLiteral("Il coefficiente di risposta R vale 1 per T ≤ 0,8 sec e "
                          "0,862 / T^(2/3) per periodi maggiori."));
    if (*r.periodS <= 0.8)
        w.line(QStringLiteral("R = 1 (T = %1 sec ≤ 0,8 sec)").arg(thousandths(*r.periodS)));
    else
        w.line(QStringLiteral("R = 0,862 / T^(2/3) = 0,862 / %1^(2/3) = %2")
                   .arg(thousandths(*r.periodS), thousandths(*r.response)));
}

void weight(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    w.text(QStringLiteral("Il peso di ciascun piano è W = G + s · Q, con G i carichi "
                          "permanenti, Q i sovraccarichi accidentali e s il coefficiente di "
                          "riduzione dei sovraccarichi; dove il peso è stato inserito "
                          "direttamente, è riportato come tale."));
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const building::Storey& s = r.entered[i];
        const QString name = QStringLiteral("W%1").arg(i + 1);
        if (!s.weight && s.g && s.q && s.s)
            w.line(name + QStringLiteral(" = G + s · Q = %1 + %2 · %3 = %4")
                              .arg(w.forceNumber(s.g->value), hundredths(s.s->value),
                                   w.forceNumber(s.q->value), w.force(r.storeys[i].weightT)));
        else
            w.line(name + QStringLiteral(" = %1 (%2 piano)")
                              .arg(w.force(r.storeys[i].weightT), storeyName(i)));
    }
    w.text(QStringLiteral("Il peso complessivo dell'edificio è la somma dei pesi dei piani."));
    w.line(QStringLiteral("P = ΣW = %1").arg(w.force(*r.totalWeightT)));
}

void distribution(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    const storeys::Table& t = *r.table;
    w.text(QStringLiteral("Il coefficiente di distribuzione di ciascun piano è "
                          "γi = hi · ΣW / Σ(W · h), con hi la quota del piano sul piano di "
                          "fondazione."));
    w.line(QStringLiteral("ΣW = %1; Σ(W · h) = %2")
               .arg(w.force(t.sumWeightsT), w.moment(t.sumWeightHeightsTm)));
    for (std::size_t i = 0; i < r.storeys.size(); ++i)
        w.line(QStringLiteral("γ%1 = h%1 · ΣW / Σ(W · h) = %2 · %3 / %4 = %5")
                   .arg(i + 1)
                   .arg(length(r.storeys[i].heightM), w.forceNumber(t.sumWeightsT),
                        hundredths(inUnit(t.sumWeightHeightsTm, c.unit)),
                        thousandths(t.rows[i].distribution)));
}

void horizontal(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    const storeys::Table& t = *r.table;
    w.text(QStringLiteral("La forza orizzontale di ciascun piano è "
                          "Fi = C · R · ε · β · γi · I · Wi, cioè Fi = Kh,i · Wi con il "
                          "coefficiente sismico Kh,i = C · R · ε · β · γi · I. I valori "
                          "intermedi non sono arrotondati: quelli scritti lo sono alla terza "
                          "cifra decimale (R, γ, K) o alla seconda (forze); Kh,i è riportato "
                          "nella tabella di tutti i piani."));
    const QString common = hundredths(*r.intensity) + dot + thousandths(*r.response) + dot +
                           hundredths(*r.foundation) + dot + hundredths(*r.structure);
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const storeys::Row& row = t.rows[i];
        w.line(QStringLiteral("F%1 = C · R · ε · β · γ%1 · I · W%1 = ").arg(i + 1) + common + dot +
               thousandths(row.distribution) + dot + hundredths(*r.protection) + dot +
               w.forceNumber(r.storeys[i].weightT) + QStringLiteral(" = ") + w.force(row.forceT));
    }
    w.text(QStringLiteral("Poiché Σ(γi · Wi) = ΣW, la somma delle forze di piano è uguale a "
                          "C · R · ε · β · I · ΣW:"));
    w.line(calcolo::checkLine(inUnit(t.baseShearT, c.unit), inUnit(t.expectedBaseShearT, c.unit),
                              forceUnit(c.unit)));
}

void vertical(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    w.text(QStringLiteral("L'azione sismica verticale di ciascun piano è Fv,i = m · C · Wi, con "
                          "m = %1.")
               .arg(numtext::format(formulas::verticalMultiplier)));
    for (std::size_t i = 0; i < r.storeys.size(); ++i)
        w.line(QStringLiteral("Fv,%1 = m · C · W%1 = %2 · %3 · %4 = %5")
                   .arg(i + 1)
                   .arg(numtext::format(formulas::verticalMultiplier), hundredths(*r.intensity),
                        w.forceNumber(r.storeys[i].weightT), w.force(r.verticalT[i])));
}

void checks(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    if (const auto& s = r.displacements) {
        w.text(QStringLiteral("Lo spostamento elastico complessivo dovuto al sisma combina gli "
                              "spostamenti orizzontale δh e verticale δv; lo spostamento reale "
                              "somma a quello dovuto alle altre azioni δa lo spostamento sismico "
                              "amplificato del coefficiente k."));
        w.line(QStringLiteral("δc = √(δh² + δv²) = √(%1² + %2²) = %3 cm")
                   .arg(hundredths(s->horizontalCm), hundredths(s->verticalCm),
                        hundredths(s->combinedCm)));
        w.line(QStringLiteral("δr = δa + k · δc = %1 + %2 · %3 = %4 cm")
                   .arg(hundredths(s->otherCm), numtext::format(s->amplification),
                        hundredths(s->combinedCm), hundredths(s->realCm)));
    }
    if (const auto& s = r.stresses) {
        w.text(QStringLiteral("La sollecitazione sismica complessiva combina quelle orizzontale "
                              "Sh e verticale Sv; quella totale vi somma la sollecitazione Se "
                              "dovuta alle forze esterne."));
        w.line(QStringLiteral("Sc = √(Sh² + Sv²) = √(%1² + %2²) = %3")
                   .arg(w.forceNumber(s->horizontalT), w.forceNumber(s->verticalT),
                        w.force(s->combinedT)));
        w.line(
            QStringLiteral("St = Sc + Se = %1 + %2 = %3")
                .arg(w.forceNumber(s->combinedT), w.forceNumber(s->externalT), w.force(s->totalT)));
    }
}

void spectrum(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    w.text(QStringLiteral("L'ordinata dello spettro di risposta di progetto è "
                          "a/g = C · I · R · ε · β, con R funzione del periodo; il diagramma la "
                          "riporta da 0 a 3 sec e segna il periodo dell'edificio."));
    const double ordinate = storeys::spectrumOrdinate(*r.periodS, *r.intensity, *r.protection,
                                                      *r.foundation, *r.structure);
    w.line(QStringLiteral("a/g = C · I · R · ε · β = %1 · %2 · %3 · %4 · %5 = %6 (T = %7 sec)")
               .arg(hundredths(*r.intensity), hundredths(*r.protection), thousandths(*r.response),
                    hundredths(*r.foundation), hundredths(*r.structure), thousandths(ordinate),
                    thousandths(*r.periodS)));
    Block figure{Block::Kind::Figure,
                 QStringLiteral("Spettro di risposta di progetto e periodo dell'edificio "
                                "(T = %1 sec)")
                     .arg(thousandths(*r.periodS)),
                 {},
                 {}};
    figure.figure.kind = Figure::Kind::Spectrum;
    figure.figure.xTitle = QStringLiteral("T (sec)");
    figure.figure.yTitle = QStringLiteral("a/g");
    for (const storeys::SpectrumPoint& p :
         storeys::spectrumCurve(*r.intensity, *r.protection, *r.foundation, *r.structure))
        figure.figure.line.emplace_back(p.periodS, p.ordinate);
    figure.figure.points.emplace_back(*r.periodS, ordinate);
    d.blocks.push_back(figure);
}

void table(const Context& c, Document& d) {
    Writer w{c, d};
    const calcolo::Results& r = c.results;
    const storeys::Table& t = *r.table;
    const QString f = forceUnit(c.unit);
    Block b{Block::Kind::Table, {}, {}, {}};
    b.table.header = {QStringLiteral("Piano"),
                      QStringLiteral("W (%1)").arg(f),
                      QStringLiteral("h (m)"),
                      QStringLiteral("γ"),
                      QStringLiteral("Kh"),
                      QStringLiteral("F (%1)").arg(f),
                      QStringLiteral("V (%1)").arg(f),
                      QStringLiteral("M alla quota del piano (%1)").arg(momentUnit(c.unit))};
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const storeys::Row& row = t.rows[i];
        b.table.rows.push_back(
            {storeyName(i), w.forceNumber(r.storeys[i].weightT), length(r.storeys[i].heightM),
             thousandths(row.distribution), thousandths(row.coefficient), w.forceNumber(row.forceT),
             w.forceNumber(row.shearT), hundredths(inUnit(row.momentTm, c.unit))});
    }
    b.table.rows.push_back({QStringLiteral("Base"), w.forceNumber(t.sumWeightsT), QString(),
                            QString(), QString(), w.forceNumber(t.baseShearT),
                            w.forceNumber(t.baseShearT),
                            hundredths(inUnit(t.baseMomentTm, c.unit))});
    d.blocks.push_back(b);
    d.blocks.push_back(
        {Block::Kind::Note,
         calcolo::checkLine(inUnit(t.baseShearT, c.unit), inUnit(t.expectedBaseShearT, c.unit), f),
         {},
         {}});
    w.text(QStringLiteral("M è il momento ribaltante alla quota del piano dovuto alle forze dei "
                          "piani superiori; nella riga della base, il momento alla quota della "
                          "fondazione."));
}

void diagram(const Context& c, Document& d) {
    const calcolo::Results& r = c.results;
    const storeys::Table& t = *r.table;
    Block b{Block::Kind::Figure,
            QStringLiteral("Forze di piano F e tagli di piano V lungo l'altezza"),
            {},
            {}};
    b.figure.kind = Figure::Kind::StoreyForces;
    b.figure.xTitle = QStringLiteral("F, V (%1)").arg(forceUnit(c.unit));
    b.figure.yTitle = QStringLiteral("h (m)");
    double below = 0.0;
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const double h = r.storeys[i].heightM;
        b.figure.points.emplace_back(inUnit(t.rows[i].forceT, c.unit), h);
        // The shear of a storey acts between the level below and its own.
        const double v = inUnit(t.rows[i].shearT, c.unit);
        b.figure.line.emplace_back(v, below);
        b.figure.line.emplace_back(v, h);
        below = h;
    }
    d.blocks.push_back(b);
}

const std::vector<Section> all{
    {"sismica", "Dati sismici (S, C, I, β, ε)", seismicData, missingSeismic},
    {"periodo", "Periodo fondamentale e coefficiente di risposta", period, missingPeriod},
    {"peso", "Peso dei piani e dell'edificio", weight, missingStoreys},
    {"distribuzione", "Coefficienti di distribuzione", distribution, missingTable},
    {"orizzontali", "Azioni orizzontali di piano", horizontal, missingTable},
    {"verticali", "Azioni verticali di piano", vertical, missingVertical},
    {"verifiche", "Spostamenti e verifiche calcolati", checks, missingChecks},
    {"spettro", "Spettro di risposta", spectrum, missingSpectrum},
    {"tabella", "Tabella di tutti i piani", table, missingTable},
    {"diagramma", "Diagramma delle forze e dei tagli di piano", diagram, missingTable},
    {"ntc2018", "Confronto con le NTC 2018", ntcComparison, missingNtc},
};

QString orDash(const QString& text) {
    const QString t = text.simplified();
    return t.isEmpty() ? QStringLiteral("—") : t;
}

} // namespace

double inUnit(double tonnes, Unit unit) {
    return unit == Unit::KiloNewtons ? tonnes * kiloNewtonsPerTonne : tonnes;
}

QString forceUnit(Unit unit) {
    return unit == Unit::KiloNewtons ? QStringLiteral("kN") : QStringLiteral("t");
}

QString momentUnit(Unit unit) {
    return unit == Unit::KiloNewtons ? QStringLiteral("kN·m") : QStringLiteral("t·m");
}

Choices allSections() {
    // The comparison with NTC 2018 only when ticked: a building of 1984 alone gets the
    // report it always got.
    Choices c;
    for (const Section& s : all)
        if (QLatin1String(s.key) != QLatin1String("ntc2018"))
            c.sections << QString::fromLatin1(s.key);
    return c;
}

const std::vector<Section>& sections() {
    return all;
}

Document compose(const calcolo::Results& results, const building::Project& project,
                 const Choices& choices) {
    Document d;
    d.cover.title = QStringLiteral("RELAZIONE DI CALCOLO");
    d.cover.lines = {
        {QStringLiteral("Titolo del lavoro"), orDash(project.titolo)},
        {QStringLiteral("Committente"), orDash(project.committente)},
        {QStringLiteral("Località"), orDash(project.localita)},
        {QStringLiteral("Progettista"), orDash(project.progettista)},
        {QStringLiteral("Iscrizione all'Ordine"), orDash(project.ordine)},
        {QStringLiteral("Data"), orDash(project.data)},
        {QStringLiteral("Revisione"), orDash(project.revisione)},
        {QStringLiteral("Normativa applicata"),
         QStringLiteral("D.M. 19/06/1984 – Norme tecniche relative alle costruzioni sismiche")},
        {QStringLiteral("Unità delle forze"),
         choices.unit == Unit::KiloNewtons
             ? QStringLiteral("kN, momenti in kN·m (1 t = 9,80665 kN)")
             : QStringLiteral("t, momenti in t·m")},
    };
    d.project = project;
    const Context context{results, project, choices.unit};
    int number = 0;
    for (const Section& s : all) {
        if (!choices.sections.contains(QString::fromLatin1(s.key)))
            continue;
        d.blocks.push_back(
            heading(QStringLiteral("%1. ").arg(++number) + QString::fromUtf8(s.captionUtf8)));
        const QStringList lacking = s.missing(results);
        if (!lacking.isEmpty()) {
            d.blocks.push_back(paragraph(QStringLiteral("Valori mancanti: ") +
                                         lacking.join(QStringLiteral("; ")) + QLatin1Char('.')));
            continue;
        }
        s.build(context, d);
    }
    return d;
}

QStringList missing(const calcolo::Results& results, const Choices& choices) {
    QStringList out;
    for (const Section& s : all)
        if (choices.sections.contains(QString::fromLatin1(s.key)))
            for (const QString& m : s.missing(results))
                if (!out.contains(m))
                    out << m;
    return out;
}

ChoicesText toText(const Choices& choices) {
    // In the list's order, whatever order they were ticked in.
    ChoicesText t;
    for (const Section& s : all)
        if (choices.sections.contains(QString::fromLatin1(s.key)))
            t.sections << QString::fromLatin1(s.key);
    t.unit = forceUnit(choices.unit);
    return t;
}

std::optional<Choices> fromText(const ChoicesText& text, QString* error) {
    Choices c;
    for (const QString& key : text.sections) {
        bool known = false;
        for (const Section& s : all)
            known = known || key == QLatin1String(s.key);
        if (!known) {
            *error = QStringLiteral("\"%1\" non è una sezione della relazione di calcolo").arg(key);
            return std::nullopt;
        }
        if (!c.sections.contains(key))
            c.sections << key;
    }
    if (text.unit == QLatin1String("kN"))
        c.unit = Unit::KiloNewtons;
    else if (text.unit != QLatin1String("t")) {
        *error =
            QStringLiteral("l'unità delle forze \"%1\" non è né \"t\" né \"kN\"").arg(text.unit);
        return std::nullopt;
    }
    return c;
}

} // namespace relazione

#include "windows/coeffdistribuzione.h"

#include "core/buildingdata.h"
#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/controls.h"
#include "shell/prompts.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

namespace {

const QString degree = QStringLiteral("°");

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

bool isWhole(double value) {
    return std::floor(value) == value;
}

// Storey sums whose products weight * height add up to nothing cannot spread the force.
const QString noDistribution = QStringLiteral(
    "Con i pesi e le quote inseriti la somma dei prodotti peso per quota è nulla: il "
    "coefficiente di distribuzione non può essere calcolato. Reinserire i pesi e le quote "
    "dei piani.");

// Sums beyond the range of the numbers they are kept in.
const QString sumsOverflow = QStringLiteral(
    "Con i pesi e le quote inseriti le somme superano il massimo valore rappresentabile: il "
    "coefficiente di distribuzione non può essere calcolato. Reinserire i pesi e le quote "
    "dei piani.");

} // namespace

CoeffDistribuzione::CoeffDistribuzione(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QString(), panels::buildingParameters, helptopics::buildingParameters,
                  helptopics::buildingParametersContext}) {
    m_surface =
        printSurface(QStringLiteral("Pesi e quote dei piani e coefficiente di distribuzione"), 560);

    m_storeyHeight = hiddenLabel("Label3");
    m_sumWeights = hiddenLabel("Label1");
    m_sumWeightHeights = hiddenLabel("Label2");

    QPushButton* send = button("Command2", QStringLiteral("Invia Dati"));
    QPushButton* restart = button("Command1", QStringLiteral("Cancella Dati"));
    QPushButton* cancel = button("Command3", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({send, restart, cancel, help});

    connect(send, &QPushButton::clicked, this, &CoeffDistribuzione::send);
    connect(restart, &QPushButton::clicked, this, &CoeffDistribuzione::restart);
    connect(cancel, &QPushButton::clicked, this, &CoeffDistribuzione::cancel);
    connect(help, &QPushButton::clicked, this, &CoeffDistribuzione::showHelp);
}

void CoeffDistribuzione::load() {
    // Left half-way: nothing computed is kept, as with "Annulla".
    if (!questionnaire(false))
        cancel();
}

bool CoeffDistribuzione::questionnaire(bool afterRestart) {
    SharedValues& shared = ctx.shared;

    // Number of storeys n, a whole number from 1 to 9; the building's storeys, when it has
    // their weights and heights, instead of asking for them again.
    const QString title = QStringLiteral("Piani dell'edificio");
    auto entered = offerEnteredStoreys(title, true);
    const auto count = entered ? std::optional<int>(int(entered->size())) : askStoreyCount(title);
    if (!count)
        return false;
    const int storeys = *count;

    // The chosen storey k, from 1 to n, kept as typed.
    QString chosenText;
    int chosen = 0;
    for (;;) {
        const auto answer =
            askNumber(QStringLiteral("Inserire il numero del piano del quale si vuole calcolare "
                                     "il coefficiente di distribuzione "),
                      QStringLiteral("Piano dell'edificio"), Leaving::Ask);
        if (!answer)
            return false;
        const NumberAnswer& k = *answer;
        shared.numeroPiano = k.text;
        if (!isWhole(k.value)) {
            message(messages::titleSystemLower, messages::wholeStoreyNumber);
            continue;
        }
        if (k.value >= 1 && k.value <= storeys) {
            chosenText = k.text;
            chosen = static_cast<int>(k.value);
            break;
        }
        message(messages::titleSystemLower,
                QStringLiteral("Il numero del singolo piano non può essere maggiore del numero "
                               "complessivo dei piani dell'edificio!"));
    }

    // Weights (t) and heights above the foundation footing (m) of every storey, asked again
    // as a whole when they give no distribution.
    std::vector<double> weights;
    std::vector<double> heights;
    formulas::StoreySums sums;
    for (;;) {
        shared.pesiPiani.clear();
        shared.quotePiani.clear();
        weights.clear();
        heights.clear();
        for (int i = 1; i <= storeys; ++i) {
            const QString ordinal = QString::number(i) + degree;
            const auto weight =
                entered
                    ? std::optional<NumberAnswer>((*entered)[size_t(i - 1)].weight)
                    : askNumber(QStringLiteral("Inserire il peso del ") + ordinal +
                                    QStringLiteral(" piano (") + messages::unitTonnes +
                                    QLatin1Char(')'),
                                QStringLiteral("Peso del ") + ordinal + QStringLiteral(" piano"),
                                Leaving::Ask, messages::negativeWeight);
            if (!weight)
                return false;
            shared.pesiPiani << weight->text;
            weights.push_back(weight->value);
            const auto height =
                entered
                    ? std::optional<NumberAnswer>((*entered)[size_t(i - 1)].height)
                    : askNumber(
                          QStringLiteral("Inserire la quota del ") + ordinal +
                              QStringLiteral(" piano rispetto allo spiccato delle fondazioni (") +
                              messages::unitMetres + QLatin1Char(')'),
                          QStringLiteral("Quota del ") + ordinal + QStringLiteral(" piano"),
                          Leaving::Ask, messages::negativeHeight);
            if (!height)
                return false;
            shared.quotePiani << height->text;
            heights.push_back(height->value);
            if (i == chosen)
                m_storeyHeight->setText(height->text);
        }
        sums = formulas::StoreySums();
        for (int i = 0; i < storeys; ++i)
            formulas::addStorey(sums, weights[i], heights[i]);
        if (!std::isfinite(sums.weights) || !std::isfinite(sums.weightHeights)) {
            // The sums are kept in single precision, whose range ends near 3,4E38.
            message(messages::titleSystemLower, sumsOverflow);
            // The building's own storeys give none either: they are asked for.
            entered.reset();
            continue;
        }
        // gamma as it will be worked out, from the texts of h_k and of the sums.
        const auto check = numtext::parse(m_storeyHeight->text());
        const double gamma = formulas::distributionCoefficient(
            check.value_or(0.0), numtext::parse(numtext::formatSingle(sums.weights)).value_or(0.0),
            numtext::parse(numtext::formatSingle(sums.weightHeights)).value_or(0.0));
        if (std::isfinite(gamma))
            break;
        message(messages::titleSystemLower,
                sums.weightHeights == 0.0f ? noDistribution : sumsOverflow);
        entered.reset();
    }
    // Weights and heights answered here are the building's from now on.
    if (!entered)
        keepAnsweredStoreys(shared.pesiPiani, shared.quotePiani);

    // The table of the storeys, as printed on the window.
    QStringList lines;
    lines << QString();
    lines << blanks(5) + QStringLiteral("Piano") + blanks(12) + QStringLiteral("Peso") +
                 blanks(18) + QStringLiteral("Quota");
    lines << QString();
    for (int i = 1; i <= storeys; ++i)
        lines << blanks(7) + QString::number(i) + degree + blanks(15) + shared.pesiPiani.at(i - 1) +
                     QStringLiteral(" tonn") + blanks(15) + shared.quotePiani.at(i - 1) +
                     QStringLiteral(" m");
    lines << QString();
    setWindowTitle(QStringLiteral("Coefficiente di Distribuzione (") + chosenText + degree +
                   QStringLiteral(" piano)"));

    m_sumWeights->setText(numtext::formatSingle(sums.weights));
    m_sumWeightHeights->setText(numtext::formatSingle(sums.weightHeights));
    // gamma from the captions, as the report reads them back.
    const auto hk = number(m_storeyHeight);
    const auto sumW = number(m_sumWeights);
    const auto sumWh = number(m_sumWeightHeights);
    const double gamma = formulas::distributionCoefficient(hk.value_or(0.0), sumW.value_or(0.0),
                                                           sumWh.value_or(0.0));
    const double rounded = numtext::round2(gamma);
    shared.gammaPiano = rounded;
    m_passedStorey = chosenText;
    m_passedGamma = rounded;

    lines << QString();
    lines << QStringLiteral("    Coefficiente di Distribuzione del ") + chosenText + degree +
                 (afterRestart ? QStringLiteral("piano: ") : QStringLiteral("piano:  ")) +
                 numtext::format(rounded);
    controls::setPrinted(m_surface, lines.join(QLatin1Char('\n')));
    return true;
}

void CoeffDistribuzione::restart() {
    controls::setPrinted(m_surface, QString());
    ctx.shared.clearStoreyCoefficient();
    if (!questionnaire(true))
        cancel();
}

void CoeffDistribuzione::send() {
    // What this window shows is what it passes on, also when the shared values were
    // emptied since ("Nuovo Piano" of the horizontal actions).
    ctx.shared.numeroPiano = m_passedStorey;
    ctx.shared.gammaPiano = m_passedGamma;
    ctx.prompts.inform(this, messages::titleSystem,
                       QStringLiteral("Il coefficiente di distribuzione pari a ") +
                           numtext::format(m_passedGamma) + QStringLiteral(" relativo al ") +
                           m_passedStorey +
                           QStringLiteral("° piano é stato inserito nella finestra Analisi ") +
                           QStringLiteral(" Statica - Azioni orizzontali") +
                           QStringLiteral(" (edifici intelaiati) "));
    handedOn();
}

void CoeffDistribuzione::clearSharedResult() {
    ctx.shared.clearStoreyCoefficient();
}

void CoeffDistribuzione::cancel() {
    clearSharedResult();
    CalcWindow::cancel();
}

void CoeffDistribuzione::unloadSteps() {
    clearSharedResult();
    CalcWindow::unloadSteps();
}

namespace {
const QString keptStorey = QStringLiteral("pianoPassato");
const QString keptGamma = QStringLiteral("gammaPassato");
} // namespace

QMap<QString, QString> CoeffDistribuzione::keptValues() const {
    QMap<QString, QString> kept = CalcWindow::keptValues();
    kept.insert(keptStorey, m_passedStorey);
    kept.insert(keptGamma, buildingdata::doubleText(m_passedGamma));
    return kept;
}

QStringList CoeffDistribuzione::ownKeptNames() const {
    return {keptStorey, keptGamma};
}

QString CoeffDistribuzione::refusedKept(const QMap<QString, QString>& kept) const {
    if (kept.contains(keptGamma) && !numtext::parseStored(kept.value(keptGamma)))
        return QStringLiteral("«") + keptGamma + QStringLiteral("» non è un numero");
    return CalcWindow::refusedKept(kept);
}

void CoeffDistribuzione::restoreKept(const QMap<QString, QString>& kept) {
    m_passedStorey = kept.value(keptStorey);
    m_passedGamma = numtext::parse(kept.value(keptGamma)).value_or(0.0);
    CalcWindow::restoreKept(kept);
}

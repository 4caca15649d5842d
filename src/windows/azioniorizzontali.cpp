#include "windows/azioniorizzontali.h"

#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/forms.h"
#include "shell/numberedit.h"
#include "shell/shell.h"
#include "windows/messages.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString degree = QStringLiteral("°");
const QString windowName = QStringLiteral("azioniorizzontali");

// A Greek tag in front of its text box, in one grid cell.
QWidget* pair(QWidget* parent, QWidget* tag, QWidget* box) {
    auto* cell = new QWidget(parent);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(tag);
    row->addWidget(box);
    row->addStretch();
    return cell;
}

} // namespace

AzioniOrizzontali::AzioniOrizzontali(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Analisi Statica- Azioni Orizzontali"), panels::framed,
                  helptopics::framed, helptopics::framedContext}) {
    QPushButton* help = button("Command5", QStringLiteral("?"));
    // The kinds of room wrap within the width of the three columns above them.
    constexpr int roomWidth = 700;
    QRadioButton* housing = option(
        "Option1", QStringLiteral("Locali d'abitazione, uffici, coperture, balconi"), roomWidth);
    QRadioButton* crowded =
        option("Option2",
               QStringLiteral("Locali pubblici suscettibili di affollamento (negozi, "
                              "ristoranti, caffè, banche, aule scolastiche, caserme, "
                              "ospedali, ecc.)"),
               roomWidth);
    QRadioButton* veryCrowded = option(
        "Option3",
        QStringLiteral("Locali pubblici suscettibili di grande affollamento (sale per spettacoli, "
                       "chiese, tribune, ecc.), archivi, magazzini, biblioteche, contenitori, "
                       "scale, ecc."),
        roomWidth);
    m_protectionList = listBox("List1", coefficients::protection.texts());
    QPushButton* compute = button("Command1", QStringLiteral("Elabora Dati"));
    QPushButton* cancel = button("Command2", QStringLiteral("Annulla"));
    QListWidget* zoneList = listBox("List2");
    m_period = quantityBox("Text1");
    m_foundation = quantityBox("Text3");
    m_distribution = quantityBox("Text5");
    QListWidget* structureList = listBox("List3", coefficients::structureUnpadded.texts());
    QPushButton* send = button("Command3", QStringLiteral("Invia Dati"));
    m_permanent = quantityBox("Text6");
    m_live = quantityBox("Text7");
    QPushButton* newStorey = button("Command4", QStringLiteral("Nuovo Piano"));
    // The Greek tags of gamma and epsilon, written as Greek letters.
    QLabel* gammaTag = label("Label32", QStringLiteral("γ ="));
    QLabel* epsilonTag = label("Label30", QStringLiteral("ε ="));
    QLabel* roomCaption = label("Label25", QStringLiteral("Tipo di locale:"));
    auto* roomFrame = new QFrame(this);
    roomFrame->setObjectName(QStringLiteral("Shape1"));
    roomFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_force = result("Label29");
    m_weight = result("Label28");
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    m_response = result("Label5");
    QLabel* protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    QLabel* intensityCaption =
        label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    QLabel* intensityText = textResult("Label9");
    m_forceCaption = label("Label12", QString(), Bold);
    // The boxes W and F were drawn in; the results are boxes of their own.
    QLabel* forceBox = hiddenLabel("Label13");
    QLabel* foundationCaption = label("Label3", QStringLiteral("Coefficiente di Fondazione:"));
    m_structureCaption = label("Label11");
    m_distributionCaption = label("Label14");
    m_structure = hiddenLabel("Label15");
    m_heading = hiddenLabel("Label1");
    QLabel* protection = hiddenLabel("Label16");
    hiddenLabel("Label17");
    QLabel* coefficientCaption =
        label("Label18", QStringLiteral("Coefficiente sismico orizzontale (Kh):"));
    m_intensity = hiddenLabel("Label19");
    m_coefficient = result("Label21");
    m_weightCaption = label("Label22", QString(), Bold);
    QLabel* reductionCaption =
        label("Label23", QStringLiteral("Coefficiente di riduzione del sovraccarico (s):"));
    m_permanentCaption = label("Label26");
    m_liveCaption = label("Label20");
    QLabel* weightBox = hiddenLabel("Label27");
    QLabel* zoneText = hiddenLabel("Label10");
    m_reduction = result("Label24");

    // Layout: three columns of captions above their values, T, R and I, then S, C and beta,
    // then epsilon, gamma and Kh; the kind of room; G, s, Q, W and F with their captions
    // before them.
    QGridLayout* g = grid();
    g->setVerticalSpacing(4);
    g->addWidget(periodCaption, 0, 0);
    g->addWidget(responseCaption, 0, 1);
    g->addWidget(protectionCaption, 0, 2);
    g->addWidget(withUnit(m_period, messages::unitSeconds), 1, 0, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(m_response, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(m_protectionList, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(zoneCaption, 2, 0);
    g->addWidget(intensityCaption, 2, 1);
    g->addWidget(m_structureCaption, 2, 2);
    g->addWidget(zoneList, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(intensityText, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(structureList, 3, 2, Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(foundationCaption, 4, 0);
    g->addWidget(m_distributionCaption, 4, 1);
    g->addWidget(coefficientCaption, 4, 2);
    g->addWidget(pair(this, epsilonTag, m_foundation), 5, 0);
    g->addWidget(pair(this, gammaTag, m_distribution), 5, 1);
    g->addWidget(m_coefficient, 5, 2, Qt::AlignLeft);

    auto* rooms = new QVBoxLayout(roomFrame);
    rooms->setSpacing(2);
    rooms->addWidget(housing);
    rooms->addWidget(crowded);
    rooms->addWidget(veryCrowded);
    g->addWidget(roomCaption, 6, 0, 1, 3);
    g->addWidget(roomFrame, 7, 0, 1, 3);
    g->addWidget(m_permanentCaption, 8, 0, 1, 2);
    g->addWidget(withUnit(m_permanent, messages::unitTonnes), 8, 2);
    g->addWidget(reductionCaption, 9, 0, 1, 2);
    g->addWidget(m_reduction, 9, 2, Qt::AlignLeft);
    g->addWidget(m_liveCaption, 10, 0, 1, 2);
    g->addWidget(withUnit(m_live, messages::unitTonnes), 10, 2);
    g->addWidget(m_weightCaption, 11, 0, 1, 2);
    g->addWidget(withUnit(m_weight, messages::unitTonnes), 11, 2);
    g->addWidget(m_forceCaption, 12, 0, 1, 2);
    g->addWidget(withUnit(m_force, messages::unitTonnes), 12, 2);
    for (QLabel* hidden :
         {m_structure, m_heading, protection, m_intensity, zoneText, forceBox, weightBox})
        g->addWidget(hidden, 13, 0);
    addButtons({compute, send, newStorey, cancel, help});

    bindCoefficients(m_protectionList, coefficients::protection, protection,
                     &building::Seismic::protection);
    bindZoneList(zoneList, intensityText, m_intensity, zoneText);
    bindCoefficients(structureList, coefficients::structureUnpadded, m_structure,
                     &building::Seismic::structure);
    bindFoundation(m_foundation);
    // Reduction s of the live load by the use of the rooms.
    connect(housing, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_reduction->setText(numtext::format(coefficients::liveLoadReduction::housing));
    });
    connect(crowded, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_reduction->setText(numtext::format(coefficients::liveLoadReduction::crowded));
    });
    connect(veryCrowded, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_reduction->setText(numtext::format(coefficients::liveLoadReduction::veryCrowded));
    });
    // The period as typed, not rounded, gives R.
    bindResponseCoefficient(m_period, m_response, false);
    // Kh rests on T (through R), I, C, beta, epsilon and gamma; W on G, s and Q; F on both.
    clearWhenChanged(
        {m_period, m_protectionList, zoneList, structureList, m_foundation, m_distribution},
        {m_coefficient, m_force});
    clearWhenChanged({m_permanent, m_live, housing, crowded, veryCrowded}, {m_weight, m_force});

    computeOnEnter(compute, {m_period, m_foundation, m_distribution, m_permanent, m_live});
    connect(compute, &QPushButton::clicked, this, &AzioniOrizzontali::compute);
    connect(send, &QPushButton::clicked, this, &AzioniOrizzontali::send);
    connect(newStorey, &QPushButton::clicked, this, &AzioniOrizzontali::newStorey);
    connect(cancel, &QPushButton::clicked, this, &AzioniOrizzontali::cancel);
    connect(help, &QPushButton::clicked, this, &AzioniOrizzontali::showHelp);
}

void AzioniOrizzontali::load() {
    const std::optional<QString> stored = ctx.shared.namedStorey();
    if (stored)
        m_storey = *stored;
    m_distribution->setText(storeyGamma());
    // The period as taken changes R through the box's own reaction.
    m_period->setText(ctx.forms.value(QStringLiteral("periodo.T")));
    watchSources();
    m_structureCaption->setText(QStringLiteral("Coefficiente di Struttura (ß):"));

    if (stored) {
        // A storey number of 0 names no storey: the captions stay as they are.
        if (numtext::parse(*stored) != std::optional<double>(0.0))
            setStoreyCaptions(*stored, true);
        takeStoreyLoads();
        return;
    }

    // No storey left by the distribution coefficient: R from the period (none without a
    // period), then the storey asked, a whole number from 1 to 999.
    std::optional<double> response;
    if (const auto t = number(m_period))
        response = coefficients::responseCoefficient(*t);
    NumberAnswer storey{};
    for (;;) {
        // Cancel asks again here, so an answer always comes.
        storey = *askNumber(QStringLiteral("Inserisci il numero del piano"),
                            QStringLiteral("Piano dell'edificio"));
        if (storey.value != std::floor(storey.value))
            message(messages::titleSystemLower, messages::wholeStoreyNumber);
        else if (storey.value > 0 && storey.value < 1000)
            break;
        else
            message(messages::titleSystemLower,
                    QStringLiteral("Inserire il numero relativo al piano!"));
    }
    m_storey = storey.text;
    setStoreyCaptions(storey.text, false);
    takeStoreyLoads();
    if (response)
        m_response->setText(numtext::formatRounded(*response));
    else
        m_response->clear(); // no period: no R, rather than R = 0
}

void AzioniOrizzontali::takeStoreyLoads() {
    const auto k = numtext::parse(m_storey);
    const std::vector<building::Storey>& storeys = ctx.shared.edificio.storeys;
    if (!k || *k < 1 || *k > double(storeys.size()))
        return;
    const building::Storey& storey = storeys[size_t(*k) - 1];
    if (storey.g)
        m_permanent->setText(storey.g->text);
    if (storey.q)
        m_live->setText(storey.q->text);
    if (!storey.s)
        return;
    // The kind of room whose reduction is the storey's s; none when s is another value.
    const std::pair<const char*, double> rooms[] = {
        {"Option1", coefficients::liveLoadReduction::housing},
        {"Option2", coefficients::liveLoadReduction::crowded},
        {"Option3", coefficients::liveLoadReduction::veryCrowded},
    };
    for (const auto& [name, s] : rooms)
        if (storey.s->value == s)
            findChild<QRadioButton*>(QString::fromLatin1(name))->setChecked(true);
}

QString AzioniOrizzontali::storeyGamma() const {
    // gamma belongs to the storey it was computed for: it is taken, now and when it is
    // recomputed later, only for the storey this window is about. A coefficient cleared
    // with its storey ("Annulla" of its window, "Nuovo Piano" here) is no coefficient.
    const SharedValues& now = ctx.shared;
    if (now.namedStorey() != m_storey)
        return QString();
    const std::optional<double> gamma = now.gammaPiano.number();
    return gamma ? numtext::format(*gamma) : QString();
}

void AzioniOrizzontali::watchSources() {
    watchValue(m_distribution, QStringLiteral("il coefficiente di distribuzione γ"),
               [this] { return storeyGamma(); });
    watchPeriod(m_period);
}

void AzioniOrizzontali::setStoreyCaptions(const QString& storey, bool stored) {
    const QString ordinal = storey + degree;
    m_distributionCaption->setText(
        QStringLiteral("Coefficiente di Distribuzione del  ") + ordinal +
        (stored ? QStringLiteral("  piano:") : QStringLiteral(" piano:")));
    setWindowTitle(QStringLiteral("Azioni Orizzontali -  ") + ordinal + QStringLiteral(" Piano"));
    m_permanentCaption->setText(
        QStringLiteral("Peso del  ") + ordinal +
        QStringLiteral(" piano e del sovraccarico permanente su di esso gravante (G):"));
    m_liveCaption->setText(QStringLiteral("Massimo sovraccarico accidentale al  ") + ordinal +
                           QStringLiteral(" piano (Q):"));
    m_weightCaption->setText(QStringLiteral("Peso del ") + ordinal + QStringLiteral(" piano (W):"));
    m_forceCaption->setText(
        QStringLiteral("Forza Orizzontale applicata al ") + ordinal +
        (stored ? QStringLiteral(" piano (F):") : QStringLiteral(" piano (Fh):")));
    m_heading->setText(QString(23, QLatin1Char(' ')) + QStringLiteral("RELAZIONE ANALISI STATICA") +
                       QStringLiteral("\r\n\r\n") + QString(5, QLatin1Char(' ')) +
                       QStringLiteral("FORZE ORIZZONTALI (") + ordinal + QStringLiteral(" PIANO)"));
}

void AzioniOrizzontali::compute() {
    // R is worked out from T: a missing T is a missing input, not R = 0.
    if (!requireFilled({m_period, m_response, m_intensity, m_distribution, m_foundation,
                        m_structure, m_permanent, m_live, m_reduction}))
        return;
    if (!number(m_period))
        return;
    // From here a value that is not a number stops the computation; what was written
    // before stays.
    const auto r = number(m_response);
    const auto c = number(m_intensity);
    const auto gamma = number(m_distribution);
    const auto epsilon = number(m_foundation);
    const auto beta = number(m_structure);
    if (!r || !c || !gamma || !epsilon || !beta)
        return;
    // K0 is rounded before the protection coefficient applies, and Kh again after.
    const double base =
        numtext::round2(formulas::horizontalCoefficientBase(*r, *c, *gamma, *epsilon, *beta));
    const auto importance = coefficients::protection.value(chosenRow(m_protectionList));
    if (!std::isfinite(base))
        return;
    if (!importance)
        m_coefficient->clear();
    else if (!showResult(m_coefficient, formulas::horizontalCoefficient(base, *importance)))
        return;

    const auto permanent = number(m_permanent);
    const auto reduction = number(m_reduction);
    const auto live = number(m_live);
    if (!permanent || !reduction || !live)
        return;
    const double weight = formulas::storeyWeight(*permanent, *reduction, *live);
    if (!showResult(m_weight, weight))
        return;

    // F from the unrounded W and the Kh shown.
    const auto kh = number(m_coefficient);
    if (!kh)
        return;
    showResult(m_force, formulas::storeyHorizontalForce(weight, *kh));
}

void AzioniOrizzontali::send() {
    sendData({m_response, m_intensity, m_distribution, m_foundation, m_structure, m_permanent,
              m_live, m_reduction},
             m_force, messages::titleStored, messages::storedStaticFramed,
             ResetAfter::EveryOutcome);
}

void AzioniOrizzontali::newStorey() {
    // The window gives itself up and opens afresh for another storey, which is asked at
    // load. Nothing of this window is touched once it has been unloaded.
    AppContext& context = ctx;
    context.shared.clearStoreyCoefficient();
    context.forms.unload(windowName);
    routes::open(context.shell, context.forms, routes::horizontalActions);
}

namespace {
const QString keptStorey = QStringLiteral("piano");
} // namespace

QMap<QString, QString> AzioniOrizzontali::keptValues() const {
    QMap<QString, QString> kept = CalcWindow::keptValues();
    kept.insert(keptStorey, m_storey);
    return kept;
}

QStringList AzioniOrizzontali::ownKeptNames() const {
    return {keptStorey};
}

void AzioniOrizzontali::restoreKept(const QMap<QString, QString>& kept) {
    m_storey = kept.value(keptStorey);
    CalcWindow::restoreKept(kept);
}

#include "windows/azioniverticali.h"

#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

AzioniVerticali::AzioniVerticali(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Azioni Verticali"), panels::framed, helptopics::framed,
                  helptopics::framedContext}) {
    QRadioButton* longSpans =
        option("Option1", QStringLiteral("Membrature orizzontali con luci superiori a 20 m"));
    QRadioButton* thrusting = option("Option2", QStringLiteral("Strutture spingenti"));
    QRadioButton* cantilevers = option("Option3", QStringLiteral("Sbalzi"));
    m_weight = quantityBox("Text1");
    m_kind = hiddenLabel("Label8");
    QLabel* heading = label("Label1", QStringLiteral("Strutture"));
    QLabel* coefficientCaption =
        label("Label2", QStringLiteral("Coefficiente sismico verticale (Kv):"));
    m_coefficient = result("Label3");
    QLabel* weightCaption = label("Label4", QStringLiteral("Peso totale dell'edificio (W):"));
    QLabel* forceCaption =
        label("Label5", QStringLiteral("Forza verticale (Fv valore assoluto):"), Bold);
    m_force = result("Label6");

    QGridLayout* g = grid();
    g->addWidget(heading, 0, 0);
    g->addWidget(longSpans, 1, 0);
    g->addWidget(thrusting, 2, 0);
    g->addWidget(cantilevers, 3, 0);
    g->addWidget(coefficientCaption, 1, 1);
    g->addWidget(m_coefficient, 1, 2);
    g->addWidget(weightCaption, 4, 0);
    g->addWidget(withUnit(m_weight, messages::unitTonnes), 4, 1);
    g->addWidget(forceCaption, 5, 0);
    g->addWidget(withUnit(m_force, messages::unitTonnes), 5, 1);
    g->addWidget(m_kind, 6, 0);
    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"}, {}, [this] { compute(); },
        [this] { send(); });

    // Kv of the code by the kind of member.
    const auto choose = [this](QRadioButton* o, double kv) {
        connect(o, &QRadioButton::toggled, this, [this, o, kv](bool on) {
            if (!on)
                return;
            m_coefficient->setText(numtext::format(kv));
            m_kind->setText(o->text());
        });
    };
    choose(longSpans, coefficients::verticalCoefficient::longSpans);
    choose(thrusting, coefficients::verticalCoefficient::thrusting);
    choose(cantilevers, coefficients::verticalCoefficient::cantilevers);
    clearWhenChanged({longSpans, thrusting, cantilevers, m_weight}, {m_force});
}

void AzioniVerticali::load() {
    takeWeight(m_weight);
}

void AzioniVerticali::watchSources() {
    watchWeight(m_weight);
}

void AzioniVerticali::compute() {
    if (!requireFilled({m_coefficient, m_weight}))
        return;
    const auto kv = number(m_coefficient);
    const auto w = number(m_weight);
    if (!kv || !w)
        return;
    showResult(m_force, formulas::verticalAction(*kv, *w));
}

void AzioniVerticali::send() {
    sendData({m_coefficient, m_weight}, m_force, messages::titleStored,
             messages::storedStaticFramed, ResetAfter::EveryOutcome);
}

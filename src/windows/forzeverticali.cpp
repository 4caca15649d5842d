#include "windows/forzeverticali.h"

#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ForzeVerticali::ForzeVerticali(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Forze Verticali"), panels::masonry, helptopics::masonry,
                  helptopics::masonryContext}) {
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    QLabel* intensityCaption =
        label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    m_zones = listBox("List2");
    QLabel* intensityText = textResult("Label9");
    QLabel* zoneText = hiddenLabel("Label4");
    QLabel* weightCaption =
        label("Label10", QStringLiteral("Peso complessivo Masse Strutturali (W):"));
    m_weight = quantityBox("Text2");
    m_intensity = hiddenLabel("Label1");
    QLabel* multiplierCaption = label("Label5", QStringLiteral("m ="), Centred);
    // Shows m only; the computation uses the constant of the formula.
    QLabel* multiplier = label("Label2", QStringLiteral("2"), Bordered | Centred);
    QLabel* forceCaption =
        label("Label12", QStringLiteral("Risultante Forze Verticali (Fv):"), Bold);
    m_force = result("Label13");

    QGridLayout* g = grid();
    g->addWidget(zoneCaption, 0, 0);
    g->addWidget(intensityCaption, 0, 1);
    g->addWidget(m_zones, 1, 0);
    g->addWidget(intensityText, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(weightCaption, 2, 0);
    g->addWidget(withUnit(m_weight, messages::unitTonnes), 2, 1);
    g->addWidget(multiplierCaption, 3, 0, Qt::AlignRight);
    g->addWidget(multiplier, 3, 1, Qt::AlignLeft);
    g->addWidget(forceCaption, 4, 0);
    g->addWidget(withUnit(m_force, messages::unitTonnes), 4, 1);

    addFieldButtons(
        {"Command1", "Command3", "Command2", "Command4"}, {m_zones, m_weight},
        [this] { compute(); }, [this] { send(); });

    bindZoneList(m_zones, intensityText, m_intensity, zoneText);
    clearWhenChanged({m_zones, m_weight}, {m_force});
}

void ForzeVerticali::load() {
    // W is taken now only; a weight computed later arrives after a reload.
    takeWeight(m_weight);
}

void ForzeVerticali::watchSources() {
    watchWeight(m_weight);
}

void ForzeVerticali::compute() {
    if (!requireFilled({m_intensity, m_weight}))
        return;
    const auto v = numbers({m_intensity, m_weight});
    if (!v)
        return;
    showResult(m_force, formulas::verticalForce((*v)[0], (*v)[1]));
}

void ForzeVerticali::send() {
    sendData({m_intensity, m_weight}, m_force, messages::titleStored, messages::storedStatic,
             ResetAfter::EveryOutcome);
}

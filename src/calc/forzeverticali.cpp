#include "calc/forzeverticali.h"

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numberedit.h"
#include "calc/numtext.h"
#include "calc/sharedvalues.h"

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
    QLabel* intensityText = label("Label9", QString(), Bordered | Centred);
    QLabel* zoneText = hiddenLabel("Label4");
    QLabel* weightCaption =
        label("Label10", QStringLiteral("Peso complessivo Masse Strutturali (W):"));
    m_weight = textBox("Text2");
    m_intensity = hiddenLabel("Label1");
    QLabel* multiplierCaption = label("Label5", QStringLiteral("m ="), Centred);
    // Shows m only; the computation uses the constant of the formula.
    QLabel* multiplier = label("Label2", QStringLiteral("2"), Bordered | Centred);
    QLabel* forceCaption =
        label("Label12", QStringLiteral("Risultante Forze Verticali (Fv):"), Bold);
    m_force = label("Label13");

    QGridLayout* g = grid();
    g->addWidget(zoneCaption, 0, 0);
    g->addWidget(intensityCaption, 0, 1);
    g->addWidget(m_zones, 1, 0);
    g->addWidget(intensityText, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(weightCaption, 2, 0);
    g->addWidget(m_weight, 2, 1);
    g->addWidget(multiplierCaption, 3, 0, Qt::AlignRight);
    g->addWidget(multiplier, 3, 1, Qt::AlignLeft);
    g->addWidget(forceCaption, 4, 0);
    g->addWidget(m_force, 4, 1);

    QPushButton* compute = button("Command1", QStringLiteral("Elabora Dati"));
    QPushButton* send = button("Command3", QStringLiteral("Invia Dati"));
    QPushButton* cancel = button("Command2", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({compute, send, cancel, help});

    setTabOrder(m_zones, m_weight);
    setTabOrder(m_weight, compute);
    setTabOrder(compute, send);
    setTabOrder(send, cancel);
    setTabOrder(cancel, help);

    bindZoneList(m_zones, intensityText, m_intensity, zoneText);

    connect(compute, &QPushButton::clicked, this, &ForzeVerticali::compute);
    connect(send, &QPushButton::clicked, this, &ForzeVerticali::send);
    connect(cancel, &QPushButton::clicked, this, &ForzeVerticali::cancel);
    connect(help, &QPushButton::clicked, this, &ForzeVerticali::showHelp);
}

void ForzeVerticali::load() {
    // W is taken now only; a weight computed later arrives after a reload.
    m_weight->setText(numtext::formatSingle(ctx.shared.pesoEdificio));
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

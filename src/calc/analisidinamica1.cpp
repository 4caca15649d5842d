#include "calc/analisidinamica1.h"

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numberedit.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

AnalisiDinamica1::AnalisiDinamica1(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Analisi Dinamica"), panels::masonry, helptopics::masonry,
                  helptopics::masonryContext}) {
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    m_period = textBox("Text1");
    m_response = label("Label5", QString(), Centred);
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    QLabel* intensityCaption =
        label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    m_zones = listBox("List2");
    QLabel* intensityText = label("Label9", QString(), Bordered | Centred);
    m_intensity = hiddenLabel("Label12");
    QLabel* protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    // The items of this window are written with a decimal point; I is taken by position.
    m_protection =
        listBox("List1", {QStringLiteral(" 1.0"), QStringLiteral(" 1.2"), QStringLiteral(" 1.4")});
    m_importance = hiddenLabel("Label11");
    QLabel* zoneText = hiddenLabel("Label10");
    QLabel* resultCaption = label("Label1", QStringLiteral("Forza Orizzontale (Fh):"), Bold);
    m_ordinate = label("Label3");

    QGridLayout* g = grid();
    g->addWidget(periodCaption, 0, 0);
    g->addWidget(responseCaption, 0, 1);
    g->addWidget(m_period, 1, 0);
    g->addWidget(m_response, 1, 1);
    g->addWidget(zoneCaption, 2, 0);
    g->addWidget(intensityCaption, 2, 1);
    g->addWidget(m_zones, 3, 0);
    g->addWidget(intensityText, 3, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(protectionCaption, 4, 0);
    g->addWidget(m_protection, 5, 0);
    g->addWidget(resultCaption, 6, 0);
    g->addWidget(m_ordinate, 6, 1);

    QPushButton* compute = button("Command1", QStringLiteral("Elabora Dati"));
    QPushButton* send = button("Command2", QStringLiteral("Invia Dati"));
    QPushButton* cancel = button("Command3", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({compute, send, cancel, help});

    setTabOrder(m_period, m_zones);
    setTabOrder(m_zones, m_protection);
    setTabOrder(m_protection, compute);
    setTabOrder(compute, send);
    setTabOrder(send, cancel);
    setTabOrder(cancel, help);

    bindZoneList(m_zones, intensityText, m_intensity, zoneText);
    bindProtectionList(m_protection, m_importance);
    bindResponseCoefficient(m_period, m_response, true);

    connect(compute, &QPushButton::clicked, this, &AnalisiDinamica1::compute);
    connect(send, &QPushButton::clicked, this, &AnalisiDinamica1::send);
    connect(cancel, &QPushButton::clicked, this, &AnalisiDinamica1::cancel);
    connect(help, &QPushButton::clicked, this, &AnalisiDinamica1::showHelp);
}

void AnalisiDinamica1::load() {
    // T is taken now only; a period computed later arrives after a reload.
    takePeriod(m_period, m_response);
}

void AnalisiDinamica1::compute() {
    if (!requireFilled({m_intensity, m_response, m_importance}))
        return;
    const auto v = numbers({m_intensity, m_response, m_importance});
    if (!v)
        return;
    showResult(m_ordinate, formulas::spectrumOrdinate((*v)[0], (*v)[1], (*v)[2]));
}

void AnalisiDinamica1::send() {
    sendData({m_intensity, m_response, m_importance}, m_ordinate, messages::titleStored,
             messages::storedDynamic, ResetAfter::EveryOutcome);
}

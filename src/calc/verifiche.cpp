#include "calc/verifiche.h"

#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numberedit.h"

#include <QLabel>
#include <QPushButton>

Verifiche::Verifiche(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Verifiche"), panels::buildingParameters,
                  helptopics::buildingParameters, helptopics::buildingParametersContext}) {
    m_horizontal = textBox("Text1");
    m_external = textBox("text2");
    m_vertical = textBox("Text3");
    QLabel* externalCaption =
        label("Label1", QStringLiteral("Sollecitazioni prodotte da forze esterne :"));
    QLabel* horizontalCaption =
        label("Label2", QStringLiteral("Sollecitazioni orizzontali prodotte dal sisma:"));
    QLabel* verticalCaption =
        label("Label3", QStringLiteral("Sollecitazioni verticali prodotte dal sisma:"));
    QLabel* combinedCaption =
        label("Label4", QStringLiteral("Sollecitazioni complessive prodotte dal sisma:"));
    m_combined = label("Label5");
    QLabel* totalCaption =
        label("Label6", QStringLiteral("Sollecitazioni totali agenti sull'edificio:"), Bold);
    m_total = label("Label7");

    addRow(horizontalCaption, m_horizontal);
    addRow(verticalCaption, m_vertical);
    addRow(combinedCaption, m_combined);
    addRow(externalCaption, m_external);
    addRow(totalCaption, m_total);

    QPushButton* compute = button("Command1", QStringLiteral("Elabora Dati"));
    QPushButton* send = button("Command2", QStringLiteral("Invia Dati"));
    QPushButton* cancel = button("Command3", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({compute, send, cancel, help});

    setTabOrder(m_horizontal, m_vertical);
    setTabOrder(m_vertical, m_external);
    setTabOrder(m_external, compute);
    setTabOrder(compute, send);
    setTabOrder(send, cancel);
    setTabOrder(cancel, help);

    connect(compute, &QPushButton::clicked, this, &Verifiche::compute);
    connect(send, &QPushButton::clicked, this, &Verifiche::send);
    connect(cancel, &QPushButton::clicked, this, &Verifiche::cancel);
    connect(help, &QPushButton::clicked, this, &Verifiche::showHelp);
}

void Verifiche::compute() {
    if (!requireFilled({m_horizontal, m_vertical, m_external}))
        return;
    const auto seismic = numbers({m_horizontal, m_vertical});
    if (!seismic)
        return;
    if (!showResult(m_combined, formulas::combinedStress((*seismic)[0], (*seismic)[1])))
        return;
    // St adds Se to Sc as shown, rounded to two decimals.
    const auto v = numbers({m_combined, m_external});
    if (!v)
        return;
    showResult(m_total, formulas::totalStress((*v)[0], (*v)[1]));
}

void Verifiche::send() {
    sendData(
        {m_horizontal, m_vertical, m_external}, m_total, messages::titleSystemLower,
        QStringLiteral("E' possibile inserire i dati memorizzati nelle Relazioni statiche e "
                       "dinamiche") +
            QStringLiteral("\r\n") +
            QStringLiteral("    selezionando l'apposita casella della finestra Componi Relazione"),
        ResetAfter::EveryOutcome);
}

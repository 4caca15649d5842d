#include "windows/verifiche.h"

#include "core/formulas.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

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
    m_combined = result("Label5");
    QLabel* totalCaption =
        label("Label6", QStringLiteral("Sollecitazioni totali agenti sull'edificio:"), Bold);
    m_total = result("Label7");

    addRow(horizontalCaption, withUnit(m_horizontal, messages::unitTonnes));
    addRow(verticalCaption, withUnit(m_vertical, messages::unitTonnes));
    addRow(combinedCaption, withUnit(m_combined, messages::unitTonnes));
    addRow(externalCaption, withUnit(m_external, messages::unitTonnes));
    addRow(totalCaption, withUnit(m_total, messages::unitTonnes));

    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"}, {m_horizontal, m_vertical, m_external},
        [this] { compute(); }, [this] { send(); });
    // Stresses are signed: negatives are accepted. Sc rests on Sh and Sv, St on all three.
    clearWhenChanged({m_horizontal, m_vertical}, {m_combined, m_total});
    clearWhenChanged({m_external}, {m_total});
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

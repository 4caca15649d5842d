#include "windows/analisidinamica2.h"

#include "core/coefficients.h"
#include "core/formulas.h"
#include "core/numtext.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

AnalisiDinamica2::AnalisiDinamica2(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Analisi Dinamica"), panels::framed, helptopics::framed,
                  helptopics::framedContext}) {
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T> 1.4 sec)"));
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    m_response = result("Label5");
    QLabel* protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    m_protectionList = listBox("List1", coefficients::protection.texts());
    QLabel* protection = hiddenLabel("Label10");
    QListWidget* zoneList = listBox("List2");
    QLabel* intensityCaption =
        label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    QLabel* intensityText = textResult("Label9");
    QLabel* foundationCaption = label("Label3", QStringLiteral("Coefficiente di Fondazione:"));
    m_structureCaption = label("Label11");
    QListWidget* structureList = listBox("List3", coefficients::structure.texts());
    // The Greek tag of epsilon, written as a Greek letter.
    QLabel* epsilonTag = label("Label17", QStringLiteral("ε ="));
    m_foundation = quantityBox("Text3");
    QLabel* zoneText = hiddenLabel("Label16");
    // a/g is a pure number, a fraction of the acceleration of gravity, not a force.
    QLabel* resultCaption =
        label("Label12", QStringLiteral("Accelerazione spettrale (a/g):"), Bold);
    m_ordinate = result("Label13");
    m_intensity = hiddenLabel("Label14");
    m_structure = hiddenLabel("Label15");

    addRow(periodCaption, nullptr);
    addRow(responseCaption, m_response);
    addRow(protectionCaption, m_protectionList);
    addRow(zoneCaption, zoneList);
    addRow(intensityCaption, intensityText);
    auto* foundationRow = new QWidget(this);
    auto* row = new QHBoxLayout(foundationRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(foundationCaption);
    row->addStretch();
    row->addWidget(epsilonTag);
    addRow(foundationRow, m_foundation);
    addRow(m_structureCaption, structureList);
    addRow(resultCaption, m_ordinate);
    for (QLabel* hidden : {protection, zoneText, m_intensity, m_structure})
        addRow(hidden, nullptr);
    addFieldButtons(
        {"Command1", "Command3", "Command2", "Command4"},
        {m_protectionList, zoneList, m_foundation, structureList}, [this] { compute(); },
        [this] { send(); });

    bindCoefficients(m_protectionList, coefficients::protection, protection,
                     &building::Seismic::protection);
    bindZoneList(zoneList, intensityText, m_intensity, zoneText);
    bindCoefficients(structureList, coefficients::structure, m_structure,
                     &building::Seismic::structure);
    bindFoundation(m_foundation);
    clearWhenChanged({m_protectionList, zoneList, m_foundation, structureList}, {m_ordinate});
}

void AnalisiDinamica2::load() {
    m_structureCaption->setText(QStringLiteral("Coefficiente di Struttura (ß):"));
    // Spectra of framed buildings are taken here in their flat branch: R = 1.
    m_response->setText(numtext::format(1.0));
}

void AnalisiDinamica2::compute() {
    if (!requireFilled({m_response, m_intensity, m_foundation, m_structure}))
        return;
    const auto r = number(m_response);
    const auto c = number(m_intensity);
    const auto epsilon = number(m_foundation);
    const auto beta = number(m_structure);
    if (!r || !c || !epsilon || !beta)
        return;
    // No protection coefficient chosen leaves the ordinate empty.
    const auto importance = coefficients::protection.value(chosenRow(m_protectionList));
    if (!importance) {
        m_ordinate->clear();
        return;
    }
    showResult(m_ordinate, formulas::framedSpectrumOrdinate(*r, *c, *epsilon, *beta, *importance));
}

void AnalisiDinamica2::send() {
    // I is not checked here: without it the ordinate is empty and Elabora Dati is asked for.
    sendData({m_response, m_intensity, m_foundation, m_structure}, m_ordinate,
             messages::titleStored, messages::storedDynamic, ResetAfter::EveryOutcome);
}

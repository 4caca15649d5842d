#include "windows/analisidinamica1.h"

#include "core/formulas.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

AnalisiDinamica1::AnalisiDinamica1(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Analisi Dinamica"), panels::masonry, helptopics::masonry,
                  helptopics::masonryContext}) {
    // The items of this window are written with a decimal point; I is taken by position.
    const SeismicRows rows = addSeismicRows("Label10", coefficients::protectionDotted);
    m_period = rows.period;
    m_response = rows.response;
    m_zones = rows.zones;
    m_intensity = rows.intensity;
    m_protection = rows.protection;
    m_importance = rows.importance;
    // a/g is a pure number, a fraction of the acceleration of gravity, not a force.
    QLabel* resultCaption = label("Label1", QStringLiteral("Accelerazione spettrale (a/g):"), Bold);
    m_ordinate = result("Label3");

    QGridLayout* g = grid();
    g->addWidget(resultCaption, 6, 0);
    g->addWidget(m_ordinate, 6, 1);

    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"}, {m_period, m_zones, m_protection},
        [this] { compute(); }, [this] { send(); });
    clearWhenChanged({m_period, m_zones, m_protection}, {m_ordinate});
}

void AnalisiDinamica1::load() {
    // T is taken now only; a period computed later arrives after a reload.
    takePeriod(m_period, m_response);
}

void AnalisiDinamica1::watchSources() {
    watchPeriod(m_period);
}

void AnalisiDinamica1::compute() {
    // R is worked out from T: a missing T is a missing input, not R = 0.
    if (!requireFilled({m_period, m_intensity, m_response, m_importance}))
        return;
    if (!number(m_period))
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

#include "windows/periodo.h"

#include "core/building.h"
#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

Periodo::Periodo(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Periodo fondamentale di vibrazione"), panels::buildingParameters,
                  helptopics::buildingParameters, helptopics::buildingParametersContext}) {
    QLabel* sideCaption = label("Label1", QStringLiteral("Lato della Fondazione (B):"));
    m_side = quantityBox("Text2");
    QLabel* heightCaption = label("Label2", QStringLiteral("Altezza dell'edificio (H):"));
    m_height = quantityBox("Text1");
    QLabel* periodCaption =
        label("Label3", QStringLiteral("Periodo di oscillazione dell'edificio (T):"), Bold);
    m_period = result("Label4");

    addRow(sideCaption, withUnit(m_side, messages::unitMetres));
    addRow(heightCaption, withUnit(m_height, messages::unitMetres));
    addRow(periodCaption, withUnit(m_period, messages::unitSeconds));

    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"}, {m_side, m_height}, [this] { compute(); },
        [this] { send(); });
    clearWhenChanged({m_side, m_height}, {m_period});
}

void Periodo::compute() {
    if (!requireFilled({m_side, m_height}))
        return;
    const auto b = number(m_side);
    const auto h = number(m_height);
    if (!b || !h)
        return;
    const double t = formulas::period(*h, *b);
    if (!std::isfinite(t))
        return; // B zero or negative: no period, the label keeps its text
    m_period->setText(numtext::formatRounded(t));
    // H and B as typed are the building's: the calculation report works T out from them.
    ctx.shared.edificio.periodo = {building::typed(m_height->text()),
                                   building::typed(m_side->text())};
}

void Periodo::send() {
    // A refused send leaves the status bar as it is; only a confirmed one resets it.
    sendData({m_side, m_height}, m_period, messages::titleSystem,
             QStringLiteral("Il Periodo T = ") + QLatin1Char(' ') + m_period->text() +
                 QLatin1Char(' ') + QStringLiteral("é stato inserito") + QStringLiteral("\r\n") +
                 QStringLiteral("nella finestre relative all'Analisi Statica e Dinamica "),
             ResetAfter::ConfirmOnly);
}

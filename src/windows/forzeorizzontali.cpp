#include "windows/forzeorizzontali.h"

#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/numberedit.h"
#include "shell/shell.h"
#include "windows/messages.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ForzeOrizzontali::ForzeOrizzontali(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Forze Orizzontali"), panels::masonry, helptopics::masonry,
                  helptopics::masonryContext}) {
    const SeismicRows rows = addSeismicRows("Label13", coefficients::protection);
    m_period = rows.period;
    m_response = rows.response;
    m_intensityHint = rows.intensityCaption;
    m_zones = rows.zones;
    m_intensity = rows.intensity;
    m_protection = rows.protection;
    m_importance = rows.importance;
    QLabel* weightCaption = label("Label1", QStringLiteral("Peso della Struttura (W):"));
    m_weight = quantityBox("Text2");
    QLabel* forceCaption = label("Label3", QStringLiteral("Forza Orizzontale (Fh):"), Bold);
    m_force = result("Label10");

    // Below the shared rows: W, then the result.
    QGridLayout* g = grid();
    g->addWidget(weightCaption, 6, 0);
    g->addWidget(withUnit(m_weight, messages::unitTonnes), 6, 1);
    g->addWidget(forceCaption, 7, 0);
    g->addWidget(withUnit(m_force, messages::unitTonnes), 7, 1);

    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"},
        {m_period, m_zones, m_protection, m_weight}, [this] { compute(); }, [this] { send(); });

    clearWhenChanged({m_period, m_zones, m_protection, m_weight}, {m_force});

    m_intensityHint->setMouseTracking(true);
    m_intensityHint->installEventFilter(this);
}

void ForzeOrizzontali::load() {
    // T and W are taken now only; later periods or weights arrive after a reload.
    takePeriod(m_period, m_response);
    takeWeight(m_weight);
}

void ForzeOrizzontali::watchSources() {
    watchPeriod(m_period);
    watchWeight(m_weight);
}

bool ForzeOrizzontali::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_intensityHint &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        // C = (S - 2) / 100: the hint stays until the window closes.
        ctx.shell.setIndicator(panels::masonry, true);
        ctx.shell.setHint(QStringLiteral("S - 2 / 100"));
    }
    return CalcWindow::eventFilter(watched, event);
}

void ForzeOrizzontali::compute() {
    // R is worked out from T: a missing T is a missing input, not R = 0.
    if (!requireFilled({m_period, m_response, m_intensity, m_importance, m_weight}))
        return;
    if (!number(m_period))
        return;
    const auto v = numbers({m_response, m_intensity, m_importance, m_weight});
    if (!v)
        return;
    // R enters the product as shown, already rounded to two decimals.
    showResult(m_force, formulas::horizontalForce((*v)[0], (*v)[1], (*v)[2], (*v)[3]));
}

void ForzeOrizzontali::send() {
    // W is not checked here: a weight emptied after the computation still passes.
    sendData({m_response, m_intensity, m_importance}, m_force, messages::titleStored,
             messages::storedStatic, ResetAfter::EveryOutcome);
}

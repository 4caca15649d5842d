#include "calc/forzeorizzontali.h"

#include "app/shell.h"
#include "calc/formulas.h"
#include "calc/messages.h"
#include "calc/numberedit.h"
#include "calc/numtext.h"
#include "calc/sharedvalues.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ForzeOrizzontali::ForzeOrizzontali(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Forze Orizzontali"), panels::masonry, helptopics::masonry,
                  helptopics::masonryContext}) {
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    m_period = textBox("Text1");
    m_response = label("Label5", QString(), Centred);
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    m_intensityHint = label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    m_zones = listBox("List2");
    QLabel* intensityText = label("Label9", QString(), Bordered | Centred);
    m_intensity = hiddenLabel("Label12");
    QLabel* zoneText = hiddenLabel("Label13");
    QLabel* protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    m_protection =
        listBox("List1", {QStringLiteral(" 1,0"), QStringLiteral(" 1,2"), QStringLiteral(" 1,4")});
    QLabel* weightCaption = label("Label1", QStringLiteral("Peso della Struttura (W):"));
    m_weight = textBox("Text2");
    m_importance = hiddenLabel("Label11");
    QLabel* forceCaption = label("Label3", QStringLiteral("Forza Orizzontale (Fh):"), Bold);
    m_force = label("Label10");

    // Captions above their values, two columns: T and R, then S and C; I above its list,
    // then W, then the result.
    QGridLayout* g = grid();
    g->addWidget(periodCaption, 0, 0);
    g->addWidget(responseCaption, 0, 1);
    g->addWidget(m_period, 1, 0);
    g->addWidget(m_response, 1, 1);
    g->addWidget(zoneCaption, 2, 0);
    g->addWidget(m_intensityHint, 2, 1);
    g->addWidget(m_zones, 3, 0);
    g->addWidget(intensityText, 3, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(protectionCaption, 4, 0);
    g->addWidget(m_protection, 5, 0);
    g->addWidget(weightCaption, 6, 0);
    g->addWidget(m_weight, 6, 1);
    g->addWidget(forceCaption, 7, 0);
    g->addWidget(m_force, 7, 1);

    QPushButton* compute = button("Command1", QStringLiteral("Elabora Dati"));
    QPushButton* send = button("Command2", QStringLiteral("Invia Dati"));
    QPushButton* cancel = button("Command3", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({compute, send, cancel, help});

    setTabOrder(m_period, m_zones);
    setTabOrder(m_zones, m_protection);
    setTabOrder(m_protection, m_weight);
    setTabOrder(m_weight, compute);
    setTabOrder(compute, send);
    setTabOrder(send, cancel);
    setTabOrder(cancel, help);

    bindZoneList(m_zones, intensityText, m_intensity, zoneText);
    bindProtectionList(m_protection, m_importance);
    bindResponseCoefficient(m_period, m_response, true);

    m_intensityHint->setMouseTracking(true);
    m_intensityHint->installEventFilter(this);

    connect(compute, &QPushButton::clicked, this, &ForzeOrizzontali::compute);
    connect(send, &QPushButton::clicked, this, &ForzeOrizzontali::send);
    connect(cancel, &QPushButton::clicked, this, &ForzeOrizzontali::cancel);
    connect(help, &QPushButton::clicked, this, &ForzeOrizzontali::showHelp);
}

void ForzeOrizzontali::load() {
    // T and W are taken now only; later periods or weights arrive after a reload.
    takePeriod(m_period, m_response);
    m_weight->setText(numtext::formatSingle(ctx.shared.pesoEdificio));
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
    if (!requireFilled({m_response, m_intensity, m_importance, m_weight}))
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

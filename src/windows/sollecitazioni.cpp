#include "windows/sollecitazioni.h"

#include "core/coefficients.h"
#include "core/numtext.h"
#include "shell/controls.h"

#include "core/formulas.h"
#include "shell/numberedit.h"
#include "windows/messages.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Amplification of the elastic seismic displacements by kind of analysis.
const QString staticK = numtext::format(coefficients::displacementAmplification::staticAnalysis);
const QString dynamicK = numtext::format(coefficients::displacementAmplification::dynamicAnalysis);

} // namespace

Sollecitazioni::Sollecitazioni(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Spostamenti"), panels::buildingParameters,
                  helptopics::buildingParameters, helptopics::buildingParametersContext}) {
    QLabel* heading =
        label("Label9", QStringLiteral("Spostamenti elastici prodotti dal sisma"), Bold);
    QFrame* line1 = controls::line(this, "Line1");
    QFrame* line2 = controls::line(this, "Line2");
    QLabel* horizontalCaption = label("Label6", QStringLiteral("Spostamenti orizzontali:"));
    m_horizontal = textBox("Text2");
    QLabel* verticalCaption = label("Label7", QStringLiteral("Spostamenti verticali:"));
    m_vertical = textBox("Text4");
    QLabel* combinedCaption = label("Label8", QStringLiteral("Spostamenti complessivi:"), Bold);
    m_combined = result("Label10");
    QRadioButton* staticAnalysis = option("Option1", QStringLiteral("Analisi Statica"));
    QRadioButton* dynamicAnalysis = option("Option2", QStringLiteral("Analisi Dinamica"));
    m_symbol = label("Label11", QString(), Bold);
    m_k = result("Label12");
    // Its tag is a bare symbol: a screen reader says what it stands for.
    m_k->setAccessibleName(QStringLiteral("Coefficiente k (Ø)"));
    QLabel* otherCaption =
        label("Label15",
              QStringLiteral("Spostamenti elastici dovuti ad altre azioni (escluso il vento):"));
    m_other = textBox("Text3");
    QLabel* realCaption = label("Label13", QStringLiteral("Spostamenti reali:"), Bold);
    m_real = result("Label14");

    QGridLayout* g = grid();
    g->addWidget(heading, 0, 0, 1, 3);
    g->addWidget(line1, 1, 0, 1, 3);
    g->addWidget(line2, 2, 0, 1, 3);
    g->addWidget(horizontalCaption, 3, 0);
    g->addWidget(withUnit(m_horizontal, messages::unitCentimetres), 3, 1);
    g->addWidget(verticalCaption, 4, 0);
    g->addWidget(withUnit(m_vertical, messages::unitCentimetres), 4, 1);
    g->addWidget(combinedCaption, 5, 0);
    g->addWidget(withUnit(m_combined, messages::unitCentimetres), 5, 1);
    g->addWidget(staticAnalysis, 6, 0);
    g->addWidget(dynamicAnalysis, 7, 0);
    auto* kRow = new QHBoxLayout;
    kRow->addWidget(m_symbol, 0, Qt::AlignVCenter);
    kRow->addWidget(m_k, 0, Qt::AlignVCenter);
    kRow->addStretch();
    g->addLayout(kRow, 6, 1, 2, 1);
    g->addWidget(otherCaption, 8, 0);
    g->addWidget(withUnit(m_other, messages::unitCentimetres), 8, 1);
    g->addWidget(realCaption, 9, 0);
    g->addWidget(withUnit(m_real, messages::unitCentimetres), 9, 1);

    addFieldButtons(
        {"Command1", "Command2", "Command3", "Command4"},
        {m_horizontal, m_vertical, staticAnalysis, dynamicAnalysis, m_other}, [this] { compute(); },
        [this] { send(); });

    // Displacements are signed: negatives are accepted. dc rests on dh and dv, dr on all.
    clearWhenChanged({m_horizontal, m_vertical}, {m_combined, m_real});
    clearWhenChanged({m_other, staticAnalysis, dynamicAnalysis}, {m_real});

    connect(staticAnalysis, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_k->setText(staticK);
    });
    connect(dynamicAnalysis, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_k->setText(dynamicK);
    });
}

void Sollecitazioni::load() {
    // Ø (character 216 of the Windows-1252 code page, in which reports are saved) marks the
    // amplification coefficient.
    m_symbol->setText(QString(QChar(0x00D8)) + QStringLiteral(" ="));
}

void Sollecitazioni::compute() {
    if (!requireFilled({m_horizontal, m_vertical, m_other, m_k}))
        return;
    const auto seismic = numbers({m_horizontal, m_vertical});
    if (!seismic)
        return;
    if (!showResult(m_combined, formulas::combinedDisplacement((*seismic)[0], (*seismic)[1])))
        return;
    // dr uses dc as shown, rounded to two decimals.
    const auto v = numbers({m_other, m_k, m_combined});
    if (!v)
        return;
    showResult(m_real, formulas::realDisplacement((*v)[0], (*v)[1], (*v)[2]));
}

void Sollecitazioni::send() {
    // The analysis type counts as an input. A refusal stops here: results whose inputs were
    // emptied afterwards are not confirmed for the report.
    const QString title =
        m_k->text() == dynamicK ? messages::titleSystemLower : messages::titleStored;
    sendData({m_horizontal, m_vertical, m_other, m_k}, m_real, title,
             QStringLiteral("    E' possibile inserire i dati memorizzati nelle ") +
                 QStringLiteral("\n\r") +
                 QStringLiteral("Relazioni statiche e dinamiche selezionando l'apposita ") +
                 QStringLiteral("\n\r") +
                 QStringLiteral("    casella della finestra Componi Relazione"),
             ResetAfter::EveryOutcome);
}

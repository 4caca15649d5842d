#include "windows/spettro.h"

#include "core/coefficients.h"
#include "core/numtext.h"
#include "core/storeys.h"
#include "shell/numberedit.h"
#include "windows/chartexport.h"
#include "windows/messages.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

Spettro::Spettro(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Spettro di risposta"), panels::buildingParameters,
                  helptopics::buildingParameters, helptopics::buildingParametersContext}) {
    const FramedSeismicInputs in = addFramedSeismicInputs([this] { redraw(); });
    m_zones = in.zones;
    m_intensity = in.intensity;
    m_protectionList = in.protectionList;
    m_protection = in.protection;
    m_structureList = in.structureList;
    m_structure = in.structure;
    m_foundation = in.foundation;
    QLabel* zoneText = in.zoneText;
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    m_period = quantityBox("Text1");
    QLabel* ordinateCaption =
        label("Label12", QStringLiteral("Accelerazione spettrale (a/g):"), Bold);
    m_ordinate = label("Label13", QString(), Bordered | Centred);

    // The choices in one column beside the diagram, in the order they are made, so that the
    // window fits a small screen and the diagram keeps most of it.
    QGridLayout* g = grid();
    g->setVerticalSpacing(4);
    int row = 0;
    const auto add = [&](QWidget* caption, QWidget* value) {
        g->addWidget(caption, row++, 0);
        g->addWidget(value, row++, 0, Qt::AlignLeft | Qt::AlignTop);
    };
    add(in.zoneCaption, m_zones);
    add(in.intensityCaption, in.intensityText);
    add(in.protectionCaption, m_protectionList);
    add(in.structureCaption, m_structureList);
    add(in.foundationCaption, m_foundation);
    add(periodCaption, withUnit(m_period, messages::unitSeconds));
    add(ordinateCaption, m_ordinate);
    for (QLabel* hidden : {m_intensity, zoneText, m_protection, m_structure})
        g->addWidget(hidden, row, 0);
    // A taller window gives its height to the diagram, not to the gaps between the choices.
    g->setRowStretch(row, 1);

    m_view = diagramView(this);
    m_chart = m_view->chart();
    m_chart->legend()->setVisible(false);
    m_rightMargin = m_chart->margins().right();
    m_axisX = new QValueAxis;
    m_axisX->setTitleText(QStringLiteral("T (sec)"));
    m_axisX->setRange(0.0, 3.0);
    m_axisX->setTickCount(7);
    m_axisX->setLabelFormat(QStringLiteral("%.1f"));
    m_axisY = new QValueAxis;
    m_axisY->setTitleText(QStringLiteral("a/g"));
    m_axisY->setLabelFormat(QStringLiteral("%.3f"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_curve = new QLineSeries;
    m_point = new QScatterSeries;
    m_point->setMarkerSize(10.0);
    m_point->setPointLabelsVisible(true);
    m_point->setPointLabelsClipping(false);
    for (QXYSeries* s : {static_cast<QXYSeries*>(m_curve), static_cast<QXYSeries*>(m_point)}) {
        m_chart->addSeries(s);
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }
    m_view->setMinimumSize(400, 340);
    g->addWidget(m_view, 0, 1, row + 1, 1);
    g->setColumnStretch(1, 1);
    // Opens with a larger diagram that still fits an 800 x 600 screen with its task bar.
    addDiagramButtons({}, m_view, "spettro.png", QSize(760, 480));
    connect(m_period, &QLineEdit::textChanged, this, &Spettro::redraw);
    redraw();
}

void Spettro::load() {
    takeValue(m_period, ctx.forms.value(QStringLiteral("periodo.T")),
              QStringLiteral("il periodo T"), [this] { return currentPeriod(); });
}

void Spettro::watchSources() {
    watchPeriod(m_period);
}

void Spettro::restoreKept(const QMap<QString, QString>& kept) {
    CalcWindow::restoreKept(kept);
    redraw();
}

void Spettro::redraw() {
    // A curve only from a full set of coefficients, a point only from a period as well; a
    // box marked in red counts as empty.
    const auto given = numbers({m_intensity, m_protection, m_foundation, m_structure});
    m_ordinate->clear();
    m_point->clear();
    setRightMargin(m_rightMargin);
    if (!given) {
        m_curve->clear();
        m_axisY->setRange(0.0, 0.1);
        return;
    }
    const double c = (*given)[0], i = (*given)[1], epsilon = (*given)[2], beta = (*given)[3];
    QList<QPointF> points;
    for (const storeys::SpectrumPoint& p : storeys::spectrumCurve(c, i, epsilon, beta))
        points << QPointF(p.periodS, p.ordinate);
    const double peak = storeys::spectrumOrdinate(0.0, c, i, epsilon, beta);
    if (!std::isfinite(peak)) {
        m_curve->clear();
        return;
    }
    m_curve->replace(points);
    m_axisY->setRange(0.0, peak > 0.0 ? peak * 1.15 : 0.1);
    m_axisY->applyNiceNumbers();
    const auto t = number(m_period);
    if (!t)
        return;
    const double ordinate = storeys::spectrumOrdinate(*t, c, i, epsilon, beta);
    if (!showResult(m_ordinate, ordinate))
        return;
    m_point->append(*t, ordinate);
    // The point carries its own values, in the window's notation.
    m_point->setPointLabelsFormat(QStringLiteral("T = ") + numtext::format(*t) +
                                  QStringLiteral(" sec, a/g = ") + m_ordinate->text());
    if (*t > m_axisX->max())
        m_axisX->setRange(0.0, std::ceil(*t));
    else if (*t <= 3.0)
        m_axisX->setRange(0.0, 3.0);
    keepLabelInView(*t);
}

void Spettro::keepLabelInView(double period) {
    // The point's label is centred over the point: near the right end of the axis half of it
    // would run past the diagram's edge, so the chart keeps that much room on its right.
    const double plotWidth = m_chart->plotArea().width() > 0 ? m_chart->plotArea().width() : 300;
    const double fromRight = (1.0 - period / m_axisX->max()) * plotWidth;
    const int half =
        QFontMetrics(m_point->pointLabelsFont()).horizontalAdvance(m_point->pointLabelsFormat()) /
            2 +
        8;
    setRightMargin(std::max(m_rightMargin, half - int(fromRight)));
}

void Spettro::setRightMargin(int pixels) {
    QMargins margins = m_chart->margins();
    margins.setRight(pixels);
    m_chart->setMargins(margins);
}

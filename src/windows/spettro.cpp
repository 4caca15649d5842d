#include "windows/spettro.h"

#include "core/coefficients.h"
#include "core/ntc2018.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "core/storeys.h"
#include "shell/numberedit.h"
#include "windows/chartexport.h"
#include "windows/messages.h"
#include "windows/ntcgroups.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
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

    // The spectrum of today's code, under the diagram; its curve, its point at T and its
    // corners drawn in red beside the 1984 curve.
    m_ntc = new NtcSiteGroup(ctx.shared.edificio.ntc, this);
    g->addWidget(m_ntc, row + 1, 1);
    m_ntcCurve = new QLineSeries;
    m_ntcPoint = new QScatterSeries;
    m_ntcPoint->setMarkerSize(10.0);
    // Each corner named by its label above it; their values are in the group.
    const char* const cornerNames[] = {"TB", "TC", "TD"};
    for (int i = 0; i < 3; ++i) {
        m_ntcCorners[i] = new QScatterSeries;
        m_ntcCorners[i]->setMarkerSize(7.0);
        m_ntcCorners[i]->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        m_ntcCorners[i]->setPointLabelsVisible(true);
        m_ntcCorners[i]->setPointLabelsClipping(false);
        m_ntcCorners[i]->setPointLabelsFormat(QString::fromLatin1(cornerNames[i]));
    }
    const QColor ntcColour(190, 40, 40);
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(m_ntcCurve), static_cast<QXYSeries*>(m_ntcPoint),
          static_cast<QXYSeries*>(m_ntcCorners[0]), static_cast<QXYSeries*>(m_ntcCorners[1]),
          static_cast<QXYSeries*>(m_ntcCorners[2])}) {
        s->setColor(ntcColour);
        m_chart->addSeries(s);
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(m_point), static_cast<QXYSeries*>(m_ntcPoint),
          static_cast<QXYSeries*>(m_ntcCorners[0]), static_cast<QXYSeries*>(m_ntcCorners[1]),
          static_cast<QXYSeries*>(m_ntcCorners[2])})
        for (QLegendMarker* marker : m_chart->legend()->markers(s))
            marker->setVisible(false);
    connect(m_ntc, &NtcSiteGroup::changed, this, &Spettro::redraw);
    // Opens with a larger diagram that still fits an 800 x 600 screen with its task bar.
    addDiagramButtons({}, m_view, "spettro.png", QSize(760, 480));
    connect(m_period, &QLineEdit::textChanged, this, &Spettro::redraw);
    redraw();
}

void Spettro::load() {
    takeValue(m_period, ctx.forms.value(QStringLiteral("periodo.T")),
              QStringLiteral("il periodo T"), [this] { return currentPeriod(); });
    m_ntc->fromBuilding();
}

void Spettro::watchSources() {
    watchPeriod(m_period);
}

void Spettro::restoreKept(const QMap<QString, QString>& kept) {
    CalcWindow::restoreKept(kept);
    // The site is the building's, not the window's: it comes back with the building.
    m_ntc->fromBuilding(false);
    m_ntc->syncShown();
    redraw();
}

void Spettro::redraw() {
    drawCurve1984();
    drawNtc();
}

void Spettro::drawNtc() {
    m_ntcCurve->clear();
    m_ntcPoint->clear();
    for (QScatterSeries* corner : m_ntcCorners)
        corner->clear();
    const auto site = m_ntc->refresh();
    if (!site) {
        // Without the site the diagram is the 1984 spectrum alone, as it always was.
        m_curve->setName(QString());
        m_chart->legend()->setVisible(false);
        m_ntc->showOrdinate(QStringLiteral("Accelerazione spettrale (Se/g):"), QString());
        return;
    }
    const ntc2018::Parameters p = ntc2018::parameters(*site);
    const QString name =
        ntc2018::isElastic(*site) ? QStringLiteral("Se/g") : QStringLiteral("Sd/g");
    // Far enough to the right for TD to show with the branch after it.
    const double until = std::max(m_axisX->max(), p.td < 3.0 ? 3.0 : std::ceil(p.td + 0.2));
    if (until > m_axisX->max())
        m_axisX->setRange(0.0, until);
    QList<QPointF> points;
    double peak = 0.0;
    for (const ntc2018::Point& point : ntc2018::curve(*site, until)) {
        points << QPointF(point.periodS, point.ordinate);
        peak = std::max(peak, point.ordinate);
    }
    m_ntcCurve->replace(points);
    const double corners[] = {p.tb, p.tc, p.td};
    for (int i = 0; i < 3; ++i)
        m_ntcCorners[i]->append(corners[i], ntc2018::ordinate(corners[i], *site));

    // The 1984 curve goes on as far as the axis now does.
    const auto given = numbers({m_intensity, m_protection, m_foundation, m_structure});
    if (given && m_curve->count() > 0) {
        const double c = (*given)[0], i = (*given)[1], epsilon = (*given)[2], beta = (*given)[3];
        for (int k = int(std::round(m_curve->points().constLast().x() * 100.0)) + 1;
             k <= int(std::round(until * 100.0)); ++k)
            m_curve->append(k / 100.0, storeys::spectrumOrdinate(k / 100.0, c, i, epsilon, beta));
        peak = std::max(peak, storeys::spectrumOrdinate(0.0, c, i, epsilon, beta));
    }
    m_axisY->setRange(0.0, peak * 1.15);
    m_axisY->applyNiceNumbers();

    // The legend names both curves with their values at the building's T.
    const auto t = number(m_period);
    QString at1984, atNtc;
    if (t) {
        const double ordinate = ntc2018::ordinate(*t, *site);
        m_ntcPoint->append(*t, ordinate);
        atNtc = QStringLiteral(" = ") + ntc2018::format3(ordinate);
        if (!m_ordinate->text().isEmpty())
            at1984 = QStringLiteral(" = ") + m_ordinate->text();
        m_ntc->showOrdinate(QStringLiteral("Accelerazione spettrale (") + name +
                                QStringLiteral("):"),
                            ntc2018::format3(ordinate));
    } else {
        m_ntc->showOrdinate(
            QStringLiteral("Accelerazione spettrale (") + name + QStringLiteral("):"), QString());
    }
    // Short names, so that both fit under a small diagram: T is the point's, shown on the
    // 1984 curve and in the period box.
    m_curve->setName(QStringLiteral("D.M. 1984: a/g") + at1984);
    m_ntcCurve->setName(QStringLiteral("NTC 2018: ") + name + atNtc);
    for (QLegendMarker* marker : m_chart->legend()->markers(m_curve))
        marker->setVisible(m_curve->count() > 0);
    m_chart->legend()->setVisible(true);
}

void Spettro::drawCurve1984() {
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

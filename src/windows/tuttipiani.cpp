#include "windows/tuttipiani.h"

#include "core/buildingdata.h"
#include "core/calcolo.h"
#include "core/coefficients.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/numberedit.h"
#include "shell/prompts.h"
#include "shell/shell.h"
#include "windows/chartexport.h"
#include "windows/messages.h"
#include "windows/ntcgroups.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <tuple>

namespace {

const QString degree = QStringLiteral("°");
const QColor markColour(255, 205, 205);
const QString notNumber =
    QStringLiteral("Valore non numerico: usare la virgola per i decimali (per esempio 0,35)");
const QString negative =
    QStringLiteral("Valore non accettabile: la grandezza non può essere negativa");
const QString notAbove =
    QStringLiteral("La quota di un piano deve superare quella del piano sottostante");

// A result of the table, worked out at full precision and rounded only here, as it is
// shown: forces and moments to the hundredth, gamma and K to the thousandth, every figure
// written so that the column lines up.
QString fixed2(double value) {
    return numtext::fixed(value, 2);
}
QString fixed3(double value) {
    return numtext::fixed(value, 3);
}
const QString momentCaption = QStringLiteral("M alla quota del piano (t·m)");

QTableWidgetItem* cell(const QString& text, bool editable) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable)
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    return item;
}

void mark(QTableWidgetItem* item, const QString& tip) {
    item->setBackground(tip.isEmpty() ? QBrush() : QBrush(markColour));
    item->setToolTip(tip);
}

QString right(const QString& text, int width) {
    return text.rightJustified(width);
}

} // namespace

TuttiPiani::TuttiPiani(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Tutti i piani"), panels::framed, helptopics::framed,
                  helptopics::framedContext}) {
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    m_period = quantityBox("Text1");
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    m_response = label("Label5", QString(), Bordered | Centred);
    // The table follows every change of the seismic choices, once their labels are written.
    const FramedSeismicInputs in = addFramedSeismicInputs([this] { refresh(); });
    m_zones = in.zones;
    m_intensityText = in.intensityText;
    m_intensity = in.intensity;
    m_zoneText = in.zoneText;
    m_protectionList = in.protectionList;
    m_protection = in.protection;
    m_structureList = in.structureList;
    m_structure = in.structure;
    m_foundation = in.foundation;

    // The choices in one column beside the table and the diagram, in the order they are
    // made, so that the window fits a small screen and the table keeps its width.
    QGridLayout* g = grid();
    g->setVerticalSpacing(4);
    int row = 0;
    const auto add = [&](QWidget* caption, QWidget* value) {
        g->addWidget(caption, row++, 0);
        g->addWidget(value, row++, 0, Qt::AlignLeft | Qt::AlignTop);
    };
    add(periodCaption, withUnit(m_period, messages::unitSeconds));
    add(responseCaption, m_response);
    add(in.zoneCaption, m_zones);
    add(in.intensityCaption, m_intensityText);
    add(in.protectionCaption, m_protectionList);
    add(in.structureCaption, m_structureList);
    add(in.foundationCaption, m_foundation);
    for (QLabel* hidden : {m_intensity, m_zoneText, m_protection, m_structure})
        g->addWidget(hidden, row, 0);
    // A taller window gives its height to the table and the diagram; under the choices it
    // only widens the gap above the message.
    g->setRowMinimumHeight(row, 8);
    g->setRowStretch(row++, 1);

    // The table, one row per storey from the bottom and the base row last.
    m_table = new QTableWidget(1, 8, this);
    m_table->setObjectName(QStringLiteral("Tabella"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Piano"), QStringLiteral("W (t)"),
                                        QStringLiteral("h (m)"), QStringLiteral("γ"),
                                        QStringLiteral("K"), QStringLiteral("F (t)"),
                                        QStringLiteral("V (t)"), momentCaption});
    m_table->verticalHeader()->setVisible(false);
    // Columns as wide as a result of thousands of tonnes with its two decimals, rows as
    // high as a line of text, so that the table shows several storeys on a small screen.
    const QFontMetrics metrics = m_table->fontMetrics();
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("0000,00")) + 6;
    QHeaderView* header = m_table->horizontalHeader();
    header->setDefaultSectionSize(columnWidth);
    header->resizeSection(Storey, metrics.horizontalAdvance(QStringLiteral("Piano")) + 14);
    // gamma and K are below ten: their columns take three decimals and no more.
    for (int c : {Distribution, Coefficient})
        header->resizeSection(c, metrics.horizontalAdvance(QStringLiteral("0,000")) + 10);
    // The moment's caption says where it acts, on three lines so that the window still fits
    // a small screen.
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->resizeSection(
        Moment, header->fontMetrics().horizontalAdvance(QStringLiteral("M alla quota")) + 14);
    header->setMinimumHeight(3 * header->fontMetrics().lineSpacing() + 8);
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Always room for the vertical scroll bar, so that the last column is never hidden
    // when storeys are added.
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->setMinimumSize(header->length() + 2 * m_table->frameWidth() +
                                m_table->verticalScrollBar()->sizeHint().width(),
                            header->minimumHeight() + 5 * (metrics.height() + 8));
    for (int c = 0; c < 8; ++c)
        m_table->setItem(0, c, cell(c == Storey ? QStringLiteral("Base") : QString(), false));
    m_add = button("cmdAggiungiPiano", QStringLiteral("Aggiungi piano"));
    m_remove = button("cmdRimuoviPiano", QStringLiteral("Rimuovi piano"));
    m_message = label("Messaggio");
    m_message->setWordWrap(true);
    // The sum of the forces against C * R * epsilon * beta * I * sum(W), which it equals.
    m_check = label("Verifica");

    // The diagram: the storey forces as horizontal bars and the storey shear as a step line,
    // against the height above the foundation.
    m_view = diagramView(this);
    m_chart = m_view->chart();
    m_axisX = new QValueAxis;
    m_axisX->setTitleText(QStringLiteral("F, V (t)"));
    m_axisX->setLabelFormat(QStringLiteral("%.1f"));
    m_axisY = new QValueAxis;
    m_axisY->setTitleText(QStringLiteral("h (m)"));
    m_axisY->setLabelFormat(QStringLiteral("%.1f"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_shearLine = new QLineSeries;
    m_shearLine->setName(QStringLiteral("Taglio di piano V"));
    m_chart->addSeries(m_shearLine);
    m_shearLine->attachAxis(m_axisX);
    m_shearLine->attachAxis(m_axisY);
    // Narrow margins: on a small screen the diagram's height goes to the plot.
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_view->setMinimumSize(300, 180);

    // Beside the choices: the table with its buttons, the diagram under them.
    auto* storeyButtons = new QHBoxLayout;
    storeyButtons->addWidget(m_add);
    storeyButtons->addWidget(m_remove);
    storeyButtons->addStretch();
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(m_table);
    tableColumn->addWidget(m_check);
    tableColumn->addLayout(storeyButtons);
    tableColumn->addWidget(m_view, 1);
    // The comparison with today's code under the diagram, one check box line until it is on.
    m_ntc = new NtcStaticGroup(ctx.shared.edificio.ntc, this);
    tableColumn->addWidget(m_ntc);
    const QColor ntcColour(190, 40, 40);
    m_ntcForces = new QScatterSeries;
    m_ntcForces->setName(QStringLiteral("Forza di piano NTC 2018"));
    m_ntcForces->setMarkerSize(9.0);
    m_ntcShearLine = new QLineSeries;
    m_ntcShearLine->setName(QStringLiteral("Taglio di piano NTC 2018"));
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(m_ntcForces), static_cast<QXYSeries*>(m_ntcShearLine)}) {
        s->setColor(ntcColour);
        m_chart->addSeries(s);
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }
    // What is missing or wrong, at the foot of the choices: it speaks of them as well as of
    // the table. Four lines whatever it says, so that the window keeps its size as it changes.
    m_message->setMinimumHeight(4 * m_message->fontMetrics().lineSpacing());
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(m_message, row, 0);
    g->addLayout(tableColumn, 0, 1, row + 1, 1);
    g->setColumnStretch(1, 1);

    QPushButton* append = button("cmdAggiungi", QStringLiteral("Aggiungi alla relazione"));
    // Opens as large as an 800 x 600 screen with its task bar allows.
    addDiagramButtons({append}, m_view, "tuttipiani.png", QSize(760, 510));

    // The period as typed, not rounded, gives R; the table follows it once R is written.
    bindResponseCoefficient(m_period, m_response, false);
    connect(m_period, &QLineEdit::textChanged, this, &TuttiPiani::refresh);
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_refreshing)
            refresh();
    });
    connect(m_add, &QPushButton::clicked, this, &TuttiPiani::addStorey);
    connect(m_remove, &QPushButton::clicked, this, &TuttiPiani::removeStorey);
    connect(append, &QPushButton::clicked, this, &TuttiPiani::appendToReport);
    connect(m_ntc, &NtcStaticGroup::changed, this, &TuttiPiani::refresh);

    setStoreyCount(1);
}

void TuttiPiani::load() {
    takeValue(m_period, ctx.forms.value(QStringLiteral("periodo.T")),
              QStringLiteral("il periodo T"), [this] { return currentPeriod(); });
    std::tie(m_takenWeights, m_takenHeights) = enteredStoreys();
    m_ntc->fromBuilding();
    setStoreys(m_takenWeights, m_takenHeights);
}

std::pair<QStringList, QStringList> TuttiPiani::enteredStoreys() const {
    const std::vector<building::Storey>& storeys = ctx.shared.edificio.storeys;
    if (storeys.empty())
        return {ctx.shared.pesiPiani, ctx.shared.quotePiani};
    // The building's storeys, W and h as texts.
    QStringList weights, heights;
    for (const building::Storey& storey : storeys) {
        weights << storey.weightText();
        heights << (storey.h ? storey.h->text : QString());
    }
    while (!weights.isEmpty() && weights.last().isEmpty() && heights.last().isEmpty()) {
        weights.removeLast();
        heights.removeLast();
    }
    return {weights, heights};
}

void TuttiPiani::showEvent(QShowEvent* event) {
    CalcWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // The site may have been given or changed in "Spettro di risposta" since.
    if (m_ntc->isOn())
        refresh();
    // Storeys entered again since they were taken replace them, unless the table was
    // edited: what the user typed stays.
    const auto [weights, heights] = enteredStoreys();
    const bool changed = weights != m_takenWeights || heights != m_takenHeights;
    const bool untouched = inputTexts(Weight) == m_takenWeights.mid(0, storeys::maxStoreys) &&
                           inputTexts(Height) == m_takenHeights.mid(0, storeys::maxStoreys);
    if (!changed || !untouched || weights.isEmpty())
        return;
    m_takenWeights = weights;
    m_takenHeights = heights;
    setStoreys(m_takenWeights, m_takenHeights);
    ctx.shell.setHint(QStringLiteral("I pesi e le quote dei piani sono stati aggiornati"));
}

QStringList TuttiPiani::inputTexts(int column) const {
    // Trailing storeys left empty do not count, so that the lists compare with the data
    // entered elsewhere.
    QStringList texts;
    for (int r = 0; r + 1 < m_table->rowCount(); ++r)
        texts << m_table->item(r, column)->text();
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

void TuttiPiani::setStoreys(const QStringList& weights, const QStringList& heights) {
    const int count =
        std::clamp(int(std::max(weights.size(), heights.size())), 1, storeys::maxStoreys);
    m_refreshing = true;
    setStoreyCount(count);
    for (int r = 0; r < count; ++r) {
        m_table->item(r, Weight)->setText(weights.value(r));
        m_table->item(r, Height)->setText(heights.value(r));
    }
    m_refreshing = false;
    refresh();
}

void TuttiPiani::setStoreyCount(int count) {
    const bool wasRefreshing = m_refreshing;
    m_refreshing = true;
    int rows = m_table->rowCount() - 1;
    while (rows < count) {
        m_table->insertRow(rows);
        for (int c = 0; c < 8; ++c)
            m_table->setItem(rows, c, cell(QString(), c == Weight || c == Height));
        ++rows;
    }
    while (rows > count)
        m_table->removeRow(--rows);
    for (int r = 0; r < rows; ++r)
        m_table->item(r, Storey)->setText(QString::number(r + 1) + degree);
    m_add->setEnabled(count < storeys::maxStoreys);
    m_remove->setEnabled(count > 1);
    m_refreshing = wasRefreshing;
}

void TuttiPiani::addStorey() {
    const int count = m_table->rowCount() - 1;
    if (count >= storeys::maxStoreys)
        return;
    // A new storey goes on top of the building.
    setStoreyCount(count + 1);
    m_table->setCurrentCell(count, Weight);
    refresh();
}

void TuttiPiani::removeStorey() {
    const int count = m_table->rowCount() - 1;
    if (count <= 1)
        return;
    // The storey chosen in the table, else the top one.
    const int row = m_table->currentRow();
    const int removed = row >= 0 && row < count ? row : count - 1;
    m_refreshing = true;
    m_table->removeRow(removed);
    setStoreyCount(count - 1);
    m_refreshing = false;
    refresh();
}

std::optional<std::vector<storeys::Storey>> TuttiPiani::readStoreys() {
    const int count = m_table->rowCount() - 1;
    std::vector<storeys::Storey> building(count);
    bool complete = true;
    bool marked = false;
    for (int r = 0; r < count; ++r) {
        for (int c : {Weight, Height}) {
            QTableWidgetItem* item = m_table->item(r, c);
            const QString text = item->text();
            const auto value = numtext::parse(text);
            QString tip;
            if (text.isEmpty())
                complete = false;
            else if (!value)
                tip = notNumber;
            else if (*value < 0.0)
                tip = negative;
            mark(item, tip);
            marked = marked || !tip.isEmpty();
            (c == Weight ? building[r].weightT : building[r].heightM) = value.value_or(0.0);
        }
    }
    if (marked) {
        m_message->setText(QStringLiteral("Correggere i valori segnati in rosso nella tabella."));
        return std::nullopt;
    }
    if (!complete) {
        m_message->setText(QStringLiteral("Inserire il peso W e la quota h di ogni piano."));
        return std::nullopt;
    }
    const int low = storeys::firstStoreyNotAbove(building);
    if (low >= 0) {
        mark(m_table->item(low, Height), notAbove);
        m_message->setText(QStringLiteral("La quota del ") + QString::number(low + 1) + degree +
                           QStringLiteral(" piano deve superare quella del piano sottostante."));
        return std::nullopt;
    }
    return building;
}

void TuttiPiani::refresh() {
    m_refreshing = true;
    m_result.reset();
    const auto building = readStoreys();
    const auto seismic =
        numbers({m_intensity, m_response, m_foundation, m_structure, m_protection});
    if (!building) {
        clearResults(m_message->text());
    } else if (!m_foundation->isAcceptable() || !m_period->isAcceptable()) {
        clearResults(QStringLiteral("Correggere i valori segnati in rosso."));
    } else if (!seismic) {
        clearResults(QStringLiteral("Inserire il periodo T e il coefficiente di fondazione e "
                                    "scegliere la zona, il coefficiente di protezione e quello "
                                    "di struttura."));
    } else {
        const std::vector<double>& v = *seismic;
        // R from T as typed, not from its label rounded to two decimals: the table rounds
        // nothing it computes on.
        const auto period = numtext::parse(m_period->text());
        const double r = period ? coefficients::responseCoefficient(*period) : v[1];
        m_result = storeys::horizontalActions(*building, {v[0], r, v[2], v[3], v[4]});
        if (m_result)
            showTable(*m_result);
        else
            clearResults(QStringLiteral(
                "Con i pesi e le quote inseriti il coefficiente di distribuzione non può essere "
                "calcolato: la somma dei prodotti peso per quota è nulla o troppo grande."));
    }
    m_refreshing = false;
    drawDiagram(building.value_or(std::vector<storeys::Storey>()), m_result ? &*m_result : nullptr);
    // The comparison rests on the building's site, which a file being opened puts back
    // before its windows.
    refreshNtc(building && m_result ? &*building : nullptr);
}

void TuttiPiani::refreshNtc(const std::vector<storeys::Storey>* building) {
    const auto period = m_period->isAcceptable() ? number(m_period) : std::nullopt;
    const auto forces =
        m_ntc->refresh(ctx.shared.edificio.ntc, building, m_result ? &*m_result : nullptr, period);
    m_ntcForces->clear();
    m_ntcShearLine->clear();
    // Both legend entries only while there is something of NTC 2018 to draw, so that the
    // diagram of the 1984 actions alone stays as it was.
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(m_ntcForces), static_cast<QXYSeries*>(m_ntcShearLine)})
        for (QLegendMarker* marker : m_chart->legend()->markers(s))
            marker->setVisible(forces.has_value());
    if (!forces || !building)
        return;
    QList<QPointF> steps;
    double below = 0.0;
    for (std::size_t i = 0; i < building->size(); ++i) {
        const double h = (*building)[i].heightM;
        m_ntcForces->append(forces->rows[i].forceT, h);
        steps << QPointF(forces->rows[i].shearT, below) << QPointF(forces->rows[i].shearT, h);
        below = h;
    }
    m_ntcShearLine->replace(steps);
    const double widest = std::max(m_result->baseShearT, forces->baseShearT);
    m_axisX->setRange(0.0, widest > 0.0 ? widest * 1.1 : 1.0);
    m_axisX->applyNiceNumbers();
}

void TuttiPiani::showTable(const storeys::Table& table) {
    m_message->clear();
    const int count = int(table.rows.size());
    for (int r = 0; r < count; ++r) {
        const storeys::Row& row = table.rows[r];
        m_table->item(r, Distribution)->setText(fixed3(row.distribution));
        m_table->item(r, Coefficient)->setText(fixed3(row.coefficient));
        m_table->item(r, Force)->setText(fixed2(row.forceT));
        m_table->item(r, Shear)->setText(fixed2(row.shearT));
        m_table->item(r, Moment)->setText(fixed2(row.momentTm));
    }
    m_table->item(count, Shear)->setText(fixed2(table.baseShearT));
    m_table->item(count, Moment)->setText(fixed2(table.baseMomentTm));
    m_check->setText(
        calcolo::checkLine(table.baseShearT, table.expectedBaseShearT, QStringLiteral("t")));
}

void TuttiPiani::clearResults(const QString& reason) {
    m_message->setText(reason);
    m_check->clear();
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = Distribution; c <= Moment; ++c)
            m_table->item(r, c)->setText(QString());
}

void TuttiPiani::drawDiagram(const std::vector<storeys::Storey>& building,
                             const storeys::Table* table) {
    const std::size_t count = table ? building.size() : 0;
    while (m_bars.size() > count) {
        m_chart->removeSeries(m_bars.back());
        delete m_bars.back();
        m_bars.pop_back();
    }
    while (m_bars.size() < count) {
        // The area owns its two edges: they go with it when a storey is removed.
        auto* bar = new QAreaSeries;
        bar->setUpperSeries(new QLineSeries(bar));
        bar->setLowerSeries(new QLineSeries(bar));
        bar->setName(QStringLiteral("Forza di piano F"));
        bar->setColor(QColor(70, 110, 170));
        bar->setBorderColor(QColor(40, 70, 120));
        m_chart->addSeries(bar);
        bar->attachAxis(m_axisX);
        bar->attachAxis(m_axisY);
        // One entry in the legend for all the bars.
        if (!m_bars.empty())
            for (QLegendMarker* marker : m_chart->legend()->markers(bar))
                marker->setVisible(false);
        m_bars.push_back(bar);
    }
    if (!table) {
        m_shearLine->clear();
        m_axisX->setRange(0.0, 1.0);
        m_axisY->setRange(0.0, 1.0);
        return;
    }
    // Bars a fifth of the smallest height between storeys thick.
    double gap = building.front().heightM;
    for (std::size_t i = 1; i < count; ++i)
        gap = std::min(gap, building[i].heightM - building[i - 1].heightM);
    const double half = gap > 0.0 ? gap / 10.0 : 0.1;
    QList<QPointF> steps;
    double below = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double h = building[i].heightM;
        const double f = table->rows[i].forceT;
        m_bars[i]->upperSeries()->replace({QPointF(0.0, h + half), QPointF(f, h + half)});
        m_bars[i]->lowerSeries()->replace({QPointF(0.0, h - half), QPointF(f, h - half)});
        // The shear of a storey acts between the level below and its own.
        const double v = table->rows[i].shearT;
        steps << QPointF(v, below) << QPointF(v, h);
        below = h;
    }
    m_shearLine->replace(steps);
    const double top = building.back().heightM;
    m_axisX->setRange(0.0, table->baseShearT > 0.0 ? table->baseShearT * 1.1 : 1.0);
    m_axisY->setRange(0.0, top > 0.0 ? top * 1.1 : 1.0);
    // Round steps on both axes (5, 10, 20 t; 2, 5 m).
    m_axisX->applyNiceNumbers();
    m_axisY->applyNiceNumbers();
}

QString TuttiPiani::tableText() const {
    const QString indent(5, QLatin1Char(' '));
    QStringList lines;
    lines << indent + QStringLiteral("AZIONI ORIZZONTALI DI TUTTI I PIANI") << QString();
    const auto caption = [&](const QString& text, const QString& value) {
        lines << indent + text + QLatin1Char(' ') + value;
    };
    caption(QStringLiteral("Grado di Sismicità (S):"), m_zoneText->text());
    caption(QStringLiteral("Coefficiente di Intensità Sismica (C):"), m_intensityText->text());
    caption(QStringLiteral("Periodo Fondamentale della Struttura (T):"),
            m_period->text() + QStringLiteral(" sec"));
    caption(QStringLiteral("Coefficiente di Risposta (R):"), m_response->text());
    caption(QStringLiteral("Coefficiente di Protezione Sismica (I):"), m_protection->text());
    // The report writes beta as ß and epsilon in words, both in the report's code page.
    caption(QStringLiteral("Coefficiente di Struttura (ß):"), m_structure->text());
    caption(QStringLiteral("Coefficiente di Fondazione:"), m_foundation->text());
    lines << QString();
    lines << indent + QStringLiteral("Piano") + right(QStringLiteral("W (tonn)"), 11) +
                 right(QStringLiteral("h (m)"), 9) + right(QStringLiteral("gamma"), 8) +
                 right(QStringLiteral("Kh"), 7) + right(QStringLiteral("F (tonn)"), 11) +
                 right(QStringLiteral("V (tonn)"), 11) + right(QStringLiteral("M (tonn·m)"), 13);
    const int count = m_table->rowCount() - 1;
    for (int r = 0; r <= count; ++r) {
        const auto at = [&](int c) { return m_table->item(r, c)->text(); };
        lines << indent + at(Storey).leftJustified(5) + right(at(Weight), 11) +
                     right(at(Height), 9) + right(at(Distribution), 8) + right(at(Coefficient), 7) +
                     right(at(Force), 11) + right(at(Shear), 11) + right(at(Moment), 13);
    }
    lines << QString() << indent + m_check->text();
    return lines.join(QLatin1Char('\n'));
}

void TuttiPiani::appendToReport() {
    if (!m_result) {
        message(messages::titleSystem, m_message->text());
        return;
    }
    // The comparison with NTC 2018, when it is on and worked out, follows the 1984 table.
    const QString ntc = m_ntc->reportText();
    ctx.shell.appendReportText(ntc.isEmpty() ? tableText()
                                             : tableText() + QStringLiteral("\n\n") + ntc);
    message(
        messages::titleSystem,
        QStringLiteral("La tabella di tutti i piani è stata aggiunta in fondo alla relazione."));
}

namespace {
const QString keptWeights = QStringLiteral("pesi");
const QString keptHeights = QStringLiteral("quote");
// Weights and heights are numbers with a decimal comma: a semicolon parts them.
const QChar keptSeparator = QLatin1Char(';');
} // namespace

QMap<QString, QString> TuttiPiani::keptValues() const {
    QStringList weights, heights;
    for (int r = 0; r + 1 < m_table->rowCount(); ++r) {
        weights << m_table->item(r, Weight)->text();
        heights << m_table->item(r, Height)->text();
    }
    QMap<QString, QString> kept = CalcWindow::keptValues();
    kept.insert(keptWeights, weights.join(keptSeparator));
    kept.insert(keptHeights, heights.join(keptSeparator));
    return kept;
}

QStringList TuttiPiani::ownKeptNames() const {
    return {keptWeights, keptHeights};
}

QString TuttiPiani::refusedKept(const QMap<QString, QString>& kept) const {
    for (const QString& name : ownKeptNames())
        if (kept.value(name).count(keptSeparator) >= storeys::maxStoreys)
            return QStringLiteral("«") + name + QStringLiteral("» ha più di 30 piani");
    // The table keeps a weight and a height for every storey, so both lists are as long.
    if (kept.value(keptWeights).count(keptSeparator) !=
        kept.value(keptHeights).count(keptSeparator))
        return QStringLiteral("«") + keptWeights + QStringLiteral("» e «") + keptHeights +
               QStringLiteral("» non hanno lo stesso numero di piani");
    return CalcWindow::refusedKept(kept);
}

void TuttiPiani::watchSources() {
    watchPeriod(m_period);
}

void TuttiPiani::restoreKept(const QMap<QString, QString>& kept) {
    CalcWindow::restoreKept(kept);
    // Where T1 comes from and k are the building's, put back before the windows.
    m_ntc->fromBuilding();
    m_ntc->syncShown();
    setStoreys(kept.value(keptWeights).split(keptSeparator),
               kept.value(keptHeights).split(keptSeparator));
}

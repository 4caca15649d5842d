#include "windows/ntcgroups.h"

#include "core/numtext.h"
#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/numberedit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

NumberEdit* box(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* b = new NumberEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setNonNegative(true);
    b->setText(text);
    b->setMaximumWidth(80);
    return b;
}

QLabel* result(QWidget* parent, const char* name) {
    auto* l = new ResultLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(60);
    controls::markNumericResult(l);
    return l;
}

// A list whose few short items stand side by side ("A B C D E").
QListWidget* row(QWidget* parent, const char* name, const QStringList& items) {
    QListWidget* l = controls::list(parent, name);
    l->addItems(items);
    l->setFlow(QListView::LeftToRight);
    l->setWrapping(false);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    l->setSpacing(2);
    int width = 2 * l->frameWidth() + 4;
    for (int i = 0; i < l->count(); ++i)
        width += l->sizeHintForColumn(0) + 4;
    l->setFixedSize(width + 8, l->sizeHintForRow(0) + 2 * l->frameWidth() + 8);
    return l;
}

// A list of a few longer items, one a line.
QListWidget* column(QWidget* parent, const char* name, const QStringList& items) {
    QListWidget* l = controls::list(parent, name);
    l->addItems(items);
    l->setFixedHeight(l->sizeHintForRow(0) * l->count() + 2 * l->frameWidth() + 4);
    l->setMinimumWidth(l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8);
    return l;
}

int chosen(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void choose(QListWidget* list, std::optional<int> row) {
    list->clearSelection();
    if (row && *row >= 0 && *row < list->count()) {
        list->setCurrentRow(*row, QItemSelectionModel::NoUpdate);
        list->item(*row)->setSelected(true);
    }
}

std::optional<building::Typed> typedValue(const QString& text) {
    // A text that is no value (being typed, negative, emptied) leaves the building without.
    auto typed = building::typed(text);
    if (typed && typed->value < 0.0)
        typed.reset();
    return typed;
}

} // namespace

NtcSiteGroup::NtcSiteGroup(building::NtcSite& site, QWidget* parent)
    : QGroupBox(QStringLiteral("NTC 2018"), parent), m_site(site) {
    setObjectName(QStringLiteral("ntcGruppo"));
    // Off, the window is the 1984 spectrum alone; a building with a site switches it on.
    m_on = new QCheckBox(QStringLiteral("Spettro delle NTC 2018 per il sito dell'edificio"), this);
    m_on->setObjectName(QStringLiteral("ntcSpettro"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 2, 6, 2);
    outer->addWidget(m_on);
    m_body = new QWidget(this);
    outer->addWidget(m_body);
    m_body->setVisible(false);
    QWidget* const body = m_body;
    m_ag = box(this, "ntcAg");
    m_f0 = box(this, "ntcF0");
    m_tcStar = box(this, "ntcTcStar");
    m_damping = box(this, "ntcXi", QStringLiteral("5"));
    m_q = box(this, "ntcQ", QStringLiteral("1"));
    m_soil = row(this, "ntcSottosuolo",
                 {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                  QStringLiteral("D"), QStringLiteral("E")});
    m_topography = row(
        this, "ntcTopografia",
        {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4")});
    m_s = result(this, "ntcS");
    m_eta = result(this, "ntcEta");
    m_tb = result(this, "ntcTB");
    m_tc = result(this, "ntcTC");
    m_td = result(this, "ntcTD");
    m_ordinate = result(this, "ntcOrdinata");
    m_ordinateCaption = controls::label(this, "ntcOrdinataDescrizione",
                                        QStringLiteral("Accelerazione spettrale (Se/g):"));
    m_message = controls::label(this, "ntcMessaggio");
    m_message->setWordWrap(true);

    // Three pairs of caption and value a line: the site, the categories and the damping, q
    // with S and eta, the corners of the spectrum.
    auto* g = new QGridLayout(body);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(4);
    const auto add = [&](int r, int c, const char* name, const QString& caption, QWidget* value,
                         const QString& unit = QString()) {
        g->addWidget(controls::label(this, name, caption), r, 2 * c);
        if (unit.isEmpty()) {
            g->addWidget(value, r, 2 * c + 1, Qt::AlignLeft);
            return;
        }
        auto* cell = new QHBoxLayout;
        cell->setSpacing(4);
        cell->addWidget(value);
        cell->addWidget(new QLabel(unit, this));
        cell->addStretch();
        g->addLayout(cell, r, 2 * c + 1);
    };
    add(0, 0, "ntcAgDescrizione", QStringLiteral("ag:"), m_ag, QStringLiteral("g"));
    add(0, 1, "ntcF0Descrizione", QStringLiteral("F0:"), m_f0);
    add(0, 2, "ntcTcStarDescrizione", QStringLiteral("Tc*:"), m_tcStar, QStringLiteral("sec"));
    add(1, 0, "ntcSottosuoloDescrizione", QStringLiteral("Sottosuolo:"), m_soil);
    add(1, 1, "ntcTopografiaDescrizione", QStringLiteral("Topografia:"), m_topography);
    add(1, 2, "ntcXiDescrizione", QStringLiteral("ξ:"), m_damping, QStringLiteral("%"));
    add(2, 0, "ntcQDescrizione", QStringLiteral("Fattore q:"), m_q);
    add(2, 1, "ntcSDescrizione", QStringLiteral("S:"), m_s);
    add(2, 2, "ntcEtaDescrizione", QStringLiteral("η:"), m_eta);
    add(3, 0, "ntcTBDescrizione", QStringLiteral("TB (sec):"), m_tb);
    add(3, 1, "ntcTCDescrizione", QStringLiteral("TC (sec):"), m_tc);
    add(3, 2, "ntcTDDescrizione", QStringLiteral("TD (sec):"), m_td);
    // The ordinate at T, and on the same line why there is none.
    auto* ordinateRow = new QHBoxLayout;
    ordinateRow->addWidget(m_ordinateCaption);
    ordinateRow->addWidget(m_ordinate);
    ordinateRow->addWidget(m_message, 1);
    g->addLayout(ordinateRow, 4, 0, 1, 6);
    g->setColumnStretch(5, 1);

    connect(m_on, &QCheckBox::toggled, this, [this](bool on) {
        m_body->setVisible(on);
        emit changed();
    });
    for (NumberEdit* b : {m_ag, m_f0, m_tcStar, m_damping, m_q})
        connect(b, &QLineEdit::textChanged, this, &NtcSiteGroup::keep);
    for (QListWidget* l : {m_soil, m_topography})
        connect(l, &QListWidget::itemSelectionChanged, this, &NtcSiteGroup::keep);
}

building::NtcSite NtcSiteGroup::shown() const {
    // The choices made in "Tutti i piani" stay as they are.
    building::NtcSite site = m_site;
    site.ag = typedValue(m_ag->text());
    site.f0 = typedValue(m_f0->text());
    site.tcStar = typedValue(m_tcStar->text());
    site.damping = typedValue(m_damping->text());
    site.q = typedValue(m_q->text());
    const int soil = chosen(m_soil), topography = chosen(m_topography);
    site.soil = soil >= 0 ? std::optional<int>(soil) : std::nullopt;
    site.topography = topography >= 0 ? std::optional<int>(topography) : std::nullopt;
    return site;
}

void NtcSiteGroup::keep() {
    if (m_filling)
        return;
    m_site = shown();
    emit changed();
}

void NtcSiteGroup::fromBuilding(bool switchOn) {
    if (m_site.isEmpty())
        return;
    m_filling = true;
    const auto fill = [](NumberEdit* b, const std::optional<building::Typed>& value) {
        if (value)
            b->setText(value->text);
    };
    fill(m_ag, m_site.ag);
    fill(m_f0, m_site.f0);
    fill(m_tcStar, m_site.tcStar);
    fill(m_damping, m_site.damping);
    fill(m_q, m_site.q);
    choose(m_soil, m_site.soil);
    choose(m_topography, m_site.topography);
    m_filling = false;
    if (switchOn)
        m_on->setChecked(true);
    emit changed();
}

void NtcSiteGroup::syncShown() {
    m_body->setVisible(m_on->isChecked());
}

std::optional<ntc2018::Site> NtcSiteGroup::refresh() {
    for (QLabel* l : {m_s, m_eta, m_tb, m_tc, m_td, m_ordinate, m_message})
        l->clear();
    if (!m_on->isChecked())
        return std::nullopt;
    bool marked = false;
    for (NumberEdit* b : {m_ag, m_f0, m_tcStar, m_damping, m_q})
        marked = marked || !b->isAcceptable();
    if (marked) {
        m_message->setText(QStringLiteral("Correggere i valori segnati in rosso."));
        return std::nullopt;
    }
    // From the controls, as the user sees them.
    const ntc2018::SiteReading reading = ntc2018::siteOf(shown());
    m_message->setText(reading.reason);
    if (!reading.site)
        return std::nullopt;
    const ntc2018::Parameters p = ntc2018::parameters(*reading.site);
    m_s->setText(ntc2018::format3(p.s));
    m_eta->setText(
        ntc2018::format3(ntc2018::isElastic(*reading.site) ? p.eta : 1.0 / reading.site->q));
    m_tb->setText(ntc2018::format3(p.tb));
    m_tc->setText(ntc2018::format3(p.tc));
    m_td->setText(ntc2018::format3(p.td));
    return reading.site;
}

void NtcSiteGroup::showOrdinate(const QString& caption, const QString& value) {
    m_ordinateCaption->setText(caption);
    m_ordinate->setText(value);
}

NtcStaticGroup::NtcStaticGroup(building::NtcSite& site, QWidget* parent)
    : QWidget(parent), m_site(site) {
    setObjectName(QStringLiteral("ntcConfrontoGruppo"));
    m_on = new QCheckBox(QStringLiteral("Confronto con le NTC 2018"), this);
    m_on->setObjectName(QStringLiteral("ntcConfronto"));
    m_body = new QWidget(this);
    m_source = column(m_body, "ntcPeriodo",
                      {QStringLiteral("T del D.M. 1984"), QStringLiteral("acciaio: 0,085·H^(3/4)"),
                       QStringLiteral("cemento armato: 0,075·H^(3/4)"),
                       QStringLiteral("altre strutture: 0,050·H^(3/4)")});
    choose(m_source, 0);
    m_basis = column(
        m_body, "ntcFattore",
        {QStringLiteral("k = 1 (tensioni ammissibili)"), QStringLiteral("k = 1,5 (stati limite)")});
    choose(m_basis, 0);
    m_t1 = result(m_body, "ntcT1");
    m_sd = result(m_body, "ntcSd");
    m_lambda = result(m_body, "ntcLambda");
    m_fh = result(m_body, "ntcFh");
    m_note = controls::label(m_body, "ntcNota");
    m_note->setWordWrap(true);

    m_table = new QTableWidget(0, 4, m_body);
    m_table->setObjectName(QStringLiteral("TabellaNTC"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("F NTC (t)"), QStringLiteral("V NTC (t)"),
                                        QStringLiteral("k·V 1984 (t)"),
                                        QStringLiteral("V NTC / k·V 1984")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              3 * (m_table->fontMetrics().height() + 8));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_on);
    outer->addWidget(m_body);
    auto* g = new QGridLayout(m_body);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(4);
    // The two choices side by side, what they give under the second, then the storeys.
    g->addWidget(controls::label(m_body, "ntcPeriodoDescrizione", QStringLiteral("Periodo T1:")), 0,
                 0);
    g->addWidget(m_source, 1, 0, 2, 1, Qt::AlignTop);
    g->addWidget(controls::label(m_body, "ntcFattoreDescrizione",
                                 QStringLiteral("Forze del D.M. 1984 per k:")),
                 0, 1);
    g->addWidget(m_basis, 1, 1, Qt::AlignTop);
    auto* results = new QGridLayout;
    results->setVerticalSpacing(2);
    const auto add = [&](int r, int c, QLabel* caption, QLabel* value) {
        results->addWidget(caption, r, 2 * c);
        results->addWidget(value, r, 2 * c + 1);
    };
    m_sdCaption = controls::label(m_body, "ntcSdDescrizione", QStringLiteral("Sd(T1)/g:"));
    add(0, 0, controls::label(m_body, "ntcT1Descrizione", QStringLiteral("T1 (sec):")), m_t1);
    add(0, 1, m_sdCaption, m_sd);
    add(1, 0, controls::label(m_body, "ntcLambdaDescrizione", QStringLiteral("λ:")), m_lambda);
    add(1, 1, controls::label(m_body, "ntcFhDescrizione", QStringLiteral("Fh (t):")), m_fh);
    results->setColumnStretch(4, 1);
    g->addLayout(results, 2, 1, Qt::AlignTop);
    g->addWidget(m_table, 3, 0, 1, 2);
    m_note->setMinimumHeight(2 * m_note->fontMetrics().lineSpacing());
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(m_note, 4, 0, 1, 2);
    g->setColumnStretch(1, 1);

    connect(m_on, &QCheckBox::toggled, this, [this] {
        syncShown();
        emit changed();
    });
    connect(m_source, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = chosen(m_source);
        m_site.periodSource = row >= 0 ? std::optional<int>(row) : std::nullopt;
        emit changed();
    });
    connect(m_basis, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = chosen(m_basis);
        m_site.basis = row >= 0 ? std::optional<int>(row) : std::nullopt;
        emit changed();
    });
    syncShown();
}

void NtcStaticGroup::fromBuilding() {
    if (m_site.periodSource)
        choose(m_source, m_site.periodSource);
    if (m_site.basis)
        choose(m_basis, m_site.basis);
}

bool NtcStaticGroup::isOn() const {
    return m_on->isChecked();
}

void NtcStaticGroup::syncShown() {
    m_body->setVisible(m_on->isChecked());
}

void NtcStaticGroup::clearResults(const QString& reason) {
    m_report.clear();
    for (QLabel* l : {m_t1, m_sd, m_lambda, m_fh})
        l->clear();
    m_table->setRowCount(0);
    m_note->setText(reason);
}

std::optional<ntc2018::StaticForces>
NtcStaticGroup::refresh(const building::NtcSite& given,
                        const std::vector<storeys::Storey>* building,
                        const storeys::Table* table1984, std::optional<double> period1984) {
    if (!isOn()) {
        clearResults(QString());
        return std::nullopt;
    }
    const ntc2018::ComparisonReading reading = ntc2018::compare(
        given, building ? *building : std::vector<storeys::Storey>(), table1984, period1984);
    if (!reading.comparison) {
        clearResults(reading.reason);
        return std::nullopt;
    }
    const ntc2018::Comparison& comparison = *reading.comparison;
    const ntc2018::StaticForces& forces = comparison.forces;
    const ntc2018::Site& site = comparison.site;
    m_t1->setText(ntc2018::format3(forces.t1S));
    m_sdCaption->setText(ntc2018::isElastic(site) ? QStringLiteral("Se(T1)/g:")
                                                  : QStringLiteral("Sd(T1)/g:"));
    m_sd->setText(ntc2018::format3(forces.sd));
    m_lambda->setText(ntc2018::format3(forces.lambda));
    m_fh->setText(numtext::formatRounded(forces.baseShearT));
    const int count = int(forces.rows.size());
    m_table->setRowCount(count);
    QStringList storeyNames;
    const double k = ntc2018::factor(comparison.basis);
    for (int r = 0; r < count; ++r) {
        const ntc2018::StoreyForce& f = forces.rows[r];
        const QString values[] = {ntc2018::fixed2(f.forceT), ntc2018::fixed2(f.shearT),
                                  ntc2018::fixed2(k * table1984->rows[r].shearT),
                                  std::isfinite(f.ratio) ? ntc2018::fixed2(f.ratio)
                                                         : QStringLiteral("-")};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(values[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
        storeyNames << QString::number(r + 1) + QStringLiteral("°");
    }
    m_table->setVerticalHeaderLabels(storeyNames);
    const ntc2018::Parameters p = ntc2018::parameters(site);
    QStringList notes;
    if (forces.beyondTc)
        notes << QStringLiteral("T1 supera 2,5·TC = ") + ntc2018::format3(2.5 * p.tc) +
                     QStringLiteral(" sec");
    if (forces.beyondTd)
        notes << QStringLiteral("T1 supera TD = ") + ntc2018::format3(p.td) +
                     QStringLiteral(" sec");
    m_note->setText(notes.isEmpty()
                        ? QString()
                        : QStringLiteral("Attenzione: ") + notes.join(QStringLiteral(" e ")) +
                              QStringLiteral(": l'analisi statica lineare non è applicabile "
                                             "(NTC 2018, §7.3.3.2)."));
    m_report =
        ntc2018::comparisonText(site, forces, comparison.source, comparison.basis, *table1984);
    return comparison.forces;
}

QString NtcStaticGroup::reportText() const {
    return m_report;
}

#include "windows/datiedificio.h"

#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/controls.h"
#include "shell/help.h"
#include "shell/numberedit.h"
#include "shell/prompts.h"
#include "shell/routes.h"
#include "windows/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QColor markColour(255, 205, 205);
// A W that the table works out rather than one typed.
constexpr int computedRole = Qt::UserRole + 1;

const char* const columnCaptions[] = {"G (t)", "Q (t)", "s", "h (m)", "W (t)"};

struct ProjectField {
    const char* name;
    const char* labelName;
    const char* caption;
    QString building::Project::*member;
};
const ProjectField projectFields[] = {
    {"txtTitolo", "lblTitolo", "Titolo del lavoro", &building::Project::titolo},
    {"txtCommittente", "lblCommittente", "Committente", &building::Project::committente},
    {"txtLocalita", "lblLocalita", "Località", &building::Project::localita},
    {"txtProgettista", "lblProgettista", "Progettista", &building::Project::progettista},
    {"txtOrdine", "lblOrdine", "Iscrizione all'Ordine", &building::Project::ordine},
    {"txtData", "lblData", "Data", &building::Project::data},
    {"txtRevisione", "lblRevisione", "Revisione", &building::Project::revisione},
};

QString storeyName(int row) {
    return QString::number(row + 1) + QStringLiteral("°");
}

QString cellPlace(int row, int column) {
    return storeyName(row) + QStringLiteral(" piano, colonna ") +
           QString::fromUtf8(columnCaptions[column]);
}

QString tooManyStoreys() {
    return QStringLiteral("Un edificio può avere al massimo %1 piani.").arg(building::maxStoreys);
}

// Cells are typed as the program's other boxes are: Italian notation, the keypad's decimal
// key giving a comma, a text that is not a number or a negative one marked while typed.
class NumberDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* edit = new NumberEdit(parent);
        edit->setNonNegative(true);
        edit->setFrame(false);
        return edit;
    }
};

} // namespace

DatiEdificio::DatiEdificio(AppContext& context, QWidget* parent)
    : ShellWindow(context, parent, QStringLiteral("Dati dell'edificio"),
                  panels::buildingParameters) {
    auto* project = new QGridLayout;
    project->setHorizontalSpacing(8);
    for (int i = 0; i < 7; ++i) {
        const QString caption = QString::fromUtf8(projectFields[i].caption);
        QLabel* label = controls::label(this, projectFields[i].labelName, caption);
        m_project[i] = new QLineEdit(this);
        m_project[i]->setObjectName(QString::fromLatin1(projectFields[i].name));
        m_project[i]->setAccessibleName(caption);
        label->setBuddy(m_project[i]);
        // The title on a line of its own, the other fields two to a line.
        const int row = i == 0 ? 0 : (i + 1) / 2;
        const int column = i == 0 ? 0 : 2 * ((i + 1) % 2);
        project->addWidget(label, row, column);
        project->addWidget(m_project[i], row, column + 1, 1, i == 0 ? 3 : 1);
    }
    project->setColumnStretch(1, 1);
    project->setColumnStretch(3, 1);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("Tabella"));
    m_table->setAccessibleName(QStringLiteral("Piani dell'edificio"));
    QStringList captions;
    for (const char* c : columnCaptions)
        captions << QString::fromUtf8(c);
    m_table->setHorizontalHeaderLabels(captions);
    m_table->setItemDelegate(new NumberDelegate(m_table));
    // Tab leaves the table for the buttons; the arrows go from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFontMetrics metrics = m_table->fontMetrics();
    QHeaderView* header = m_table->horizontalHeader();
    header->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("00000,00")) + 16);
    header->setStretchLastSection(true);
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    m_table->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("30°")) +
                                               12);
    m_table->setMinimumSize(m_table->verticalHeader()->minimumWidth() + header->length() +
                                2 * m_table->frameWidth() +
                                m_table->verticalScrollBar()->sizeHint().width(),
                            header->sizeHint().height() + 6 * (metrics.height() + 8));

    QPushButton* add = button("cmdAggiungiPiano", QStringLiteral("Aggiungi piano"));
    QPushButton* remove = button("cmdRimuoviPiano", QStringLiteral("Rimuovi piano"));
    m_removeButton = remove;
    QPushButton* pasteButton = button("cmdIncolla", QStringLiteral("Incolla righe"));
    pasteButton->setToolTip(QStringLiteral("Incolla dalla cella scelta le righe copiate da un "
                                           "foglio di calcolo (Ctrl+V)"));
    m_message = label("Messaggio");
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMinimumHeight(2 * m_message->fontMetrics().lineSpacing());
    QPushButton* help = button("cmdGuida", QStringLiteral("?"));
    QPushButton* ok = button("cmdOK", QStringLiteral("OK"));
    QPushButton* cancel = button("cmdAnnulla", QStringLiteral("Annulla"));

    auto* body = new QVBoxLayout(this);
    body->setSizeConstraint(QLayout::SetFixedSize);
    body->addLayout(project);
    body->addWidget(m_table);
    auto* storeyButtons = new QHBoxLayout;
    storeyButtons->addWidget(add);
    storeyButtons->addWidget(remove);
    storeyButtons->addWidget(pasteButton);
    storeyButtons->addStretch();
    body->addLayout(storeyButtons);
    body->addWidget(m_message);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    body->addLayout(buttons);

    connect(m_table, &QTableWidget::itemChanged, this, &DatiEdificio::cellChanged);
    connect(add, &QPushButton::clicked, this, &DatiEdificio::addStorey);
    connect(remove, &QPushButton::clicked, this, &DatiEdificio::removeStorey);
    connect(pasteButton, &QPushButton::clicked, this, &DatiEdificio::pasteClipboard);
    connect(help, &QPushButton::clicked, this, &DatiEdificio::showHelp);
    connect(ok, &QPushButton::clicked, this, &DatiEdificio::accept);
    connect(cancel, &QPushButton::clicked, this, &DatiEdificio::reject);
    // Ctrl+V and Delete in the table, when no cell is being edited (a cell's own box takes
    // them for its text).
    m_table->installEventFilter(this);
}

bool DatiEdificio::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            pasteClipboard();
            return true;
        }
        // An emptied W is worked out again.
        if (key->matches(QKeySequence::Delete) && m_table->currentItem()) {
            m_table->currentItem()->setText(QString());
            return true;
        }
    }
    return ShellWindow::eventFilter(watched, event);
}

void DatiEdificio::loadSteps() {
    setBuilding(ctx.shared.edificio);
}

void DatiEdificio::showHelp() {
    ctx.help.showTopic(this, helptopics::buildingData, helptopics::buildingDataContext);
}

void DatiEdificio::setBuilding(const building::Building& b) {
    for (int i = 0; i < 7; ++i)
        m_project[i]->setText(b.project.*projectFields[i].member);
    const int count = std::clamp(int(b.storeys.size()), 1, building::maxStoreys);
    setRowCount(count);
    m_filling = true;
    for (int r = 0; r < count && r < int(b.storeys.size()); ++r) {
        const building::Storey& s = b.storeys[size_t(r)];
        const std::optional<building::Typed>* cells[] = {&s.g, &s.q, &s.s, &s.h, &s.weight};
        for (int c = 0; c < ColumnCount; ++c)
            m_table->item(r, c)->setText(*cells[c] ? (*cells[c])->text : QString());
        m_table->item(r, W)->setData(computedRole, !s.weight);
    }
    m_filling = false;
    for (int r = 0; r < count; ++r)
        refreshRow(r);
    showFirstRefusal();
}

void DatiEdificio::setRowCount(int count) {
    m_filling = true;
    for (int r = m_table->rowCount(); r < count; ++r) {
        m_table->insertRow(r);
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == W)
                item->setData(computedRole, true);
            m_table->setItem(r, c, item);
        }
    }
    while (m_table->rowCount() > count)
        m_table->removeRow(m_table->rowCount() - 1);
    relabelRows();
    m_filling = false;
}

void DatiEdificio::relabelRows() {
    QStringList names;
    for (int r = 0; r < m_table->rowCount(); ++r)
        names << storeyName(r);
    m_table->setVerticalHeaderLabels(names);
    m_removeButton->setEnabled(m_table->rowCount() > 1);
}

void DatiEdificio::addStorey() {
    const int count = m_table->rowCount();
    if (count >= building::maxStoreys) {
        ctx.prompts.message(this, messages::titleSystem, tooManyStoreys());
        return;
    }
    // A new storey goes on top of the building.
    setRowCount(count + 1);
    m_table->setCurrentCell(count, G);
}

void DatiEdificio::removeStorey() {
    const int count = m_table->rowCount();
    if (count <= 1)
        return;
    // The storey chosen in the table, else the top one.
    const int row = m_table->currentRow();
    m_table->removeRow(row >= 0 && row < count ? row : count - 1);
    relabelRows();
    // The storeys above move down one: their messages name them anew.
    for (int r = 0; r < m_table->rowCount(); ++r)
        refreshRow(r);
    showFirstRefusal();
}

void DatiEdificio::pasteClipboard() {
    paste(QApplication::clipboard()->text());
}

void DatiEdificio::paste(const QString& clipboard) {
    const int row = std::max(0, m_table->currentRow());
    const int column = std::max(0, m_table->currentColumn());
    const building::Pasted pasted = building::pasteRows(clipboard, column);
    const int lines = int(pasted.storeys.size());
    if (lines == 0)
        return;
    const int fit = std::min(lines, building::maxStoreys - row);
    if (row + fit > m_table->rowCount())
        setRowCount(row + fit);
    m_filling = true;
    for (int i = 0; i < fit; ++i) {
        const building::Storey& s = pasted.storeys[size_t(i)];
        const std::optional<building::Typed>* cells[] = {&s.g, &s.q, &s.s, &s.h, &s.weight};
        for (int c = column; c < column + pasted.spans[size_t(i)]; ++c) {
            const QString text = *cells[c] ? (*cells[c])->text : QString();
            m_table->item(row + i, c)->setText(text);
            if (c == W)
                m_table->item(row + i, W)->setData(computedRole, text.isEmpty());
        }
    }
    // A refused cell stays in place, marked, as it was copied; a negative number is shown in
    // the program's notation, so that its mark tells the real reason.
    for (const building::PastedCell& cell : pasted.refused) {
        if (cell.row >= fit)
            continue;
        const auto value = building::spreadsheetNumber(cell.text);
        QTableWidgetItem* item = m_table->item(row + cell.row, cell.column);
        item->setText(value ? numtext::format(*value) : cell.text);
        if (cell.column == W)
            item->setData(computedRole, false);
    }
    m_filling = false;
    for (int i = 0; i < fit; ++i)
        refreshRow(row + i);
    showFirstRefusal();
    if (fit < lines)
        ctx.prompts.message(this, messages::titleSystem,
                            QStringLiteral("Sono state incollate le righe fino al %1° piano. ")
                                    .arg(building::maxStoreys) +
                                tooManyStoreys());
}

void DatiEdificio::cellChanged(QTableWidgetItem* item) {
    if (m_filling)
        return;
    // A W typed is kept; a W emptied is worked out again from G, s and Q.
    if (item->column() == W) {
        m_filling = true;
        item->setData(computedRole, item->text().trimmed().isEmpty());
        m_filling = false;
    }
    refreshRow(item->row());
    showFirstRefusal();
}

bool DatiEdificio::isWeightComputed(int row) const {
    return m_table->item(row, W)->data(computedRole).toBool();
}

building::Storey DatiEdificio::storeyAt(int row) const {
    building::Storey s;
    std::optional<building::Typed>* cells[] = {&s.g, &s.q, &s.s, &s.h, &s.weight};
    for (int c = 0; c < ColumnCount; ++c) {
        if (c == W && isWeightComputed(row))
            continue;
        const QString text = m_table->item(row, c)->text().trimmed();
        if (!text.isEmpty())
            *cells[c] = building::typed(text);
    }
    return s;
}

QString DatiEdificio::refusal(int row, int column) const {
    const QString text = m_table->item(row, column)->text().trimmed();
    if (column == W && isWeightComputed(row)) {
        const auto w = storeyAt(row).w();
        if (w && !std::isfinite(*w))
            return cellPlace(row, column) +
                   QStringLiteral(": G + s · Q supera il massimo valore rappresentabile.");
        return QString();
    }
    if (text.isEmpty())
        return QString();
    const auto value = numtext::parse(text);
    if (!value)
        return cellPlace(row, column) + QStringLiteral(": \"") + text +
               QStringLiteral("\" non è un numero (i decimali vanno dopo la virgola, per "
                              "esempio 0,35).");
    if (*value < 0.0)
        return cellPlace(row, column) + QStringLiteral(": il valore non può essere negativo.");
    return QString();
}

void DatiEdificio::refreshRow(int row) {
    m_filling = true;
    QTableWidgetItem* weight = m_table->item(row, W);
    if (isWeightComputed(row)) {
        // W = G + s * Q from the three as typed, when all of them are acceptable numbers.
        bool acceptable = true;
        for (int c : {G, Q, S})
            acceptable = acceptable && refusal(row, c).isEmpty();
        const auto w = storeyAt(row).w();
        weight->setText(acceptable && w && std::isfinite(*w) ? numtext::formatRounded(*w)
                                                             : QString());
        weight->setForeground(palette().color(QPalette::PlaceholderText));
    } else {
        weight->setData(Qt::ForegroundRole, QVariant());
    }
    QFont font = m_table->font();
    font.setItalic(isWeightComputed(row));
    weight->setFont(font);
    for (int c = 0; c < ColumnCount; ++c) {
        QTableWidgetItem* item = m_table->item(row, c);
        const QString reason = refusal(row, c);
        item->setBackground(reason.isEmpty() ? QBrush() : QBrush(markColour));
        item->setToolTip(!reason.isEmpty() ? reason
                         : c == W && isWeightComputed(row)
                             ? QStringLiteral("Calcolato: W = G + s · Q (scrivere un valore "
                                              "per sostituirlo)")
                             : QString());
    }
    m_filling = false;
}

std::pair<QString, int> DatiEdificio::refusals() const {
    QString first;
    int count = 0;
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = 0; c < ColumnCount; ++c) {
            const QString reason = refusal(r, c);
            if (reason.isEmpty())
                continue;
            if (count++ == 0)
                first = reason;
        }
    return {first, count};
}

void DatiEdificio::showFirstRefusal() {
    const auto [first, count] = refusals();
    if (count > 1)
        m_message->setText(first +
                           QStringLiteral(" Celle segnate in rosso da correggere: %1.").arg(count));
    else
        m_message->setText(first);
}

void DatiEdificio::accept() {
    const QString refused = refusals().first;
    if (!refused.isEmpty()) {
        ctx.prompts.message(this, messages::titleSystem, refused);
        return;
    }
    building::Building b;
    // The seismic data and the period's H and B are entered in the calculation windows, not
    // here.
    b.sismica = ctx.shared.edificio.sismica;
    b.periodo = ctx.shared.edificio.periodo;
    for (int i = 0; i < 7; ++i)
        b.project.*projectFields[i].member = m_project[i]->text().trimmed();
    for (int r = 0; r < m_table->rowCount(); ++r)
        b.storeys.push_back(storeyAt(r));
    // Storeys left empty on top of the building are no storeys.
    while (!b.storeys.empty() && b.storeys.back() == building::Storey())
        b.storeys.pop_back();
    ctx.shared.edificio = b;
    unloadWindow();
}

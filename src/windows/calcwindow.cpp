#include "windows/calcwindow.h"

#include "core/fields.h"

#include "core/buildingdata.h"
#include "core/coefficients.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/help.h"
#include "shell/numberedit.h"
#include "shell/prompts.h"
#include "shell/shell.h"
#include "shell/wrappedoption.h"
#include "windows/chartexport.h"
#include "windows/messages.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

CalcWindow::CalcWindow(AppContext& context, QWidget* parent, const Setup& setup)
    : BaseWindow(context, parent, setup.title, setup.areaPanel), m_setup(setup) {
    m_body = new QVBoxLayout(this);
    m_body->setSizeConstraint(QLayout::SetFixedSize);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(12);
    m_grid->setColumnMinimumWidth(1, 140);
    m_body->addLayout(m_grid);
}

void CalcWindow::loadSteps() {
    // The help service finds its collection itself, so loading is the window's own steps.
    load();
    // Then the seismic data the building already has, chosen as if picked here: the bound
    // labels fill and the results that depend on them stay empty until computed.
    for (const auto& choose : m_fromBuilding)
        choose();
}

QLabel* CalcWindow::label(const char* name, const QString& caption, int style) {
    QLabel* l = style & Bordered ? new ResultLabel(this) : new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    if (style & Bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    if (style & Bordered) {
        // A value the window works out or looks up sits in a sunken box as tall as a text
        // box, so results look alike in every window and an empty one still shows where
        // the value will go. It can be selected and copied; screen readers read it as a
        // value under the caption of its row.
        l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        l->setMinimumWidth(80);
        static const int textBoxHeight = QLineEdit().sizeHint().height();
        l->setMinimumHeight(textBoxHeight);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    if (style & Centred)
        l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* CalcWindow::result(const char* name) {
    QLabel* l = textResult(name);
    controls::markNumericResult(l);
    return l;
}

QLabel* CalcWindow::textResult(const char* name) {
    return label(name, QString(), Bordered | Centred);
}

QLabel* CalcWindow::hiddenLabel(const char* name, const QString& caption) {
    QLabel* l = label(name, caption);
    l->setVisible(false);
    return l;
}

NumberEdit* CalcWindow::textBox(const char* name) {
    auto* t = new NumberEdit(this);
    t->setObjectName(QString::fromLatin1(name));
    t->setMinimumWidth(120);
    return t;
}

NumberEdit* CalcWindow::quantityBox(const char* name) {
    NumberEdit* t = textBox(name);
    t->setNonNegative(true);
    return t;
}

QLabel* CalcWindow::unitLabel(QWidget* value, const QString& unit) {
    auto* u = new QLabel(unit, this);
    u->setObjectName(value->objectName() + QStringLiteral("_unita"));
    QFont f = u->font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * 0.9);
    u->setFont(f);
    return u;
}

QWidget* CalcWindow::withUnit(QWidget* value, const QString& unit) {
    auto* cell = new QWidget(this);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    value->setParent(cell);
    row->addWidget(value);
    QLabel* u = unitLabel(value, unit);
    u->setParent(cell);
    row->addWidget(u);
    row->addStretch();
    return cell;
}

QListWidget* CalcWindow::listBox(const char* name, const QStringList& items) {
    QListWidget* l = controls::list(this, name);
    l->addItems(items);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setCurrentRow(-1);
    const int rows = qMax(1, items.size());
    l->setFixedHeight(l->sizeHintForRow(0) * rows + 2 * l->frameWidth() + 4);
    l->setMinimumWidth(qMax(120, l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8));
    return l;
}

QPlainTextEdit* CalcWindow::printSurface(const QString& accessibleName, int minimumWidth) {
    auto* surface = new QPlainTextEdit(this);
    surface->setObjectName(QStringLiteral("Stampa"));
    surface->setAccessibleName(accessibleName);
    surface->setReadOnly(true);
    surface->setLineWrapMode(QPlainTextEdit::NoWrap);
    surface->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    surface->setFocusPolicy(Qt::NoFocus);
    surface->setMinimumSize(minimumWidth, 300);
    m_grid->addWidget(surface, 0, 0, 1, 2);
    return surface;
}

QRadioButton* CalcWindow::option(const char* name, const QString& caption, int wrapWidth) {
    QRadioButton* o = wrapWidth > 0 ? new WrappedOption(caption, wrapWidth, this)
                                    : new QRadioButton(caption, this);
    o->setObjectName(QString::fromLatin1(name));
    return o;
}

void CalcWindow::addRow(QWidget* caption, QWidget* value) {
    const int row = m_grid->rowCount();
    if (caption)
        m_grid->addWidget(caption, row, 0);
    if (value)
        m_grid->addWidget(value, row, 1);
}

void CalcWindow::addButtons(std::initializer_list<QPushButton*> buttons) {
    addButtonRow(std::vector<QPushButton*>(buttons));
}

void CalcWindow::addButtonRow(const std::vector<QPushButton*>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    m_body->addSpacing(8);
    m_body->addLayout(row);
}

void CalcWindow::addDiagramButtons(std::initializer_list<QPushButton*> own, QWidget* diagram,
                                   const char* exportName, QSize openingSize) {
    QPushButton* exportImage = button("cmdEsporta", QStringLiteral("Esporta immagine...."));
    QPushButton* close = button("cmdChiudi", QStringLiteral("Chiudi"));
    QPushButton* help = button("cmdAiuto", QStringLiteral("?"));
    std::vector<QPushButton*> buttons(own);
    buttons.insert(buttons.end(), {exportImage, close, help});
    addButtonRow(buttons);
    m_body->setSizeConstraint(QLayout::SetMinimumSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    resize(openingSize);

    connect(exportImage, &QPushButton::clicked, this,
            [this, diagram, exportName] { exportChart(this, ctx.prompts, diagram, exportName); });
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        statusReset();
    });
    connect(help, &QPushButton::clicked, this, &CalcWindow::showHelp);
}

void CalcWindow::computeOnEnter(QPushButton* compute, std::initializer_list<QWidget*> inputs) {
    for (QWidget* w : inputs)
        if (auto* box = qobject_cast<QLineEdit*>(w))
            connect(box, &QLineEdit::returnPressed, compute, &QPushButton::click);
}

void CalcWindow::addFieldButtons(const ButtonNames& names, std::initializer_list<QWidget*> inputs,
                                 std::function<void()> compute, std::function<void()> send) {
    QPushButton* computeButton = button(names.compute, QStringLiteral("Elabora Dati"));
    QPushButton* sendButton = button(names.send, QStringLiteral("Invia Dati"));
    QPushButton* cancelButton = button(names.cancel, QStringLiteral("Annulla"));
    QPushButton* helpButton = button(names.help, QStringLiteral("?"));
    addButtons({computeButton, sendButton, cancelButton, helpButton});

    computeOnEnter(computeButton, inputs);

    connect(computeButton, &QPushButton::clicked, this, std::move(compute));
    connect(sendButton, &QPushButton::clicked, this, std::move(send));
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(helpButton, &QPushButton::clicked, this, &CalcWindow::showHelp);
}

QString CalcWindow::textOf(const QWidget* control) {
    return controls::text(control);
}

bool CalcWindow::isEmpty(const QWidget* control) {
    return textOf(control).isEmpty();
}

std::optional<double> CalcWindow::number(const QWidget* control) {
    if (const auto* box = qobject_cast<const NumberEdit*>(control); box && !box->isAcceptable())
        return std::nullopt;
    return numtext::parse(textOf(control));
}

std::optional<std::vector<double>>
CalcWindow::numbers(std::initializer_list<const QWidget*> controls) {
    std::vector<double> values;
    values.reserve(controls.size());
    for (const QWidget* c : controls) {
        const auto value = number(c);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

bool CalcWindow::showResult(QLabel* label, double value) {
    if (!std::isfinite(value))
        return false;
    label->setText(numtext::formatRounded(value));
    return true;
}

void CalcWindow::message(const QString& title, const QString& text) {
    ctx.prompts.message(this, title, text);
}

bool CalcWindow::requireFilled(std::initializer_list<const QWidget*> controls) {
    for (const QWidget* c : controls) {
        if (isEmpty(c)) {
            message(messages::titleSystem, messages::fillAll);
            return false;
        }
    }
    return true;
}

void CalcWindow::sendData(std::initializer_list<const QWidget*> validated, const QWidget* result,
                          const QString& title, const QString& text, ResetAfter reset) {
    const bool everyOutcome = reset == ResetAfter::EveryOutcome;
    if (!requireFilled(validated)) {
        if (everyOutcome)
            statusReset();
        return;
    }
    if (isEmpty(result)) {
        message(messages::titleSystem, messages::pressCompute);
        if (everyOutcome)
            statusReset();
        return;
    }
    ctx.prompts.inform(this, title, text);
    handedOn();
}

void CalcWindow::handedOn() {
    hide();
    statusReset();
    ctx.shell.focusReport();
}

void CalcWindow::clearWhenChanged(std::initializer_list<QWidget*> inputs,
                                  std::initializer_list<QLabel*> results) {
    const std::vector<QLabel*> targets(results);
    const auto clear = [targets] {
        for (QLabel* result : targets)
            result->clear();
    };
    for (QWidget* input : inputs) {
        if (auto* box = qobject_cast<QLineEdit*>(input))
            connect(box, &QLineEdit::textChanged, this, clear);
        else if (auto* list = qobject_cast<QListWidget*>(input))
            connect(list, &QListWidget::itemSelectionChanged, this, clear);
        else if (auto* button = qobject_cast<QAbstractButton*>(input))
            connect(button, &QAbstractButton::toggled, this, clear);
    }
}

void CalcWindow::takeValue(QLineEdit* box, const QString& text, const QString& name,
                           std::function<QString()> source) {
    box->setText(text);
    m_taken.push_back({box, name, std::move(source), text});
}

void CalcWindow::watchValue(QLineEdit* box, const QString& name, std::function<QString()> source) {
    m_taken.push_back({box, name, std::move(source), box->text()});
}

namespace {
const QString copyPrefix = QStringLiteral("copia:");
} // namespace

QString CalcWindow::copyName(const QLineEdit* box) const {
    // By the key of the value the box shows; a box the table of values lacks, by its name.
    const fields::Field* field = fields::byControl(objectName(), box->objectName());
    return copyPrefix + (field ? fields::name(*field) : box->objectName());
}

QMap<QString, QString> CalcWindow::keptValues() const {
    QMap<QString, QString> kept;
    for (const Taken& taken : m_taken)
        kept.insert(copyName(taken.box), taken.text);
    return kept;
}

QString CalcWindow::refusedKept(const QMap<QString, QString>& kept) const {
    const QStringList own = ownKeptNames();
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        const QString& key = it.key();
        // A copy names its box by the value's key, or, in files written before the keys, by
        // the box's name.
        const QString name = key.mid(copyPrefix.size());
        const fields::Field* field = fields::find(objectName() + QLatin1Char('.') + name);
        const bool copy =
            key.startsWith(copyPrefix) &&
            findChild<QLineEdit*>(field && field->control ? QString::fromLatin1(field->control)
                                                          : name) != nullptr;
        if (!copy && !own.contains(key))
            return QStringLiteral("valore interno sconosciuto ") + buildingdata::quoted(key);
    }
    return QString();
}

void CalcWindow::restoreKept(const QMap<QString, QString>& kept) {
    m_taken.clear();
    watchSources();
    for (Taken& taken : m_taken) {
        auto copy = kept.constFind(copyName(taken.box));
        if (copy == kept.constEnd())
            copy = kept.constFind(copyPrefix + taken.box->objectName());
        if (copy != kept.constEnd())
            taken.text = copy.value();
    }
}

bool CalcWindow::changedSince(const Taken& taken, QString* now) const {
    // A source that holds nothing (a period given up, no weight yet) takes nothing away
    // from the copy; a value typed by the user is the user's.
    const QString current = taken.source();
    if (current.isEmpty() || current == taken.text || taken.box->text() != taken.text)
        return false;
    if (now)
        *now = current;
    return true;
}

bool CalcWindow::isOutdated() const {
    for (const Taken& taken : m_taken)
        if (changedSince(taken, nullptr))
            return true;
    return false;
}

void CalcWindow::bringInChangedValues() {
    QStringList updated;
    for (Taken& taken : m_taken) {
        QString now;
        if (!changedSince(taken, &now))
            continue;
        taken.text = now;
        taken.box->setText(now);
        updated << taken.name;
    }
    if (!updated.isEmpty())
        ctx.shell.setHint(messages::updatedHint(updated));
}

void CalcWindow::showEvent(QShowEvent* event) {
    BaseWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // Shown again after "Invia Dati", or for the first time after being loaded hidden (a
    // report read it): the values taken at load may have changed since. Right after the
    // load nothing has.
    bringInChangedValues();
}

void CalcWindow::cancel() {
    unloadWindow();
}

void CalcWindow::showHelp() {
    ctx.help.showTopic(this, m_setup.helpWindow, m_setup.helpContext);
}

void CalcWindow::onPick(QListWidget* list, std::function<void(int)> picked) {
    // Reacts to the selected item, not the current one: a list that receives the focus
    // makes its first item current without anything being chosen.
    connect(list, &QListWidget::itemSelectionChanged, this, [list, picked] {
        const int row = chosenRow(list);
        if (row >= 0)
            picked(row);
    });
}

int CalcWindow::chosenRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void CalcWindow::bindZoneList(QListWidget* list, QLabel* cText, QLabel* cNumber, QLabel* sText) {
    list->addItems(coefficients::zoneItems());
    list->setFixedHeight(list->sizeHintForRow(0) * coefficients::zoneCount +
                         2 * list->frameWidth() + 4);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8);
    onPick(list, [=](int row) {
        if (row >= coefficients::zoneCount)
            return;
        cText->setText(coefficients::zoneCText(row));
        cNumber->setText(numtext::format(coefficients::zone(row).c));
        sText->setText(coefficients::zoneSText(row));
        ctx.shared.edificio.sismica.zone = row;
    });
    m_fromBuilding.push_back([this, list] {
        if (const auto row = ctx.shared.edificio.sismica.zone; row && *row < list->count())
            list->setCurrentRow(*row);
    });
}

void CalcWindow::bindCoefficients(QListWidget* list, const coefficients::ItemList& items,
                                  QLabel* value, SeismicCoefficient shared) {
    onPick(list, [=](int row) {
        if (const auto v = items.value(row)) {
            value->setText(numtext::format(*v));
            ctx.shared.edificio.sismica.*shared = *v;
        }
    });
    // Windows list the same coefficient with different texts (" 1,2", " 1.2", "1,2"): the
    // value tells the item.
    m_fromBuilding.push_back([=] {
        if (const auto v = ctx.shared.edificio.sismica.*shared)
            if (const auto row = items.rowOf(*v))
                list->setCurrentRow(*row);
    });
}

void CalcWindow::bindFoundation(QLineEdit* box) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
        // A text that is no coefficient (being typed, negative, emptied) leaves the building
        // without one.
        auto typed = building::typed(text);
        if (typed && typed->value < 0.0)
            typed.reset();
        ctx.shared.edificio.sismica.foundation = typed;
    });
    m_fromBuilding.push_back([this, box] {
        if (const auto& epsilon = ctx.shared.edificio.sismica.foundation)
            box->setText(epsilon->text);
    });
}

void CalcWindow::bindResponseCoefficient(QLineEdit* period, QLabel* response, bool roundPeriod) {
    connect(period, &QLineEdit::textChanged, this, [=](const QString& text) {
        if (text.isEmpty()) {
            response->clear(); // no period, no response coefficient
            return;
        }
        const auto t = numtext::parse(text);
        if (!t || *t < 0.0)
            return; // not a period: R keeps what it showed, the box is marked
        const double periodSeconds = roundPeriod ? numtext::round2(*t) : *t;
        response->setText(numtext::formatRounded(coefficients::responseCoefficient(periodSeconds)));
    });
}

std::optional<CalcWindow::NumberAnswer> CalcWindow::askNumber(const QString& prompt,
                                                              const QString& title, Leaving leaving,
                                                              const QString& notNegative) {
    for (;;) {
        const std::optional<QString> answer = ctx.prompts.input(this, prompt, title);
        if (!answer) {
            if (leaving == Leaving::Ask &&
                ctx.prompts.yesNo(this, messages::titleSystem, messages::leaveQuestionnaire))
                return std::nullopt;
            continue;
        }
        if (answer->isEmpty())
            continue;
        const auto value = numtext::parse(*answer);
        if (!value)
            continue;
        if (!notNegative.isEmpty() && *value < 0.0) {
            message(messages::titleSystemLower, notNegative);
            continue;
        }
        return NumberAnswer{*answer, *value};
    }
}

std::optional<int> CalcWindow::askStoreyCount(const QString& title) {
    for (;;) {
        const auto answer =
            askNumber(QStringLiteral("Inserire il numero complessivo dei piani dell'edificio"),
                      title, Leaving::Ask);
        if (!answer)
            return std::nullopt;
        const double n = answer->value;
        if (n != std::floor(n))
            message(messages::titleSystemLower, messages::wholeStoreyCount);
        else if (n > 0 && n < 10)
            return static_cast<int>(n);
        else
            message(messages::titleSystemLower, messages::maxNineStoreys);
    }
}

std::optional<std::vector<CalcWindow::EnteredStorey>>
CalcWindow::offerEnteredStoreys(const QString& title, bool withHeights) {
    const std::vector<building::Storey>& storeys = ctx.shared.edificio.storeys;
    // A questionnaire takes at most 9 storeys.
    if (storeys.empty() || storeys.size() > 9)
        return std::nullopt;
    std::vector<EnteredStorey> entered;
    for (const building::Storey& storey : storeys) {
        const auto w = storey.w();
        if (!w || (withHeights && !storey.h))
            return std::nullopt;
        EnteredStorey e;
        e.weight = NumberAnswer{storey.weightText(), *w};
        if (withHeights)
            e.height = NumberAnswer{storey.h->text, storey.h->value};
        entered.push_back(e);
    }
    if (!ctx.prompts.yesNo(this, title, QStringLiteral("Usare i piani già inseriti?")))
        return std::nullopt;
    return entered;
}

void CalcWindow::keepAnsweredStoreys(const QStringList& weights, const QStringList& heights) {
    std::vector<building::Storey>& storeys = ctx.shared.edificio.storeys;
    storeys.resize(size_t(weights.size()));
    for (qsizetype i = 0; i < weights.size(); ++i) {
        storeys[size_t(i)].weight = building::typed(weights[i]);
        if (i < heights.size())
            storeys[size_t(i)].h = building::typed(heights[i]);
    }
}

QString CalcWindow::currentPeriod() const {
    const QString periodo = QStringLiteral("periodo");
    return ctx.forms.isLoaded(periodo) ? ctx.forms.value(QStringLiteral("periodo.T")) : QString();
}

void CalcWindow::takePeriod(QLineEdit* period, QLabel* response) {
    // Reading periodo's result loads periodo hidden when it is not loaded: an empty T.
    period->setText(ctx.forms.value(QStringLiteral("periodo.T")));
    watchPeriod(period);
    if (const auto t = numtext::parse(period->text()))
        response->setText(numtext::formatRounded(coefficients::responseCoefficient(*t)));
}

void CalcWindow::watchPeriod(QLineEdit* period) {
    watchValue(period, QStringLiteral("il periodo T"), [this] { return currentPeriod(); });
}

void CalcWindow::takeWeight(QLineEdit* weight) {
    const float p = ctx.shared.pesoEdificio;
    weight->setText(p == 0.0f ? QString() : numtext::formatSingle(p));
    watchWeight(weight);
}

void CalcWindow::watchWeight(QLineEdit* weight) {
    watchValue(weight, QStringLiteral("il peso W"), [this] {
        const float p = ctx.shared.pesoEdificio;
        return p == 0.0f ? QString() : numtext::formatSingle(p);
    });
}

CalcWindow::FramedSeismicInputs
CalcWindow::addFramedSeismicInputs(const std::function<void()>& changed) {
    FramedSeismicInputs in{};
    in.zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    in.zones = listBox("List2");
    in.intensityCaption = label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    in.intensityText = textResult("Label9");
    in.intensity = hiddenLabel("Label19");
    in.zoneText = hiddenLabel("Label10");
    in.protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    in.protectionList = listBox("List1", coefficients::protection.texts());
    in.protection = hiddenLabel("Label16");
    in.structureCaption = label("Label11", QStringLiteral("Coefficiente di Struttura (β):"));
    in.structureList = listBox("List3", coefficients::structure.texts());
    in.structure = hiddenLabel("Label15");
    in.foundationCaption = label("Label3", QStringLiteral("Coefficiente di Fondazione (ε):"));
    in.foundation = quantityBox("Text3");

    bindZoneList(in.zones, in.intensityText, in.intensity, in.zoneText);
    bindCoefficients(in.protectionList, coefficients::protection, in.protection,
                     &building::Seismic::protection);
    bindCoefficients(in.structureList, coefficients::structure, in.structure,
                     &building::Seismic::structure);
    bindFoundation(in.foundation);
    for (QListWidget* list : {in.zones, in.protectionList, in.structureList})
        connect(list, &QListWidget::itemSelectionChanged, this, changed);
    connect(in.foundation, &QLineEdit::textChanged, this, changed);
    return in;
}

CalcWindow::SeismicRows CalcWindow::addSeismicRows(const char* zoneTextName,
                                                   const coefficients::ItemList& protectionItems) {
    SeismicRows rows;
    QLabel* periodCaption =
        label("Label2", QStringLiteral("Periodo Fondamentale della Struttura (T):"));
    QLabel* responseCaption = label("Label4", QStringLiteral("Coefficiente di Risposta (R):"));
    rows.period = quantityBox("Text1");
    rows.response = result("Label5");
    QLabel* zoneCaption = label("Label7", QStringLiteral("Grado di Sismicità (S):"));
    rows.intensityCaption =
        label("Label8", QStringLiteral("Coefficiente di Intensità Sismica (C):"));
    rows.zones = listBox("List2");
    QLabel* intensityText = textResult("Label9");
    rows.intensity = hiddenLabel("Label12");
    QLabel* zoneText = hiddenLabel(zoneTextName);
    QLabel* protectionCaption =
        label("Label6", QStringLiteral("Coefficiente di Protezione Sismica (I):"));
    rows.protection = listBox("List1", protectionItems.texts());
    rows.importance = hiddenLabel("Label11");

    // Captions above their values, two columns: T and R, then S and C; I above its list.
    m_grid->addWidget(periodCaption, 0, 0);
    m_grid->addWidget(responseCaption, 0, 1);
    m_grid->addWidget(withUnit(rows.period, messages::unitSeconds), 1, 0);
    m_grid->addWidget(rows.response, 1, 1);
    m_grid->addWidget(zoneCaption, 2, 0);
    m_grid->addWidget(rows.intensityCaption, 2, 1);
    m_grid->addWidget(rows.zones, 3, 0);
    m_grid->addWidget(intensityText, 3, 1, Qt::AlignHCenter | Qt::AlignTop);
    m_grid->addWidget(protectionCaption, 4, 0);
    m_grid->addWidget(rows.protection, 5, 0);

    bindZoneList(rows.zones, intensityText, rows.intensity, zoneText);
    bindCoefficients(rows.protection, protectionItems, rows.importance,
                     &building::Seismic::protection);
    bindResponseCoefficient(rows.period, rows.response, true);
    return rows;
}

#include "windows/componirelazione.h"

#include "core/fields.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/appcontext.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/help.h"
#include "shell/prompts.h"
#include "shell/shell.h"
#include "windows/calcwindow.h"
#include "windows/messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* backdrop(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

ComponiRelazione::ComponiRelazione(AppContext& context, QWidget* parent, report::Building building)
    : BaseWindow(context, parent,
                 building == report::Building::Masonry
                     ? QStringLiteral("Componi Relazione - Edifici in muratura")
                     : QStringLiteral("Componi Relazione - Edifici intelaiati"),
                 panels::composer),
      m_building(building) {

    auto* body = new QVBoxLayout(this);
    body->setSizeConstraint(QLayout::SetFixedSize);

    auto* frame = new QGroupBox(QStringLiteral("Tipo di Analisi"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_static = new QRadioButton(QStringLiteral("Analisi Statica"), frame);
    m_static->setObjectName(QStringLiteral("Option1"));
    m_dynamic = new QRadioButton(QStringLiteral("Analisi Dinamica"), frame);
    m_dynamic->setObjectName(QStringLiteral("Option2"));
    auto* options = new QHBoxLayout(frame);
    options->addWidget(m_static);
    options->addWidget(m_dynamic);
    body->addWidget(frame);

    // The two groups of check boxes lie on top of each other; only one shows at a time.
    m_staticBackdrop = backdrop(this, "Label1");
    m_staticChecks[0] = checkBox(m_staticBackdrop, "Check1", QStringLiteral("Forze Orizzontali"));
    m_staticChecks[1] = checkBox(m_staticBackdrop, "Check2", QStringLiteral("Forze Verticali"));
    m_staticChecks[2] = checkBox(m_staticBackdrop, "Check3", QStringLiteral("Spostamenti "));
    m_staticChecks[3] = checkBox(m_staticBackdrop, "Check4", QStringLiteral("Verifiche"));
    auto* staticColumn = new QVBoxLayout(m_staticBackdrop);
    for (QCheckBox* box : m_staticChecks)
        staticColumn->addWidget(box);

    m_dynamicBackdrop = backdrop(this, "Labeld");
    m_dynamicChecks[0] =
        checkBox(m_dynamicBackdrop, "Checkd1", QStringLiteral("Forze Orizzontali"));
    m_dynamicChecks[1] = checkBox(m_dynamicBackdrop, "Checkd2", QStringLiteral("Spostamenti "));
    m_dynamicChecks[2] = checkBox(m_dynamicBackdrop, "Checkd3", QStringLiteral("Verifiche"));
    auto* dynamicColumn = new QVBoxLayout(m_dynamicBackdrop);
    for (QCheckBox* box : m_dynamicChecks)
        dynamicColumn->addWidget(box);
    dynamicColumn->addStretch();

    // A label sizes itself by its caption, not by the boxes laid out on it: give both
    // backdrops the room of the larger group, so either shows its boxes whole.
    const QSize room = staticColumn->totalSizeHint().expandedTo(dynamicColumn->totalSizeHint());
    m_staticBackdrop->setMinimumSize(room);
    m_dynamicBackdrop->setMinimumSize(room);

    auto* groups = new QGridLayout;
    groups->addWidget(m_staticBackdrop, 0, 0);
    groups->addWidget(m_dynamicBackdrop, 0, 0);
    body->addLayout(groups);

    QPushButton* create = controls::button(this, "Command2", QStringLiteral("Crea Relazione"));
    QPushButton* leave = controls::button(this, "Command1", QStringLiteral("Esci"));
    QPushButton* help = controls::button(this, "Command3", QStringLiteral("?"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {create, leave, help})
        buttons->addWidget(b);
    body->addSpacing(8);
    body->addLayout(buttons);

    setTabOrder(m_static, m_dynamic);
    setTabOrder(m_dynamic, m_staticChecks[0]);
    for (int i = 0; i < 3; ++i)
        setTabOrder(m_staticChecks[i], m_staticChecks[i + 1]);
    setTabOrder(m_staticChecks[3], m_dynamicChecks[0]);
    for (int i = 0; i < 2; ++i)
        setTabOrder(m_dynamicChecks[i], m_dynamicChecks[i + 1]);
    setTabOrder(m_dynamicChecks[2], create);
    setTabOrder(create, leave);
    setTabOrder(leave, help);

    connect(m_static, &QRadioButton::clicked, this, [this] { showStaticGroup(true); });
    connect(m_dynamic, &QRadioButton::clicked, this, [this] { showStaticGroup(false); });
    connect(create, &QPushButton::clicked, this, &ComponiRelazione::create);
    connect(leave, &QPushButton::clicked, this, &ComponiRelazione::leave);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });

    // Opens on the static report: its group shows and nothing is ticked.
    m_static->setChecked(true);
    showStaticGroup(true);
}

Forms::Factory ComponiRelazione::factory(report::Building building) {
    return [building](AppContext& context, QWidget* parent) {
        return new ComponiRelazione(context, parent, building);
    };
}

void ComponiRelazione::showStaticGroup(bool on) {
    // Hiding a group keeps its ticks.
    for (QCheckBox* box : m_dynamicChecks)
        box->setVisible(!on);
    m_dynamicBackdrop->setVisible(!on);
    for (QCheckBox* box : m_staticChecks)
        box->setVisible(on);
    m_staticBackdrop->setVisible(on);
}

std::optional<std::pair<report::Analysis, report::Sections>> ComponiRelazione::chosen() const {
    using namespace report;
    if (m_static->isChecked()) {
        const Section order[] = {FO, FV, DS, VS};
        Sections sections = 0;
        for (int i = 0; i < 4; ++i)
            if (m_staticChecks[i]->isChecked())
                sections |= order[i];
        return std::make_pair(Analysis::Static, sections);
    }
    if (m_dynamic->isChecked()) {
        const Section order[] = {FO, DS, VS};
        Sections sections = 0;
        for (int i = 0; i < 3; ++i)
            if (m_dynamicChecks[i]->isChecked())
                sections |= order[i];
        return std::make_pair(Analysis::Dynamic, sections);
    }
    return std::nullopt;
}

QStringList ComponiRelazione::doubtfulSections(report::Analysis analysis, report::Sections sections,
                                               const report::Reader& read) {
    QStringList names;
    for (const report::SectionSource& source : report::sources(m_building, analysis, sections)) {
        bool doubtful = false;
        // A window never computed, or whose result was emptied by a later change, shows
        // empty values.
        for (const QString& value : source.values)
            if (read(source.window, value).value_or(QString()).isEmpty())
                doubtful = true;
        // A value taken from another window that has changed since.
        if (const auto* calc = dynamic_cast<const CalcWindow*>(ctx.forms.get(source.window)))
            if (calc->isOutdated())
                doubtful = true;
        if (doubtful)
            names << sectionBox(analysis, source.section)->text().trimmed();
    }
    return names;
}

QStringList ComponiRelazione::disagreeingValues(report::Analysis analysis,
                                                report::Sections sections) {
    // Where each window's values appear: its section, or the period window itself, whose T is
    // the one the windows take.
    QHash<QString, QString> where;
    for (const report::SectionSource& source : report::sources(m_building, analysis, sections))
        where.insert(source.window, sectionBox(analysis, source.section)->text().trimmed());
    const QString periodo = QStringLiteral("periodo");
    if (ctx.forms.isLoaded(periodo))
        where.insert(periodo, ctx.forms.get(periodo)->windowTitle());
    const auto read = [&](const fields::Field& field) -> std::optional<QString> {
        const QString window = QString::fromLatin1(field.window);
        if (!where.contains(window) || !ctx.forms.isLoaded(window))
            return std::nullopt;
        return ctx.forms.text(window, QString::fromLatin1(field.control));
    };
    QStringList lines;
    for (const fields::Disagreement& d : fields::disagreements(read)) {
        QStringList values;
        for (const auto& [field, value] : d.values)
            values << value.trimmed() + QStringLiteral(" in ") +
                          where.value(QString::fromLatin1(field->window));
        lines << QString::fromUtf8(d.quantity->name) + QStringLiteral(": ") +
                     values.join(QStringLiteral(", "));
    }
    // The storey of the horizontal actions against the same storey in "Dati dell'edificio",
    // both as the window shows a weight (t, two decimals).
    const QString storeyWindow = QStringLiteral("azioniorizzontali");
    const auto* managed = where.contains(storeyWindow) && ctx.forms.isLoaded(storeyWindow)
                              ? dynamic_cast<const ManagedWindow*>(ctx.forms.get(storeyWindow))
                              : nullptr;
    if (managed) {
        bool named = false;
        const int storey =
            managed->keptValues().value(QStringLiteral("piano")).trimmed().toInt(&named);
        const auto& storeys = ctx.shared.edificio.storeys;
        const QString shown = ctx.forms.value(QStringLiteral("azioniorizzontali.W")).trimmed();
        const auto w = numtext::parse(shown);
        const auto entered = named && storey >= 1 && storey <= int(storeys.size())
                                 ? storeys[size_t(storey - 1)].w()
                                 : std::nullopt;
        if (w && entered && numtext::formatRounded(*w) != numtext::formatRounded(*entered))
            lines << QStringLiteral("peso del %1° piano (W): ").arg(storey) + shown +
                         QStringLiteral(" in ") + where.value(storeyWindow) + QStringLiteral(", ") +
                         numtext::formatRounded(*entered) +
                         QStringLiteral(" in Dati dell'edificio");
    }
    return lines;
}

QCheckBox* ComponiRelazione::sectionBox(report::Analysis analysis, report::Section section) const {
    using namespace report;
    if (analysis == Analysis::Static)
        return m_staticChecks[section == FO ? 0 : section == FV ? 1 : section == DS ? 2 : 3];
    return m_dynamicChecks[section == FO ? 0 : section == DS ? 1 : 2];
}

void ComponiRelazione::create() {
    const auto choice = chosen();
    // Reading a window that is not loaded loads it hidden, in its initial state. A window or
    // control the program does not have gives the report up before anything reaches the
    // editor: the editor keeps its text and this window stays open.
    const report::Reader read = [this](const QString& window,
                                       const QString& control) -> std::optional<QString> {
        QDialog* source = ctx.forms.get(window);
        if (!source || !source->findChild<QObject*>(control))
            return std::nullopt;
        return ctx.forms.text(window, control);
    };
    const std::optional<QString> text =
        choice ? report::compose(m_building, choice->first, choice->second, read) : std::nullopt;
    if (text) {
        // An engineer signs this report: sections that would print missing or outdated values
        // are named first, and "No" leaves everything as it was.
        const QStringList doubtful = doubtfulSections(choice->first, choice->second, read);
        // A report must not state two zones or two periods for one building either.
        const QStringList disagreeing = disagreeingValues(choice->first, choice->second);
        QStringList paragraphs;
        if (!doubtful.isEmpty())
            paragraphs << QStringLiteral("Le sezioni seguenti riporterebbero valori mancanti o "
                                         "non aggiornati (finestre non elaborate, o con dati "
                                         "cambiati dopo l'elaborazione):\n\n    ") +
                              doubtful.join(QStringLiteral("\n    "));
        if (!disagreeing.isEmpty())
            paragraphs << QStringLiteral("La relazione riporterebbe valori diversi per lo "
                                         "stesso edificio:\n\n    ") +
                              disagreeing.join(QStringLiteral("\n    "));
        if (!paragraphs.isEmpty() &&
            !ctx.prompts.yesNo(this, messages::titleSystem,
                               paragraphs.join(QStringLiteral("\n\n")) +
                                   QStringLiteral("\n\nCreare comunque la relazione?")))
            return;
        // The whole report is ready: it replaces the editor's text in one step.
        ctx.shell.setReportText(*text);
        unloadWindow();
    }
    // Whether or not a report was written, the status bar is reset; with no match the
    // window stays open without its hint.
    statusReset();
}

void ComponiRelazione::leave() {
    statusReset();
    hide();
}

void ComponiRelazione::showHelp() {
    ctx.help.showTopic(this, helptopics::composer, helptopics::composerContext);
}

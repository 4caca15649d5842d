#include "windows/relazionecalcolo.h"

#include "core/fields.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/help.h"
#include "shell/prompts.h"
#include "shell/relazionedocument.h"
#include "shell/routes.h"
#include "shell/shell.h"
#include "windows/calcwindow.h"
#include "windows/messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>

RelazioneCalcolo::RelazioneCalcolo(AppContext& context, QWidget* parent)
    : BaseWindow(context, parent, QStringLiteral("Relazione di calcolo"), panels::composer) {
    auto* body = new QVBoxLayout(this);
    body->setSizeConstraint(QLayout::SetFixedSize);

    auto* contents = new QGroupBox(QStringLiteral("Contenuto della relazione"), this);
    contents->setObjectName(QStringLiteral("fraContenuto"));
    auto* column = new QVBoxLayout(contents);
    for (const relazione::Section& s : relazione::sections()) {
        auto* box = new QCheckBox(QString::fromUtf8(s.captionUtf8), contents);
        box->setObjectName(QStringLiteral("chk") + QString::fromLatin1(s.key));
        column->addWidget(box);
        m_sections.push_back(box);
    }
    body->addWidget(contents);

    auto* units = new QGroupBox(QStringLiteral("Unità delle forze"), this);
    units->setObjectName(QStringLiteral("fraUnita"));
    m_tonnes = new QRadioButton(QStringLiteral("Tonnellate (t, momenti in t·m)"), units);
    m_tonnes->setObjectName(QStringLiteral("optTonnellate"));
    m_kiloNewtons = new QRadioButton(
        QStringLiteral("Kilonewton (kN, momenti in kN·m; 1 t = 9,80665 kN)"), units);
    m_kiloNewtons->setObjectName(QStringLiteral("optKilonewton"));
    auto* unitColumn = new QVBoxLayout(units);
    unitColumn->addWidget(m_tonnes);
    unitColumn->addWidget(m_kiloNewtons);
    body->addWidget(units);

    QPushButton* compose = button("cmdComponi", QStringLiteral("Componi"));
    QPushButton* cancel = button("cmdAnnulla", QStringLiteral("Annulla"));
    QPushButton* help = button("cmdGuida", QStringLiteral("?"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {compose, cancel, help})
        buttons->addWidget(b);
    body->addLayout(buttons);
    compose->setDefault(true);

    connect(compose, &QPushButton::clicked, this, &RelazioneCalcolo::compose);
    connect(cancel, &QPushButton::clicked, this, [this] {
        statusReset();
        hide();
    });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    showChoices(ctx.shared.relazioneCalcolo.value_or(relazione::allSections()));
}

void RelazioneCalcolo::showEvent(QShowEvent* event) {
    BaseWindow::showEvent(event);
    // The building's choices, as a data file opened since may have brought them.
    if (!event->spontaneous() && ctx.shared.relazioneCalcolo)
        showChoices(*ctx.shared.relazioneCalcolo);
}

void RelazioneCalcolo::showChoices(const relazione::Choices& choices) {
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        m_sections[i]->setChecked(
            choices.sections.contains(QString::fromLatin1(relazione::sections()[i].key)));
    (choices.unit == relazione::Unit::KiloNewtons ? m_kiloNewtons : m_tonnes)->setChecked(true);
}

relazione::Choices RelazioneCalcolo::chosen() const {
    relazione::Choices c;
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        if (m_sections[i]->isChecked())
            c.sections << QString::fromLatin1(relazione::sections()[i].key);
    c.unit = m_kiloNewtons->isChecked() ? relazione::Unit::KiloNewtons : relazione::Unit::Tonnes;
    return c;
}

calcolo::Results RelazioneCalcolo::currentResults(AppContext& context) {
    Forms& forms = context.forms;
    // A window not loaded has computed nothing: it is not loaded to be read.
    const calcolo::FieldReader read = [&forms](const QString& key) -> std::optional<double> {
        const fields::Field* field = fields::find(key);
        if (!field || !field->control || !forms.isLoaded(QString::fromLatin1(field->window)))
            return std::nullopt;
        return numtext::parse(forms.value(key));
    };
    return calcolo::compute(context.shared.edificio, read);
}

QStringList RelazioneCalcolo::outdatedValues(const relazione::Choices& choices) const {
    QStringList out;
    const auto chosen = [&choices](const char* key) {
        return choices.sections.contains(QString::fromLatin1(key));
    };
    // H and B typed in the period window after its last computation.
    const QString periodo = QStringLiteral("periodo");
    const building::Period& p = ctx.shared.edificio.periodo;
    // A window loaded only to be read (empty) has changed nothing.
    const auto typedAgain = [&](const char* key, const std::optional<building::Typed>& kept) {
        const QString shown = ctx.forms.value(QString::fromLatin1(key));
        return !shown.isEmpty() && (!kept || shown != kept->text);
    };
    if ((chosen("periodo") || chosen("orizzontali") || chosen("spettro") || chosen("tabella")) &&
        ctx.forms.isLoaded(periodo) && (p.h || p.b) &&
        (typedAgain("periodo.H", p.h) || typedAgain("periodo.B", p.b)))
        out << QStringLiteral("il periodo T: H o B sono cambiati nella finestra Periodo "
                              "fondamentale di vibrazione dopo l'ultimo calcolo");
    if (chosen("verifiche")) {
        const struct {
            const char* window;
            const char* phrase;
        } checks[] = {
            {"Sollecitazioni", "gli spostamenti: dati cambiati nella finestra Spostamenti dopo "
                               "l'elaborazione"},
            {"verifiche", "le sollecitazioni: dati cambiati nella finestra Verifiche dopo "
                          "l'elaborazione"},
        };
        for (const auto& c : checks) {
            const QString name = QString::fromLatin1(c.window);
            if (!ctx.forms.isLoaded(name))
                continue;
            if (const auto* calc = dynamic_cast<const CalcWindow*>(ctx.forms.get(name)))
                if (calc->isOutdated())
                    out << QString::fromUtf8(c.phrase);
        }
    }
    return out;
}

void RelazioneCalcolo::compose() {
    const relazione::Choices choices = chosen();
    if (choices.sections.isEmpty()) {
        ctx.prompts.message(this, messages::titleSystem,
                            QStringLiteral("Scegliere almeno una parte da mettere nella "
                                           "relazione di calcolo."));
        return;
    }
    const calcolo::Results results = currentResults(ctx);
    // An engineer signs this report: what it would state as missing or outdated is named
    // first, and "No" leaves everything as it was.
    const QStringList missing = relazione::missing(results, choices);
    const QStringList outdated = outdatedValues(choices);
    QStringList paragraphs;
    if (!missing.isEmpty())
        paragraphs << QStringLiteral("Mancano questi valori (la relazione lo dirà nelle sezioni "
                                     "che li richiedono):\n\n    ") +
                          missing.join(QStringLiteral("\n    "));
    if (!outdated.isEmpty())
        paragraphs << QStringLiteral("Questi valori non sono aggiornati:\n\n    ") +
                          outdated.join(QStringLiteral("\n    "));
    if (!paragraphs.isEmpty() &&
        !ctx.prompts.yesNo(this, messages::titleSystem,
                           paragraphs.join(QStringLiteral("\n\n")) +
                               QStringLiteral("\n\nComporre comunque la relazione di calcolo?")))
        return;
    ctx.shared.relazioneCalcolo = choices;
    const auto document =
        relazionedocument::make(relazione::compose(results, ctx.shared.edificio.project, choices));
    ctx.shell.setReportDocument(*document);
    statusReset();
    hide();
}

void RelazioneCalcolo::showHelp() {
    ctx.help.showTopic(this, helptopics::calcReport, helptopics::calcReportContext);
}

#include "windows/peso.h"

#include "core/formulas.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/controls.h"
#include "shell/prompts.h"
#include "shell/shell.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

Peso::Peso(AppContext& context, QWidget* parent)
    : CalcWindow(context, parent,
                 {QStringLiteral("Peso complessivo dell'edificio"), panels::buildingParameters,
                  helptopics::buildingParameters, helptopics::buildingParametersContext}) {
    m_sheet = printSurface(QStringLiteral("Pesi dei piani e peso complessivo, tonnellate"), 520);

    QPushButton* reset = button("Command1", QStringLiteral("Reset"));
    QPushButton* send = button("Command3", QStringLiteral("Invia Dati"));
    QPushButton* cancel = button("Command2", QStringLiteral("Annulla"));
    QPushButton* help = button("Command4", QStringLiteral("?"));
    addButtons({reset, send, cancel, help});

    setTabOrder(reset, send);
    setTabOrder(send, cancel);
    setTabOrder(cancel, help);

    connect(reset, &QPushButton::clicked, this, &Peso::restart);
    connect(send, &QPushButton::clicked, this, &Peso::send);
    connect(cancel, &QPushButton::clicked, this, &Peso::cancel);
    connect(help, &QPushButton::clicked, this, &Peso::showHelp);
}

void Peso::print(const QString& line) {
    m_printed += line + QStringLiteral("\r\n");
    // On screen the heading's LF CR is simply one more line break.
    QString shown = line;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    m_shown << shown;
}

void Peso::load() {
    // Left half-way: nothing computed is kept, as with "Annulla".
    if (!questionnaire())
        cancel();
}

bool Peso::questionnaire() {
    SharedValues& shared = ctx.shared;
    shared.pesoEdificio = 0.0f;

    const QString title = QStringLiteral("Peso dell'edificio");
    // The storeys of the building, when it has them, instead of asking again.
    auto entered = offerEnteredStoreys(title, false);
    const auto storeys = entered ? std::optional<int>(int(entered->size())) : askStoreyCount(title);
    if (!storeys)
        return false;
    const int n = *storeys;
    shared.pesiPiani = QStringList();
    QList<double> weights;
    float total = 0.0f;
    for (int i = 1; i <= n; ++i) {
        const QString storey = QString::number(i) + QStringLiteral("°");
        for (;;) {
            const auto weight =
                entered ? std::optional<NumberAnswer>((*entered)[size_t(i - 1)].weight)
                        : askNumber(QStringLiteral("Inserire il peso del ") + storey +
                                        QStringLiteral(" piano (") + messages::unitTonnes +
                                        QLatin1Char(')'),
                                    QStringLiteral("Peso del ") + storey + QStringLiteral(" piano"),
                                    Leaving::Ask, messages::negativeWeight);
            if (!weight)
                return false;
            // P is kept in single precision: a sum beyond its range would be infinite.
            const float next = formulas::addStoreyWeight(total, weight->value);
            if (!std::isfinite(next)) {
                message(messages::titleSystemLower, messages::weightsOverflow);
                // The building's own weights overflow too: ask for this storey's weight.
                entered.reset();
                continue;
            }
            total = next;
            weights << weight->value;
            shared.pesiPiani << weight->text;
            break;
        }
    }
    // Weights answered here are the building's from now on.
    if (!entered)
        keepAnsweredStoreys(shared.pesiPiani);

    m_printed.clear();
    m_shown.clear();
    print(QString());
    // The heading ends with LF CR before the line's own end, which leaves an empty line.
    print(QString(10, QLatin1Char(' ')) + QStringLiteral("PIANI DELL'EDIFICIO:") +
          QStringLiteral("\n\r"));
    for (int i = 1; i <= n; ++i) {
        print(QStringLiteral("   ") + QString::number(i) + QStringLiteral("°") +
              QStringLiteral(" Piano") + QString(24, QLatin1Char(' ')) +
              shared.pesiPiani.at(i - 1) + QStringLiteral(" tonn"));
        shared.pesoEdificio = formulas::addStoreyWeight(shared.pesoEdificio, weights.at(i - 1));
    }
    print(QString());
    print(QStringLiteral("  Peso complessivo:") + QString(9, QLatin1Char(' ')) +
          numtext::formatSingle(shared.pesoEdificio) + QStringLiteral(" tonn"));

    controls::setPrinted(m_sheet, m_shown.join(QLatin1Char('\n')));
    return true;
}

void Peso::send() {
    ctx.prompts.inform(
        this, messages::titleSystem,
        QStringLiteral("Il peso P = ") + numtext::formatSingle(ctx.shared.pesoEdificio) +
            QStringLiteral(" tonn é stato inserito nelle finestre Analisi Statica ") +
            QStringLiteral("\n\r") +
            QStringLiteral(" (azioni verticali) relative agli edifici in muratura ed intelaiati "));
    handedOn();
}

void Peso::cancel() {
    ctx.shared.pesoEdificio = 0.0f;
    CalcWindow::cancel();
}

void Peso::restart() {
    // This window is destroyed and a new one asks the whole questionnaire again; ctx
    // outlives it, so take it before unloading.
    AppContext& context = ctx;
    context.shared.pesoEdificio = 0.0f;
    context.forms.unload(QStringLiteral("peso"));
    routes::open(context.shell, context.forms, routes::weightAgain);
}

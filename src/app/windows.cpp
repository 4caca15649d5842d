#include "app/program.h"

#include "calc/analisidinamica2.h"
#include "calc/azioniorizzontali.h"
#include "calc/azioniverticali.h"
#include "calc/coeffdistribuzione.h"
#include "calc/periodo.h"

namespace {
template <class W> Forms::Factory make() {
    return [](AppContext& context, QWidget* parent) { return new W(context, parent); };
}
} // namespace

void registerWindows(Forms& forms) {
    forms.registerWindow(QStringLiteral("periodo"), make<Periodo>());
    forms.registerWindow(QStringLiteral("coeffdistribuzione"), make<CoeffDistribuzione>());
    forms.registerWindow(QStringLiteral("azioniorizzontali"), make<AzioniOrizzontali>());
    forms.registerWindow(QStringLiteral("azioniverticali"), make<AzioniVerticali>());
    forms.registerWindow(QStringLiteral("analisidinamica2"), make<AnalisiDinamica2>());
}

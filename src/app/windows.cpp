#include "app/program.h"

#include "calc/analisidinamica1.h"
#include "calc/forzeorizzontali.h"
#include "calc/forzeverticali.h"
#include "calc/periodo.h"
#include "calc/peso.h"
#include "calc/sollecitazioni.h"
#include "calc/verifiche.h"

namespace {
template <class W> Forms::Factory make() {
    return [](AppContext& context, QWidget* parent) { return new W(context, parent); };
}
} // namespace

void registerWindows(Forms& forms) {
    forms.registerWindow(QStringLiteral("periodo"), make<Periodo>());
    forms.registerWindow(QStringLiteral("peso"), make<Peso>());
    forms.registerWindow(QStringLiteral("forzeorizzontali"), make<ForzeOrizzontali>());
    forms.registerWindow(QStringLiteral("forzeverticali"), make<ForzeVerticali>());
    forms.registerWindow(QStringLiteral("Sollecitazioni"), make<Sollecitazioni>());
    forms.registerWindow(QStringLiteral("verifiche"), make<Verifiche>());
    forms.registerWindow(QStringLiteral("analisidinamica1"), make<AnalisiDinamica1>());
}

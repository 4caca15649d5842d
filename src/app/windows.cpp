#include "app/program.h"

#include "app/infowindows.h"
#include "app/selection.h"
#include "calc/periodo.h"

namespace {
template <class W> Forms::Factory make() {
    return [](AppContext& context, QWidget* parent) { return new W(context, parent); };
}
} // namespace

void registerWindows(Forms& forms) {
    forms.registerWindow(QStringLiteral("periodo"), make<Periodo>());
    forms.registerWindow(QStringLiteral("selmur"), make<Selmur>());
    forms.registerWindow(QStringLiteral("selint"), make<Selint>());
    forms.registerWindow(QStringLiteral("infotremora"), make<InfoTremora>());
    forms.registerWindow(QStringLiteral("lithvane"), make<Lithvane>());
}

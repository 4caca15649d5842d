#include "app/program.h"

#include "calc/periodo.h"
#include "report/componirelazione.h"

namespace {
template <class W> Forms::Factory make() {
    return [](AppContext& context, QWidget* parent) { return new W(context, parent); };
}
} // namespace

void registerWindows(Forms& forms) {
    forms.registerWindow(QStringLiteral("periodo"), make<Periodo>());
    forms.registerWindow(QStringLiteral("componirelazione"),
                         ComponiRelazione::factory(report::Building::Masonry));
    forms.registerWindow(QStringLiteral("componirelazione1"),
                         ComponiRelazione::factory(report::Building::Framed));
}

#include "app/program.h"

#include "shell/ondemand.h"

#include "windows/analisidinamica1.h"
#include "windows/analisidinamica2.h"
#include "windows/azioniorizzontali.h"
#include "windows/azioniverticali.h"
#include "windows/coeffdistribuzione.h"
#include "windows/componirelazione.h"
#include "windows/datiedificio.h"
#include "windows/forzeorizzontali.h"
#include "windows/forzeverticali.h"
#include "windows/infowindows.h"
#include "windows/periodo.h"
#include "windows/peso.h"
#include "windows/relazionecalcolo.h"
#include "windows/selection.h"
#include "windows/sollecitazioni.h"
#include "windows/verifiche.h"

namespace {
template <class W> Forms::Factory make() {
    return [](AppContext& context, QWidget* parent) { return new W(context, parent); };
}
} // namespace

void registerWindows(Forms& forms) {
    forms.registerWindow(QStringLiteral("datiedificio"), make<DatiEdificio>());
    forms.registerWindow(QStringLiteral("periodo"), make<Periodo>());
    forms.registerWindow(QStringLiteral("coeffdistribuzione"), make<CoeffDistribuzione>());
    forms.registerWindow(QStringLiteral("azioniorizzontali"), make<AzioniOrizzontali>());
    forms.registerWindow(QStringLiteral("azioniverticali"), make<AzioniVerticali>());
    forms.registerWindow(QStringLiteral("analisidinamica2"), make<AnalisiDinamica2>());
    // The windows with a diagram come from the chart library, loaded when one is first opened.
    forms.registerWindow(QStringLiteral("tuttipiani"),
                         ondemand::window("charts", "tremoraNewTuttiPiani"));
    forms.registerWindow(QStringLiteral("spettro"),
                         ondemand::window("charts", "tremoraNewSpettro"));
    forms.registerWindow(QStringLiteral("peso"), make<Peso>());
    forms.registerWindow(QStringLiteral("forzeorizzontali"), make<ForzeOrizzontali>());
    forms.registerWindow(QStringLiteral("forzeverticali"), make<ForzeVerticali>());
    forms.registerWindow(QStringLiteral("Sollecitazioni"), make<Sollecitazioni>());
    forms.registerWindow(QStringLiteral("verifiche"), make<Verifiche>());
    forms.registerWindow(QStringLiteral("analisidinamica1"), make<AnalisiDinamica1>());
    forms.registerWindow(QStringLiteral("selmur"), make<Selmur>());
    forms.registerWindow(QStringLiteral("selint"), make<Selint>());
    forms.registerWindow(QStringLiteral("infotremora"), make<InfoTremora>());
    forms.registerWindow(QStringLiteral("lithvane"), make<Lithvane>());
    forms.registerWindow(QStringLiteral("componirelazione"),
                         ComponiRelazione::factory(report::Building::Masonry));
    forms.registerWindow(QStringLiteral("componirelazione1"),
                         ComponiRelazione::factory(report::Building::Framed));
    forms.registerWindow(QStringLiteral("relazionecalcolo"), make<RelazioneCalcolo>());
}

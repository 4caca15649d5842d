#pragma once

#include "core/relazione.h"

// The section "Confronto con le NTC 2018" of the calculation report: the site's spectrum,
// T1, Sd(T1), lambda and Fh with their values substituted, each storey's force, the storey
// table against k times the 1984 shears, the limits of the static method and two diagrams.
namespace relazione {

void ntcComparison(const Context& context, Document& document);
// What the comparison lacks, one phrase; nothing when it can be worked out.
QStringList missingNtc(const calcolo::Results& results);

} // namespace relazione

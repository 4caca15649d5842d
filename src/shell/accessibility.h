#pragma once

class QWidget;

// Names for screen readers, given from what the window shows: every text box and list of a
// window is called by the caption of its row and its unit ("Altezza dell'edificio (H),
// metri"), every "?" button "Guida". Names set by hand are kept.
namespace accessibility {

void nameControls(QWidget* window);

} // namespace accessibility

#pragma once

#include <QLabel>

// Names for screen readers, given from what the window shows: every text box, list and
// result of a window is called by its caption and unit ("Altezza dell'edificio (H),
// metri"), every "?" button "Guida". Names set by hand are kept.
namespace accessibility {

// Names the window's controls after their captions as they read now: a value of the table
// of values (core/fields.h) after the caption the table gives it, any other control after
// the caption beside or above it. A window calls it each time it is shown, since some
// captions change with the storey.
void nameControls(QWidget* window);

} // namespace accessibility

// A label that shows a result: read as a value (its text) under the name of its caption,
// not as a piece of text whose words are the number.
class ResultLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ResultLabel(QWidget* parent);
};

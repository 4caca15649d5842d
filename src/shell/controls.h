#pragma once

#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The controls every window makes, named as the report builders, the tests and the other
// windows find them.
namespace controls {

// A label showing its caption as plain text (a "<" in a value is never taken for markup).
QLabel* label(QWidget* parent, const char* name, const QString& caption = QString());
// A button that Enter does not press by itself.
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// A list to choose one item from, as wide as its items. The focus shows as a dotted frame
// around the current item, never drawn like a chosen one: a list that merely has the focus
// has chosen nothing.
QListWidget* list(QWidget* parent, const char* name);
// A sunken horizontal line between groups of controls.
QFrame* line(QWidget* parent, const char* name);

// A questionnaire's printed surface: it keeps its lines as written (the building data file
// stores them so) and shows them with the numbers of each column right-aligned, the padding
// being only how the surface lays them out. A column runs on across empty lines, so that a
// total set under a blank line lines up with the items above it.
void setPrinted(QPlainTextEdit* surface, const QString& text);
// The lines as written; for a surface never given any, the text it shows.
QString printed(const QPlainTextEdit* surface);
// The controls of a window that Tab reaches, in the order a reader meets them: line by line
// from the top, left to right on a line.
QList<QWidget*> readingOrder(QWidget* window);
// Tab runs through the window's controls in reading order; returns that order.
QList<QWidget*> orderTabs(QWidget* window);

// A result that is a number or nothing (a value worked out, never a caption): the building
// data file refuses any other text for it.
void markNumericResult(QWidget* result);
bool isNumericResult(const QWidget* control);

// What a control shows: a label's caption, a text box's text, a button's caption, the
// selected item of a list; empty for anything else.
QString text(const QObject* control);

} // namespace controls

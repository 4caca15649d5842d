#pragma once

#include "core/relazione.h"

#include <QTextFormat>

class QPainter;
class QRectF;
class QTextCharFormat;
class QTextDocument;

// A diagram of the calculation report set in the text as an object of its own: the document
// carries its data (points and titles), and the diagram is drawn with lines and text each
// time the page is painted, so that on paper and in a PDF it is vector graphics at any zoom.
namespace diagramobject {

constexpr int objectType = QTextFormat::UserObject + 1;

// The character that stands for the diagram in the text, 160 x 90 mm on the page.
QTextCharFormat format(const relazione::Figure& figure);
// Lets the document's layout draw the diagrams it holds: every document that shows, prints
// or exports them needs it (a copy made by clone() too).
void install(QTextDocument& document);
// Draws the diagram in the rectangle: axes with round steps, the bars of the storey forces
// and the steps of the shears, or the spectrum's curve with the building's period.
void paint(QPainter& painter, const QRectF& rect, const relazione::Figure& figure);
// Puts a picture in place of each diagram (for the ODT export, whose writer keeps pictures
// but not objects drawn by the program).
void replaceWithImages(QTextDocument& document);

} // namespace diagramobject

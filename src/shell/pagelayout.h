#pragma once

#include <QByteArray>
#include <QString>

namespace building {
struct Project;
}
class QPagedPaintDevice;
class QPrinter;
class QTextBlockFormat;
class QTextDocument;

// The pages of the report, the same on paper, in the print preview and in a PDF: A4
// portrait, 20 mm margins, the text as the editor formats it, "Pagina N di M" centred at the
// foot of every page and, when the document carries one, the line naming the work centred at
// the head of every page.
namespace pagelayout {

// The line naming the work at the head of the pages: "titolo – committente", only what is
// filled in; empty when neither is.
QString headerLine(const building::Project& project);
// Gives the document the line to print at the head of each of its pages; an empty line gives
// pages without a head, the text starting at the top margin.
void setHeaderLine(QTextDocument& document, const QString& line);
// The line the document's pages carry at their head; empty for none.
QString headerLineOf(const QTextDocument& document);

// Marks the lines of a table set in the text: consecutive lines so marked are laid out on
// one page when they fit on one, the heading never apart from its rows.
void keepTogether(QTextBlockFormat& format);
// Sets A4 portrait and the margins on a printer or PDF writer.
void setUp(QPagedPaintDevice& device);
// Lays the document out on the device's pages and paints them; returns the page count.
int paint(const QTextDocument& document, QPagedPaintDevice& device);
// The document as a PDF with the fonts embedded and the given title.
QByteArray pdf(const QTextDocument& document, const QString& title);
// The document as OpenDocument text, formatting kept: every run names its font and size,
// so that a table in a fixed-pitch font stays in it in a word processor.
QByteArray odt(const QTextDocument& document);

} // namespace pagelayout

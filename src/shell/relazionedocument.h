#pragma once

#include "core/relazione.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QTextDocument;

// The calculation report set as rich text: a cover page, numbered headings, formula lines,
// real tables (the header row repeated on every page, a table never apart from its heading)
// and the diagrams drawn as vector graphics; then, through the page layout of the report,
// A4 pages with the work's title at their head and "Pagina N di M" at their foot.
namespace relazionedocument {

// The text document of the report, ready for the editor, the printer or an export.
std::unique_ptr<QTextDocument> make(const relazione::Document& document);
// The title a PDF of it carries.
QString title(const relazione::Document& document);
QByteArray pdf(const relazione::Document& document);
QByteArray odt(const relazione::Document& document);

} // namespace relazionedocument

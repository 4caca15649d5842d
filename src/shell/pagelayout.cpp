#include "shell/pagelayout.h"

#include "core/building.h"
#include "shell/diagramobject.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <memory>

namespace pagelayout {

namespace {
constexpr double marginMm = 20.0;
// Room under the text for the page number, and above it for the line naming the work, in
// points.
constexpr double footerPt = 24.0;
constexpr double headerPt = 24.0;
// Where the document keeps its head line: a property of the document itself, so that the
// printer, the preview and the PDF writer, handed only the document, all print it.
constexpr char headerProperty[] = "tremoraIntestazione";
constexpr int keptTogether = QTextFormat::UserProperty + 1;

bool isKept(const QTextBlock& block) {
    return block.blockFormat().boolProperty(keptTogether);
}

// A table that would run from one page onto the next, but fits on one, starts on a new
// page. The tables are moved from the top down, as moving one moves all after it.
void moveTablesOntoOnePage(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // The frame's margins take room on every page.
    const double room = pageHeight - 2 * document.rootFrame()->frameFormat().margin();
    for (QTextBlock first = document.begin(); first.isValid();) {
        if (!isKept(first)) {
            first = first.next();
            continue;
        }
        QTextBlock last = first;
        while (last.next().isValid() && isKept(last.next()))
            last = last.next();
        const double top = layout->blockBoundingRect(first).top();
        const double bottom = layout->blockBoundingRect(last).bottom();
        if (int(top / pageHeight) != int((bottom - 0.5) / pageHeight) && bottom - top <= room) {
            QTextBlockFormat format = first.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(format);
        }
        first = last.next();
    }
}

// Every run with its font's family and size written out: the writer names only what a run
// sets itself, and a family set as a whole font it does not see at all.
void nameEveryFont(QTextDocument& document) {
    const QFont base = document.defaultFont();
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QFont font = fragment.charFormat().font().resolve(base);
            // The font really used, not an alias such as "monospace" that a word processor
            // elsewhere may not know.
            const QString family = QFontInfo(font).family();
            QTextCharFormat named;
            named.setFontFamilies(QStringList{family});
            named.setProperty(QTextFormat::OldFontFamily, family);
            if (font.pointSizeF() > 0)
                named.setFontPointSize(font.pointSizeF());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(named);
        }
    }
}
} // namespace

QString headerLine(const building::Project& project) {
    QStringList parts;
    for (const QString& part : {project.titolo.simplified(), project.committente.simplified()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QStringLiteral(" – "));
}

void setHeaderLine(QTextDocument& document, const QString& line) {
    document.setProperty(headerProperty, line);
}

QString headerLineOf(const QTextDocument& document) {
    return document.property(headerProperty).toString();
}

void keepTogether(QTextBlockFormat& format) {
    format.setProperty(keptTogether, true);
}

void setUp(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
}

int paint(const QTextDocument& document, QPagedPaintDevice& device) {
    // A copy laid out at the device's resolution, so that 12 pt on screen is 12 pt on paper.
    std::unique_ptr<QTextDocument> copy(document.clone());
    // The diagrams of a calculation report are drawn by the program, in any copy.
    diagramobject::install(*copy);
    copy->documentLayout()->setPaintDevice(&device);
    const int dpi = device.logicalDpiY();
    const QRectF area = device.pageLayout().paintRectPixels(dpi);
    const double footer = footerPt * dpi / 72.0;
    const QString headLine = headerLineOf(document);
    const double header = headLine.isEmpty() ? 0.0 : headerPt * dpi / 72.0;
    const QSizeF body(area.width(), area.height() - header - footer);
    copy->setPageSize(body);
    moveTablesOntoOnePage(*copy, body.height());
    const int pages = copy->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    QFont footerFont = copy->defaultFont();
    footerFont.setPointSizeF(9.0);
    // A title longer than the line is cut with "…" rather than run into the margin.
    const QString shownHead =
        QFontMetricsF(footerFont, &device).elidedText(headLine, Qt::ElideRight, body.width());
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(0, header - page * body.height());
        const QRectF view(0, page * body.height(), body.width(), body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        painter.setClipRect(view);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        if (header > 0)
            painter.drawText(QRectF(0, 0, body.width(), header), Qt::AlignHCenter | Qt::AlignTop,
                             shownHead);
        painter.drawText(QRectF(0, header + body.height(), body.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pages));
    }
    return pages;
}

QByteArray pdf(const QTextDocument& document, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tremora"));
        setUp(writer);
        paint(document, writer);
    }
    return buffer.data();
}

QByteArray odt(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    diagramobject::replaceWithImages(*copy);
    nameEveryFont(*copy);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(copy.get()))
        return QByteArray();
    return buffer.data();
}

} // namespace pagelayout

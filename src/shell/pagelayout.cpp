#include "shell/pagelayout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <memory>

namespace pagelayout {

namespace {
constexpr double marginMm = 20.0;
// Room under the text for the page number, in points.
constexpr double footerPt = 24.0;
} // namespace

void setUp(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
}

int paint(const QTextDocument& document, QPagedPaintDevice& device) {
    // A copy laid out at the device's resolution, so that 12 pt on screen is 12 pt on paper.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    const int dpi = device.logicalDpiY();
    const QRectF area = device.pageLayout().paintRectPixels(dpi);
    const double footer = footerPt * dpi / 72.0;
    const QSizeF body(area.width(), area.height() - footer);
    copy->setPageSize(body);
    const int pages = copy->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    QFont footerFont = copy->defaultFont();
    footerFont.setPointSizeF(9.0);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        const QRectF view(0, page * body.height(), body.width(), body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        painter.setClipRect(view);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, body.height(), body.width(), footer),
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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&document))
        return QByteArray();
    return buffer.data();
}

} // namespace pagelayout

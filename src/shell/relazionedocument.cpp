#include "shell/relazionedocument.h"

#include "shell/diagramobject.h"
#include "shell/pagelayout.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace relazionedocument {

namespace {

using relazione::Block;

// A family with every sign the formulas use (√, Σ, γ, ε, β, δ, ≤, ², ·, −).
const QString family = QStringLiteral("DejaVu Sans");
constexpr double bodyPt = 10.0;

QTextCharFormat charFormat(double pointSize, bool bold = false, bool italic = false) {
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(pointSize);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    // No ligatures: "fi" stays two letters, so that the PDF's text reads and searches as
    // written.
    f.setFontStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QTextBlockFormat blockFormat(Qt::Alignment alignment, double above, double below,
                             double indent = 0.0) {
    QTextBlockFormat f;
    f.setAlignment(alignment);
    f.setTopMargin(above);
    f.setBottomMargin(below);
    f.setLeftMargin(indent);
    return f;
}

class Builder {
  public:
    explicit Builder(QTextDocument& d) : m_document(d), m_cursor(&d) {}

    void cover(const relazione::Cover& cover) {
        m_cursor.setBlockFormat(blockFormat(Qt::AlignHCenter, 120, 40));
        m_cursor.insertText(cover.title, charFormat(22, true));
        QTextTableFormat tf;
        tf.setBorder(0);
        tf.setCellPadding(4);
        tf.setAlignment(Qt::AlignHCenter);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 90));
        tf.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 35),
                                      QTextLength(QTextLength::PercentageLength, 65)});
        QTextTable* table = m_cursor.insertTable(int(cover.lines.size()), 2, tf);
        for (int r = 0; r < int(cover.lines.size()); ++r) {
            QTextCursor c = table->cellAt(r, 0).firstCursorPosition();
            c.insertText(cover.lines[std::size_t(r)].first, charFormat(11, true));
            c = table->cellAt(r, 1).firstCursorPosition();
            c.insertText(cover.lines[std::size_t(r)].second, charFormat(11));
        }
        m_cursor.movePosition(QTextCursor::End);
        m_reuse = true;
        m_afterCover = true;
    }

    void block(const Block& b) {
        switch (b.kind) {
        case Block::Kind::Heading: {
            QTextBlockFormat f = blockFormat(Qt::AlignLeft, 14, 6);
            // The first heading opens the pages after the cover.
            if (m_afterCover)
                f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            m_afterCover = false;
            // A heading goes onto the page of what follows it.
            pagelayout::keepTogether(f);
            m_keepNext = true;
            paragraph(f, b.text, charFormat(13, true));
            return;
        }
        case Block::Kind::Paragraph:
            paragraph(blockFormat(Qt::AlignJustify, 3, 3), b.text, charFormat(bodyPt));
            break;
        case Block::Kind::Formula:
            paragraph(blockFormat(Qt::AlignLeft, 2, 2, 18), b.text, charFormat(bodyPt));
            break;
        case Block::Kind::Note:
            paragraph(blockFormat(Qt::AlignLeft, 4, 6, 18), b.text, charFormat(bodyPt, true));
            break;
        case Block::Kind::Table:
            table(b.table);
            break;
        case Block::Kind::Figure:
            figure(b);
            break;
        }
        m_keepNext = false;
    }

  private:
    void paragraph(QTextBlockFormat format, const QString& text, const QTextCharFormat& chars) {
        if (m_keepNext)
            pagelayout::keepTogether(format);
        newBlock(format, chars);
        m_cursor.insertText(text, chars);
    }

    // The document starts with an empty block, and a table is followed by one: the next
    // text goes there.
    void newBlock(const QTextBlockFormat& format, const QTextCharFormat& chars) {
        if (m_reuse)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format, chars);
        m_cursor.setBlockCharFormat(chars);
        m_reuse = false;
    }

    void table(const relazione::Table& t) {
        QTextTableFormat tf;
        tf.setBorder(0.5);
        tf.setBorderBrush(Qt::black);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderCollapse(true);
        tf.setCellSpacing(0);
        tf.setCellPadding(3);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        // The header row again at the top of every page the table runs onto.
        tf.setHeaderRowCount(1);
        const int rows = int(t.rows.size()) + 1;
        const int columns = int(t.header.size());
        QTextTable* table = m_cursor.insertTable(rows, columns, tf);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                QTextTableCell cell = table->cellAt(r, c);
                QTextCursor at = cell.firstCursorPosition();
                QTextBlockFormat bf;
                bf.setAlignment(r == 0   ? Qt::AlignHCenter
                                : c == 0 ? Qt::AlignLeft
                                         : Qt::AlignRight);
                // The heading and its rows go onto one page when they fit on one.
                if (m_keepNext)
                    pagelayout::keepTogether(bf);
                at.setBlockFormat(bf);
                if (r == 0) {
                    QTextCharFormat shade = cell.format();
                    shade.setBackground(QColor(225, 225, 225));
                    cell.setFormat(shade);
                }
                at.insertText(r == 0 ? t.header.value(c) : t.rows[std::size_t(r - 1)].value(c),
                              charFormat(9, r == 0));
            }
        m_cursor.movePosition(QTextCursor::End);
        m_reuse = true;
    }

    void figure(const Block& b) {
        QTextBlockFormat f = blockFormat(Qt::AlignHCenter, 8, 2);
        if (m_keepNext)
            pagelayout::keepTogether(f);
        newBlock(f, charFormat(bodyPt));
        m_cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                            diagramobject::format(b.figure));
        // The caption stays with its diagram.
        QTextBlockFormat caption = blockFormat(Qt::AlignHCenter, 2, 8);
        m_cursor.insertBlock(caption);
        m_cursor.insertText(b.text, charFormat(9, false, true));
    }

    QTextDocument& m_document;
    QTextCursor m_cursor;
    bool m_afterCover = false;
    bool m_reuse = false;
    bool m_keepNext = false;
};

} // namespace

std::unique_ptr<QTextDocument> make(const relazione::Document& source) {
    auto document = std::make_unique<QTextDocument>();
    QFont font(family);
    font.setPointSizeF(bodyPt);
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    diagramobject::install(*document);
    // One edit: the document is laid out once, when it is whole, not after every cell.
    QTextCursor edit(document.get());
    edit.beginEditBlock();
    Builder builder(*document);
    builder.cover(source.cover);
    for (const Block& b : source.blocks)
        builder.block(b);
    edit.endEditBlock();
    pagelayout::setHeaderLine(*document, pagelayout::headerLine(source.project));
    return document;
}

QString title(const relazione::Document& document) {
    const QString work = pagelayout::headerLine(document.project);
    return work.isEmpty() ? QStringLiteral("Relazione di calcolo")
                          : QStringLiteral("Relazione di calcolo – ") + work;
}

QByteArray pdf(const relazione::Document& document) {
    return pagelayout::pdf(*make(document), title(document));
}

QByteArray odt(const relazione::Document& document) {
    return pagelayout::odt(*make(document));
}

} // namespace relazionedocument

#include "shell/shell.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

void Shell::appendReportText(const QString& text) {
    // The report lives in the editor RichTextBox1 of the window that is the shell.
    auto* self = dynamic_cast<QObject*>(this);
    QTextEdit* editor =
        self ? self->findChild<QTextEdit*>(QStringLiteral("RichTextBox1")) : nullptr;
    if (!editor) {
        setReportText(reportText() + text);
        return;
    }
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat fixed;
    fixed.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    cursor.beginEditBlock();
    // An empty line between the report and the new lines.
    if (!editor->document()->isEmpty()) {
        if (!cursor.block().text().isEmpty())
            cursor.insertBlock();
        cursor.insertBlock(QTextBlockFormat(), fixed);
    }
    cursor.insertText(text, fixed);
    cursor.endEditBlock();
}

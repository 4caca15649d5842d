#include "shell/reportdocument.h"

#include "core/cp1252.h"
#include "core/diskfile.h"
#include "shell/diagramobject.h"
#include "shell/pagelayout.h"
#include "shell/prompts.h"
#include "shell/routes.h"
#include "shell/shell.h"

#include <algorithm>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
const QString programCaption = QStringLiteral("TREMORA");
const QString programTitle = QStringLiteral("Tremora");
const QString saveQuestion = QStringLiteral("Si vogliono salvare le modifiche?");
const QString crlf = QStringLiteral("\r\n");

const QString openHint = QStringLiteral("Apre un file di testo (.txt)");
const QString saveHint = QStringLiteral("Salva il file corrente specificandone il percorso");
const QString printHint = QStringLiteral("Stampa il file corrente");
const QString closeHint = QStringLiteral("Chiude il file corrente");
const QString dateHint =
    QStringLiteral("Inserisce la data corrente all'inizio della relazione statica o dinamica");
const QString addressHint = QStringLiteral(
    "Inserisce l'indirizzo del committente all'inizio della relazione statica o dinamica");
const QString fontHint =
    QStringLiteral("Consente di formattare il carattere del testo selezionato");
const QString boldHint = QStringLiteral("Pone in neretto il testo selezionato");
const QString italicHint = QStringLiteral("Pone in corsivo il testo selezionato");
const QString underlineHint = QStringLiteral("Sottolinea il testo selezionato");
const QString clearHint = QStringLiteral("Cancella tutto il contenuto della casella di testo");
const QString previewHint =
    QStringLiteral("Mostra le pagine della relazione come saranno stampate");
const QString pdfHint = QStringLiteral("Esporta la relazione in un documento PDF");
const QString odtHint =
    QStringLiteral("Esporta la relazione in un documento OpenDocument (.odt) con la sua "
                   "formattazione");

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// "x (U+0078)" for each character, so that invisible ones can be found too.
QString describe(const QString& characters) {
    QStringList items;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        char32_t code = characters[i].unicode();
        QString shown(characters[i]);
        if (characters[i].isHighSurrogate() && i + 1 < characters.size()) {
            code = QChar::surrogateToUcs4(characters[i], characters[i + 1]);
            shown = characters.mid(i, 2);
            ++i;
        }
        if (items.size() == 10) {
            items << QStringLiteral("...");
            break;
        }
        const QString hex = QString::number(uint(code), 16).toUpper();
        items << QStringLiteral("%1 (U+%2)").arg(shown, hex.rightJustified(4, QLatin1Char('0')));
    }
    return items.join(QStringLiteral(", "));
}

// The first line that differs between two readings of a file, cut to a length that fits a
// message, between guillemets.
QString sample(const QString& text) {
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\\r\\n]+")));
    QString line = lines.value(0);
    for (const QString& l : lines)
        if (std::any_of(l.begin(), l.end(), [](QChar c) { return c.unicode() >= 0x80; })) {
            line = l;
            break;
        }
    if (line.size() > 60)
        line = line.left(60) + QStringLiteral("...");
    return QStringLiteral("«") + line + QStringLiteral("»");
}

// Whether every character of the cursor's selection has the attribute.
bool wholeSelectionHas(const QTextCursor& cursor,
                       const std::function<bool(const QTextCharFormat&)>& has) {
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = cursor.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            if (!has(fragment.charFormat()))
                return false;
        }
    }
    return true;
}

// Merges a format change into the selection, or into the format of the text typed next.
void applyFormat(QTextEdit* editor, const QTextCharFormat& change) {
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(change);
        return;
    }
    QTextCharFormat next = editor->currentCharFormat();
    next.merge(change);
    editor->setCurrentCharFormat(next);
}
} // namespace

ReportDocument::ReportDocument(QTextEdit* editor, Prompts& prompts, Shell& shell, QWidget* owner)
    : QObject(editor), m_editor(editor), m_prompts(prompts), m_shell(shell), m_owner(owner),
      m_caption(programCaption) {
    // A new report starts unchanged. Every change of the text, whoever makes it, marks the
    // document as changed.
    setModified(false);
    connect(m_editor, &QTextEdit::textChanged, this, &ReportDocument::markChanged);
    follow(m_editor->document());
}

void ReportDocument::follow(QTextDocument* document) {
    connect(document, &QTextDocument::modificationChanged, this, &ReportDocument::modifiedChanged);
}

bool ReportDocument::isModified() const {
    return m_editor->document()->isModified();
}

void ReportDocument::setModified(bool modified) {
    m_editor->document()->setModified(modified);
}

void ReportDocument::markChanged() {
    // The editor's document ties its flag to the undo history: Undo back to the saved state
    // clears it. Here every change counts, the way back included, so that Exit still asks.
    // Set anew (quietly when it is already set), the flag stops following the history until
    // a save, open or close clears it, and never drops for a moment on the way back.
    QTextDocument* document = m_editor->document();
    if (!document->isModified()) {
        document->setModified(true);
        return;
    }
    const QSignalBlocker quiet(document);
    document->setModified(false);
    document->setModified(true);
}

void ReportDocument::setText(const QString& text) {
    // One step of the editor's history, so that Ctrl+Z brings back the previous text with
    // its formatting. The new text is plain: the block and character formats are reset before
    // it goes in.
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.insertText(text, QTextCharFormat());
    cursor.endEditBlock();
    m_editor->setCurrentCharFormat(QTextCharFormat());
    m_editor->moveCursor(QTextCursor::Start);
    // Also when the text and its formats were already those.
    markChanged();
}

void ReportDocument::setRichText(const QTextDocument& content) {
    QTextDocument* document = m_editor->document();
    // The editor draws the diagrams the content may hold.
    diagramobject::install(*document);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.insertFragment(QTextDocumentFragment(&content));
    cursor.endEditBlock();
    m_editor->moveCursor(QTextCursor::Start);
    markChanged();
}

void ReportDocument::load(const QString& text) {
    // A file's text goes into a fresh document, built before the editor lays it out: a
    // report of several megabytes loads noticeably faster than through the editor's own
    // document. The history starts with the file.
    QTextDocument* previous = m_editor->document();
    // The editor deletes the document it made itself; ours are deleted here.
    const bool ours = previous->parent() == this;
    auto* next = new QTextDocument(this);
    next->setDefaultFont(previous->defaultFont());
    next->setDefaultTextOption(previous->defaultTextOption());
    next->setDocumentMargin(previous->documentMargin());
    next->setPlainText(text);
    next->setUndoRedoEnabled(true);
    m_editor->setDocument(next);
    m_editor->setCurrentCharFormat(QTextCharFormat());
    if (ours)
        delete previous;
    markChanged();
    // The new document came in changed, before its flag was followed.
    follow(next);
    emit modifiedChanged(isModified());
}

QString ReportDocument::text() const {
    // The editor ends each line with a paragraph separator (or a line separator, typed with
    // Shift+Enter), and setPlainText took CR LF as one such separator: both go back to
    // CR LF. Non-breaking spaces and trailing blanks stay as they are. A formatted document
    // (the calculation report) also parts blocks with the marks that open and close a
    // table, which end a line too, and holds its diagrams as objects, which have no text.
    const QString raw = m_editor->document()->toRawText();
    const auto endsLine = [](QChar ch) {
        return ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator ||
               ch.unicode() == 0xfdd0 || ch.unicode() == 0xfdd1;
    };
    qsizetype breaks = 0;
    for (const QChar ch : raw)
        breaks += endsLine(ch) ? 1 : 0;
    QString out(raw.size() + breaks, Qt::Uninitialized);
    QChar* dst = out.data();
    for (const QChar ch : raw) {
        if (endsLine(ch)) {
            *dst++ = QLatin1Char('\r');
            *dst++ = QLatin1Char('\n');
        } else if (ch != QChar::ObjectReplacementCharacter) {
            *dst++ = ch;
        }
    }
    out.truncate(dst - out.constData());
    return out;
}

void ReportDocument::setCaption(const QString& caption) {
    m_caption = caption;
    emit captionChanged(caption);
}

void ReportDocument::setCloseEnabled(bool enabled) {
    m_closeEnabled = enabled;
    emit closeEnabledChanged(enabled);
}

void ReportDocument::message(const QString& text) {
    m_prompts.message(m_owner, programTitle, text);
}

ReportDocument::SaveOutcome ReportDocument::offerToSave() {
    if (!isModified())
        return SaveOutcome::Unchanged;
    switch (m_prompts.yesNoCancel(m_owner, programTitle, saveQuestion)) {
    case Prompts::Answer::Yes:
        break;
    case Prompts::Answer::No:
        return SaveOutcome::Declined;
    case Prompts::Answer::Cancel:
        return SaveOutcome::Cancelled;
    }
    const auto path = m_prompts.saveFileName(m_owner);
    if (!path || !writeTo(*path))
        return SaveOutcome::Cancelled;
    setModified(false);
    setCaption(QFileInfo(*path).fileName());
    return SaveOutcome::Saved;
}

bool ReportDocument::writeTo(const QString& path) {
    const QString text = this->text();
    const QString unsavable = textfile::unsavable(text);
    if (!unsavable.isEmpty()) {
        message(QStringLiteral("Il testo contiene caratteri che un file di testo non può "
                               "contenere: ") +
                describe(unsavable) + crlf +
                QStringLiteral("Eliminarli prima di salvare il file."));
        return false;
    }
    QByteArray bytes;
    if (auto encoded = textfile::encode(text, m_keepCodePage)) {
        bytes = std::move(encoded->bytes);
    } else {
        // Never replace what the code page lacks behind the user's back.
        const int choice = m_prompts.choose(
            m_owner, programTitle,
            QStringLiteral("Il testo contiene caratteri che la codifica Windows-1252 non può "
                           "rappresentare: ") +
                describe(cp1252::unencodable(text)) + crlf +
                QStringLiteral("Si può salvare il file nella codifica UTF-8, che li conserva, "
                               "oppure annullare il salvataggio."),
            {QStringLiteral("Salva in UTF-8"), QStringLiteral("Annulla")});
        if (choice != 0)
            return false;
        bytes = textfile::utf8WithBom(text);
    }
    // The old file stays whole until every byte of the new one is known to be on the disk.
    const QString failure = diskfile::write(path, bytes);
    if (!failure.isEmpty()) {
        message(QStringLiteral("Impossibile salvare il file ") + shownPath(path) +
                QStringLiteral(": ") + failure + QLatin1Char('.') + crlf +
                QStringLiteral("Il file precedente, se esisteva, non è stato modificato."));
        return false;
    }
    m_savedPath = shownPath(path);
    m_path = path;
    return true;
}

std::optional<QString> ReportDocument::readFrom(const QString& path) {
    const auto file = diskfile::readRegular(path, maxFileSize);
    switch (file.outcome) {
    case diskfile::ReadResult::Read:
        break;
    case diskfile::ReadResult::Failed:
        message(QStringLiteral("Impossibile aprire il file ") + shownPath(path) +
                QStringLiteral(": ") + file.reason + QLatin1Char('.'));
        return std::nullopt;
    case diskfile::ReadResult::NotRegular:
        message(QStringLiteral("Impossibile aprire ") + shownPath(path) +
                QStringLiteral(": non è un file ordinario (è una pipe, un socket o un "
                               "dispositivo)."));
        return std::nullopt;
    case diskfile::ReadResult::TooLarge:
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" è troppo grande per essere aperto (oltre 50 MB)."));
        return std::nullopt;
    }
    auto decoded = textfile::decode(file.bytes);
    if (!decoded) {
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" non è un file di testo e non può essere aperto."));
        return std::nullopt;
    }
    bool keepCodePage = false;
    textfile::Reading reading = decoded->reading;
    if (decoded->alternative) {
        const textfile::Reading& other = *decoded->alternative;
        const QString otherName = other.encoding == textfile::Encoding::Utf16
                                      ? QStringLiteral("UTF-16")
                                      : QStringLiteral("UTF-8");
        const int choice = m_prompts.choose(
            m_owner, programTitle,
            QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" non indica la propria codifica e si può leggere in due "
                               "modi:") +
                crlf + QStringLiteral("Windows-1252: ") + sample(reading.text) + crlf + otherName +
                QStringLiteral(": ") + sample(other.text) + crlf +
                QStringLiteral("Letto in Windows-1252, il file viene salvato byte per byte "
                               "com'è. Letto in ") +
                otherName +
                QStringLiteral(", al salvataggio viene scritto in Windows-1252 (o in UTF-8, se "
                               "serve a conservarne i caratteri)."),
            {QStringLiteral("Windows-1252"), otherName, QStringLiteral("Annulla")});
        if (choice == 0)
            keepCodePage = true;
        else if (choice == 1)
            reading = other;
        else
            return std::nullopt;
    } else if (decoded->brokenMark) {
        keepCodePage = true;
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" inizia con il segno di una codifica Unicode ma non è scritto "
                               "in quella codifica: è stato aperto in Windows-1252, byte per "
                               "byte, e così sarà salvato."));
    }
    m_keepCodePage = keepCodePage;
    return std::move(reading.text);
}

void ReportDocument::open() {
    m_shell.setIndicator(panels::open, true);
    m_shell.setHint(openHint);
    auto finish = [this] {
        m_shell.setHint(QString());
        m_shell.setIndicator(panels::open, false);
    };
    // Unsaved work is offered for saving before it is replaced.
    if (offerToSave() == SaveOutcome::Cancelled)
        return finish();
    const auto path = m_prompts.openFileName(m_owner);
    if (path)
        openFile(*path);
    finish();
}

bool ReportDocument::openFile(const QString& path) {
    const auto text = readFrom(path);
    if (!text)
        return false;
    setCloseEnabled(true);
    m_path = path;
    load(*text);
    setCaption(QFileInfo(path).fileName());
    // Loading the file changed the text; the document is as the file holds it.
    setModified(false);
    return true;
}

void ReportDocument::saveAs() {
    m_shell.setHint(saveHint);
    m_shell.setIndicator(panels::save, true);
    const auto path = m_prompts.saveFileName(m_owner);
    if (!path || !writeTo(*path)) {
        m_shell.setHint(QString());
        m_shell.setIndicator(panels::save, false);
        return;
    }
    setModified(false);
    setCaption(QFileInfo(*path).fileName());
    m_shell.setHint(QStringLiteral("File salvato in ") + m_savedPath);
    m_shell.setIndicator(panels::save, false);
}

void ReportDocument::print() {
    m_shell.setIndicator(panels::print, true);
    m_shell.setHint(printHint);
    m_shell.setTimerEnabled(true);
    QString failure;
    const QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection()) {
        QTextDocument selection;
        selection.setDefaultFont(m_editor->document()->defaultFont());
        QTextCursor(&selection).insertFragment(cursor.selection());
        failure = m_prompts.print(m_owner, withHeaderLine(selection));
    } else {
        failure = m_prompts.print(m_owner, withHeaderLine(*m_editor->document()));
    }
    if (!failure.isEmpty()) {
        m_shell.setIndicator(panels::print, false);
        message(QStringLiteral("La stampa non è stata eseguita.") + crlf + failure);
    }
}

void ReportDocument::close() {
    m_shell.setHint(closeHint);
    switch (offerToSave()) {
    case SaveOutcome::Cancelled:
        return;
    case SaveOutcome::Saved:
        m_shell.setHint(QStringLiteral("Modifiche salvate in") + m_savedPath);
        break;
    case SaveOutcome::Declined:
        m_shell.setHint(QString());
        break;
    case SaveOutcome::Unchanged:
        break;
    }
    setCaption(programCaption);
    load(QString());
    m_keepCodePage = false;
    m_path.clear();
    setModified(false);
    setCloseEnabled(false);
}

void ReportDocument::insertDate() {
    m_shell.setHint(dateHint);
    m_shell.setTimerEnabled(true);
    const QString today =
        QLocale(QLocale::Italian, QLocale::Italy).toString(QDate::currentDate(), u"dd/MM/yyyy");
    prepend({QStringLiteral("    Data:  ") + today});
}

void ReportDocument::insertAddress() {
    m_shell.setHint(addressHint);
    QStringList block;
    for (const QString& label :
         {QStringLiteral("Tipo di Edificio: "), QStringLiteral("Via - "),
          QStringLiteral("Comune - "), QStringLiteral("Città - "), QStringLiteral("C.A.P. - ")})
        block << QStringLiteral("    ") + label;
    prepend(block);
}

void ReportDocument::prepend(const QStringList& lines) {
    // Each line becomes a plain paragraph of its own above the first one; the paragraphs
    // already there keep their fonts, attributes and alignment, and the insertion is one step
    // of the history. Splitting the first paragraph at its start with its own formats leaves
    // it as it was below an empty paragraph, which then takes the line.
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    for (const QString& line : lines) {
        const QTextBlock first = cursor.block();
        cursor.insertBlock(first.blockFormat(), first.charFormat());
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.setBlockCharFormat(QTextCharFormat());
        cursor.insertText(line, QTextCharFormat());
        cursor.movePosition(QTextCursor::NextBlock);
    }
    cursor.endEditBlock();
}

void ReportDocument::chooseFont() {
    m_shell.setHint(fontHint);
    const auto choice =
        m_prompts.font(m_owner, FontChoice(m_editor->currentFont(), m_editor->textColor()));
    if (choice) {
        QTextCharFormat change;
        change.setFont(choice->font);
        if (choice->colour.isValid())
            change.setForeground(choice->colour);
        applyFormat(m_editor, change);
    }
    m_shell.setHint(QString());
}

void ReportDocument::toggle(const std::function<bool(const QTextCharFormat&)>& has,
                            const std::function<void(QTextCharFormat&, bool)>& set) {
    const QTextCursor cursor = m_editor->textCursor();
    const bool on = cursor.hasSelection() ? !wholeSelectionHas(cursor, has)
                                          : !has(m_editor->currentCharFormat());
    QTextCharFormat change;
    set(change, on);
    applyFormat(m_editor, change);
}

void ReportDocument::toggleBold() {
    m_shell.setHint(boldHint);
    m_shell.setTimerEnabled(true);
    toggle([](const QTextCharFormat& f) { return f.fontWeight() > QFont::Normal; },
           [](QTextCharFormat& f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
}

void ReportDocument::toggleItalic() {
    m_shell.setHint(italicHint);
    toggle([](const QTextCharFormat& f) { return f.fontItalic(); },
           [](QTextCharFormat& f, bool on) { f.setFontItalic(on); });
}

void ReportDocument::toggleUnderline() {
    m_shell.setHint(underlineHint);
    toggle([](const QTextCharFormat& f) { return f.fontUnderline(); },
           [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); });
}

void ReportDocument::clearAll() {
    m_shell.setHint(clearHint);
    setText(QString());
    setModified(false);
    m_shell.setTimerEnabled(true);
}

QString ReportDocument::reportName() const {
    return m_path.isEmpty() ? QStringLiteral("Relazione") : QFileInfo(m_path).fileName();
}

void ReportDocument::preview() {
    m_shell.setHint(previewHint);
    m_prompts.preview(m_owner, withHeaderLine(*m_editor->document()));
    m_shell.setHint(QString());
}

void ReportDocument::exportTo(Prompts::FileKind kind, const QString& hint, const char* suffix,
                              const std::function<QByteArray()>& make) {
    m_shell.setHint(hint);
    const QString base =
        m_path.isEmpty() ? QStringLiteral("Relazione") : QFileInfo(m_path).completeBaseName();
    const auto path =
        m_prompts.saveFileName(m_owner, kind, base + QLatin1Char('.') + QLatin1String(suffix));
    if (!path) {
        m_shell.setHint(QString());
        return;
    }
    const QByteArray bytes = make();
    const QString failure = bytes.isEmpty() ? QStringLiteral("Il documento non è stato composto")
                                            : diskfile::write(*path, bytes);
    if (!failure.isEmpty()) {
        message(QStringLiteral("Impossibile esportare la relazione in ") + shownPath(*path) +
                QStringLiteral(": ") + failure + QLatin1Char('.'));
        m_shell.setHint(QString());
        return;
    }
    m_shell.setHint(QStringLiteral("Relazione esportata in ") + shownPath(*path));
}

QTextDocument& ReportDocument::withHeaderLine(QTextDocument& document) const {
    pagelayout::setHeaderLine(document, m_headerSource ? m_headerSource() : QString());
    return document;
}

void ReportDocument::exportPdf() {
    exportTo(Prompts::FileKind::Pdf, pdfHint, "pdf", [this] {
        return pagelayout::pdf(withHeaderLine(*m_editor->document()), reportName());
    });
}

void ReportDocument::exportOdt() {
    exportTo(Prompts::FileKind::Odt, odtHint, "odt",
             [this] { return pagelayout::odt(*m_editor->document()); });
}

void ReportDocument::append(const QString& text) {
    QTextCursor cursor(m_editor->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat fixed;
    fixed.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The lines go onto one page when printed, heading and rows together.
    QTextBlockFormat table;
    pagelayout::keepTogether(table);
    cursor.beginEditBlock();
    // An empty line between the report and the new lines.
    if (!m_editor->document()->isEmpty()) {
        if (!cursor.block().text().isEmpty())
            cursor.insertBlock();
        cursor.insertBlock(table, fixed);
    } else {
        cursor.setBlockFormat(table);
    }
    cursor.insertText(text, fixed);
    cursor.endEditBlock();
}

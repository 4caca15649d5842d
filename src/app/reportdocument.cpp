#include "app/reportdocument.h"

#include "app/cp1252.h"
#include "app/prompts.h"
#include "app/shell.h"
#include "calc/messages.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
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
    // Every change of the text, whoever makes it, marks the document as changed.
    connect(m_editor, &QTextEdit::textChanged, this, [this] { m_modified = true; });
}

void ReportDocument::setText(const QString& text) {
    // The new text goes into a fresh document, built before the editor lays it out: a
    // report of several megabytes loads noticeably faster than through setPlainText, which
    // also gives the whole text the format at the cursor. A fresh document has no formatting.
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
    m_modified = true;
}

QString ReportDocument::text() const {
    // The editor ends each line with a paragraph separator (or a line separator, typed with
    // Shift+Enter), and setPlainText took CR LF as one such separator: both go back to
    // CR LF. Non-breaking spaces and trailing blanks stay as they are.
    const QString raw = m_editor->document()->toRawText();
    const qsizetype breaks =
        raw.count(QChar(QChar::ParagraphSeparator)) + raw.count(QChar(QChar::LineSeparator));
    QString out(raw.size() + breaks, Qt::Uninitialized);
    QChar* dst = out.data();
    for (const QChar ch : raw) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) {
            *dst++ = QLatin1Char('\r');
            *dst++ = QLatin1Char('\n');
        } else {
            *dst++ = ch;
        }
    }
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
    if (!m_modified)
        return SaveOutcome::Unchanged;
    if (!m_prompts.yesNo(m_owner, programTitle, saveQuestion))
        return SaveOutcome::Declined;
    const auto path = m_prompts.saveFileName(m_owner);
    if (!path || !writeTo(*path))
        return SaveOutcome::Cancelled;
    setModified(false);
    setCaption(QFileInfo(*path).fileName());
    return SaveOutcome::Saved;
}

bool ReportDocument::writeTo(const QString& path) {
    const QString text = this->text();
    QByteArray bytes;
    if (auto encoded = cp1252::encode(text)) {
        bytes = std::move(*encoded);
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
    // The old file stays in place until the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        message(QStringLiteral("Impossibile salvare il file ") + shownPath(path) +
                QStringLiteral(": ") + file.errorString());
        return false;
    }
    m_savedPath = shownPath(path);
    return true;
}

std::optional<QString> ReportDocument::readFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message(QStringLiteral("Impossibile aprire il file ") + shownPath(path) +
                QStringLiteral(": ") + file.errorString());
        return std::nullopt;
    }
    if (file.size() > maxFileSize) {
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" è troppo grande per essere aperto (oltre 50 MB)."));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        message(QStringLiteral("Impossibile leggere il file ") + shownPath(path) +
                QStringLiteral(": ") + file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > maxFileSize) {
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" è troppo grande per essere aperto (oltre 50 MB)."));
        return std::nullopt;
    }
    auto decoded = textfile::decode(bytes);
    if (!decoded) {
        message(QStringLiteral("Il file ") + shownPath(path) +
                QStringLiteral(" non è un file di testo e non può essere aperto."));
        return std::nullopt;
    }
    return std::move(decoded->text);
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
    if (!path)
        return finish();
    const auto text = readFrom(*path);
    if (!text)
        return finish();
    setCloseEnabled(true);
    setText(*text);
    setCaption(QFileInfo(*path).fileName());
    // Loading the file changed the text; the document is as the file holds it.
    setModified(false);
    finish();
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
        failure = m_prompts.print(m_owner, selection);
    } else {
        failure = m_prompts.print(m_owner, *m_editor->document());
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
    setText(QString());
    setModified(false);
    setCloseEnabled(false);
}

void ReportDocument::insertDate() {
    m_shell.setHint(dateHint);
    m_shell.setTimerEnabled(true);
    const QString today =
        QLocale(QLocale::Italian, QLocale::Italy).toString(QDate::currentDate(), u"dd/MM/yyyy");
    setText(QStringLiteral("    Data:  ") + today + crlf + text());
}

void ReportDocument::insertAddress() {
    m_shell.setHint(addressHint);
    QString block;
    for (const QString& label :
         {QStringLiteral("Tipo di Edificio: "), QStringLiteral("Via - "),
          QStringLiteral("Comune - "), QStringLiteral("Città - "), QStringLiteral("C.A.P. - ")})
        block += QStringLiteral("    ") + label + crlf;
    setText(block + text());
}

void ReportDocument::chooseFont() {
    m_shell.setHint(fontHint);
    const auto font = m_prompts.font(m_owner, m_editor->currentFont());
    if (font) {
        QTextCharFormat change;
        change.setFont(*font);
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

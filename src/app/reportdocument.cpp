#include "app/reportdocument.h"

#include "app/cp1252.h"
#include "app/prompts.h"
#include "app/shell.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextEdit>

namespace {
const QString programCaption = QStringLiteral("TREMORA");
const QString programTitle = QStringLiteral("Tremora");
const QString saveQuestion = QStringLiteral("Si vogliono salvare le modifiche?");
} // namespace

ReportDocument::ReportDocument(QTextEdit* editor, Prompts& prompts, Shell& shell, QWidget* owner)
    : QObject(editor), m_editor(editor), m_prompts(prompts), m_shell(shell), m_owner(owner),
      m_caption(programCaption) {
    // Every change of the text, whoever makes it, marks the document as changed.
    connect(m_editor, &QTextEdit::textChanged, this, [this] { m_modified = true; });
}

void ReportDocument::setText(const QString& text) {
    m_editor->setPlainText(text);
}

QString ReportDocument::text() const {
    return m_editor->toPlainText();
}

void ReportDocument::setCaption(const QString& caption) {
    m_caption = caption;
    emit captionChanged(caption);
}

void ReportDocument::setCloseEnabled(bool enabled) {
    m_closeEnabled = enabled;
    emit closeEnabledChanged(enabled);
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
    return SaveOutcome::Saved;
}

bool ReportDocument::writeTo(const QString& path) {
    const QString text = this->text().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const auto bytes = cp1252::encode(text);
    if (!bytes)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        m_prompts.message(m_owner, programTitle,
                          QStringLiteral("Impossibile salvare il file ") + path +
                              QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

void ReportDocument::open() {}
void ReportDocument::saveAs() {}
void ReportDocument::print() {}
void ReportDocument::close() {}
void ReportDocument::insertDate() {}
void ReportDocument::insertAddress() {}
void ReportDocument::chooseFont() {}
void ReportDocument::toggleBold() {}
void ReportDocument::toggleItalic() {}
void ReportDocument::toggleUnderline() {}
void ReportDocument::clearAll() {}

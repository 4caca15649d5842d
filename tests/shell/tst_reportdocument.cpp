#include "core/cp1252.h"
#include "diskfiles.h"
#include "fixture.h"
#include "shell/reportdocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString question = QStringLiteral("Si vogliono salvare le modifiche?");

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every run of characters with one format, paragraph by paragraph.
using Runs = QList<std::pair<QString, QTextCharFormat>>;
Runs runs(const QTextDocument& document) {
    Runs out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        out.append({QStringLiteral("¶"), b.charFormat()});
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.append({it.fragment().text(), it.fragment().charFormat()});
    }
    return out;
}

QStringList kinds(const ScriptedPrompts& prompts) {
    QStringList out;
    for (const auto& s : prompts.shown)
        out << s.kind;
    return out;
}

// A report as the composers write it: CR LF line ends, indentation, blanks at line ends,
// empty lines, code-page characters beyond ASCII.
QString composedReport() {
    return QStringLiteral("    RELAZIONE DI CALCOLO  \r\n"
                          "\r\n"
                          "\r\n"
                          "    FORZE ORIZZONTALI\r\n"
                          "    Fh = C * R * I * W = 12,5 t   \r\n"
                          "    a/g = C * R * ") +
           QChar(0xDF) +
           QStringLiteral(" * E * I\t\r\n"
                          "    Costo stimato: 1.200 \u20AC \u201Cindicativo\u201D \u2013 ") +
           QChar(0xA0) + QStringLiteral("città, perché\r\n\r\n   ");
}

// Saves the text through the real Save As and reads back the bytes.
QByteArray saveAs(Fixture& f, const QString& file) {
    f.prompts.saveNames.push_back(file);
    f.menu("mnuSalvaconnomeItem");
    return readAll(file);
}

} // namespace

class TestReportDocument : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  private slots:
    void startsEmptyAndTracksEveryChange() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        QAction* close = f.main().findChild<QAction*>(QStringLiteral("mnuchiudiitem"));
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));
        QVERIFY(!close->isEnabled());
        QVERIFY(!doc.isModified());
        QVERIFY(doc.text().isEmpty());

        // The user typing.
        QTest::keyClicks(doc.editor(), QStringLiteral("abc"));
        QVERIFY(doc.isModified());
        QCOMPARE(doc.text(), QStringLiteral("abc"));

        // A composer writing, even the text that was already there.
        f.menu("mnucancellaitem");
        QVERIFY(!doc.isModified());
        f.main().setReportText(QString());
        QVERIFY(doc.isModified());
        f.main().setReportText(QStringLiteral("uno\r\ndue"));
        QCOMPARE(f.main().reportText(), QStringLiteral("uno\r\ndue"));

        // Insert date and the client's address.
        for (const char* command : {"mnudataitem", "mnuindirizzoitem"}) {
            f.menu("mnucancellaitem");
            QVERIFY(!doc.isModified());
            f.menu(command);
            QVERIFY2(doc.isModified(), command);
        }
        QCOMPARE(f.main().hint(),
                 QStringLiteral("Inserisce l'indirizzo del committente all'inizio della "
                                "relazione statica o dinamica"));
        QCOMPARE(doc.text(), QStringLiteral("    Tipo di Edificio: \r\n"
                                            "    Via - \r\n"
                                            "    Comune - \r\n"
                                            "    Città - \r\n"
                                            "    C.A.P. - \r\n"));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void composedTextSavesByteForByte() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        const QString report = composedReport();
        f.main().setReportText(report);
        QCOMPARE(doc.text(), report);

        const QString file = path("relazione.txt");
        f.prompts.saveNames.push_back(file);
        f.menu("mnuSalvaconnomeItem");
        const auto expected = cp1252::encode(report);
        QVERIFY(expected);
        QCOMPARE(readAll(file), *expected);
        QVERIFY(expected->contains("\xDF * E"));
        QVERIFY(expected->contains("\x80 \x93indicativo\x94 \x96 \xA0"
                                   "citt\xE0"));
        QVERIFY(expected->endsWith("perch\xE9\r\n\r\n   "));

        // Opened again it reads the same, and saved again it gives the same bytes.
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        QCOMPARE(doc.text(), report);
        const QString again = path("ancora.txt");
        f.prompts.saveNames.push_back(again);
        f.menu("mnuSalvaconnomeItem");
        QCOMPARE(readAll(again), *expected);

        // A line break typed with Shift+Enter is a line break in the file too.
        f.main().setReportText(QStringLiteral("a"));
        doc.editor()->moveCursor(QTextCursor::End);
        QTest::keyClick(doc.editor(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(doc.editor(), QStringLiteral("b"));
        QCOMPARE(doc.text(), QStringLiteral("a\r\nb"));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void saveAsShowsPathAndCaption() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        f.main().setReportText(QStringLiteral("testo"));
        // Bold text is saved as its characters only.
        doc.editor()->selectAll();
        f.menu("mnugrassettoitem");

        f.prompts.saveNames.push_back(std::nullopt);
        f.menu("mnuSalvaconnomeItem");
        QVERIFY(doc.isModified());
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().indicator(2));
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));

        const QString file = path("salvato.txt");
        f.prompts.saveNames.push_back(file);
        f.menu("mnuSalvaconnomeItem");
        QCOMPARE(readAll(file), QByteArray("testo"));
        QVERIFY(!doc.isModified());
        QCOMPARE(f.main().document().caption(), QStringLiteral("salvato.txt"));
        QCOMPARE(f.main().hint(), QStringLiteral("File salvato in ") + file);
        QVERIFY(!f.main().indicator(2));
        // Saving does not open a file: "Chiudi" stays as it was.
        QVERIFY(!doc.canClose());

        // Opened again, the text carries no formatting.
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        QCOMPARE(doc.editor()->document()->defaultFont().pointSize(), 12);
        const QTextBlock block = doc.editor()->document()->firstBlock();
        QCOMPARE(block.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void openLoadsAndAsksBeforeReplacingChanges() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        QAction* close = f.main().findChild<QAction*>(QStringLiteral("mnuchiudiitem"));
        const QString file = path("aperto.txt");
        writeAll(file, QByteArray("riga uno\r\nriga due\r\n"));

        // Without changes: no question.
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        QCOMPARE(kinds(f.prompts), QStringList{"open"});
        QCOMPARE(doc.text(), QStringLiteral("riga uno\r\nriga due\r\n"));
        QCOMPARE(f.main().document().caption(), QStringLiteral("aperto.txt"));
        QVERIFY(close->isEnabled());
        QVERIFY(!doc.isModified());
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().indicator(1));

        // Changes, Yes, the save dialog cancelled: the Open ends, nothing changed.
        f.prompts.clear();
        f.main().setReportText(QStringLiteral("lavoro non salvato"));
        f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::Yes);
        f.prompts.saveNames.push_back(std::nullopt);
        f.menu("mnuApriItem");
        QCOMPARE(kinds(f.prompts), (QStringList{"yesNoCancel", "save"}));
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("Tremora"));
        QCOMPARE(f.prompts.shown[0].text, question);
        QCOMPARE(doc.text(), QStringLiteral("lavoro non salvato"));
        QVERIFY(doc.isModified());
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().indicator(1));

        // Annulla (also Esc or the question's close box): nothing else is asked or changed.
        f.prompts.clear();
        f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::Cancel);
        f.menu("mnuApriItem");
        QCOMPARE(kinds(f.prompts), (QStringList{"yesNoCancel"}));
        QCOMPARE(doc.text(), QStringLiteral("lavoro non salvato"));
        QVERIFY(doc.isModified());
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().indicator(1));

        // No, then the open dialog cancelled: still changed, so Close asks again.
        f.prompts.clear();
        f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::No);
        f.prompts.openNames.push_back(std::nullopt);
        f.menu("mnuApriItem");
        QCOMPARE(kinds(f.prompts), (QStringList{"yesNoCancel", "open"}));
        QCOMPARE(doc.text(), QStringLiteral("lavoro non salvato"));
        QVERIFY(doc.isModified());

        // Yes and a name: the work is saved, then the file opened.
        f.prompts.clear();
        const QString saved = path("lavoro.txt");
        f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::Yes);
        f.prompts.saveNames.push_back(saved);
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        QCOMPARE(kinds(f.prompts), (QStringList{"yesNoCancel", "save", "open"}));
        QCOMPARE(readAll(saved), QByteArray("lavoro non salvato"));
        QCOMPARE(doc.text(), QStringLiteral("riga uno\r\nriga due\r\n"));
        QCOMPARE(f.main().document().caption(), QStringLiteral("aperto.txt"));
        QVERIFY(!doc.isModified());
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void readsUtf8AndCodePageFiles() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        const QString expected = QStringLiteral("città \u20AC \u03C9\r\nfine");
        struct Case {
            const char* name;
            QByteArray bytes;
            QString text;
        } cases[] = {
            {"bom.txt", QByteArray("\xEF\xBB\xBF") + expected.toUtf8(), expected},
            {"utf8.txt", expected.toUtf8(), expected},
            // Not valid UTF-8: read as the code page.
            {"ansi.txt", QByteArray("citt\xE0 \x80\r\nfine \xC3"),
             QStringLiteral("città \u20AC\r\nfine Ã")},
            {"utf16.txt",
             QByteArray("\xFF\xFE", 2) +
                 QByteArray(reinterpret_cast<const char*>(expected.utf16()), expected.size() * 2),
             expected},
        };
        for (const Case& c : cases) {
            const QString file = path(c.name);
            writeAll(file, c.bytes);
            f.prompts.openNames.push_back(file);
            // UTF-8 without its mark could be the code page too: the user says which.
            if (QByteArray(c.name) == "utf8.txt")
                f.prompts.choices.push_back(1);
            f.menu("mnuApriItem");
            QCOMPARE(doc.text(), c.text);
            QVERIFY(!doc.isModified());
        }
        QVERIFY(f.prompts.messages().empty());
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void refusesBinaryAndHugeFiles() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        f.main().setReportText(QStringLiteral("resta"));

        const QString binary = path("immagine.txt");
        writeAll(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
        const QString huge = path("enorme.txt");
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(ReportDocument::maxFileSize + 1));
        }
        const QString missing = path("mancante.txt");
        // Nobody writes into this pipe: reading it would wait for ever.
        const QString pipe = path("pipe.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString notRegular = QStringLiteral(": non è un file ordinario");
        struct Case {
            QString file;
            QString message;
        } cases[] = {
            {pipe, QStringLiteral("Impossibile aprire ") + pipe + notRegular},
            {QStringLiteral("/dev/zero"),
             QStringLiteral("Impossibile aprire /dev/zero") + notRegular},
            {dir.path(), QStringLiteral("Impossibile aprire il file ") + dir.path() +
                             QStringLiteral(": Il percorso indica una cartella.")},
            {binary, QStringLiteral("Il file ") + binary +
                         QStringLiteral(" non è un file di testo e non può essere aperto.")},
            {huge, QStringLiteral("Il file ") + huge +
                       QStringLiteral(" è troppo grande per essere aperto (oltre 50 MB).")},
            {missing, QStringLiteral("Impossibile aprire il file ") + missing},
        };
        for (const Case& c : cases) {
            QElapsedTimer timer;
            timer.start();
            f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::No);
            f.prompts.openNames.push_back(c.file);
            f.menu("mnuApriItem");
            QVERIFY(timer.elapsed() < 2000);
            QVERIFY2(f.prompts.lastMessage().startsWith(c.message), qPrintable(c.file));
            QCOMPARE(f.prompts.lastTitle(), QStringLiteral("Tremora"));
            QCOMPARE(doc.text(), QStringLiteral("resta"));
            QVERIFY(doc.isModified());
            QVERIFY(!doc.canClose());
            QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));
            QVERIFY(!f.main().indicator(1));
        }
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void asksBeforeLeavingTheCodePage() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        const QString report = QStringLiteral("    \u03C9 = 2\u03C0/T \U0001F600 \u03C9\r\n");
        f.main().setReportText(report);
        const QString file = path("greco.txt");
        writeAll(file, QByteArray("versione precedente"));

        // Annulla: nothing written, nothing changed.
        f.prompts.saveNames.push_back(file);
        f.prompts.choices.push_back(1);
        f.menu("mnuSalvaconnomeItem");
        QCOMPARE(f.prompts.shown.back().kind, QStringLiteral("choose"));
        const QString asked = f.prompts.shown.back().text;
        QVERIFY2(asked.contains(QStringLiteral("\u03C9 (U+03C9), \u03C0 (U+03C0), "
                                               "\U0001F600 (U+1F600)")),
                 qPrintable(asked));
        QVERIFY(!asked.contains(QStringLiteral("T (U+")));
        QCOMPARE(readAll(file), QByteArray("versione precedente"));
        QVERIFY(doc.isModified());
        QVERIFY(f.main().hint().isEmpty());
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));

        // UTF-8: written with its byte-order mark, and read back the same.
        f.prompts.saveNames.push_back(file);
        f.prompts.choices.push_back(0);
        f.menu("mnuSalvaconnomeItem");
        QCOMPARE(readAll(file), QByteArray("\xEF\xBB\xBF") + report.toUtf8());
        QVERIFY(!doc.isModified());
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        QCOMPARE(doc.text(), report);
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void failedSaveKeepsOldFileAndDocument() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        f.main().setReportText(QStringLiteral("nuovo testo"));

        // A folder that does not exist.
        const QString nowhere = path("cartella-mancante/relazione.txt");
        f.prompts.saveNames.push_back(nowhere);
        f.menu("mnuSalvaconnomeItem");
        QVERIFY(f.prompts.lastMessage().startsWith(QStringLiteral("Impossibile salvare il file ") +
                                                   nowhere + QStringLiteral(": ")));
        QVERIFY(doc.isModified());
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));
        QVERIFY(f.main().hint().isEmpty());

        // An existing file the user may not write (made read-only): the old file stays whole.
        const QString old = path("sola-lettura.txt");
        writeAll(old, QByteArray("vecchio"));
        QVERIFY(QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup));
        f.prompts.clear();
        f.prompts.saveNames.push_back(old);
        f.menu("mnuSalvaconnomeItem");
        QCOMPARE(f.prompts.messages().size(), size_t(1));
        QVERIFY(f.prompts.lastMessage().contains(QStringLiteral("Il file è di sola lettura")));
        QCOMPARE(readAll(old), QByteArray("vecchio"));
        QVERIFY(doc.isModified());
        QCOMPARE(doc.text(), QStringLiteral("nuovo testo"));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void closeAsksOnlyForChanges_data() {
        using A = Prompts::Answer;
        QTest::addColumn<bool>("changed");
        QTest::addColumn<A>("reply");
        QTest::addColumn<bool>("name");
        QTest::newRow("no changes") << false << A::No << false;
        QTest::newRow("changes, No") << true << A::No << false;
        QTest::newRow("changes, Annulla") << true << A::Cancel << false;
        QTest::newRow("changes, Yes, cancelled") << true << A::Yes << false;
        QTest::newRow("changes, Yes, saved") << true << A::Yes << true;
    }
    void closeAsksOnlyForChanges() {
        QFETCH(bool, changed);
        QFETCH(Prompts::Answer, reply);
        QFETCH(bool, name);
        const bool answer = reply == Prompts::Answer::Yes;
        Fixture f;
        ReportDocument& doc = f.main().document();
        QAction* close = f.main().findChild<QAction*>(QStringLiteral("mnuchiudiitem"));
        const QString file = path("chiudi.txt");
        writeAll(file, QByteArray("dal file"));
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        if (changed)
            QTest::keyClicks(doc.editor(), QStringLiteral("X"));
        const QString text = doc.text();
        f.prompts.clear();
        if (changed)
            f.prompts.yesNoCancelAnswers.push_back(reply);
        const QString saved = path("modifiche.txt");
        if (answer)
            f.prompts.saveNames.push_back(name ? std::optional<QString>(saved) : std::nullopt);

        f.menu("mnuchiudiitem");
        QCOMPARE(f.prompts.shown.empty(), !changed);
        if (changed && reply != Prompts::Answer::No && !name) {
            QCOMPARE(doc.text(), text);
            QVERIFY(doc.isModified());
            QCOMPARE(f.main().document().caption(), QStringLiteral("chiudi.txt"));
            QVERIFY(close->isEnabled());
            QCOMPARE(f.main().hint(), QStringLiteral("Chiude il file corrente"));
            return;
        }
        QVERIFY(doc.text().isEmpty());
        QVERIFY(!doc.isModified());
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));
        QVERIFY(!close->isEnabled());
        if (!changed)
            QCOMPARE(f.main().hint(), QStringLiteral("Chiude il file corrente"));
        else if (!answer)
            QVERIFY(f.main().hint().isEmpty());
        else {
            QCOMPARE(f.main().hint(), QStringLiteral("Modifiche salvate in") + saved);
            QCOMPARE(readAll(saved), text.toLatin1());
        }
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void clearAllKeepsCaptionAndClose() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        const QString file = path("cancella.txt");
        writeAll(file, QByteArray("contenuto"));
        f.prompts.openNames.push_back(file);
        f.menu("mnuApriItem");
        f.main().setTimerEnabled(false);
        f.menu("mnucancellaitem");
        QVERIFY(doc.text().isEmpty());
        QVERIFY(!doc.isModified());
        QCOMPARE(f.main().document().caption(), QStringLiteral("cancella.txt"));
        QVERIFY(doc.canClose());
        QVERIFY(f.main().timerEnabled());
        QCOMPARE(f.main().hint(),
                 QStringLiteral("Cancella tutto il contenuto della casella di testo"));
    }

    // Data and Indirizzo put plain lines above the report and leave every character below as
    // it was: bold, italic and an appended table's fixed pitch. Ctrl+Z takes each command
    // back in one step.
    void insertsAtTheTopKeepingTheFormatting() {
        const QString date = QStringLiteral("    Data:  ") +
                             QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        const QStringList address = {QStringLiteral("    Tipo di Edificio: "),
                                     QStringLiteral("    Via - "), QStringLiteral("    Comune - "),
                                     QStringLiteral("    Città - "),
                                     QStringLiteral("    C.A.P. - ")};
        const struct {
            const char* name;
            std::vector<const char*> commands;
            QStringList lines;
        } rows[] = {
            {"Data", {"mnudataitem"}, {date}},
            {"Data twice: the newer first", {"mnudataitem", "mnudataitem"}, {date, date}},
            {"Indirizzo", {"mnuindirizzoitem"}, address},
            {"Indirizzo, then Data",
             {"mnuindirizzoitem", "mnudataitem"},
             QStringList{date} + address},
        };
        for (const auto& row : rows) {
            Fixture f;
            ReportDocument& doc = f.main().document();
            QTextEdit* editor = doc.editor();
            f.main().setReportText(QStringLiteral("RELAZIONE\r\ntesto in corsivo"));
            QTextCursor c = editor->textCursor();
            c.setPosition(0);
            c.setPosition(9, QTextCursor::KeepAnchor);
            editor->setTextCursor(c);
            f.menu("mnugrassettoitem");
            c.setPosition(19);
            c.setPosition(26, QTextCursor::KeepAnchor);
            editor->setTextCursor(c);
            f.menu("mnucorsivoitem");
            f.main().appendReportText(QStringLiteral("Piano  W (t)\r\n1      10,5"));
            const QString body = doc.text();
            const Runs before = runs(*editor->document());
            f.main().setTimerEnabled(false);

            for (const char* command : row.commands)
                f.menu(command);
            QVERIFY2(doc.text() ==
                         row.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") + body,
                     row.name);
            const Runs after = runs(*editor->document());
            QVERIFY2(after.mid(after.size() - before.size()) == before, row.name);
            for (const auto& [text, format] : after.mid(0, after.size() - before.size()))
                QVERIFY2(format.fontWeight() <= QFont::Normal && !format.fontItalic() &&
                             !format.fontFixedPitch() && format.fontFamilies().isNull(),
                         qPrintable(text));
            QVERIFY2(doc.isModified(), row.name);
            QVERIFY2(f.main().timerEnabled() == (QByteArray(row.commands.back()) == "mnudataitem"),
                     row.name);

            for (size_t i = 0; i < row.commands.size(); ++i)
                QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(doc.text() == body, row.name);
            QVERIFY2(runs(*editor->document()) == before, row.name);
        }
    }

    void togglesCoverPartlyFormattedSelections() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        QTextEdit* editor = doc.editor();
        f.main().setReportText(QStringLiteral("abcdef"));
        auto select = [editor](int from, int to) {
            QTextCursor c = editor->textCursor();
            c.setPosition(from);
            c.setPosition(to, QTextCursor::KeepAnchor);
            editor->setTextCursor(c);
        };
        auto formatAt = [editor](int pos) {
            QTextCursor c(editor->document());
            c.setPosition(pos + 1);
            return c.charFormat();
        };
        struct Attribute {
            const char* command;
            std::function<bool(const QTextCharFormat&)> has;
            bool startsTimer;
        } attributes[] = {
            {"mnugrassettoitem", [](const QTextCharFormat& c) { return c.fontWeight() > 400; },
             true},
            {"mnucorsivoitem", [](const QTextCharFormat& c) { return c.fontItalic(); }, false},
            {"mnusottolineatoitem", [](const QTextCharFormat& c) { return c.fontUnderline(); },
             false},
        };
        for (const Attribute& a : attributes) {
            f.main().setTimerEnabled(false);
            select(0, 2);
            f.menu(a.command); // "ab" on
            QCOMPARE(f.main().timerEnabled(), a.startsTimer);
            QVERIFY(a.has(formatAt(0)) && a.has(formatAt(1)) && !a.has(formatAt(2)));
            select(1, 4);
            f.menu(a.command); // "bcd" partly on: all on
            for (int i = 0; i < 6; ++i)
                QCOMPARE(a.has(formatAt(i)), i < 4);
            select(1, 3);
            f.menu(a.command); // "bc" all on: off
            for (int i = 0; i < 6; ++i)
                QCOMPARE(a.has(formatAt(i)), i == 0 || i == 3);

            // No selection: the text typed next.
            editor->moveCursor(QTextCursor::End);
            f.menu(a.command);
            QTest::keyClicks(editor, QStringLiteral("g"));
            QVERIFY2(a.has(formatAt(6)), a.command);
            f.menu(a.command);
            QTest::keyClicks(editor, QStringLiteral("h"));
            QVERIFY2(!a.has(formatAt(7)), a.command);
            f.main().setReportText(QStringLiteral("abcdef"));
        }
        QCOMPARE(doc.text(), QStringLiteral("abcdef"));
    }

    // A save that did not reach the disk whole is never reported as done: the old file stays
    // as it was, nothing new is left beside it, the document keeps its text and stays
    // changed, and the message says why in Italian. Save As, Close and Exit alike.
    void saveFailuresLeaveEverythingAsItWas() {
        struct Trap {
            const char* name;
            const char* reason;
            // Makes the folder a place where saving fails; false when this machine can't.
            std::function<bool(const QString&, std::unique_ptr<SmallDisk>&)> arm;
            // Runs the save under the condition (another user, a size limit).
            std::function<void(const std::function<void()>&)> during;
        };
        const auto plain = [](const std::function<void()>& save) { save(); };
        const QString old = QStringLiteral("relazione.txt");
        const Trap traps[] = {
            {"disco pieno", "Spazio su disco esaurito",
             [&](const QString& folder, std::unique_ptr<SmallDisk>& disk) {
                 disk = std::make_unique<SmallDisk>(folder, "size=64k");
                 if (!disk->mounted)
                     return false;
                 writeAll(folder + QLatin1Char('/') + old, "vecchio");
                 disk->fill();
                 return true;
             },
             plain},
            {"sola lettura", "sola lettura",
             [&](const QString& folder, std::unique_ptr<SmallDisk>& disk) {
                 disk = std::make_unique<SmallDisk>(folder, "size=64k");
                 if (!disk->mounted)
                     return false;
                 writeAll(folder + QLatin1Char('/') + old, "vecchio");
                 return ::mount(nullptr, disk->where.constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                                nullptr) == 0;
             },
             plain},
            {"permesso negato", "Permesso negato",
             [&](const QString& folder, std::unique_ptr<SmallDisk>&) {
                 QDir().mkpath(folder);
                 writeAll(folder + QLatin1Char('/') + old, "vecchio");
                 return ::chmod(QFile::encodeName(folder).constData(), 0555) == 0;
             },
             // Root may write anywhere: the save runs as nobody.
             [](const std::function<void()>& save) {
                 const uid_t was = ::geteuid();
                 if (was == 0 && ::seteuid(65534) != 0)
                     return;
                 save();
                 if (was == 0)
                     QVERIFY(::seteuid(0) == 0);
             }},
            {"limite di dimensione", "File troppo grande",
             [&](const QString& folder, std::unique_ptr<SmallDisk>&) {
                 QDir().mkpath(folder);
                 writeAll(folder + QLatin1Char('/') + old, "vecchio");
                 return true;
             },
             [](const std::function<void()>& save) {
                 rlimit was{};
                 ::getrlimit(RLIMIT_FSIZE, &was);
                 rlimit small = was;
                 small.rlim_cur = 4096;
                 const auto handler = std::signal(SIGXFSZ, SIG_IGN);
                 ::setrlimit(RLIMIT_FSIZE, &small);
                 save();
                 ::setrlimit(RLIMIT_FSIZE, &was);
                 std::signal(SIGXFSZ, handler);
             }},
        };
        // Larger than what any trap leaves room for.
        const QString report = QStringLiteral("    FORZE ORIZZONTALI\r\n").repeated(2000);
        int armed = 0;
        for (const Trap& trap : traps) {
            for (const char* command : {"mnuSalvaconnomeItem", "mnuchiudiitem", "mnuEsciItem"}) {
                const QByteArray label = QByteArray(trap.name) + ", " + command;
                const QString folder = dir.filePath(QString::fromLatin1(label));
                std::unique_ptr<SmallDisk> disk;
                if (!trap.arm(folder, disk))
                    continue;
                ++armed;
                const QStringList before = entries(folder);
                Fixture f;
                f.main().show();
                QSignalSpy ended(&f.main(), &MainWindow::programEnded);
                ReportDocument& doc = f.main().document();
                if (QByteArray(command) == "mnuchiudiitem") {
                    // Close is enabled by a file that was opened.
                    const QString opened = path("aperto.txt");
                    writeAll(opened, "aperto");
                    f.prompts.openNames.push_back(opened);
                    f.menu("mnuApriItem");
                }
                f.main().setReportText(report);
                const QString caption = f.main().windowTitle();
                if (QByteArray(command) != "mnuSalvaconnomeItem")
                    f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::Yes);
                f.prompts.saveNames.push_back(folder + QLatin1Char('/') + old);
                f.prompts.clear();
                trap.during([&] { f.menu(command); });
                const QString said = f.prompts.lastMessage();
                QVERIFY2(said.startsWith(QStringLiteral("Impossibile salvare il file ")), label);
                QVERIFY2(said.contains(QString::fromUtf8(trap.reason)), qPrintable(said));
                QVERIFY2(!said.contains(QStringLiteral("sconosciuto")), label);
                QCOMPARE(readAll(folder + QLatin1Char('/') + old), QByteArray("vecchio"));
                QCOMPARE(entries(folder), before);
                QVERIFY2(doc.isModified(), label);
                QVERIFY2(doc.text() == report, label);
                QCOMPARE(f.main().windowTitle(), caption);
                QVERIFY2(ended.isEmpty(), label);
                QVERIFY2(!f.main().hint().startsWith(QStringLiteral("File salvato")), label);
                QCOMPARE(f.prompts.unexpected, 0);
                ::chmod(QFile::encodeName(folder).constData(), 0755);
            }
        }
        QVERIFY(armed >= 6);
    }

    // Save, reopen, save again: the same bytes, the same text on screen, and no question,
    // for texts whose code-page bytes would pass for UTF-8 or for a byte-order mark, and for
    // line breaks that came in by pasting.
    void savedTextsReopenAsTheyWere() {
        struct Case {
            const char* name;
            QString text;
            bool pasted;
            QByteArray bytes; // empty: any bytes that read back
        } cases[] = {
            {"code page", QStringLiteral("    perché città \u20AC\r\nfine"), false,
             "    perch\xE9 citt\xE0 \x80\r\nfine"},
            {"looks like utf-8", QStringLiteral("PERCHÉ\u2026"), false, {}},
            {"mojibake", QStringLiteral("Ã¨ già"), false, {}},
            {"utf-16 mark", QStringLiteral("ÿþ inizio"), false, {}},
            {"utf-8 mark", QStringLiteral("ï»¿ inizio"), false, {}},
            {"pasted separators", QStringLiteral("riga\u2028a capo\u2029paragrafo"), true,
             "riga\r\na capo\r\nparagrafo"},
        };
        for (const Case& c : cases) {
            Fixture f;
            ReportDocument& doc = f.main().document();
            if (c.pasted) {
                QGuiApplication::clipboard()->setText(c.text);
                doc.editor()->paste();
            } else {
                f.main().setReportText(c.text);
            }
            const QString shown = doc.text();
            const QString first = path("primo.txt");
            const QByteArray bytes = saveAs(f, first);
            if (!c.bytes.isEmpty())
                QCOMPARE(bytes, c.bytes);
            f.prompts.openNames.push_back(first);
            f.menu("mnuApriItem");
            QVERIFY2(doc.text() == shown, c.name);
            QCOMPARE(saveAs(f, path("secondo.txt")), bytes);
            QVERIFY2(f.prompts.shown.size() == 0 || f.prompts.messages().empty(), c.name);
            QCOMPARE(f.prompts.unexpected, 0);
        }
    }

    // Bytes that read as the code page and as UTF-8 or UTF-16 alike: the user picks; read in
    // the code page the file saves back byte for byte; Annulla or Esc leaves all as it was.
    void doubtfulFilesAskAndKeepTheirBytes() {
        const QByteArray utf8 = QStringLiteral("perché città").toUtf8();
        const QByteArray wide("\xFF\xFE"
                              "ab",
                              4);
        const QByteArray broken("\xEF\xBB\xBF"
                                "perch\xE9");
        struct Case {
            const char* name;
            QByteArray bytes;
            int choice; // -2: no question
            QString text;
            QByteArray resaved;
        } cases[] = {
            {"utf-8 read as code page", utf8, 0, QStringLiteral("perchÃ© cittÃ\u00A0"), utf8},
            {"utf-8 read as utf-8", utf8, 1, QStringLiteral("perché città"), "perch\xE9 citt\xE0"},
            {"utf-16 read as code page", wide, 0, QStringLiteral("ÿþab"), wide},
            {"broken mark", broken, -2, QStringLiteral("ï»¿perché"), broken},
        };
        for (const Case& c : cases) {
            Fixture f;
            ReportDocument& doc = f.main().document();
            const QString file = path("dubbio.txt");
            writeAll(file, c.bytes);
            f.prompts.openNames.push_back(file);
            if (c.choice >= 0)
                f.prompts.choices.push_back(c.choice);
            f.menu("mnuApriItem");
            QCOMPARE(doc.text(), c.text);
            if (c.choice >= 0) {
                QCOMPARE(f.prompts.shown.back().kind, QStringLiteral("choose"));
                QVERIFY(f.prompts.shown.back().text.contains(QStringLiteral("Windows-1252: «")));
            } else {
                QVERIFY(f.prompts.lastMessage().contains(QStringLiteral("byte per byte")));
            }
            QCOMPARE(saveAs(f, path("risalvato.txt")), c.resaved);
            QCOMPARE(f.prompts.unexpected, 0);
        }
        // Annulla (what Esc chooses): the document and the caption stay as they were.
        Fixture f;
        f.main().setReportText(QStringLiteral("resta"));
        const QString file = path("dubbio.txt");
        writeAll(file, utf8);
        f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::No);
        f.prompts.openNames.push_back(file);
        f.prompts.choices.push_back(2);
        f.menu("mnuApriItem");
        QCOMPARE(f.main().document().text(), QStringLiteral("resta"));
        QCOMPARE(f.main().document().caption(), QStringLiteral("TREMORA"));
        QVERIFY(!f.main().document().canClose());
    }

    // Commands that replace the text or add lines to it are one step of the history: Ctrl+Z
    // brings back the text with its formatting, and the document counts as changed again.
    void replacingTheTextCanBeUndone() {
        struct Case {
            const char* name;
            std::function<void(Fixture&)> command;
        } cases[] = {
            {"Cancella tutto", [](Fixture& f) { f.menu("mnucancellaitem"); }},
            {"Crea Relazione",
             [](Fixture& f) { f.main().setReportText(QStringLiteral("RELAZIONE\r\n")); }},
            {"Data", [](Fixture& f) { f.menu("mnudataitem"); }},
            {"Indirizzo", [](Fixture& f) { f.menu("mnuindirizzoitem"); }},
        };
        for (const Case& c : cases) {
            Fixture f;
            ReportDocument& doc = f.main().document();
            QTextEdit* editor = doc.editor();
            f.main().setReportText(QStringLiteral("Testo scritto\r\ndall'utente"));
            QTextCursor word = editor->textCursor();
            word.setPosition(0);
            word.setPosition(5, QTextCursor::KeepAnchor);
            editor->setTextCursor(word);
            f.menu("mnugrassettoitem");
            saveAs(f, path("salvato.txt"));
            QVERIFY(!doc.isModified());

            c.command(f);
            QVERIFY2(doc.text() != QStringLiteral("Testo scritto\r\ndall'utente"), c.name);
            QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(doc.text() == QStringLiteral("Testo scritto\r\ndall'utente"), c.name);
            QTextCursor probe(editor->document());
            probe.setPosition(3);
            QVERIFY2(probe.charFormat().fontWeight() == QFont::Bold, c.name);
            probe.setPosition(8);
            QVERIFY2(probe.charFormat().fontWeight() != QFont::Bold, c.name);
            QVERIFY2(doc.isModified(), c.name);
            // So Exit asks before the brought-back text is lost.
            f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::No);
            f.menu("mnuEsciItem");
            QVERIFY2(f.prompts.shown.back().text == question, c.name);
        }
    }

    // The title bar shows "*" while changes are unsaved, Undo back to the saved text
    // included; saving and opening clear it.
    void titleMarksUnsavedChanges() {
        Fixture f;
        f.main().show();
        ReportDocument& doc = f.main().document();
        const QString file = path("titolo.txt");
        const auto type = [&](const char* keys) {
            QTest::keyClicks(doc.editor(), QString::fromLatin1(keys));
        };
        const struct {
            const char* step;
            std::function<void()> act;
            const char* text;
            bool modified;
            const char* shown;
        } steps[] = {
            {"typing", [&] { type("abc"); }, "abc", true, "TREMORA*"},
            {"save", [&] { saveAs(f, file); }, "abc", false, "titolo.txt"},
            {"typing again", [&] { type("d"); }, "abcd", true, "titolo.txt*"},
            {"undo to the saved text",
             [&] { QTest::keyClick(doc.editor(), Qt::Key_Z, Qt::ControlModifier); }, "abc", true,
             "titolo.txt*"},
            {"open",
             [&] {
                 f.prompts.yesNoCancelAnswers.push_back(Prompts::Answer::No);
                 f.prompts.openNames.push_back(file);
                 f.menu("mnuApriItem");
             },
             "abc", false, "titolo.txt"},
        };
        for (const auto& s : steps) {
            s.act();
            QVERIFY2(doc.text() == QString::fromLatin1(s.text), s.step);
            QVERIFY2(f.main().isWindowModified() == s.modified, s.step);
            QCOMPARE(f.main().windowHandle()->title(), QString::fromLatin1(s.shown));
        }
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void fontAppliesToSelection() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        QTextEdit* editor = doc.editor();
        f.main().setReportText(QStringLiteral("abcd"));
        QTextCursor c = editor->textCursor();
        c.setPosition(1);
        c.setPosition(3, QTextCursor::KeepAnchor);
        editor->setTextCursor(c);

        f.prompts.fonts.push_back(std::nullopt);
        f.menu("mnucarattereitem");
        QVERIFY(f.main().hint().isEmpty());

        QFont chosen(QStringLiteral("DejaVu Sans"), 20);
        chosen.setStrikeOut(true);
        f.prompts.fonts.push_back(FontChoice(chosen, QColor(Qt::red)));
        f.menu("mnucarattereitem");
        QVERIFY(f.main().hint().isEmpty());
        QTextCursor probe(editor->document());
        probe.setPosition(2);
        QCOMPARE(probe.charFormat().fontPointSize(), 20.0);
        QVERIFY(probe.charFormat().fontStrikeOut());
        QCOMPARE(probe.charFormat().foreground().color(), QColor(Qt::red));
        probe.setPosition(4);
        QVERIFY(!probe.charFormat().fontStrikeOut());
        QVERIFY(probe.charFormat().foreground().color() != QColor(Qt::red));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void printsSelectionOrWholeDocument() {
        Fixture f;
        ReportDocument& doc = f.main().document();
        f.main().setReportText(QStringLiteral("prima riga\r\nseconda riga"));
        f.main().setTimerEnabled(false);
        f.menu("mnuStampaItem");
        QTextCursor c = doc.editor()->textCursor();
        c.setPosition(6);
        c.setPosition(17, QTextCursor::KeepAnchor);
        doc.editor()->setTextCursor(c);
        f.menu("mnuStampaItem");
        QCOMPARE(f.prompts.printedTexts, (QStringList{"prima riga\nseconda riga", "riga\nsecond"}));
        QVERIFY(f.main().indicator(3));
        QVERIFY(f.main().timerEnabled());
        QCOMPARE(f.main().hint(), QStringLiteral("Stampa il file corrente"));
        QVERIFY(f.prompts.messages().empty());

        // A missing printer is told, and the document stays as it was.
        f.main().setIndicator(3, false);
        f.prompts.printResult = QStringLiteral("Nessuna stampante predefinita è installata.");
        f.menu("mnuStampaItem");
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("La stampa non è stata eseguita.\r\nNessuna stampante "
                                "predefinita è installata."));
        QVERIFY(!f.main().indicator(3));
        QVERIFY(doc.isModified());
        QCOMPARE(doc.text(), QStringLiteral("prima riga\r\nseconda riga"));
    }

    void exitAndCloseBox() {
        struct Case {
            const char* name;
            bool changed;
            std::deque<Prompts::Answer> answers;
            std::deque<std::optional<QString>> names;
            std::deque<int> choices;
            bool ends;
        };
        using A = Prompts::Answer;
        const QString saved = path("uscita.txt");
        const Case cases[] = {
            {"no changes", false, {}, {}, {}, true},
            {"No", true, {A::No}, {}, {}, true},
            // Annulla, Esc or the question's close box: the program keeps running.
            {"Annulla", true, {A::Cancel}, {}, {}, false},
            {"Yes, cancelled", true, {A::Yes}, {std::nullopt}, {}, false},
            {"Yes, saved", true, {A::Yes}, {saved}, {}, true},
            // The save itself fails (the user refuses UTF-8): the program keeps running.
            {"Yes, save refused", true, {A::Yes}, {saved}, {1}, false},
        };
        for (bool closeBox : {false, true}) {
            for (const Case& c : cases) {
                const QByteArray label = QByteArray(closeBox ? "close box, " : "Esci, ") + c.name;
                Fixture f;
                f.main().show();
                QSignalSpy ended(&f.main(), &MainWindow::programEnded);
                ReportDocument& doc = f.main().document();
                if (c.changed)
                    f.main().setReportText(
                        QString::fromLatin1(label) +
                        (c.choices.empty() ? QString() : QStringLiteral("\u03C9")));
                f.prompts.yesNoCancelAnswers = c.answers;
                f.prompts.saveNames = c.names;
                f.prompts.choices = c.choices;
                QFile::remove(saved);
                if (closeBox)
                    f.main().close();
                else
                    f.menu("mnuEsciItem");
                QVERIFY2(ended.count() == (c.ends ? 1 : 0), label);
                QVERIFY2(f.main().isVisible() == !c.ends, label);
                QVERIFY2(f.prompts.unexpected == 0, label);
                QVERIFY2(f.prompts.shown.empty() == !c.changed, label);
                if (!c.ends) {
                    QVERIFY2(f.main().hint().isEmpty(), label);
                    QVERIFY2(doc.isModified(), label);
                    QVERIFY2(doc.text().startsWith(QString::fromLatin1(label)), label);
                    QVERIFY2(!QFile::exists(saved), label);
                }
                if (c.names.size() == 1 && c.names.front() && c.ends)
                    QCOMPARE(readAll(saved), label);
            }
        }
    }
};

QTEST_MAIN(TestReportDocument)
#include "tst_reportdocument.moc"

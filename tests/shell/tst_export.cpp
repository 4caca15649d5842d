#include "core/sharedvalues.h"
#include "fixture.h"
#include "shell/reportdocument.h"

#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// A composed report long enough for several pages, with a bold heading.
QString longReport() {
    QString text = QStringLiteral("    RELAZIONE ANALISI STATICA\r\n\r\n");
    for (int i = 1; i <= 120; ++i)
        text +=
            QStringLiteral("    Forza Orizzontale del piano %1 (Fh): %2,5 tonn\r\n").arg(i).arg(i);
    return text + QStringLiteral("    FINE DELLA RELAZIONE");
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool have(const char* tool) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

// A table as "Aggiungi alla relazione" writes it: a heading, a blank line, the rows, a sum.
QString storeyTable(int rows) {
    QString text = QStringLiteral("     AZIONI ORIZZONTALI DI TUTTI I PIANI\n\n"
                                  "     Piano   W (tonn)    h (m)\n");
    for (int i = 1; i <= rows; ++i)
        text += QStringLiteral("     %1       120,0     %2,5\n").arg(i, -2).arg(3 * i, 3);
    return text + QStringLiteral("     Base     %1,0").arg(120 * rows);
}

// The font family named by the style of the span holding the text in content.xml (runs of
// blanks are written as <text:s/> elements, so the text is a word or words with one blank).
QString fontOfSpan(const QString& content, const QString& text) {
    const auto span = QRegularExpression(QStringLiteral("<text:span text:style-name=\"(\\w+)\">"
                                                        "((?:(?!</text:span>).)*?)") +
                                             QRegularExpression::escape(text),
                                         QRegularExpression::DotMatchesEverythingOption)
                          .match(content);
    if (!span.hasMatch())
        return QStringLiteral("<no span>");
    return QRegularExpression(QStringLiteral("<style:style style:name=\"%1\"[^>]*>.*?"
                                             "fo:font-family=\"([^\"]*)\"")
                                  .arg(span.captured(1)),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(content)
        .captured(1);
}

// The report of longReport() exported to a PDF with the given project data: the text of its
// pages as pdftotext lays them out, one page a string.
QStringList exportedPages(const building::Project& project, const QString& pdf) {
    Fixture f;
    f.shared().edificio.project = project;
    f.main().setReportText(longReport());
    f.prompts.saveNames.push_back(pdf);
    f.main().document().exportPdf();
    QStringList pages =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    // pdftotext ends each page with a form feed, the last one too.
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

building::Project projectOf(const QString& titolo, const QString& committente,
                            const QString& localita) {
    building::Project project;
    project.titolo = titolo;
    project.committente = committente;
    project.localita = localita;
    return project;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // The report in the editor, its first line made bold, as the user would format it.
    static void compose(Fixture& f) {
        f.main().setReportText(longReport());
        QTextCursor heading(f.main().document().editor()->document());
        heading.setPosition(4);
        heading.setPosition(29, QTextCursor::KeepAnchor);
        f.main().document().editor()->setTextCursor(heading);
        f.menu("mnugrassettoitem");
    }

  private slots:
    // A4 portrait, the text searchable, every page numbered "Pagina N di M", the title the
    // report's name, the default file name the report's with .pdf.
    void pdfPagesAndText() {
        if (!have("pdftotext") || !have("pdfinfo"))
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        Fixture f;
        const QString report = dir.filePath(QStringLiteral("scuola.txt"));
        f.prompts.saveNames.push_back(report);
        compose(f);
        f.menu("mnuSalvaconnomeItem");
        const QString pdf = dir.filePath(QStringLiteral("scuola.pdf"));
        f.prompts.saveNames.push_back(pdf);
        f.main().document().exportPdf();
        QCOMPARE(f.prompts.shown.back().title, QStringLiteral("pdf"));
        QCOMPARE(f.prompts.shown.back().text, QStringLiteral("scuola.pdf"));
        QCOMPARE(f.main().hint(), QStringLiteral("Relazione esportata in ") + pdf);

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+scuola.txt"))),
                 qPrintable(info));
        const int pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY2(pages >= 3, qPrintable(info));
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("RELAZIONE ANALISI STATICA")));
        QVERIFY(text.contains(QStringLiteral("Forza Orizzontale del piano 77 (Fh): 77,5 tonn")));
        QVERIFY(text.contains(QStringLiteral("FINE DELLA RELAZIONE")));
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QStringLiteral("Pagina %1 di %2").arg(page).arg(pages)));
        QVERIFY(!text.contains(QStringLiteral("Pagina %1 di").arg(pages + 1)));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    // The work named at the head of every page by its title and client, only what is filled
    // in; without either the pages are as without any project data.
    void pdfHeadNamesTheWork_data() {
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("committente");
        QTest::addColumn<QString>("localita");
        QTest::addColumn<QString>("head"); // empty: no head line
        const QString school = QStringLiteral("Scuola media \"G. Pascoli\"");
        const QString town = QStringLiteral("Comune di Gubbio");
        QTest::newRow("title and client")
            << school << town << ""
            << QStringLiteral("Scuola media \"G. Pascoli\" – Comune di Gubbio");
        QTest::newRow("title only") << school << ""
                                    << "Gubbio" << school;
        QTest::newRow("client only") << "" << town << "" << town;
        QTest::newRow("blanks around, a line end inside")
            << "  Scuola\nmedia "
            << " Comune "
            << "" << QStringLiteral("Scuola media – Comune");
        QTest::newRow("blanks only") << "   "
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("only other project data") << ""
                                                 << ""
                                                 << "Gubbio (PG)"
                                                 << "";
    }
    void pdfHeadNamesTheWork() {
        QFETCH(QString, titolo);
        QFETCH(QString, committente);
        QFETCH(QString, localita);
        QFETCH(QString, head);
        if (!have("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QStringList pages = exportedPages(projectOf(titolo, committente, localita),
                                                dir.filePath(QStringLiteral("testata.pdf")));
        if (head.isEmpty()) {
            QCOMPARE(pages, exportedPages({}, dir.filePath(QStringLiteral("senza.pdf"))));
            return;
        }
        QVERIFY(pages.size() >= 3);
        const QString all = pages.join(QString());
        for (int page = 1; page <= pages.size(); ++page) {
            const QString first = pages[page - 1].trimmed().section(QLatin1Char('\n'), 0, 0);
            QCOMPARE(first.trimmed(), head);
            QVERIFY(pages[page - 1].contains(
                QStringLiteral("Pagina %1 di %2").arg(page).arg(pages.size())));
        }
        // The head takes no line of the report.
        for (int i = 1; i <= 120; ++i)
            QVERIFY(all.contains(QStringLiteral("Forza Orizzontale del piano %1 (Fh)").arg(i)));
        QVERIFY(all.contains(QStringLiteral("FINE DELLA RELAZIONE")));
    }

    // Printing, the selection too, and the preview give their pages the head line of the
    // project data as they are at that moment.
    void printAndPreviewNameTheWork() {
        Fixture f;
        f.main().setReportText(longReport());
        building::Project& project = f.shared().edificio.project;
        project = projectOf(QStringLiteral("Scuola"), QStringLiteral("Comune"), QString());
        f.menu("mnuAnteprimaItem");
        f.main().document().print();
        QTextCursor some(f.main().document().editor()->document());
        some.setPosition(4);
        some.setPosition(29, QTextCursor::KeepAnchor);
        f.main().document().editor()->setTextCursor(some);
        f.main().document().print();
        project = building::Project();
        f.main().document().print();
        f.menu("mnuAnteprimaItem");
        QCOMPARE(f.prompts.printedTexts.size(), 3);
        QCOMPARE(f.prompts.printedTexts[1], QStringLiteral("RELAZIONE ANALISI STATICA"));
        const QString head = QStringLiteral("Scuola – Comune");
        QCOMPARE(f.prompts.pageHeads, (QStringList{head, head, head, QString(), QString()}));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    // OpenDocument text with the report's lines and the bold heading as a bold run.
    void odtTextAndBold() {
        if (!have("unzip"))
            QSKIP("unzip is not installed");
        Fixture f;
        compose(f);
        const QString odt = dir.filePath(QStringLiteral("relazione.odt"));
        f.prompts.saveNames.push_back(odt);
        f.main().document().exportOdt();
        QCOMPARE(f.prompts.shown.back().text, QStringLiteral("Relazione.odt"));
        const QString content = run(QStringLiteral("unzip"),
                                    {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
        QVERIFY(content.contains(QStringLiteral("Forza Orizzontale del piano 77 (Fh): 77,5 tonn")));
        // The heading sits in a span whose style is bold.
        const auto span =
            QRegularExpression(QStringLiteral("<text:span text:style-name=\"(\\w+)\">RELAZIONE "
                                              "ANALISI STATICA</text:span>"))
                .match(content);
        QVERIFY2(span.hasMatch(), qPrintable(content.left(2000)));
        const QString style =
            QRegularExpression(QStringLiteral("<style:style style:name=\"%1\"[^>]*>.*?</"
                                              "style:style>")
                                   .arg(span.captured(1)),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(content)
                .captured(0);
        QVERIFY2(style.contains(QStringLiteral("fo:font-weight=\"bold\"")), qPrintable(style));
    }

    // Each run keeps its font in the document: the appended table its fixed-pitch one, so
    // that its columns align in a word processor, the report's text the editor's.
    void odtKeepsTheFonts() {
        if (!have("unzip"))
            QSKIP("unzip is not installed");
        Fixture f;
        compose(f);
        f.main().document().append(storeyTable(3));
        const QString odt = dir.filePath(QStringLiteral("caratteri.odt"));
        f.prompts.saveNames.push_back(odt);
        f.main().document().exportOdt();
        const QString content = run(QStringLiteral("unzip"),
                                    {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
        QCOMPARE(fontOfSpan(content, QStringLiteral("AZIONI ORIZZONTALI DI TUTTI I PIANI")),
                 QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());
        QCOMPARE(fontOfSpan(content, QStringLiteral("Forza Orizzontale del piano 77")),
                 QFontInfo(f.main().document().editor()->document()->defaultFont()).family());
    }

    // A table appended to the report goes onto one page, heading and rows together, wherever
    // the text before it ends; one longer than a page starts right after the text.
    void pdfKeepsATableOnOnePage_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("rows");
        for (int lines = 30; lines <= 60; lines += 3)
            QTest::addRow("%d lines, 10 rows", lines) << lines << 10;
        QTest::newRow("5 lines, 80 rows") << 5 << 80;
    }
    void pdfKeepsATableOnOnePage() {
        QFETCH(int, lines);
        QFETCH(int, rows);
        if (!have("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        Fixture f;
        QString text;
        for (int i = 1; i <= lines; ++i)
            text += QStringLiteral("    Riga %1 della relazione\r\n").arg(i);
        f.main().setReportText(text);
        f.main().document().append(storeyTable(rows));
        const QString pdf = dir.filePath(QStringLiteral("tabella.pdf"));
        f.prompts.saveNames.push_back(pdf);
        f.main().document().exportPdf();
        // pdftotext ends each page with a form feed.
        const QStringList pages =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                .split(QLatin1Char('\f'));
        const auto pageOf = [&](const QString& what) {
            for (int p = 0; p < pages.size(); ++p)
                if (pages[p].contains(what))
                    return p + 1;
            return 0;
        };
        const int heading = pageOf(QStringLiteral("AZIONI ORIZZONTALI DI TUTTI I PIANI"));
        QVERIFY(heading > 0);
        if (rows < 40)
            QCOMPARE(pageOf(QStringLiteral("Base ")), heading);
        else
            QCOMPARE(heading, pageOf(QStringLiteral("Riga %1 della").arg(lines)));
    }

    // Cancelling writes nothing; a folder that is not there is told, and nothing is written.
    void exportsThatDoNotHappen() {
        Fixture f;
        compose(f);
        f.prompts.saveNames.push_back(std::nullopt);
        f.main().document().exportPdf();
        QVERIFY(f.main().hint().isEmpty());
        const QString nowhere = dir.filePath(QStringLiteral("mancante/relazione.odt"));
        f.prompts.saveNames.push_back(nowhere);
        f.main().document().exportOdt();
        QVERIFY(f.prompts.lastMessage().startsWith(
            QStringLiteral("Impossibile esportare la relazione in ") + nowhere));
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(f.main().hint().isEmpty());
        QCOMPARE(f.prompts.unexpected, 0);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"

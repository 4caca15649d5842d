#include "core/calcolo.h"
#include "core/relazione.h"
#include "pdftools.h"
#include "shell/buildingfile.h"
#include "shell/relazionedocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The school of tests/data/relazione: four storeys, the displacement window computed.
buildingdata::File school() {
    const auto read = buildingfile::readFile(QFINDTESTDATA("../data/relazione/scuola.tremora"));
    return read.file.value_or(buildingdata::File{});
}

relazione::Document reportOf(const buildingdata::File& file) {
    return relazione::compose(calcolo::compute(file.shared.edificio, calcolo::savedFields(file)),
                              file.shared.edificio.project, relazione::allSections());
}

// Storeys of 150 t every 3,2 m, the top one 90 t.
buildingdata::File tallBuilding(int count) {
    buildingdata::File file = school();
    file.shared.edificio.storeys.clear();
    for (int i = 1; i <= count; ++i) {
        building::Storey s;
        s.weight = building::typed(i == count ? QStringLiteral("90") : QStringLiteral("150"));
        s.h = building::typed(QString::number(3.2 * i).replace(QLatin1Char('.'), QLatin1Char(',')));
        file.shared.edificio.storeys.push_back(s);
    }
    return file;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return path;
}

} // namespace

class TestRelazioneDocument : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString schoolPdf;

  private slots:
    void initTestCase() {
        if (!pdftools::have("pdftotext") || !pdftools::have("pdfinfo") ||
            !pdftools::have("pdffonts") || !pdftools::have("unzip"))
            QSKIP("poppler-utils and unzip are not installed");
        QVERIFY(!school().shared.edificio.storeys.empty());
        schoolPdf = write(dir, "scuola.pdf", relazionedocument::pdf(reportOf(school())));
    }

    // What a checker looks for, on the page it belongs to: the cover (page 1) with the
    // project data and the code, the storey table's rows with its check, every page's head.
    void pdfText_data() {
        QTest::addColumn<int>("page"); // 1-based; 0 for any page
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, int page, const char* text) {
            QTest::newRow(name) << page << QString::fromUtf8(text);
        };
        row("title", 1, "RELAZIONE DI CALCOLO");
        row("work", 1, "Titolo del lavoro Scuola media \"G. Pascoli\"");
        row("client", 1, "Committente Comune di Gubbio");
        row("place", 1, "Località Gubbio (PG)");
        row("engineer", 1, "Progettista Ing. Maria Rossi");
        row("registration", 1, "Iscrizione all'Ordine Ordine degli Ingegneri di Perugia n. A1234");
        row("date", 1, "Data marzo 2024");
        row("revision", 1, "Revisione 1");
        row("code", 1, "D.M. 19/06/1984");
        row("period", 0, "T = 0,1 · H / √B = 0,1 · 12,50 / √10,00 = 0,395 sec");
        row("table header", 0, "Piano W (t) h (m) γ Kh F (t) V (t) M alla quota del piano (t·m)");
        row("1st storey", 0, "1° 120,00 3,50 0,465 0,047 5,63 41,32 225,63");
        row("4th storey", 0, "4° 80,00 12,50 1,661 0,167 13,40 13,40 0,00");
        row("base", 0, "Base 409,90 41,32 41,32 370,24");
        row("check", 0, "ΣF = C·R·ε·β·I·ΣW: 41,32 t = 41,32 t");
    }
    void pdfText() {
        QFETCH(int, page);
        QFETCH(QString, text);
        const QStringList pages = pdftools::pages(schoolPdf);
        QVERIFY(!pages.isEmpty());
        if (page > 0)
            QVERIFY2(pages.value(page - 1).contains(text), qPrintable(pages.value(page - 1)));
        else
            QVERIFY2(pages.join(QLatin1Char(' ')).contains(text), qPrintable(pages.join("\n")));
    }

    // Every page carries the work at its head and "Pagina N di M" at its foot; the fonts go
    // with the file; a long table starts on the page of its heading.
    void pagesOfBuildings_data() {
        QTest::addColumn<int>("storeys");
        QTest::newRow("the school") << 4;
        QTest::newRow("30 storeys") << 30;
    }
    void pagesOfBuildings() {
        QFETCH(int, storeys);
        const QString pdf =
            write(dir, "edificio.pdf", relazionedocument::pdf(reportOf(tallBuilding(storeys))));
        const int count = pdftools::pageCount(pdf);
        const QStringList pages = pdftools::pages(pdf);
        QCOMPARE(pages.size(), count);
        QVERIFY(count > 1);
        for (int n = 1; n <= count; ++n) {
            const QString& page = pages[n - 1];
            QVERIFY2(page.startsWith(QStringLiteral("Scuola media \"G. Pascoli\" – Comune di "
                                                    "Gubbio")),
                     qPrintable(page.left(80)));
            QVERIFY(page.endsWith(QStringLiteral("Pagina %1 di %2").arg(n).arg(count)));
        }
        QCOMPARE(pdftools::fontsNotEmbedded(pdf), QStringList());
        const auto heading = std::find_if(pages.begin(), pages.end(), [](const QString& p) {
            return p.contains(QStringLiteral("Tabella di tutti i piani"));
        });
        QVERIFY(heading != pages.end());
        QVERIFY(heading->contains(QStringLiteral("%1° ").arg(storeys)));
    }

    // The ODT holds the storey table as a table of the word processor, and the diagrams as
    // pictures.
    void odtTable() {
        const QString odt = write(dir, "scuola.odt", relazionedocument::odt(reportOf(school())));
        const QString content = pdftools::odtContent(odt);
        const int table = content.indexOf(QStringLiteral("<table:table "),
                                          content.indexOf(QStringLiteral("Tabella di tutti")));
        QVERIFY(table > 0);
        const QString rows = content.mid(table, content.indexOf("</table:table>", table) - table);
        QCOMPARE(rows.count(QStringLiteral("<table:table-row")), 6);
        QVERIFY(rows.contains(QStringLiteral("M alla quota del piano (t·m)")));
        QVERIFY(rows.contains(QStringLiteral("370,24")));
        QCOMPARE(content.count(QStringLiteral("<draw:image ")), 2);
    }
};

QTEST_MAIN(TestRelazioneDocument)
#include "tst_relazionedocument.moc"

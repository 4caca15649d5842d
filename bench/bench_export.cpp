// Exporting a 1 MB report to PDF through the report's page layout, beside a bare
// QTextDocument::print to PDF of the same text. Prints the median of five runs of each.
#include "benchsupport.h"
#include "shell/pagelayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString text;
    for (int i = 0; text.size() < 1024 * 1024; ++i)
        text +=
            QStringLiteral("    Forza Orizzontale del piano %1 (Fh): %2,5 tonn\n").arg(i).arg(i);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 12));
    document.setPlainText(text);
    QTemporaryDir dir;

    std::vector<double> ours, bare;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray pdf = pagelayout::pdf(document, QStringLiteral("Relazione"));
        ours.push_back(timer.nsecsElapsed() / 1e6);
        if (pdf.isEmpty())
            return 1;

        timer.restart();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("bare.pdf")));
        document.print(&printer);
        bare.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("PDF of a 1 MB report: Tremora %.0f ms, bare QTextDocument::print %.0f ms, "
                "ratio %.2f\n",
                median(ours), median(bare), median(ours) / median(bare));
    return 0;
}

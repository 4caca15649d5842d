// Times Open and Save As of a 5 MB report through the main window's document, beside a bare
// QTextEdit that loads and saves the same text with nothing around it.
#include "app/program.h"
#include "core/cp1252.h"
#include "shell/help.h"
#include "shell/mainwindow.h"
#include "shell/prompts.h"
#include "shell/reportdocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "benchsupport.h"

namespace {

// A report of about the given size, laid out as the composers write one.
QString generatedReport(qsizetype size) {
    QString text;
    text.reserve(size + 200);
    for (int storey = 1; text.size() < size; ++storey) {
        text += QStringLiteral("    PIANO %1\r\n\r\n").arg(storey);
        text +=
            QStringLiteral("    Peso del piano             W = %1,25 t   \r\n").arg(storey * 37);
        text += QStringLiteral("    Coefficiente di distribuzione  ") + QChar(0x03B3).unicode() +
                QStringLiteral("\r\n");
        text += QStringLiteral("    Forza orizzontale di piano Fh = C * R * I * W = %1,5 t\r\n")
                    .arg(storey * 3);
        text += QStringLiteral("    a/g = C * R * ") + QChar(0xDF) +
                QStringLiteral(" * E * I  -  verifica soddisfatta, perché ") + QChar(0x20AC) +
                QStringLiteral(" città\r\n");
    }
    // The Greek gamma above has no place in the code page: keep the text Windows-1252.
    text.replace(QChar(0x03B3), QLatin1Char('g'));
    return text;
}

// Milliseconds of one run of the step, including the events it leaves behind (layout).
double timed(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("relazione.txt"));
    const QString text = generatedReport(5 * 1024 * 1024);
    const QByteArray bytes = *cp1252::encode(text);
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    FixedPrompts prompts;
    NoHelp help;
    Program program(prompts, help);
    MainWindow& main = program.mainWindow();
    main.resize(800, 600);
    main.show();
    ReportDocument& doc = main.document();

    QTextEdit bare;
    bare.resize(800, 600);
    bare.show();

    const int runs = 5;
    std::vector<double> openDoc, saveDoc, openBare, saveBare;
    for (int i = 0; i < runs; ++i) {
        prompts.openName = source;
        prompts.saveName = dir.filePath(QStringLiteral("salvata-%1.txt").arg(i));
        openDoc.push_back(timed([&] { doc.open(); }));
        saveDoc.push_back(timed([&] { doc.saveAs(); }));
        if (doc.text() != text)
            std::fprintf(stderr, "il documento non corrisponde al testo generato\n");

        const QString bareName = dir.filePath(QStringLiteral("bare-%1.txt").arg(i));
        openBare.push_back(timed([&] {
            QFile file(source);
            if (file.open(QIODevice::ReadOnly))
                bare.setPlainText(QString::fromLatin1(file.readAll()));
        }));
        saveBare.push_back(timed([&] {
            QFile file(bareName);
            if (file.open(QIODevice::WriteOnly))
                file.write(bare.toPlainText()
                               .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                               .toLatin1());
        }));
    }

    const double o = median(openDoc), s = median(saveDoc);
    const double ob = median(openBare), sb = median(saveBare);
    std::printf("Report of %.1f MB, median of %d runs\n", bytes.size() / 1048576.0, runs);
    std::printf("%-10s %14s %14s %8s\n", "", "ReportDocument", "bare QTextEdit", "ratio");
    std::printf("%-10s %11.1f ms %11.1f ms %8.2f\n", "Open", o, ob, o / ob);
    std::printf("%-10s %11.1f ms %11.1f ms %8.2f\n", "Save As", s, sb, s / sb);
    return 0;
}

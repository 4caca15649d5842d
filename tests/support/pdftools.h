#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The tools that read what the program exported, as a person checking the file would:
// pdftotext, pdfinfo and pdffonts (poppler-utils) and unzip.
namespace pdftools {

inline bool have(const char* tool) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

// The tool's standard output, or "<tool failed>".
inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, its blanks and line ends made single blanks, so that a table row
// reads as its cells one after the other.
inline QStringList pages(const QString& pdf) {
    QStringList out;
    for (const QString& page :
         run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
             .split(QLatin1Char('\f')))
        out << page.simplified();
    // pdftotext ends each page with a form feed, the last one too.
    if (!out.isEmpty() && out.back().isEmpty())
        out.removeLast();
    return out;
}

inline int pageCount(const QString& pdf) {
    for (const QString& line : run(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The fonts pdffonts lists as not embedded; "<none listed>" when it lists no font at all.
inline QStringList fontsNotEmbedded(const QString& pdf) {
    const QStringList lines = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    QStringList out;
    int fonts = 0;
    // Two heading lines, then one line a font: name, type, encoding, then emb, sub, uni.
    for (const QString& line : lines.mid(2)) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() < 6)
            continue;
        ++fonts;
        if (words.at(words.size() - 5) != QLatin1String("yes"))
            out << words.front();
    }
    return fonts == 0 ? QStringList{QStringLiteral("<none listed>")} : out;
}

// content.xml of an OpenDocument file.
inline QString odtContent(const QString& odt) {
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
}

} // namespace pdftools

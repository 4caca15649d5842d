#include "core/numtext.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numtext {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Turns the printf text of a number into the Italian one: comma for the decimal point,
// capital E and a signed exponent of at least two digits ("1E+20"), the notation of the
// report's numbers.
QString italianise(const char* buffer) {
    QString s = QString::fromLatin1(buffer);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace

std::optional<double> parse(const QString& text) {
    const QString s = text.trimmed();
    int i = 0;
    const int n = s.size();
    QByteArray ascii;
    ascii.reserve(n + 1);
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ascii.append(s[i++].toLatin1());
    int mantissaDigits = 0;
    while (i < n && isDigit(s[i])) {
        ascii.append(s[i++].toLatin1());
        ++mantissaDigits;
    }
    if (i < n && s[i] == QLatin1Char(',')) {
        ascii.append('.');
        ++i;
        while (i < n && isDigit(s[i])) {
            ascii.append(s[i++].toLatin1());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ascii.append('e');
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ascii.append(s[i++].toLatin1());
        int expDigits = 0;
        while (i < n && isDigit(s[i])) {
            ascii.append(s[i++].toLatin1());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(ascii.constData(), &end);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double round2(double value) {
    if (!std::isfinite(value))
        return value;
    const double scaled = value * 100.0;
    // From 2^52 on every double is a whole number, so a value this large has no hundredths
    // left to round; scaling it could also overflow to infinity (1E307 * 100).
    if (!(std::fabs(scaled) < 4503599627370496.0))
        return value;
    // nearbyint rounds halves to even in the default rounding mode; make sure of the mode.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(scaled);
    std::fesetround(previous);
    return rounded / 100.0;
}

QString format(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString text = italianise(buffer);
    // Fifteen digits round the few doubles just below the largest one up past it, to a text
    // that no double can hold and that would not read back as a number: those are written
    // as the largest fifteen-digit number a double holds.
    if (std::isfinite(value) && !parse(text))
        text = italianise(value < 0 ? "-1.79769313486231e+308" : "1.79769313486231e+308");
    return text;
}

QString formatSingle(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    return italianise(buffer);
}

namespace {

struct Word {
    int start;
    int end;
};

// The words of a line that are numbers, left to right.
QList<Word> numberWords(const QString& line) {
    QList<Word> numbers;
    const int n = line.size();
    int i = 0;
    while (i < n) {
        while (i < n && line[i] == QLatin1Char(' '))
            ++i;
        const int start = i;
        while (i < n && line[i] != QLatin1Char(' '))
            ++i;
        if (i > start && parse(line.mid(start, i - start)))
            numbers.append({start, i});
    }
    return numbers;
}

} // namespace

QString alignNumberColumns(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    int first = 0;
    while (first < lines.size()) {
        const qsizetype columns = numberWords(lines[first]).size();
        int end = first + 1;
        while (columns > 0 && end < lines.size() && numberWords(lines[end]).size() == columns)
            ++end;
        // Column by column from the left, as padding one column moves the ones after it.
        for (qsizetype c = 0; end - first > 1 && c < columns; ++c) {
            int right = 0;
            for (int l = first; l < end; ++l)
                right = std::max(right, numberWords(lines[l])[c].end);
            for (int l = first; l < end; ++l) {
                const Word word = numberWords(lines[l])[c];
                lines[l].insert(word.start, QString(right - word.end, QLatin1Char(' ')));
            }
        }
        first = end;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace numtext

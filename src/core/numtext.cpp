#include "core/numtext.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <system_error>

namespace numtext {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Turns the "%g" text of a number into the Italian one: comma for the decimal point,
// capital E and a signed exponent of at least two digits ("1E+20"), the notation of the
// report's numbers.
QString italianise(const QByteArray& buffer) {
    QString s = QString::fromLatin1(buffer);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

// Whether a number text in C notation that no double can hold is too small rather than too
// large: where its first significant digit stands, counted in powers of ten.
bool tooSmall(const QByteArray& ascii) {
    qsizetype i = 0;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
        ++i;
    long long power = 0; // power of ten of the first significant digit, before the exponent
    bool found = false;
    long long integerDigits = 0;
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
        if (!found && ascii[i] != '0') {
            found = true;
            power = -integerDigits; // corrected below once the integer part is counted
        }
        ++integerDigits;
    }
    if (found)
        power += integerDigits - 1;
    if (i < ascii.size() && ascii[i] == '.') {
        ++i;
        for (long long place = 1; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9';
             ++i, ++place)
            if (!found && ascii[i] != '0') {
                found = true;
                power = -place;
            }
    }
    long long exponent = 0;
    if (i < ascii.size() && ascii[i] == 'e') {
        ++i;
        bool negative = false;
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
            negative = ascii[i++] == '-';
        for (; i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    return found && power + exponent < 0;
}

// %g text of a double with the given significant digits, in C notation.
QByteArray general(double value, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return QByteArray(buffer, int(result.ptr - buffer));
}

// The C library's strtod and printf follow the decimal separator of the process's locale,
// which a desktop program adopts from the user (a comma on an Italian desktop): numbers go
// through <charconv> instead, which always reads and writes the dot.
std::optional<double> readAscii(const QByteArray& ascii, bool zeroWhenTooSmall) {
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    // from_chars takes no leading plus.
    const bool plus = first != last && *first == '+';
    if (plus)
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too small for a double reads as zero with its sign; too large is not a number.
        if (zeroWhenTooSmall && tooSmall(ascii))
            return ascii.startsWith('-') ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> read(const QString& text, bool zeroWhenTooSmall) {
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
    return readAscii(ascii, zeroWhenTooSmall);
}

} // namespace

std::optional<double> parse(const QString& text) {
    return read(text, true);
}

std::optional<double> parseStored(const QString& text) {
    return read(text, false);
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
    QString text = italianise(general(value, 15));
    // Fifteen digits round the few doubles just below the largest one up past it, to a text
    // that no double can hold and that would not read back as a number: those are written
    // as the largest fifteen-digit number a double holds.
    if (std::isfinite(value) && !parse(text))
        text = italianise(value < 0 ? "-1.79769313486231e+308" : "1.79769313486231e+308");
    return text;
}

QString formatDigits(double value, int significantDigits) {
    return italianise(general(value, significantDigits));
}

QString formatSingle(float value) {
    return italianise(general(static_cast<double>(value), 7));
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

QString fixed(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    // A small negative value rounds to "-0,00": no sign for a zero.
    bool zero = true;
    for (QChar c : text)
        if (c.isDigit() && c != QLatin1Char('0'))
            zero = false;
    if (zero && text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace numtext

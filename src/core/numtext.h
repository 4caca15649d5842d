#pragma once

#include <QString>
#include <optional>

// Numbers as the program shows them: Italian notation (decimal comma), results rounded to
// two decimals the way the code's own rounding does it, written as the shortest text.
namespace numtext {

// Reads an Italian number: optional sign, digits, optional decimal comma and digits,
// optional exponent ("1,5E3"). Blanks around the number are allowed. A dot is never a
// thousands separator, so "1.5" and "0.350" are not numbers; neither are "nan", "inf"
// or values that overflow a double.
std::optional<double> parse(const QString& text);

// parse() for a value the program wrote itself (a saved file): text too small for a double
// ("1E-400"), which parse() reads as 0 the way a typed value is, is refused as well, since
// no number the program writes reads back as anything but itself.
std::optional<double> parseStored(const QString& text);

// Scale by 100, round to the even neighbour on an exact tie, divide by 100:
// 2,125 -> 2,12 and 2,375 -> 2,38. A finite value stays finite: one too large to have
// hundredths (from about 4,5E13) is returned as it is.
double round2(double value);

// Shortest text of a double: up to 15 significant digits, no trailing zeros, decimal comma.
QString format(double value);

// Text of a double with at most the given significant digits (1 to 17), no trailing zeros,
// decimal comma: what format() and formatSingle() write with 15 and 7.
QString formatDigits(double value, int significantDigits);

// Shortest text of a single-precision value (7 significant digits), as the building
// weight is kept.
QString formatSingle(float value);

// round2 then format: the usual way a result reaches a label.
inline QString formatRounded(double value) {
    return format(round2(value));
}

// A result shown with a fixed count of decimals and the decimal comma, as a table column or
// a line of the calculation report writes it ("0,395", "12,50"); never "-0,00".
QString fixed(double value, int decimals);

// Lines whose columns are made of blanks, with the numbers of each column right-aligned:
// a run of lines with the same count of numbers (a number being a word that parse()
// reads) is a table, and blanks go before each number until its right end is where the
// rightmost of its column ends. Nothing else changes: a line alone, a line without numbers
// and every word keep their place and text.
QString alignNumberColumns(const QString& text);

} // namespace numtext

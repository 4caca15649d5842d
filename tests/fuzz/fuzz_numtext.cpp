// Number text, both ways: whatever a user types is read without harm, and every number the
// program writes reads back as the same number.
#include "core/buildingdata.h"
#include "core/numtext.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}

bool isNumberText(const QString& text) {
    return !text.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
           !text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// A finite number written and read again is the number the text stands for.
void roundTrip(double value) {
    if (!std::isfinite(value))
        return;
    const QString text = numtext::format(value);
    check(isNumberText(text));
    const auto back = numtext::parse(text);
    check(back.has_value());
    check(numtext::format(*back) == text);
    // A number of fifteen digits or fewer is written and read back exactly.
    check(numtext::parse(numtext::format(*back)) == *back);
    // The building data file keeps every double exactly.
    check(numtext::parse(buildingdata::doubleText(value)) == value);

    const double rounded = numtext::round2(value);
    check(std::isfinite(rounded));
    const auto roundedBack = numtext::parse(numtext::format(rounded));
    check(roundedBack.has_value());
    check(numtext::round2(*roundedBack) == *roundedBack);

    const float single = float(value);
    if (std::isfinite(single)) {
        const QString singleText = numtext::formatSingle(single);
        check(isNumberText(singleText));
        check(numtext::parse(singleText).has_value());
    }
}
} // namespace

// Numbers are read and written the same whatever the locale: run on an Italian one, whose
// decimal comma the C library would otherwise use, where the machine has it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8"))
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // As typed: the bytes as UTF-8 text.
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto value = numtext::parse(typed)) {
        check(std::isfinite(*value));
        roundTrip(*value);
    }
    // As computed: the first eight bytes as a double.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        roundTrip(value);
    }
    return 0;
}

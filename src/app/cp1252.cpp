#include "app/cp1252.h"

namespace cp1252 {

namespace {
// Bytes 0x80 to 0x9F; the unassigned ones (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1 value.
const char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return 0x80 + i;
    return -1;
}
} // namespace

std::optional<QByteArray> encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const int b = byteFor(ch.unicode());
        if (b < 0)
            return std::nullopt;
        out.append(char(b));
    }
    return out;
}

QString unencodable(const QString& text) {
    QString missing;
    for (int i = 0; i < text.size(); ++i) {
        // Characters outside the basic plane come as surrogate pairs: report the pair.
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            const QString pair = text.mid(i, 2);
            if (!missing.contains(pair))
                missing += pair;
            ++i;
            continue;
        }
        if (byteFor(text[i].unicode()) < 0 && !missing.contains(text[i]))
            missing += text[i];
    }
    return missing;
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out.append(u >= 0x80 && u < 0xA0 ? QChar(high[u - 0x80]) : QChar(u));
    }
    return out;
}

} // namespace cp1252

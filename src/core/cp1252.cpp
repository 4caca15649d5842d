#include "core/cp1252.h"

#include <QStringDecoder>

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
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (const QChar ch : text) {
        const int b = byteFor(ch.unicode());
        if (b < 0)
            return std::nullopt;
        *dst++ = char(b);
    }
    return out;
}

QString unencodable(const QString& text) {
    QString missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
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

QString decode(QByteArrayView bytes) {
    // Latin-1 gives every byte its own code point; only 0x80 to 0x9F differ in the code page.
    QString out = QString::fromLatin1(bytes);
    for (QChar& ch : out) {
        const char16_t u = ch.unicode();
        if (u >= 0x80 && u < 0xA0)
            ch = QChar(high[u - 0x80]);
    }
    return out;
}

} // namespace cp1252

namespace textfile {

namespace {
const QByteArray utf8Bom("\xEF\xBB\xBF", 3);

bool isAscii(QByteArrayView bytes) {
    for (const char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
}

bool startsWithMark(QByteArrayView bytes) {
    return bytes.startsWith(utf8Bom) || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF");
}

// Strict UTF-16 after its byte-order mark: whole units, no lone surrogate, no NUL.
std::optional<QString> utf16(const QByteArray& bytes) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto kind =
        bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
    // A mark character after the byte-order mark is text, not a second mark.
    QStringDecoder decoder(kind, QStringDecoder::Flag::Stateless |
                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
}
// UTF-8 already known to be valid; a mark character at its start is text (the file's own
// byte-order mark has been taken off).
QString utf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}
} // namespace

std::optional<Decoded> decode(const QByteArray& bytes) {
    const bool codePage = !bytes.contains('\0');
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        auto wide = utf16(bytes);
        if (wide && !codePage)
            return Decoded{{std::move(*wide), Encoding::Utf16}, std::nullopt, false};
        if (!codePage)
            return std::nullopt;
        if (wide)
            return Decoded{{cp1252::decode(bytes), Encoding::Cp1252},
                           Reading{std::move(*wide), Encoding::Utf16},
                           false};
        return Decoded{{cp1252::decode(bytes), Encoding::Cp1252}, std::nullopt, true};
    }
    if (!codePage)
        return std::nullopt;
    if (bytes.startsWith(utf8Bom)) {
        const QByteArrayView body = QByteArrayView(bytes).sliced(3);
        if (body.isValidUtf8())
            return Decoded{{utf8(body), Encoding::Utf8}, std::nullopt, false};
        return Decoded{{cp1252::decode(bytes), Encoding::Cp1252}, std::nullopt, true};
    }
    Decoded decoded{{cp1252::decode(bytes), Encoding::Cp1252}, std::nullopt, false};
    // Plain ASCII reads the same either way.
    if (!isAscii(bytes) && QByteArrayView(bytes).isValidUtf8())
        decoded.alternative = Reading{utf8(bytes), Encoding::Utf8};
    return decoded;
}

QByteArray utf8WithBom(const QString& text) {
    return utf8Bom + text.toUtf8();
}

QString unsavable(const QString& text) {
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if ((ch.unicode() == 0 || ch.isSurrogate()) && !found.contains(ch))
            found += ch;
    }
    return found;
}

std::optional<Encoded> encode(const QString& text, bool keepCodePage) {
    auto bytes = cp1252::encode(text);
    if (!bytes)
        return std::nullopt;
    const bool misread =
        startsWithMark(*bytes) || (!isAscii(*bytes) && QByteArrayView(*bytes).isValidUtf8());
    if (misread && !keepCodePage)
        return Encoded{utf8WithBom(text), Encoding::Utf8};
    return Encoded{std::move(*bytes), Encoding::Cp1252};
}

} // namespace textfile

// Report files, both ways: any bytes are read without harm and, read in the code page, are
// written back byte for byte; any text the editor can hold is written so that it reads back
// the same, without a question.
#include "core/cp1252.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}

// The editor holds line breaks as CR LF pairs only and no NUL or broken surrogate pair.
QString editorText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // Bytes of a file.
    if (const auto decoded = textfile::decode(bytes)) {
        const textfile::Reading& reading = decoded->reading;
        if (reading.encoding == textfile::Encoding::Cp1252) {
            const auto kept = textfile::encode(reading.text, true);
            check(kept && kept->bytes == bytes);
        }
        for (const auto& r : {std::optional(reading), decoded->alternative}) {
            if (!r || !textfile::unsavable(r->text).isEmpty())
                continue;
            const QString text = editorText(r->text);
            const auto encoded = textfile::encode(text);
            const QByteArray written = encoded ? encoded->bytes : textfile::utf8WithBom(text);
            const auto back = textfile::decode(written);
            check(back && !back->alternative && !back->brokenMark);
            check(back->reading.text == text);
        }
    }

    // Text as the editor holds it: the bytes as UTF-16.
    const QString text =
        editorText(QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)));
    if (textfile::unsavable(text).isEmpty()) {
        const auto encoded = textfile::encode(text);
        const QByteArray written = encoded ? encoded->bytes : textfile::utf8WithBom(text);
        const auto back = textfile::decode(written);
        check(back && !back->alternative && !back->brokenMark);
        check(back->reading.text == text);
    }
    return 0;
}

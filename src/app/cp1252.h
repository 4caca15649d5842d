#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Windows-1252 code page, in which report files are written and read.
namespace cp1252 {

// The bytes of the text, or nothing when a character has no place in the code page.
std::optional<QByteArray> encode(const QString& text);
// The characters of the text that the code page cannot hold, each once, in order.
QString unencodable(const QString& text);
// Every byte has a character; the five unassigned bytes map to the C1 controls.
QString decode(QByteArrayView bytes);

} // namespace cp1252

// Reading the bytes of a report file whatever wrote it: this program writes Windows-1252,
// other editors often write UTF-8 or, with a byte-order mark, UTF-16.
namespace textfile {

enum class Encoding { Cp1252, Utf8, Utf16 };

struct Decoded {
    QString text;
    Encoding encoding;
};

// UTF-16 when the bytes start with its byte-order mark; UTF-8 when they are valid UTF-8
// (the byte-order mark, if any, is dropped); otherwise Windows-1252. Nothing when the bytes
// are plainly not text: a NUL byte never occurs in a text file of these encodings.
std::optional<Decoded> decode(const QByteArray& bytes);

// UTF-8 with a byte-order mark, so that editors do not mistake it for the code page.
QByteArray utf8WithBom(const QString& text);

} // namespace textfile

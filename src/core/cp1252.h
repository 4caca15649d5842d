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

// Reading and writing the bytes of a report file. This program writes Windows-1252, or UTF-8
// with a byte-order mark when the code page cannot hold the text; other editors often write
// UTF-8 without a mark, or UTF-16 with one.
namespace textfile {

enum class Encoding { Cp1252, Utf8, Utf16 };

struct Reading {
    QString text;
    Encoding encoding;
};

struct Decoded {
    // The reading to use when nobody is asked: the code page whenever the bytes may be one,
    // since it gives every byte its own character and so keeps the file byte for byte.
    Reading reading;
    // Another reading that fits the bytes just as well: UTF-8 without a byte-order mark, or
    // UTF-16 whose bytes hold no NUL. Only the person who knows the file can tell which.
    std::optional<Reading> alternative;
    // The bytes start with a byte-order mark yet are not valid in its encoding: they are
    // read in the code page, mark included, so that nothing of them is lost.
    bool brokenMark = false;
};

// Nothing when the bytes are plainly not text: a NUL byte never occurs in a text file of the
// code page or of UTF-8. A UTF-8 byte-order mark is the sign this program itself writes, so
// valid UTF-8 after it is read without doubt.
std::optional<Decoded> decode(const QByteArray& bytes);

// UTF-8 with a byte-order mark, so that editors do not mistake it for the code page.
QByteArray utf8WithBom(const QString& text);

// The characters no text file of ours can keep: NUL, which marks a file as not text, and
// halves of surrogate pairs, which no encoding can write.
QString unsavable(const QString& text);

// The bytes of a report file for the text: the code page when it holds every character,
// else nothing (UTF-8 is then the user's choice). Code-page bytes that a later reading would
// take for UTF-8 or UTF-16 (they start with a byte-order mark, or are valid UTF-8) are
// written as UTF-8 with its mark instead, unless keepCodePage asks for the code page anyway
// (a file that was opened in the code page and must keep its bytes).
struct Encoded {
    QByteArray bytes;
    Encoding encoding;
};
std::optional<Encoded> encode(const QString& text, bool keepCodePage = false);

} // namespace textfile

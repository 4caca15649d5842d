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
QString decode(const QByteArray& bytes);

} // namespace cp1252

#pragma once

#include <QString>

// The maker's details, shown by the banner, the About box and the contact window.
// Kept in one place; the values are neutral for this edition.
namespace maker {
inline const QString brand = QStringLiteral("CORVESTA");
inline const QString studio = QStringLiteral("Studio Tecnico Corvesta");
inline const QString authors = QStringLiteral("Ufficio tecnico Corvesta");
inline const QString street = QStringLiteral("Via dell'Esempio, 1");
inline const QString city = QStringLiteral("00100 Roma");
inline const QString mobile = QStringLiteral("000 0000000");
inline const QString phone = QStringLiteral("00 0000000");
inline const QString email = QStringLiteral("info@example.org");
inline const QString web = QStringLiteral("https://www.example.org/");
} // namespace maker

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The coefficient lists of the 1984 seismic code that several windows offer.
namespace coefficients {

// Seismic zone: degree of seismicity S and intensity coefficient C = (S - 2) / 100.
struct Zone {
    int s;                // degree of seismicity
    double c;             // seismic intensity coefficient, fraction of g
    const char* itemUtf8; // list item, e.g. "Zone di 3° categoria: S = 6"
    const char* sUtf8;    // S with its zone in words, e.g. "6 (zona di 3° categoria)"
};

// Index 0: 3rd category (S = 6), 1: 2nd (S = 9), 2: 1st (S = 12).
const Zone& zone(int index);
constexpr int zoneCount = 3;
QStringList zoneItems();
QString zoneItem(int index);
QString zoneSText(int index);
// C as the visible label shows it: the number followed by "g" (0,04g).
QString zoneCText(int index);

// Seismic protection coefficient I by list position: 1, 1,2, 1,4.
double protection(int index);
constexpr int protectionCount = 3;

// Structure coefficient beta of framed buildings by list position: 1, 1,2.
double structure(int index);
constexpr int structureCount = 2;

// Response coefficient R from the fundamental period T (s):
// R = 1 for T <= 0,8 s, otherwise R = 0,862 / T^(2/3).
double responseCoefficient(double periodSeconds);

} // namespace coefficients

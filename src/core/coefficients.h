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

// A list of coefficients as a window offers it: each item's text and the value it stands
// for, in list order.
struct Item {
    const char* text;
    double value;
};
struct ItemList {
    const Item* items;
    int count;
    QStringList texts() const;
    // The value of the item in that row; nothing for a row outside the list.
    std::optional<double> value(int row) const;
    // The row of the item standing for a value; nothing when the list does not offer it.
    std::optional<int> rowOf(double value) const;
};

// Seismic protection coefficient I: 1, 1,2, 1,4.
extern const ItemList protection;
// The same with decimal points, as the masonry dynamic analysis lists them.
extern const ItemList protectionDotted;
// Structure coefficient beta of framed buildings: 1, 1,2.
extern const ItemList structure;
// The same as the horizontal actions window lists it, the second item without its blank.
extern const ItemList structureUnpadded;

// Vertical seismic coefficient Kv of framed buildings by the kind of member.
namespace verticalCoefficient {
constexpr double longSpans = 0.2;
constexpr double thrusting = 0.2;
constexpr double cantilevers = 0.4;
} // namespace verticalCoefficient

// Reduction s of the live load by the use of the rooms.
namespace liveLoadReduction {
constexpr double housing = 0.33;    // dwellings, offices, roofs, balconies
constexpr double crowded = 0.5;     // public rooms that may be crowded
constexpr double veryCrowded = 1.0; // archives, warehouses, rooms always crowded
} // namespace liveLoadReduction

// Amplification of the elastic displacements: 6 in the static analysis, 4 in the dynamic.
namespace displacementAmplification {
constexpr double staticAnalysis = 6.0;
constexpr double dynamicAnalysis = 4.0;
} // namespace displacementAmplification

// Response coefficient R from the fundamental period T (s):
// R = 1 for T <= 0,8 s, otherwise R = 0,862 / T^(2/3).
double responseCoefficient(double periodSeconds);

} // namespace coefficients

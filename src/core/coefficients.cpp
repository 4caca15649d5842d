#include "core/coefficients.h"

#include "core/numtext.h"

#include <cmath>

namespace coefficients {

namespace {
// C = (S - 2) / 100, held as the three constants the code tabulates.
const Zone zones[zoneCount] = {
    {6, 0.04, "Zone di 3° categoria: S = 6", "6 (zona di 3° categoria)"},
    {9, 0.07, "Zone di 2° categoria: S = 9", "9 (zona di 2° categoria)"},
    {12, 0.1, "Zone di 1° categoria: S = 12", "12 (zona di 1° categoria)"},
};
const Item protectionItems[] = {{" 1,0", 1.0}, {" 1,2", 1.2}, {" 1,4", 1.4}};
const Item protectionDottedItems[] = {{" 1.0", 1.0}, {" 1.2", 1.2}, {" 1.4", 1.4}};
const Item structureItems[] = {{" 1", 1.0}, {" 1,2", 1.2}};
const Item structureUnpaddedItems[] = {{" 1", 1.0}, {"1,2", 1.2}};
} // namespace

const ItemList protection{protectionItems, 3};
const ItemList protectionDotted{protectionDottedItems, 3};
const ItemList structure{structureItems, 2};
const ItemList structureUnpadded{structureUnpaddedItems, 2};

QStringList ItemList::texts() const {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::fromUtf8(items[i].text);
    return out;
}

std::optional<double> ItemList::value(int row) const {
    if (row < 0 || row >= count)
        return std::nullopt;
    return items[row].value;
}

std::optional<int> ItemList::rowOf(double value) const {
    // The values are the list's own constants, or read back from their shortest text, so
    // the same coefficient is the same double.
    for (int row = 0; row < count; ++row)
        if (items[row].value == value)
            return row;
    return std::nullopt;
}

const Zone& zone(int index) {
    return zones[index];
}

QStringList zoneItems() {
    QStringList items;
    for (int i = 0; i < zoneCount; ++i)
        items << zoneItem(i);
    return items;
}

QString zoneItem(int index) {
    return QString::fromUtf8(zones[index].itemUtf8);
}
QString zoneSText(int index) {
    return QString::fromUtf8(zones[index].sUtf8);
}
QString zoneCText(int index) {
    return numtext::format(zones[index].c) + QLatin1Char('g');
}

double responseCoefficient(double periodSeconds) {
    if (periodSeconds <= 0.8)
        return 1.0;
    return 0.862 / std::pow(periodSeconds, 2.0 / 3.0);
}

} // namespace coefficients

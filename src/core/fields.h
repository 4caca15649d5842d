#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Every value a calculation window shows, by key: which window shows it, in which control,
// under which caption, in which unit. The report layout, the composer's checks and the windows
// that take a value computed elsewhere address values by key through this table, so a
// control's name is written in one place only.
namespace fields {

struct Field {
    const char* key;            // "<window>.<quantity>", e.g. "periodo.T"
    const char* window;         // the window that shows the value
    const char* control;        // the control showing the value; nullptr for a caption alone
    const char* captionControl; // the label with the value's caption; nullptr for none
    const char* unit;           // the unit the window shows beside the value, or nullptr
};

// The whole table, window by window.
const std::vector<Field>& all();

// The fields a window shows, in table order.
std::vector<const Field*> ofWindow(const QString& window);

// The field a window shows in the named control, or nullptr.
const Field* byControl(const QString& window, const QString& control);

// A field's key within its window: "T" for "periodo.T".
QString name(const Field& field);

// The field of a key, or nullptr when no field has it.
const Field* find(const QString& key);

// A quantity of the building that several windows show (the zone, the period, the total
// weight): one report stating two values of it contradicts itself.
struct Quantity {
    const char* name; // as a message names it: "zona sismica (S)"
    std::vector<const char*> keys;
};
const std::vector<Quantity>& buildingQuantities();

// The quantities whose fields, among those read, show different values: numbers compare by
// value ("0,5" and "0,50" agree), other texts as they are; an empty or unreadable field takes
// no part. For each, the keys read and their values, in table order.
struct Disagreement {
    const Quantity* quantity;
    std::vector<std::pair<const Field*, QString>> values;
};
std::vector<Disagreement>
disagreements(const std::function<std::optional<QString>(const Field&)>& read);

} // namespace fields

#pragma once

#include <QString>
#include <QStringView>
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

// The field of a key, or nullptr when no field has it.
const Field* find(const QString& key);

} // namespace fields

#pragma once

#include "core/sharedvalues.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

// The building data file (.tremora): what the calculation windows hold, the values shared
// between them and the building (project data and storeys), as UTF-8 JSON that a person can
// read. This part knows the format only; which windows and controls exist is checked by
// whoever restores them.
namespace buildingdata {

// The name the file gives its format and the version this program writes. Version 1 (no
// building) is read as well, as a building with no data.
inline constexpr const char* formatName = "tremora-dati-edificio";
inline constexpr int formatVersion = 2;

// What one control holds: a text (text box, label, printed surface), the chosen row of a
// list (-1 for none), or whether an option or a check box is ticked.
struct ControlValue {
    enum Kind { Text, Row, Checked };
    Kind kind = Text;
    QString text;
    int row = -1;
    bool checked = false;

    static ControlValue ofText(const QString& t) { return {Text, t, -1, false}; }
    static ControlValue ofRow(int r) { return {Row, QString(), r, false}; }
    static ControlValue ofChecked(bool c) { return {Checked, QString(), -1, c}; }
    bool operator==(const ControlValue& other) const {
        return kind == other.kind && text == other.text && row == other.row &&
               checked == other.checked;
    }
};

// One loaded window: its caption (some carry the storey), its values by their key within
// the window ("T" of "periodo.T", see core/fields.h), and the values it keeps besides (what
// it passes on, the storey it is about). Files written before values had keys hold every
// control of the window by its name instead ("controlli"); those stay in controls, for the
// window to take what it still shows.
struct Window {
    QString title;
    QMap<QString, ControlValue> values;
    QMap<QString, ControlValue> controls;
    QMap<QString, QString> kept;
};

struct File {
    SharedValues shared;           // with the building, shared.edificio
    QMap<QString, Window> windows; // by window name
};

// The file's bytes: indented JSON, keys in a fixed order, so that the same state always
// gives the same file.
QByteArray write(const File& file);

// Reads and checks a whole file: JSON, format and version, the kind of every value, numbers
// where numbers belong. On failure the Italian reason, naming the value that is wrong.
struct ReadResult {
    std::optional<File> file;
    QString error;
};
ReadResult read(const QByteArray& bytes);

// At most 60 characters of a value for a message, "…" where it was cut: a file can hold a
// value of megabytes, and a message must stay readable.
QString excerpt(const QString& value);
// A name from a file in a message: «name», cut as excerpt() cuts.
QString quoted(const QString& name);

// The shortest Italian text of a double that reads back as the same double.
QString doubleText(double value);

// The shortest Italian text of a single-precision value that reads back as the same value
// (the building weight is kept in single precision).
QString floatText(float value);

} // namespace buildingdata

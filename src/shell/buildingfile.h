#pragma once

#include "core/buildingdata.h"

#include <QString>

class Forms;
class Prompts;
class QWidget;
class Shell;
struct SharedValues;

// The building data of the running program kept in a .tremora file and brought back: every
// loaded calculation window with all its own controls (none of a window opened from it, such
// as the help viewer), and the shared values with the building (project data and storeys).
// The report is never part of it.
namespace buildingfile {

// What the loaded calculation windows and the shared values hold now.
buildingdata::File capture(Forms& forms, const SharedValues& shared);
// Whether the program can take the file as it is: every window one of its calculation
// windows, every control one of that window's (a control of the help viewer is passed
// over), of the kind the value needs, every list row one the list has. Empty when it can,
// else the Italian reason. Nothing is changed.
QString check(Forms& forms, const buildingdata::File& file);
// Puts a checked file in place: the windows it holds rebuilt hidden as after "Invia Dati"
// (no load steps, no question), the other calculation windows not loaded, the shared values
// and the building as saved (no building from a file of version 1). Changing a control here empties
// no result: the results come from the file.
void apply(Forms& forms, SharedValues& shared, const buildingdata::File& file);

// Reads a file and its data without putting them anywhere (the batch commands); on failure
// the Italian reason.
buildingdata::ReadResult readFile(const QString& path);

// Writes the file (whole or not at all) / reads, checks and applies it. Empty on success,
// else the Italian reason; a refused file changes nothing.
QString save(Forms& forms, const SharedValues& shared, const QString& path);
QString open(Forms& forms, SharedValues& shared, const QString& path);

// The menu commands "Salva dati edificio...." and "Apri dati edificio....": the file dialog,
// the hint, and a message when it fails.
void saveCommand(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms);
void openCommand(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms);
// Opens a given file (the command line); tells the user why when it cannot.
bool openPath(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms, const QString& path);

} // namespace buildingfile

#pragma once

// The commands that work on a building data file without opening a window:
//   tremora --relazione FILE.tremora -o OUT.pdf|OUT.odt   the calculation report
//   tremora --risultati FILE.tremora                      every computed quantity as JSON
// They read the file and work out the quantities with the same code as the windows.
namespace batch {

// Whether the command line asks for one of them.
bool wanted(int argc, char* argv[]);
// Runs it: 0 when done; 2, with the reason in Italian on standard error, when the file cannot
// be read, the output cannot be written or the command line is incomplete.
int run(int argc, char* argv[]);

} // namespace batch

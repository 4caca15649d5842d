#pragma once

class Forms;
class Help;
class Prompts;
class Shell;
struct SharedValues;

// What every window is given: the modal seam, the main window's operations, the window
// lifecycle, the help and the values shared between windows. Owned by the program (or by a
// test), never global, so every test starts clean.
struct AppContext {
    Prompts& prompts;
    Shell& shell;
    Forms& forms;
    Help& help;
    SharedValues& shared;
};

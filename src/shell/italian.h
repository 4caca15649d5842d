#pragma once

class QCoreApplication;

// Makes the whole interface speak Italian: numbers and dates in the Italian locale, and Qt's
// own texts (the buttons "Sì", "No", "Annulla" of message boxes, the file and font dialogs)
// from Qt's Italian translation, which is installed on the application and lives as long
// as it does. Returns false when that translation is not installed on this system.
bool installItalian(QCoreApplication& app);

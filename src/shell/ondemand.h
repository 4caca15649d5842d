#pragma once

#include "shell/forms.h"
#include "shell/help.h"

#include <QString>
#include <memory>

class QTextDocument;

// The parts of the program that need the large Qt modules live in libraries of their own,
// loaded the first time they are used: the diagram windows (Qt Charts, which brings OpenGL),
// the help viewer (Qt Help, which brings SQL) and printing (Qt Print Support). Until then the
// program links only Qt Core, Gui, Widgets and Svg, so the main window appears sooner and
// takes less memory. The libraries are found through the program's run path: beside the
// program in the build folder, in ../lib/tremora once installed. Their own code calls back
// into the program, whose symbols the program exports.
namespace ondemand {

// The function `symbol` of the library libtremora_LIBRARY.so, loaded on first use; nullptr,
// with the reason in error, when the library or the function cannot be found.
void* function(const char* library, const char* symbol, QString* error = nullptr);

// A window built by the factory function `symbol` of a library loaded when the window is
// first needed; a library that cannot be loaded is told to the user and the window is absent.
// The factory has the signature QDialog* (AppContext&, QWidget* parent).
Forms::Factory window(const char* library, const char* symbol);

// The help viewer of the help library, made on the first request for help.
class LoadedHelp : public Help {
  public:
    LoadedHelp();
    ~LoadedHelp() override;
    void showContents(QWidget* owner) override;
    void showIndex(QWidget* owner) override;
    void showTopic(QWidget* owner, const QString& helpWindow, int context) override;

  private:
    Help* viewer(QWidget* owner);
    std::unique_ptr<Help> m_viewer;
};

// Whether the help collection is where the program looks for it: its path in file, and 0, or
// 1 when it is missing or the help library cannot be loaded (the reason in file).
int checkHelp(QString* file);

// Printing the report on the default printer, and its print preview, from the print library:
// an empty string on success, otherwise the reason nothing was printed.
QString print(QWidget* owner, const QTextDocument& document);
QString preview(QWidget* owner, const QTextDocument& document);

} // namespace ondemand

// The real program with a start-up probe: prints the monotonic clock once the main window is
// shown and idle, then quits. bench/startup.sh times it beside the bare Qt program.
#include "app/application.h"
#include "idle.h"

#include <QWidget>

int main(int argc, char* argv[]) {
    return runApplication(argc, argv, [](QWidget* window) { reportWhenIdle(window); });
}

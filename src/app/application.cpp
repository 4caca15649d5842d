#include "app/application.h"

#include "app/program.h"
#include "shell/italian.h"
#include "shell/mainwindow.h"
#include "shell/ondemand.h"
#include "shell/qtprompts.h"
#include "shell/svgicon.h"

#include <QApplication>

int runApplication(int argc, char* argv[], const std::function<void(QWidget*)>& started) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tremora"));
    installItalian(app);
    QApplication::setStyle(deferredIconStyle());

    QtPrompts prompts;
    // The help viewer and its Qt modules are loaded at the first request for help.
    ondemand::LoadedHelp help;
    Program program(prompts, help);
    QObject::connect(&program.mainWindow(), &MainWindow::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.mainWindow().showMaximized();
    // "tremora FILE": the report or the building data named on the command line.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        program.mainWindow().openFile(arguments.at(1));
    if (started)
        started(&program.mainWindow());
    return app.exec();
}

#include "../../bench/idle.h"
#include "app/helpservice.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "app/qtprompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tremora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tremora"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own dialogs and buttons speak Italian too ("Sì", "No", "Annulla").
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    QtPrompts prompts;
    HelpService help;
    Program program(prompts, help);
    QObject::connect(&program.mainWindow(), &MainWindow::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.mainWindow().showMaximized();
    reportWhenIdle(&program.mainWindow());
    return app.exec();
}

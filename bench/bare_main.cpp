#include "idle.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QTextEdit(&window));
    window.showMaximized();
    reportWhenIdle(&window);
    return app.exec();
}

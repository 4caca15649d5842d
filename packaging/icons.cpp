// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme, for desktops
// that do not draw SVG icons: icons OUTPUT_DIR SVG SIZE...
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4)
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[2]));
    if (!svg.isValid())
        return 1;
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString out =
            QStringLiteral("%1/tremora-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!image.save(out))
            return 1;
    }
    return 0;
}

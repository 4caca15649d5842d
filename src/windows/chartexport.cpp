#include "windows/chartexport.h"

#include "core/diskfile.h"
#include "shell/prompts.h"
#include "windows/messages.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

void exportChart(QWidget* owner, Prompts& prompts, QWidget* chart, const char* suggestedName) {
    const auto chosen =
        prompts.saveFileName(owner, Prompts::FileKind::Image, QString::fromUtf8(suggestedName));
    if (!chosen)
        return;
    QString path = *chosen;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        path += QStringLiteral(".png");
        suffix = QStringLiteral("png");
    }
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg")) {
        prompts.message(owner, messages::titleSystem,
                        QStringLiteral("Il diagramma si salva come immagine PNG o SVG: dare al "
                                       "file l'estensione .png o .svg."));
        return;
    }
    // The image is made in memory and written as reports are: whole or not at all, the old
    // image kept when the disk is full or the file may not be replaced.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    if (suffix == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(chart->size());
        svg.setViewBox(chart->rect());
        svg.setTitle(chart->window()->windowTitle());
        QPainter painter;
        made = painter.begin(&svg);
        if (made) {
            chart->render(&painter);
            made = painter.end();
        }
    } else {
        made = chart->grab().toImage().save(&buffer, "PNG");
    }
    const QString failure = made && !buffer.data().isEmpty()
                                ? diskfile::write(path, buffer.data())
                                : QStringLiteral("L'immagine del diagramma non è stata composta");
    if (failure.isEmpty())
        return;
    prompts.message(owner, messages::titleSystem,
                    QStringLiteral("L'immagine non è stata salvata in ") +
                        QDir::toNativeSeparators(path) + QStringLiteral(": ") + failure +
                        QStringLiteral(".\r\nIl file precedente, se esisteva, non è stato "
                                       "modificato."));
}

#include "windows/chartexport.h"

#include "shell/prompts.h"
#include "windows/messages.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

QChartView* diagramView(QWidget* parent) {
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("Diagramma"));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

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
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && suffix == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(chart->size());
        svg.setViewBox(chart->rect());
        svg.setTitle(chart->window()->windowTitle());
        QPainter painter;
        written = painter.begin(&svg);
        if (written) {
            chart->render(&painter);
            written = painter.end();
        }
    } else if (written) {
        written = chart->grab().toImage().save(&file, "PNG");
    }
    if (written && file.commit())
        return;
    const QString reason = file.errorString();
    file.cancelWriting();
    prompts.message(owner, messages::titleSystem,
                    QStringLiteral("L'immagine non è stata salvata in ") +
                        QDir::toNativeSeparators(path) +
                        (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
}

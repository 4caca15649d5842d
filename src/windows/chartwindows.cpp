// The chart library: the windows that draw diagrams with Qt Charts, loaded the first time one
// of them is opened (see shell/ondemand.h), so that Qt Charts and OpenGL are not loaded at
// start. The rest of the program's code, which these windows build on, is the program's own.
#include "windows/chartexport.h"
#include "windows/spettro.h"
#include "windows/tuttipiani.h"

#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QPainter>

QChartView* diagramView(QWidget* parent) {
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("Diagramma"));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

extern "C" Q_DECL_EXPORT QDialog* tremoraNewSpettro(AppContext& context, QWidget* parent) {
    return new Spettro(context, parent);
}

extern "C" Q_DECL_EXPORT QDialog* tremoraNewTuttiPiani(AppContext& context, QWidget* parent) {
    return new TuttiPiani(context, parent);
}

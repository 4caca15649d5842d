// The calculation report of a 30-storey building to PDF: the quantities worked out, the
// document composed, set as rich text with its table and diagrams, and the pages written;
// then the same through "tremora --relazione" as a separate program, start-up included.
// Prints the median of five runs of each against the one-second limit.
#include "benchsupport.h"
#include "core/buildingdata.h"
#include "core/calcolo.h"
#include "core/relazione.h"
#include "shell/relazionedocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

// 30 storeys of 180 t every 3,2 m (the top one 110 t), zone of 1st category, I = 1,2,
// beta = 1,2, epsilon = 1,3, H = 96 m and B = 20 m.
building::Building tower() {
    building::Building b;
    b.project.titolo = QStringLiteral("Torre per uffici");
    b.project.committente = QStringLiteral("Committente di prova");
    b.periodo = {building::typed(QStringLiteral("96")), building::typed(QStringLiteral("20"))};
    b.sismica.zone = 2;
    b.sismica.protection = 1.2;
    b.sismica.structure = 1.2;
    b.sismica.foundation = building::typed(QStringLiteral("1,3"));
    for (int i = 1; i <= 30; ++i) {
        building::Storey s;
        s.weight = building::typed(i == 30 ? QStringLiteral("110") : QStringLiteral("180"));
        s.h = building::typed(QString::number(i * 32) + QStringLiteral("E-1"));
        b.storeys.push_back(s);
    }
    return b;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const building::Building building = tower();
    std::vector<double> inProcess, program;
    QTemporaryDir dir;
    buildingdata::File file;
    file.shared.edificio = building;
    const QString data = dir.filePath(QStringLiteral("torre.tremora"));
    {
        QFile out(data);
        out.open(QIODevice::WriteOnly);
        out.write(buildingdata::write(file));
    }
    const QString tremora = QCoreApplication::applicationDirPath() + QStringLiteral("/../tremora");
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const relazione::Document document = relazione::compose(
            calcolo::compute(building, {}), building.project, relazione::allSections());
        const QByteArray pdf = relazionedocument::pdf(document);
        inProcess.push_back(timer.nsecsElapsed() / 1e6);
        if (pdf.isEmpty())
            return 1;

        timer.restart();
        const int status =
            QProcess::execute(tremora, {QStringLiteral("--relazione"), data, QStringLiteral("-o"),
                                        dir.filePath(QStringLiteral("torre.pdf"))});
        program.push_back(timer.nsecsElapsed() / 1e6);
        if (status != 0)
            return 1;
    }
    std::printf("Relazione di calcolo of 30 storeys to PDF: %.0f ms in the program, %.0f ms "
                "with tremora --relazione (start-up included); limit 1000 ms\n",
                median(inProcess), median(program));
    return median(program) < 1000.0 ? 0 : 1;
}

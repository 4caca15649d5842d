// Times saving plus reopening a full building data file through the File menu: every
// calculation window loaded with every control holding a value, nine storeys in the shared
// values. Prints the median of twenty runs (target: under 100 ms).
#include "app/program.h"
#include "core/buildingdata.h"
#include "shell/buildingfile.h"
#include "shell/forms.h"
#include "shell/help.h"
#include "shell/mainwindow.h"
#include "shell/prompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchsupport.h"

namespace {

// Every calculation window with every control filled: captions as they are, empty texts
// given a number, each list its first row, every option and check box ticked.
buildingdata::File fullBuilding(Forms& forms) {
    buildingdata::File file;
    for (int storey = 1; storey <= 9; ++storey) {
        file.shared.pesiPiani << QStringLiteral("%1,25").arg(100 + storey);
        file.shared.quotePiani << QStringLiteral("%1,5").arg(3 * storey);
    }
    file.shared.pesoEdificio = 929.25f;
    file.shared.numeroPiano = QStringLiteral("4");
    file.shared.gammaPiano = 0.83;
    // The windows as the program builds them, to learn their controls.
    for (const QString& name : forms.names()) {
        const auto sample = forms.sample(name);
        auto* managed = dynamic_cast<ManagedWindow*>(sample.get());
        if (managed && managed->holdsBuildingData())
            forms.restore(name);
    }
    const buildingdata::File shape = buildingfile::capture(forms, file.shared);
    int n = 0;
    for (auto w = shape.windows.begin(); w != shape.windows.end(); ++w) {
        buildingdata::Window window = w.value();
        for (auto c = window.controls.begin(); c != window.controls.end(); ++c) {
            if (c->kind == buildingdata::ControlValue::Text && c->text.isEmpty())
                c->text = QStringLiteral("%1,75").arg(++n);
            else if (c->kind == buildingdata::ControlValue::Row)
                c->row = 0;
            else if (c->kind == buildingdata::ControlValue::Checked)
                c->checked = true;
        }
        file.windows.insert(w.key(), window);
    }
    return file;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FixedPrompts prompts;
    NoHelp help;
    Program program(prompts, help);
    QTemporaryDir dir;
    prompts.openName = prompts.saveName = dir.filePath(QStringLiteral("edificio.tremora"));

    buildingfile::apply(program.forms(), program.shared(), fullBuilding(program.forms()));
    auto* save = program.mainWindow().findChild<QAction*>(QStringLiteral("mnuSalvaDatiItem"));
    auto* open = program.mainWindow().findChild<QAction*>(QStringLiteral("mnuApriDatiItem"));

    std::vector<double> runs;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        save->trigger();
        open->trigger();
        runs.push_back(timer.nsecsElapsed() / 1e6);
        // The windows replaced by the reopening go at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (prompts.messages)
        return 1;
    std::printf("Building data file of %lld bytes, %d windows: save plus reopen %.1f ms "
                "(target under 100 ms)\n",
                static_cast<long long>(QFileInfo(prompts.saveName).size()),
                int(program.forms().loadedNames().size()), median(runs));
    return 0;
}

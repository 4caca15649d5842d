#pragma once

#include "core/reportlayout.h"
#include "fixture.h"
#include "shell/numberedit.h"

#include <QCheckBox>
#include <QFile>
#include <functional>
#include <vector>

// The whole program used as a user would, window by window, and every report it composes:
// shared by the tests of building data files, which compare what a session gives with what
// a file brings back.

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

using Meanwhile = std::function<void(QDialog*)>;

// Opens a calculation window from its menu and works it as a user would: every empty box
// gets a number of its own, every list its last item, the last option of the window is
// chosen, whatever else the user does there (meanwhile), then "Elabora Dati" and "Invia
// Dati", or "Chiudi" in a window built around a diagram.
inline void work(Fixture& f, const char* menu, const char* window, int seed,
                 const Meanwhile& meanwhile = {}) {
    f.menu(menu);
    QDialog* w = f.window(window);
    QVERIFY2(w, window);
    int n = seed;
    for (NumberEdit* box : w->findChildren<NumberEdit*>())
        if (box->text().isEmpty())
            box->setText(QString::number(++n) + QStringLiteral(",5"));
    for (QListWidget* list : w->findChildren<QListWidget*>())
        list->setCurrentRow(list->count() - 1);
    const auto options = w->findChildren<QRadioButton*>();
    if (!options.isEmpty())
        options.last()->click();
    if (meanwhile)
        meanwhile(w);
    for (const char* caption : {"Elabora Dati", "Invia Dati", "Chiudi"})
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(caption) && w->isVisible())
                b->click();
}

// A calculation window, its menu command and the answers its questionnaire asks at load.
struct WorkedWindow {
    const char* menu;
    const char* window;
    std::vector<const char*> answers;
};

// Every calculation window in menu order; peso and coeffdistribuzione with their
// questionnaires answered, azioniorizzontali taking its storey from coeffdistribuzione.
inline const std::vector<WorkedWindow>& everyWindow() {
    static const std::vector<WorkedWindow> windows = {
        {"mnuperfonditem", "periodo", {}},
        {"mnupesocomplitem", "peso", {"2", "120,333", "100,1"}},
        {"mnucoefficienteitem",
         "coeffdistribuzione",
         {"3", "2", "100", "3", "100", "6", "100", "9"}},
        {"mnuforzeorizzontaliitem", "forzeorizzontali", {}},
        {"mnuforzeverticaliitem", "forzeverticali", {}},
        {"mnuanldinitem", "analisidinamica1", {}},
        {"mnuanalisidinItem", "analisidinamica2", {}},
        {"mnuazorizzitem", "azioniorizzontali", {}},
        {"mnuazvertitem", "azioniverticali", {}},
        {"mnusollecitazioniItem", "Sollecitazioni", {}},
        {"mnuverificheitem", "verifiche", {}},
        {"mnututtipianiitem", "tuttipiani", {}},
        {"mnuspettroitem", "spettro", {}},
    };
    return windows;
}

// One window worked with its questionnaire's answers (seeding its boxes from seed).
inline void work(Fixture& f, const WorkedWindow& w, int seed, const Meanwhile& meanwhile = {}) {
    for (const char* answer : w.answers)
        f.prompts.answer({answer});
    work(f, w.menu, w.window, seed, meanwhile);
}

// Every calculation window worked, questionnaires answered (the load steps of peso and
// coeffdistribuzione ask them); sent with its results, the diagram windows closed.
inline void workEveryWindow(Fixture& f, const Meanwhile& meanwhile = {}) {
    int seed = 0;
    for (const WorkedWindow& w : everyWindow())
        work(f, w, seed += 10, meanwhile);
}

// The composer's tick of each section, for each analysis.
inline const char* tickOf(report::Analysis analysis, report::Section section) {
    using namespace report;
    if (analysis == Analysis::Static)
        return section == FO   ? "Check1"
               : section == FV ? "Check2"
               : section == DS ? "Check3"
                               : "Check4";
    return section == FO ? "Checkd1" : section == DS ? "Checkd2" : "Checkd3";
}

// The reports of all 44 section sets of both kinds of building, composed one after the other
// with "Crea Relazione", each preceded by the question about doubtful sections when asked.
// One text for each set: a heading naming it, the questions, then the report as the editor
// holds it (CR LF line ends), so that the texts laid end to end read as one file.
inline QStringList composeEveryReport(Fixture& f) {
    using report::Building;
    const QString end = QStringLiteral("\r\n");
    QStringList reports;
    for (Building building : {Building::Masonry, Building::Framed}) {
        const bool masonry = building == Building::Masonry;
        const char* window = masonry ? "componirelazione" : "componirelazione1";
        for (const report::Combination& c : report::combinations(building)) {
            const bool statics = c.analysis == report::Analysis::Static;
            QString text = QStringLiteral("==== ") +
                           (masonry ? QStringLiteral("muratura") : QStringLiteral("intelaiati")) +
                           (statics ? QStringLiteral(", statica:") : QStringLiteral(", dinamica:"));
            // A window the report reads is loaded by reading it, when it was not: without a
            // storey from the distribution coefficient azioniorizzontali then asks for one.
            f.prompts.inputs = {QStringLiteral("1")};
            f.prompts.yesNoAnswers = {true};
            f.prompts.shown.clear();
            f.menu(masonry ? "mnuedmuritem" : "mnueintitem");
            f.click(window, statics ? "Option1" : "Option2");
            for (report::Section s : {report::FO, report::FV, report::DS, report::VS})
                if (c.sections & s) {
                    f.control<QCheckBox>(window, tickOf(c.analysis, s))->setChecked(true);
                    text += QLatin1Char(' ') + QLatin1String(s == report::FO   ? "FO"
                                                             : s == report::FV ? "FV"
                                                             : s == report::DS ? "DS"
                                                                               : "VS");
                }
            text += QStringLiteral(" ====") + end;
            f.click(window, "Command2");
            Fixture::settle();
            f.prompts.inputs.clear();
            for (const auto& shown : f.prompts.shown)
                text += QStringLiteral("---- domanda ----") + end + shown.text + end;
            text += QStringLiteral("---- relazione ----") + end + f.main().reportText() + end;
            reports << text;
        }
    }
    return reports;
}

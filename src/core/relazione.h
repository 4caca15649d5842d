#pragma once

#include "core/building.h"
#include "core/calcolo.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The "Relazione di calcolo": the document an engineer files, as data (headings, text,
// formula lines, tables, diagrams) that the shell sets as rich text. Each quantity is
// stated as what it is, its formula, the formula with the values in it and the result with
// its unit, so that a checker can follow every number.
namespace relazione {

// The unit of forces: tonnes (as the calculation windows) or kilonewtons, 1 t = 9,80665 kN;
// moments follow (t·m or kN·m).
enum class Unit { Tonnes, KiloNewtons };
constexpr double kiloNewtonsPerTonne = 9.80665;
// A force or moment worked out in tonnes, in the unit chosen.
double inUnit(double tonnes, Unit unit);
QString forceUnit(Unit unit);  // "t" or "kN"
QString momentUnit(Unit unit); // "t·m" or "kN·m"

// What goes in: the keys of the sections chosen, in any order, and the unit of forces.
struct Choices {
    QStringList sections;
    Unit unit = Unit::Tonnes;
    bool operator==(const Choices& other) const {
        return sections == other.sections && unit == other.unit;
    }
    bool operator!=(const Choices& other) const { return !(*this == other); }
};
// Every section but the comparison with NTC 2018, tonnes.
Choices allSections();

struct Table {
    QStringList header;
    std::vector<QStringList> rows;
};

// A diagram drawn by the shell as vector graphics: the storey forces as bars and the storey
// shears as steps against the height, or the response spectrum with the building's T.
struct Figure {
    enum class Kind { StoreyForces, Spectrum };
    Kind kind = Kind::StoreyForces;
    QString xTitle;
    QString yTitle;
    // StoreyForces: (F, h) of every storey, and the steps of the shear line (V, z).
    // Spectrum: the curve (T, a/g), and one point, (T, a/g) of the building.
    std::vector<std::pair<double, double>> points;
    std::vector<std::pair<double, double>> line;
};

struct Block {
    enum class Kind { Heading, Paragraph, Formula, Table, Note, Figure };
    Kind kind = Kind::Paragraph;
    QString text; // heading, paragraph, formula line, note or the figure's caption
    Table table;
    Figure figure;
};

// The cover: the title, the project's data as caption and value, the code applied.
struct Cover {
    QString title;
    std::vector<std::pair<QString, QString>> lines;
};

struct Document {
    Cover cover;
    building::Project project; // its title and client at the head of every page
    std::vector<Block> blocks;
};

// What a section builds from: the results, the project and the unit of forces.
struct Context {
    const calcolo::Results& results;
    const building::Project& project;
    Unit unit;
};

// A section of the report: its key (kept in the building data file), its name as the window
// offers it, the builder that adds its blocks, and what it would miss, one Italian phrase a
// value. A further code adds its sections to this list.
struct Section {
    const char* key;
    const char* captionUtf8;
    void (*build)(const Context&, Document&);
    QStringList (*missing)(const calcolo::Results&);
};
const std::vector<Section>& sections();

// The document of the sections chosen, in the list's order, after the cover.
Document compose(const calcolo::Results& results, const building::Project& project,
                 const Choices& choices);

// The values the chosen sections need and the building lacks, one phrase each ("il periodo
// T: mancano H e B").
QStringList missing(const calcolo::Results& results, const Choices& choices);

// The choices as the building data file keeps them, and read back; nothing and an Italian
// reason for a value the program never writes.
struct ChoicesText {
    QStringList sections;
    QString unit; // "t" or "kN"
};
ChoicesText toText(const Choices& choices);
std::optional<Choices> fromText(const ChoicesText& text, QString* error);

// Numbers in the report's formulas: periods, R, gamma, K and the spectrum's coefficients to
// the thousandth, since a rounding there moves every force after it; heights, weights, forces
// and moments to the hundredth (a centimetre, ten kilograms).
QString thousandths(double value);
QString hundredths(double value);

} // namespace relazione

#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The written report ("relazione"): a fixed layout filled with what the calculation windows
// show. Plain text, CR LF line ends, blanks for indentation. The layout is data (sections of
// entries, and the few ways each section set departs from the common layout); one builder
// turns it into text, reading every caption and value through a reader by window and control
// name.
namespace report {

// Reads the text a window's control shows (a label's caption, a text box's text); nothing
// when there is no such window or control, which abandons the report.
using Reader = std::function<std::optional<QString>(const QString& window, const QString& control)>;

enum class Building { Masonry, Framed };
enum class Analysis { Static, Dynamic };

// The four sections, always written in this order.
enum Section : unsigned {
    FO = 1, // FORZE ORIZZONTALI
    FV = 2, // FORZE VERTICALI (static report only)
    DS = 4, // DEFORMAZIONI SISMICHE
    VS = 8  // VERIFICHE SISMICHE
};
using Sections = unsigned;

// A section set the composer can ask for.
struct Combination {
    Analysis analysis;
    Sections sections;
};

// The section sets of one kind of building, in the order the composer compares them with its
// ticks: 15 static sets, then 7 dynamic ones.
std::vector<Combination> combinations(Building building);

// Where a section takes its values: the window and the controls whose texts follow the
// captions (a section with an empty one would print a caption without its value).
struct SectionSource {
    Section section;
    QString window;
    QStringList values;
};
// The sources of the ticked sections of one kind of report, in report order.
std::vector<SectionSource> sources(Building building, Analysis analysis, Sections sections);

// The whole report for one section set, read in layout order; nothing when the set is not
// one of the building's combinations (an empty set, or vertical forces in a dynamic report).
std::optional<QString> compose(Building building, Analysis analysis, Sections sections,
                               const Reader& read);

} // namespace report

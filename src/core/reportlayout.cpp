#include "core/reportlayout.h"

#include "core/fields.h"

#include <algorithm>

namespace report {
namespace {

const QString crlf = QStringLiteral("\r\n");

QString spaces(int count) {
    return QString(count, QLatin1Char(' '));
}

// One line of a section: caption, a blank, the value, then the tail.
struct Entry {
    const char* field;                  // key of the value's field (its caption and value)
    const char* unit;                   // "sec", "tonn", "cm" after the value, or nullptr
    const char* pad = "";               // what follows a value without unit
    const char* fixedCaption = nullptr; // a caption written as it is, not the field's label
};

struct SectionTable {
    Section id;
    const char* window;
    const char* heading;      // heading text, or nullptr when the window's label carries it
    const char* headingField; // field holding title and heading (framed horizontal actions)
    std::vector<Entry> entries;
};

// Horizontal forces of a masonry building, static analysis.
const SectionTable masonryStaticFO{FO,
                                   "forzeorizzontali",
                                   "FORZE ORIZZONTALI",
                                   nullptr,
                                   {
                                       {"forzeorizzontali.T", "sec"},
                                       {"forzeorizzontali.R", nullptr},
                                       {"forzeorizzontali.S", nullptr},
                                       {"forzeorizzontali.C", nullptr},
                                       {"forzeorizzontali.I", nullptr, "   "},
                                       {"forzeorizzontali.W", "tonn"},
                                       {"forzeorizzontali.Fh", "tonn"},
                                   }};

// Horizontal forces of a masonry building from the response spectrum.
const SectionTable masonryDynamicFO{FO,
                                    "analisidinamica1",
                                    "FORZE ORIZZONTALI",
                                    nullptr,
                                    {
                                        {"analisidinamica1.T", "sec"},
                                        {"analisidinamica1.R", nullptr},
                                        {"analisidinamica1.S", nullptr},
                                        {"analisidinamica1.C", nullptr},
                                        {"analisidinamica1.I", nullptr, "   "},
                                        // a/g, a pure number: no unit.
                                        {"analisidinamica1.ag", nullptr},
                                    }};

const SectionTable masonryFV{FV,
                             "forzeverticali",
                             "FORZE VERTICALI",
                             nullptr,
                             {
                                 {"forzeverticali.S", nullptr},
                                 {"forzeverticali.C", nullptr},
                                 {"forzeverticali.W", "tonn"},
                                 {"forzeverticali.m", nullptr},
                                 {"forzeverticali.Fv", "tonn"},
                             }};

// Horizontal actions on one storey of a framed building: the window's heading carries the
// report title and the storey's heading.
const SectionTable framedStaticFO{FO,
                                  "azioniorizzontali",
                                  nullptr,
                                  "azioniorizzontali.intestazione",
                                  {
                                      {"azioniorizzontali.T", "sec"},
                                      {"azioniorizzontali.R", nullptr},
                                      {"azioniorizzontali.I", nullptr},
                                      {"azioniorizzontali.S", nullptr},
                                      {"azioniorizzontali.C", nullptr, "   "},
                                      {"azioniorizzontali.beta", nullptr},
                                      {"azioniorizzontali.epsilon", nullptr},
                                      {"azioniorizzontali.gamma", nullptr},
                                      {"azioniorizzontali.Kh", nullptr},
                                      {"azioniorizzontali.G", "tonn"},
                                      {"azioniorizzontali.s", nullptr},
                                      {"azioniorizzontali.Q", "tonn"},
                                      {"azioniorizzontali.W", "tonn"},
                                      {"azioniorizzontali.F", "tonn"},
                                  }};

const SectionTable framedDynamicFO{FO,
                                   "analisidinamica2",
                                   "FORZE ORIZZONTALI",
                                   nullptr,
                                   {
                                       {"analisidinamica2.T", nullptr},
                                       {"analisidinamica2.R", nullptr},
                                       {"analisidinamica2.I", nullptr},
                                       {"analisidinamica2.S", nullptr},
                                       {"analisidinamica2.C", nullptr},
                                       {"analisidinamica2.epsilon", nullptr, "   "},
                                       {"analisidinamica2.beta", nullptr},
                                       // a/g, a pure number: no unit.
                                       {"analisidinamica2.ag", nullptr},
                                   }};

const SectionTable framedFV{FV,
                            "azioniverticali",
                            "FORZE VERTICALI",
                            nullptr,
                            {
                                {"azioniverticali.struttura", nullptr, "", "Tipo di Struttura:"},
                                {"azioniverticali.Kv", nullptr},
                                {"azioniverticali.W", "tonn"},
                                {"azioniverticali.Fv", "tonn"},
                            }};

// Seismic displacements and total stresses serve both kinds of building.
const SectionTable sectionDS{DS,
                             "Sollecitazioni",
                             "DEFORMAZIONI SISMICHE  ",
                             nullptr,
                             {
                                 {"Sollecitazioni.elastici", nullptr},
                                 {"Sollecitazioni.orizzontali", "cm"},
                                 {"Sollecitazioni.verticali", "cm"},
                                 {"Sollecitazioni.complessivi", "cm"},
                                 {"Sollecitazioni.phi", nullptr},
                                 {"Sollecitazioni.altreAzioni", "cm"},
                                 {"Sollecitazioni.reali", "cm"},
                             }};

const SectionTable sectionVS{VS,
                             "verifiche",
                             "VERIFICHE SISMICHE",
                             nullptr,
                             {
                                 {"verifiche.orizzontali", "tonn"},
                                 {"verifiche.verticali", "tonn"},
                                 {"verifiche.sismiche", "tonn"},
                                 {"verifiche.esterne", "tonn"},
                                 {"verifiche.totali", "tonn"},
                             }};

// How one section set departs from the common layout.
enum class Change {
    BlankLinesBefore,  // empty lines before the section heading (normally 1)
    HeadingIndent,     // blanks before the heading (normally 4)
    Tail,              // what follows the value of an entry, instead of its unit or pad
    EntryIndent,       // blanks before an entry (normally 4)
    Omit,              // the entry is left out
    SingleBreakAfter,  // no empty line between this entry and the next
    LineBeforeEntries, // an extra line between the heading's empty line and entry 1
    EndsWithBlankLine  // the report ends with CR LF and an empty line
};

struct Difference {
    Change change;
    Section section = FO;
    int entry = 0; // 1-based
    int number = 0;
    const char* text = "";
};

struct Row {
    Analysis analysis;
    Sections sections;
    std::vector<Difference> differences;
};

constexpr Analysis S = Analysis::Static;
constexpr Analysis D = Analysis::Dynamic;

Difference blankLines(Section s, int n) {
    return {Change::BlankLinesBefore, s, 0, n};
}
Difference headingIndent(Section s, int n) {
    return {Change::HeadingIndent, s, 0, n};
}
Difference tail(Section s, int entry, const char* text) {
    return {Change::Tail, s, entry, 0, text};
}
Difference entryIndent(Section s, int entry, int n) {
    return {Change::EntryIndent, s, entry, n};
}
Difference omit(Section s, int entry) {
    return {Change::Omit, s, entry};
}
Difference singleBreakAfter(Section s, int entry) {
    return {Change::SingleBreakAfter, s, entry};
}
Difference lineBeforeEntries(Section s, const char* text) {
    return {Change::LineBeforeEntries, s, 0, 0, text};
}
Difference endsWithBlankLine() {
    return {Change::EndsWithBlankLine};
}

const std::vector<Row>& masonryRows() {
    static const std::vector<Row> rows{
        {S, FO, {}},
        {S, FO | FV, {blankLines(FV, 2), headingIndent(FV, 8)}},
        {S, FV, {tail(FV, 3, ""), tail(FV, 5, "")}},
        {S, VS, {}},
        {S, DS, {}},
        {S, FO | DS, {}},
        {S, FO | VS, {blankLines(VS, 2)}},
        {S, FO | FV | DS, {}},
        {S, FO | FV | DS | VS, {headingIndent(FV, 8)}},
        {S, FV | DS, {}},
        {S, DS | VS, {}},
        {S, FV | VS, {}},
        {S, FO | FV | VS, {}},
        {S, FO | DS | VS, {}},
        {S, FV | DS | VS, {}},
        {D, FO, {}},
        {D, DS, {omit(DS, 3)}},
        {D, VS, {headingIndent(VS, 8)}},
        {D, FO | DS, {}},
        {D, FO | VS, {}},
        {D, DS | VS, {}},
        {D, FO | DS | VS, {headingIndent(FO, 8)}},
    };
    return rows;
}

const std::vector<Row>& framedRows() {
    static const std::vector<Row> rows{
        {S, FO, {endsWithBlankLine()}},
        {S, FV, {tail(FV, 2, " tonn"), tail(FV, 3, "")}},
        {S, FO | FV, {}},
        {S, VS, {}},
        {S, DS, {endsWithBlankLine()}},
        {S, FO | DS, {singleBreakAfter(FO, 9)}},
        {S, FO | VS, {blankLines(VS, 2)}},
        {S, FO | FV | DS, {}},
        {S, FO | FV | DS | VS, {}},
        {S, FV | DS, {headingIndent(DS, 5), endsWithBlankLine()}},
        {S, DS | VS, {}},
        {S, FV | VS, {}},
        {S, FO | FV | VS, {headingIndent(VS, 8)}},
        {S, FO | DS | VS, {}},
        {S, FV | DS | VS, {lineBeforeEntries(DS, "    "), headingIndent(VS, 8)}},
        {D, FO, {}},
        {D, DS, {}},
        {D, VS, {headingIndent(VS, 5)}},
        {D, FO | DS, {tail(DS, 7, "   cm")}},
        {D, FO | VS, {}},
        {D, DS | VS, {}},
        {D, FO | DS | VS, {tail(DS, 5, "  cm"), tail(DS, 6, ""), entryIndent(VS, 5, 3)}},
    };
    return rows;
}

const std::vector<Row>& rowsOf(Building building) {
    return building == Building::Masonry ? masonryRows() : framedRows();
}

// The sections of one kind of report, in report order.
std::vector<const SectionTable*> tablesOf(Building building, Analysis analysis) {
    if (building == Building::Masonry) {
        if (analysis == Analysis::Static)
            return {&masonryStaticFO, &masonryFV, &sectionDS, &sectionVS};
        return {&masonryDynamicFO, &sectionDS, &sectionVS};
    }
    if (analysis == Analysis::Static)
        return {&framedStaticFO, &framedFV, &sectionDS, &sectionVS};
    return {&framedDynamicFO, &sectionDS, &sectionVS};
}

class Builder {
  public:
    Builder(const Row& row, const Reader& read) : m_row(row), m_read(read) {}

    const Difference* find(Change change, Section section = FO, int entry = 0) const {
        for (const Difference& d : m_row.differences) {
            if (d.change != change)
                continue;
            if (change == Change::EndsWithBlankLine)
                return &d;
            if (d.section == section && d.entry == entry)
                return &d;
        }
        return nullptr;
    }
    int number(Change change, Section section, int entry, int fallback) const {
        const Difference* d = find(change, section, entry);
        return d ? d->number : fallback;
    }

    // A text that cannot be read marks the report as failed; the builder goes on with an
    // empty one and its result is then thrown away.
    QString read(const char* window, const char* control) const {
        auto text = m_read(QString::fromLatin1(window), QString::fromLatin1(control));
        if (!text) {
            m_failed = true;
            return QString();
        }
        return std::move(*text);
    }
    // The caption or the value of a field; a key the table lacks fails the report too.
    enum class Part { Caption, Value };
    QString read(const char* key, Part part) const {
        const fields::Field* f = fields::find(QString::fromLatin1(key));
        const char* control = !f ? nullptr : part == Part::Caption ? f->captionControl : f->control;
        if (!control) {
            m_failed = true;
            return QString();
        }
        return read(f->window, control);
    }
    static bool hasValue(const Entry& e) {
        const fields::Field* f = fields::find(QString::fromLatin1(e.field));
        return f && f->control;
    }
    bool failed() const { return m_failed; }

    QString entry(const SectionTable& table, int index, const Entry& e, int unitGap) const {
        QString line = spaces(number(Change::EntryIndent, table.id, index, 4));
        line += e.fixedCaption ? QString::fromLatin1(e.fixedCaption) : read(e.field, Part::Caption);
        if (!hasValue(e))
            return line;
        line += QLatin1Char(' ') + read(e.field, Part::Value);
        if (const Difference* d = find(Change::Tail, table.id, index))
            line += QString::fromLatin1(d->text);
        else if (e.unit)
            line += spaces(unitGap) + QString::fromLatin1(e.unit);
        else
            line += QString::fromLatin1(e.pad);
        return line;
    }

    QString build(const std::vector<const SectionTable*>& tables, const QString& title,
                  int unitGap) const {
        QString out = crlf;
        const bool ownTitle = !tables.empty() && tables.front()->headingField;
        if (!ownTitle)
            out += spaces(22) + title;
        bool first = true;
        for (const SectionTable* table : tables) {
            if (table->headingField && first) {
                // The window's heading holds the title and the heading of its section.
                out += spaces(4) + read(table->headingField, Part::Value);
            } else {
                out += crlf + crlf.repeated(number(Change::BlankLinesBefore, table->id, 0, 1));
                out += spaces(number(Change::HeadingIndent, table->id, 0, 4));
                out += table->heading ? QString::fromLatin1(table->heading)
                                      : read(table->headingField, Part::Value);
            }
            first = false;
            out += crlf + crlf;
            if (const Difference* d = find(Change::LineBeforeEntries, table->id))
                out += QString::fromLatin1(d->text) + crlf;
            bool firstEntry = true;
            bool singleBreak = false;
            for (int i = 1; i <= int(table->entries.size()); ++i) {
                if (find(Change::Omit, table->id, i))
                    continue;
                if (!firstEntry)
                    out += singleBreak ? crlf : crlf + crlf;
                out += entry(*table, i, table->entries[i - 1], unitGap);
                firstEntry = false;
                singleBreak = find(Change::SingleBreakAfter, table->id, i) != nullptr;
            }
        }
        if (find(Change::EndsWithBlankLine))
            out += crlf + crlf;
        return out;
    }

  private:
    const Row& m_row;
    const Reader& m_read;
    mutable bool m_failed = false;
};

} // namespace

std::vector<Combination> combinations(Building building) {
    std::vector<Combination> out;
    for (const Row& row : rowsOf(building))
        out.push_back({row.analysis, row.sections});
    return out;
}

std::vector<SectionSource> sources(Building building, Analysis analysis, Sections sections) {
    std::vector<SectionSource> out;
    for (const SectionTable* table : tablesOf(building, analysis)) {
        if (!(sections & table->id))
            continue;
        SectionSource source{table->id, QString::fromLatin1(table->window), {}};
        for (const Entry& e : table->entries)
            if (const fields::Field* f = fields::find(QString::fromLatin1(e.field));
                f && f->control)
                source.values << QString::fromLatin1(f->control);
        out.push_back(source);
    }
    return out;
}

std::optional<QString> compose(Building building, Analysis analysis, Sections sections,
                               const Reader& read) {
    const auto& rows = rowsOf(building);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
        return r.analysis == analysis && r.sections == sections;
    });
    if (row == rows.end())
        return std::nullopt;

    std::vector<const SectionTable*> tables;
    for (const SectionTable* table : tablesOf(building, analysis))
        if (sections & table->id)
            tables.push_back(table);

    const QString title = analysis == Analysis::Static
                              ? QStringLiteral("RELAZIONE ANALISI STATICA")
                              : QStringLiteral("RELAZIONE ANALISI DINAMICA");
    // The framed dynamic report leaves two blanks between a value and its unit.
    const int unitGap = building == Building::Framed && analysis == Analysis::Dynamic ? 2 : 1;
    const Builder builder(*row, read);
    QString text = builder.build(tables, title, unitGap);
    if (builder.failed())
        return std::nullopt;
    return text;
}

} // namespace report

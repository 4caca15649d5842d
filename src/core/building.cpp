#include "core/building.h"

#include "core/numtext.h"

#include <algorithm>

namespace building {

std::optional<Typed> typed(const QString& text) {
    const auto value = numtext::parse(text);
    if (!value)
        return std::nullopt;
    return Typed{text, *value};
}

bool Project::operator==(const Project& o) const {
    return titolo == o.titolo && committente == o.committente && localita == o.localita &&
           progettista == o.progettista && ordine == o.ordine && data == o.data &&
           revisione == o.revisione;
}

bool Project::isEmpty() const {
    return *this == Project();
}

std::optional<double> Storey::w() const {
    if (weight)
        return weight->value;
    if (g && q && s)
        return g->value + s->value * q->value;
    return std::nullopt;
}

QString Storey::weightText() const {
    if (weight)
        return weight->text;
    const auto value = w();
    return value ? numtext::format(*value) : QString();
}

bool Storey::operator==(const Storey& o) const {
    return g == o.g && q == o.q && s == o.s && h == o.h && weight == o.weight;
}

std::optional<double> Building::totalWeight() const {
    if (storeys.empty())
        return std::nullopt;
    double sum = 0.0;
    for (const Storey& storey : storeys) {
        const auto w = storey.w();
        if (!w)
            return std::nullopt;
        sum += *w;
    }
    return sum;
}

bool Seismic::operator==(const Seismic& o) const {
    return zone == o.zone && protection == o.protection && structure == o.structure &&
           foundation == o.foundation;
}

bool NtcSite::operator==(const NtcSite& o) const {
    return ag == o.ag && f0 == o.f0 && tcStar == o.tcStar && damping == o.damping && q == o.q &&
           soil == o.soil && topography == o.topography && periodSource == o.periodSource &&
           basis == o.basis;
}

bool NtcSite::isEmpty() const {
    return *this == NtcSite();
}

bool Building::operator==(const Building& o) const {
    return project == o.project && sismica == o.sismica && periodo == o.periodo && ntc == o.ntc &&
           storeys == o.storeys;
}

std::optional<double> spreadsheetNumber(const QString& cell) {
    QString t = cell.trimmed();
    // Blanks, no-break blanks and apostrophes group thousands in some spreadsheets.
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.remove(QChar(0x202F));
    t.remove(QLatin1Char('\''));
    const qsizetype comma = t.lastIndexOf(QLatin1Char(','));
    const qsizetype dot = t.lastIndexOf(QLatin1Char('.'));
    // The mark that comes last is the decimal one; the other groups thousands.
    if (comma >= 0 && dot >= 0) {
        if (comma > dot)
            t.remove(QLatin1Char('.'));
        else
            t.remove(QLatin1Char(',')).replace(QLatin1Char('.'), QLatin1Char(','));
    } else if (dot >= 0) {
        if (t.count(QLatin1Char('.')) > 1)
            t.remove(QLatin1Char('.'));
        else
            t.replace(QLatin1Char('.'), QLatin1Char(','));
    } else if (t.count(QLatin1Char(',')) > 1) {
        t.remove(QLatin1Char(','));
    }
    return numtext::parse(t);
}

Pasted pasteRows(const QString& clipboard, int firstColumn) {
    Pasted out;
    QString text = clipboard;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A spreadsheet ends the copy with a line end: no empty storey after the last one.
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    for (int r = 0; r < lines.size(); ++r) {
        Storey storey;
        std::optional<Typed>* columns[] = {&storey.g, &storey.q, &storey.s, &storey.h,
                                           &storey.weight};
        const QStringList cells = lines[r].split(QLatin1Char('\t'));
        out.spans.push_back(std::max(0, std::min(int(cells.size()), 5 - firstColumn)));
        for (int c = 0; c < cells.size() && firstColumn + c < 5; ++c) {
            const QString cell = cells[c].trimmed();
            if (cell.isEmpty())
                continue;
            const auto value = spreadsheetNumber(cell);
            if (!value || *value < 0) {
                out.refused.push_back({r, firstColumn + c, cell});
                continue;
            }
            // Kept in the program's own notation, as if typed in the table.
            *columns[firstColumn + c] = Typed{numtext::format(*value), *value};
        }
        out.storeys.push_back(storey);
    }
    return out;
}

} // namespace building

#include "core/buildingdata.h"

#include "core/coefficients.h"
#include "core/numtext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <vector>

namespace buildingdata {

namespace {

// The keys of the file, in Italian like everything the user sees.
const QString keyFormat = QStringLiteral("formato");
const QString keyVersion = QStringLiteral("versione");
const QString keyShared = QStringLiteral("valoriCondivisi");
const QString keyWindows = QStringLiteral("finestre");
const QString keyWeight = QStringLiteral("pesoEdificio");
const QString keyWeights = QStringLiteral("pesiPiani");
const QString keyHeights = QStringLiteral("quotePiani");
const QString keyStorey = QStringLiteral("numeroPiano");
const QString keyGamma = QStringLiteral("gammaPiano");
const QString keyTitle = QStringLiteral("titolo");
const QString keyControls = QStringLiteral("controlli");
const QString keyValues = QStringLiteral("valori");
const QString keyKept = QStringLiteral("interni");
const QString keyBuilding = QStringLiteral("edificio");
const QString keyProject = QStringLiteral("progetto");
const QString keyStoreys = QStringLiteral("piani");
const QString keySeismic = QStringLiteral("sismica");
const QString keyZone = QStringLiteral("S");
const QString keyProtection = QStringLiteral("I");
const QString keyStructure = QStringLiteral("beta");
const QString keyFoundation = QStringLiteral("epsilon");
const QString keyNtc = QStringLiteral("ntc");
const QString keySoil = QStringLiteral("sottosuolo");
const QString keyTopography = QStringLiteral("topografia");
const QString keyPeriodSource = QStringLiteral("periodoT1");
const QString keyBasis = QStringLiteral("k");
// The NTC 2018 site's numbers, as typed, by their keys in the file.
struct NtcValue {
    const char* key;
    std::optional<building::Typed> building::NtcSite::*member;
};
const NtcValue ntcValues[] = {
    {"ag", &building::NtcSite::ag},      {"F0", &building::NtcSite::f0},
    {"Tc*", &building::NtcSite::tcStar}, {"smorzamento", &building::NtcSite::damping},
    {"q", &building::NtcSite::q},
};
QString soilName(int row) {
    return QString(QLatin1Char(char('A' + row)));
}
QString topographyName(int row) {
    return QStringLiteral("T") + QString::number(row + 1);
}
QString periodSourceName(int row) {
    static const char* const names[] = {"T", "acciaio", "cemento armato", "altre strutture"};
    return QString::fromLatin1(names[row]);
}
QString basisName(int row) {
    return row == 1 ? QStringLiteral("1,5") : QStringLiteral("1");
}
const QString keyPeriod = QStringLiteral("periodo");
const QString keyReport = QStringLiteral("relazioneDiCalcolo");
const QString keyReportSections = QStringLiteral("sezioni");
const QString keyReportUnit = QStringLiteral("unita");
const QString keyPeriodH = QStringLiteral("H");
const QString keyPeriodB = QStringLiteral("B");

// The oldest version still read: it has no building.
constexpr int oldestVersion = 1;

// The project's texts and the storey's values by their keys in the file; writing and reading
// go through the same lists, so that no value is written and then not read.
struct ProjectText {
    const char* key;
    QString building::Project::*member;
};
const ProjectText projectTexts[] = {
    {"titolo", &building::Project::titolo},       {"committente", &building::Project::committente},
    {"localita", &building::Project::localita},   {"progettista", &building::Project::progettista},
    {"ordine", &building::Project::ordine},       {"data", &building::Project::data},
    {"revisione", &building::Project::revisione},
};
struct StoreyValue {
    const char* key;
    std::optional<building::Typed> building::Storey::*member;
};
const StoreyValue storeyValues[] = {
    {"G", &building::Storey::g}, {"Q", &building::Storey::q},      {"s", &building::Storey::s},
    {"h", &building::Storey::h}, {"W", &building::Storey::weight},
};

// The most storeys a questionnaire asks for.
constexpr int maxQuestionnaireStoreys = 9;

// The text of a JSON string's body (between its quotes), escapes resolved by the JSON
// reader itself, handed the string alone.
QString unescaped(const char* begin, const char* end) {
    const QByteArray literal = "[\"" + QByteArray(begin, end - begin) + "\"]";
    return QJsonDocument::fromJson(literal).array().at(0).toString();
}

// The first member name found twice in one object of a valid JSON text, as the path of the
// second one ("finestre.periodo.controlli.Text1"), or nothing. A JSON reader keeps one of
// the two silently; a file with both was not written by us and either value could be meant.
std::optional<QString> duplicateMember(const QByteArray& json) {
    struct Level {
        bool object;
        QString path;
        QSet<QString> names;
        QString last;
        int index = 0;
        bool expectName = true;
    };
    std::vector<Level> levels;
    const auto childPath = [&levels]() {
        if (levels.empty())
            return QString();
        const Level& top = levels.back();
        if (!top.object)
            return top.path + QStringLiteral("[%1]").arg(top.index);
        return top.path.isEmpty() ? top.last : top.path + QLatin1Char('.') + top.last;
    };
    const char* p = json.constData();
    const char* end = p + json.size();
    for (; p < end; ++p) {
        switch (*p) {
        case '{':
        case '[':
            levels.push_back({*p == '{', childPath(), {}, {}, 0, true});
            break;
        case '}':
        case ']':
            levels.pop_back();
            break;
        case ',':
            if (levels.back().object)
                levels.back().expectName = true;
            else
                ++levels.back().index;
            break;
        case '"': {
            const char* begin = ++p;
            while (p < end && *p != '"')
                p += *p == '\\' ? 2 : 1;
            if (!levels.empty() && levels.back().object && levels.back().expectName) {
                Level& top = levels.back();
                top.last = unescaped(begin, p);
                top.expectName = false;
                if (top.names.contains(top.last))
                    return childPath();
                top.names.insert(top.last);
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}

// Where the text stops being UTF-8, as "riga L, colonna C" of the characters before it, or
// nothing when it is UTF-8 throughout.
std::optional<QString> notUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype line = 1, column = 1;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int length = c < 0x80           ? 1
                     : (c >> 5) == 0x6  ? 2
                     : (c >> 4) == 0xe  ? 3
                     : (c >> 3) == 0x1e ? 4
                                        : 0;
        bool valid = length > 0 && i + length <= n && !(c == 0xc0 || c == 0xc1 || c > 0xf4);
        for (int k = 1; valid && k < length; ++k)
            valid = (p[i + k] & 0xc0) == 0x80;
        if (valid && length == 3) {
            const unsigned code = ((c & 0x0fu) << 12) | ((p[i + 1] & 0x3fu) << 6);
            valid = code >= 0x800 && !(code >= 0xd800 && code < 0xe000);
        }
        if (valid && length == 4)
            valid = !(c == 0xf0 && p[i + 1] < 0x90) && !(c == 0xf4 && p[i + 1] >= 0x90);
        if (!valid)
            return QStringLiteral("riga %1, colonna %2").arg(line).arg(column);
        if (c == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
        i += length;
    }
    return std::nullopt;
}

// UTF-16 text, with or without its byte order mark: ASCII characters come with a zero byte.
bool looksUtf16(const QByteArray& bytes) {
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff"))
        return true;
    const qsizetype sample = std::min<qsizetype>(bytes.size(), 64);
    return sample >= 2 && bytes.left(sample).count('\0') * 4 >= sample;
}

// Line and column of a byte offset, for messages a person can follow in an editor.
QString lineAndColumn(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1)).size() + 1;
    return QStringLiteral("riga %1, colonna %2").arg(line).arg(column);
}

QJsonValue storeyValue(const std::optional<QString>& storey) {
    // Never set, or the storey as typed (an empty text when cleared).
    return storey ? QJsonValue(*storey) : QJsonValue();
}

QJsonValue gammaValue(const SharedNumber& gamma) {
    // Never set, cleared (an empty text), or a number.
    if (gamma.isNeverSet())
        return QJsonValue();
    if (const auto number = gamma.number())
        return QJsonValue(doubleText(*number));
    return QJsonValue(QString());
}

// Reading: each check returns an empty string or the reason, naming the value by its path.
class Reader {
  public:
    QString error;

    bool fail(const QString& reason) {
        if (error.isEmpty())
            error = reason;
        return false;
    }

    bool object(const QJsonValue& v, const QString& path, QJsonObject* out) {
        if (!v.isObject())
            return fail(quoted(path) + QStringLiteral(" deve essere un oggetto JSON"));
        *out = v.toObject();
        return true;
    }

    bool onlyKeys(const QJsonObject& o, const QString& path, const QStringList& known) {
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!known.contains(it.key()))
                return fail(QStringLiteral("voce sconosciuta ") +
                            quoted(path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key()));
        return true;
    }

    bool text(const QJsonValue& v, const QString& path, QString* out) {
        if (!v.isString())
            return fail(quoted(path) + QStringLiteral(" deve essere un testo"));
        *out = v.toString();
        return true;
    }

    bool numberText(const QJsonValue& v, const QString& path, double* out) {
        QString t;
        if (!text(v, path, &t))
            return false;
        const auto n = numtext::parseStored(t);
        if (!n)
            return fail(quoted(path) + QStringLiteral(" non è un numero: \"") + excerpt(t) +
                        QStringLiteral("\""));
        *out = *n;
        return true;
    }

    // A weight or a height: a number, not below zero (the questionnaires refuse those).
    bool quantityText(const QJsonValue& v, const QString& path, double* out) {
        if (!numberText(v, path, out))
            return false;
        if (*out < 0)
            return fail(quoted(path) + QStringLiteral(" è negativo: \"") + excerpt(v.toString()) +
                        QStringLiteral("\""));
        return true;
    }

    bool numberList(const QJsonValue& v, const QString& path, QStringList* out) {
        if (!v.isArray())
            return fail(quoted(path) + QStringLiteral(" deve essere un elenco di numeri"));
        const QJsonArray a = v.toArray();
        if (a.size() > maxQuestionnaireStoreys)
            return fail(quoted(path) + QStringLiteral(" ha %1 piani, al massimo se ne "
                                                      "inseriscono %2")
                                           .arg(a.size())
                                           .arg(maxQuestionnaireStoreys));
        for (int i = 0; i < a.size(); ++i) {
            double ignored = 0.0;
            const QString item = path + QStringLiteral("[%1]").arg(i);
            if (!quantityText(a.at(i), item, &ignored))
                return false;
            out->append(a.at(i).toString());
        }
        return true;
    }

    bool shared(const QJsonValue& v, SharedValues* out) {
        QJsonObject o;
        if (!object(v, keyShared, &o) ||
            !onlyKeys(o, keyShared, {keyWeight, keyWeights, keyHeights, keyStorey, keyGamma}))
            return false;
        const auto path = [](const QString& key) { return keyShared + QLatin1Char('.') + key; };
        for (const QString& key : {keyWeight, keyWeights, keyHeights, keyStorey, keyGamma})
            if (!o.contains(key))
                return fail(QStringLiteral("manca ") + quoted(path(key)));
        double weight = 0.0;
        if (!quantityText(o.value(keyWeight), path(keyWeight), &weight))
            return false;
        const float single = static_cast<float>(weight);
        if (!std::isfinite(single))
            return fail(quoted(path(keyWeight)) +
                        QStringLiteral(" è troppo grande per un peso dell'edificio"));
        out->pesoEdificio = single;
        if (!numberList(o.value(keyWeights), path(keyWeights), &out->pesiPiani) ||
            !numberList(o.value(keyHeights), path(keyHeights), &out->quotePiani))
            return false;
        const QJsonValue storey = o.value(keyStorey);
        if (!storey.isNull()) {
            QString t;
            if (!text(storey, path(keyStorey), &t))
                return false;
            out->numeroPiano = t;
        }
        const QJsonValue gamma = o.value(keyGamma);
        if (gamma.isString() && gamma.toString().isEmpty()) {
            out->gammaPiano = SharedNumber::cleared();
        } else if (!gamma.isNull()) {
            double g = 0.0;
            if (!numberText(gamma, path(keyGamma), &g))
                return false;
            out->gammaPiano = g;
        }
        return true;
    }

    // The building: the project's texts, all required, and the storeys from the lowest, each
    // with the values known, as typed. A value is read as it was when typed, so the storey
    // comes back equal; one that is not a number or is negative was never accepted.
    bool buildingData(const QJsonValue& v, building::Building* out) {
        QJsonObject o;
        if (!object(v, keyBuilding, &o) ||
            !onlyKeys(o, keyBuilding, {keyProject, keyStoreys, keySeismic, keyPeriod, keyNtc}))
            return false;
        const auto path = [](const QString& parent, const QString& key) {
            return parent + QLatin1Char('.') + key;
        };
        for (const QString& key : {keyProject, keyStoreys})
            if (!o.contains(key))
                return fail(QStringLiteral("manca ") + quoted(path(keyBuilding, key)));
        const QString projectPath = path(keyBuilding, keyProject);
        QJsonObject project;
        QStringList projectKeys;
        for (const ProjectText& t : projectTexts)
            projectKeys << QString::fromLatin1(t.key);
        if (!object(o.value(keyProject), projectPath, &project) ||
            !onlyKeys(project, projectPath, projectKeys))
            return false;
        for (const ProjectText& t : projectTexts) {
            const QString key = QString::fromLatin1(t.key);
            if (!project.contains(key))
                return fail(QStringLiteral("manca ") + quoted(path(projectPath, key)));
            if (!text(project.value(key), path(projectPath, key), &(out->project.*t.member)))
                return false;
        }

        const QString storeysPath = path(keyBuilding, keyStoreys);
        const QJsonValue list = o.value(keyStoreys);
        if (!list.isArray())
            return fail(quoted(storeysPath) + QStringLiteral(" deve essere un elenco di piani"));
        const QJsonArray storeys = list.toArray();
        if (storeys.size() > building::maxStoreys)
            return fail(quoted(storeysPath) + QStringLiteral(" ha %1 piani, al massimo se ne "
                                                             "inseriscono %2")
                                                  .arg(storeys.size())
                                                  .arg(building::maxStoreys));
        QStringList storeyKeys;
        for (const StoreyValue& s : storeyValues)
            storeyKeys << QString::fromLatin1(s.key);
        for (int i = 0; i < storeys.size(); ++i) {
            const QString storeyPath = storeysPath + QStringLiteral("[%1]").arg(i);
            QJsonObject so;
            if (!object(storeys.at(i), storeyPath, &so) || !onlyKeys(so, storeyPath, storeyKeys))
                return false;
            building::Storey storey;
            for (const StoreyValue& s : storeyValues) {
                const QString key = QString::fromLatin1(s.key);
                if (!so.contains(key))
                    continue;
                const QString where = path(storeyPath, key);
                QString t;
                if (!text(so.value(key), where, &t))
                    return false;
                const auto value = building::typed(t);
                if (!value)
                    return fail(quoted(where) + QStringLiteral(" non è un numero: \"") +
                                excerpt(t) + QStringLiteral("\""));
                if (value->value < 0)
                    return fail(quoted(where) + QStringLiteral(" è negativo: \"") + excerpt(t) +
                                QStringLiteral("\""));
                storey.*s.member = value;
            }
            out->storeys.push_back(storey);
        }
        if (o.contains(keyPeriod) &&
            !period(o.value(keyPeriod), path(keyBuilding, keyPeriod), &out->periodo))
            return false;
        return (!o.contains(keySeismic) ||
                seismic(o.value(keySeismic), path(keyBuilding, keySeismic), &out->sismica)) &&
               (!o.contains(keyNtc) ||
                ntcSite(o.value(keyNtc), path(keyBuilding, keyNtc), &out->ntc));
    }

    // The NTC 2018 site: each value optional; the numbers as typed and not negative (the
    // window refuses the rest when it computes), the categories by their names.
    bool ntcSite(const QJsonValue& v, const QString& where, building::NtcSite* out) {
        QStringList keys{keySoil, keyTopography, keyPeriodSource, keyBasis};
        for (const NtcValue& n : ntcValues)
            keys << QString::fromLatin1(n.key);
        QJsonObject o;
        if (!object(v, where, &o) || !onlyKeys(o, where, keys))
            return false;
        const auto at = [&where](const QString& key) { return where + QLatin1Char('.') + key; };
        for (const NtcValue& n : ntcValues) {
            const QString key = QString::fromLatin1(n.key);
            if (!o.contains(key))
                continue;
            QString t;
            if (!text(o.value(key), at(key), &t))
                return false;
            const auto value = building::typed(t);
            if (!value)
                return fail(quoted(at(key)) + QStringLiteral(" non è un numero: \"") + excerpt(t) +
                            QStringLiteral("\""));
            if (value->value < 0)
                return fail(quoted(at(key)) + QStringLiteral(" è negativo: \"") + excerpt(t) +
                            QStringLiteral("\""));
            out->*n.member = value;
        }
        const struct {
            const QString& key;
            int count;
            QString (*name)(int);
            std::optional<int> building::NtcSite::*member;
        } categories[] = {
            {keySoil, building::ntcSoilCount, soilName, &building::NtcSite::soil},
            {keyTopography, building::ntcTopographyCount, topographyName,
             &building::NtcSite::topography},
            {keyPeriodSource, building::ntcPeriodSourceCount, periodSourceName,
             &building::NtcSite::periodSource},
            {keyBasis, building::ntcBasisCount, basisName, &building::NtcSite::basis},
        };
        for (const auto& c : categories) {
            if (!o.contains(c.key))
                continue;
            QString t;
            if (!text(o.value(c.key), at(c.key), &t))
                return false;
            for (int row = 0; row < c.count; ++row)
                if (c.name(row) == t)
                    out->*c.member = row;
            if (!(out->*c.member))
                return fail(quoted(at(c.key)) + QStringLiteral(" non è tra le scelte: \"") +
                            excerpt(t) + QStringLiteral("\""));
        }
        return true;
    }

    // The sections of the calculation report, by key, and the unit of forces, both required.
    bool reportChoices(const QJsonValue& v, std::optional<relazione::Choices>* out) {
        QJsonObject o;
        if (!object(v, keyReport, &o) ||
            !onlyKeys(o, keyReport, {keyReportSections, keyReportUnit}))
            return false;
        const QString sectionsPath = keyReport + QLatin1Char('.') + keyReportSections;
        const QString unitPath = keyReport + QLatin1Char('.') + keyReportUnit;
        for (const QString& key : {keyReportSections, keyReportUnit})
            if (!o.contains(key))
                return fail(QStringLiteral("manca ") + quoted(keyReport + QLatin1Char('.') + key));
        if (!o.value(keyReportSections).isArray())
            return fail(quoted(sectionsPath) + QStringLiteral(" deve essere un elenco di testi"));
        relazione::ChoicesText t;
        for (const QJsonValue& item : o.value(keyReportSections).toArray()) {
            if (!item.isString())
                return fail(quoted(sectionsPath) +
                            QStringLiteral(" deve essere un elenco di testi"));
            t.sections << item.toString();
        }
        if (!text(o.value(keyReportUnit), unitPath, &t.unit))
            return false;
        QString why;
        const auto choices = relazione::fromText(t, &why);
        if (!choices)
            return fail(quoted(keyReport) + QStringLiteral(": ") + excerpt(why));
        *out = choices;
        return true;
    }

    // H and B of the period, each optional, as typed and read as a storey's values are.
    bool period(const QJsonValue& v, const QString& where, building::Period* out) {
        QJsonObject o;
        if (!object(v, where, &o) || !onlyKeys(o, where, {keyPeriodH, keyPeriodB}))
            return false;
        const struct {
            const QString& key;
            std::optional<building::Typed> building::Period::*member;
        } values[] = {{keyPeriodH, &building::Period::h}, {keyPeriodB, &building::Period::b}};
        for (const auto& p : values) {
            if (!o.contains(p.key))
                continue;
            const QString at = where + QLatin1Char('.') + p.key;
            QString t;
            if (!text(o.value(p.key), at, &t))
                return false;
            const auto value = building::typed(t);
            if (!value)
                return fail(quoted(at) + QStringLiteral(" non è un numero: \"") + excerpt(t) +
                            QStringLiteral("\""));
            if (value->value < 0)
                return fail(quoted(at) + QStringLiteral(" è negativo: \"") + excerpt(t) +
                            QStringLiteral("\""));
            out->*p.member = value;
        }
        return true;
    }

    // The seismic data: each value optional (not chosen yet), and each one the windows could
    // have chosen: S of a zone of the list, I and beta of their lists, epsilon not negative.
    bool seismic(const QJsonValue& v, const QString& where, building::Seismic* out) {
        QJsonObject o;
        if (!object(v, where, &o) ||
            !onlyKeys(o, where, {keyZone, keyProtection, keyStructure, keyFoundation}))
            return false;
        const auto at = [&where](const QString& key) { return where + QLatin1Char('.') + key; };
        const auto notOffered = [this, &o, &at](const QString& key) {
            return fail(quoted(at(key)) + QStringLiteral(" non è un valore dell'elenco: \"") +
                        excerpt(o.value(key).toString()) + QStringLiteral("\""));
        };
        double n = 0.0;
        if (o.contains(keyZone)) {
            if (!numberText(o.value(keyZone), at(keyZone), &n))
                return false;
            for (int row = 0; row < coefficients::zoneCount; ++row)
                if (coefficients::zone(row).s == n)
                    out->zone = row;
            if (!out->zone)
                return notOffered(keyZone);
        }
        const struct {
            const QString& key;
            const coefficients::ItemList& list;
            std::optional<double> building::Seismic::*member;
        } coefficientsOffered[] = {
            {keyProtection, coefficients::protection, &building::Seismic::protection},
            {keyStructure, coefficients::structure, &building::Seismic::structure},
        };
        for (const auto& c : coefficientsOffered) {
            if (!o.contains(c.key))
                continue;
            if (!numberText(o.value(c.key), at(c.key), &n))
                return false;
            if (!c.list.rowOf(n))
                return notOffered(c.key);
            out->*c.member = n;
        }
        if (o.contains(keyFoundation)) {
            // As typed, read as a typed value is, the way a storey's values are.
            QString t;
            if (!text(o.value(keyFoundation), at(keyFoundation), &t))
                return false;
            const auto value = building::typed(t);
            if (!value)
                return fail(quoted(at(keyFoundation)) + QStringLiteral(" non è un numero: \"") +
                            excerpt(t) + QStringLiteral("\""));
            if (value->value < 0)
                return fail(quoted(at(keyFoundation)) + QStringLiteral(" è negativo: \"") +
                            excerpt(t) + QStringLiteral("\""));
            out->foundation = value;
        }
        return true;
    }

    bool control(const QJsonValue& v, const QString& path, ControlValue* out) {
        if (v.isString()) {
            *out = ControlValue::ofText(v.toString());
            return true;
        }
        if (v.isBool()) {
            *out = ControlValue::ofChecked(v.toBool());
            return true;
        }
        const double d = v.toDouble(-2.0);
        if (v.isDouble() && d == std::floor(d) && d >= -1.0 && d < 1e6) {
            *out = ControlValue::ofRow(static_cast<int>(d));
            return true;
        }
        return fail(quoted(path) +
                    QStringLiteral(" deve essere un testo, una riga di elenco (da -1 in su) "
                                   "o vero/falso"));
    }

    bool values(const QJsonObject& window, const QString& key, const QString& path,
                QMap<QString, ControlValue>* out) {
        QJsonObject values;
        if (!object(window.value(key), path + QLatin1Char('.') + key, &values))
            return false;
        for (auto it = values.begin(); it != values.end(); ++it) {
            ControlValue value;
            if (!control(it.value(), path + QLatin1Char('.') + it.key(), &value))
                return false;
            out->insert(it.key(), value);
        }
        return true;
    }

    // A window of version 1 holds its controls by name; one of version 2 its values by key,
    // or, written before the keys, its controls by name as well.
    bool window(const QJsonValue& v, const QString& path, bool byKey, Window* out) {
        QJsonObject o;
        QStringList keys{keyTitle, keyControls, keyKept};
        if (byKey)
            keys << keyValues;
        if (!object(v, path, &o) || !onlyKeys(o, path, keys))
            return false;
        if (!text(o.value(keyTitle), path + QLatin1Char('.') + keyTitle, &out->title))
            return false;
        if (byKey && o.contains(keyValues) && o.contains(keyControls))
            return fail(quoted(path) + QStringLiteral(" ha sia ") + quoted(keyValues) +
                        QStringLiteral(" sia ") + quoted(keyControls));
        if (byKey && o.contains(keyValues)) {
            if (!values(o, keyValues, path, &out->values))
                return false;
        } else if (!values(o, keyControls, path, &out->controls)) {
            return false;
        }
        if (o.contains(keyKept)) {
            QJsonObject kept;
            if (!object(o.value(keyKept), path + QLatin1Char('.') + keyKept, &kept))
                return false;
            for (auto it = kept.begin(); it != kept.end(); ++it) {
                QString t;
                if (!text(it.value(),
                          path + QLatin1Char('.') + keyKept + QLatin1Char('.') + it.key(), &t))
                    return false;
                out->kept.insert(it.key(), t);
            }
        }
        return true;
    }
};

} // namespace

QString doubleText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

QString floatText(float value) {
    // Six significant digits are enough for most weights; nine for any single value.
    for (int digits = 6; digits < 9; ++digits) {
        const QString text = numtext::formatDigits(static_cast<double>(value), digits);
        const auto back = numtext::parse(text);
        if (back && static_cast<float>(*back) == value)
            return text;
    }
    return numtext::formatDigits(static_cast<double>(value), 9);
}

namespace {

QJsonObject buildingObject(const building::Building& b) {
    QJsonObject project;
    for (const ProjectText& t : projectTexts)
        project.insert(QString::fromLatin1(t.key), b.project.*t.member);
    QJsonArray storeys;
    for (const building::Storey& s : b.storeys) {
        // Only the values known: a missing one has no key.
        QJsonObject storey;
        for (const StoreyValue& v : storeyValues)
            if (const auto& value = s.*v.member)
                storey.insert(QString::fromLatin1(v.key), value->text);
        storeys.append(storey);
    }
    QJsonObject out;
    out.insert(keyProject, project);
    out.insert(keyStoreys, storeys);
    // Only what has been chosen; a building with no seismic data has no key for it.
    QJsonObject seismic;
    if (b.sismica.zone)
        seismic.insert(keyZone, QString::number(coefficients::zone(*b.sismica.zone).s));
    if (b.sismica.protection)
        seismic.insert(keyProtection, doubleText(*b.sismica.protection));
    if (b.sismica.structure)
        seismic.insert(keyStructure, doubleText(*b.sismica.structure));
    if (b.sismica.foundation)
        seismic.insert(keyFoundation, b.sismica.foundation->text);
    if (!seismic.isEmpty())
        out.insert(keySeismic, seismic);
    // The NTC 2018 site likewise: only what has been given.
    QJsonObject ntc;
    for (const NtcValue& n : ntcValues)
        if (const auto& value = b.ntc.*n.member)
            ntc.insert(QString::fromLatin1(n.key), value->text);
    if (b.ntc.soil)
        ntc.insert(keySoil, soilName(*b.ntc.soil));
    if (b.ntc.topography)
        ntc.insert(keyTopography, topographyName(*b.ntc.topography));
    if (b.ntc.periodSource)
        ntc.insert(keyPeriodSource, periodSourceName(*b.ntc.periodSource));
    if (b.ntc.basis)
        ntc.insert(keyBasis, basisName(*b.ntc.basis));
    if (!ntc.isEmpty())
        out.insert(keyNtc, ntc);
    QJsonObject period;
    if (b.periodo.h)
        period.insert(keyPeriodH, b.periodo.h->text);
    if (b.periodo.b)
        period.insert(keyPeriodB, b.periodo.b->text);
    if (!period.isEmpty())
        out.insert(keyPeriod, period);
    return out;
}

} // namespace

QByteArray write(const File& file) {
    QJsonObject shared;
    shared.insert(keyWeight, floatText(file.shared.pesoEdificio));
    shared.insert(keyWeights, QJsonArray::fromStringList(file.shared.pesiPiani));
    shared.insert(keyHeights, QJsonArray::fromStringList(file.shared.quotePiani));
    shared.insert(keyStorey, storeyValue(file.shared.numeroPiano));
    shared.insert(keyGamma, gammaValue(file.shared.gammaPiano));

    QJsonObject windows;
    for (auto w = file.windows.begin(); w != file.windows.end(); ++w) {
        QJsonObject values;
        for (auto c = w->values.begin(); c != w->values.end(); ++c) {
            switch (c->kind) {
            case ControlValue::Text:
                values.insert(c.key(), c->text);
                break;
            case ControlValue::Row:
                values.insert(c.key(), c->row);
                break;
            case ControlValue::Checked:
                values.insert(c.key(), c->checked);
                break;
            }
        }
        QJsonObject window;
        window.insert(keyTitle, w->title);
        window.insert(keyValues, values);
        if (!w->kept.isEmpty()) {
            QJsonObject kept;
            for (auto k = w->kept.begin(); k != w->kept.end(); ++k)
                kept.insert(k.key(), k.value());
            window.insert(keyKept, kept);
        }
        windows.insert(w.key(), window);
    }

    QJsonObject root;
    root.insert(keyFormat, QString::fromLatin1(formatName));
    root.insert(keyVersion, formatVersion);
    root.insert(keyShared, shared);
    root.insert(keyWindows, windows);
    root.insert(keyBuilding, buildingObject(file.shared.edificio));
    // Only once the calculation report has been composed: files without it stay as before.
    if (const auto& choices = file.shared.relazioneCalcolo) {
        const relazione::ChoicesText t = relazione::toText(*choices);
        QJsonObject report;
        report.insert(keyReportSections, QJsonArray::fromStringList(t.sections));
        report.insert(keyReportUnit, t.unit);
        root.insert(keyReport, report);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString quoted(const QString& name) {
    return QStringLiteral("«") + excerpt(name) + QStringLiteral("»");
}

QString excerpt(const QString& value) {
    constexpr int longest = 60;
    if (value.size() <= longest)
        return value;
    // Never cut a character made of two UTF-16 units in half.
    int cut = longest - 1;
    if (value.at(cut - 1).isHighSurrogate())
        --cut;
    return value.left(cut) + QStringLiteral("…");
}

ReadResult read(const QByteArray& bytes) {
    if (looksUtf16(bytes))
        return {std::nullopt, QStringLiteral("il file è codificato in UTF-16, mentre i dati "
                                             "edificio sono in UTF-8")};
    if (const auto where = notUtf8(bytes))
        return {std::nullopt, QStringLiteral("il file non è codificato in UTF-8 (carattere non "
                                             "valido alla ") +
                                  *where + QStringLiteral("): forse è in Latin-1 o Windows-1252")};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("il contenuto non è JSON valido (errore alla ") +
                                  lineAndColumn(bytes, parseError.offset) + QLatin1Char(')')};
    if (const auto twice = duplicateMember(bytes))
        return {std::nullopt,
                QStringLiteral("la voce ") + quoted(*twice) + QStringLiteral(" compare due volte")};
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("il contenuto non è un oggetto JSON")};
    const QJsonObject root = document.object();
    if (root.value(keyFormat).toString() != QString::fromLatin1(formatName))
        return {std::nullopt, QStringLiteral("non è un file di dati edificio Tremora (manca ") +
                                  QStringLiteral("\"formato\": \"") +
                                  QString::fromLatin1(formatName) + QStringLiteral("\")")};
    const QJsonValue version = root.value(keyVersion);
    const double v = version.toDouble(-1.0);
    if (v != oldestVersion && v != formatVersion)
        return {std::nullopt, QStringLiteral("la versione del formato %1 non è tra quelle che "
                                             "Tremora legge (da %2 a %3)")
                                  .arg(version.isDouble() ? doubleText(version.toDouble())
                                                          : QStringLiteral("mancante"))
                                  .arg(oldestVersion)
                                  .arg(formatVersion)};
    const bool withBuilding = v >= 2;

    Reader reader;
    File file;
    QStringList rootKeys{keyFormat, keyVersion, keyShared, keyWindows};
    if (withBuilding)
        rootKeys << keyBuilding << keyReport;
    if (!reader.onlyKeys(root, QString(), rootKeys) ||
        !reader.shared(root.value(keyShared), &file.shared))
        return {std::nullopt, reader.error};
    if (withBuilding) {
        if (!root.contains(keyBuilding))
            return {std::nullopt, QStringLiteral("manca ") + quoted(keyBuilding)};
        if (!reader.buildingData(root.value(keyBuilding), &file.shared.edificio))
            return {std::nullopt, reader.error};
    }
    if (root.contains(keyReport) &&
        !reader.reportChoices(root.value(keyReport), &file.shared.relazioneCalcolo))
        return {std::nullopt, reader.error};
    QJsonObject windows;
    if (!reader.object(root.value(keyWindows), keyWindows, &windows))
        return {std::nullopt, reader.error};
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        Window window;
        if (!reader.window(it.value(), keyWindows + QLatin1Char('.') + it.key(), withBuilding,
                           &window))
            return {std::nullopt, reader.error};
        file.windows.insert(it.key(), window);
    }
    return {file, QString()};
}

} // namespace buildingdata

#include "core/fields.h"

#include "core/numtext.h"

#include <QHash>

namespace fields {

namespace {

// Keys are the window's name and the quantity's symbol (T, R, S, C, I, W, Fh, ...); a
// caption alone has no value control.
const std::vector<Field> table{
    // Periodo fondamentale: T = 0,1 * H / sqrt(B), metres and seconds.
    {"periodo.H", "periodo", "Text1", "Label2", "m"},
    {"periodo.B", "periodo", "Text2", "Label1", "m"},
    {"periodo.T", "periodo", "Label4", "Label3", "sec"},

    // Masonry, static: Fh = C * R * I * W.
    {"forzeorizzontali.T", "forzeorizzontali", "Text1", "Label2", "sec"},
    {"forzeorizzontali.R", "forzeorizzontali", "Label5", "Label4", nullptr},
    {"forzeorizzontali.S", "forzeorizzontali", "Label13", "Label7", nullptr},
    {"forzeorizzontali.C", "forzeorizzontali", "Label9", "Label8", nullptr},
    {"forzeorizzontali.I", "forzeorizzontali", "Label11", "Label6", nullptr},
    {"forzeorizzontali.W", "forzeorizzontali", "Text2", "Label1", "tonn"},
    {"forzeorizzontali.Fh", "forzeorizzontali", "Label10", "Label3", "tonn"},
    // The choices behind S, C and I, and C as a plain number for the arithmetic.
    {"forzeorizzontali.sceltaZona", "forzeorizzontali", "List2", "Label7", nullptr},
    {"forzeorizzontali.sceltaI", "forzeorizzontali", "List1", "Label6", nullptr},
    {"forzeorizzontali.Cvalore", "forzeorizzontali", "Label12", nullptr, nullptr},

    // Masonry, response spectrum: a/g = C * R * I.
    {"analisidinamica1.T", "analisidinamica1", "Text1", "Label2", "sec"},
    {"analisidinamica1.R", "analisidinamica1", "Label5", "Label4", nullptr},
    {"analisidinamica1.S", "analisidinamica1", "Label10", "Label7", nullptr},
    {"analisidinamica1.C", "analisidinamica1", "Label9", "Label8", nullptr},
    {"analisidinamica1.I", "analisidinamica1", "Label11", "Label6", nullptr},
    {"analisidinamica1.ag", "analisidinamica1", "Label3", "Label1", nullptr},
    {"analisidinamica1.sceltaZona", "analisidinamica1", "List2", "Label7", nullptr},
    {"analisidinamica1.sceltaI", "analisidinamica1", "List1", "Label6", nullptr},
    {"analisidinamica1.Cvalore", "analisidinamica1", "Label12", nullptr, nullptr},

    // Masonry, vertical forces: Fv = m * C * W.
    {"forzeverticali.S", "forzeverticali", "Label4", "Label7", nullptr},
    {"forzeverticali.C", "forzeverticali", "Label9", "Label8", nullptr},
    {"forzeverticali.W", "forzeverticali", "Text2", "Label10", "tonn"},
    {"forzeverticali.m", "forzeverticali", "Label2", "Label5", nullptr},
    {"forzeverticali.Fv", "forzeverticali", "Label13", "Label12", "tonn"},
    {"forzeverticali.sceltaZona", "forzeverticali", "List2", "Label7", nullptr},
    {"forzeverticali.Cvalore", "forzeverticali", "Label1", nullptr, nullptr},

    // Framed, one storey: F = C * R * epsilon * beta * gamma * I * W, W = G + s * Q. The
    // window's heading label carries the report title and the storey.
    {"azioniorizzontali.intestazione", "azioniorizzontali", "Label1", nullptr, nullptr},
    {"azioniorizzontali.T", "azioniorizzontali", "Text1", "Label2", "sec"},
    {"azioniorizzontali.R", "azioniorizzontali", "Label5", "Label4", nullptr},
    {"azioniorizzontali.I", "azioniorizzontali", "Label16", "Label6", nullptr},
    {"azioniorizzontali.S", "azioniorizzontali", "Label10", "Label7", nullptr},
    {"azioniorizzontali.C", "azioniorizzontali", "Label9", "Label8", nullptr},
    {"azioniorizzontali.beta", "azioniorizzontali", "Label15", "Label11", nullptr},
    {"azioniorizzontali.epsilon", "azioniorizzontali", "Text3", "Label3", nullptr},
    {"azioniorizzontali.gamma", "azioniorizzontali", "Text5", "Label14", nullptr},
    {"azioniorizzontali.Kh", "azioniorizzontali", "Label21", "Label18", nullptr},
    {"azioniorizzontali.G", "azioniorizzontali", "Text6", "Label26", "tonn"},
    {"azioniorizzontali.s", "azioniorizzontali", "Label24", "Label23", nullptr},
    {"azioniorizzontali.Q", "azioniorizzontali", "Text7", "Label20", "tonn"},
    {"azioniorizzontali.W", "azioniorizzontali", "Label28", "Label22", "tonn"},
    {"azioniorizzontali.F", "azioniorizzontali", "Label29", "Label12", "tonn"},
    {"azioniorizzontali.sceltaZona", "azioniorizzontali", "List2", "Label7", nullptr},
    {"azioniorizzontali.sceltaI", "azioniorizzontali", "List1", "Label6", nullptr},
    {"azioniorizzontali.sceltaBeta", "azioniorizzontali", "List3", "Label11", nullptr},
    {"azioniorizzontali.Cvalore", "azioniorizzontali", "Label19", nullptr, nullptr},
    // The kind of room, which gives s.
    {"azioniorizzontali.localeAbitazione", "azioniorizzontali", "Option1", nullptr, nullptr},
    {"azioniorizzontali.localeAffollato", "azioniorizzontali", "Option2", nullptr, nullptr},
    {"azioniorizzontali.localeMoltoAffollato", "azioniorizzontali", "Option3", nullptr, nullptr},
    // Captions that name the storey, and the symbol of beta as the window last wrote it.
    {"azioniorizzontali.F.didascalia", "azioniorizzontali", "Label12", nullptr, nullptr},
    {"azioniorizzontali.gamma.didascalia", "azioniorizzontali", "Label14", nullptr, nullptr},
    {"azioniorizzontali.G.didascalia", "azioniorizzontali", "Label26", nullptr, nullptr},
    {"azioniorizzontali.Q.didascalia", "azioniorizzontali", "Label20", nullptr, nullptr},
    {"azioniorizzontali.W.didascalia", "azioniorizzontali", "Label22", nullptr, nullptr},
    {"azioniorizzontali.beta.didascalia", "azioniorizzontali", "Label11", nullptr, nullptr},

    // Framed, response spectrum (T above 1,4 s, shown as a caption only).
    {"analisidinamica2.T", "analisidinamica2", nullptr, "Label2", nullptr},
    {"analisidinamica2.R", "analisidinamica2", "Label5", "Label4", nullptr},
    {"analisidinamica2.I", "analisidinamica2", "Label10", "Label6", nullptr},
    {"analisidinamica2.S", "analisidinamica2", "Label16", "Label7", nullptr},
    {"analisidinamica2.C", "analisidinamica2", "Label9", "Label8", nullptr},
    {"analisidinamica2.epsilon", "analisidinamica2", "Text3", "Label3", nullptr},
    {"analisidinamica2.beta", "analisidinamica2", "Label15", "Label11", nullptr},
    {"analisidinamica2.ag", "analisidinamica2", "Label13", "Label12", nullptr},
    {"analisidinamica2.sceltaZona", "analisidinamica2", "List2", "Label7", nullptr},
    {"analisidinamica2.sceltaI", "analisidinamica2", "List1", "Label6", nullptr},
    {"analisidinamica2.sceltaBeta", "analisidinamica2", "List3", "Label11", nullptr},
    {"analisidinamica2.Cvalore", "analisidinamica2", "Label14", nullptr, nullptr},
    {"analisidinamica2.beta.didascalia", "analisidinamica2", "Label11", nullptr, nullptr},

    // Framed, vertical actions: Fv = Kv * W.
    {"azioniverticali.struttura", "azioniverticali", "Label8", nullptr, nullptr},
    {"azioniverticali.Kv", "azioniverticali", "Label3", "Label2", nullptr},
    {"azioniverticali.W", "azioniverticali", "Text1", "Label4", "tonn"},
    {"azioniverticali.Fv", "azioniverticali", "Label6", "Label5", "tonn"},
    // The kind of member, which gives Kv.
    {"azioniverticali.luciOltre20m", "azioniverticali", "Option1", nullptr, nullptr},
    {"azioniverticali.spingenti", "azioniverticali", "Option2", nullptr, nullptr},
    {"azioniverticali.sbalzi", "azioniverticali", "Option3", nullptr, nullptr},

    // Seismic displacements, centimetres.
    {"Sollecitazioni.elastici", "Sollecitazioni", nullptr, "Label9", nullptr},
    {"Sollecitazioni.orizzontali", "Sollecitazioni", "Text2", "Label6", "cm"},
    {"Sollecitazioni.verticali", "Sollecitazioni", "Text4", "Label7", "cm"},
    {"Sollecitazioni.complessivi", "Sollecitazioni", "Label10", "Label8", "cm"},
    {"Sollecitazioni.phi", "Sollecitazioni", "Label12", "Label11", nullptr},
    {"Sollecitazioni.altreAzioni", "Sollecitazioni", "Text3", "Label15", "cm"},
    {"Sollecitazioni.reali", "Sollecitazioni", "Label14", "Label13", "cm"},
    // The analysis, which gives the amplification k written beside its symbol.
    {"Sollecitazioni.analisiStatica", "Sollecitazioni", "Option1", nullptr, nullptr},
    {"Sollecitazioni.analisiDinamica", "Sollecitazioni", "Option2", nullptr, nullptr},
    {"Sollecitazioni.phi.didascalia", "Sollecitazioni", "Label11", nullptr, nullptr},

    // Seismic checks, tonnes.
    {"verifiche.orizzontali", "verifiche", "Text1", "Label2", "tonn"},
    {"verifiche.verticali", "verifiche", "Text3", "Label3", "tonn"},
    {"verifiche.sismiche", "verifiche", "Label5", "Label4", "tonn"},
    {"verifiche.esterne", "verifiche", "text2", "Label1", "tonn"},
    {"verifiche.totali", "verifiche", "Label7", "Label6", "tonn"},

    // The questionnaires: what they printed; the distribution coefficient's sums of W (t)
    // and W * h (t * m) and the height h (m) of its storey.
    {"peso.prospetto", "peso", "Stampa", nullptr, nullptr},
    {"coeffdistribuzione.prospetto", "coeffdistribuzione", "Stampa", nullptr, nullptr},
    {"coeffdistribuzione.sommaW", "coeffdistribuzione", "Label1", nullptr, nullptr},
    {"coeffdistribuzione.sommaWh", "coeffdistribuzione", "Label2", nullptr, nullptr},
    {"coeffdistribuzione.h", "coeffdistribuzione", "Label3", nullptr, nullptr},

    // Every storey at once (framed, static) and the response spectrum: the building's seismic
    // data as in the windows of one storey.
    {"tuttipiani.T", "tuttipiani", "Text1", "Label2", "sec"},
    {"tuttipiani.R", "tuttipiani", "Label5", "Label4", nullptr},
    {"tuttipiani.S", "tuttipiani", "Label10", "Label7", nullptr},
    {"tuttipiani.C", "tuttipiani", "Label9", "Label8", nullptr},
    {"tuttipiani.Cvalore", "tuttipiani", "Label19", nullptr, nullptr},
    {"tuttipiani.I", "tuttipiani", "Label16", "Label6", nullptr},
    {"tuttipiani.beta", "tuttipiani", "Label15", "Label11", nullptr},
    {"tuttipiani.epsilon", "tuttipiani", "Text3", "Label3", nullptr},
    {"tuttipiani.sceltaZona", "tuttipiani", "List2", "Label7", nullptr},
    {"tuttipiani.sceltaI", "tuttipiani", "List1", "Label6", nullptr},
    {"tuttipiani.sceltaBeta", "tuttipiani", "List3", "Label11", nullptr},
    {"tuttipiani.messaggio", "tuttipiani", "Messaggio", nullptr, nullptr},
    // The comparison with NTC 2018 on or off; where T1 comes from and the factor k on the 1984
    // forces are the building's, and the results are worked out again from it.
    {"tuttipiani.ntcConfronto", "tuttipiani", "ntcConfronto", nullptr, nullptr},
    {"spettro.T", "spettro", "Text1", "Label2", "sec"},
    {"spettro.S", "spettro", "Label10", "Label7", nullptr},
    {"spettro.C", "spettro", "Label9", "Label8", nullptr},
    {"spettro.Cvalore", "spettro", "Label19", nullptr, nullptr},
    {"spettro.I", "spettro", "Label16", "Label6", nullptr},
    {"spettro.beta", "spettro", "Label15", "Label11", nullptr},
    {"spettro.epsilon", "spettro", "Text3", "Label3", nullptr},
    {"spettro.ag", "spettro", "Label13", "Label12", nullptr},
    {"spettro.sceltaZona", "spettro", "List2", "Label7", nullptr},
    {"spettro.sceltaI", "spettro", "List1", "Label6", nullptr},
    {"spettro.sceltaBeta", "spettro", "List3", "Label11", nullptr},
    // The NTC 2018 spectrum on or off; the site is the building's.
    {"spettro.ntcSpettro", "spettro", "ntcSpettro", nullptr, nullptr},
};

} // namespace

const std::vector<Field>& all() {
    return table;
}

std::vector<const Field*> ofWindow(const QString& window) {
    std::vector<const Field*> out;
    for (const Field& f : table)
        if (window == QLatin1String(f.window))
            out.push_back(&f);
    return out;
}

const Field* byControl(const QString& window, const QString& control) {
    for (const Field& f : table)
        if (f.control && window == QLatin1String(f.window) && control == QLatin1String(f.control))
            return &f;
    return nullptr;
}

QString name(const Field& field) {
    return QString::fromLatin1(field.key).mid(int(qstrlen(field.window)) + 1);
}

const Field* find(const QString& key) {
    static const QHash<QString, const Field*> byKey = [] {
        QHash<QString, const Field*> h;
        for (const Field& f : table)
            h.insert(QString::fromLatin1(f.key), &f);
        return h;
    }();
    return byKey.value(key, nullptr);
}

const std::vector<Quantity>& buildingQuantities() {
    // Only what is the same for the whole building: R follows T and C follows S, so they
    // agree whenever T and S do; W of one storey is no total weight.
    static const std::vector<Quantity> quantities{
        {"zona sismica (S)",
         {"forzeorizzontali.S", "analisidinamica1.S", "forzeverticali.S", "azioniorizzontali.S",
          "analisidinamica2.S"}},
        {"periodo fondamentale (T)",
         {"periodo.T", "forzeorizzontali.T", "analisidinamica1.T", "azioniorizzontali.T"}},
        {"coefficiente di protezione sismica (I)",
         {"forzeorizzontali.I", "analisidinamica1.I", "azioniorizzontali.I", "analisidinamica2.I"}},
        {"coefficiente di struttura (β)", {"azioniorizzontali.beta", "analisidinamica2.beta"}},
        {"coefficiente di fondazione (ε)",
         {"azioniorizzontali.epsilon", "analisidinamica2.epsilon"}},
        {"peso dell'edificio (W)", {"forzeorizzontali.W", "forzeverticali.W", "azioniverticali.W"}},
    };
    return quantities;
}

std::vector<Disagreement>
disagreements(const std::function<std::optional<QString>(const Field&)>& read) {
    std::vector<Disagreement> out;
    for (const Quantity& quantity : buildingQuantities()) {
        Disagreement d{&quantity, {}};
        bool differ = false;
        for (const char* key : quantity.keys) {
            const Field* field = find(QString::fromLatin1(key));
            if (!field)
                continue;
            const std::optional<QString> value = read(*field);
            if (!value || value->trimmed().isEmpty())
                continue;
            if (!d.values.empty()) {
                const QString& first = d.values.front().second;
                const auto a = numtext::parse(first);
                const auto b = numtext::parse(*value);
                differ = differ || (a && b ? *a != *b : first.trimmed() != value->trimmed());
            }
            d.values.emplace_back(field, *value);
        }
        if (differ)
            out.push_back(d);
    }
    return out;
}

} // namespace fields

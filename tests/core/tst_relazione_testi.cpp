#include "core/reportlayout.h"

#include <QHash>
#include <QtTest>

// Whole reports typed out line by line, with the captions the calculation windows carry and
// a set of worked values: the section sets whose layout departs from the common one, and
// a few plain ones as reference. A control the layout should not read is not in the table,
// and reading it abandons the report.
using namespace report;

namespace {

struct Unknown {};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// What the calculation windows show after a worked example (storey 2 in the horizontal
// actions window, "Analisi Dinamica" in the displacements window).
const QHash<QString, QString>& shown() {
    static const QHash<QString, QString> values{
        {"forzeorizzontali.Label2", u("Periodo Fondamentale della Struttura (T):")},
        {"forzeorizzontali.Text1", u("0,2")},
        {"forzeorizzontali.Label4", u("Coefficiente di Risposta (R):")},
        {"forzeorizzontali.Label5", u("1")},
        {"forzeorizzontali.Label7", u("Grado di Sismicità (S):")},
        {"forzeorizzontali.Label13", u("6 (zona di 3° categoria)")},
        {"forzeorizzontali.Label8", u("Coefficiente di Intensità Sismica (C):")},
        {"forzeorizzontali.Label9", u("0,04g")},
        {"forzeorizzontali.Label6", u("Coefficiente di Protezione Sismica (I):")},
        {"forzeorizzontali.Label11", u("1,2")},
        {"forzeorizzontali.Label1", u("Peso della Struttura (W):")},
        {"forzeorizzontali.Text2", u("1250,5")},
        {"forzeorizzontali.Label3", u("Forza Orizzontale (Fh):")},
        {"forzeorizzontali.Label10", u("60,02")},

        {"forzeverticali.Label7", u("Grado di Sismicità (S):")},
        {"forzeverticali.Label4", u("9 (zona di 2° categoria)")},
        {"forzeverticali.Label8", u("Coefficiente di Intensità Sismica (C):")},
        {"forzeverticali.Label9", u("0,07g")},
        {"forzeverticali.Label10", u("Peso complessivo Masse Strutturali (W):")},
        {"forzeverticali.Text2", u("800")},
        {"forzeverticali.Label5", u("m =")},
        {"forzeverticali.Label2", u("2")},
        {"forzeverticali.Label12", u("Risultante Forze Verticali (Fv):")},
        {"forzeverticali.Label13", u("112")},

        {"Sollecitazioni.Label9", u("Spostamenti elastici prodotti dal sisma")},
        {"Sollecitazioni.Label6", u("Spostamenti orizzontali:")},
        {"Sollecitazioni.Text2", u("1,5")},
        {"Sollecitazioni.Label7", u("Spostamenti verticali:")},
        {"Sollecitazioni.Text4", u("0,5")},
        {"Sollecitazioni.Label8", u("Spostamenti complessivi:")},
        {"Sollecitazioni.Label10", u("1,58")},
        {"Sollecitazioni.Label11", u("Ø =")},
        {"Sollecitazioni.Label12", u("4")},
        {"Sollecitazioni.Label15",
         u("Spostamenti elastici dovuti ad altre azioni (escluso il vento):")},
        {"Sollecitazioni.Text3", u("0,3")},
        {"Sollecitazioni.Label13", u("Spostamenti reali:")},
        {"Sollecitazioni.Label14", u("6,62")},

        {"verifiche.Label2", u("Sollecitazioni orizzontali prodotte dal sisma:")},
        {"verifiche.Text1", u("10")},
        {"verifiche.Label3", u("Sollecitazioni verticali prodotte dal sisma:")},
        {"verifiche.Text3", u("4")},
        {"verifiche.Label4", u("Sollecitazioni complessive prodotte dal sisma:")},
        {"verifiche.Label5", u("10,77")},
        {"verifiche.Label1", u("Sollecitazioni prodotte da forze esterne :")},
        {"verifiche.text2", u("20")},
        {"verifiche.Label6", u("Sollecitazioni totali agenti sull'edificio:")},
        {"verifiche.Label7", u("30,77")},

        {"analisidinamica1.Label2", u("Periodo Fondamentale della Struttura (T):")},
        {"analisidinamica1.Text1", u("0,9")},
        {"analisidinamica1.Label4", u("Coefficiente di Risposta (R):")},
        {"analisidinamica1.Label5", u("0,93")},
        {"analisidinamica1.Label7", u("Grado di Sismicità (S):")},
        {"analisidinamica1.Label10", u("12 (zona di 1° categoria)")},
        {"analisidinamica1.Label8", u("Coefficiente di Intensità Sismica (C):")},
        {"analisidinamica1.Label9", u("0,1g")},
        {"analisidinamica1.Label6", u("Coefficiente di Protezione Sismica (I):")},
        {"analisidinamica1.Label11", u("1,4")},
        {"analisidinamica1.Label1", u("Accelerazione spettrale (a/g):")},
        {"analisidinamica1.Label3", u("0,13")},

        {"azioniorizzontali.Label1", u("                       RELAZIONE ANALISI STATICA\r\n\r\n"
                                       "     FORZE ORIZZONTALI (2° PIANO)")},
        {"azioniorizzontali.Label2", u("Periodo Fondamentale della Struttura (T):")},
        {"azioniorizzontali.Text1", u("0,5")},
        {"azioniorizzontali.Label4", u("Coefficiente di Risposta (R):")},
        {"azioniorizzontali.Label5", u("1")},
        {"azioniorizzontali.Label6", u("Coefficiente di Protezione Sismica (I):")},
        {"azioniorizzontali.Label16", u("1,2")},
        {"azioniorizzontali.Label7", u("Grado di Sismicità (S):")},
        {"azioniorizzontali.Label10", u("6 (zona di 3° categoria)")},
        {"azioniorizzontali.Label8", u("Coefficiente di Intensità Sismica (C):")},
        {"azioniorizzontali.Label9", u("0,04g")},
        {"azioniorizzontali.Label11", u("Coefficiente di Struttura (ß):")},
        {"azioniorizzontali.Label15", u("1")},
        {"azioniorizzontali.Label3", u("Coefficiente di Fondazione:")},
        {"azioniorizzontali.Text3", u("1,3")},
        {"azioniorizzontali.Label14", u("Coefficiente di Distribuzione del  2°  piano:")},
        {"azioniorizzontali.Text5", u("0,8")},
        {"azioniorizzontali.Label18", u("Coefficiente sismico orizzontale (Kh):")},
        {"azioniorizzontali.Label21", u("0,05")},
        {"azioniorizzontali.Label26",
         u("Peso del  2° piano e del sovraccarico permanente su di esso gravante (G):")},
        {"azioniorizzontali.Text6", u("100")},
        {"azioniorizzontali.Label23", u("Coefficiente di riduzione del sovraccarico (s):")},
        {"azioniorizzontali.Label24", u("0,33")},
        {"azioniorizzontali.Label20", u("Massimo sovraccarico accidentale al  2° piano (Q):")},
        {"azioniorizzontali.Text7", u("20")},
        {"azioniorizzontali.Label22", u("Peso del 2° piano (W):")},
        {"azioniorizzontali.Label28", u("106,6")},
        {"azioniorizzontali.Label12", u("Forza Orizzontale applicata al 2° piano (F):")},
        {"azioniorizzontali.Label29", u("5,33")},

        {"azioniverticali.Label8", u("Sbalzi")},
        {"azioniverticali.Label2", u("Coefficiente sismico verticale (Kv):")},
        {"azioniverticali.Label3", u("0,4")},
        {"azioniverticali.Label4", u("Peso totale dell'edificio (W):")},
        {"azioniverticali.Text1", u("500")},
        {"azioniverticali.Label5", u("Forza verticale (Fv valore assoluto):")},
        {"azioniverticali.Label6", u("200")},

        {"analisidinamica2.Label2", u("Periodo Fondamentale della Struttura (T> 1.4 sec)")},
        {"analisidinamica2.Label4", u("Coefficiente di Risposta (R):")},
        {"analisidinamica2.Label5", u("1")},
        {"analisidinamica2.Label6", u("Coefficiente di Protezione Sismica (I):")},
        {"analisidinamica2.Label10", u("1,2")},
        {"analisidinamica2.Label7", u("Grado di Sismicità (S):")},
        {"analisidinamica2.Label16", u("9 (zona di 2° categoria)")},
        {"analisidinamica2.Label8", u("Coefficiente di Intensità Sismica (C):")},
        {"analisidinamica2.Label9", u("0,07g")},
        {"analisidinamica2.Label3", u("Coefficiente di Fondazione:")},
        {"analisidinamica2.Text3", u("1,2")},
        {"analisidinamica2.Label11", u("Coefficiente di Struttura (ß):")},
        {"analisidinamica2.Label15", u("1,2")},
        {"analisidinamica2.Label12", u("Accelerazione spettrale (a/g):")},
        {"analisidinamica2.Label13", u("0,12")},
    };
    return values;
}

QString written(Building building, Analysis analysis, Sections sections) {
    try {
        const auto text =
            compose(building, analysis, sections, [](const QString& w, const QString& c) {
                const QString key = w + QLatin1Char('.') + c;
                if (!shown().contains(key))
                    throw Unknown{};
                return shown().value(key);
            });
        return text ? *text : QStringLiteral("<nessuna relazione>");
    } catch (const Unknown&) {
        return QStringLiteral("<controllo sconosciuto>");
    }
}

constexpr Analysis St = Analysis::Static;
constexpr Analysis Dy = Analysis::Dynamic;

} // namespace

class TestRelazioneTesti : public QObject {
    Q_OBJECT
  private slots:
    void masonry_data() {
        QTest::addColumn<int>("analysis");
        QTest::addColumn<unsigned>("sections");
        QTest::addColumn<QString>("expected");

        QTest::newRow("static FO FV")
            << int(St) << unsigned(FO | FV)
            << u("\r\n"
                 "                      RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "    FORZE ORIZZONTALI\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T): 0,2 sec\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 6 (zona di 3° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,04g\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2   \r\n"
                 "\r\n"
                 "    Peso della Struttura (W): 1250,5 tonn\r\n"
                 "\r\n"
                 "    Forza Orizzontale (Fh): 60,02 tonn\r\n"
                 "\r\n"
                 "\r\n"
                 "        FORZE VERTICALI\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 9 (zona di 2° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,07g\r\n"
                 "\r\n"
                 "    Peso complessivo Masse Strutturali (W): 800 tonn\r\n"
                 "\r\n"
                 "    m = 2\r\n"
                 "\r\n"
                 "    Risultante Forze Verticali (Fv): 112 tonn");

        QTest::newRow("static FV") << int(St) << unsigned(FV)
                                   << u("\r\n"
                                        "                      RELAZIONE ANALISI STATICA\r\n"
                                        "\r\n"
                                        "    FORZE VERTICALI\r\n"
                                        "\r\n"
                                        "    Grado di Sismicità (S): 9 (zona di 2° categoria)\r\n"
                                        "\r\n"
                                        "    Coefficiente di Intensità Sismica (C): 0,07g\r\n"
                                        "\r\n"
                                        "    Peso complessivo Masse Strutturali (W): 800\r\n"
                                        "\r\n"
                                        "    m = 2\r\n"
                                        "\r\n"
                                        "    Risultante Forze Verticali (Fv): 112");

        QTest::newRow("static FO VS")
            << int(St) << unsigned(FO | VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "    FORZE ORIZZONTALI\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T): 0,2 sec\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 6 (zona di 3° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,04g\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2   \r\n"
                 "\r\n"
                 "    Peso della Struttura (W): 1250,5 tonn\r\n"
                 "\r\n"
                 "    Forza Orizzontale (Fh): 60,02 tonn\r\n"
                 "\r\n"
                 "\r\n"
                 "    VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni totali agenti sull'edificio: 30,77 tonn");

        QTest::newRow("static FV DS")
            << int(St) << unsigned(FV | DS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "    FORZE VERTICALI\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 9 (zona di 2° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,07g\r\n"
                 "\r\n"
                 "    Peso complessivo Masse Strutturali (W): 800 tonn\r\n"
                 "\r\n"
                 "    m = 2\r\n"
                 "\r\n"
                 "    Risultante Forze Verticali (Fv): 112 tonn\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58 cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3 cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62 cm");

        QTest::newRow("dynamic DS") << int(Dy) << unsigned(DS)
                                    << u("\r\n"
                                         "                      RELAZIONE ANALISI DINAMICA\r\n"
                                         "\r\n"
                                         "    DEFORMAZIONI SISMICHE  \r\n"
                                         "\r\n"
                                         "    Spostamenti elastici prodotti dal sisma\r\n"
                                         "\r\n"
                                         "    Spostamenti orizzontali: 1,5 cm\r\n"
                                         "\r\n"
                                         "    Spostamenti complessivi: 1,58 cm\r\n"
                                         "\r\n"
                                         "    Ø = 4\r\n"
                                         "\r\n"
                                         "    Spostamenti elastici dovuti ad altre azioni (escluso "
                                         "il vento): 0,3 cm\r\n"
                                         "\r\n"
                                         "    Spostamenti reali: 6,62 cm");

        QTest::newRow("dynamic VS")
            << int(Dy) << unsigned(VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI DINAMICA\r\n"
                 "\r\n"
                 "        VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77 "
                 "tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni totali agenti sull'edificio: 30,77 tonn");

        QTest::newRow("dynamic FO DS VS")
            << int(Dy) << unsigned(FO | DS | VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI DINAMICA\r\n"
                 "\r\n"
                 "        FORZE ORIZZONTALI\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T): 0,9 sec\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 0,93\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 12 (zona di 1° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,1g\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,4   \r\n"
                 "\r\n"
                 "    Accelerazione spettrale (a/g): 0,13\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58 cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3 cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62 cm\r\n"
                 "\r\n"
                 "    VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni totali agenti sull'edificio: 30,77 tonn");
    }
    void masonry() {
        QFETCH(int, analysis);
        QFETCH(unsigned, sections);
        QFETCH(QString, expected);
        QCOMPARE(written(Building::Masonry, Analysis(analysis), sections), expected);
    }

    void framed_data() {
        QTest::addColumn<int>("analysis");
        QTest::addColumn<unsigned>("sections");
        QTest::addColumn<QString>("expected");

        QTest::newRow("static FO DS")
            << int(St) << unsigned(FO | DS)
            << u("\r\n"
                 "                           RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "     FORZE ORIZZONTALI (2° PIANO)\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T): 0,5 sec\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 6 (zona di 3° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,04g   \r\n"
                 "\r\n"
                 "    Coefficiente di Struttura (ß): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Fondazione: 1,3\r\n"
                 "\r\n"
                 "    Coefficiente di Distribuzione del  2°  piano: 0,8\r\n"
                 "\r\n"
                 "    Coefficiente sismico orizzontale (Kh): 0,05\r\n"
                 "    Peso del  2° piano e del sovraccarico permanente su di esso gravante (G): "
                 "100 tonn\r\n"
                 "\r\n"
                 "    Coefficiente di riduzione del sovraccarico (s): 0,33\r\n"
                 "\r\n"
                 "    Massimo sovraccarico accidentale al  2° piano (Q): 20 tonn\r\n"
                 "\r\n"
                 "    Peso del 2° piano (W): 106,6 tonn\r\n"
                 "\r\n"
                 "    Forza Orizzontale applicata al 2° piano (F): 5,33 tonn\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58 cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3 cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62 cm");

        QTest::newRow("static FO")
            << int(St) << unsigned(FO)
            << u("\r\n"
                 "                           RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "     FORZE ORIZZONTALI (2° PIANO)\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T): 0,5 sec\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 6 (zona di 3° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,04g   \r\n"
                 "\r\n"
                 "    Coefficiente di Struttura (ß): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Fondazione: 1,3\r\n"
                 "\r\n"
                 "    Coefficiente di Distribuzione del  2°  piano: 0,8\r\n"
                 "\r\n"
                 "    Coefficiente sismico orizzontale (Kh): 0,05\r\n"
                 "\r\n"
                 "    Peso del  2° piano e del sovraccarico permanente su "
                 "di esso gravante (G): 100 tonn\r\n"
                 "\r\n"
                 "    Coefficiente di riduzione del sovraccarico (s): 0,33\r\n"
                 "\r\n"
                 "    Massimo sovraccarico accidentale al  2° piano (Q): 20 "
                 "tonn\r\n"
                 "\r\n"
                 "    Peso del 2° piano (W): 106,6 tonn\r\n"
                 "\r\n"
                 "    Forza Orizzontale applicata al 2° piano (F): 5,33 "
                 "tonn\r\n"
                 "\r\n");

        QTest::newRow("static FV") << int(St) << unsigned(FV)
                                   << u("\r\n"
                                        "                      RELAZIONE ANALISI STATICA\r\n"
                                        "\r\n"
                                        "    FORZE VERTICALI\r\n"
                                        "\r\n"
                                        "    Tipo di Struttura: Sbalzi\r\n"
                                        "\r\n"
                                        "    Coefficiente sismico verticale (Kv): 0,4 tonn\r\n"
                                        "\r\n"
                                        "    Peso totale dell'edificio (W): 500\r\n"
                                        "\r\n"
                                        "    Forza verticale (Fv valore assoluto): 200 tonn");

        QTest::newRow("static FV DS VS")
            << int(St) << unsigned(FV | DS | VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "    FORZE VERTICALI\r\n"
                 "\r\n"
                 "    Tipo di Struttura: Sbalzi\r\n"
                 "\r\n"
                 "    Coefficiente sismico verticale (Kv): 0,4\r\n"
                 "\r\n"
                 "    Peso totale dell'edificio (W): 500 tonn\r\n"
                 "\r\n"
                 "    Forza verticale (Fv valore assoluto): 200 tonn\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    \r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58 cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3 cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62 cm\r\n"
                 "\r\n"
                 "        VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20 tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni totali agenti sull'edificio: 30,77 tonn");

        QTest::newRow("static FV DS")
            << int(St) << unsigned(FV | DS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI STATICA\r\n"
                 "\r\n"
                 "    FORZE VERTICALI\r\n"
                 "\r\n"
                 "    Tipo di Struttura: Sbalzi\r\n"
                 "\r\n"
                 "    Coefficiente sismico verticale (Kv): 0,4\r\n"
                 "\r\n"
                 "    Peso totale dell'edificio (W): 500 tonn\r\n"
                 "\r\n"
                 "    Forza verticale (Fv valore assoluto): 200 tonn\r\n"
                 "\r\n"
                 "     DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5 cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58 cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3 cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62 cm\r\n"
                 "\r\n");

        QTest::newRow("dynamic VS")
            << int(Dy) << unsigned(VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI DINAMICA\r\n"
                 "\r\n"
                 "     VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10  "
                 "tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4  tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77  "
                 "tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20  tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni totali agenti sull'edificio: 30,77  "
                 "tonn");

        QTest::newRow("dynamic FO DS")
            << int(Dy) << unsigned(FO | DS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI DINAMICA\r\n"
                 "\r\n"
                 "    FORZE ORIZZONTALI\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T> 1.4 sec)\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 9 (zona di 2° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,07g\r\n"
                 "\r\n"
                 "    Coefficiente di Fondazione: 1,2   \r\n"
                 "\r\n"
                 "    Coefficiente di Struttura (ß): 1,2\r\n"
                 "\r\n"
                 "    Accelerazione spettrale (a/g): 0,12\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5  cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5  cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58  cm\r\n"
                 "\r\n"
                 "    Ø = 4\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3  cm\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62   cm");

        QTest::newRow("dynamic FO DS VS")
            << int(Dy) << unsigned(FO | DS | VS)
            << u("\r\n"
                 "                      RELAZIONE ANALISI DINAMICA\r\n"
                 "\r\n"
                 "    FORZE ORIZZONTALI\r\n"
                 "\r\n"
                 "    Periodo Fondamentale della Struttura (T> 1.4 sec)\r\n"
                 "\r\n"
                 "    Coefficiente di Risposta (R): 1\r\n"
                 "\r\n"
                 "    Coefficiente di Protezione Sismica (I): 1,2\r\n"
                 "\r\n"
                 "    Grado di Sismicità (S): 9 (zona di 2° categoria)\r\n"
                 "\r\n"
                 "    Coefficiente di Intensità Sismica (C): 0,07g\r\n"
                 "\r\n"
                 "    Coefficiente di Fondazione: 1,2   \r\n"
                 "\r\n"
                 "    Coefficiente di Struttura (ß): 1,2\r\n"
                 "\r\n"
                 "    Accelerazione spettrale (a/g): 0,12\r\n"
                 "\r\n"
                 "    DEFORMAZIONI SISMICHE  \r\n"
                 "\r\n"
                 "    Spostamenti elastici prodotti dal sisma\r\n"
                 "\r\n"
                 "    Spostamenti orizzontali: 1,5  cm\r\n"
                 "\r\n"
                 "    Spostamenti verticali: 0,5  cm\r\n"
                 "\r\n"
                 "    Spostamenti complessivi: 1,58  cm\r\n"
                 "\r\n"
                 "    Ø = 4  cm\r\n"
                 "\r\n"
                 "    Spostamenti elastici dovuti ad altre azioni (escluso il vento): 0,3\r\n"
                 "\r\n"
                 "    Spostamenti reali: 6,62  cm\r\n"
                 "\r\n"
                 "    VERIFICHE SISMICHE\r\n"
                 "\r\n"
                 "    Sollecitazioni orizzontali prodotte dal sisma: 10  tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni verticali prodotte dal sisma: 4  tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni complessive prodotte dal sisma: 10,77  tonn\r\n"
                 "\r\n"
                 "    Sollecitazioni prodotte da forze esterne : 20  tonn\r\n"
                 "\r\n"
                 "   Sollecitazioni totali agenti sull'edificio: 30,77  tonn");
    }
    void framed() {
        QFETCH(int, analysis);
        QFETCH(unsigned, sections);
        QFETCH(QString, expected);
        QCOMPARE(written(Building::Framed, Analysis(analysis), sections), expected);
    }
};

QTEST_GUILESS_MAIN(TestRelazioneTesti)
#include "tst_relazione_testi.moc"

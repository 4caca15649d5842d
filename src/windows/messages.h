#pragma once

#include <QString>
#include <QStringList>

#include "shell/routes.h"

// Message texts and titles shared by the calculation windows.
namespace messages {

inline const QString titleSystem = QStringLiteral("Messaggio di Sistema");
inline const QString titleSystemLower = QStringLiteral("Messaggio di sistema");
inline const QString titleStored = QStringLiteral("Memorizzazione Dati");

inline const QString fillAll = QStringLiteral("Inserire tutti i valori nelle relative caselle!");
inline const QString pressCompute = QStringLiteral("Premi il pulsante Elabora Dati!");

// Confirmations that results are stored for the report; the line break is LF then CR.
inline const QString storedStatic =
    QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi Statica ") +
    QStringLiteral("\n\r") +
    QStringLiteral("  selezionando l'apposita casella della finestra Componi Relazione");
inline const QString storedDynamic =
    QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi Dinamica ") +
    QStringLiteral("\n\r") +
    QStringLiteral("     selezionando l'apposita casella della finestra Componi Relazione");
// The same for the static actions of framed buildings, one blank before the second line.
inline const QString storedStaticFramed =
    QStringLiteral("E' possibile inserire i dati memorizzati nella Relazione Analisi Statica ") +
    QStringLiteral("\n\r") +
    QStringLiteral(" selezionando l'apposita casella della finestra Componi Relazione");

// Questionnaire messages.
inline const QString maxNineStoreys =
    QStringLiteral("Operazione eseguibile per un numero massimo di 9 piani");
inline const QString wholeStoreyCount =
    QStringLiteral("Il numero dei piani deve essere un numero intero!");
inline const QString wholeStoreyNumber =
    QStringLiteral("Il numero del piano deve essere un numero intero!");
inline const QString negativeWeight =
    QStringLiteral("Il peso di un piano non può essere negativo: reinserire il valore.");
inline const QString negativeHeight =
    QStringLiteral("La quota di un piano non può essere negativa: reinserire il valore.");
inline const QString weightsOverflow =
    QStringLiteral("Il peso inserito porta la somma dei pesi oltre il massimo valore "
                   "rappresentabile: reinserire il peso del piano.");
inline const QString leaveQuestionnaire = QStringLiteral("Interrompere l'inserimento dei dati?");

// Hint when a value taken from another window has been brought up to date.
inline QString updatedHint(const QStringList& names) {
    QString list = names.join(QStringLiteral(" e "));
    if (!list.isEmpty())
        list[0] = list[0].toUpper();
    return list + (names.size() > 1 ? QStringLiteral(" sono stati aggiornati: premere Elabora Dati")
                                    : QStringLiteral(" è stato aggiornato: premere Elabora Dati"));
}

// Units beside the boxes and results, as the report writes them.
inline const QString unitTonnes = QStringLiteral("tonn");
inline const QString unitSeconds = QStringLiteral("sec");
inline const QString unitMetres = QStringLiteral("m");
inline const QString unitCentimetres = QStringLiteral("cm");

} // namespace messages

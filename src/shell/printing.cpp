// Printing and the print preview of the report: the print library, loaded the first time
// the user prints (see ondemand.h), so that Qt Print Support is not loaded at start.
#include "shell/pagelayout.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT QString tremoraPrint(QWidget*, const QTextDocument& document) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QStringLiteral("Nessuna stampante predefinita è installata. La relazione si può "
                              "comunque esportare in PDF (File, Esporta in PDF....) e stampare "
                              "da lì.");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return QStringLiteral("La stampante predefinita non è disponibile.");
    pagelayout::setUp(printer);
    pagelayout::paint(document, printer);
    if (printer.printerState() == QPrinter::Error)
        return QStringLiteral("La stampa non è riuscita.");
    return QString();
}

extern "C" Q_DECL_EXPORT void tremoraPreview(QWidget* owner, const QTextDocument& document) {
    // The preview shows the pages exactly as printing and the PDF make them; its print
    // button asks for the printer, the copies and the pages.
    QPrinter printer(QPrinter::HighResolution);
    pagelayout::setUp(printer);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { pagelayout::paint(document, *target); });
    dialog.exec();
}

#include "app/batch.h"

#include "core/buildingdata.h"
#include "core/calcolo.h"
#include "core/diskfile.h"
#include "core/relazione.h"
#include "shell/buildingfile.h"
#include "shell/relazionedocument.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstring>
#include <memory>

namespace batch {

namespace {

constexpr int failed = 2;

int fail(const QString& reason) {
    std::fputs(qPrintable(QStringLiteral("tremora: ") + reason + QLatin1Char('\n')), stderr);
    return failed;
}

struct Request {
    bool report = false; // --relazione, else --risultati
    QString input;
    QString output;
};

QByteArray quantitiesJson(const calcolo::Results& results) {
    QJsonArray list;
    for (const calcolo::Quantity& q : calcolo::quantities(results))
        list.append(QJsonObject{{QStringLiteral("chiave"), q.key},
                                {QStringLiteral("valore"), q.value},
                                {QStringLiteral("unita"), q.unit}});
    const QJsonObject root{{QStringLiteral("formato"), QStringLiteral("tremora-risultati")},
                           {QStringLiteral("versione"), 1},
                           {QStringLiteral("grandezze"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

bool wanted(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--relazione") || !std::strcmp(argv[i], "--risultati"))
            return true;
    return false;
}

int run(int argc, char* argv[]) {
    Request request;
    for (int i = 1; i < argc; ++i) {
        const bool report = !std::strcmp(argv[i], "--relazione");
        if (report || !std::strcmp(argv[i], "--risultati")) {
            if (i + 1 >= argc)
                return fail(QStringLiteral("manca il file dei dati dell'edificio dopo %1")
                                .arg(QString::fromLocal8Bit(argv[i])));
            request.report = report;
            request.input = QString::fromLocal8Bit(argv[++i]);
        } else if (!std::strcmp(argv[i], "-o")) {
            if (i + 1 >= argc)
                return fail(QStringLiteral("manca il file da scrivere dopo -o"));
            request.output = QString::fromLocal8Bit(argv[++i]);
        } else {
            return fail(QStringLiteral("opzione sconosciuta: %1 (tremora --help elenca le "
                                       "opzioni)")
                            .arg(QString::fromLocal8Bit(argv[i])));
        }
    }
    const QString suffix = QFileInfo(request.output).suffix().toLower();
    if (request.report && request.output.isEmpty())
        return fail(QStringLiteral("--relazione richiede il file da scrivere: -o FILE.pdf o "
                                   "-o FILE.odt"));
    if (request.report && suffix != QLatin1String("pdf") && suffix != QLatin1String("odt"))
        return fail(QStringLiteral("la relazione si scrive in un file .pdf o .odt, non in «%1»")
                        .arg(request.output));

    // Fonts and page layout need the GUI library, not a screen.
    if (request.report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (request.report)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);

    const buildingdata::ReadResult data = buildingfile::readFile(request.input);
    if (!data.file)
        return fail(QStringLiteral("impossibile leggere i dati dell'edificio da «%1»: %2")
                        .arg(request.input, data.error));
    const buildingdata::File& file = *data.file;
    const calcolo::Results results =
        calcolo::compute(file.shared.edificio, calcolo::savedFields(file));

    if (!request.report) {
        const QByteArray json = quantitiesJson(results);
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
        return 0;
    }
    const relazione::Document document =
        relazione::compose(results, file.shared.edificio.project,
                           file.shared.relazioneCalcolo.value_or(relazione::allSections()));
    const QByteArray bytes = suffix == QLatin1String("pdf") ? relazionedocument::pdf(document)
                                                            : relazionedocument::odt(document);
    if (bytes.isEmpty())
        return fail(QStringLiteral("la relazione non è stata composta"));
    const QString failure = diskfile::write(request.output, bytes);
    if (!failure.isEmpty())
        return fail(QStringLiteral("impossibile scrivere «%1»: %2").arg(request.output, failure));
    return 0;
}

} // namespace batch

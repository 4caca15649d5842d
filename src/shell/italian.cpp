#include "shell/italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installItalian(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Qt's folder of translations as the library reports it, then the one it was built with.
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
#ifdef QT_TRANSLATIONS_DIR
                                 QStringLiteral(QT_TRANSLATIONS_DIR)
#endif
    };
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

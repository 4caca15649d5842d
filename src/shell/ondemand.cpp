#include "shell/ondemand.h"

#include "shell/appcontext.h"
#include "shell/prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QHash>
#include <QMessageBox>
#include <dlfcn.h>

namespace ondemand {

namespace {

// Libraries stay loaded until the program ends: windows and dialogs made by them may live
// as long as the program.
void* loadLibrary(const char* library, QString* error) {
    static QHash<QByteArray, void*> loaded;
    const QByteArray file = QByteArrayLiteral("libtremora_") + library + QByteArrayLiteral(".so");
    if (void* handle = loaded.value(file))
        return handle;
    // Called from the program itself, dlopen searches the program's run path. A tool that
    // wraps dlopen (a sanitizer's runtime) makes the search its own, without that run path:
    // then the places the run path names are tried by their full path.
    void* handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder : {here, here + QStringLiteral("/../lib/tremora")}) {
        if (handle || here.isEmpty())
            break;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/')) + file;
        handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    }
    if (!handle) {
        if (error)
            *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    loaded.insert(file, handle);
    return handle;
}

const QString unavailable = QStringLiteral("Una parte del programma non è installata (%1).");

} // namespace

void* function(const char* library, const char* symbol, QString* error) {
    void* handle = loadLibrary(library, error);
    if (!handle)
        return nullptr;
    void* found = dlsym(handle, symbol);
    if (!found && error)
        *error = QString::fromLocal8Bit(dlerror());
    return found;
}

Forms::Factory window(const char* library, const char* symbol) {
    using Make = QDialog* (*)(AppContext&, QWidget*);
    return [library, symbol](AppContext& context, QWidget* parent) -> QDialog* {
        QString error;
        auto make = reinterpret_cast<Make>(function(library, symbol, &error));
        if (!make) {
            context.prompts.message(parent, QStringLiteral("Tremora"), unavailable.arg(error));
            return nullptr;
        }
        return make(context, parent);
    };
}

LoadedHelp::LoadedHelp() = default;
LoadedHelp::~LoadedHelp() = default;

Help* LoadedHelp::viewer(QWidget* owner) {
    if (m_viewer)
        return m_viewer.get();
    QString error;
    using Make = Help* (*)();
    if (auto make = reinterpret_cast<Make>(function("helpviewer", "tremoraNewHelp", &error)))
        m_viewer.reset(make());
    else
        QMessageBox::warning(owner, QStringLiteral("Guida"), unavailable.arg(error));
    return m_viewer.get();
}

void LoadedHelp::showContents(QWidget* owner) {
    if (Help* help = viewer(owner))
        help->showContents(owner);
}

void LoadedHelp::showIndex(QWidget* owner) {
    if (Help* help = viewer(owner))
        help->showIndex(owner);
}

void LoadedHelp::showTopic(QWidget* owner, const QString& helpWindow, int context) {
    if (Help* help = viewer(owner))
        help->showTopic(owner, helpWindow, context);
}

int checkHelp(QString* file) {
    using Check = int (*)(QString*);
    auto check = reinterpret_cast<Check>(function("helpviewer", "tremoraCheckHelp", file));
    return check ? check(file) : 1;
}

QString print(QWidget* owner, const QTextDocument& document) {
    using Print = QString (*)(QWidget*, const QTextDocument&);
    QString error;
    auto run = reinterpret_cast<Print>(function("print", "tremoraPrint", &error));
    return run ? run(owner, document) : unavailable.arg(error);
}

QString preview(QWidget* owner, const QTextDocument& document) {
    using Preview = void (*)(QWidget*, const QTextDocument&);
    QString error;
    auto run = reinterpret_cast<Preview>(function("print", "tremoraPreview", &error));
    if (!run)
        return unavailable.arg(error);
    run(owner, document);
    return QString();
}

} // namespace ondemand

#include "shell/buildingfile.h"

#include "core/diskfile.h"
#include "core/numtext.h"
#include "core/sharedvalues.h"
#include "shell/appcontext.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/help.h"
#include "shell/numberedit.h"
#include "shell/prompts.h"
#include "shell/routes.h"
#include "shell/shell.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <vector>

namespace buildingfile {

namespace {

using buildingdata::ControlValue;

const QString title = QStringLiteral("Messaggio di Sistema");
// Far larger than any building's data; a bigger file is not one of ours.
constexpr qint64 maxFileSize = 16LL * 1024 * 1024;

using buildingdata::quoted;

// What kind of value a control holds, or nothing for a control the file does not keep
// (buttons, lines, layouts' helpers).
std::optional<ControlValue::Kind> kindOf(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QLabel*>(control) ||
        qobject_cast<const QPlainTextEdit*>(control))
        return ControlValue::Text;
    if (qobject_cast<const QListWidget*>(control))
        return ControlValue::Row;
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control))
        return ControlValue::Checked;
    return std::nullopt;
}

// The window's controls that the file keeps, by name: its own, never those of a window
// opened from it (the help viewer is a child of the window that asked for help, with a
// search box of its own). A name found twice is the control that reading by name finds.
QMap<QString, QWidget*> keptControls(QDialog* window) {
    QMap<QString, QWidget*> found;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (child->window() != window || name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            found.contains(name))
            continue;
        QWidget* control = window->findChild<QWidget*>(name);
        if (control->window() == window && kindOf(control))
            found.insert(name, control);
    }
    return found;
}

// A control a file may name that is not the window's own: one of the help viewer. A file
// saved while the viewer was a child of a window (after F1 there) may hold its search box
// among that window's controls; it is no value of the building and is passed over. Any
// other name the window lacks is refused.
bool ofHelpViewer(const QString& name) {
    return helpcontrols::all().contains(name);
}

ControlValue valueOf(const QWidget* control) {
    if (auto* l = qobject_cast<const QLabel*>(control))
        return ControlValue::ofText(l->text());
    if (auto* t = qobject_cast<const QLineEdit*>(control))
        return ControlValue::ofText(t->text());
    if (auto* p = qobject_cast<const QPlainTextEdit*>(control))
        return ControlValue::ofText(controls::printed(p));
    if (auto* list = qobject_cast<const QListWidget*>(control)) {
        const auto selected = list->selectedItems();
        return ControlValue::ofRow(selected.isEmpty() ? -1 : list->row(selected.first()));
    }
    return ControlValue::ofChecked(qobject_cast<const QAbstractButton*>(control)->isChecked());
}

void setValue(QWidget* control, const ControlValue& value) {
    if (auto* l = qobject_cast<QLabel*>(control)) {
        l->setText(value.text);
    } else if (auto* t = qobject_cast<QLineEdit*>(control)) {
        t->setText(value.text);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(control)) {
        controls::setPrinted(p, value.text);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        // The chosen item is the current one too, as a choice by click or key leaves it, so
        // that the focus frame stands on it and the arrow keys go on from there.
        list->clearSelection();
        if (value.row >= 0) {
            list->setCurrentRow(value.row, QItemSelectionModel::NoUpdate);
            list->item(value.row)->setSelected(true);
        }
    } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
        // Options of one group may all be off, as in a window that was never touched.
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(value.checked);
        b->setAutoExclusive(exclusive);
    }
}

bool holdsBuildingData(QDialog* window) {
    auto* managed = dynamic_cast<ManagedWindow*>(window);
    return managed && managed->holdsBuildingData();
}

QString kindName(ControlValue::Kind kind) {
    switch (kind) {
    case ControlValue::Text:
        return QStringLiteral("un testo");
    case ControlValue::Row:
        return QStringLiteral("la riga scelta di un elenco");
    case ControlValue::Checked:
        return QStringLiteral("vero o falso");
    }
    return QString();
}

QString fileName(const QString& path) {
    return QStringLiteral("«") + QFileInfo(path).fileName() + QStringLiteral("»");
}

} // namespace

buildingdata::File capture(Forms& forms, const SharedValues& shared) {
    buildingdata::File file;
    file.shared = shared;
    for (const QString& name : forms.loadedNames()) {
        QDialog* window = forms.get(name);
        if (!window || !holdsBuildingData(window))
            continue;
        buildingdata::Window saved;
        saved.title = window->windowTitle();
        const auto controls = keptControls(window);
        for (auto it = controls.begin(); it != controls.end(); ++it)
            saved.controls.insert(it.key(), valueOf(it.value()));
        saved.kept = dynamic_cast<ManagedWindow*>(window)->keptValues();
        file.windows.insert(name, saved);
    }
    return file;
}

QString check(Forms& forms, const buildingdata::File& file) {
    for (auto w = file.windows.begin(); w != file.windows.end(); ++w) {
        const std::unique_ptr<QDialog> sample = forms.sample(w.key());
        if (!sample || !holdsBuildingData(sample.get()))
            return QStringLiteral("la finestra ") + quoted(w.key()) +
                   QStringLiteral(" non è una finestra di calcolo di Tremora");
        const QString keptRefused =
            dynamic_cast<ManagedWindow*>(sample.get())->refusedKept(w->kept);
        if (!keptRefused.isEmpty())
            return QStringLiteral("finestra ") + quoted(w.key()) + QStringLiteral(": ") +
                   keptRefused;
        const auto controls = keptControls(sample.get());
        for (auto c = w->controls.begin(); c != w->controls.end(); ++c) {
            const QString where = quoted(w.key() + QLatin1Char('.') + c.key());
            QWidget* control = controls.value(c.key());
            if (!control && ofHelpViewer(c.key()))
                continue;
            if (!control)
                return QStringLiteral("la finestra ") + quoted(w.key()) +
                       QStringLiteral(" non ha il controllo ") + quoted(c.key());
            const ControlValue::Kind kind = *kindOf(control);
            if (kind != c->kind)
                return where + QStringLiteral(" deve essere ") + kindName(kind);
            if (kind == ControlValue::Text && controls::isNumericResult(control) &&
                !c->text.isEmpty() && !numtext::parseStored(c->text))
                return where + QStringLiteral(" è un risultato ma non è un numero: \"") +
                       buildingdata::excerpt(c->text) + QLatin1Char('"');
            if (kind == ControlValue::Row) {
                const int count = qobject_cast<QListWidget*>(control)->count();
                if (c->row >= count)
                    return where + QStringLiteral(": la riga %1 non c'è (l'elenco ha %2 righe, "
                                                  "da 0 a %3)")
                                       .arg(c->row)
                                       .arg(count)
                                       .arg(count - 1);
            }
        }
    }
    return QString();
}

void apply(Forms& forms, SharedValues& shared, const buildingdata::File& file) {
    for (const QString& name : forms.loadedNames())
        if (holdsBuildingData(forms.get(name)) && !file.windows.contains(name))
            forms.discard(name);
    for (auto w = file.windows.begin(); w != file.windows.end(); ++w) {
        QDialog* window = forms.restore(w.key());
        if (!window)
            continue;
        // No reaction of the window runs while its saved state is put back: results come
        // from the file, not from a change of an input.
        const auto controls = keptControls(window);
        std::vector<std::unique_ptr<QSignalBlocker>> quiet;
        for (QWidget* control : controls)
            quiet.push_back(std::make_unique<QSignalBlocker>(control));
        window->setWindowTitle(w->title);
        for (auto c = w->controls.begin(); c != w->controls.end(); ++c)
            if (QWidget* control = controls.value(c.key()))
                setValue(control, c.value());
        quiet.clear();
        // A box marks a text that is not a number as it does when typed.
        for (NumberEdit* box : window->findChildren<NumberEdit*>())
            box->updateMark();
        dynamic_cast<ManagedWindow*>(window)->restoreKept(w->kept);
    }
    shared = file.shared;
}

QString save(Forms& forms, const SharedValues& shared, const QString& path) {
    return diskfile::write(path, buildingdata::write(capture(forms, shared)));
}

buildingdata::ReadResult readFile(const QString& path) {
    const diskfile::ReadResult read = diskfile::readRegular(path, maxFileSize);
    switch (read.outcome) {
    case diskfile::ReadResult::Read:
        break;
    case diskfile::ReadResult::Failed:
        return {std::nullopt, read.reason};
    case diskfile::ReadResult::NotRegular:
        return {std::nullopt, QStringLiteral("non è un file ordinario")};
    case diskfile::ReadResult::TooLarge:
        return {std::nullopt,
                QStringLiteral("il file è troppo grande per essere un file di dati edificio")};
    }
    return buildingdata::read(read.bytes);
}

QString open(Forms& forms, SharedValues& shared, const QString& path) {
    const buildingdata::ReadResult data = readFile(path);
    if (!data.file)
        return data.error;
    if (const QString wrong = check(forms, *data.file); !wrong.isEmpty())
        return wrong;
    apply(forms, shared, *data.file);
    return QString();
}

void saveCommand(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms) {
    shell.setIndicator(panels::save, true);
    shell.setHint(QStringLiteral("Salva i dati dell'edificio (progetto, piani, finestre di "
                                 "calcolo e valori) in un file"));
    const auto path = prompts.saveFileName(owner, Prompts::FileKind::BuildingData);
    QString hint;
    if (path && forms.context()) {
        const QString failure = save(forms, forms.context()->shared, *path);
        if (failure.isEmpty())
            hint = QStringLiteral("Dati edificio salvati in ") + *path;
        else
            prompts.message(owner, title,
                            QStringLiteral("Impossibile salvare i dati edificio in ") +
                                fileName(*path) + QStringLiteral(": ") + failure +
                                QLatin1Char('.'));
    }
    shell.setHint(hint);
    shell.setIndicator(panels::save, false);
}

bool openPath(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms, const QString& path) {
    if (!forms.context())
        return false;
    const QString failure = open(forms, forms.context()->shared, path);
    if (!failure.isEmpty()) {
        prompts.message(owner, title,
                        QStringLiteral("Impossibile aprire i dati edificio da ") + fileName(path) +
                            QStringLiteral(": ") + failure +
                            QStringLiteral(".\nI dati già presenti restano come erano."));
        return false;
    }
    shell.setHint(QStringLiteral("Dati edificio aperti da ") + path);
    return true;
}

void openCommand(QWidget* owner, Prompts& prompts, Shell& shell, Forms& forms) {
    shell.setIndicator(panels::open, true);
    shell.setHint(QStringLiteral("Apre i dati dell'edificio salvati in un file"));
    const auto path = prompts.openFileName(owner, Prompts::FileKind::BuildingData);
    shell.setHint(QString());
    if (path)
        openPath(owner, prompts, shell, forms, *path);
    shell.setIndicator(panels::open, false);
}

} // namespace buildingfile

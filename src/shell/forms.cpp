#include "shell/forms.h"

#include "core/fields.h"

#include <exception>

#include "shell/appcontext.h"
#include "shell/controls.h"
#include "shell/prompts.h"

#include <QDialog>

Forms::Forms(QWidget* parent) : m_parent(parent) {}

Forms::~Forms() {
    discardAll();
}

void Forms::registerWindow(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

bool Forms::isLoaded(const QString& name) const {
    const auto it = m_loaded.constFind(name);
    return it != m_loaded.constEnd() && !it.value().isNull();
}

QDialog* Forms::build(const QString& name, QWidget* parent) {
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd() || !m_context)
        return nullptr;
    QDialog* window = nullptr;
    try {
        window = factory.value()(*m_context, parent);
    } catch (const std::exception& failure) {
        // A window that cannot be built is not there; whoever asked for it goes without.
        qWarning("Finestra %s non disponibile: %s", qPrintable(name), failure.what());
    }
    if (window)
        window->setObjectName(name);
    return window;
}

QDialog* Forms::get(const QString& name) {
    if (isLoaded(name))
        return m_loaded.value(name);
    QDialog* window = build(name, m_parent);
    if (!window)
        return nullptr;
    m_loaded.insert(name, window);
    if (auto* managed = dynamic_cast<ManagedWindow*>(window))
        managed->loadSteps();
    // A load step may itself give the window up (a questionnaire that unloads): report
    // what is loaded now.
    return isLoaded(name) ? m_loaded.value(name).data() : nullptr;
}

void Forms::show(const QString& name) {
    QDialog* window = get(name);
    if (window && m_context)
        m_context->prompts.runModal(window);
}

void Forms::unload(const QString& name) {
    if (!isLoaded(name)) {
        m_loaded.remove(name);
        return;
    }
    QPointer<QDialog> window = m_loaded.take(name);
    if (auto* managed = dynamic_cast<ManagedWindow*>(window.data()))
        managed->unloadSteps();
    if (window) {
        window->hide();
        window->deleteLater();
    }
}

void Forms::discardAll() {
    const auto windows = m_loaded;
    m_loaded.clear();
    for (const auto& window : windows) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
}

QDialog* Forms::restore(const QString& name) {
    discard(name);
    QDialog* window = build(name, m_parent);
    if (window)
        m_loaded.insert(name, window);
    return window;
}

void Forms::discard(const QString& name) {
    QPointer<QDialog> window = m_loaded.take(name);
    if (window) {
        window->hide();
        window->deleteLater();
    }
}

std::unique_ptr<QDialog> Forms::sample(const QString& name) {
    return std::unique_ptr<QDialog>(build(name, nullptr));
}

QStringList Forms::loadedNames() const {
    QStringList loaded;
    for (auto it = m_loaded.constBegin(); it != m_loaded.constEnd(); ++it)
        if (!it.value().isNull())
            loaded << it.key();
    loaded.sort();
    return loaded;
}

QStringList Forms::names() const {
    QStringList all = m_factories.keys();
    all.sort();
    return all;
}

QString Forms::value(const QString& key) {
    const fields::Field* field = fields::find(key);
    if (!field || !field->control)
        return QString();
    return text(QString::fromLatin1(field->window), QString::fromLatin1(field->control));
}

QString Forms::text(const QString& windowName, const QString& control) {
    QDialog* window = get(windowName);
    if (!window)
        return QString();
    if (control.isEmpty())
        return window->windowTitle();
    return controls::text(window->findChild<QObject*>(control));
}

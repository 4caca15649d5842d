#pragma once

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;
class QWidget;
struct AppContext;

// A window that the lifecycle manages: built hidden, then its load steps run; its unload
// steps run when it is destroyed by the program (not when the program ends).
class ManagedWindow {
  public:
    virtual ~ManagedWindow() = default;
    virtual void loadSteps() {}
    virtual void unloadSteps() {}

    // The building data file keeps the windows that hold the building's data (the
    // calculation windows), with every control and the values they keep besides their
    // controls, by name; restoreKept gives those back to a window rebuilt from the file.
    virtual bool holdsBuildingData() const { return false; }
    virtual QMap<QString, QString> keptValues() const { return {}; }
    // Why saved kept values cannot be taken back (an unknown name, a number that is not
    // one), or empty when they can.
    virtual QString refusedKept(const QMap<QString, QString>& kept) const {
        return kept.isEmpty() ? QString()
                              : QStringLiteral("valore interno sconosciuto «") + kept.firstKey() +
                                    QStringLiteral("»");
    }
    virtual void restoreKept(const QMap<QString, QString>& /*kept*/) {}
};

// The lifecycle of every window but the main one: not loaded, shown (modal), hidden.
// get() loads a window hidden on first use, so reading a control of a window that is not
// loaded loads it in its initial state; show() loads if needed and runs it modally;
// unload() destroys it with its values; hiding keeps it.
class Forms {
  public:
    using Factory = std::function<QDialog*(AppContext&, QWidget* parent)>;

    explicit Forms(QWidget* parent = nullptr);
    ~Forms();

    void setContext(AppContext* context) { m_context = context; }
    void setParent(QWidget* parent) { m_parent = parent; }

    void registerWindow(const QString& name, Factory factory);
    bool exists(const QString& name) const { return m_factories.contains(name); }
    bool isLoaded(const QString& name) const;

    // The window, loaded hidden if it was not; nothing when there is no such window or it
    // cannot be built.
    QDialog* get(const QString& name);
    template <class T> T* get(const QString& name) { return dynamic_cast<T*>(get(name)); }
    // Loads if needed and shows modally; returns when it is hidden or closed.
    void show(const QString& name);
    // Destroys the window after running its unload steps; does nothing if not loaded.
    void unload(const QString& name);
    // Destroys every window without running unload steps (the program is ending).
    void discardAll();

    // A window rebuilt from saved data: built hidden and counted as loaded without running
    // its load steps (no value is taken, no question asked), so that the caller can set its
    // controls. A window already loaded is destroyed first, without its unload steps.
    QDialog* restore(const QString& name);
    // Destroys one window without running its unload steps.
    void discard(const QString& name);
    // A window of that name built apart, never loaded nor shown, to look at its controls;
    // nothing when there is no such window.
    std::unique_ptr<QDialog> sample(const QString& name);
    // The names of the windows loaded now, and of every window there is, sorted.
    QStringList loadedNames() const;
    QStringList names() const;
    AppContext* context() const { return m_context; }

    // The text a report reads from a control: a label's caption, a text box's text,
    // a window's own caption when control is empty. Loads the window if needed.
    QString text(const QString& window, const QString& control);
    // The value of a field by its key ("periodo.T"): what its control shows, loading its
    // window if needed; empty for a key the field table does not have.
    QString value(const QString& key);

  private:
    // A new window of that name, or nothing.
    QDialog* build(const QString& name, QWidget* parent);

    QWidget* m_parent = nullptr;
    AppContext* m_context = nullptr;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QDialog>> m_loaded;
};

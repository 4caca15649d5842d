#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>

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

    // The text a report reads from a control: a label's caption, a text box's text,
    // a window's own caption when control is empty. Loads the window if needed.
    QString text(const QString& window, const QString& control);

  private:
    QWidget* m_parent = nullptr;
    AppContext* m_context = nullptr;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QDialog>> m_loaded;
};

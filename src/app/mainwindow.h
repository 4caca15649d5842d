#pragma once

#include "app/shell.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>

class Banner;
class Forms;
class Help;
class Prompts;
class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class ReportDocument;

// The main window "tremora": menus, toolbar, scrolling banner, report editor, status bar
// with its indicator panels, hint and clock, and the timer that clears the indicators.
class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
  public:
    MainWindow(Prompts& prompts, Forms& forms, Help& help);
    ~MainWindow() override;

    // Shell
    void setIndicator(int panel, bool on) override;
    void setHint(const QString& hint) override;
    void setTimerEnabled(bool enabled) override;
    void setBannerVisible(bool visible) override;
    QString reportText() const override;
    void setReportText(const QString& text) override;

    bool indicator(int panel) const;
    QString hint() const;
    bool timerEnabled() const { return m_timer1->isActive(); }
    bool bannerVisible() const;
    ReportDocument& document() const { return *m_document; }

    // "Esci": the save question, then the end of the program unless the save was cancelled.
    void exitProgram();

  signals:
    // The program ends: the application should quit.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The menu's shortcuts (Ctrl+A "Apri", Ctrl+C "Chiudi") come before the editor's own keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMenu* addMenu(QMenu* parent, const char* name, const QString& caption);
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const char* shortcut,
                        std::function<void()> command);
    // A command that opens a window: banner off, indicator on, hint, then the window, modally.
    std::function<void()> openWindow(int panel, const QString& hint, const QString& window);
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void attachMenuIcons();
    void clearStatus();
    void updateClock();
    void endProgram();

    Prompts& m_prompts;
    Forms& m_forms;
    Help& m_help;
    Banner* m_banner = nullptr;
    QTextEdit* m_editor = nullptr;
    ReportDocument* m_document = nullptr;
    QLabel* m_panels[15] = {};
    QTimer* m_timer1 = nullptr;
    QTimer m_clock;
    bool m_ending = false;
};

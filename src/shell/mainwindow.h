#pragma once

#include "shell/shell.h"

#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <array>
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
    void setReportDocument(const QTextDocument& document) override;
    void appendReportText(const QString& text) override;
    void focusReport() override;

    bool indicator(int panel) const;
    QString hint() const;
    bool timerEnabled() const { return m_timer1->isActive(); }
    bool bannerVisible() const;
    ReportDocument& document() const { return *m_document; }

    // "Esci": the save question, then the end of the program unless the save was cancelled.
    void exitProgram();
    // A file named when the program starts: a report (.txt) or building data (.tremora).
    // Anything else is refused with a message saying which files are meant.
    void openFile(const QString& path);

  signals:
    // The program ends: the application should quit.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The menu's shortcuts (Ctrl+A "Apri", Ctrl+C "Chiudi") come before the editor's own keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The commands of the menus and the toolbar.
    enum class Cmd {
        Open,
        SaveAs,
        OpenData,
        SaveData,
        Print,
        Preview,
        Pdf,
        Odt,
        Close,
        Exit,
        Date,
        Address,
        BuildingData,
        Period,
        Weight,
        Distribution,
        Displacements,
        Checks,
        Spectrum,
        HorizontalForces,
        VerticalForces,
        MasonryDynamic,
        ChooseMasonry,
        HorizontalActions,
        VerticalActions,
        FramedDynamic,
        AllStoreys,
        ChooseFramed,
        ComposeMasonry,
        ComposeFramed,
        CalcReport,
        Font,
        Bold,
        Italic,
        Underline,
        ClearAll,
        Contents,
        Index,
        About,
        Contact,
        SelectMasonry,
        SelectFramed,
        Count
    };
    // One row of the command table: where the command sits (menu, or none for the toolbar
    // only), its action's name, caption, shortcut and icon, its toolbar key and tooltip, what
    // it does, and the window it opens (the command is enabled when that window exists).
    struct CommandSpec {
        Cmd id;
        const char* menu;
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* icon;
        const char* toolKey;
        const char* tooltip;
        std::function<void()> run;
        const char* window;
    };
    QAction* action(Cmd id) const { return m_actions[size_t(id)]; }
    static QIcon icon(const char* file);
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void clearStatus();
    void updateClock();
    // The save question of Exit and the close box: false when the program must go on.
    bool mayEnd();
    void endProgram();

    Prompts& m_prompts;
    Forms& m_forms;
    Help& m_help;
    Banner* m_banner = nullptr;
    QTextEdit* m_editor = nullptr;
    ReportDocument* m_document = nullptr;
    QLabel* m_panels[15] = {};
    std::array<QAction*, size_t(Cmd::Count)> m_actions = {};
    std::array<const char*, size_t(Cmd::Count)> m_toolKeys = {};
    QTimer* m_timer1 = nullptr;
    QTimer m_clock;
    bool m_ending = false;
};

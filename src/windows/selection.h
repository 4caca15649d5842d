#pragma once

#include "shell/routes.h"
#include "shell/shellwindow.h"

class QLabel;
class QListWidget;
class QRadioButton;

// The window that leads to every analysis of one kind of building: static or dynamic from
// a list; the dynamic analysis opens at once, the static one first asks which of its two
// calculations. The window closes itself before the chosen calculation window opens.
class SelectionWindow : public ShellWindow {
    Q_OBJECT
  public:
    struct Routes {
        QString title;
        int indicatorPanel;
        QString horizontalCaption; // Option2
        QString verticalCaption;   // Option3
        QString horizontalWindow;
        QString verticalWindow;
        Route dynamic;
    };

    SelectionWindow(AppContext& context, QWidget* parent, const Routes& routes);

    void loadSteps() override;

  private:
    void listChosen();
    void openStatic(const QString& window);
    void openDynamic();

    Routes m_routes;
    QListWidget* m_list;
    QLabel* m_analysisCaption;
    QLabel* m_forceCaption;
    QRadioButton* m_horizontal;
    QRadioButton* m_vertical;
};

// Masonry buildings: toolbar "casa", indicator 8.
class Selmur : public SelectionWindow {
    Q_OBJECT
  public:
    Selmur(AppContext& context, QWidget* parent);
};

// Framed buildings: toolbar "palazzo", indicator 9.
class Selint : public SelectionWindow {
    Q_OBJECT
  public:
    Selint(AppContext& context, QWidget* parent);
};

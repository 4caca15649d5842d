#pragma once

#include <QTextBrowser>
#include <QWidget>

class QHelpEngineCore;
class QHelpEngine;
class QLineEdit;
class QListView;
class QTabWidget;
class QTreeView;

// Shows the pages of the help collection: links and images inside a page are read from the
// collection too.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngineCore* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QHelpEngineCore* m_engine;
};

// The help window: contents and index (with a search field) on the left, the page on the
// right. Without a help collection it says so in its page area and offers nothing else.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // engine may be null: the help is missing and unavailableText is shown instead.
    HelpWindow(QHelpEngine* engine, const QString& unavailableText, QWidget* parent);

    // The names of the window's controls (page, contents, search field, index). The window
    // is a child of the window that asked for help, so these are found among its children.
    static QStringList controlNames();

    void showContentsTab();
    void showIndexTab();
    void openPage(const QUrl& url);
    void showNotice(const QString& text);

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* searchField() const { return m_search; }
    // Opens the first index entry that matches the search text.
    void openSearched();

  private:
    void openIndexRow(const QModelIndex& index);

    QHelpEngine* m_engine;
    QTabWidget* m_tabs = nullptr;
    QTreeView* m_contents = nullptr;
    QListView* m_index = nullptr;
    QLineEdit* m_search = nullptr;
    HelpBrowser* m_browser;
};

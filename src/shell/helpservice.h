#pragma once

#include "shell/help.h"

#include <QHash>
#include <QPointer>
#include <QUrl>
#include <memory>

class HelpWindow;
class QHelpEngine;

// The program's own help, a Qt help collection built with the program ("tremora.qhc" and the
// compressed help "tremora.qch" it registers). It is looked for in the folder named by the
// environment variable TREMORA_HELP_DIR, otherwise beside the executable. A topic is found
// by its context number: the help project gives each topic's keyword that number as its id,
// so the mapping lives with the help text, not in the code.
class HelpService : public Help {
  public:
    static const QString collectionName; // "tremora.qhc"

    // The folder searched when none is given: TREMORA_HELP_DIR, or the program's own folder.
    static QString defaultDirectory();

    explicit HelpService(const QString& directory = defaultDirectory());
    ~HelpService() override;

    void showContents(QWidget* owner) override;
    void showIndex(QWidget* owner) override;
    void showTopic(QWidget* owner, const QString& helpWindow, int context) override;

    QString collectionFile() const;
    // True when the collection was found and holds the program's documentation.
    bool available();
    // The page of a context number, or an empty URL when the help has no such topic.
    QUrl topicUrl(int context);
    // The help window shown last (nullptr before the first request, or after its owner went).
    HelpWindow* window() const;

  private:
    QHelpEngine* engine();
    HelpWindow* windowFor(QWidget* owner, const QString& title);
    QString missingText() const;

    QString m_directory;
    std::unique_ptr<QHelpEngine> m_engine;
    bool m_setUp = false;
    QPointer<HelpWindow> m_window;
};

#pragma once

#include <QString>

class QWidget;

// The program's help: contents, index and topics by context number in a named help window.
class Help {
  public:
    virtual ~Help() = default;
    virtual void showContents(QWidget* owner) = 0;
    virtual void showIndex(QWidget* owner) = 0;
    virtual void showTopic(QWidget* owner, const QString& helpWindow, int context) = 0;
};

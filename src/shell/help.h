#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's help: contents, index and topics by context number in a named help window.
class Help {
  public:
    virtual ~Help() = default;
    virtual void showContents(QWidget* owner) = 0;
    virtual void showIndex(QWidget* owner) = 0;
    virtual void showTopic(QWidget* owner, const QString& helpWindow, int context) = 0;
};

// The names of the help viewer's controls (page, contents, search field, index). The viewer
// is a child of the window that asked for help, so these are found among its children.
namespace helpcontrols {
inline const QString page = QStringLiteral("pagina");
inline const QString contents = QStringLiteral("sommario");
inline const QString search = QStringLiteral("cerca");
inline const QString index = QStringLiteral("indice");
inline QStringList all() {
    return {page, contents, search, index};
}
} // namespace helpcontrols

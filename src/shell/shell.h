#pragma once

#include <QString>

class QTextDocument;

// What the other windows do to the main window: the indicator panels 1 to 12 and the hint
// (panel 13) of the status bar, the status-clearing timer, the banner, the report text.
class Shell {
  public:
    virtual ~Shell() = default;

    virtual void setIndicator(int panel, bool on) = 0;
    virtual void setHint(const QString& hint) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void setBannerVisible(bool visible) = 0;

    virtual QString reportText() const = 0;
    // Replaces the whole report; the document counts as changed.
    virtual void setReportText(const QString& text) = 0;
    // Replaces the whole report with a formatted document (the calculation report); the
    // document counts as changed.
    virtual void setReportDocument(const QTextDocument& document) = 0;
    // Adds lines after the report's last line in a fixed-pitch font, so that columns set
    // with blanks line up, in one step that Undo takes back; the text above, with its
    // formatting, stays as it was and the document counts as changed.
    virtual void appendReportText(const QString& text) = 0;

    // Puts the keyboard focus back in the report editor (a window has handed its data on).
    virtual void focusReport() = 0;

    // The way out of every window: stop the timer, switch the area panel off, clear the hint.
    void statusReset(int areaPanel) {
        setTimerEnabled(false);
        setIndicator(areaPanel, false);
        setHint(QString());
    }
};

#pragma once

#include "core/calcolo.h"
#include "core/relazione.h"
#include "shell/basewindow.h"

#include <vector>

class QCheckBox;
class QRadioButton;

// "Relazione di calcolo": the user ticks what goes in and chooses the unit of forces;
// "Componi" names first the values that are missing or outdated, then puts the report, made
// from the building, in the editor, where it can be edited, printed and exported. The
// choices are the building's (kept in its data file).
class RelazioneCalcolo : public BaseWindow {
    Q_OBJECT
  public:
    RelazioneCalcolo(AppContext& context, QWidget* parent);

    void showHelp() override;

    // The results of the building as the windows hold them now: the model, and the checks'
    // inputs of the displacement and check windows that are loaded (none is loaded for it).
    static calcolo::Results currentResults(AppContext& context);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    relazione::Choices chosen() const;
    void showChoices(const relazione::Choices& choices);
    void compose();
    // Values a window shows that have changed since the building took them.
    QStringList outdatedValues(const relazione::Choices& choices) const;

    std::vector<QCheckBox*> m_sections; // chk<key>, in the order of relazione::sections()
    QRadioButton* m_tonnes;             // optTonnellate
    QRadioButton* m_kiloNewtons;        // optKilonewton
};

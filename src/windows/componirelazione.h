#pragma once

#include "core/reportlayout.h"
#include "shell/basewindow.h"

class QCheckBox;
class QLabel;
class QRadioButton;

// The report composer: the user picks static or dynamic analysis and ticks the sections;
// "Crea Relazione" writes the report of that section set into the editor from what the
// calculation windows show. One window per kind of building: `componirelazione` for masonry,
// `componirelazione1` for framed buildings.
class ComponiRelazione : public BaseWindow {
    Q_OBJECT
  public:
    ComponiRelazione(AppContext& context, QWidget* parent, report::Building building);

    // The factory that registers the composer of one kind of building.
    static Forms::Factory factory(report::Building building);

    void showHelp() override;
    // Esc does not leave the window: "Esci" and the close box are the ways out.
    void reject() override {}

  private:
    void showStaticGroup(bool on);
    void create();
    void leave();
    // The section set ticked in the visible group; nothing when no analysis is chosen.
    std::optional<std::pair<report::Analysis, report::Sections>> chosen() const;
    // The names (as the check boxes give them) of the ticked sections that would print an
    // empty value or a value made outdated by a change in another window.
    // Quantities of the building the chosen sections (and the period window) state with two
    // different values, one line each: "zona sismica (S): 12 (…) in Forze Orizzontali, …".
    QStringList disagreeingValues(report::Analysis analysis, report::Sections sections);
    QStringList doubtfulSections(report::Analysis analysis, report::Sections sections,
                                 const report::Reader& read);
    QCheckBox* sectionBox(report::Analysis analysis, report::Section section) const;

    report::Building m_building;
    QRadioButton* m_static;        // Option1
    QRadioButton* m_dynamic;       // Option2
    QCheckBox* m_staticChecks[4];  // Check1..Check4: FO, FV, DS, VS
    QCheckBox* m_dynamicChecks[3]; // Checkd1..Checkd3: FO, DS, VS
    QLabel* m_staticBackdrop;      // Label1
    QLabel* m_dynamicBackdrop;     // Labeld
};

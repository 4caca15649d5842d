#pragma once

#include "core/building.h"
#include "core/coefficients.h"
#include "shell/basewindow.h"

#include <functional>
#include <optional>
#include <vector>

class NumberEdit;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// What every calculation window shares: how controls are made and named, the order of
// checks and messages of "Elabora Dati" and "Invia Dati", giving up ("Annulla", the close
// box), the help button, the status reset, and the zone, protection and period bindings.
// A window states only its controls, inputs, formula and messages.
class CalcWindow : public BaseWindow {
    Q_OBJECT
  public:
    struct Setup {
        QString title;
        int areaPanel;
        QString helpWindow;
        int helpContext;
    };

    CalcWindow(AppContext& context, QWidget* parent, const Setup& setup);

    void loadSteps() override;
    bool holdsBuildingData() const override { return true; }
    // Besides its controls a window keeps the copies it took at load of values of other
    // windows (as "copia:" and the key of the value, "copia:T"), so that after reopening it still
    // knows whether they changed since. A window with values of its own adds them under names given
    // by ownKeptNames().
    QMap<QString, QString> keptValues() const override;
    // The name a copy taken into a box is kept under: "copia:" and the value's key.
    QString copyName(const QLineEdit* box) const;
    QString refusedKept(const QMap<QString, QString>& kept) const override;
    void restoreKept(const QMap<QString, QString>& kept) override;

    // True while a value this window took from another window or a shared value when it
    // loaded (T, P, gamma) differs from what that source holds now, and the box still shows
    // the copy taken (not a value the user typed): its results rest on an old value.
    bool isOutdated() const;

    // Esc does not throw a window's values away.
    void reject() override {}

  protected:
    // The window's own load steps.
    virtual void load() {}

    // Controls, named as the report builders and tests find them.
    enum LabelStyle { Plain = 0, Bold = 1, Bordered = 2, Centred = 4 };
    QLabel* label(const char* name, const QString& caption = QString(), int style = Plain);
    // A result: a value the window works out or looks up, in a sunken box.
    QLabel* result(const char* name);
    // A result that is a text rather than a number (the zone's intensity "0,07g").
    QLabel* textResult(const char* name);
    QLabel* hiddenLabel(const char* name, const QString& caption = QString());
    NumberEdit* textBox(const char* name);
    // A box for a weight, a height, a length or a period: negative values are refused.
    NumberEdit* quantityBox(const char* name);
    // The value control with its unit ("tonn", "sec", "m", "cm") in a small label beside
    // it, as one widget to lay out. The unit label is named after the control ("Text2"
    // gives "Text2_unita") and changes no caption.
    QWidget* withUnit(QWidget* value, const QString& unit);
    // The unit label alone, for windows that lay it out in a column of its own.
    QLabel* unitLabel(QWidget* value, const QString& unit);
    QListWidget* listBox(const char* name, const QStringList& items = QStringList());
    using BaseWindow::button;
    // An option; a caption too long for one line wraps at wrapWidth when one is given.
    QRadioButton* option(const char* name, const QString& caption, int wrapWidth = 0);
    // The questionnaires' printed surface ("Stampa"): read-only, fixed-pitch so that the
    // columns of blanks line up, across the top of the grid; a screen reader calls it by
    // the name given.
    QPlainTextEdit* printSurface(const QString& accessibleName, int minimumWidth);

    // Layout: rows of caption and value in a grid, the buttons in one row at the bottom.
    QGridLayout* grid() const { return m_grid; }
    QVBoxLayout* body() const { return m_body; }
    void addRow(QWidget* caption, QWidget* value);
    void addButtons(std::initializer_list<QPushButton*> buttons);
    // The foot of a window built around a diagram: its own buttons, then "Esporta
    // immagine...." (the diagram as an image, exportName suggested), "Chiudi" (hides the
    // window with its values) and "?". The diagram is worth enlarging: the window may be
    // resized, never below its layout, and opens at openingSize.
    void addDiagramButtons(std::initializer_list<QPushButton*> own, QWidget* diagram,
                           const char* exportName, QSize openingSize);
    // The four buttons of a field window under the control names each window gives them: "Elabora
    // Dati", "Invia Dati", "Annulla" and "?", laid out in that order along the bottom. Compute
    // and send run the window's handlers; "Annulla" and "?" do what every window does. Enter in
    // one of the inputs given computes.
    // Enter in one of the text boxes given presses compute, so the window can be used from
    // the keyboard alone.
    void computeOnEnter(QPushButton* compute, std::initializer_list<QWidget*> inputs);
    struct ButtonNames {
        const char* compute;
        const char* send;
        const char* cancel;
        const char* help;
    };
    void addFieldButtons(const ButtonNames& names, std::initializer_list<QWidget*> inputs,
                         std::function<void()> compute, std::function<void()> send);

    // Behaviour shared by the windows.
    static bool isEmpty(const QWidget* control);
    static QString textOf(const QWidget* control);
    // The number a control shows, or nothing when it is not a number.
    static std::optional<double> number(const QWidget* control);
    // A text box refused in place (a negative weight, say) gives no number either.
    // The numbers the controls show, in order, or nothing when any of them is not a number.
    static std::optional<std::vector<double>>
    numbers(std::initializer_list<const QWidget*> controls);
    // Writes a result rounded to two decimals; false, leaving the label as it was, when the
    // arithmetic gave no finite number.
    static bool showResult(QLabel* label, double value);
    void message(const QString& title, const QString& text);
    // "Inserire tutti i valori nelle relative caselle!" when any control is empty.
    bool requireFilled(std::initializer_list<const QWidget*> controls);

    enum class ResetAfter { ConfirmOnly, EveryOutcome };
    // "Invia Dati": empty inputs, then a missing result, then the confirmation and hiding;
    // the status reset after the confirmation only, or after every outcome.
    void sendData(std::initializer_list<const QWidget*> validated, const QWidget* result,
                  const QString& title, const QString& text, ResetAfter reset);
    // After the confirmation of "Invia Dati": the window hides, the status is reset and the
    // keyboard focus goes back to the report.
    void handedOn();
    // Every change of one of the inputs (text box, list choice, option) empties the
    // results that depend on it, so that no result outlives the data it was computed from
    // and "Invia Dati" asks for "Elabora Dati" again.
    void clearWhenChanged(std::initializer_list<QWidget*> inputs,
                          std::initializer_list<QLabel*> results);

    // A value copied into a box at load from another window or a shared value. source()
    // gives what that source holds now (empty when it holds nothing) without loading any
    // window. When the window is shown again and the source has changed since, the new
    // value replaces the copy (its results are emptied by clearWhenChanged) and the hint
    // says so; a value the user typed over the copy stays. name is how the hint calls it,
    // e.g. "il periodo T".
    void takeValue(QLineEdit* box, const QString& text, const QString& name,
                   std::function<QString()> source);
    // The same without copying anything: the box is taken to hold the copy already (a window
    // rebuilt from a building data file).
    void watchValue(QLineEdit* box, const QString& name, std::function<QString()> source);
    // The sources of the values the window takes at load, watched without taking them; each
    // window that takes values states them here.
    virtual void watchSources() {}
    // The names of the values the window keeps besides its controls and the copies.
    virtual QStringList ownKeptNames() const { return {}; }

    // "Annulla": destroys the window with its values (its unload steps run).
    virtual void cancel();
    void showHelp() override;

    // Runs picked with the row of the item the user selects in a list.
    void onPick(QListWidget* list, std::function<void(int)> picked);
    // The row of the item chosen in a list, -1 when none is. The focus makes an item current
    // without choosing it, so the current row does not count.
    static int chosenRow(const QListWidget* list);
    // The seismic zone list: a click writes the visible C text, C as a number and S in words.
    // The zone chosen is the building's, and the list starts with the building's zone.
    void bindZoneList(QListWidget* list, QLabel* cText, QLabel* cNumber, QLabel* sText);
    // A list of coefficients: a click writes the value of the item chosen (I, beta), which
    // becomes the building's coefficient of that kind; the list starts with the building's
    // coefficient when it offers that value.
    using SeismicCoefficient = std::optional<double> building::Seismic::*;
    void bindCoefficients(QListWidget* list, const coefficients::ItemList& items, QLabel* value,
                          SeismicCoefficient shared);
    // The foundation coefficient epsilon: what is typed is the building's, and the box starts
    // with the building's.
    void bindFoundation(QLineEdit* box);
    // The period box drives the response coefficient R; roundPeriod rounds T to two decimals
    // before the rule is applied.
    void bindResponseCoefficient(QLineEdit* period, QLabel* response, bool roundPeriod);

    // The rows the masonry windows share, in grid rows 0 to 5: T (Text1) and R (Label5),
    // S (List2) and C (Label9, hidden Label12), I (List1, hidden Label11). The zone and
    // protection lists are bound, and R follows T rounded to two decimals. Only the name of
    // the hidden S label and the items of the protection list differ between the windows.
    struct SeismicRows {
        NumberEdit* period;
        QLabel* response;
        QLabel* intensityCaption;
        QListWidget* zones;
        QLabel* intensity;
        QListWidget* protection;
        QLabel* importance;
    };
    // The seismic choices of the windows that look at the whole framed building: zone S
    // (List2) with C (Label9, hidden Label19) and S in words (hidden Label10), I (List1,
    // hidden Label16), beta (List3, hidden Label15) and epsilon (Text3). Made and bound here,
    // laid out by each window; changed runs after the bound labels are written.
    struct FramedSeismicInputs {
        QLabel* zoneCaption;
        QListWidget* zones;
        QLabel* intensityCaption;
        QLabel* intensityText;
        QLabel* intensity;
        QLabel* zoneText;
        QLabel* protectionCaption;
        QListWidget* protectionList;
        QLabel* protection;
        QLabel* structureCaption;
        QListWidget* structureList;
        QLabel* structure;
        QLabel* foundationCaption;
        NumberEdit* foundation;
    };
    FramedSeismicInputs addFramedSeismicInputs(const std::function<void()>& changed);
    SeismicRows addSeismicRows(const char* zoneTextName,
                               const coefficients::ItemList& protectionItems);
    // Load step of the windows that need T: the period box takes periodo's result and the
    // response label R from it; without a period both stay empty, so that nothing is
    // computed from a missing T.
    void takePeriod(QLineEdit* period, QLabel* response);
    void watchPeriod(QLineEdit* period);
    // Load step of the windows that need the building weight: the box takes P, or stays
    // empty when no weight has been computed (P = 0).
    void takeWeight(QLineEdit* weight);
    void watchWeight(QLineEdit* weight);
    // periodo's T now, empty when periodo is not loaded or has no result.
    QString currentPeriod() const;

    // An input dialog asked until the answer is a number: an empty answer and text that is
    // not a number ask the same question again. Returns the answer as typed.
    // Leaving::Never: Cancel asks again. Leaving::Ask: Cancel (or Esc) asks whether to stop
    // the questionnaire; "Sì" gives nothing back, "No" asks the question again.
    // notNegative, when given, is the message that refuses a negative answer.
    struct NumberAnswer {
        QString text;
        double value;
    };
    enum class Leaving { Never, Ask };
    std::optional<NumberAnswer> askNumber(const QString& prompt, const QString& title,
                                          Leaving leaving = Leaving::Never,
                                          const QString& notNegative = QString());
    // The number of storeys of a questionnaire, a whole number from 1 to 9: a fraction is
    // answered with the whole-number message, a number out of range with "Operazione
    // eseguibile per un numero massimo di 9 piani", and the question asked again. Cancel
    // may leave the questionnaire: nothing is then given back.
    std::optional<int> askStoreyCount(const QString& title);

    // The storeys already in the building (W of each, and h where heights are wanted),
    // offered with "Usare i piani già inseriti?" instead of asking for them again: when the
    // building has from 1 to 9 storeys and every one has what is wanted. Nothing when it
    // has not, or the user answers "No".
    struct EnteredStorey {
        NumberAnswer weight;
        NumberAnswer height;
    };
    std::optional<std::vector<EnteredStorey>> offerEnteredStoreys(const QString& title,
                                                                  bool withHeights);
    // The storeys a questionnaire was given become the building's: their count, W as typed,
    // and h when heights were asked; what else a storey holds (G, Q, s) stays.
    void keepAnsweredStoreys(const QStringList& weights, const QStringList& heights = {});

    void showEvent(QShowEvent* event) override;
    bool opensOnFirstInput() const override { return true; }

  private:
    void addButtonRow(const std::vector<QPushButton*>& buttons);
    struct Taken {
        QLineEdit* box;
        QString name;
        std::function<QString()> source;
        QString text; // the copy taken
    };
    bool changedSince(const Taken& taken, QString* now) const;
    void bringInChangedValues();

    std::vector<Taken> m_taken;
    // Load steps that choose what the building already has, as the user would.
    std::vector<std::function<void()>> m_fromBuilding;
    Setup m_setup;
    QVBoxLayout* m_body;
    QGridLayout* m_grid;
};

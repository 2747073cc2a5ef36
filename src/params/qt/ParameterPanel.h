// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter panel of the main window. It owns one section box per parameter section
// (ParamSections.h) holding a row for each parameter with a value box, in table order (edit
// button, caption, value field edited in place, unit), the entry panel, the refresh and "Автозаполнение" buttons
// and the branch-mode box, and runs their commands:
// each asks the core and applies the core's effects in the order given. Text meant for the
// listing leaves through listingText(); the progress bar is put back to 0 by a refresh.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "base/NumberText.h"
#include "params/Outcome.h"
#include "params/ParamSections.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"
#include "platform/Platform.h"

class ProgressIndicator;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class ValueField;

// One parameter row: caption label, value field (edited in place), unit label, edit button.
struct ParamRowWidgets {
    QLabel* caption = nullptr;
    ValueField* value = nullptr;
    QLabel* unit = nullptr;
    QPushButton* button = nullptr;
};

class ParameterPanel : public QObject {
    Q_OBJECT
public:
    // Builds every widget as a child of `host`, each part in its own layout; the window places
    // the parts (sectionBox, toolRow, entryPanelFrame) in its own layout. Shows nothing until a
    // refresh.
    ParameterPanel(QWidget* host, ParamSet& params, Platform& platform, ProgressIndicator& progress,
                   const NumberFormat& numbers, QObject* parent);

    // The defaults into the parameter set, then refreshLabels.
    void resetToDefaults();
    // The mode box shows the item of the mode in force, without running its command.
    void showMode();
    // The refresh button: the progress bar to 0 and every value label rendered anew.
    void refreshLabels();
    // Every value label rendered from the parameter set, nothing else touched.
    void showValues();
    // The texts the panel shows of the set: every value label in display order, then the mode
    // box's selected index; and the same put back as they were (no command runs). An entry shows
    // the text typed, so undo needs the texts as well as the values.
    QStringList shownTexts() const;
    void showTexts(const QStringList& texts);
    // A row's edit button (a click, Space or Enter): opens the entry panel for that row's field,
    // named beside it ("M1 ="), the field holding the stored value, focused and wholly selected.
    // When a confirmation or Esc hides the panel, the focus goes back to that button.
    void openEntry(int row);
    // "OK" or Enter in the entry field: stores the typed value.
    void confirmEntry();
    // A value typed into row `row`'s own field (Enter, or leaving it): stored as the entry
    // would store it, with the same refusals, as one command (and so one undo step).
    void editInPlace(int row, const QString& typed);
    // Esc in the entry panel: hides it, nothing stored.
    void cancelEntry();
    // "Автозаполнение": derives the point coordinates.
    void autofill();
    // The menu's "Автозаполнение": a click on the button, as if the user had pressed it.
    void clickAutofill();
    // A selection in the mode box.
    void modeChosen();
    // Applies a command's effects in order.
    void apply(const Outcome& outcome);
    // Runs a parameter command (also for the run settings) and applies its effects. When either
    // throws, the parameter set and its labels are put back as they were and the exception goes
    // on to the command's boundary. A command that changed the set (the entry key aside)
    // reports it through paramsChanged with `label`.
    void run(const std::function<Outcome(ParamSet&)>& command, const QString& label = {});

    // The parts the window lays out: the box of section `s` ("lengthsBox", ...), the row of the
    // mode box, "Автозаполнение" and the refresh button ("parameterTools"), and the entry panel,
    // which keeps its room while hidden so that nothing moves when it opens.
    QGroupBox* sectionBox(ParamSection s) const { return sections_[static_cast<size_t>(s)]; }
    QWidget* toolRow() const { return tools_; }
    QFrame* entryPanelFrame() const { return entryPanel; }

protected:
    // Esc in the entry panel and Enter on an edit button.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A command replaced the listing text.
    void listingText(const QString& text);
    // A command ran or the labels were refreshed: the parameters may have changed.
    void parametersTouched();
    // A command run through run() changed the set; `before` is the set it started from and
    // `shownBefore` the texts shown then (shownTexts), `label`
    // the command's name (empty: named by what changed). Every entry, autofill, mode and run
    // setting passes here, so the undo history hooks in at this one place.
    void paramsChanged(const ParamSet& before, const QStringList& shownBefore,
                       const QString& label);

private:
    void buildRows(QWidget* host);
    void showEntryPanel();
    void hideEntryPanel();
    // Each widget carries an object name, the one tests find it by: "lengthsBox", "l1Caption",
    // "l1Value", "l1Unit", "l1Button", ... (after the row's key), "autofillButton",
    // "refreshButton", "modeBox", "entryPanel", "entryCaption", "entryName", "entryEdit",
    // "entryOk".
    std::array<QGroupBox*, kParamSectionCount> sections_{};
    QWidget* tools_ = nullptr;
    std::array<ParamRowWidgets, kParamRowCount> rows; // in the parameter table's display order
    QPushButton* autofillButton = nullptr;            // "Автозаполнение"
    QPushButton* refreshButton = nullptr;
    QComboBox* modeBox = nullptr; // "360" / "720"
    QFrame* entryPanel = nullptr;
    QLabel* entryCaption = nullptr;
    QLabel* entryName = nullptr; // "M1 =": the parameter the field edits
    QLineEdit* entryEdit = nullptr;
    QPushButton* entryOk = nullptr;
    QPushButton* entryOpener_ = nullptr; // the edit button that last opened the panel
    ParamSet& P;
    Platform& platform;
    ProgressIndicator& progress;
    const NumberFormat& numbers;
};

// The selected index as the commands understand it: in an editable list, typed text that names
// no item selects nothing (-1), whatever item was selected before the typing.
int selectedIndex(const QComboBox* box);

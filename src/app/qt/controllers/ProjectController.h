// SPDX-License-Identifier: GPL-3.0-or-later
// The project of the main window: the *.kinovar file it was opened from or saved to, the undo
// history of its parameters, the title with its unsaved mark, the question before unsaved
// changes are dropped, the five most recent projects, and the recovery copy kept while changes
// are unsaved, offered back at the next start when the program died.
#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "formats/ProjectFile.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class ParamHistory;
class ParameterPanel;
class QAction;
class QMainWindow;
class QMenu;
class QTimer;
class QUndoStack;
class RecoveryCopy;
class RunSettingsPanel;

// The legacy title, shown while no project file is open.
inline constexpr const char* kLegacyTitle = "Kinovar (ver.1.3)";
inline constexpr int kRecentProjects = 5;

class ProjectController : public QObject {
    Q_OBJECT
public:
    ProjectController(QMainWindow* window, Platform& platform, ParamSet& params,
                      ParameterPanel& parameters, RunSettingsPanel& runSettings,
                      const NumberFormat& numbers);
    ~ProjectController() override; // the recovery copy goes with a clean end

    QUndoStack& undoStack();
    // Adds "Открыть проект…", "Сохранить проект", "Сохранить проект как…" and the recent projects
    // to `fileMenu` before `before`, and "Отменить" / "Повторить" to `editMenu`.
    void addMenuItems(QMenu* fileMenu, QAction* before, QMenu* editMenu);

    // "Файл → Примеры": the example projects installed with the program (examplesFolder), each
    // named by its comment's first line; an example opens as a new project with no file, so
    // that saving asks where. Built afresh each time the menu opens.
    void fillExamplesMenu(QMenu* menu);
    // Opens the example at `path` after the question, as a project without a file; its comment
    // goes to the memo. False when nothing was opened (refused: the error is shown).
    bool openExample(const std::string& path);

    // "Открыть проект…": asks before unsaved changes are dropped, then the dialog.
    void openProjectDialog();
    // Opens `path` after the question: on success the set, the controls, the title and the
    // recent list follow it as one undo step and the history is clean; a refused file is shown
    // through the error report and changes nothing. False when nothing was opened.
    bool openProject(const std::string& path);
    // "Сохранить проект": to the open file, or as "Сохранить проект как…" without one. False
    // when cancelled or failed (the error shown).
    bool saveProject();
    bool saveProjectAs();
    // "Новый": after the question, the defaults as one undo step; no file is open afterwards.
    void newProject();
    // Opening a report through `open` (which reads it into the set): after the question, its
    // change of the set as one undo step.
    void openReport(const std::function<void()>& open);
    // The question before unsaved changes are dropped: true to go on (saved or dropped), false
    // to stay. Asks nothing while there is nothing unsaved.
    bool confirmDiscard();
    // A clean end: the recovery copy is removed.
    void closedCleanly();
    // At start: offers each recovery copy whose program is gone, newest first, with
    // "Восстановить несохранённый проект от <dd.MM.yyyy HH:mm>?"; yes restores it as an unsaved
    // change (and stops), no removes it. A copy that cannot be read is moved aside and the error
    // names where it now is. While the question is open no other window offers the same copy.
    void offerRecovery();

    const std::string& projectPath() const { return path_; }
    // The recovery copy of this window (it exists only while changes are unsaved).
    const std::string& recoveryPath() const;
    const std::vector<std::string>& recentProjects() const { return recent_; }
    // "press.kinovar* — Kinovar" with a file open (the mark while unsaved); "Без названия* —
    // Kinovar" with none and changes; kLegacyTitle with neither. A recovered project reads
    // "<name>* (восстановлен) — Kinovar" (its file's name, "Без названия" for none) until it is
    // saved or another one takes its place.
    QString title() const;

    // The variants kept in the project, in the order kept.
    const std::vector<Variant>& variants() const { return variants_; }
    // Each of these is one undoable step ("вариант «name»", …) and an unsaved change. An index
    // past the list does nothing; at kMaxVariants a new variant is refused with a message.
    void keepVariant(Variant variant);
    void renameVariant(size_t index, const std::string& name);
    void removeVariant(size_t index);
    // Puts the variant's inputs on screen (its δ and load too) as one undoable step; the list is
    // left as it is.
    void restoreVariant(size_t index);
    // The charts the printed report shows, nullopt for all; kept in the project, and a change of
    // it is an unsaved change (not an undo step).
    const std::optional<std::vector<std::string>>& reportCharts() const { return reportCharts_; }
    void setReportCharts(std::optional<std::vector<std::string>> charts);
    // The comment of the project (its source figures), kept as it was opened.
    const std::string& comment() const { return comment_; }
    // What "Сохранить проект" writes.
    Project project() const { return Project{P, variants_, reportCharts_, comment_}; }

signals:
    // The variant list changed: kept, renamed, removed, undone, or another project opened.
    void variantsChanged();
    // "Новый" put the defaults in force: the results on screen belong to the project before.
    void newProjectStarted();

private:
    void stackChanged();                       // title and recovery copy follow the history
    bool writeRecovery();                      // false when no copy could be written
    void showAll();                            // every control shows the set
    bool loadProject(const std::string& path); // openProject without the question
    // Reads `path` and puts it on screen; false (the error shown) when refused.
    bool adoptFile(const std::string& path, const QString& label);
    void adopt(const ParamSet& values, const QString& label); // one undo step to `values`
    // One undo step to the project's set and variants (the report's chart choice follows).
    void adoptProject(const Project& project, const QString& label);
    // An undo step replacing the list with `after`; putVariants is its undo and redo.
    void replaceVariants(std::vector<Variant> after, const QString& label);
    void putVariants(std::vector<Variant> variants);
    bool unsaved() const; // the history off its clean state, or the chart choice changed
    void markClean();
    friend class VariantsStep;
    bool writeTo(const std::string& path);
    void remember(const std::string& path); // at the head of the recent list, saved
    void loadRecent();
    void showRecent();
    std::string recoveryDir() const;

    QMainWindow* window;
    Platform& platform;
    ParamSet& P;
    ParameterPanel& parameters;
    RunSettingsPanel& runSettings;
    const NumberFormat& numbers;
    ParamHistory* history = nullptr;
    std::string path_;
    std::unique_ptr<RecoveryCopy> recovery_;
    std::vector<std::string> recent_;
    std::vector<QAction*> recentActions_;
    QTimer* recoveryTimer_ = nullptr; // writes the recovery copy a moment after a change
    std::vector<Variant> variants_;
    std::optional<std::vector<std::string>> reportCharts_;
    std::string comment_;
    bool reportChartsChanged_ = false; // unsaved, though no undo step says so
    // The file the project brought back from a recovery copy came from ("" for none); nullopt while
    // the project is not a recovered one.
    std::optional<QString> recoveredName_;
};

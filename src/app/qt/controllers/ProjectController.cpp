// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/ProjectController.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>
#include <atomic>
#include <filesystem>

#include "app/RecoveryCopies.h"
#include "app/RecoveryOrigin.h"
#include "app/qt/controllers/ParamHistory.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/WindowMessage.h"
#include "formats/ProjectFile.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/Command.h"
#include "platform/ProgramFiles.h"

namespace fs = std::filesystem;

namespace {

// The project's dialogs, asked for when used so that the language installed at the start applies.
FileDialogRequest projectDialog()
{
    return {
        QCoreApplication::translate("ProjectController", "Проект Kinovar|*.kinovar").toStdString(),
        "kinovar", "project"};
}
constexpr const char* kRecentFile = "recent-projects.txt";

QAction* insertMenuAction(QMenu* menu, QAction* before, const char* name, const QString& caption,
                          const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    menu->insertAction(before, action);
    return action;
}

} // namespace

ProjectController::ProjectController(QMainWindow* window, Platform& platform, ParamSet& params,
                                     ParameterPanel& parameters, RunSettingsPanel& runSettings,
                                     const NumberFormat& numbers)
    : QObject(window), window(window), platform(platform), P(params), parameters(parameters),
      runSettings(runSettings), numbers(numbers)
{
    setObjectName("projectController");
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(250);
    connect(recoveryTimer_, &QTimer::timeout, this, [this] { writeRecovery(); });
    history = new ParamHistory(
        P, parameters, numbers, [this] { showAll(); }, this);
    // Two windows, in one process or two, each keep a copy of their own.
    static std::atomic<int> windows{0};
    recovery_ = std::make_unique<RecoveryCopy>(recoveryDir(), ++windows);
    connect(&parameters, &ParameterPanel::paramsChanged, history, &ParamHistory::record);
    connect(&undoStack(), &QUndoStack::indexChanged, this, [this] { stackChanged(); });
    connect(&undoStack(), &QUndoStack::cleanChanged, this, [this] { stackChanged(); });
    loadRecent();
}

ProjectController::~ProjectController()
{
    closedCleanly();
}

const std::string& ProjectController::recoveryPath() const
{
    return recovery_->path();
}

QUndoStack& ProjectController::undoStack()
{
    return history->stack();
}

void ProjectController::addMenuItems(QMenu* fileMenu, QAction* before, QMenu* editMenu)
{
    // The window is the context of every connection, as for its own items, so that the window
    // alone can cut them.
    const auto guard = [this](auto command) { return guarded(platform, std::move(command)); };
    connect(insertMenuAction(fileMenu, before, "openProjectAction", tr("Открыть проект…"),
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}),
            &QAction::triggered, window, guard([this] { openProjectDialog(); }));
    connect(insertMenuAction(fileMenu, before, "saveProjectAction", tr("Сохранить проект"),
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
            &QAction::triggered, window, guard([this] { saveProject(); }));
    connect(
        insertMenuAction(fileMenu, before, "saveProjectAsAction", tr("Сохранить проект как…"), {}),
        &QAction::triggered, window, guard([this] { saveProjectAs(); }));
    QMenu* examples = new QMenu(tr("Примеры"), fileMenu);
    examples->setObjectName("examplesMenu");
    examples->setFont(fileMenu->font());
    fileMenu->insertMenu(before, examples);
    connect(examples, &QMenu::aboutToShow, window,
            guard([this, examples] { fillExamplesMenu(examples); }));
    fileMenu->insertSeparator(before);
    for (int k = 0; k < kRecentProjects; ++k) {
        const std::string name = "recentProject" + std::to_string(k + 1);
        QAction* action = insertMenuAction(fileMenu, before, name.c_str(), {}, {});
        connect(action, &QAction::triggered, window, guard([this, k] {
                    if (size_t(k) < recent_.size()) openProject(std::string(recent_[size_t(k)]));
                }));
        recentActions_.push_back(action);
    }
    showRecent();

    QUndoStack* stack = &undoStack();
    QAction* undo = insertMenuAction(editMenu, nullptr, "undoAction", tr("&Отменить"),
                                     {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = insertMenuAction(
        editMenu, nullptr, "redoAction", tr("&Повторить"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Each names the step it takes back or again: "Отменить: L2 = 30". They stay enabled, so
    // that their keys always reach them; with nothing to take back they do nothing.
    // Each keeps its Alt letter; an '&' in a step's name (a variant's) is printed, not a letter.
    const auto named = [](const QString& verb, QString step) {
        return step.isEmpty() ? verb : verb + ": " + step.replace('&', QStringLiteral("&&"));
    };
    const auto follow = [=] {
        undo->setText(named(tr("&Отменить"), stack->undoText()));
        redo->setText(named(tr("&Повторить"), stack->redoText()));
    };
    connect(stack, &QUndoStack::indexChanged, undo, follow);
    connect(stack, &QUndoStack::cleanChanged, undo, follow);
    follow();
    connect(undo, &QAction::triggered, window, guard([stack] { stack->undo(); }));
    connect(redo, &QAction::triggered, window, guard([stack] { stack->redo(); }));
}

QString ProjectController::title() const
{
    const bool changed = unsaved();
    if (path_.empty() && !changed) return QString::fromUtf8(kLegacyTitle);
    QString name = QFileInfo(QString::fromStdString(path_)).fileName();
    if (path_.empty()) name = QFileInfo(recoveredName_.value_or(QString())).fileName();
    if (name.isEmpty()) name = tr("Без названия");
    if (changed) name += QLatin1Char('*');
    if (recoveredName_ && changed) name += tr(" (восстановлен)");
    return name + QStringLiteral(" — Kinovar");
}

void ProjectController::stackChanged()
{
    window->setWindowTitle(title());
    if (!unsaved()) {
        recoveryTimer_->stop();
        recovery_->discard();
    } else if (!recoveryTimer_->isActive()) {
        // A synced save costs milliseconds: changes in quick succession (typing with the
        // calculation following) share one copy, written a moment after the first of them.
        recoveryTimer_->start();
    }
}

bool ProjectController::writeRecovery()
{
    // The copy follows the changes while any is unsaved; a failed copy must not stop the work it
    // guards, so it is left at its last state.
    if (!unsaved()) return false;
    try {
        // The name goes with the copy; a project with none leaves none beside it.
        const std::string origin =
            path_.empty() && recoveredName_ ? recoveredName_->toStdString() : path_;
        return recovery_->write([&](const std::string& copy) {
            writeProject(copy, project());
            writeRecoveryOrigin(copy, origin);
        });
    } catch (const std::exception&) {
        return false;
    }
}

void ProjectController::showAll()
{
    parameters.showValues();
    parameters.showMode();
    runSettings.showRunSettings();
}

void ProjectController::adopt(const ParamSet& values, const QString& label)
{
    const ParamSet before = P;
    const QStringList shownBefore = parameters.shownTexts();
    const std::string key = P.curkey;
    P = values;
    P.curkey = key;
    showAll();
    history->record(before, shownBefore, label);
}

bool ProjectController::confirmDiscard()
{
    if (!unsaved()) return true;
    const std::string name =
        path_.empty()
            ? ""
            : " «" + QFileInfo(QString::fromStdString(path_)).fileName().toStdString() + "»";
    switch (platform.askSaveChanges(
        tr("Сохранить изменения проекта%1?").arg(QString::fromStdString(name)).toStdString())) {
    case SaveChoice::Save:
        return saveProject();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void ProjectController::openProjectDialog()
{
    if (!confirmDiscard()) return;
    if (const auto path = platform.openFileName(projectDialog())) loadProject(*path);
}

bool ProjectController::openProject(const std::string& path)
{
    return confirmDiscard() && loadProject(path);
}

bool ProjectController::adoptFile(const std::string& path, const QString& label)
{
    ProjectContent content;
    try {
        const BusyCursor busy(platform);
        content = readProject(path); // into a copy: a refused file changes nothing
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), path));
        return false;
    }
    adoptProject(content, label);
    comment_ = content.comment;
    // The comment says what the project is; the memo line is where a user first looks.
    std::string memo = content.comment;
    if (!content.unknownKeys.empty())
        memo += (memo.empty() ? "" : "\n") +
                unknownKeysMemo(content.unknownKeys, content.unknownKeyCount);
    if (!memo.empty()) {
        Outcome shown;
        shown.memo(memo);
        parameters.apply(shown);
    }
    return true;
}

bool ProjectController::loadProject(const std::string& path)
{
    if (!adoptFile(path, tr("открытие проекта"))) return false;
    path_ = path;
    markClean();
    stackChanged();
    remember(path);
    return true;
}

bool ProjectController::openExample(const std::string& path)
{
    if (!confirmDiscard()) return false;
    if (!adoptFile(path, tr("открытие примера"))) return false;
    // The installed file is the program's: a save must ask for a place of the user's own.
    path_.clear();
    markClean();
    stackChanged();
    return true;
}

void ProjectController::fillExamplesMenu(QMenu* menu)
{
    menu->clear();
    for (const std::string& path : exampleProjects(examplesFolder(platform.executableDir()))) {
        QString name = QFileInfo(QString::fromStdString(path)).completeBaseName();
        try {
            const std::string comment = readProject(path).comment;
            const std::string first = comment.substr(0, comment.find('\n'));
            if (!first.empty()) name = QString::fromStdString(first);
        } catch (const KinovarError&) {
            // Listed by its file name: opening it tells what is wrong with it.
        }
        // A literal '&' in a name is no mnemonic.
        QAction* item = menu->addAction(name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("example_%1").arg(menu->actions().size()));
        connect(item, &QAction::triggered, window,
                guarded(platform, [this, path] { openExample(path); }));
    }
    if (menu->actions().isEmpty()) {
        QAction* none = menu->addAction(tr("Примеры не установлены"));
        none->setEnabled(false);
    }
}

bool ProjectController::writeTo(const std::string& path)
{
    try {
        const BusyCursor busy(platform);
        writeProject(path, project());
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), path));
        return false;
    }
    path_ = path;
    markClean();
    stackChanged();
    remember(path);
    return true;
}

bool ProjectController::saveProject()
{
    return path_.empty() ? saveProjectAs() : writeTo(path_);
}

bool ProjectController::saveProjectAs()
{
    const auto path = chooseSaveTarget(platform, projectDialog());
    return path && writeTo(*path);
}

void ProjectController::newProject()
{
    if (!confirmDiscard()) return;
    ParamSet defaults = P;
    setDefaults(defaults);
    adoptProject(Project{defaults, {}, std::nullopt, {}}, tr("Новый"));
    comment_.clear();
    parameters.refreshLabels(); // the progress bar back to 0, as "Новый" always did
    // A new project holds nothing to lose until it changes; undoing "Новый" is a change again.
    path_.clear();
    markClean();
    stackChanged();
    emit newProjectStarted();
}

void ProjectController::openReport(const std::function<void()>& open)
{
    if (!confirmDiscard()) return;
    const ParamSet before = P;
    const QStringList shownBefore = parameters.shownTexts();
    try {
        open();
    } catch (...) {
        history->record(before, shownBefore, tr("открытие отчёта"));
        throw;
    }
    history->record(before, shownBefore, tr("открытие отчёта"));
}

void ProjectController::closedCleanly()
{
    recoveryTimer_->stop();
    recovery_->discard();
}

std::string ProjectController::recoveryDir() const
{
    return platform.userDataDir() + "recovery/";
}

void ProjectController::offerRecovery()
{
    // Each copy is claimed before it is asked about, so that a second window started at the
    // same moment skips it; the claims end when the list goes.
    std::vector<OrphanCopy> copies = claimOrphanCopies(recoveryDir());
    for (OrphanCopy& copy : copies) {
        const QDateTime time = QFileInfo(QString::fromStdString(copy.path())).lastModified();
        const std::string question = tr("Восстановить несохранённый проект от %1?")
                                         .arg(time.toString("dd.MM.yyyy HH:mm"))
                                         .toStdString();
        const std::string origin = readRecoveryOrigin(copy.path());
        if (!platform.askYesNo(question)) {
            copy.removeForGood();
            continue;
        }
        ProjectContent content;
        try {
            content = readProject(copy.path());
        } catch (const KinovarError& e) {
            // The user asked for this work back: a copy this version cannot read (a newer
            // format, too large, unreadable now) is set aside, never lost.
            const std::string kept = copy.keep();
            platform.showError(fileErrorText(windowMessage(e), kept) + "\n" +
                               tr("Несохранённый проект оставлен в этом файле.").toStdString());
            continue;
        }
        // Restored values are unsaved: the step leaves the history off its clean state, and
        // this window's own copy takes over from the old one, which goes once the new one is
        // written.
        adoptProject(content, tr("восстановление"));
        recoveredName_ = QString::fromStdString(origin);
        comment_ = content.comment;
        if (writeRecovery()) copy.removeForGood();
        stackChanged(); // the title names it
        return;
    }
}

void ProjectController::remember(const std::string& path)
{
    const std::string full = fs::absolute(path).lexically_normal().string();
    recent_.erase(std::remove(recent_.begin(), recent_.end(), full), recent_.end());
    recent_.insert(recent_.begin(), full);
    if (recent_.size() > size_t(kRecentProjects)) recent_.resize(kRecentProjects);
    showRecent();
    try {
        fs::create_directories(platform.userDataDir());
        TextWriter out(platform.userDataDir() + kRecentFile);
        for (const std::string& p : recent_)
            out.writeLine(p);
        out.save();
    } catch (const std::exception&) {
        // The list is a convenience: a folder that takes no files leaves it unsaved.
    }
}

void ProjectController::loadRecent()
{
    try {
        TextReader in(platform.userDataDir() + kRecentFile);
        while (!in.atEnd() && recent_.size() < size_t(kRecentProjects)) {
            const std::string line = in.readLine();
            if (!line.empty() && !in.lineCut()) recent_.push_back(line);
        }
    } catch (const std::exception&) {
        recent_.clear(); // no list yet
    }
}

void ProjectController::showRecent()
{
    for (size_t k = 0; k < recentActions_.size(); ++k) {
        QAction* action = recentActions_[k];
        action->setVisible(k < recent_.size());
        if (k >= recent_.size()) continue;
        const QString path = QString::fromStdString(recent_[k]);
        action->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setToolTip(path);
    }
}

// ---- The project's state and its variants' history -------------------------------------

class VariantsStep : public QUndoCommand {
public:
    VariantsStep(ProjectController& owner, std::vector<Variant> before, std::vector<Variant> after,
                 const QString& label)
        : QUndoCommand(label), owner_(owner), before_(std::move(before)), after_(std::move(after))
    {
    }
    void redo() override { owner_.putVariants(after_); }
    void undo() override { owner_.putVariants(before_); }

private:
    ProjectController& owner_;
    std::vector<Variant> before_, after_;
};

bool ProjectController::unsaved() const
{
    return !history->stack().isClean() || reportChartsChanged_;
}

void ProjectController::markClean()
{
    undoStack().setClean();
    reportChartsChanged_ = false;
    // Saved, opened or new: the project is no longer the one brought back.
    recoveredName_.reset();
}

void ProjectController::putVariants(std::vector<Variant> variants)
{
    variants_ = std::move(variants);
    emit variantsChanged();
}

void ProjectController::replaceVariants(std::vector<Variant> after, const QString& label)
{
    undoStack().push(new VariantsStep(*this, variants_, std::move(after), label));
}

void ProjectController::adoptProject(const Project& project, const QString& label)
{
    reportCharts_ = project.reportCharts;
    // Projects without variants, the common case, keep the single step of the set alone.
    if (variants_.empty() && project.variants.empty()) {
        adopt(project.params, label);
        return;
    }
    undoStack().beginMacro(label);
    adopt(project.params, label);
    replaceVariants(project.variants, label);
    undoStack().endMacro();
}

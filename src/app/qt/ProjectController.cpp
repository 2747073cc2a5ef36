// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/ProjectController.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <signal.h>
#include <unistd.h>

#include "app/qt/ParamHistory.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "formats/ProjectFile.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/Command.h"
#include "platform/ProgramFiles.h"

namespace fs = std::filesystem;

namespace {

const FileDialogRequest kProjectDialog{"Проект Kinovar|*.kinovar", "kinovar", "project"};
constexpr const char* kRecoveryPrefix = "project-";
constexpr const char* kRecentFile = "recent-projects.txt";

// The process id in a recovery copy's name "project-<pid>-<n>.kinovar", or 0.
pid_t recoveryOwner(const std::string& name)
{
    if (!name.starts_with(kRecoveryPrefix) || !name.ends_with(".kinovar")) return 0;
    const std::string digits = name.substr(std::char_traits<char>::length(kRecoveryPrefix));
    const size_t end = digits.find_first_not_of("0123456789");
    if (end == 0 || end == std::string::npos) return 0;
    try {
        return static_cast<pid_t>(std::stol(digits.substr(0, end)));
    } catch (const std::exception&) {
        return 0;
    }
}

bool processAlive(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

QAction* addAction(QMenu* menu, QAction* before, const char* name, const QString& caption,
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
    recoveryPath_ = recoveryDir() + kRecoveryPrefix + std::to_string(::getpid()) + "-" +
                    std::to_string(++windows) + ".kinovar";
    connect(&parameters, &ParameterPanel::paramsChanged, history, &ParamHistory::record);
    connect(&undoStack(), &QUndoStack::indexChanged, this, [this] { stackChanged(); });
    connect(&undoStack(), &QUndoStack::cleanChanged, this, [this] { stackChanged(); });
    loadRecent();
}

ProjectController::~ProjectController()
{
    closedCleanly();
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
    connect(addAction(fileMenu, before, "openProjectAction", QStringLiteral("Открыть проект…"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}),
            &QAction::triggered, window, guard([this] { openProjectDialog(); }));
    connect(addAction(fileMenu, before, "saveProjectAction", QStringLiteral("Сохранить проект"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
            &QAction::triggered, window, guard([this] { saveProject(); }));
    connect(addAction(fileMenu, before, "saveProjectAsAction",
                      QStringLiteral("Сохранить проект как…"), {}),
            &QAction::triggered, window, guard([this] { saveProjectAs(); }));
    QMenu* examples = new QMenu(QStringLiteral("Примеры"), fileMenu);
    examples->setObjectName("examplesMenu");
    examples->setFont(fileMenu->font());
    fileMenu->insertMenu(before, examples);
    connect(examples, &QMenu::aboutToShow, window,
            guard([this, examples] { fillExamplesMenu(examples); }));
    fileMenu->insertSeparator(before);
    for (int k = 0; k < kRecentProjects; ++k) {
        const std::string name = "recentProject" + std::to_string(k + 1);
        QAction* action = addAction(fileMenu, before, name.c_str(), {}, {});
        connect(action, &QAction::triggered, window, guard([this, k] {
                    if (size_t(k) < recent_.size()) openProject(std::string(recent_[size_t(k)]));
                }));
        recentActions_.push_back(action);
    }
    showRecent();

    QUndoStack* stack = &undoStack();
    QAction* undo = addAction(editMenu, nullptr, "undoAction", QStringLiteral("&Отменить"),
                              {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = addAction(
        editMenu, nullptr, "redoAction", QStringLiteral("&Повторить"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Each names the step it takes back or again: "Отменить: L2 = 30". They stay enabled, so
    // that their keys always reach them; with nothing to take back they do nothing.
    // Each keeps its Alt letter; an '&' in a step's name (a variant's) is printed, not a letter.
    const auto named = [](const QString& verb, QString step) {
        return step.isEmpty() ? verb : verb + ": " + step.replace('&', QStringLiteral("&&"));
    };
    const auto follow = [=] {
        undo->setText(named(QStringLiteral("&Отменить"), stack->undoText()));
        redo->setText(named(QStringLiteral("&Повторить"), stack->redoText()));
    };
    connect(stack, &QUndoStack::indexChanged, undo, follow);
    connect(stack, &QUndoStack::cleanChanged, undo, follow);
    follow();
    connect(undo, &QAction::triggered, window, guard([stack] { stack->undo(); }));
    connect(redo, &QAction::triggered, window, guard([stack] { stack->redo(); }));
}

QString ProjectController::title() const
{
    if (path_.empty()) return QString::fromUtf8(kLegacyTitle);
    const QString name = QFileInfo(QString::fromStdString(path_)).fileName();
    return name + (unsaved() ? "*" : "") + QStringLiteral(" — Kinovar");
}

void ProjectController::stackChanged()
{
    window->setWindowTitle(title());
    if (!unsaved()) {
        recoveryTimer_->stop();
        std::error_code ec;
        fs::remove(recoveryPath_, ec);
    } else if (!recoveryTimer_->isActive()) {
        // A synced save costs milliseconds: changes in quick succession (typing with the
        // calculation following) share one copy, written a moment after the first of them.
        recoveryTimer_->start();
    }
}

void ProjectController::writeRecovery()
{
    // The copy follows the changes while any is unsaved; a failed copy must not stop the work it
    // guards, so it is left at its last state.
    if (!unsaved()) return;
    try {
        fs::create_directories(recoveryDir());
        writeProject(recoveryPath_, project());
    } catch (const std::exception&) {
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
    switch (platform.askSaveChanges("Сохранить изменения проекта" + name + "?")) {
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
    if (const auto path = platform.openFileName(kProjectDialog)) loadProject(*path);
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
        platform.showError(fileErrorText(e.what(), path));
        return false;
    }
    adoptProject(content, label);
    comment_ = content.comment;
    // The comment says what the project is; the memo line is where a user first looks.
    std::string memo = content.comment;
    if (!content.unknownKeys.empty())
        memo += (memo.empty() ? "" : "\n") + unknownKeysMemo(content.unknownKeys);
    if (!memo.empty()) {
        Outcome shown;
        shown.memo(memo);
        parameters.apply(shown);
    }
    return true;
}

bool ProjectController::loadProject(const std::string& path)
{
    if (!adoptFile(path, QStringLiteral("открытие проекта"))) return false;
    path_ = path;
    markClean();
    stackChanged();
    remember(path);
    return true;
}

bool ProjectController::openExample(const std::string& path)
{
    if (!confirmDiscard()) return false;
    if (!adoptFile(path, QStringLiteral("открытие примера"))) return false;
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
        QAction* none = menu->addAction(QStringLiteral("Примеры не установлены"));
        none->setEnabled(false);
    }
}

bool ProjectController::writeTo(const std::string& path)
{
    try {
        const BusyCursor busy(platform);
        writeProject(path, project());
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(e.what(), path));
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
    const auto path = chooseSaveTarget(platform, kProjectDialog);
    return path && writeTo(*path);
}

void ProjectController::newProject()
{
    if (!confirmDiscard()) return;
    ParamSet defaults = P;
    setDefaults(defaults);
    adoptProject(Project{defaults, {}, std::nullopt, {}}, QStringLiteral("Новый"));
    comment_.clear();
    parameters.refreshLabels(); // the progress bar back to 0, as "Новый" always did
    // A new project holds nothing to lose until it changes; undoing "Новый" is a change again.
    path_.clear();
    markClean();
    stackChanged();
}

void ProjectController::openReport(const std::function<void()>& open)
{
    if (!confirmDiscard()) return;
    const ParamSet before = P;
    const QStringList shownBefore = parameters.shownTexts();
    try {
        open();
    } catch (...) {
        history->record(before, shownBefore, QStringLiteral("открытие отчёта"));
        throw;
    }
    history->record(before, shownBefore, QStringLiteral("открытие отчёта"));
}

void ProjectController::closedCleanly()
{
    recoveryTimer_->stop();
    std::error_code ec;
    fs::remove(recoveryPath_, ec);
}

std::string ProjectController::recoveryDir() const
{
    return platform.userDataDir() + "recovery/";
}

void ProjectController::offerRecovery()
{
    std::vector<std::pair<fs::file_time_type, fs::path>> orphans;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(recoveryDir(), ec)) {
        const pid_t owner = recoveryOwner(entry.path().filename().string());
        if (owner <= 0 || owner == ::getpid() || processAlive(owner)) continue;
        if (!entry.is_regular_file(ec)) continue;
        orphans.emplace_back(entry.last_write_time(ec), entry.path());
    }
    std::sort(orphans.rbegin(), orphans.rend());
    for (const auto& [when, path] : orphans) {
        const QDateTime time = QFileInfo(QString::fromStdString(path.string())).lastModified();
        const std::string question = "Восстановить несохранённый проект от " +
                                     time.toString("dd.MM.yyyy HH:mm").toStdString() + "?";
        if (!platform.askYesNo(question)) {
            fs::remove(path, ec);
            continue;
        }
        ProjectContent content;
        try {
            content = readProject(path.string());
        } catch (const KinovarError& e) {
            platform.showError(fileErrorText(e.what(), path.string()));
            fs::remove(path, ec);
            continue;
        }
        // Restored values are unsaved: the step leaves the history off its clean state, and
        // this window's own copy takes over from the old one.
        adoptProject(content, QStringLiteral("восстановление"));
        comment_ = content.comment;
        fs::remove(path, ec);
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
        out.close();
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The window's project: undo and redo over a scripted session, the project file's life in the
// window (title, question, recent list, refused files), the batch reproducing a window's run from
// its saved project, and the recovery copy of a killed program offered at the next start.
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "formats/ProjectFile.h"
#include "formats/ResultCsv.h"
#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

class ProjectWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        fake.dataDir = data.dir();
        MainWindowTest::SetUp();
    }
    ProjectController& project() { return form->projectController(); }
    // Everything the controls show of the set: every value label, the mode, step and count.
    QStringList display() const
    {
        QStringList shown;
        for (int r = 0; r < kParamRowCount; ++r)
            shown << labelText((std::string(paramRow(r).key) + "Value").c_str());
        shown << control<QComboBox>("modeBox")->currentText()
              << control<QComboBox>("stepBox")->currentText()
              << control<QLineEdit>("cycleCountEdit")->text();
        return shown;
    }
    // As the menu shows it: without the Alt letter's mark.
    QString actionText(const char* name) const
    {
        return control<QAction>(name)->text().remove(QLatin1Char('&'));
    }

    ScratchDir data{"project-window"};
};

} // namespace

TEST_F(ProjectWindow, UndoAndRedoWalkBackAndForthThroughTheRecordedStates)
{
    struct State {
        ParamSet params;
        QStringList shown;
        QString undoText; // "Отменить: ..." right after the step
    };
    const std::function<void()> script[] = {
        [&] { enter("l2", "30"); },
        [&] { trigger("autofillAction"); },
        [&] { control<QComboBox>("stepBox")->setCurrentIndex(1); },
        [&] { enter("m2", "7.5"); },
        [&] { control<QComboBox>("modeBox")->setCurrentIndex(1); },
        [&] { trigger("newAction"); },
        [&] { enter("ac1", "-2"); },
    };
    const QString expectedUndo[] = {"Отменить: L2 = 30",   "Отменить: автозаполнение",
                                    "Отменить: шаг 5",     "Отменить: M2 = 7.5",
                                    "Отменить: режим 720", "Отменить: Новый",
                                    "Отменить: A(C1) = -2"};
    std::vector<State> states{{params, display(), actionText("undoAction")}};
    for (const auto& step : script) {
        step();
        states.push_back({params, display(), actionText("undoAction")});
    }
    EXPECT_EQ(states.front().undoText, "Отменить");
    for (size_t k = 1; k < states.size(); ++k)
        EXPECT_EQ(states[k].undoText, expectedUndo[k - 1]);

    activate();
    const auto check = [&](size_t k, const char* way) {
        EXPECT_TRUE(sameParams(params, states[k].params)) << way << " to state " << k;
        EXPECT_EQ(display().join("|").toStdString(), states[k].shown.join("|").toStdString())
            << way << " to state " << k;
    };
    // Ctrl+Z all the way back, then Ctrl+Y and Ctrl+Shift+Z all the way forward.
    for (size_t k = states.size() - 1; k-- > 0;) {
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        check(k, "undo");
    }
    EXPECT_EQ(actionText("undoAction"), "Отменить");
    EXPECT_EQ(actionText("redoAction"), "Повторить: L2 = 30");
    for (size_t k = 1; k < states.size(); ++k) {
        QTest::keyClick(form.get(), k % 2 ? Qt::Key_Y : Qt::Key_Z,
                        k % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        check(k, "redo");
    }
}

TEST_F(ProjectWindow, ProjectFileInTheWindow)
{
    const std::string path = data.file("press.kinovar");
    EXPECT_EQ(form->windowTitle(), "Kinovar (ver.1.3)");
    enter("l1", "12");
    EXPECT_EQ(form->windowTitle(), "Без названия* — Kinovar"); // no file open, a change made

    fake.saveReplies.push_back(path);
    trigger("saveProjectAction");
    EXPECT_EQ(form->windowTitle(), "press.kinovar — Kinovar");
    EXPECT_EQ(readProject(path).params.l1, 12.0);
    enter("l2", "31");
    EXPECT_EQ(form->windowTitle(), "press.kinovar* — Kinovar");
    trigger("undoAction"); // back to the saved state
    EXPECT_EQ(form->windowTitle(), "press.kinovar — Kinovar");
    trigger("redoAction");
    ASSERT_FALSE(project().recoveryPath().empty());
    // Unsaved: a copy is kept, written a moment after the change.
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(project().recoveryPath()); }));

    // Each command that would drop the change asks first; "Отмена" keeps everything.
    const char* droppers[] = {"newAction", "openReportAction", "openProjectAction"};
    for (const char* command : droppers) {
        fake.saveChoiceReplies.push_back(SaveChoice::Cancel);
        trigger(command);
        EXPECT_EQ(params.l2, 31) << command;
    }
    fake.saveChoiceReplies.push_back(SaveChoice::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(fake.questions,
              std::vector<std::string>(4, "Сохранить изменения проекта «press.kinovar»?"));
    EXPECT_EQ(fake.dialogRequests.size(), 1u); // the save dialog alone: no file was asked for

    // "Сохранить": saved first, then the new project; the recovery copy goes with the change.
    fake.saveChoiceReplies.push_back(SaveChoice::Save);
    trigger("newAction");
    EXPECT_EQ(readProject(path).params.l2, 31.0);
    EXPECT_EQ(params.l2, 25);
    EXPECT_EQ(form->windowTitle(), "Kinovar (ver.1.3)");
    EXPECT_FALSE(std::filesystem::exists(project().recoveryPath()));

    // A refused project changes nothing; a good one is opened from the recent list.
    writeBytes(
        data.file("bad.kinovar"),
        R"({"format": "kinovar-project", "version": "1.0", "parameters": {"l2": "5", "m1": "x"}})");
    fake.openReplies.push_back(data.file("bad.kinovar"));
    trigger("openProjectAction");
    ASSERT_EQ(fake.errors.size(), 1u);
    EXPECT_NE(fake.errors[0].find("ключ проекта «m1»: «x» не число"), std::string::npos)
        << fake.errors[0];
    EXPECT_EQ(params.l2, 25);
    EXPECT_EQ(project().recentProjects(), std::vector<std::string>{path});
    EXPECT_EQ(control<QAction>("recentProject1")->text(), "&1 press.kinovar");
    trigger("recentProject1");
    EXPECT_EQ(params.l2, 31);
    EXPECT_EQ(form->windowTitle(), "press.kinovar — Kinovar");

    // "Не сохранять" drops the change once asked, and only once.
    enter("l2", "40");
    const size_t asked = fake.questions.size();
    fake.saveChoiceReplies.push_back(SaveChoice::Discard);
    fake.openReplies.push_back(path);
    trigger("openProjectAction");
    EXPECT_EQ(fake.questions.size(), asked + 1);
    EXPECT_EQ(params.l2, 31);
}

TEST_F(ProjectWindow, BatchRunOfTheSavedProjectGivesTheWindowsCsv)
{
    enter("l1", "7.25");
    enter("fit0", "2.1");
    enter("m3", "0.3000000000000000000001");
    trigger("autofillAction");
    control<QComboBox>("stepBox")->setCurrentIndex(7); // "ext 0.2"
    control<QComboBox>("modeBox")->setCurrentIndex(1);
    trigger("calculateAction");
    std::ostringstream window;
    writeResultCsv(store(), params.N, window);

    fake.saveReplies.push_back(data.file("run.kinovar"));
    trigger("saveProjectAsAction");
    const BatchRun run = batch({"--project", data.file("run.kinovar"), "--csv", "-"});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    EXPECT_EQ(run.out, window.str());
}

TEST(ProjectRecovery, KilledWindowLeavesACopyTheNextStartOffers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", dir.path());
    env.insert("XDG_DATA_HOME", dir.path() + "/data");
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    env.insert("LANGUAGE", "ru"); // the texts the test reads, whatever the tester's language
    env.insert("KINOVAR_TEST_ENTRY", "l2=30");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + "/kinovar", {});
    ASSERT_TRUE(program.waitForStarted());
    const std::string folder = dir.path().toStdString() + "/data/Kinovar/recovery/";
    const std::string prefix = folder + "project-" + std::to_string(program.processId()) + "-";
    std::string recovery;
    // The copy is written as the change is made; the program is killed once it is there.
    const bool written = QTest::qWaitFor(
        [&] {
            std::error_code ec;
            for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
                if (entry.path().string().starts_with(prefix) &&
                    entry.path().extension() == ".kinovar")
                    recovery = entry.path().string();
            return !recovery.empty();
        },
        60000);
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    program.waitForFinished();
    ASSERT_TRUE(written) << program.readAllStandardError().toStdString();

    // A copy whose program still runs (this test's parent) belongs to another window: left alone.
    const std::string live = dir.path().toStdString() + "/data/Kinovar/recovery/project-" +
                             std::to_string(::getppid()) + "-1.kinovar";
    std::filesystem::copy_file(recovery, live);

    FakePlatform fake;
    fake.dataDir = dir.path().toStdString() + "/data/Kinovar/";
    ParamSet params;
    static ResultStore store; // large: one for the run
    const struct {
        bool restore;
        double l2;
    } answers[] = {{false, 25}, {true, 30}};
    for (const auto& a : answers) {
        if (!a.restore) std::filesystem::copy_file(recovery, recovery + ".keep");
        MainWindow form(fake, params, store);
        fake.questions.clear();
        fake.yesNoReplies = {a.restore};
        form.projectController().offerRecovery();
        ASSERT_EQ(fake.questions.size(), 1u);
        EXPECT_TRUE(fake.questions[0].starts_with("Восстановить несохранённый проект от "));
        EXPECT_TRUE(fake.questions[0].ends_with("?"));
        EXPECT_EQ(params.l2, a.l2);
        EXPECT_FALSE(std::filesystem::exists(recovery)); // offered once, then gone
        EXPECT_EQ(form.projectController().undoStack().isClean(), !a.restore);
        EXPECT_TRUE(std::filesystem::exists(live));
        if (!a.restore) std::filesystem::rename(recovery + ".keep", recovery);
    }
}

TEST(ProjectRecovery, ASecondWindowDoesNotAskAboutACopyTheFirstHasTaken)
{
    ScratchDir dir("two-windows");
    const std::string folder = dir.dir() + "recovery/";
    std::filesystem::create_directories(folder);
    ParamSet crashed;
    setDefaults(crashed);
    crashed.l2 = 31;
    writeProject(folder + "project-1-1733600000000-0a1b2c3d-1.kinovar",
                 Project{crashed, {}, {}, {}});

    FakePlatform first, second;
    first.dataDir = second.dataDir = dir.dir();
    ParamSet params1, params2;
    static ResultStore store1, store2; // large: one each for the run
    MainWindow window1(first, params1, store1);
    MainWindow window2(second, params2, store2);
    // The second window starts while the first one's question is open.
    first.whileAsked = [&](const std::string&) { window2.projectController().offerRecovery(); };
    first.yesNoReplies = {true};
    window1.projectController().offerRecovery();
    EXPECT_EQ(first.questions.size(), 1u);
    EXPECT_TRUE(second.questions.empty());
    EXPECT_TRUE(second.errors.empty());
    EXPECT_EQ(params1.l2, 31);
    EXPECT_NE(params2.l2, 31);
}

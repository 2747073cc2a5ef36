// SPDX-License-Identifier: GPL-3.0-or-later
// The window's title names the project and says when it is unsaved or recovered: an untitled
// project with changes, a named one, and one brought back from the copy of a program that died,
// by the name its copy carries.
#include <QLineEdit>
#include <QUndoStack>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "formats/ProjectFile.h"
#include "support/ScratchFiles.h"

namespace {

class ProjectTitle : public MainWindowTest {
protected:
    void SetUp() override
    {
        fake.dataDir = data.dir();
        MainWindowTest::SetUp();
    }
    ProjectController& project() { return form->projectController(); }
    // A recovery copy as a program that has ended left it: l2 = 30, and beside it the file its
    // project came from, when `origin` is not empty.
    void leaveRecoveryCopy(const std::string& origin)
    {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0); // its number now names no process
        std::filesystem::create_directories(data.file("recovery"));
        const std::string copy =
            data.file("recovery/project-" + std::to_string(child) + "-1.kinovar");
        ParamSet p;
        setDefaults(p);
        p.l2 = 30;
        writeProject(copy, p);
        if (!origin.empty()) writeBytes(copy + ".from", origin + "\n");
        copies.push_back(copy);
    }
    std::vector<std::string> copies; // every copy left

    ScratchDir data{"project-title"};
};

} // namespace

TEST_F(ProjectTitle, NamesTheProjectAndItsState)
{
    const std::string press = data.file("press.kinovar");
    const struct {
        const char* step;
        std::function<void()> act;
        const char* title;
    } steps[] = {
        {"start", [] {}, "Kinovar (ver.1.3)"},
        {"untitled change", [this] { enter("l2", "31"); }, "Без названия* — Kinovar"},
        {"undone", [this] { trigger("undoAction"); }, "Kinovar (ver.1.3)"},
        {"saved",
         [this, press] {
             enter("l2", "32");
             fake.saveReplies.push_back(press);
             trigger("saveProjectAction");
         },
         "press.kinovar — Kinovar"},
        {"named change", [this] { enter("l1", "9"); }, "press.kinovar* — Kinovar"},
        {"new", [this] { trigger("newAction"); }, "Kinovar (ver.1.3)"},
        {"recovered, named",
         [this, press] {
             leaveRecoveryCopy(press);
             fake.yesNoReplies = {true};
             project().offerRecovery();
         },
         "press.kinovar* (восстановлен) — Kinovar"},
        {"recovered, changed", [this] { enter("m1", "5"); },
         "press.kinovar* (восстановлен) — Kinovar"},
        {"recovered, saved as",
         [this] {
             fake.saveReplies.push_back(data.file("other.kinovar"));
             trigger("saveProjectAction");
         },
         "other.kinovar — Kinovar"},
        {"new again", [this] { trigger("newAction"); }, "Kinovar (ver.1.3)"},
        {"recovered, untitled",
         [this] {
             leaveRecoveryCopy("");
             fake.yesNoReplies = {true};
             project().offerRecovery();
         },
         "Без названия* (восстановлен) — Kinovar"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(form->windowTitle().toStdString(), s.title);
    }
    EXPECT_EQ(params.l2, 30); // the last copy is in force
    // Offered and taken: neither copy nor its name is left behind.
    ASSERT_EQ(copies.size(), 2u);
    for (const std::string& copy : copies) {
        EXPECT_FALSE(std::filesystem::exists(copy)) << copy;
        EXPECT_FALSE(std::filesystem::exists(copy + ".from")) << copy;
    }
}

// The copy of an opened project carries the project's file, so that a later start names it.
TEST_F(ProjectTitle, RecoveryCopyCarriesTheProjectsFile)
{
    const std::string press = data.file("press.kinovar");
    ParamSet p;
    setDefaults(p);
    writeProject(press, p);
    ASSERT_TRUE(project().openProject(press));
    enter("l2", "33");
    const std::string origin = project().recoveryPath() + ".from";
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(origin); }));
    EXPECT_EQ(readBytes(origin), press + "\n");
    trigger("saveProjectAction"); // saved: no copy is needed, nor its name
    EXPECT_FALSE(std::filesystem::exists(project().recoveryPath()));
    EXPECT_FALSE(std::filesystem::exists(origin));
}

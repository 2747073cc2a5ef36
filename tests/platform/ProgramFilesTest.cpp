// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds scr.ini and the animator, and where Kinetic.ini goes: beside the
// executable as in a build folder, in the installed tree relative to it, or in the user's data
// folder when the executable's folder is read-only.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ProgramFiles.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace fs = std::filesystem;

namespace {

void touch(const fs::path& p)
{
    fs::create_directories(p.parent_path());
    writeBytes(p.string(), "x\n");
}

} // namespace

TEST(ProgramFiles, KineticGoesBesideTheExecutableUnlessItsFolderIsReadOnly)
{
    EXPECT_EQ(kineticFolder("/opt/k/bin/", true, "/home/u/.local/share/Kinovar/"), "/opt/k/bin/");
    EXPECT_EQ(kineticFolder("/usr/bin/", false, "/home/u/.local/share/Kinovar/"),
              "/home/u/.local/share/Kinovar/");
}

TEST(ProgramFiles, KineticPathFallsBackToTheDataFolderAndCreatesIt)
{
    ScratchDir dir{"progfiles"};
    FakePlatform fake;
    fake.exeDir = dir.dir() + "bin/";
    fake.dataDir = dir.dir() + "home/.local/share/Kinovar/";
    fs::create_directories(fake.exeDir);

    EXPECT_EQ(kineticFilePath(fake), dir.dir() + "bin/Kinetic.ini");
    EXPECT_FALSE(fs::exists(fake.dataDir)) << "the data folder is made only when it is used";

    fake.readOnlyDirs = {fake.exeDir};
    EXPECT_EQ(kineticFilePath(fake), dir.dir() + "home/.local/share/Kinovar/Kinetic.ini");
    EXPECT_TRUE(fs::is_directory(fake.dataDir));
}

TEST(ProgramFiles, SystemCanWriteInAnExistingOrMissingFolder)
{
    ScratchDir dir{"progfiles"};
    EXPECT_TRUE(systemCanWriteIn(dir.dir()));
    // A missing folder is not "read-only": writing there must report that it is missing.
    EXPECT_TRUE(systemCanWriteIn(dir.dir() + "missing/"));
}

struct LayoutCase {
    const char* name;
    bool beside;          // the file exists beside the executable (a build folder)
    bool installed;       // the file exists in the installed tree
    const char* expected; // relative to the scratch folder
};

class ProgramFilesLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ProgramFilesLayout, FindsTheAnimatorAndCaptionsBesideThenInstalled)
{
    const LayoutCase& c = GetParam();
    ScratchDir dir{"layout"};
    const fs::path root = dir.path();
    const std::string exeDir = (root / "bin").string() + "/";
    fs::create_directories(exeDir);
    if (c.beside) {
        touch(root / "bin/Animator/Animator");
        touch(root / "bin/Animator/Anima_dx7");
        touch(root / "bin/scr.ini");
    }
    if (c.installed) {
        touch(root / "libexec/kinovar/Animator/Animator");
        touch(root / "libexec/kinovar/Animator/Anima_dx7");
        touch(root / "share/kinovar/scr.ini");
    }
    const std::string base = (root / c.expected).string();
    EXPECT_EQ(animatorPath(exeDir, AnimatorBuild::Full), base + "Animator/Animator");
    EXPECT_EQ(animatorPath(exeDir, AnimatorBuild::Light), base + "Animator/Anima_dx7");
    const std::string dataBase =
        c.installed && !c.beside ? (root / "share/kinovar/").string() : exeDir;
    EXPECT_EQ(captionsPath(exeDir), dataBase + "scr.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProgramFilesLayout,
    ::testing::Values(LayoutCase{"BuildFolder", true, false, "bin/"},
                      LayoutCase{"BesideWinsOverInstalled", true, true, "bin/"},
                      LayoutCase{"Installed", false, true, "libexec/kinovar/"},
                      LayoutCase{"NeitherNamesTheUsualPlace", false, false, "bin/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFiles, AnimatorGetsThePathOnlyWhenItWouldNotFindTheFileItself)
{
    struct Case {
        const char* animator;
        const char* kinetic;
        bool passed;
    };
    for (const Case& c : {
             Case{"/opt/k/bin/Animator/Animator", "/opt/k/bin/Kinetic.ini", false},
             Case{"/opt/k/bin/./Animator/Anima_dx7", "/opt/k/bin/Kinetic.ini", false},
             Case{"/opt/k/bin/Animator/Animator", "/home/u/.local/share/Kinovar/Kinetic.ini", true},
             // Installed: the animator's own guess is /usr/libexec/kinovar/Kinetic.ini.
             Case{"/usr/libexec/kinovar/Animator/Animator", "/usr/bin/Kinetic.ini", true},
         }) {
        const std::vector<std::string> expected =
            c.passed ? std::vector<std::string>{"--kinetic", c.kinetic}
                     : std::vector<std::string>{};
        EXPECT_EQ(animatorArguments(c.animator, c.kinetic), expected)
            << c.animator << " " << c.kinetic;
    }
}

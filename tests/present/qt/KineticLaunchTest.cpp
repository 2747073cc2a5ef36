// SPDX-License-Identifier: GPL-3.0-or-later
// "Анимация": the file beside the executable, the progress bar, the choice of the animator
// build, and the reports when the file or the animator fails.
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "app/qt/MainWindowFixture.h"
#include "formats/Kinetic.h"
#include "formats/KineticTestSupport.h"
#include "platform/qt/QtPlatform.h"

using namespace kinetic_test;

namespace {

class KineticLaunch : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fake.exeDir = dir.path().string() + "/";
    }
    void selectRenderer(int item)
    {
        QRadioButton* items[] = {control<QRadioButton>("rendererItem0"),
                                 control<QRadioButton>("rendererItem1")};
        for (QRadioButton* b : items)
            b->setAutoExclusive(false);
        for (int i = 0; i < 2; ++i)
            items[i]->setChecked(i == item);
    }
    std::vector<std::string> fileLines() const
    {
        return crlfLines(readBytes(fake.exeDir + kKineticFileName));
    }

    ScratchDir dir{"launch"};
};

} // namespace

TEST_F(KineticLaunch, EachRendererItemStartsItsBuild)
{
    struct Case {
        int item;
        const char* program;
    };
    for (const Case& c : {Case{1, "Animator/Animator"}, Case{0, "Animator/Anima_dx7"},
                          Case{-1, "Animator/Anima_dx7"}}) {
        fake.started.clear();
        selectRenderer(c.item);
        ASSERT_EQ(form->animationPanel().rendererIndex(), c.item);
        form->animationPanel().exportAnimation();
        EXPECT_EQ(fake.started, std::vector<std::string>{fake.exeDir + c.program}) << c.item;
    }
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.errors.empty());
    const auto lines = fileLines();
    ASSERT_EQ(lines.size(), 233u);
    EXPECT_EQ(lines[0], "360");
    EXPECT_EQ(lines.back(), "END");
}

TEST_F(KineticLaunch, ProgressBarFollowsTheStepsButNotForNoSteps)
{
    struct Case {
        int maximum;
        int expected; // a position past the range leaves the bar full
    };
    auto* bar = control<QProgressBar>("progressBar");
    for (const Case& c : {Case{25, 25}, Case{12, 12}, Case{90000, 25}}) {
        bar->setRange(0, c.maximum);
        bar->setValue(0);
        form->animationPanel().exportAnimation();
        EXPECT_EQ(bar->value(), c.expected) << c.maximum;
    }

    bar->setValue(7);
    params.N = 0;
    store().recordRun(params); // a run of no steps
    form->animationPanel().exportAnimation();
    EXPECT_EQ(bar->value(), 7);
    EXPECT_EQ(fileLines().size(), 8u);
}

TEST_F(KineticLaunch, AnimatorThatDoesNotStartIsReportedAndTheFileStays)
{
    fake.startSucceeds = false;
    form->animationPanel().exportAnimation();
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.messages,
              std::vector<std::string>{"Не удалось запустить аниматор: " + fake.started[0]});
    EXPECT_EQ(fileLines().size(), 233u);
}

TEST_F(KineticLaunch, UnwritableFileIsAnErrorReportAndNoAnimator)
{
    struct Case {
        std::string folder;
        bool fileIsAFolder;
        const char* error; // the box names the file on its second line
    };
    // Tests run as root, who may write anywhere: a folder in the file's place stands in for a
    // file that cannot be written, and is refused before any writing as no regular file.
    for (const Case& c : {Case{"no-such-folder/", false, "Файл не найден"},
                          Case{"blocked/", true, kNotARegularFileMessage}}) {
        fake.exeDir = dir.path().string() + "/" + c.folder;
        if (c.fileIsAFolder) std::filesystem::create_directories(fake.exeDir + kKineticFileName);
        fake.errors.clear();
        form->animationPanel().exportAnimation();
        EXPECT_EQ(fake.errors, std::vector<std::string>{errorReportText(
                                   fileErrorText(c.error, fake.exeDir + kKineticFileName))})
            << c.folder;
        EXPECT_TRUE(fake.started.empty()) << c.folder;
        EXPECT_TRUE(fake.messages.empty()) << c.folder;
    }
}

TEST_F(KineticLaunch, ReadOnlyProgramFolderSendsTheFileToTheDataFolder)
{
    fake.readOnlyDirs = {fake.exeDir};
    fake.dataDir = dir.path().string() + "/home/.local/share/Kinovar/";
    form->animationPanel().exportAnimation();
    const std::string written = fake.dataDir + kKineticFileName;
    EXPECT_EQ(crlfLines(readBytes(written)).size(), 233u);
    EXPECT_FALSE(std::filesystem::exists(fake.exeDir + kKineticFileName));
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0], fake.exeDir + "Animator/Animator");
    EXPECT_EQ(fake.startedArgs[0], (std::vector<std::string>{"--kinetic", written}));
    EXPECT_TRUE(fake.errors.empty());

    // A data folder that cannot be made either is the one case the user hears of.
    writeBytes(dir.path().string() + "/plain-file", "x");
    fake.dataDir = dir.path().string() + "/plain-file/Kinovar/";
    fake.started.clear();
    form->animationPanel().exportAnimation();
    EXPECT_EQ(fake.errors.size(), 1u);
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(KineticLaunch, WritableProgramFolderStartsTheAnimatorWithoutArguments)
{
    form->animationPanel().exportAnimation();
    ASSERT_EQ(fake.startedArgs.size(), 1u);
    EXPECT_TRUE(fake.startedArgs[0].empty());
}

namespace {

// The fake's folder and records, but programs really started the way the program starts them.
class RealStartPlatform : public FakePlatform {
public:
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override
    {
        FakePlatform::startProgram(path, args);
        return qt.startProgram(path, args);
    }
    QtPlatform qt;
};

// The started program runs on its own: the wait ends as soon as the file is there, and its limit
// only turns a program that never runs into a failure instead of a hang, however busy the machine.
bool waitForFile(const std::string& path, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!std::filesystem::exists(path) || std::filesystem::file_size(path) == 0) {
        if (t.elapsed() > ms) return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace

class KineticLaunchReal : public MainWindowTest {
protected:
    void SetUp() override
    {
        platform.exeDir = dir.path().string() + "/";
        form = std::make_unique<MainWindow>(platform, params, store());
        store().recordRun(params);
    }
    ScratchDir dir{"launch-real"};
    RealStartPlatform platform;
};

TEST_F(KineticLaunchReal, StartsTheProgramWithoutArgumentsOrReportsIt)
{
    // A stand-in animator that notes how many arguments it got and whether the file is there.
    std::filesystem::create_directories(dir.path() / "Animator");
    const std::string script = platform.exeDir + "Animator/Animator";
    const std::string note = platform.exeDir + "started.txt";
    writeBytes(script,
               "#!/bin/sh\nd=$(dirname \"$0\")/..\n"
               "[ -f \"$d/Kinetic.ini\" ] && echo \"$# args, file\" > \"$d/started.txt\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    QTest::mouseClick(control("rendererItem1"), Qt::LeftButton);
    form->animationPanel().exportAnimation();
    ASSERT_TRUE(waitForFile(note, 30000)) << "the stand-in animator did not run";
    EXPECT_EQ(readBytes(note), "0 args, file\n");
    EXPECT_TRUE(platform.messages.empty());

    // The light build is missing here, and a file that is not executable does not start either.
    QTest::mouseClick(control("rendererItem0"), Qt::LeftButton);
    form->animationPanel().exportAnimation();
    writeBytes(platform.exeDir + "Animator/Anima_dx7", "not a program\n");
    form->animationPanel().exportAnimation();
    const std::string expected =
        "Не удалось запустить аниматор: " + platform.exeDir + "Animator/Anima_dx7";
    EXPECT_EQ(platform.messages, (std::vector<std::string>{expected, expected}));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Both animator builds as processes facing hostile input: an oversized picture, a folder or a
// FIFO in place of the animation file, and positions spread beyond what can be drawn.
#include <QCoreApplication>
#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "app/Batch.h"
#include "support/ScratchFiles.h"

namespace {

struct AnimatorRun {
    int exitCode = -1; // -1: crashed or still running after the wait
    std::string errors;
};

AnimatorRun runAnimator(const char* build, const QStringList& args)
{
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    proc.setProcessEnvironment(env);
    proc.start(QCoreApplication::applicationDirPath() + "/Animator/" + build, args);
    if (!proc.waitForFinished(20000)) {
        proc.kill();
        proc.waitForFinished();
        return {};
    }
    return {proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1,
            proc.readAllStandardError().toStdString()};
}

// Two steps of a mechanism with l1 = 10, the guide at x = 15; `xa1`/`xb1` replace the x of A
// and B at step 1 (lines 10 and 12).
std::string twoSteps(const std::string& xa1 = "9.99", const std::string& xb1 = "15.00")
{
    return "15\r\n1\r\n10.00\r\n25.00\r\n15.00\r\n2\r\nSTART:\r\n0.10\r\n-36.86\r\n" + xa1 +
           "\r\n0.02\r\n" + xb1 +
           "\r\n24.99\r\n15\r\n24.99\r\n---\r\n15.10\r\n-35\r\n9.65\r\n2.61\r\n15.00\r\n22.5\r\n"
           "15.00\r\n22.5\r\n---\r\nEND\r\n";
}

class AnimatorInput : public ::testing::TestWithParam<const char*> {
protected:
    AnimatorRun render(const std::string& kinetic, const QString& size = "320x200")
    {
        return runAnimator(GetParam(),
                           {"--kinetic", QString::fromStdString(kinetic), "--render-step", "1",
                            "--output", QString::fromStdString(png), "--size", size});
    }
    ScratchDir dir{std::string("anim-input-") + GetParam()};
    std::string kinetic = dir.file("Kinetic.ini");
    std::string png = dir.file("step.png");
};

TEST_P(AnimatorInput, PictureSizeIsCapped)
{
    writeBytes(kinetic, twoSteps());
    for (const char* size : {"8193x100", "100x8193", "30000x30000"}) {
        const AnimatorRun run = render(kinetic, size);
        EXPECT_EQ(run.exitCode, 2) << size;
        EXPECT_NE(run.errors.find("is too large: each side must be at most 8192 pixels"),
                  std::string::npos)
            << run.errors;
        EXPECT_FALSE(std::filesystem::exists(png)) << size;
    }
    EXPECT_EQ(render(kinetic).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(png));
}

TEST_P(AnimatorInput, FolderOrFifoIsNamedAndNeverWaitedOn)
{
    const std::string folder = dir.file("folder"), fifo = dir.file("fifo");
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {folder, "это папка, а не файл"}, {fifo, "это канал (FIFO), а не обычный файл"}};
    for (const auto& [path, what] : cases) {
        const AnimatorRun run = render(path);
        EXPECT_EQ(run.exitCode, 1) << path; // -1 would mean it hung on the FIFO
        EXPECT_NE(run.errors.find(what), std::string::npos) << run.errors;
        EXPECT_EQ(run.errors.find("не найден"), std::string::npos) << run.errors;
    }
}

// Hand-made positions at the ends of the double range: refused with the file and line named,
// never drawn from infinities.
TEST_P(AnimatorInput, PositionsBeyondTheDrawableSpreadAreRefused)
{
    writeBytes(kinetic, twoSteps("1.7E308", "-1.7E308"));
    const AnimatorRun run = render(kinetic);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find(kinetic), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("строка 10:"), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(png));
}

// What the batch writes with either separator it takes, each build draws.
TEST_P(AnimatorInput, EachSeparatorOfTheBatchIsDrawn)
{
    for (const char* separator : {".", ","}) {
        std::ostringstream out, err;
        ASSERT_EQ(runBatch({"--decimal-separator", separator, "--kinetic", kinetic}, out, err), 0)
            << err.str();
        EXPECT_EQ(render(kinetic).exitCode, 0) << separator;
        EXPECT_TRUE(std::filesystem::remove(png)) << separator;
    }
}

// A hostile file gets a short message naming it, with every control byte shown as \xHH: a line
// of 60 KB of escape sequences, a read error, a header with more steps than any run has.
TEST_P(AnimatorInput, FaultsAreToldShortlyAndVisibly)
{
    std::string escapes;
    while (escapes.size() < 60000)
        escapes += "\x1B[31m\a";
    writeBytes(kinetic, "15\r\n1\r\n" + escapes + "\r\n");
    const std::string many = dir.file("many.ini");
    writeBytes(many, "15\r\n1\r\n10.00\r\n25.00\r\n15.00\r\n2000000\r\nSTART:\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {kinetic, "строка 3: \"\\x1B[31m\\x07"},
        {"/proc/self/mem", "Файл \"/proc/self/mem\", строка 1: I/O error 5."},
        {many, "строка 6: шагов 2000000, а программа считает не больше 90000."},
    };
    for (const auto& [path, fragment] : cases) {
        const AnimatorRun run = render(path);
        EXPECT_EQ(run.exitCode, 1) << path;
        // The reader's message is one line of standard error; the toolkit may add its own.
        std::string message;
        std::istringstream lines(run.errors);
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with("Файл")) message = line;
        EXPECT_NE(message.find(fragment), std::string::npos) << run.errors.substr(0, 400);
        EXPECT_LE(message.size(), 200u) << message;
        EXPECT_EQ(message.find('\x1B'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, AnimatorInput, ::testing::Values("Animator", "Anima_dx7"));

} // namespace

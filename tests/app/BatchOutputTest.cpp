// kinovar-batch: outputs replaced all together or not at all, standard output for any output,
// hostile input files refused at once with a short message.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

int shell(const std::string& command)
{
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

} // namespace

TEST(BatchOutput, EveryOutputCanGoToStandardOutput)
{
    ScratchDir dir;
    for (const char* option : {"--csv", "--kinetic", "--report", "--listing"}) {
        const BatchRun toFile = batch({option, dir.file("out")});
        ASSERT_EQ(toFile.status, 0) << toFile.err;
        const BatchRun toStdout = batch({option, "-"});
        EXPECT_EQ(toStdout.status, 0) << toStdout.err;
        EXPECT_EQ(toStdout.out, readBytes(dir.file("out"))) << option;
        EXPECT_FALSE(toStdout.out.empty()) << option;
    }
    const BatchRun two = batch({"--report", "-", "--listing", "-"});
    EXPECT_EQ(two.status, kBatchBadInput);
    EXPECT_EQ(two.out, "");
    EXPECT_NE(two.err.find("only one output can go to standard output"), std::string::npos);
}

TEST(BatchOutput, AFailedOutputReplacesNoFile)
{
    ScratchDir dir;
    const std::string csv = dir.file("good.csv"), report = dir.file("good.txt");
    writeBytes(csv, "old csv");
    writeBytes(report, "old report");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--csv", csv, "--report", "/dev/full"}, "/dev/full: Disk full"},
        {{"--report", report, "--listing", dir.dir()}, "File access denied"},
        {{"--csv", csv, "--kinetic", dir.file("none/k.ini")}, "File not found"},
        {{"--csv", "/dev/full"}, "/dev/full: Disk full"}, // the failure surfaces at the close
        {{"--csv", csv, "--listing", "-", "--report", "/dev/full"}, "Disk full"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << "standard output comes after every file is written";
        EXPECT_EQ(readBytes(csv), "old csv");
        EXPECT_EQ(readBytes(report), "old report");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                                std::filesystem::directory_iterator{}),
                  2)
            << "no temporary file left";
    }
}

TEST(BatchOutput, ExecutableFailuresOfStandardOutputAndFileSize)
{
    ScratchDir dir;
    const std::string exe = KINOVAR_BATCH_EXE;
    const std::string err = dir.file("err.txt");
    // A full standard output was taken for success.
    EXPECT_EQ(shell(exe + " --csv - >/dev/full 2>" + err), 2);
    EXPECT_EQ(readBytes(err), "kinovar-batch: standard output: Disk full\n");

    // Beyond the file-size limit (ulimit -f) the process neither dies of SIGXFSZ nor leaves a
    // stump of the previous file.
    if (shell("prlimit --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no prlimit";
    const std::string report = dir.file("r.txt");
    ASSERT_EQ(shell(exe + " --set cycles=20 --report " + report), 0);
    const std::string before = readBytes(report);
    ASSERT_GT(before.size(), 16384u);
    EXPECT_EQ(
        shell("prlimit --fsize=8192 " + exe + " --set cycles=30 --report " + report + " 2>" + err),
        2);
    EXPECT_EQ(readBytes(err), "kinovar-batch: " + report + ": Disk full\n");
    EXPECT_EQ(readBytes(report), before);
}

TEST(BatchOutput, HostileInputFilesAreRefusedWithAShortMessage)
{
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    writeBytes(dir.file("huge.txt"), std::string(20 << 20, '7') + "\r\n");
    writeBytes(dir.file("inf.txt"), "4E444\r\n");
    writeBytes(dir.file("params.txt"), "l1 = 4E444\n");
    writeBytes(dir.file("long.txt"), "m1 = " + std::string(10 << 20, '1') + "\n");
    writeBytes(dir.file("nul.txt"), std::string("m1 = 1\0x\n", 9));
    const struct {
        std::vector<std::string> args;
        std::string message; // the whole of standard error
    } cases[] = {
        {{"--from-report", dir.file("fifo")},
         "--from-report " + dir.file("fifo") + ": File access denied"},
        {{"--from-report", "/dev/zero"}, "--from-report /dev/zero: File access denied"},
        {{"--from-report", dir.file("inf.txt")},
         "--from-report " + dir.file("inf.txt") + ": '4E444' is not a valid floating point value"},
        {{"--params", dir.file("params.txt")},
         dir.file("params.txt") + ":1: '4E444' is not a valid floating point value: l1 = 4E444"},
        {{"--set", "fi0=-4E444"}, "--set fi0=-4E444: '-4E444' is not a valid floating point value"},
        {{"--params", dir.file("nul.txt")},
         dir.file("nul.txt") + ":1: '1\\x00x' is not a valid floating point value: m1 = 1\\x00x"},
        {{"--decimal-separator", " "}, "--decimal-separator ' ': expected one character"},
        {{"--decimal-separator", "\t"}, "--decimal-separator '\\x09': expected one character"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_EQ(run.err, "kinovar-batch: " + c.message + "\n");
    }
    // Endless lines: the message quotes a few hundred bytes of them.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--from-report", dir.file("huge.txt")},
          std::vector<std::string>{"--params", dir.file("long.txt")}}) {
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchBadInput) << args[0];
        EXPECT_LT(run.err.size(), 800u) << run.err;
        EXPECT_NE(run.err.find("…"), std::string::npos) << run.err;
    }
}

TEST(BatchOutput, ParamsFilesMayStartWithAByteOrderMark)
{
    ScratchDir dir;
    writeBytes(dir.file("p.txt"), "\xEF\xBB\xBFm1 = 2.5\n");
    const BatchRun run = batch({"--params", dir.file("p.txt"), "--report", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Line 9 of the report is m1.
    EXPECT_TRUE(run.out.starts_with("10.00\r\n25.00\r\n15.00\r\n0.10\r\n15.00\r\n1.00\r\n"
                                    "0.00\r\n0.01\r\n2.50\r\n"))
        << run.out.substr(0, 80);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch: outputs replaced all together or not at all, standard output for any output,
// hostile input files refused at once with a short message.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/TempFiles.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

namespace fs = std::filesystem;

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

// Each way an output can fail: the run exits 2 and every target keeps its old bytes, the one
// written in place (a file with a second name) included; no temporary file is left.
TEST(BatchOutput, AFailedOutputReplacesNoFile)
{
    ScratchDir dir;
    const std::vector<std::pair<std::string, std::string>> old = {
        {"good.csv", "old csv"}, {"good.txt", "old report"}, {"linked.txt", "old linked"}};
    for (const auto& [name, bytes] : old)
        writeBytes(dir.file(name), bytes);
    fs::create_hard_link(dir.file("linked.txt"), dir.file("link2.txt"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    const struct {
        const char* args; // in the scratch folder
        const char* message;
        const char* limit; // a file-size limit, or ""
        bool toStandardOutput;
    } cases[] = {
        {"--csv good.csv --report linked.txt --kinetic none/k.ini", "none/k.ini: File not found",
         "", false},
        {"--set cycles=30 --csv good.csv --report linked.txt", "good.csv: Disk full", "8192",
         false},
        {"--csv good.csv --report linked.txt --listing fifo", "fifo: no process reads the pipe", "",
         false},
        {"--csv good.csv --report ./good.csv", "--csv and --report name the same file './good.csv'",
         "", false},
        {"--report good.txt --listing .", ".: File access denied", "", false},
        {"--csv good.csv --report /dev/full", "/dev/full: Disk full", "", false},
        // A device is written in place, after standard output, and before any rename.
        {"--csv good.csv --listing - --report /dev/full", "/dev/full: Disk full", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const std::string limit =
            *c.limit ? std::string("prlimit --fsize=") + c.limit + " " : std::string();
        EXPECT_EQ(shell("cd " + dir.dir() + " && " + limit + KINOVAR_BATCH_EXE + " --autofill " +
                        c.args + " >" + dir.file("out") + " 2>" + dir.file("err")),
                  kBatchBadInput);
        EXPECT_EQ(readBytes(dir.file("err")), std::string("kinovar-batch: ") + c.message + "\n");
        EXPECT_EQ(readBytes(dir.file("out")).empty(), !c.toStandardOutput);
        for (const auto& [name, bytes] : old)
            EXPECT_EQ(readBytes(dir.file(name)), bytes) << name;
        EXPECT_EQ(readBytes(dir.file("link2.txt")), "old linked");
        for (const auto& entry : fs::directory_iterator(dir.path()))
            EXPECT_FALSE(isTemporaryName(entry.path().filename().string())) << entry.path();
    }
}

// A file that may be written in a folder that takes no new file (a read-only mount here) is
// written in place, and only once everything else has succeeded.
TEST(BatchOutput, AWritableFileOnAReadOnlyMountIsWrittenInPlaceLast)
{
    if (shell("unshare -rm true >/dev/null 2>&1") != 0) GTEST_SKIP() << "no mount namespaces";
    ScratchDir dir;
    const std::string ro = dir.file("ro"), report = dir.file("ro/r.txt");
    fs::create_directory(ro);
    writeBytes(report, "old");
    // The folder mounted read-only in a namespace of the run's own, the file writable over it.
    const std::string mount =
        "unshare -rm sh -c 'mount --bind " + ro + " " + ro + " && mount --bind " + report + " " +
        report + " && mount -o remount,bind,ro " + ro + " && ! touch " + ro +
        "/new 2>/dev/null || exit 77; " + KINOVAR_BATCH_EXE + " --report " + report;
    const int failed = shell(mount + " --csv " + dir.file("none/x.csv") + "' 2>/dev/null");
    if (failed == 77) GTEST_SKIP() << "cannot mount read-only here";
    EXPECT_EQ(failed, kBatchBadInput);
    EXPECT_EQ(readBytes(report), "old");
    EXPECT_EQ(shell(mount + "'"), 0);
    EXPECT_TRUE(readBytes(report).starts_with("10.00\r\n25.00\r\n")) << readBytes(report);
    EXPECT_FALSE(fs::exists(ro + "/new"));
}

// SIGINT, SIGTERM and SIGHUP in the middle of a save remove its temporary file.
TEST(BatchOutput, SignalsDuringASaveLeaveNoTemporaryFile)
{
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(sig);
        ScratchDir dir;
        const std::string csv = dir.file("out.csv");
        writeBytes(csv, "old");
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            for (const int s : {SIGINT, SIGTERM, SIGHUP})
                std::signal(s, SIG_DFL); // as from a terminal, whatever ran the tests
            ::execl(KINOVAR_BATCH_EXE, KINOVAR_BATCH_EXE, "--set", "cycles=100", "--csv",
                    csv.c_str(), "--listing", "-", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        // Nobody reads standard output: once its pipe is full the run waits there, the CSV
        // written to its temporary file and not yet renamed.
        bool saving = false;
        for (int i = 0; i < 6000 && !saving; ++i) {
            for (const auto& entry : fs::directory_iterator(dir.path()))
                saving = saving || isTemporaryName(entry.path().filename().string());
            if (!saving) ::usleep(10000);
        }
        EXPECT_TRUE(saving);
        ::kill(child, sig);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(out[0]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
        EXPECT_EQ(readBytes(csv), "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    }
}

TEST(BatchOutput, ExecutableFailuresOfStandardOutputAndFileSize)
{
    ScratchDir dir;
    const std::string exe = KINOVAR_BATCH_EXE;
    const std::string err = dir.file("err.txt");
    // A full standard output was taken for success.
    EXPECT_EQ(shell(exe + " --autofill --csv - >/dev/full 2>" + err), 2);
    EXPECT_EQ(readBytes(err), "kinovar-batch: standard output: Disk full\n");
    if (shell("prlimit --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no prlimit";
    // Past the file-size limit too, from the first write on (the signal is ignored at once).
    EXPECT_EQ(shell("prlimit --fsize=102400 " + exe + " --autofill --set cycles=3749 --csv - >" +
                    dir.file("big.csv") + " 2>" + err),
              2);
    EXPECT_EQ(readBytes(err), "kinovar-batch: standard output: Disk full\n");

    // Beyond the file-size limit (ulimit -f) the process neither dies of SIGXFSZ nor leaves a
    // stump of the previous file.
    const std::string report = dir.file("r.txt");
    ASSERT_EQ(shell(exe + " --autofill --set cycles=20 --report " + report), 0);
    const std::string before = readBytes(report);
    ASSERT_GT(before.size(), 16384u);
    EXPECT_EQ(shell("prlimit --fsize=8192 " + exe + " --autofill --set cycles=30 --report " +
                    report + " 2>" + err),
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
         "--from-report " + dir.file("inf.txt") +
             ": line 1: '4E444' is not a valid floating point value"},
        {{"--params", dir.file("params.txt")},
         dir.file("params.txt") + ":1: '4E444' is not a valid floating point value: l1 = 4E444"},
        {{"--set", "fi0=-4E444"}, "--set fi0=-4E444: '-4E444' is not a valid floating point value"},
        {{"--params", dir.file("nul.txt")},
         dir.file("nul.txt") + ":1: '1\\x00x' is not a valid floating point value: m1 = 1\\x00x"},
        {{"--decimal-separator", " "}, "--decimal-separator ' ': expected . or ,"},
        {{"--decimal-separator", "\t"}, "--decimal-separator '\\x09': expected . or ,"},
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy through the real program: it is started, a value is changed, it is killed
// with SIGKILL, and it is started again, answering its message boxes as a user clicks them.
// Once more inside fresh process-id namespaces, where every start is pid 1.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "support/ScratchFiles.h"

namespace fs = std::filesystem;

namespace {

// The recovery copies in `dir` (whole paths), kept-aside ones included.
std::vector<std::string> copiesIn(const std::string& dir)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.path().extension() == ".kinovar") found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    return found;
}

bool namespacesPermitted()
{
    QProcess probe;
    probe.start("unshare", {"--pid", "--fork", "--mount-proc", "true"});
    return probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

class Program {
public:
    Program(const QString& home, bool inNamespace, const QString& entry, const QString& replies)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/data");
        env.insert("XDG_CONFIG_HOME", home + "/config");
        env.insert("LANGUAGE", "ru"); // the boxes' Russian texts, whatever the tester's language
        if (!entry.isEmpty()) env.insert("KINOVAR_TEST_ENTRY", entry);
        if (!replies.isEmpty()) env.insert("KINOVAR_TEST_REPLIES", replies);
        process.setProcessEnvironment(env);
        const QString kinovar = QCoreApplication::applicationDirPath() + "/kinovar";
        // --kill-child: the program, pid 1 of its namespace, is killed with its starter.
        if (inNamespace)
            process.start("unshare", {"--pid", "--fork", "--mount-proc", "--kill-child", kinovar});
        else
            process.start(kinovar, {});
        process.waitForStarted();
    }
    ~Program() { kill(); }
    void kill()
    {
        if (process.state() == QProcess::NotRunning) return;
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished();
    }
    // Waits until standard error holds `text`.
    bool saidOnError(const std::string& text)
    {
        return QTest::qWaitFor(
            [&] {
                err += process.readAllStandardError().toStdString();
                return err.find(text) != std::string::npos;
            },
            60000);
    }

    QProcess process;
    std::string err;
};

} // namespace

TEST(RecoveryProcess, AKilledProgramsCopyIsOfferedAtTheNextStartAndNeverLost)
{
    const struct Case {
        const char* what;
        bool inNamespace;
        bool unreadable;   // the copy turned into one of a newer format before the restart
        const char* reply; // to the question, then to any error box
        bool restored;     // the restarted window holds l2 = 30 in a copy of its own
        bool keptAside;    // the copy moved to "kept-..." with its bytes
    } cases[] = {
        {"restored", false, false, "y", true, false},
        {"declined", false, false, "n", false, false},
        {"unreadable, kept aside", false, true, "y,y", false, true},
        {"restored in fresh pid namespaces", true, false, "y", true, false},
        {"unreadable in fresh pid namespaces", true, true, "y,y", false, true},
    };
    const bool namespaces = namespacesPermitted();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.inNamespace && !namespaces) continue;
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        const std::string dir = home.path().toStdString() + "/data/Kinovar/recovery/";

        std::string copy;
        {
            Program first(home.path(), c.inNamespace, "l2=30", {});
            const bool written = QTest::qWaitFor([&] { return !copiesIn(dir).empty(); }, 60000);
            first.kill();
            ASSERT_TRUE(written) << first.process.readAllStandardError().toStdString();
        }
        ASSERT_EQ(copiesIn(dir).size(), 1u);
        copy = copiesIn(dir)[0];
        if (c.inNamespace) { // the case this guards: the same pid at every start
            EXPECT_TRUE(fs::path(copy).filename().string().starts_with("project-1-")) << copy;
        }
        if (c.unreadable) {
            std::string text = readBytes(copy);
            const size_t at = text.find("\"version\": \"1.");
            ASSERT_NE(at, std::string::npos) << text;
            text.replace(at, 14, "\"version\": \"9.");
            writeBytes(copy, text);
        }
        const std::string bytes = readBytes(copy);

        Program again(home.path(), c.inNamespace, {}, QString::fromUtf8(c.reply));
        ASSERT_TRUE(again.saidOnError("box: Восстановить несохранённый проект от ")) << again.err;
        if (c.keptAside) {
            const std::string kept = dir + "kept-" + fs::path(copy).filename().string();
            ASSERT_TRUE(again.saidOnError("Несохранённый проект оставлен в этом файле"))
                << again.err;
            EXPECT_NE(again.err.find(kept), std::string::npos) << again.err;
            EXPECT_EQ(readBytes(kept), bytes);
            EXPECT_EQ(copiesIn(dir), std::vector<std::string>{kept});
            continue;
        }
        // Answered: the old copy goes, after the restored window's own copy is written.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fs::exists(copy); }, 60000));
        const std::vector<std::string> left = copiesIn(dir);
        if (!c.restored) {
            EXPECT_TRUE(left.empty());
            continue;
        }
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(readProject(left[0]).params.l2, 30);
        again.kill();
        EXPECT_TRUE(fs::exists(left[0])); // killed again: still there for the next start
    }
    if (!namespaces)
        GTEST_SKIP() << "unshare --pid --fork --mount-proc is not permitted here: the "
                        "namespace cases were not run";
}

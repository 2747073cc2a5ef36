// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "base/AtomicFile.h"
#include "base/TempFiles.h"
#include "base/TextFile.h"
#include "support/ScratchFiles.h"

namespace {

namespace fs = std::filesystem;

size_t entries(const fs::path& dir)
{
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator{}));
}

// Runs f in a child process (with a file-size limit, or as the user nobody) and returns its exit
// status; 77 when the child could not set itself up.
int inChild(const std::function<int()>& f)
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(f());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// In a child process: permissions do not bind root, so root becomes the user nobody; true when
// the process is no longer root.
bool giveUpRoot()
{
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

// Writes a megabyte of lines to path; 0 when the save failed with "Disk full".
int saveAMegabyte(const std::string& path)
{
    try {
        TextWriter out(path);
        for (int i = 0; i < 100000; ++i)
            out.writeLine("0123456789");
        out.save();
        return 1;
    } catch (const InOutError& e) {
        return e.code() == 101 && std::string(e.what()) == "Disk full" ? 0 : 2;
    }
}

} // namespace

TEST(AtomicFile, ReplacesTheFileAndKeepsItsPermissions)
{
    ScratchDir dir;
    const std::string path = dir.file("r.txt");
    writeBytes(path, "old\r\n");
    ::chmod(path.c_str(), 0640);
    TextWriter out(path);
    out.writeLine("new");
    out.finish();
    EXPECT_EQ(readBytes(path), "old\r\n") << "finished is not yet in place";
    out.commit();
    EXPECT_EQ(readBytes(path), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(AtomicFile, ASaveBeyondTheFileSizeLimitKeepsTheOldFile)
{
    // As under "ulimit -f 8": the write fails part way, and without the fix the process died
    // of SIGXFSZ or left an 8 KB stump of the old file.
    ScratchDir dir;
    const std::string path = dir.file("report.txt");
    const std::string old(50000, 'o');
    writeBytes(path, old);
    const int status = inChild([&] {
        const rlimit limit{8192, 8192};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
        return saveAMegabyte(path);
    });
    EXPECT_EQ(status, 0) << "the save must fail with Disk full";
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(entries(dir.path()), 1u) << "the temporary file is removed";
}

TEST(AtomicFile, DevicesAreWrittenInPlace)
{
    EXPECT_EQ(saveAMegabyte("/dev/full"), 0);
    TextWriter out("/dev/null");
    out.writeLine("gone");
    EXPECT_NO_THROW(out.save());
}

TEST(AtomicFile, ALinkStaysALinkToTheReplacedFile)
{
    ScratchDir dir;
    writeBytes(dir.file("real.txt"), "old");
    fs::create_symlink(dir.file("real.txt"), dir.file("link.txt"));
    TextWriter out(dir.file("link.txt"));
    out.writeLine("new");
    out.save();
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(readBytes(dir.file("real.txt")), "new\r\n");
}

TEST(AtomicFile, AFolderClosedToNewFilesIsWrittenInPlace)
{
    ScratchDir dir;
    const std::string path = dir.file("open.txt");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0666);
    // Not even its owner may add files here (root only as another user), but open.txt may be
    // written by anyone.
    ::chmod(dir.path().c_str(), 0555);
    const int status = inChild([&] {
        if (!giveUpRoot()) return 77;
        try {
            TextWriter out(path);
            out.writeLine("new");
            out.save();
        } catch (const InOutError&) {
            return 1;
        }
        const size_t open = entries("/proc/self/fd");
        try {
            TextWriter out(dir.file("fresh.txt")); // a new name cannot be made at all
            return 2;
        } catch (const InOutError& e) {
            if (entries("/proc/self/fd") != open) return 4; // the folder was left open
            return std::string(e.what()) == "File access denied" ? 0 : 3;
        }
    });
    ::chmod(dir.path().c_str(), 0700);
    if (status == 77) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), "new\r\n");
}

// A file the user may not write is not replaced behind its back, though its folder would take
// the temporary file; as root, the check runs as the user nobody.
TEST(AtomicFile, AReadOnlyFileInAWritableFolderIsRefused)
{
    ScratchDir dir;
    const std::string path = dir.file("ro.txt");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0444);
    ::chmod(dir.path().c_str(), 0777);
    const int status = inChild([&] {
        if (!giveUpRoot()) return 77;
        try {
            TextWriter out(path);
            out.writeLine("new");
            out.save();
            return 1;
        } catch (const InOutError& e) {
            return std::string(e.what()) == "File access denied" ? 0 : 2;
        }
    });
    ASSERT_NE(status, 77) << "cannot give up root here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(entries(dir.path()), 1u);
}

// A name as long as a name may be, and a path as long as a path may be: the temporary file's
// name fits beside either (it is kept short, and opened relative to the folder).
TEST(AtomicFile, NamesAndPathsAtTheirLimitsAreSaved)
{
    ScratchDir dir;
    std::string deep = dir.path().string();
    while (deep.size() < 3840) {
        deep += "/" + std::string(200, 'd');
        fs::create_directory(deep);
    }
    for (const std::string& path :
         {dir.file(std::string(250, 'n')), deep + "/" + std::string(4090 - deep.size() - 1, 'f')}) {
        SCOPED_TRACE(path.size());
        writeBytes(path, "old");
        TextWriter out(path);
        out.writeLine("new");
        EXPECT_NO_THROW(out.save());
        EXPECT_EQ(readBytes(path), "new\r\n");
        EXPECT_EQ(entries(fs::path(path).parent_path()), path.size() == 4090 ? 1u : 2u);
    }
}

// The failed write is the end of the save, even once there is room again.
TEST(AtomicFile, NothingMoreIsWrittenAfterDiskFull)
{
    ScratchDir dir;
    const std::string path = dir.file("r.txt");
    writeBytes(path, "old");
    const int status = inChild([&] {
        rlimit limit{8192, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
        AtomicFile file(path);
        try {
            file.write(std::string(16384, 'x'));
            return 1;
        } catch (const InOutError& e) {
            if (e.code() != 101) return 2;
        }
        limit.rlim_cur = RLIM_INFINITY;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
        try {
            file.write("y");
            return 3;
        } catch (const InOutError&) {
        }
        try {
            file.commit();
            return 4;
        } catch (const InOutError&) {
        }
        return 0;
    });
    if (status == 77) GTEST_SKIP() << "no file-size limit to raise again";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(entries(dir.path()), 1u);
}

// A save keeps what the file was to others: its owner and group, and the text its other names
// show. What cannot be kept by a new file is written in place, and only from the first write.
TEST(AtomicFile, OwnersAndOtherNamesKeepTheFile)
{
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* what;
        bool needsRoot;
        bool asNobody;  // the save runs as the user nobody
        bool owner;     // the file belongs to nobody (else to the one who runs the test)
        bool link;      // a second name, other.txt, is made for it
        bool sameInode; // written in place
    } cases[] = {
        {"another owner, kept by root", true, false, true, false, false},
        {"an owner nobody cannot give", true, true, false, false, true},
        {"a second name", false, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && !root) continue;
        ScratchDir dir;
        ::chmod(dir.path().c_str(), 0777);
        const std::string path = dir.file("f.txt");
        writeBytes(path, "old");
        ::chmod(path.c_str(), 0666);
        if (c.owner) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        if (c.link) fs::create_hard_link(path, dir.file("other.txt"));
        struct stat before {
        }, after{};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
        const int status = inChild([&] {
            if (c.asNobody && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
            AtomicFile file(path);
            if (readBytes(path) != "old") return 1; // nothing changes before the first write
            file.write("new");
            file.commit();
            return 0;
        });
        ASSERT_EQ(status, 0);
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(readBytes(path), "new");
        if (c.link) {
            EXPECT_EQ(readBytes(dir.file("other.txt")), "new");
        }
        EXPECT_EQ(after.st_ino == before.st_ino, c.sameInode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(entries(dir.path()), c.link ? 2u : 1u);
    }
}

// A pipe is written in place, and one that no process reads is refused at once.
TEST(AtomicFile, APipeWithoutAReaderIsRefusedAtOnce)
{
    ScratchDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    try {
        AtomicFile file(fifo);
        ADD_FAILURE() << "a pipe without a reader was taken";
    } catch (const InOutError& e) {
        EXPECT_STREQ(e.what(), "no process reads the pipe");
    }
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    {
        AtomicFile file(fifo);
        EXPECT_TRUE(file.inPlace());
        file.write("through");
        file.commit();
    }
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 7);
    EXPECT_STREQ(got, "through");
    ::close(reader);
}

// A save removes the temporary files a killed save left, once they are a day old and no process
// holds them; anything else stays.
TEST(AtomicFile, StaleTemporaryFilesOfKilledSavesAreRemoved)
{
    const std::string name = temporaryName(std::string(300, 'r'), 0xABCD);
    EXPECT_EQ(name, "." + std::string(64, 'r') + ".kinovar-0000abcd.tmp");
    EXPECT_TRUE(isTemporaryName(name));

    ScratchDir dir;
    const std::string stale = dir.file(temporaryName("r.txt", 1));
    const std::string held = dir.file(temporaryName("r.txt", 2));
    const std::string fresh = dir.file(temporaryName("r.txt", 3));
    const std::string other = dir.file(".r.txt.kinovar-0000ABCD.tmp"); // not the pattern
    const timespec twoDaysAgo[2] = {{::time(nullptr) - 2 * 86400, 0},
                                    {::time(nullptr) - 2 * 86400, 0}};
    for (const std::string& path : {stale, held, fresh, other}) {
        writeBytes(path, "x");
        if (path != fresh) {
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), twoDaysAgo, 0), 0);
        }
    }
    const int lock = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0); // a save in progress, in another process say

    TextWriter out(dir.file("r.txt"));
    out.writeLine("new");
    out.save();
    ::close(lock);
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& path : {held, fresh, other})
        EXPECT_TRUE(fs::exists(path)) << path;
}

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

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

// Writes a megabyte of lines to path; 0 when the save failed with "Disk full".
int saveAMegabyte(const std::string& path)
{
    try {
        TextWriter out(path);
        for (int i = 0; i < 100000; ++i)
            out.writeLine("0123456789");
        out.close();
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
    EXPECT_NO_THROW(out.close());
}

TEST(AtomicFile, ALinkStaysALinkToTheReplacedFile)
{
    ScratchDir dir;
    writeBytes(dir.file("real.txt"), "old");
    fs::create_symlink(dir.file("real.txt"), dir.file("link.txt"));
    TextWriter out(dir.file("link.txt"));
    out.writeLine("new");
    out.close();
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(readBytes(dir.file("real.txt")), "new\r\n");
}

TEST(AtomicFile, AFolderClosedToNewFilesIsWrittenInPlace)
{
    ScratchDir dir;
    const std::string path = dir.file("open.txt");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0666);
    ::chmod(dir.path().c_str(), 0755); // nobody may not add files here, but may write open.txt
    const int status = inChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
        try {
            TextWriter out(path);
            out.writeLine("new");
            out.close();
        } catch (const InOutError&) {
            return 1;
        }
        try {
            TextWriter out(dir.file("fresh.txt")); // a new name cannot be made at all
            return 2;
        } catch (const InOutError& e) {
            return std::string(e.what()) == "File access denied" ? 0 : 3;
        }
    });
    if (status == 77) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), "new\r\n");
}

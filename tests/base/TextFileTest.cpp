// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "base/TextFile.h"
#include "support/ScratchFiles.h"

namespace {

namespace fs = std::filesystem;

class TextFile : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.file(name); }

    static std::vector<std::string> readAll(const std::string& file)
    {
        TextReader in(file);
        std::vector<std::string> lines;
        while (!in.atEnd())
            lines.push_back(in.readLine());
        return lines;
    }

    ScratchDir dir{"textfile"};
};

// Runs f and expects the InOutError with the given code and text.
template <class F>
void expectInOutError(F f, int code, const std::string& text, const std::string& what)
{
    try {
        f();
        ADD_FAILURE() << what << ": no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), code) << what;
        EXPECT_EQ(std::string(e.what()), text) << what;
    }
}

TEST_F(TextFile, WritingEndsEveryLineWithCrLf)
{
    const std::string file = path("out.txt");
    TextWriter out(file);
    out.writeLine("1.00");
    out.writeLine("");
    out.writeRaw("raw");
    out.writeLine("-2,50");
    out.save();
    EXPECT_EQ(readBytes(file), "1.00\r\n\r\nraw-2,50\r\n");

    TextWriter again(file); // creating empties the file
    again.save();
    EXPECT_EQ(readBytes(file), "");
}

TEST_F(TextFile, ReadingLineEnds)
{
    // Character 26 in the second 64 KiB piece ends the file there as well.
    std::string twoPieces;
    std::vector<std::string> twoPiecesLines;
    while (twoPieces.size() < 70000) {
        twoPiecesLines.push_back(std::string(98, 'x') + std::to_string(twoPiecesLines.size() % 10));
        twoPieces += twoPiecesLines.back() + "\r\n";
    }
    twoPiecesLines.push_back("end");
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"mixed", "a\r\nb\nc", {"a", "b", "c"}},
        {"lone cr dropped", "a\rb\r\n", {"ab"}},
        {"cr at end dropped", "a\r", {"a"}},
        {"cr before crlf", "a\r\r\nb", {"a", "b"}},
        {"empty lines", "\n\r\n\n", {"", "", ""}},
        {"no end", "last", {"last"}},
        {"empty file", "", {}},
        {"char 26 ends",
         std::string("a\r\nb\x1A"
                     "c\r\nd\r\n"),
         {"a", "b"}},
        {"char 26 first",
         std::string("\x1A"
                     "a\r\n"),
         {}},
        {"bytes kept", "\xC0\xE1\tx \r\n", {"\xC0\xE1\tx "}},
        {"char 26 in a later piece", twoPieces + "end\x1A" + "never\r\n", twoPiecesLines},
    };
    for (const auto& c : cases) {
        const std::string file = path("in.txt");
        writeBytes(file, c.bytes);
        EXPECT_EQ(readAll(file), c.lines) << c.name;
    }
}

// Lines that end in CR alone run together; the reader tells where the first such CR stood, so
// that a message can say so instead of quoting them all as one.
TEST_F(TextFile, ALoneCrIsDroppedButItsPlaceIsKept)
{
    const struct {
        const char* bytes;
        std::string line;
        size_t loneCr;
    } cases[] = {
        {"11.00\r26.00\r", "11.0026.00", 5},
        {"ab\r\n", "ab", std::string::npos},
        {"ab\r", "ab", 2},
        {"a\r\r\nb", "a", 1},
        {"ab\n", "ab", std::string::npos},
    };
    for (const auto& c : cases) {
        writeBytes(path("cr.txt"), c.bytes);
        TextReader in(path("cr.txt"));
        EXPECT_EQ(in.readLine(), c.line) << c.bytes;
        EXPECT_EQ(in.loneCr(), c.loneCr) << c.bytes;
    }
}

TEST_F(TextFile, ReadingPastTheEndGivesEmptyText)
{
    const std::string file = path("short.txt");
    writeBytes(file, "only\r\n");
    TextReader in(file);
    EXPECT_FALSE(in.atEnd());
    EXPECT_EQ(in.readLine(), "only");
    EXPECT_TRUE(in.atEnd());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(in.readLine(), "");
    EXPECT_TRUE(in.atEnd());
}

TEST_F(TextFile, LargeFileRoundTrip)
{
    // Larger than the write buffer, so several chunks reach the file.
    const std::string file = path("big.txt");
    const int count = 810000;
    {
        TextWriter out(file);
        for (int i = 0; i < count; ++i)
            out.writeLine(std::to_string(i) + ".00");
        out.save();
    }
    TextReader in(file);
    int n = 0;
    bool inOrder = true;
    while (!in.atEnd())
        inOrder = inOrder && in.readLine() == std::to_string(n++) + ".00";
    EXPECT_EQ(n, count);
    EXPECT_TRUE(inOrder);
}

TEST_F(TextFile, AWriterNotClosedLeavesTheOldFile)
{
    // A save abandoned part way (an exception between the writes) must not cost the old file.
    const std::string file = path("unclosed.txt");
    writeBytes(file, "old\r\n");
    {
        TextWriter out(file);
        out.writeLine("new");
    }
    EXPECT_EQ(readBytes(file), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1)
        << "the temporary file is removed";
}

TEST(TextFileErrors, ErrnoMapsToTheSystemTexts)
{
    const struct {
        int err;
        int code;
        const char* text;
    } cases[] = {
        {ENOENT, 2, "File not found"},
        {ENOTDIR, 2, "File not found"},
        {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},
        {EROFS, 5, "File access denied"},
        {EISDIR, 5, "File access denied"},
        {EMFILE, 4, "Too many open files"},
        {ENFILE, 4, "Too many open files"},
        {ENAMETOOLONG, 3, "Invalid filename"},
        {ENOSPC, 101, "Disk full"},
        {EFBIG, 101, "Disk full"}, // past the file-size limit
        {EDQUOT, 101, "Disk full"},
        {EIO, EIO, "I/O error 5"},
        {EBADF, EBADF, "I/O error 9"},
        {ENETDOWN, ENETDOWN, "I/O error 100"},
    };
    for (const auto& c : cases) {
        const InOutError e = inOutErrorFromErrno(c.err);
        EXPECT_EQ(e.code(), c.code) << c.err;
        EXPECT_EQ(std::string(e.what()), c.text) << c.err;
    }
    const struct {
        int code;
        const char* text;
    } codes[] = {{2, "File not found"},
                 {3, "Invalid filename"},
                 {4, "Too many open files"},
                 {5, "File access denied"},
                 {100, "Read beyond end of file"},
                 {101, "Disk full"},
                 {106, "Invalid numeric input"},
                 {32, "I/O error 32"}};
    for (const auto& c : codes)
        EXPECT_EQ(std::string(inOutErrorFromCode(c.code).what()), c.text);
}

TEST_F(TextFile, OpenErrorsCarryTheirTexts)
{
    const std::string plain = path("plain.txt");
    writeBytes(plain, "x\r\n");
    const std::string missing = path("missing.txt");
    const std::string longName = path(std::string(300, 'n'));

    expectInOutError([&] { TextReader in(missing); }, 2, "File not found", "read missing");
    expectInOutError([&] { TextWriter out(path("no/such/dir.txt")); }, 2, "File not found",
                     "write into missing folder");
    expectInOutError([&] { TextReader in(plain + "/x"); }, 2, "File not found",
                     "path through a file");
    expectInOutError([&] { TextWriter out(dir.path().string()); }, 5, "File access denied",
                     "write a folder");
    expectInOutError([&] { TextReader in(dir.path().string()); }, 5, "File access denied",
                     "read a folder");
    expectInOutError([&] { TextReader in(longName); }, 3, "Invalid filename", "long name");
    expectInOutError([&] { TextWriter out(longName); }, 3, "Invalid filename", "long name");
}

TEST_F(TextFile, AccessDenied)
{
    const std::string locked = path("locked.txt");
    writeBytes(locked, "x");
    fs::permissions(locked, fs::perms::none);
    // The folder is open to everyone: only the file's own permissions may deny the attempts.
    fs::permissions(dir.path(), fs::perms::all);
    // Permissions do not bind root: the attempts run in a child that gives up root first.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
        int denied = 0;
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                if (attempt == 0)
                    TextReader in(locked);
                else
                    TextWriter out(locked);
            } catch (const InOutError& e) {
                denied += e.code() == 5 && std::string(e.what()) == "File access denied";
            }
        }
        ::_exit(denied == 2 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "both the read and the write must be denied";
}

TEST(TextFileErrors, AFullDiskIsReported)
{
    // Buffered: the failure surfaces when the file is closed.
    {
        TextWriter out("/dev/full");
        out.writeLine("lost");
        expectInOutError([&] { out.save(); }, 101, "Disk full", "close");
    }
    // Past one buffer: the failure surfaces in the write itself.
    {
        TextWriter out("/dev/full");
        expectInOutError(
            [&] {
                for (int i = 0; i < 200000; ++i)
                    out.writeLine("0123456789");
            },
            101, "Disk full", "write");
    }
}

TEST_F(TextFile, OnlyRegularFilesAreRead)
{
    // /dev/zero never ends, a pipe without a writer never delivers: both are refused before
    // anything is read, without blocking.
    const std::string fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = path("sock");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const std::string& special : {fifo, std::string("/dev/zero"), std::string("/dev/null"),
                                       socketPath, dir.path().string()})
        expectInOutError([&] { TextReader in(special); }, 5, "File access denied", special);
    ::close(sock);
}

TEST_F(TextFile, LongLinesAreCutAndTheRestSkipped)
{
    const std::string file = path("long.txt");
    const std::string limit(kMaxLineBytes, 'a');
    const std::string over = std::string(kMaxLineBytes, 'b') + "tail";
    writeBytes(file, limit + "\r\n" + over + "\r\nnext\r\n" + std::string(3 * kMaxLineBytes, 'c'));
    TextReader in(file);
    EXPECT_EQ(in.readLine(), limit); // exactly the limit, its CR not counted
    EXPECT_FALSE(in.lineCut());
    EXPECT_EQ(in.readLine(), std::string(kMaxLineBytes, 'b'));
    EXPECT_TRUE(in.lineCut());
    EXPECT_EQ(in.readLine(), "next");
    EXPECT_FALSE(in.lineCut());
    EXPECT_EQ(in.readLine(), std::string(kMaxLineBytes, 'c'));
    EXPECT_TRUE(in.lineCut());
    EXPECT_TRUE(in.atEnd());
}

TEST_F(TextFile, AHugeSparseFileIsReadOnlyAsFarAsNeeded)
{
    // 100 GB of zero bytes in one line: reading its first line must neither hold it in memory
    // nor read through it.
    const std::string file = path("sparse.txt");
    writeBytes(file, "");
    fs::resize_file(file, std::uintmax_t{100} << 30);
    TextReader in(file);
    EXPECT_EQ(in.readLine().size(), kMaxLineBytes);
    EXPECT_TRUE(in.lineCut());
}

TEST_F(TextFile, AByteOrderMarkIsSkippedOnlyAtTheStart)
{
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "1.00\r\n\xEF\xBB\xBF"
         "2.00",
         {"1.00", "\xEF\xBB\xBF"
                  "2.00"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB", {"\xEF\xBB"}},
        {"1.00", {"1.00"}},
    };
    for (const auto& c : cases) {
        const std::string file = path("bom.txt");
        writeBytes(file, c.bytes);
        TextReader in(file);
        in.skipByteOrderMark();
        std::vector<std::string> lines;
        while (!in.atEnd())
            lines.push_back(in.readLine());
        EXPECT_EQ(lines, c.lines) << c.bytes;
    }
}

} // namespace

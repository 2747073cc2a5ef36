// SPDX-License-Identifier: GPL-3.0-or-later
// Which recovery copies a start offers: those whose program is gone, decided by the lock a
// running window holds and not by a process id that comes round again; a copy claimed by one
// window is not offered by another; a copy that cannot be read is moved aside, never lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

#include "app/RecoveryCopies.h"
#include "app/RecoveryOrigin.h"
#include "support/ScratchFiles.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> names(const std::vector<OrphanCopy>& copies)
{
    std::vector<std::string> out;
    for (const OrphanCopy& c : copies)
        out.push_back(fs::path(c.path()).filename().string());
    return out;
}

// A copy named as this version names them, for process `pid`.
std::string lockedName(pid_t pid, int n = 1)
{
    return "project-" + std::to_string(pid) + "-1733600000000-0a1b2c3d-" + std::to_string(n) +
           ".kinovar";
}

} // namespace

TEST(RecoveryCopies, AStartOffersTheCopiesOfProgramsThatAreGone)
{
    // 999999999 lies above every pid_max Linux allows: no process has that id.
    const std::string gonePid = "999999999";
    const struct Case {
        const char* what;
        std::vector<std::string> files; // written with some bytes
        bool heldByLiveWindow;          // a RecoveryCopy of this process writes its copy too
        std::vector<std::string> offered;
    } cases[] = {
        {"a copy whose lock nobody holds", {lockedName(4242)}, false, {lockedName(4242)}},
        // In a fresh process-id namespace every program is pid 1: the id says nothing.
        {"a copy with this very process's id",
         {lockedName(::getpid())},
         false,
         {lockedName(::getpid())}},
        {"a copy with a lock file left by a killed program",
         {lockedName(7), "project-7-1733600000000-0a1b2c3d-1.lock"},
         false,
         {lockedName(7)}},
        {"an earlier version's copy of a process that is gone",
         {"project-" + gonePid + "-1.kinovar"},
         false,
         {"project-" + gonePid + "-1.kinovar"}},
        {"an earlier version's copy of a live process",
         {"project-" + std::to_string(::getppid()) + "-1.kinovar",
          "project-" + std::to_string(::getpid()) + "-2.kinovar"},
         false,
         {}},
        {"names that are no copies",
         {"notes.txt", "project-x-1.kinovar", "project-1-2-3.kinovar", "kept-" + lockedName(5),
          "project-1-1733600000000-0a1b2c3d-1.kinovar.tmp",
          "project-1-1733600000000-0a1b2c3d-1.kinovar.from"},
         false,
         {}},
        {"the copy of a window that runs", {}, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir("recovery");
        for (const std::string& name : c.files)
            writeBytes(dir.file(name), "{}");
        std::unique_ptr<RecoveryCopy> live;
        if (c.heldByLiveWindow) {
            live = std::make_unique<RecoveryCopy>(dir.dir(), 1);
            ASSERT_TRUE(live->write([](const std::string& path) { writeBytes(path, "{}"); }));
        }
        EXPECT_EQ(names(claimOrphanCopies(dir.dir())), c.offered);
    }
}

TEST(RecoveryCopies, AClaimedCopyIsOfferedByOneWindowOnly)
{
    ScratchDir dir("recovery");
    writeBytes(dir.file(lockedName(1)), "{}");
    {
        const std::vector<OrphanCopy> first = claimOrphanCopies(dir.dir());
        ASSERT_EQ(first.size(), 1u);
        EXPECT_TRUE(claimOrphanCopies(dir.dir()).empty()); // a second window started meanwhile
    }
    // The first window let it go without deciding: the next start offers it again.
    EXPECT_EQ(names(claimOrphanCopies(dir.dir())), std::vector<std::string>{lockedName(1)});
}

TEST(RecoveryCopies, NewestCopyFirst)
{
    ScratchDir dir("recovery");
    const auto now = fs::file_time_type::clock::now();
    const int ages[] = {30, 10, 20}; // minutes
    for (int n = 0; n < 3; ++n) {
        writeBytes(dir.file(lockedName(1, n)), "{}");
        fs::last_write_time(dir.file(lockedName(1, n)), now - std::chrono::minutes(ages[n]));
    }
    EXPECT_EQ(names(claimOrphanCopies(dir.dir())),
              (std::vector<std::string>{lockedName(1, 1), lockedName(1, 2), lockedName(1, 0)}));
}

TEST(RecoveryCopies, AWindowsCopyAndLockGoWithACleanEnd)
{
    ScratchDir dir("recovery");
    std::string copy;
    {
        RecoveryCopy own(dir.dir() + "sub/", 3); // the folder is made on the first write
        copy = own.path();
        ASSERT_TRUE(own.write([](const std::string& path) {
            writeBytes(path, "{}");
            writeBytes(originPath(path), "/home/u/press.kinovar\n");
        }));
        EXPECT_TRUE(fs::exists(copy));
        EXPECT_TRUE(fs::exists(copy + ".from"));
        own.discard();
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_FALSE(fs::exists(copy + ".from"));
        ASSERT_TRUE(own.write([](const std::string& path) {
            writeBytes(path, "{}");
            writeBytes(originPath(path), "/home/u/press.kinovar\n");
        }));
        EXPECT_TRUE(claimOrphanCopies(dir.dir() + "sub/").empty());
    }
    EXPECT_TRUE(fs::is_empty(dir.dir() + "sub/"));
    // Two windows of one process never share a name.
    EXPECT_NE(RecoveryCopy(dir.dir(), 1).path(), RecoveryCopy(dir.dir(), 1).path());
}

TEST(RecoveryCopies, AStaleLockWithoutItsCopyIsRemoved)
{
    ScratchDir dir("recovery");
    writeBytes(dir.file("project-7-1733600000000-0a1b2c3d-1.lock"), "");
    RecoveryCopy live(dir.dir(), 1);
    ASSERT_TRUE(live.write([](const std::string& path) { writeBytes(path, "{}"); }));
    live.discard(); // unsaved changes undone: no copy, the lock still held
    EXPECT_TRUE(claimOrphanCopies(dir.dir()).empty());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        left.push_back(entry.path().filename().string());
    ASSERT_EQ(left.size(), 1u); // the live window's lock alone
    EXPECT_EQ(dir.dir() + left[0], live.path().substr(0, live.path().size() - 8) + ".lock");
}

TEST(RecoveryCopies, ACopyKeptAsideKeepsItsBytesAndIsNotOfferedAgain)
{
    ScratchDir dir("recovery");
    writeBytes(dir.file(lockedName(1)), "newer format");
    writeBytes(dir.file(lockedName(2)), "second");
    writeBytes(dir.file("kept-" + lockedName(2)), "kept earlier");
    std::vector<OrphanCopy> copies = claimOrphanCopies(dir.dir());
    ASSERT_EQ(copies.size(), 2u);
    std::vector<std::string> keptAt;
    for (OrphanCopy& copy : copies) {
        const std::string before = readBytes(copy.path());
        const std::string kept = copy.keep();
        EXPECT_EQ(kept, copy.path());
        EXPECT_EQ(readBytes(kept), before);
        keptAt.push_back(kept);
    }
    // The second could not be moved (its kept name is taken): it stays where it was, and the
    // copy kept earlier is not overwritten.
    std::sort(keptAt.begin(), keptAt.end());
    EXPECT_EQ(keptAt, (std::vector<std::string>{dir.file("kept-" + lockedName(1)),
                                                dir.file(lockedName(2))}));
    EXPECT_EQ(readBytes(dir.file("kept-" + lockedName(2))), "kept earlier");
    copies.clear();
    EXPECT_EQ(names(claimOrphanCopies(dir.dir())), std::vector<std::string>{lockedName(2)});
}

TEST(RecoveryCopies, TheFileACopyCameFromGoesWithIt)
{
    const struct Case {
        const char* what;
        const char* origin; // nullptr: no origin file beside the copy
        const char* read;
    } cases[] = {
        {"an opened project", "/home/u/press.kinovar", "/home/u/press.kinovar"},
        {"an untitled project", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir("recovery");
        const std::string copy = dir.file(lockedName(4242));
        writeBytes(copy, "{}");
        if (c.origin) writeBytes(copy + ".from", std::string(c.origin) + "\n");
        {
            std::vector<OrphanCopy> found = claimOrphanCopies(dir.dir());
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(readRecoveryOrigin(found[0].path()), c.read);
            const std::string kept = found[0].keep();
            EXPECT_EQ(fs::exists(kept + ".from"), c.origin != nullptr);
            EXPECT_FALSE(fs::exists(copy + ".from"));
        }
        writeBytes(copy, "{}");
        if (c.origin) writeBytes(copy + ".from", std::string(c.origin) + "\n");
        std::vector<OrphanCopy> found = claimOrphanCopies(dir.dir());
        ASSERT_EQ(found.size(), 1u);
        found[0].removeForGood();
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_FALSE(fs::exists(copy + ".from"));
    }
}

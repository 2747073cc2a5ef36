// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copies of unsaved projects, kept in one folder. Each window names its copy so that
// no other program, in this or another process-id namespace, can give the same name:
// "project-<pid>-<start in ms>-<random hex>-<n>.kinovar", and holds a lock on
// "<the same name>.lock" while it lives, taken before the copy first exists. A copy whose lock no
// process holds was left by a program that is gone, whatever became of its process id.
// Copies named "project-<pid>-<n>.kinovar", which hold no lock, are taken as left behind when no
// process has their id. Beside a copy, "<its name>.from" holds the file its project was opened
// from or saved to, so that a recovered project can be named; an untitled one has none.
#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// This window's copy: its name is fixed at construction; the folder, the lock and the copy are
// made only when it is first written.
class RecoveryCopy {
public:
    // `dir` ends in '/'. `window` tells copies of windows in one process apart.
    RecoveryCopy(std::string dir, int window);
    ~RecoveryCopy(); // the copy and its lock file go: a clean end
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    const std::string& path() const { return path_; }
    // Creates the folder, takes the lock unless held, then has `save` write the copy at path()
    // (and its origin, if any, beside it). False, with nothing written, when the lock cannot be
    // taken; what `save` throws passes on.
    bool write(const std::function<void(const std::string&)>& save);
    // Removes the copy and its origin; the lock stays held, so that a later write needs no new one.
    void discard();

private:
    std::string path_;
    int lockFd_ = -1;
};

// A copy of a program that is gone, claimed: its lock is held, so that no other window offers it
// while this object lives. Moved, never copied.
class OrphanCopy {
public:
    OrphanCopy(std::string path, int lockFd);
    OrphanCopy(OrphanCopy&& other) noexcept;
    OrphanCopy& operator=(OrphanCopy&& other) noexcept;
    ~OrphanCopy(); // the claim is given up: its lock file goes, the copy stays unless removed

    const std::string& path() const { return path_; }
    std::filesystem::file_time_type modified() const;
    // The copy and its origin are gone for good: restored, or declined by the user.
    void removeForGood();
    // Moves the copy (and its origin) aside in its folder as "kept-<its name>", where no start
    // offers it again, and returns where it now is: its old path when it could not be moved (it
    // then stays and is offered again).
    std::string keep();

private:
    void release();
    std::string path_;
    int lockFd_ = -1;
};

// Claims every copy in `dir` left by a program that is gone, newest first. Copies this process
// or another live program holds, or that another window has claimed, are left out; lock files
// with no copy left behind by a killed program are removed on the way.
std::vector<OrphanCopy> claimOrphanCopies(const std::string& dir);

// Where the file a copy's project came from is kept beside the copy at `copy`.
std::string originPath(const std::string& copy);

// The name's prefix and suffix, and the prefix of a copy kept aside.
inline constexpr const char* kRecoveryPrefix = "project-";
inline constexpr const char* kKeptRecoveryPrefix = "kept-";

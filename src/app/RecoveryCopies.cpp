// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecoveryCopies.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffix = ".kinovar";
constexpr std::string_view kLockSuffix = ".lock";

// The lock file of the copy at `copyPath`.
std::string lockPathOf(const std::string& copyPath)
{
    return copyPath.substr(0, copyPath.size() - kSuffix.size()).append(kLockSuffix);
}

// Opens (creating it) and locks the file at `path` without waiting, and returns its descriptor,
// or -1 when another open file holds the lock. A lock file may be removed by the claimer who
// held it just as this one opens it; the lock is then on a file no longer at `path` and worth
// nothing, so the file at `path` is tried again.
int lockExclusive(const std::string& path)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
    return -1;
}

// Unlinks the lock file while its lock is still held, then lets the lock go: a program that
// opened the file meanwhile finds it no longer at its path (see lockExclusive).
void dropLock(const std::string& lockPath, int& fd)
{
    if (fd < 0) return;
    ::unlink(lockPath.c_str());
    ::close(fd);
    fd = -1;
}

bool allDigits(std::string_view s, bool hex)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [hex](char c) {
        return (c >= '0' && c <= '9') || (hex && c >= 'a' && c <= 'f');
    });
}

// What a name in the folder is: a copy with a lock, an earlier version's copy of process `pid`,
// or neither.
struct CopyName {
    enum Kind { None, Locked, Legacy } kind = None;
    pid_t pid = 0;
};

CopyName parseName(std::string_view name)
{
    if (!name.starts_with(kRecoveryPrefix) || !name.ends_with(kSuffix)) return {};
    name.remove_prefix(std::char_traits<char>::length(kRecoveryPrefix));
    name.remove_suffix(kSuffix.size());
    std::vector<std::string_view> fields;
    for (size_t from = 0;;) {
        const size_t dash = name.find('-', from);
        fields.push_back(name.substr(from, dash - from));
        if (dash == std::string_view::npos) break;
        from = dash + 1;
    }
    if (fields.size() == 4 && allDigits(fields[0], false) && allDigits(fields[1], false) &&
        allDigits(fields[2], true) && allDigits(fields[3], false))
        return {CopyName::Locked, 0};
    if (fields.size() == 2 && allDigits(fields[0], false) && allDigits(fields[1], false) &&
        fields[0].size() < 10)
        return {CopyName::Legacy, static_cast<pid_t>(std::stol(std::string(fields[0])))};
    return {};
}

bool processAlive(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

std::string originPath(const std::string& copy)
{
    return copy + ".from";
}

RecoveryCopy::RecoveryCopy(std::string dir, int window)
{
    // The process id alone comes round again (a container's program is always pid 1); the time
    // and a random part make the name one no other start gives.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    char random[9];
    std::snprintf(random, sizeof random, "%08x", static_cast<unsigned>(std::random_device{}()));
    path_ = std::move(dir) + kRecoveryPrefix + std::to_string(::getpid()) + "-" +
            std::to_string(ms) + "-" + random + "-" + std::to_string(window) + std::string(kSuffix);
}

RecoveryCopy::~RecoveryCopy()
{
    discard();
    dropLock(lockPathOf(path_), lockFd_);
}

bool RecoveryCopy::write(const std::function<void(const std::string&)>& save)
{
    if (lockFd_ < 0) {
        std::error_code ec;
        fs::create_directories(fs::path(path_).parent_path(), ec);
        lockFd_ = lockExclusive(lockPathOf(path_));
        if (lockFd_ < 0) return false;
    }
    save(path_);
    return true;
}

void RecoveryCopy::discard()
{
    std::error_code ec;
    fs::remove(path_, ec);
    fs::remove(originPath(path_), ec);
}

OrphanCopy::OrphanCopy(std::string path, int lockFd) : path_(std::move(path)), lockFd_(lockFd) {}

OrphanCopy::OrphanCopy(OrphanCopy&& other) noexcept
    : path_(std::move(other.path_)), lockFd_(other.lockFd_)
{
    other.lockFd_ = -1;
}

OrphanCopy& OrphanCopy::operator=(OrphanCopy&& other) noexcept
{
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        lockFd_ = other.lockFd_;
        other.lockFd_ = -1;
    }
    return *this;
}

OrphanCopy::~OrphanCopy()
{
    release();
}

void OrphanCopy::release()
{
    if (lockFd_ >= 0) dropLock(lockPathOf(path_), lockFd_);
}

fs::file_time_type OrphanCopy::modified() const
{
    std::error_code ec;
    return fs::last_write_time(path_, ec);
}

void OrphanCopy::removeForGood()
{
    std::error_code ec;
    fs::remove(path_, ec);
    fs::remove(originPath(path_), ec);
}

std::string OrphanCopy::keep()
{
    const fs::path from(path_);
    const fs::path to = from.parent_path() / (kKeptRecoveryPrefix + from.filename().string());
    // RENAME_NOREPLACE: a copy kept earlier under the same name is never overwritten.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0)
        return path_;
    // The origin only labels the copy: it follows when it can.
    ::renameat2(AT_FDCWD, originPath(path_).c_str(), AT_FDCWD, originPath(to.string()).c_str(),
                RENAME_NOREPLACE);
    const std::string lock = lockPathOf(path_);
    dropLock(lock, lockFd_);
    path_ = to.string();
    return path_;
}

std::vector<OrphanCopy> claimOrphanCopies(const std::string& dir)
{
    std::vector<std::pair<fs::file_time_type, OrphanCopy>> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string path = entry.path().string();
        if (name.starts_with(kRecoveryPrefix) && name.ends_with(kLockSuffix)) {
            // A lock no one holds, with no copy beside it, was left by a killed program.
            const std::string copy =
                path.substr(0, path.size() - kLockSuffix.size()).append(kSuffix);
            if (std::error_code missing; !fs::exists(copy, missing) && !missing) {
                int fd = lockExclusive(path);
                if (fd >= 0 && !fs::exists(copy, missing)) dropLock(path, fd);
                if (fd >= 0) ::close(fd);
            }
            continue;
        }
        const CopyName parsed = parseName(name);
        if (parsed.kind == CopyName::None) continue;
        if (parsed.kind == CopyName::Legacy &&
            (parsed.pid == ::getpid() || processAlive(parsed.pid)))
            continue;
        std::error_code kind;
        if (!fs::is_regular_file(fs::symlink_status(entry.path(), kind))) continue;
        int fd = lockExclusive(lockPathOf(path));
        if (fd < 0) continue; // its program runs, or another window has claimed it
        // Claimed only now: the program may have removed it at its clean end meanwhile.
        if (!fs::is_regular_file(fs::symlink_status(entry.path(), kind))) {
            dropLock(lockPathOf(path), fd);
            continue;
        }
        OrphanCopy copy(path, fd);
        const auto when = copy.modified();
        found.emplace_back(when, std::move(copy));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<OrphanCopy> copies;
    copies.reserve(found.size());
    for (auto& [when, copy] : found)
        copies.push_back(std::move(copy));
    return copies;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileErrors.h"
#include "base/TempFiles.h"

namespace {

// Past the file-size limit (ulimit -f) the system stops the process with SIGXFSZ unless it is
// ignored; ignored, the write fails with EFBIG and the save reports it like a full disk.
void ignoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

[[noreturn]] void fail(int err)
{
    throw inOutErrorFromErrno(err != 0 ? err : EIO);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The target's folder, for the temporary file, the rename and the sync of both. The temporary
// name is then relative to it, so a target whose path comes near the path limit is no harder to
// save than a short one. A folder that may be written and entered but not listed is opened for
// the names alone (and is not synced). Returns -1 with errno set.
int openFolder(const std::string& folder)
{
    const char* path = folder.empty() ? "." : folder.c_str();
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) return fd;
    return ::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// A new temporary file in the folder, named after the target (base/TempFiles). Opened with the
// usual 0666 so that the umask applies as for any new file. Returns the descriptor, or -1 with
// errno set.
int createTemporary(int dirFd, const std::string& targetName, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto clock =
            static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
        const unsigned salt =
            static_cast<unsigned>(::getpid()) * 2654435761u ^ counter.fetch_add(1) * 40503u ^ clock;
        temp = temporaryName(targetName, salt);
        const int fd = ::openat(dirFd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool folderRefusesNewFiles(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

} // namespace

AtomicFile::AtomicFile(const std::string& target) : target_(target)
{
    ignoreFileSizeSignal();
    // A constructor that throws gets no destructor: the folder and any temporary file go here.
    try {
        prepare();
    } catch (...) {
        abandon();
        if (dirFd_ >= 0) ::close(dirFd_);
        throw;
    }
}

void AtomicFile::prepare()
{
    if (target_.empty()) fail(ENOENT);

    struct stat info {};
    bool exists = ::lstat(target_.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) fail(errno); // a name too long, a file used as a folder
    if (exists && S_ISLNK(info.st_mode)) {
        // A link is followed: the file it names is replaced, the link stays a link.
        char resolved[PATH_MAX];
        if (::realpath(target_.c_str(), resolved) != nullptr) {
            target_ = resolved;
            exists = ::stat(target_.c_str(), &info) == 0;
        } else {
            inPlace_ = true; // a dangling link: opening it creates the file it names
        }
    }
    if (exists && S_ISDIR(info.st_mode)) fail(EISDIR);
    if (exists && !S_ISREG(info.st_mode)) inPlace_ = true;
    // A file the user may not write is not replaced behind its back by a rename.
    if (exists && !inPlace_ && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
        fail(errno);
    // A rename would leave the file's other names with the old text.
    if (exists && info.st_nlink > 1) inPlace_ = true;

    if (!inPlace_) {
        name_ = nameOf(target_);
        dirFd_ = openFolder(folderOf(target_));
        if (dirFd_ < 0) fail(errno);
        removeStaleTemporaries(dirFd_);
        int err = 0;
        {
            // A signal between the file's creation and its record would leave it behind.
            const CleanupSignalsHeld held;
            fd_ = createTemporary(dirFd_, name_, tempName_);
            err = errno;
            if (fd_ >= 0) tempHandle_ = rememberTemporary(dirFd_, tempName_);
        }
        if (fd_ < 0) {
            tempName_.clear();
            if (!exists || !folderRefusesNewFiles(err)) fail(err);
            inPlace_ = true; // the folder is closed to new files, the file itself is writable
        } else {
            // The lock tells a later save that this file is no leftover (removeStaleTemporaries).
            ::flock(fd_, LOCK_EX | LOCK_NB);
            if (exists && !keepOwner(info)) {
                abandon();
                failed_ = false;
                inPlace_ = true;
            } else if (exists) {
                // After the owner: a change of owner clears the set-user and set-group bits.
                ::fchmod(fd_, info.st_mode & 07777); // a replaced file keeps its permissions
            }
        }
    }
    if (inPlace_) openInPlace();
}

bool AtomicFile::keepOwner(const struct stat& target)
{
    struct stat mine {};
    if (::fstat(fd_, &mine) != 0) return false;
    if (mine.st_uid == target.st_uid && mine.st_gid == target.st_gid) return true;
    return ::fchown(fd_, target.st_uid, target.st_gid) == 0;
}

void AtomicFile::openInPlace()
{
    // Without O_TRUNC: nothing changes before the first write. Without blocking: a pipe with no
    // reader would hold the open for ever.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        const int err = errno;
        struct stat info {};
        if (err == ENXIO && ::stat(target_.c_str(), &info) == 0 && S_ISFIFO(info.st_mode))
            throw InOutError(ENXIO, "no process reads the pipe");
        fail(err);
    }
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) truncatePending_ = true;
    // A reader is there: from now on a write waits for it like any other.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

AtomicFile::~AtomicFile()
{
    if (!committed_) abandon();
    if (dirFd_ >= 0) ::close(dirFd_);
}

void AtomicFile::abandon() noexcept
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tempName_.empty()) ::unlinkat(dirFd_, tempName_.c_str(), 0);
    forgetTemporary(tempHandle_);
    tempHandle_ = -1;
    tempName_.clear();
    failed_ = true;
}

void AtomicFile::startInPlace()
{
    if (!truncatePending_) return;
    if (::ftruncate(fd_, 0) != 0) {
        failed_ = true;
        fail(errno);
    }
    truncatePending_ = false;
}

void AtomicFile::write(std::string_view bytes)
{
    if (fd_ < 0 || finished_ || failed_) fail(EBADF);
    startInPlace();
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            failed_ = true;
            fail(err);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
        size_ += static_cast<uint64_t>(n);
    }
}

void AtomicFile::finish()
{
    if (finished_) return;
    if (fd_ < 0 || failed_) fail(EBADF);
    int err = 0;
    try {
        startInPlace(); // an empty text empties the target too
    } catch (const InOutError&) {
        abandon();
        throw;
    }
    // Devices and pipes cannot be synced (EINVAL); that is no failure of the save.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    // A temporary file stays open, and locked, until it is renamed.
    if (tempName_.empty()) {
        if (::close(fd_) != 0 && err == 0 && errno != EINTR) err = errno;
        fd_ = -1;
    }
    if (err != 0) {
        abandon();
        fail(err);
    }
    finished_ = true;
}

void AtomicFile::commit()
{
    if (committed_) return;
    finish();
    if (!tempName_.empty()) {
        int err = ::close(fd_) != 0 && errno != EINTR ? errno : 0;
        fd_ = -1;
        if (err == 0 && ::renameat(dirFd_, tempName_.c_str(), dirFd_, name_.c_str()) != 0)
            err = errno;
        if (err != 0) {
            abandon();
            fail(err);
        }
        forgetTemporary(tempHandle_);
        tempHandle_ = -1;
        tempName_.clear();
        // The rename itself reaches the disk with the folder's entry.
        ::fsync(dirFd_);
    }
    committed_ = true;
}

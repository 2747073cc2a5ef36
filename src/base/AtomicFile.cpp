#include "base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileErrors.h"

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

// A new hidden file beside the target, named after it: ".<name>.<random>.tmp". Opened with the
// usual 0666 so that the umask applies as for any new file. Returns the descriptor, or -1 with
// errno set.
int createTemporary(const std::string& target, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    // Long names keep their start: the temporary name must stay within the name limit.
    const std::string name = nameOf(target).substr(0, 120);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned salt = static_cast<unsigned>(::getpid()) * 2654435761u ^
                              counter.fetch_add(1) * 40503u ^ static_cast<unsigned>(::rand());
        temp = folderOf(target) + "." + name + "." + std::to_string(salt % 1000000000u) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

    if (!inPlace_) {
        if (exists) mode_ = static_cast<int>(info.st_mode & 07777);
        fd_ = createTemporary(target_, temp_);
        if (fd_ < 0) {
            const int err = errno;
            temp_.clear();
            if (!exists || !folderRefusesNewFiles(err)) fail(err);
            inPlace_ = true; // the folder is closed to new files, the file itself is writable
        } else if (mode_ >= 0) {
            ::fchmod(fd_, static_cast<mode_t>(mode_)); // a replaced file keeps its permissions
        }
    }
    if (inPlace_) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0) fail(errno);
    }
}

AtomicFile::~AtomicFile()
{
    if (!committed_) abandon();
}

void AtomicFile::abandon() noexcept
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    failed_ = true;
}

void AtomicFile::write(std::string_view bytes)
{
    if (fd_ < 0 || finished_ || failed_) fail(EBADF);
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            failed_ = true;
            fail(err);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void AtomicFile::finish()
{
    if (finished_) return;
    if (fd_ < 0 || failed_) fail(EBADF);
    int err = 0;
    // Devices and pipes cannot be synced (EINVAL); that is no failure of the save.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    if (::close(fd_) != 0 && err == 0 && errno != EINTR) err = errno;
    fd_ = -1;
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
    if (!temp_.empty()) {
        if (::rename(temp_.c_str(), target_.c_str()) != 0) {
            const int err = errno;
            abandon();
            fail(err);
        }
        temp_.clear();
        // The rename itself reaches the disk with the folder's entry.
        const std::string folder = folderOf(target_);
        const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    committed_ = true;
}

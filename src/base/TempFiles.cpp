// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TempFiles.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Utf8.h"

namespace {

constexpr std::string_view kMark = ".kinovar-";
constexpr std::string_view kSuffix = ".tmp";
constexpr size_t kHexDigits = 8;
constexpr size_t kKeptName = 64;

// A slot of the table the signal handler reads. The handler may run at any instant, so a slot
// is claimed, filled and only then marked ready; the handler touches ready slots only.
enum SlotState : int { kFree, kFilling, kReady };
struct Slot {
    std::atomic<int> state{kFree};
    int dirFd = -1;
    char name[96] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");

constexpr int kSlots = 32;
Slot gSlots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeTemporariesAndDie(int sig)
{
    // Only async-signal-safe calls here: unlinkat, then the default action by raise (the
    // handler was installed with SA_RESETHAND, and the signal is delivered once it returns).
    const int saved = errno;
    for (Slot& s : gSlots)
        if (s.state.load() == kReady) ::unlinkat(s.dirFd, s.name, 0);
    errno = saved;
    ::raise(sig);
}

void installHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int sig : kSignals) {
            struct sigaction old {};
            if (::sigaction(sig, nullptr, &old) != 0) continue;
            // An ignored signal (nohup, a background job) or a handler of the program's own
            // stays as it is.
            if ((old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_handler = removeTemporariesAndDie;
            sigemptyset(&action.sa_mask);
            for (const int other : kSignals)
                sigaddset(&action.sa_mask, other); // one cleanup at a time
            action.sa_flags = SA_RESETHAND;
            ::sigaction(sig, &action, nullptr);
        }
    });
}

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

} // namespace

std::string temporaryName(std::string_view targetName, unsigned salt)
{
    // The start of a long name says which file it belongs to; a cut must not split a character.
    std::string_view kept = targetName.substr(0, kKeptName);
    kept = kept.substr(0, withoutCutCharacter(kept));
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = ".";
    name += kept;
    name += kMark;
    for (int shift = 28; shift >= 0; shift -= 4)
        name += kHex[(salt >> shift) & 0xF];
    name += kSuffix;
    return name;
}

bool isTemporaryName(std::string_view name)
{
    const size_t tail = kMark.size() + kHexDigits + kSuffix.size();
    if (name.size() < 1 + tail || name[0] != '.' || !name.ends_with(kSuffix)) return false;
    const std::string_view end = name.substr(name.size() - tail);
    if (!end.starts_with(kMark)) return false;
    for (size_t i = kMark.size(); i < kMark.size() + kHexDigits; ++i)
        if (!isLowerHex(end[i])) return false;
    return true;
}

CleanupSignalsHeld::CleanupSignalsHeld()
{
    installHandlers();
    sigset_t held;
    sigemptyset(&held);
    for (const int sig : kSignals)
        sigaddset(&held, sig);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

CleanupSignalsHeld::~CleanupSignalsHeld()
{
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int rememberTemporary(int dirFd, std::string_view name)
{
    if (name.size() >= sizeof(Slot::name)) return -1;
    installHandlers();
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!gSlots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        gSlots[i].dirFd = dirFd;
        std::memcpy(gSlots[i].name, name.data(), name.size());
        gSlots[i].name[name.size()] = '\0';
        gSlots[i].state.store(kReady);
        return i;
    }
    return -1;
}

void forgetTemporary(int handle)
{
    if (handle >= 0 && handle < kSlots) gSlots[handle].state.store(kFree);
}

int removeStaleTemporaries(int dirFd, std::chrono::seconds age)
{
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return 0;
    DIR* dir = ::fdopendir(listFd);
    if (dir == nullptr) {
        ::close(listFd);
        return 0;
    }
    const time_t cutoff = std::time(nullptr) - static_cast<time_t>(age.count());
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name)) continue;
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || info.st_mtime >= cutoff)
            continue;
        // A live save holds its lock: only a file nobody holds is left over from a killed one.
        const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

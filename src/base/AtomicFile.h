// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file whole or not at all: the bytes go to a temporary file in the target's folder,
// which is flushed, synced and then renamed over the target. Every file the program writes goes
// through here. Errors are InOutError with the texts of the Overview ("Disk full", ...).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// One save of one file. Until commit() the target stays exactly as it was; a save that is
// abandoned (destroyed before commit, or failed) removes its temporary file, and so do SIGINT,
// SIGTERM and SIGHUP (base/TempFiles). The temporary file is named by temporaryName; making one
// first removes those of a killed save that are over a day old.
//
// Some targets cannot be replaced by a rename and are written in place instead: a target that is
// not a regular file (a device such as /dev/full, a pipe), a regular file that may be written
// while its folder refuses new files, a file with more than one link (the other names must see
// the new text), and a file whose owner or group the process cannot give the new file. Nothing
// of such a target changes until the first write (or finish()); a failure part way through
// leaves it partly written.
class AtomicFile {
public:
    // Prepares the save without changing anything: a folder is refused with "File access
    // denied", as is an existing file the user may not write; a missing folder is "File not
    // found"; a pipe that no process reads is refused at once ("no process reads the pipe")
    // instead of waiting for a reader. Makes writes beyond the process's file-size limit fail
    // with "Disk full" instead of ending the process.
    explicit AtomicFile(const std::string& target);
    ~AtomicFile(); // abandons the save unless it was committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes); // throws InOutError; the save cannot be committed then
    // Everything written reaches the disk (flush, sync); the target is not touched yet (unless
    // written in place). Throws InOutError, after which the save is abandoned.
    void finish();
    // Replaces the target by the finished file (finish() first if it was not called), and syncs
    // the folder. Throws InOutError when the rename fails; the target then stays as it was.
    void commit();

    bool inPlace() const { return inPlace_; }
    const std::string& target() const { return target_; }
    uint64_t bytesWritten() const { return size_; }

private:
    void prepare(); // the constructor's work
    void openInPlace();
    bool keepOwner(const struct stat& target); // false when the owner cannot be kept
    void startInPlace();                       // empties an in-place file before its first byte
    void abandon() noexcept;

    std::string target_;
    std::string name_;     // the target's name in its folder
    std::string tempName_; // the temporary file's name there; empty when writing in place
    int dirFd_ = -1;       // the target's folder
    int fd_ = -1;
    int tempHandle_ = -1; // the temporary file in the signal handler's table
    uint64_t size_ = 0;
    bool inPlace_ = false;
    bool truncatePending_ = false; // an in-place regular file is emptied at the first write
    bool failed_ = false;
    bool finished_ = false;
    bool committed_ = false;
};

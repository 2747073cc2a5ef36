// Saving a file whole or not at all: the bytes go to a temporary file in the target's folder,
// which is flushed, synced and then renamed over the target. Every file the program writes goes
// through here. Errors are InOutError with the texts of the Overview ("Disk full", ...).
#pragma once
#include <string>
#include <string_view>

// One save of one file. Until commit() the target stays exactly as it was; a save that is
// abandoned (destroyed before commit, or failed) removes its temporary file.
//
// Two kinds of target are written in place instead, as they cannot be replaced by a rename:
// a target that is not a regular file (a device such as /dev/full, a pipe), and a regular file
// that may be written while its folder refuses new files. A failure part way through leaves such
// a target partly written.
class AtomicFile {
public:
    // Prepares the save: a folder is refused with "File access denied", as is an existing file
    // the user may not write; a missing folder is "File not found". Makes writes beyond the
    // process's file-size limit fail with "Disk full" instead of ending the process.
    explicit AtomicFile(const std::string& target);
    ~AtomicFile(); // abandons the save unless it was committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes); // throws InOutError; the save cannot be committed then
    // Everything written reaches the disk (flush, sync, close); the target is not touched yet.
    // Throws InOutError, after which the save is abandoned.
    void finish();
    // Replaces the target by the finished file (finish() first if it was not called). Throws
    // InOutError when the rename fails; the target then stays as it was.
    void commit();

    bool inPlace() const { return inPlace_; }
    const std::string& target() const { return target_; }

private:
    void abandon() noexcept;

    std::string target_;
    std::string temp_; // empty when writing in place
    int fd_ = -1;
    int mode_ = -1; // permission bits to give the new file; -1 for a new name
    bool inPlace_ = false;
    bool failed_ = false;
    bool finished_ = false;
    bool committed_ = false;
};

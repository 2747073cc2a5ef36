// SPDX-License-Identifier: GPL-3.0-or-later
// Text files by the program's rules: CR LF on write; CR LF or LF on read, a lone CR dropped,
// character 26 ends the file, a read past the end gives empty text. Errors are InOutError.
#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "base/AtomicFile.h"
#include "base/Errors.h"
#include "base/FileErrors.h"

// Lines for a file, saved whole or not at all (AtomicFile), or for a stream; every line ends in
// CR LF. Throws InOutError on open, write or close.
class TextWriter {
public:
    explicit TextWriter(const std::string& path); // the file is replaced at save()
    explicit TextWriter(std::ostream& out);       // a stream, standard output for example
    ~TextWriter(); // without save() a file is left as it was (the save is abandoned)
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void writeLine(std::string_view text); // text then CR LF (buffered)
    void writeRaw(std::string_view bytes); // bytes as they are (buffered)
    // Everything written reaches the file (synced, not yet in place) or the stream (flushed);
    // a failed write (a full disk) is reported here at the latest.
    void finish();
    void commit(); // puts the finished file in place of the old one (finish() first if needed)
    void save();   // finish() then commit(): the file is in place
    // The save behind a file writer (whether it goes in place, its size); null for a stream.
    const AtomicFile* file() const { return file_.get(); }

private:
    void writeBuffer(); // hands the buffer to the file or stream

    std::unique_ptr<AtomicFile> file_;
    std::ostream* stream_ = nullptr;
    std::string buffer_; // lines gather here and reach the file in large chunks
};

// The longest line a reader keeps, in bytes; the rest of a longer line is skipped.
inline constexpr size_t kMaxLineBytes = 64 * 1024;

// A regular file read line by line, a piece at a time: memory stays small whatever the file's
// size. A path that is not a regular file (a folder, a device, a pipe, a socket) is refused with
// "File access denied" before anything is read, and never blocks. Throws InOutError when the
// file cannot be opened or read.
class TextReader {
public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool atEnd();           // true once no character is left (or character 26 was met)
    std::string readLine(); // the next line without its end; empty text past the end
    // True when the line just read was longer than kMaxLineBytes: readLine gave its first
    // kMaxLineBytes bytes (before lone CRs were dropped) and skipped the rest.
    bool lineCut() const { return lineCut_; }
    // Where in the line just read the first CR without an LF after it stood (such a CR is
    // dropped, so lines ending in CR alone run together), std::string::npos when none did.
    size_t loneCr() const { return loneCr_; }
    // Drops a UTF-8 byte-order mark at the very start of the file; call before the first read.
    void skipByteOrderMark();

private:
    bool fill();           // reads the next piece; false at the end of the file
    void skipRestOfLine(); // after a cut line, up to and including its LF

    int fd_ = -1;
    std::string piece_;
    size_t pos_ = 0;
    bool ended_ = false;
    bool lineCut_ = false;
    size_t loneCr_ = std::string::npos;
    bool skipping_ = false; // the rest of a cut line is still to be skipped
};

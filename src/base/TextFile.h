// Text files by the program's rules: CR LF on write; CR LF or LF on read, a lone CR dropped,
// character 26 ends the file, a read past the end gives empty text. Errors are InOutError.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "base/Errors.h"

// The error for an errno value: ENOENT -> 2 "File not found", EACCES -> 5 "File access denied",
// ENOSPC -> 101 "Disk full", ...; any errno without a system code -> that number, "I/O error <n>".
InOutError inOutErrorFromErrno(int err);

// The error for a system code: 2, 3, 4, 5, 100, 101 and 106 carry their own text ("Read beyond
// end of file", "Invalid numeric input", ...), any other code "I/O error <code>".
InOutError inOutErrorFromCode(int code);

// A file open for writing; every line ends in CR LF. Throws InOutError on open, write or close.
class TextWriter {
public:
    explicit TextWriter(const std::string& path); // creates or empties the file
    ~TextWriter();                                // closes quietly if close() was not called
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void writeLine(std::string_view text); // text then CR LF (buffered)
    void writeRaw(std::string_view bytes); // bytes as they are (buffered)
    void close();                          // flushes; reports a failed write (a full disk)

private:
    int writeBuffer(); // hands the buffer to the file; the errno of a failed write, else 0

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string buffer_; // lines gather here and reach the file in large chunks
};

// A file open for reading, line by line. Throws InOutError when it cannot be opened or read.
class TextReader {
public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool atEnd();           // true once no character is left (or character 26 was met)
    std::string readLine(); // the next line without its end; empty text past the end

private:
    std::string data_;
    size_t pos_ = 0;
};

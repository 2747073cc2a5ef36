// Text files by the program's rules: CR LF on write; CR LF or LF on read, a lone CR dropped,
// character 26 ends the file, a read past the end gives empty text. Errors are InOutError.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "present/Errors.h"

// The Overview's message for an errno value ("File not found", "Disk full", "I/O error 42", ...).
InOutError inOutErrorFromErrno(int err);

// A file open for writing; every line ends in CR LF. Throws InOutError on open, write or close.
class TextWriter {
public:
    explicit TextWriter(const std::string& path); // creates or empties the file
    ~TextWriter();                                // closes quietly if close() was not called
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void writeLine(std::string_view text);  // text then CR LF (buffered)
    void writeRaw(std::string_view bytes);  // bytes as they are (buffered)
    void close();                           // flushes; reports a failed write (a full disk)

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

// A file open for reading, line by line. Throws InOutError when it cannot be opened or read.
class TextReader {
public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool atEnd();            // true once no character is left (or character 26 was met)
    std::string readLine();  // the next line without its end; empty text past the end

private:
    std::string data_;
    size_t pos_ = 0;
};

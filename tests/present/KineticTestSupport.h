// Helpers shared by the animation-file tests: a scratch folder, whole-file reads and a guard
// that restores the decimal separator.
#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "present/NumberText.h"

namespace kinetic_test {

// A fresh folder under the system temp dir, removed with the object.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag)
        : path_(std::filesystem::temp_directory_path() /
                ("kinovar-" + tag + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Splits on CR LF; fails the caller's expectations through `bareLf` when a line ends in LF only.
inline std::vector<std::string> crlfLines(const std::string& bytes, bool* bareLf = nullptr)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = bytes.find('\n', start)) != std::string::npos; start = nl + 1) {
        const bool cr = nl > start && bytes[nl - 1] == '\r';
        if (!cr && bareLf) *bareLf = true;
        lines.push_back(bytes.substr(start, nl - start - (cr ? 1 : 0)));
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start)); // unterminated last line
    return lines;
}

class SeparatorGuard {
public:
    explicit SeparatorGuard(char sep) : saved_(decimalSeparator()) { setDecimalSeparator(sep); }
    ~SeparatorGuard() { setDecimalSeparator(saved_); }

private:
    char saved_;
};

} // namespace kinetic_test

// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the animation-file tests: a scratch folder, whole-file reads and a guard
// that restores the decimal separator.
#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/NumberText.h"
#include "support/ScratchFiles.h"

namespace kinetic_test {

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

} // namespace kinetic_test

// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch files for the results, caption and report tests: a fresh folder per test, removed after.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "support/ScratchFiles.h"

// Splits text at CR LF; a final CR LF ends the last line (no empty line after it).
inline std::vector<std::string> splitCrLf(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

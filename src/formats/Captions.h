// SPDX-License-Identifier: GPL-3.0-or-later
// Row captions of the results grid, read from "scr.ini" beside the executable.
// A file that is valid UTF-8 is taken as it is; any other is Windows-1251 and converted to UTF-8.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf8.h" // isValidUtf8

// The grid shows captions for rows 1..99; further lines of the file are ignored.
inline constexpr int kMaxCaptionLines = 99;

// Windows-1251 bytes as UTF-8 (the one unassigned byte, 0x98, becomes U+FFFD).
std::string cp1251ToUtf8(std::string_view text);

// Reads the caption file by the text-file rules (CR LF or LF, lone CR dropped, Ctrl-Z ends it):
// at most kMaxCaptionLines lines, every line counting, empty ones included, each in UTF-8
// (a UTF-8 byte-order mark is dropped). A line longer than kMaxLineBytes is cut to that length
// (on a character boundary) and is the last line read. Throws InOutError when the file cannot be
// opened or read, or is not a regular file.
std::vector<std::string> readCaptions(const std::string& path);

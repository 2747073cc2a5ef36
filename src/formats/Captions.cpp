// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Captions.h"

#include <array>
#include <cstdint>

#include "base/TextFile.h"

namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHigh1251{
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\uFFFD', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

void appendUtf8(std::string& out, char16_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string cp1251ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xC0)
            appendUtf8(out, kHigh1251[c - 0x80]);
        else
            appendUtf8(out, static_cast<char16_t>(0x0410 + (c - 0xC0)));
    }
    return out;
}

std::vector<std::string> readCaptions(const std::string& path)
{
    TextReader reader(path);
    std::vector<std::string> lines;
    while (!reader.atEnd() && static_cast<int>(lines.size()) < kMaxCaptionLines) {
        lines.push_back(reader.readLine());
        if (!reader.lineCut()) continue;
        // A caption of 64 KiB is no caption: the file is not read any further, so that a
        // file of one endless line costs no more than its first piece. The cut must not leave
        // half a UTF-8 character that would make the whole file look like Windows-1251.
        lines.back().resize(withoutCutCharacter(lines.back()));
        break;
    }

    // The encoding is decided for the file as a whole: one stray 1251 byte makes every line 1251.
    // Line ends are ASCII and cannot split a UTF-8 sequence, so checking line by line is the same.
    bool utf8 = true;
    for (const auto& line : lines)
        if (!isValidUtf8(line)) utf8 = false;
    if (utf8) {
        if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF")) lines.front().erase(0, 3);
        return lines;
    }
    for (auto& line : lines)
        line = cp1251ToUtf8(line);
    return lines;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

#include <cstdint>

size_t utf8CharLength(std::string_view text, size_t at)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    const unsigned char c = s[at];
    if (c < 0x80) return 1;
    size_t extra = 0;
    uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return 0; // a continuation byte first, or C0/C1/F5..FF
    }
    if (n - at <= extra) return 0;
    for (size_t k = 1; k <= extra; ++k) {
        const unsigned char t = s[at + k];
        if ((t & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (t & 0x3F);
    }
    // Overlong three- and four-byte forms, surrogates and values past the last code point.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000)) return 0;
    if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
    if (cp > 0x10FFFF) return 0;
    return extra + 1;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const size_t len = utf8CharLength(text, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

size_t withoutCutCharacter(std::string_view text)
{
    // A character has at most four bytes: look back over at most three continuation bytes for
    // the lead byte, and drop it with them when it announces more bytes than follow.
    const size_t n = text.size();
    for (size_t back = 1; back <= 4 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(text[n - back]);
        if ((c & 0xC0) == 0x80) continue; // a continuation byte: the lead is further back
        size_t need = 1;
        if (c >= 0xC0 && c <= 0xDF)
            need = 2;
        else if (c >= 0xE0 && c <= 0xEF)
            need = 3;
        else if (c >= 0xF0 && c <= 0xF7)
            need = 4;
        return need > back ? n - back : n;
    }
    return n;
}

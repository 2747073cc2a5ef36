// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/MessageText.h"

#include "base/Utf8.h"

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void appendEscaped(std::string& out, unsigned char c)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

std::string visible(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t len = utf8CharLength(text, i);
        if (len == 0 || c < 0x20 || c == 0x7F) {
            appendEscaped(out, c);
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

} // namespace

std::string quoteText(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes) return elideMiddle(visible(text), maxBytes);
    // Only the two ends can be shown: escaping a 100 MB line whole to throw most of it away
    // would cost four times its size. Each end is at least maxBytes long before escaping, so
    // the characters split where the ends were cut fall in the elided middle.
    const std::string ends =
        visible(text.substr(0, maxBytes)) + visible(text.substr(text.size() - maxBytes));
    return elideMiddle(ends, maxBytes);
}

std::string elideMiddle(const std::string& text, size_t maxBytes)
{
    static const std::string kEllipsis = "…";
    if (text.size() <= maxBytes || maxBytes <= kEllipsis.size()) return text;
    // Two thirds of the room for the start, which names what failed; the rest for the end,
    // which holds the message's own words.
    const size_t room = maxBytes - kEllipsis.size();
    size_t head = room * 2 / 3;
    size_t tail = text.size() - (room - head);
    while (head > 0 && isContinuationByte(text[head]))
        --head;
    while (tail < text.size() && isContinuationByte(text[tail]))
        ++tail;
    return text.substr(0, head) + kEllipsis + text.substr(tail);
}

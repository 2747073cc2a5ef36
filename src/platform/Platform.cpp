#include "platform/Platform.h"

#include <cerrno>
#include <unistd.h>

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

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

bool systemCanWriteIn(const std::string& dir)
{
    // access() asks with the real user's rights and sees a read-only mount, which the mode bits
    // alone do not tell.
    if (::access(dir.c_str(), W_OK) == 0) return true;
    return errno != EACCES && errno != EROFS && errno != EPERM;
}

#include "platform/Platform.h"

#include <cerrno>
#include <unistd.h>

bool systemCanWriteIn(const std::string& dir)
{
    // access() asks with the real user's rights and sees a read-only mount, which the mode bits
    // alone do not tell.
    if (::access(dir.c_str(), W_OK) == 0) return true;
    return errno != EACCES && errno != EROFS && errno != EPERM;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileErrors.h"

#include <cerrno>
#include <string>

namespace {

const char* systemText(int code)
{
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return nullptr;
    }
}

int systemCode(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return 2;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case EMFILE:
    case ENFILE:
        return 4;
    case ENAMETOOLONG:
        return 3;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // past the file-size limit: to the user the same as a full disk
        return 101;
    default:
        return 0;
    }
}

} // namespace

InOutError inOutErrorFromCode(int code)
{
    if (const char* text = systemText(code)) return InOutError(code, text);
    return InOutError(code, "I/O error " + std::to_string(code));
}

InOutError inOutErrorFromErrno(int err)
{
    // An errno with no system code keeps its own number: it must not borrow the text of a
    // system code that happens to share it (errno 100 is not "Read beyond end of file").
    if (const int code = systemCode(err)) return inOutErrorFromCode(code);
    return InOutError(err, "I/O error " + std::to_string(err));
}

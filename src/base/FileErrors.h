// SPDX-License-Identifier: GPL-3.0-or-later
// The file errors the user sees: the system codes of the program's messages ("File not found",
// "Disk full", ...) and how an errno value maps onto them.
#pragma once
#include "base/Errors.h"

// The error for an errno value: ENOENT -> 2 "File not found", EACCES -> 5 "File access denied",
// ENOSPC and EFBIG (past the file-size limit) -> 101 "Disk full", ...; any errno without a system
// code -> that number, "I/O error <n>".
InOutError inOutErrorFromErrno(int err);

// The error for a system code: 2, 3, 4, 5, 100, 101 and 106 carry their own text ("Read beyond
// end of file", "Invalid numeric input", ...), any other code "I/O error <code>".
InOutError inOutErrorFromCode(int code);

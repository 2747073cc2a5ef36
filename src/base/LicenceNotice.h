// SPDX-License-Identifier: GPL-3.0-or-later
// The licence as the programs' --version states it, after their name and version.
#pragma once

inline constexpr const char* kLicenceNotice =
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it. "
    "There is NO WARRANTY, to the extent permitted by law.\n";

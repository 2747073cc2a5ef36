// SPDX-License-Identifier: GPL-3.0-or-later
// The drive table's CSV file: the header "omega,moment", then one point a line, the crank's
// speed in rad/s and the drive's moment in N·m. Fields are separated by ',' or ';' (the header's
// choice); with ';' a number may take '.' or ',' as its decimal separator, with ',' only '.'.
// Blanks around fields and blank lines are skipped.
#pragma once
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/WindowMessage.h"
#include "params/Drive.h"

// A table the file cannot give: "line <n>: <why>", for the window "строка <n>: <почему>".
class DriveFileError : public KinovarError, public RussianText {
public:
    DriveFileError(const std::string& message, std::string russian)
        : KinovarError(message), RussianText(std::move(russian))
    {
    }
};

// Reads the drive table of `path`: reading stops at the first point that breaks the table's
// rules (drivePointFault), naming its line; at most kMaxDrivePoints rows are read, and a table
// of fewer than two points is refused. Throws DriveFileError for a bad table and InOutError
// when the file cannot be read or is not a regular file.
std::vector<DrivePoint> readDriveCsv(const std::string& path);

// SPDX-License-Identifier: GPL-3.0-or-later
// The load table's CSV file: a header naming the columns, then one point a line.
//   angle,force                      Q by crank angle (degrees), toward the crank
//   angle,force_y                    Q by crank angle, its y component as given
//   stroke,force_toward,force_away   Q by the slider's position (a fraction of the stroke)
// Fields are separated by ',' or ';' (the header's choice); with ';' a number may take '.' or ','
// as its decimal separator, with ',' only '.'. Blanks around fields and blank lines are skipped.
#pragma once
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "base/WindowMessage.h"
#include "params/LoadTable.h"

// A table the file cannot give: "line <n>: <why>" ("line 4: the angles are not increasing"),
// for the window "строка <n>: <почему>".
class LoadFileError : public KinovarError, public RussianText {
public:
    LoadFileError(const std::string& message, std::string russian)
        : KinovarError(message), RussianText(std::move(russian))
    {
    }
};

// Reads the load table of `path` for a period of `period` degrees and checks it
// (checkLoadTable): reading stops at the first fault, which names its line. At most
// kMaxLoadPoints rows are read. Throws LoadFileError for a bad table and InOutError when the
// file cannot be read or is not a regular file.
LoadTable readLoadCsv(const std::string& path, int32_t period);

// SPDX-License-Identifier: GPL-3.0-or-later
// The drive table reader: any bytes either give a table that passes the drive's own check, whose
// moment is finite at any speed, or raise a typed error.
#include <cmath>

#include "FuzzFile.h"
#include "base/Errors.h"
#include "calc/TrueMotion.h"
#include "formats/DriveCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    DriveSpec drive;
    drive.kind = DriveKind::Table;
    try {
        drive.table = readDriveCsv(path);
    } catch (const KinovarError&) {
        return 0; // a refused file is an ordinary outcome
    }
    if (driveFault(drive)) fuzz::fail("an accepted table breaks its rules");
    for (const long double w : {-1e9L, 0.0L, 3.5L, 1e12L})
        if (!std::isfinite(driveMoment(drive, 0, w)))
            fuzz::fail("an accepted table gives a moment that is not finite");
    return 0;
}

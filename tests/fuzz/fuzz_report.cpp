// SPDX-License-Identifier: GPL-3.0-or-later
// The report reader: the parameter header of any bytes either loads or raises a typed error, and
// no infinity or NaN ever enters the parameter set.
#include <cmath>

#include "FuzzFile.h"
#include "base/Errors.h"
#include "params/ParamSet.h"
#include "formats/Report.h"

namespace {

// Every number of the set, stored or not: the defaults are finite, so a non-finite one came in.
bool everyFieldFinite(const ParamSet& p)
{
    for (double d : {p.l1, p.l2, p.b, p.fi0, p.fit0, p.fitt0, p.fidtt})
        if (!std::isfinite(d)) return false;
    for (long double x :
         {p.ac1, p.ac2, p.ac3, p.ac4, p.ac5, p.bc1,  p.bc2,  p.bc3, p.bc4,  p.bc5, p.m1,
          p.m2,  p.m3,  p.i1,  p.i2,  p.i3,  p.phi0, p.psi0, p.aux, p.mode, p.step})
        if (!std::isfinite(x)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    ParamSet p;
    setDefaults(p);
    try {
        readReportHeader(path, p);
    } catch (const KinovarError&) {
        // A refused file is an ordinary outcome; anything else escaping is a finding. The fields
        // stored before the refused line stay, so they must be finite as well.
    }
    if (!everyFieldFinite(p)) fuzz::fail("a non-finite value entered the parameter set");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The load table reader: any bytes either give a table that passes its own check, whose load is
// finite wherever the slider stands, or raise a typed error.
#include <cmath>

#include "FuzzFile.h"
#include "base/Errors.h"
#include "calc/Load.h"
#include "formats/LoadCsv.h"
#include "params/ParamSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    for (const int32_t period : {360, 720}) {
        ParamSet p;
        setDefaults(p);
        p.period = period;
        try {
            p.load = readLoadCsv(path, period);
        } catch (const KinovarError&) {
            continue; // a refused file is an ordinary outcome
        }
        if (!p.load.active() || checkLoadTable(p.load, period))
            fuzz::fail("an accepted table breaks its rules");
        for (const LoadStep s : {LoadStep{-1e9L, 20, -3}, LoadStep{0, -31, 0},
                                 LoadStep{719.9L, 0, 2}, LoadStep{1e300L, 35, 1}})
            if (!std::isfinite(loadForceY(p, s)))
                fuzz::fail("an accepted table gives a load that is not finite");
    }
    return 0;
}

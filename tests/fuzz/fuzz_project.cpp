// SPDX-License-Identifier: GPL-3.0-or-later
// The project reader: any bytes either load or raise a typed error; a loaded project holds only
// finite values within the table's ranges, and written again and read back it is the same set.
#include <cmath>
#include <cstring>

#include "FuzzFile.h"
#include "base/Errors.h"
#include "formats/ProjectFile.h"
#include "params/ParamTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    ProjectContent read;
    try {
        read = readProject(path);
    } catch (const KinovarError&) {
        return 0; // a refused file is an ordinary outcome; anything else escaping is a finding
    }
    for (const ParamInfo& info : kParams) {
        if (!info.asDouble && !info.asExtended) continue;
        const long double v = paramValue(read.params, info);
        if (!std::isfinite(v) || std::isinf(static_cast<double>(v)))
            fuzz::fail("a value beyond the double range entered the parameter set");
    }
    if (read.params.N < 1 || read.params.N > 90000) fuzz::fail("a step count out of range");
    // The writer takes whatever the reader took (a refusal here escapes as a finding), and
    // the text it writes is read back the same.
    const std::string text = projectText(read);
    if (parseProject(text).variants.size() != read.variants.size())
        fuzz::fail("a variant was lost on its way through a file");
    const ProjectContent again = parseProject(projectText(read.params));
    for (const ParamInfo& info : kParams) {
        const long double a = paramValue(read.params, info), b = paramValue(again.params, info);
        if (std::memcmp(&a, &b, 10) != 0) fuzz::fail("a value changed on its way through a file");
    }
    if (again.params.step != read.params.step || again.params.N != read.params.N ||
        again.params.cycles != read.params.cycles || again.params.mode != read.params.mode)
        fuzz::fail("a run setting changed on its way through a file");
    return 0;
}

// The report reader: the parameter header of any bytes either loads or raises a typed error.
#include "FuzzFile.h"
#include "base/Errors.h"
#include "params/ParamSet.h"
#include "present/Report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    ParamSet p;
    setDefaults(p);
    try {
        readReportHeader(path, p);
    } catch (const KinovarError&) {
        // A refused file is an ordinary outcome; anything else escaping is a finding.
    }
    return 0;
}

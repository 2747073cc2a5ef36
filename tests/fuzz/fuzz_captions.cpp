// SPDX-License-Identifier: GPL-3.0-or-later
// The scr.ini reader: any bytes give at most 99 captions, each valid UTF-8, or a typed error.
#include "FuzzFile.h"
#include "base/Errors.h"
#include "formats/Captions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    try {
        const std::vector<std::string> lines = readCaptions(path);
        if (lines.size() > static_cast<size_t>(kMaxCaptionLines)) fuzz::fail("too many captions");
        for (const std::string& line : lines)
            if (!isValidUtf8(line)) fuzz::fail("a caption is not valid UTF-8");
    } catch (const KinovarError&) {
    }
    return 0;
}

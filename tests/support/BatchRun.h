// SPDX-License-Identifier: GPL-3.0-or-later
// Runs kinovar-batch in-process and keeps its exit status and both output streams.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "app/Batch.h"

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

inline BatchRun batch(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = runBatch(args, out, err);
    return {status, out.str(), err.str()};
}

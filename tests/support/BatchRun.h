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
    std::string err;           // standard error without the warning about the points
    bool pointsWarned = false; // whether the run warned that the points contradict the lengths
};

// The warning the batch gives, before a run, about points that contradict the lengths: the
// default points (all at O) and the legacy worked sets draw it, and the tests of other
// messages read standard error without it.
inline bool cutPointWarning(std::string& err)
{
    const std::string head = "kinovar-batch: Координаты точек не согласуются";
    const std::string tail = "по длинам.\n";
    const size_t start = err.find(head);
    if (start == std::string::npos) return false;
    const size_t end = err.find(tail, start);
    if (end == std::string::npos) return false;
    err.erase(start, end + tail.size() - start);
    return true;
}

inline BatchRun batch(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = runBatch(args, out, err);
    BatchRun run{status, out.str(), err.str()};
    run.pointsWarned = cutPointWarning(run.err);
    return run;
}

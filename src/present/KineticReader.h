// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and checking "Kinetic.ini" for the animator: the header, every step block and "END",
// with either decimal separator; any fault names the file and the line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Errors.h"

// One step of the motion: angles in degrees, positions in metres.
struct KineticFrame {
    double crank = 0, rod = 0;
    double xa = 0, ya = 0;
    double xb = 0, yb = 0;
    double xs = 0, ys = 0;
};

// The whole file: the header values and one frame per step (frames.size() == N).
struct KineticData {
    double totalAngle = 0;
    int mode = 0;
    double l1 = 0, l2 = 0, b = 0;
    int32_t N = 0;
    std::vector<KineticFrame> frames;
};

// A file that is missing, unreadable or malformed. what() is the full message for the user;
// line() is the 1-based line at fault, 0 when the file could not be opened at all.
class KineticFileError : public KinovarError {
public:
    KineticFileError(const std::string& path, int line, const std::string& message);
    const std::string& path() const { return path_; }
    int line() const { return line_; }

private:
    std::string path_;
    int line_;
};

// Reads `path` by the program's text-file rules; numbers may use '.' or ',' as the separator.
// Checks that the header converts (N an integer from 1 to kMaxKineticSteps), line 7 is "START:",
// there are N blocks of eight numbers each ending in "---", and then "END" (anything after it is
// ignored). Refuses a path that is not a regular file (naming what it is) before opening it, and
// a file whose drawing (crank circle, guide, positions) spreads over more than 1E150 m on an
// axis. Throws KineticFileError on the first fault, a read error included; its message quotes
// the path and the line as quoteText does and is at most kQuoteBytes long.
KineticData readKinetic(const std::string& path);

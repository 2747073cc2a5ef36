// SPDX-License-Identifier: GPL-3.0-or-later
// What the reader of "Kinetic.ini" accepts, shared with its writer so that every file written can
// be read back: the numbers, the step count and the spread of the drawing.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The most steps a file may hold: the most the program computes.
inline constexpr int32_t kMaxKineticSteps = 90000;

// The widest the drawing may spread on an axis, in metres. Both views square lengths of this
// size, so a larger spread could overflow a double there; no mechanism comes near it.
inline constexpr double kMaxKineticSpread = 1e150;

// The spread of everything the animator draws (the crank circle, the guide, every position), per
// axis, starting from the ground pivot O, which is always drawn.
class KineticSpread {
public:
    // Takes a coordinate on one axis; false when the spread on that axis grows past the limit.
    bool add(bool onX, double v);

private:
    double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
};

// A number of the file as the reader takes it: '.' or ',' as the separator, rounded to double;
// nothing when the text is no number or lies beyond the range of a double.
std::optional<double> kineticNumber(std::string_view text);

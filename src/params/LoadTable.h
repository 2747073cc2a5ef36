// SPDX-License-Identifier: GPL-3.0-or-later
// The working load on the slider: a force along the guide given by crank angle or by the
// slider's position, held with the other inputs so that every copy of the parameters carries it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the load's table is read: no load, Q by crank angle over one period, or Q by the slider's
// position as a fraction of the stroke (one column for each way the slider moves).
enum class LoadKind : uint8_t { None, ByAngle, ByStroke };

// Which way a positive Q acts: toward the crank's pivot (as gas pressure pushes a piston), or
// along y as given (its y component directly). A table by stroke always acts toward the crank.
enum class LoadDirection : uint8_t { TowardCrank, AlongY };

// One point: x is the crank angle in degrees (ByAngle) or the stroke fraction (ByStroke); force
// is Q in N (ByStroke: while the slider moves toward the crank) and forceAway is Q while it moves
// away (ByStroke only).
struct LoadPoint {
    long double x = 0;
    long double force = 0;
    long double forceAway = 0;
    bool operator==(const LoadPoint&) const = default;
};

struct LoadTable {
    LoadKind kind = LoadKind::None;
    LoadDirection direction = LoadDirection::TowardCrank;
    std::vector<LoadPoint> points;

    // A load is set: the calculation applies it. Points of a table of kind None are ignored.
    bool active() const { return kind != LoadKind::None; }
    bool operator==(const LoadTable&) const = default;
};

// Limits of a table: the rows it may hold and the largest |Q| in N.
inline constexpr size_t kMaxLoadPoints = 100000;
inline constexpr long double kMaxLoadForce = 1e12L;

// The first point that makes a table unusable, and why ("angles not increasing", ...).
struct LoadTableFault {
    size_t point; // index into points; points.size() for a table without points
    std::string why;
};

// Checks a table against its rules, for a period of `period` degrees (360 or 720): nothing for a
// table of kind None or a usable one; otherwise its first fault in point order. A usable table
// has 1..kMaxLoadPoints points, every value finite, |Q| <= kMaxLoadForce, x strictly increasing,
// in [0, period) by angle and in [0, 1] by stroke.
std::optional<LoadTableFault> checkLoadTable(const LoadTable& table, int32_t period);

// The Russian text of a reason checkLoadPoint or checkLoadTable gives, for the window: "the
// angles are not increasing" -> "углы не возрастают"; any other text comes back unchanged.
std::string russianLoadFault(const std::string& why);

// The check of one point of a table of `kind` (not None), after `previous` (nullptr for the
// first): why it breaks the rules, or nothing. A reader checks each point as it comes.
std::optional<std::string> checkLoadPoint(LoadKind kind, int32_t period, const LoadPoint* previous,
                                          const LoadPoint& point);

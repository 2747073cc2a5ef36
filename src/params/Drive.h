// SPDX-License-Identifier: GPL-3.0-or-later
// What turns the crank in the true motion: the constant moment of the flywheel method, a
// motor's static characteristic, or a table of the moment against the crank's speed. Held with
// the other inputs so that every copy of the parameters carries it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The drive's kind: the constant moment M_d (the period's mean moment of the resistances, which
// the flywheel method calls the driving moment), the linear working part of an induction motor,
// or a table.
enum class DriveKind : uint8_t { Constant, Motor, Table };

// How the crank moves: as prescribed (Fit0, Fitt0, +Fitt), or by the true motion under the
// machine's drive and flywheel.
enum class MotionLaw : uint8_t { Prescribed, True };

// The names the files, --set and the batch give the laws and the drives.
inline constexpr std::pair<MotionLaw, const char*> kMotionNames[] = {
    {MotionLaw::Prescribed, "prescribed"}, {MotionLaw::True, "true"}};
inline constexpr std::pair<DriveKind, const char*> kDriveNames[] = {
    {DriveKind::Constant, "constant"}, {DriveKind::Motor, "motor"}, {DriveKind::Table, "table"}};

// The name of a law or a drive, and the law or drive of a name (nullopt for none).
const char* motionName(MotionLaw law);
const char* driveName(DriveKind kind);
std::optional<MotionLaw> motionByName(std::string_view name);
std::optional<DriveKind> driveByName(std::string_view name);

// One point of a drive table: the crank's speed ω in rad/s and the moment M in N·m.
struct DrivePoint {
    long double omega = 0;
    long double moment = 0;
    bool operator==(const DrivePoint&) const = default;
};

struct DriveSpec {
    DriveKind kind = DriveKind::Constant;
    // Motor: M(ω) = Mn·(ω0 − ω) / (ω0 − ωn), from the nominal moment, the nominal speed and the
    // synchronous speed.
    long double nominalMoment = 0;
    long double nominalSpeed = 0;
    long double synchronousSpeed = 0;
    std::vector<DrivePoint> table; // Table: ω strictly increasing
    bool operator==(const DriveSpec&) const = default;
};

// Limits of a table: the rows it may hold, the largest |M| in N·m and the largest ω in rad/s.
inline constexpr size_t kMaxDrivePoints = 10000;
inline constexpr long double kMaxDriveMoment = 1e12L;
inline constexpr long double kMaxDriveSpeed = 1e9L;

// Why a drive cannot be used: in English for the batch and in Russian for the window.
struct DriveFault {
    std::string why;
    std::string russian;
};

// Why the drive cannot be used, or nothing when it can. A motor needs finite values with
// Mn > 0 and 0 <= ωn < ω0 <= kMaxDriveSpeed; a table needs 2..kMaxDrivePoints points, every value
// finite, 0 <= ω <= kMaxDriveSpeed strictly increasing and |M| <= kMaxDriveMoment. The
// constant drive always can.
std::optional<DriveFault> driveFault(const DriveSpec& drive);

// The check of one table point after `previous` (nullptr for the first): why it breaks the
// table's rules, or nothing. A reader checks each point as it comes.
std::optional<DriveFault> drivePointFault(const DrivePoint& point, const DrivePoint* previous);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/Drive.h"

#include <cmath>

const char* motionName(MotionLaw law)
{
    for (const auto& [value, name] : kMotionNames)
        if (value == law) return name;
    return "";
}

const char* driveName(DriveKind kind)
{
    for (const auto& [value, name] : kDriveNames)
        if (value == kind) return name;
    return "";
}

std::optional<MotionLaw> motionByName(std::string_view name)
{
    for (const auto& [value, known] : kMotionNames)
        if (name == known) return value;
    return std::nullopt;
}

std::optional<DriveKind> driveByName(std::string_view name)
{
    for (const auto& [value, known] : kDriveNames)
        if (name == known) return value;
    return std::nullopt;
}

std::optional<DriveFault> drivePointFault(const DrivePoint& point, const DrivePoint* previous)
{
    if (!std::isfinite(point.omega) || !std::isfinite(point.moment))
        return DriveFault{"a value is not finite", "значение не является конечным числом"};
    if (point.omega < 0 || point.omega > kMaxDriveSpeed)
        return DriveFault{"the speed lies outside [0, 1e9] rad/s",
                          "скорость вне пределов [0, 1e9] рад/с"};
    if (std::fabs(point.moment) > kMaxDriveMoment)
        return DriveFault{"|M| exceeds 1e12 N·m", "|M| больше 1e12 Н·м"};
    if (previous && !(point.omega > previous->omega))
        return DriveFault{"the speeds are not increasing", "скорости не возрастают"};
    return std::nullopt;
}

std::optional<DriveFault> driveFault(const DriveSpec& drive)
{
    switch (drive.kind) {
    case DriveKind::Constant:
        return std::nullopt;
    case DriveKind::Motor: {
        const long double mn = drive.nominalMoment, wn = drive.nominalSpeed,
                          w0 = drive.synchronousSpeed;
        if (!std::isfinite(mn) || !std::isfinite(wn) || !std::isfinite(w0))
            return DriveFault{"the motor's values must be finite",
                              "параметры двигателя должны быть конечными числами"};
        if (!(mn > 0) || mn > kMaxDriveMoment)
            return DriveFault{"the motor's nominal moment must lie in (0, 1e12] N·m",
                              "номинальный момент двигателя должен лежать в (0, 1e12] Н·м"};
        if (!(wn >= 0 && wn < w0) || w0 > kMaxDriveSpeed)
            return DriveFault{"the motor's speeds must satisfy 0 <= ω_n < ω_0 <= 1e9 rad/s",
                              "скорости двигателя должны удовлетворять 0 ≤ ωн < ω0 ≤ 1e9 рад/с"};
        return std::nullopt;
    }
    case DriveKind::Table: {
        if (drive.table.size() < 2 || drive.table.size() > kMaxDrivePoints)
            return DriveFault{"the drive table needs 2 to 10000 points",
                              "в таблице привода нужно от 2 до 10000 точек"};
        for (size_t k = 0; k < drive.table.size(); ++k)
            if (auto fault =
                    drivePointFault(drive.table[k], k > 0 ? &drive.table[k - 1] : nullptr)) {
                const std::string n = std::to_string(k + 1);
                return DriveFault{"point " + n + ": " + fault->why,
                                  "точка " + n + ": " + fault->russian};
            }
        return std::nullopt;
    }
    }
    return DriveFault{"unknown drive", "неизвестный вид привода"};
}

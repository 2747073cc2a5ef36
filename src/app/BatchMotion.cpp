// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchMotion.h"

#include <cmath>

#include "app/BatchParams.h"
#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "formats/DriveCsv.h"

void applyMotionOption(ParamSet& p, const std::string& text)
{
    const std::optional<MotionLaw> law = motionByName(text);
    if (!law)
        throw BatchBadInput{"--motion '" + quoteText(text) + "': expected true or prescribed"};
    p.motion = *law;
}

void applyFlywheelOption(ParamSet& p, const std::string& text)
{
    try {
        const long double j = ParseReal(text, '.');
        if (!(j >= 0) || !std::isfinite(static_cast<double>(j))) throw ConvertError("");
        p.flywheel = j;
    } catch (const ConvertError&) {
        throw BatchBadInput{"--flywheel '" + quoteText(text) +
                            "': expected the flywheel's moment of inertia, a number >= 0"};
    }
}

void applyDriveOption(ParamSet& p, const std::string& text)
{
    const std::string option = "--drive '" + quoteText(text) + "': ";
    if (text == "constant") {
        p.drive = DriveKind::Constant;
        return;
    }
    if (text.starts_with("table:")) {
        try {
            p.driveTable = readDriveCsv(text.substr(6));
        } catch (const KinovarError& e) {
            throw BatchBadInput{option + e.what()};
        }
        p.drive = DriveKind::Table;
        return;
    }
    if (text.starts_with("motor:")) {
        long double v[3] = {0, 0, 0};
        size_t from = 6;
        for (int k = 0; k < 3; ++k) {
            const size_t end = text.find(':', from);
            if ((k < 2) == (end == std::string::npos))
                throw BatchBadInput{option + "expected motor:M_n:ω_n:ω_0"};
            try {
                v[k] = ParseReal(text.substr(from, end - from), '.');
            } catch (const ConvertError& e) {
                throw BatchBadInput{option + e.what()};
            }
            from = end + 1;
        }
        DriveSpec motor;
        motor.kind = DriveKind::Motor;
        motor.nominalMoment = v[0];
        motor.nominalSpeed = v[1];
        motor.synchronousSpeed = v[2];
        if (const auto fault = driveFault(motor)) throw BatchBadInput{option + fault->why};
        p.drive = DriveKind::Motor;
        p.motorMoment = v[0];
        p.motorSpeed = v[1];
        p.motorSynchronous = v[2];
        return;
    }
    throw BatchBadInput{option + "expected constant, motor:M_n:ω_n:ω_0 or table:FILE"};
}

// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --summary: every figure a script reads, by its key, against the same run's CSV
// worked over by hand (stroke, pressure angle, acceleration, extremes, the flywheel's mean
// moment and the relations between its figures). A figure under a wrong key is missed here.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "params/ParamSet.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

// Every column of the batch CSV by its name, steps 1..N, with every digit the CSV holds, so that
// values equal as doubles keep their order.
std::map<std::string, std::vector<long double>> columns(const std::string& csv)
{
    std::istringstream in(csv);
    std::string line, cell;
    std::getline(in, line);
    std::vector<std::string> names;
    std::istringstream header(line);
    while (std::getline(header, cell, ','))
        names.push_back(cell);
    std::map<std::string, std::vector<long double>> out;
    while (std::getline(in, line)) {
        std::istringstream row(line);
        for (size_t k = 0; std::getline(row, cell, ',') && k < names.size(); ++k)
            out[names[k]].push_back(std::strtold(cell.c_str(), nullptr));
    }
    return out;
}

// The first step holding a row's least (or greatest) value, where values within 4 ulps of a
// double count as equal: the summary writes doubles, and a periodic run repeats its values only
// to the last bits of the extended arithmetic.
size_t firstExtreme(const std::vector<long double>& v, bool greatest)
{
    const long double m =
        greatest ? *std::max_element(v.begin(), v.end()) : *std::min_element(v.begin(), v.end());
    for (size_t i = 0; i < v.size(); ++i)
        if (std::fabs(v[i] - m) <= 4 * 0x1p-52L * std::max(std::fabs(v[i]), std::fabs(m))) return i;
    return 0;
}

double largestMagnitude(const std::vector<long double>& v)
{
    long double m = 0;
    for (long double x : v)
        m = std::max(m, std::fabs(x));
    return static_cast<double>(m);
}

} // namespace

TEST(SummaryKeys, EveryFigureStandsUnderItsKey)
{
    ScratchDir dir;
    // At 1°, the step the peaks and the flywheel are read at: the summary reads them from this
    // very run, whose CSV the figures are checked against.
    const double omega = 2.5, delta = 0.1, stepDegrees = 1;
    const BatchRun run = batch({"--set",      "l1=10",     "--set",
                                "l2=40",      "--set",     "b=5",
                                "--autofill", "--set",     "step=1",
                                "--set",      "cycles=15", "--set",
                                "fit0=2.5",   "--set",     "fitt0=0",
                                "--set",      "fidtt=0",   "--set",
                                "delta=0.1",  "--csv",     dir.file("run.csv"),
                                "--summary",  "-"});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    const nlohmann::json doc = nlohmann::json::parse(run.out);
    auto c = columns(readBytes(dir.file("run.csv")));
    const size_t n = c["yb"].size();
    ASSERT_EQ(n, 361u);

    std::vector<long double> pressure;
    for (size_t i = 0; i < n; ++i)
        pressure.push_back(
            std::atan2(std::fabs(c["xb"][i] - c["xa"][i]), std::fabs(c["yb"][i] - c["ya"][i])) *
            180 / std::acos(-1.0));
    const size_t ybHigh = firstExtreme(c["yb"], true);
    const size_t moLow = firstExtreme(c["mo"], false);
    const size_t moHigh = firstExtreme(c["mo"], true);
    // Over the turn (360 steps of 1°) the crank does the work e(361) − e(1): its mean moment.
    const double turn = 360 * stepDegrees * std::acos(-1.0) / 180;
    const double meanMoment = (c["e"][360] - c["e"][0]) / turn;
    const nlohmann::json& fly = doc["flywheel"];
    const auto value = [&](const char* section, const char* key, const char* field) {
        const nlohmann::json& at = doc.at(section).at(key);
        return field ? at.at(field).get<double>() : at.get<double>();
    };

    const struct {
        const char* section;
        const char* key;
        const char* field; // inside the key's object, or none
        std::function<double()> expected;
        double tolerance; // relative
    } cases[] = {
        // Between the dead centres: √((l2 + l1)² − b²) − √((l2 − l1)² − b²).
        {"peaks", "stroke", "value", [&] { return std::sqrt(2475.0) - std::sqrt(875.0); }, 1e-12},
        {"peaks", "pressure_angle", "value", [&] { return largestMagnitude(pressure); }, 1e-12},
        {"peaks", "slider_acceleration", "value", [&] { return largestMagnitude(c["ybtt"]); },
         1e-15},
        {"peaks", "slider_speed", "value", [&] { return largestMagnitude(c["ybt"]); }, 1e-15},
        {"peaks", "nb", "value", [&] { return largestMagnitude(c["nb"]); }, 1e-15},
        {"extremes", "mo", "min", [&] { return c["mo"][moLow]; }, 1e-15},
        {"extremes", "mo", "max", [&] { return c["mo"][moHigh]; }, 1e-15},
        {"extremes", "mo", "min_step", [&] { return double(moLow + 1); }, 0},
        {"extremes", "mo", "max_step", [&] { return double(moHigh + 1); }, 0},
        {"extremes", "yb", "max_angle",
         [&] { return stepDegrees * double(ybHigh) + c["fi"][0] * 180 / std::acos(-1.0); }, 1e-9},
        {"flywheel", "omega_mean", nullptr, [&] { return omega; }, 1e-15},
        {"flywheel", "delta", nullptr, [&] { return delta; }, 0},
        {"flywheel", "mean_moment", nullptr, [&] { return meanMoment; }, 1e-12},
        {"flywheel", "mean_power", nullptr, [&] { return meanMoment * omega; }, 1e-12},
        {"flywheel", "required_inertia", nullptr,
         [&] { return fly["energy_swing"].get<double>() / (delta * omega * omega); }, 1e-12},
        {"flywheel", "flywheel_inertia", nullptr,
         [&] { return fly["required_inertia"].get<double>() - fly["crank_inertia"].get<double>(); },
         1e-12},
        {"flywheel", "first_step", nullptr, [&] { return 1.0; }, 0},
        {"flywheel", "last_step", nullptr, [&] { return 361.0; }, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.section) + "." + k.key + (k.field ? "." : "") +
                     (k.field ? k.field : ""));
        double got = 0;
        ASSERT_NO_THROW(got = value(k.section, k.key, k.field));
        const double want = k.expected();
        EXPECT_NEAR(got, want, k.tolerance * std::max(1.0, std::fabs(want)));
    }
    // Every quantity's extremes: the first step of its least and greatest value in the CSV, and
    // the crank angle there (the fi column, in radians).
    ASSERT_TRUE(doc.at("extremes").is_object());
    int checked = 0;
    for (const auto& [key, extremes] : doc["extremes"].items()) {
        if (!c.count(key) || key == "fi") continue;
        SCOPED_TRACE("extremes." + key);
        const std::vector<long double>& v = c[key];
        // Of equal values the first step (std::minmax_element would give the last greatest).
        const size_t lowAt = firstExtreme(v, false);
        const size_t highAt = firstExtreme(v, true);
        const long double degrees = 180 / std::acos(-1.0L);
        EXPECT_EQ(extremes.at("min").get<double>(), static_cast<double>(v[lowAt]));
        EXPECT_EQ(extremes.at("max").get<double>(), static_cast<double>(v[highAt]));
        EXPECT_EQ(extremes.at("min_step").get<size_t>(), lowAt + 1);
        EXPECT_EQ(extremes.at("max_step").get<size_t>(), highAt + 1);
        EXPECT_NEAR(extremes.at("min_angle").get<double>(),
                    static_cast<double>(c["fi"][lowAt] * degrees), 1e-9);
        EXPECT_NEAR(extremes.at("max_angle").get<double>(),
                    static_cast<double>(c["fi"][highAt] * degrees), 1e-9);
        ++checked;
    }
    EXPECT_GT(checked, 60);
    EXPECT_EQ(doc.at("steps").get<int>(), 361);
    EXPECT_EQ(doc.at("figures_from").at("reused").get<bool>(), true);
    EXPECT_EQ(doc.at("period").get<double>(), 360);
    EXPECT_TRUE(doc.at("moment_check").is_number());
    EXPECT_TRUE(fly.at("energy_swing").is_number());
    EXPECT_FALSE(doc.contains("flywheel_error"));
}

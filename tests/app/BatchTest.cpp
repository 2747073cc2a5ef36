// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Batch.h"
#include "base/BuildInfo.h"
#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "formats/ResultCsv.h"
#include "params/RunSettings.h"
#include "support/BatchRun.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep))
        parts.push_back(part);
    return parts;
}

// The CSV as rows of fields; the header is row 0.
std::vector<std::vector<std::string>> parseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : split(text, '\n'))
        rows.push_back(split(line, ','));
    return rows;
}

// A scratch folder of this test, removed at the end.
class BatchFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("kinovar-batch-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string file(const std::string& name, const std::string& content) const
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

const std::vector<std::string> kSecondSet = {
    "--set", "ac1=5",  "--set", "bc1=1", "--set", "ac2=12.5", "--set", "bc2=12.25",
    "--set", "ac4=10", "--set", "bc4=0", "--set", "ac5=15",   "--set", "bc5=24.5"};

} // namespace

TEST(Batch, CsvReadsBackToTheStoreBitForBit)
{
    std::vector<std::string> args = kSecondSet;
    args.insert(args.end(), {"--set", "cycles=2", "--set", "mode=720", "--csv", "-"});
    const BatchRun run = batch(args);
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    EXPECT_EQ(run.err, "");

    ParamSet p;
    setDefaults(p);
    p.ac1 = 5, p.bc1 = 1, p.ac2 = 12.5L, p.bc2 = 12.25L, p.ac4 = 10, p.ac5 = 15, p.bc5 = 24.5L;
    p.N = 49;
    p.mode = 1;
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);

    const auto csv = parseCsv(run.out);
    ASSERT_EQ(csv.size(), 50u);
    ASSERT_EQ(csv[0].size(), 101u);
    EXPECT_EQ(csv[0][0], "step");
    for (int k = 0; k < 100; ++k)
        EXPECT_EQ(csv[0][static_cast<size_t>(k) + 1], csvColumnName(k));
    for (int i = 1; i <= 49; ++i) {
        const auto& line = csv[static_cast<size_t>(i)];
        ASSERT_EQ(line.size(), 101u);
        EXPECT_EQ(line[0], std::to_string(i));
        for (int k = 0; k < 100; ++k) {
            const long double back =
                std::strtold(line[static_cast<size_t>(k) + 1].c_str(), nullptr);
            EXPECT_EQ(back, (*R)(k, i)) << rowName(k) << " at " << i;
            EXPECT_EQ(std::signbit(back), std::signbit((*R)(k, i)));
        }
    }
    // Spot checks of the worked tables through the text alone.
    const auto column = [&](const char* name) {
        for (size_t c = 0; c < csv[0].size(); ++c)
            if (csv[0][c] == name) return c;
        return size_t{0};
    };
    EXPECT_NEAR(std::stod(csv[1][column("psum")]), 1228.467367, 5e-7);
    EXPECT_NEAR(std::stod(csv[1][column("xc2")]), 12.5, 5e-7);
    EXPECT_NEAR(std::stod(csv[13][column("psi")]), -0.001104, 5e-7);
}

TEST(Batch, ColumnNamesAndNumbers)
{
    EXPECT_EQ(csvColumnName(0), "fi");
    EXPECT_EQ(csvColumnName(69), "R69");
    EXPECT_EQ(csvColumnName(76), "foy");
    EXPECT_EQ(csvColumnName(99), "R99");
    EXPECT_EQ(csvNumber(0), "0");
    EXPECT_EQ(csvNumber(-0.0L), "-0");
    EXPECT_EQ(csvNumber(0.1L), "0.100000000000000000001");
    EXPECT_EQ(csvNumber(-0.375L), "-0.375");
    EXPECT_EQ(csvNumber(0x1p100L), "1.2676506002282294015e+30");
    const long double third = 1.0L / 3;
    EXPECT_EQ(std::strtold(csvNumber(third).c_str(), nullptr), third);
}

TEST(Batch, RunSettingsKeys)
{
    const auto rows = [](const std::vector<std::string>& args) {
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchDone) << run.err;
        return parseCsv(run.out);
    };
    EXPECT_EQ(rows({"--set", "cycles=0", "--csv", "-"}).size(), 2u);
    EXPECT_EQ(rows({"--set", "cycles=3", "--csv", "-"}).size(), 74u);
    const auto five = rows({"--set", "step=5", "--set", "fi0=0", "--csv", "-"});
    EXPECT_EQ(std::strtold(five[2][1].c_str(), nullptr), 5 * kRadPerDeg);
    EXPECT_EQ(batch({"--set", "cycles=3749"}).status, kBatchDone); // the largest run
}

// The batch takes exactly the steps the window's step box offers, as the box sets them.
TEST(Batch, StepsAreTheWindowsSteps)
{
    for (size_t i = 0; i < kTuneItems.size(); ++i) {
        std::string text = kTuneItems[i].text;
        if (text.starts_with("ext ")) text.erase(0, 4);
        // From 0 the default mechanism stops at 180 degrees; the steps before are written.
        const BatchRun run = batch({"--set", "step=" + text, "--set", "fi0=0", "--csv", "-"});
        ASSERT_NE(run.status, kBatchBadInput) << text << run.err;
        ParamSet window;
        selectStep(window, static_cast<int>(i), '.');
        EXPECT_EQ(std::strtold(parseCsv(run.out)[2][1].c_str(), nullptr), window.step) << text;
    }
    for (const char* step : {"0", "-15", "7", "1e400", "abc", "0.02"}) {
        const BatchRun run = batch({"--set", std::string("step=") + step});
        EXPECT_EQ(run.status, kBatchBadInput) << step;
        EXPECT_NE(run.err.find("--set step="), std::string::npos) << run.err;
    }
}

TEST_F(BatchFiles, ParamsFileThenSetOptionsInOrder)
{
    const std::string params = file("p.txt", "# a study\r\n\r\n  l1 = 12\r\nm1=7\n\tfi0 =\t0.5  \n"
                                             "l2 = 27\nb = 15\n");
    // --set applies after every params file wherever it stands; two --set apply in order.
    const BatchRun run =
        batch({"--set", "m1=3", "--params", params, "--set", "m1 = 4.5", "--csv", path("out.csv")});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    EXPECT_EQ(run.out, "");
    std::ifstream in(path("out.csv"));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto csv = parseCsv(text);
    ASSERT_EQ(csv.size(), 26u);
    EXPECT_EQ(std::strtold(csv[1][1].c_str(), nullptr), rad(0.5L)); // fi from fi0
    // fx1... rows of link 1 are 0 with C1 at 0; its rotational energy uses i1 only, so check the
    // crank's weight through the force at O instead: foy = fay + fy1 + m1 * 9.8.
    const long double foy = std::strtold(csv[1][77].c_str(), nullptr);
    const long double fay = std::strtold(csv[1][73].c_str(), nullptr);
    EXPECT_EQ(foy, fay + 0 + 4.5L * 9.8L);
}

TEST_F(BatchFiles, BadInputWritesNothing)
{
    const std::string bad = file("bad.txt", "l1 = 10\n# fine so far\nxx = 5\n");
    const std::string noEq = file("noeq.txt", "\nl1 10\n");
    const std::string badValue = file("value.txt", "m2 = 1,5\n");
    struct Case {
        std::vector<std::string> args;
        std::string message; // part of the message on standard error
    };
    const Case cases[] = {
        {{"--set", "zz=1"}, "--set zz=1: unknown key 'zz'"},
        {{"--set", "l1=abc"}, "'abc' is not a valid floating point value"},
        {{"--set", "l1"}, "expected KEY=VALUE"},
        {{"--set", "l1=1e400"}, "'1e400' is not a valid floating point value"},
        {{"--set", "cycles=3750"}, "exceed the limit"},
        {{"--set", "cycles=-1"}, "'-1' is not a cycle count"},
        {{"--set", "cycles=1.5"}, "'1.5' is not a valid integer value"},
        {{"--set", "mode=180"}, "'180' is not 360 or 720"},
        {{"--params", bad}, bad + ":3: unknown key 'xx': xx = 5"},
        {{"--params", noEq}, noEq + ":2: expected KEY = VALUE: l1 10"},
        {{"--params", badValue}, badValue + ":1: '1,5' is not a valid floating point value"},
        {{"--params", path("missing.txt")}, path("missing.txt") + ": File not found"},
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--help=1"}, "--help takes no value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--csv", path("out.csv")});
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(path("out.csv"))) << c.message;
    }
    BatchRun run = batch({"--csv", path("no/such/dir.csv")});
    EXPECT_EQ(run.status, kBatchBadInput);
    EXPECT_NE(run.err.find("File not found"), std::string::npos);
    run = batch({"--params"});
    EXPECT_EQ(run.status, kBatchBadInput);
    EXPECT_NE(run.err.find("--params needs FILE"), std::string::npos);
}

TEST(Batch, StageFaultStillWritesTheStore)
{
    std::vector<std::string> args = kSecondSet;
    args.insert(args.end(), {"--set", "fi0=0", "--csv", "-", "--decimal-separator", ","});
    const BatchRun run = batch(args);
    EXPECT_EQ(run.status, kBatchStageFailed);
    // Each message names the step and crank angle where its stage stopped, with the separator
    // of the run's other outputs (15° steps from 0°). The reactions stop where the rows the
    // kinematic stage left at 0 put B on A.
    EXPECT_EQ(run.err, std::string(kKinematicFault) + "\nШаг 13, угол кривошипа 180,00°\n" +
                           kEnergyFault + "\nШаг 14, угол кривошипа 195,00°\n" + kEquilibriumFault +
                           "\nШаг 14, угол кривошипа 195,00°\n" +
                           "kinovar-batch: Расчёт остановлен при φ = 180,00° (шаг 13 из 25), "
                           "результаты только для шагов 1–12: Критическая ошибка на этапе "
                           "кинематического анализа.\n");
    // Only the steps before the first fault: step 13, partly written, is not a result.
    const auto csv = parseCsv(run.out);
    ASSERT_EQ(csv.size(), 13u);
    EXPECT_EQ(csv[12][0], "12");
    EXPECT_NE(csv[12][19], "0"); // psit of step 12 was computed
}

// In 720 mode an angle too large to place on the 720-degree cycle stops the kinematic stage at
// step 1, before the rod angle: the run fails rather than leaving the rows silently unwritten.
TEST(Batch, RodBranchFaultIn720ModeFailsTheRun)
{
    const BatchRun run = batch({"--set", "mode=720", "--set", "fi0=1e22", "--csv", "-"});
    EXPECT_EQ(run.status, kBatchStageFailed);
    EXPECT_TRUE(run.err.starts_with(std::string(kKinematicFault) +
                                    "\nШаг 1, угол кривошипа 1E22°\n" + kEnergyFault +
                                    "\nШаг 2, угол кривошипа 1E22°\n"))
        << run.err;
    EXPECT_NE(run.err.find("(шаг 1 из 25), результатов нет"), std::string::npos) << run.err;
    // No step was computed whole: the CSV holds its header alone.
    const auto csv = parseCsv(run.out);
    ASSERT_EQ(csv.size(), 1u);
    EXPECT_EQ(csv[0][0], "step");
}

TEST(Batch, ReadsPeriodWhateverTheSeparator)
{
    const BatchRun run = batch({"--set", "m1=2.5", "--decimal-separator", ","});
    EXPECT_EQ(run.status, kBatchDone) << run.err;
}

TEST(Batch, HelpPrintsTheUsage)
{
    const BatchRun run = batch({"--set", "l1=1", "--help"});
    EXPECT_EQ(run.status, kBatchDone);
    EXPECT_EQ(run.out.rfind("Usage: kinovar-batch [--params FILE] [--set KEY=VALUE]...", 0), 0u);
    for (const char* word : {"--csv FILE|-", "--kinetic FILE|-", "--report FILE|-",
                             "--listing FILE|-", "for one output at most", "smallest first",
                             "no file was\nreplaced, except", "cycles", "mode", "fidtt", "aux"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

TEST(Batch, VersionPrintsNameVersionAndLicenceAndWritesNothing)
{
    const std::string licence =
        "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it. There is NO "
        "WARRANTY, to the extent permitted by law.\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"--csv", "-", "--version"}}) {
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchDone);
        EXPECT_EQ(run.out, std::string("kinovar-batch ") + kKinovarVersion + "\n" + licence);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(BatchFiles, ExecutableExitStatus)
{
    const std::string exe = KINOVAR_BATCH_EXE;
    const auto status = [](const std::string& command) {
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    const std::string out = path("o.csv"), err = path("e.txt");
    EXPECT_EQ(status(exe + " --autofill --csv - >" + out + " 2>" + err), 0);
    EXPECT_EQ(fs::file_size(err), 0u);
    std::ifstream in(out);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header.rfind("step,fi,dfi,fitt,dt,fit,", 0), 0u);
    EXPECT_EQ(status(exe + " --set nope=1 2>" + err), 2);
    EXPECT_EQ(status(exe + " --set fi0=0 2>" + err), 3);
    EXPECT_EQ(status(exe + " --help >" + out), 0);
}

// The manual page is written by hand; it must name exactly the options --help names, in the
// same order, and carry the program's version.
TEST(Batch, ManualPageMatchesTheHelp)
{
    const auto unroff = [](std::string s) {
        for (size_t at; (at = s.find("\\-")) != std::string::npos;)
            s.erase(at, 1);
        return s;
    };
    std::ifstream page(std::string(KINOVAR_SOURCE_DIR) + "/doc/kinovar-batch.1");
    ASSERT_TRUE(page) << "doc/kinovar-batch.1";
    std::vector<std::string> pageOptions;
    std::string line, header, keys;
    bool afterTP = false, inKeys = false;
    while (std::getline(page, line)) {
        if (line.rfind(".TH ", 0) == 0) header = line;
        if (afterTP && line.rfind(".B", 0) == 0) {
            const std::string text = unroff(line.substr(line.find(' ') + 1));
            if (text.rfind("--", 0) == 0) pageOptions.push_back(text.substr(0, text.find(' ')));
        }
        if (inKeys && line.rfind(".SH", 0) == 0) inKeys = false;
        if (inKeys) keys += unroff(line) + " ";
        if (line == ".SH KEYS") inKeys = true;
        afterTP = line == ".TP";
    }
    const BatchRun run = batch({"--help"});
    std::vector<std::string> helpOptions;
    std::istringstream help(run.out);
    std::string helpKeys;
    while (std::getline(help, line)) {
        if (line.rfind("  --", 0) == 0)
            helpOptions.push_back(line.substr(2, line.find(' ', 2) - 2));
        if (line.rfind("Keys:", 0) == 0) helpKeys = line.substr(6);
    }
    EXPECT_EQ(pageOptions, helpOptions);
    ASSERT_FALSE(helpKeys.empty());
    EXPECT_NE(keys.find(helpKeys), std::string::npos) << keys;
    EXPECT_NE(header.find(std::string("\"Kinovar ") + kKinovarVersion + "\""), std::string::npos)
        << header;
}

// The checks before a run are told on standard error, and the run still goes ahead.
TEST(Batch, PointsAndBranchJumpAreToldBeforeTheRun)
{
    const struct {
        std::vector<std::string> args;
        bool pointsWarned;
        const char* jump; // a part of the branch-jump warning, or ""
    } cases[] = {
        {{"--csv", "-"}, true, ""}, // every point at O: |OA| = 0 against L1 = 10
        {{"--autofill", "--csv", "-"}, false, ""},
        {{"--set", "mode=720", "--autofill", "--csv", "-"}, false, ""}, // b = l2 - l1: smooth
        {{"--set", "l1=0.3", "--set", "l2=0.9", "--set", "b=-0.247", "--set", "mode=720", "--set",
          "fi0=0", "--set", "cycles=2", "--autofill", "--csv", "-"},
         false,
         "Режим 720: при φ = 195.00° шатун переходит на другую ветвь, и ползун скачком смещается "
         "на 1.7969 м"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchDone) << run.err;
        EXPECT_EQ(run.pointsWarned, c.pointsWarned);
        if (*c.jump) {
            EXPECT_NE(run.err.find(c.jump), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err, "");
        }
    }
}

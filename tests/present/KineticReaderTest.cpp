// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include "formats/KineticTestSupport.h"
#include "calc/Quantities.h"
#include "formats/Kinetic.h"
#include "present/KineticReader.h"

using Q = Quantity;

using namespace kinetic_test;

namespace {

// A well-formed file of two steps, lines joined with `eol`.
std::string goodFile(char sep, const std::string& eol = "\r\n")
{
    auto num = [sep](std::string s) {
        for (char& c : s)
            if (c == '.') c = sep;
        return s;
    };
    const std::vector<std::string> lines{
        "15",         "1",         num("10.00"),  num("25.00"), num("15.00"), "2",
        "START:",     num("0.10"), num("-36.86"), num("9.99"),  "0.02",       num("15.00"),
        num("24.99"), "15",        num("24.99"),  "---",        num("15.10"), "-3.5E01",
        "9.65",       num("2.61"), "15.00",       "22.5",       "15.00",      "22.5",
        "---",        "END"};
    std::string out;
    for (const auto& l : lines)
        out += l + eol;
    return out;
}

std::string replaceLine(const std::string& file, int lineNo, const std::string& text)
{
    auto lines = crlfLines(file);
    lines.at(static_cast<size_t>(lineNo - 1)) = text;
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

std::string dropLines(const std::string& file, int fromLine)
{
    auto lines = crlfLines(file);
    std::string out;
    for (int i = 0; i < fromLine - 1; ++i)
        out += lines[static_cast<size_t>(i)] + "\r\n";
    return out;
}

} // namespace

TEST(KineticReader, ReadsEitherSeparatorWhateverTheCurrentOne)
{
    ScratchDir dir("kinreader");
    const std::string path = dir.file(kKineticFileName);
    {
        for (char written : {'.', ','}) {
            for (const char* eol : {"\r\n", "\n"}) {
                writeBytes(path, goodFile(written, eol));
                const KineticData d = readKinetic(path);
                EXPECT_EQ(d.N, 2);
                EXPECT_EQ(d.mode, 1);
                EXPECT_DOUBLE_EQ(d.totalAngle, 15);
                EXPECT_DOUBLE_EQ(d.l2, 25);
                ASSERT_EQ(d.frames.size(), 2u);
                EXPECT_DOUBLE_EQ(d.frames[0].rod, -36.86);
                EXPECT_DOUBLE_EQ(d.frames[0].ys, 24.99);
                EXPECT_DOUBLE_EQ(d.frames[1].rod, -35);
                EXPECT_DOUBLE_EQ(d.frames[1].ya, 2.61);
                EXPECT_DOUBLE_EQ(d.frames[1].yb, 22.5);
            }
        }
    }
}

TEST(KineticReader, ReadsBackWhatTheExportWrote)
{
    ScratchDir dir("kinround");
    const std::string path = dir.file(kKineticFileName);
    ParamSet p;
    setDefaults(p);
    p.N = 400;
    auto R = std::make_unique<ResultStore>();
    for (int i = 1; i <= p.N; ++i) {
        (*R)(Q::fi, i) = rad(i * 1.5L);
        (*R)(Q::yb, i) = -i / 8.0L;
    }
    writeKinetic(path, p, *R, ',');
    const KineticData d = readKinetic(path);
    ASSERT_EQ(d.frames.size(), 400u);
    EXPECT_DOUBLE_EQ(d.b, 15);
    EXPECT_DOUBLE_EQ(d.frames[399].crank, 600);
    EXPECT_DOUBLE_EQ(d.frames[6].yb, -0.88); // -0.875 rendered with two decimals
}

// No run of the program has no steps: such a file would play as "Шаг 0 из 0".
TEST(KineticReader, NoStepsIsRefused)
{
    ScratchDir dir("kinzero");
    const std::string path = dir.file(kKineticFileName);
    writeBytes(path, "-15\r\n0\r\n10.00\r\n25.00\r\n15.00\r\n0\r\nSTART:\r\nEND\r\n");
    try {
        readKinetic(path);
        ADD_FAILURE() << "accepted";
    } catch (const KineticFileError& e) {
        EXPECT_EQ(e.line(), 6);
        EXPECT_NE(std::string(e.what()).find("в файле нет ни одного шага"), std::string::npos);
    }
}

TEST(KineticReader, FaultsNameTheFileAndTheLine)
{
    ScratchDir dir("kinbroken");
    const std::string path = dir.file(kKineticFileName);
    const std::string good = goodFile('.');
    struct Case {
        const char* what;
        std::string content;
        int line;
        const char* fragment;
    };
    const Case cases[] = {
        {"empty file", "", 1, "обрывается в заголовке"},
        {"length not a number", replaceLine(good, 3, "ten"), 3, "\"ten\" не является числом"},
        {"two separators", replaceLine(good, 4, "2,5.0"), 4, "не является числом"},
        {"beyond a double", replaceLine(good, 12, "1E400"), 12, "\"1E400\" слишком велико"},
        {"step count not an integer", replaceLine(good, 6, "2.0"), 6, "целым числом"},
        {"negative step count", replaceLine(good, 6, "-1"), 6, "отрицательное"},
        {"no START:", replaceLine(good, 7, "START"), 7, "\"START:\""},
        {"value in a block", replaceLine(good, 21, "x"), 21, "\"x\" не является числом"},
        {"block without ---", replaceLine(good, 16, "--"), 16, "блок шага 1 не заканчивается"},
        {"fewer blocks, END early", replaceLine(good, 6, "3"), 26, "после 2 блоков"},
        {"cut inside a block", dropLines(good, 20), 20, "обрывается на шаге 2"},
        {"END missing", dropLines(good, 26), 26, "нет строки \"END\""},
        {"END replaced", replaceLine(good, 26, "FIN"), 26, "\"FIN\""},
        // No more steps than the program computes: two million frames would cost 200 MB.
        {"huge step count, two blocks", replaceLine(good, 6, "2000000000"), 6,
         "шагов 2000000000, а программа считает не больше 90000"},
        {"one step past the program's", replaceLine(good, 6, "90001"), 6, "не больше 90000"},
        // The guide is checked on x: 6E149 with A at -6E149 spreads 1.2E150 there.
        {"guide and A apart on x", replaceLine(replaceLine(good, 5, "6E149"), 10, "-6E149"), 10,
         "положение на шаге 1"},
        // Each value is a double, but the drawing would span more than a double holds.
        {"crank spans past a double", replaceLine(good, 3, "1E308"), 3, "кривошип выводит"},
        {"guide far from O", replaceLine(good, 5, "-1.5E150"), 5, "направляющая выводит"},
        {"two points each within, apart beyond",
         replaceLine(replaceLine(good, 10, "6E149"), 12, "-6E149"), 12,
         "положение на шаге 1 выводит рисунок за допустимый размах 1E150 м"},
        {"y near the double's end", replaceLine(replaceLine(good, 11, "-1.7E308"), 13, "1.7E308"),
         11, "положение на шаге 1"},
        {"second step far out", replaceLine(good, 24, "2E150"), 24, "положение на шаге 2"},
        // Its first 64 KiB read as 0; the whole line is no number.
        {"overlong value", replaceLine(good, 21, "0." + std::string(70000, '0') + "x"), 21,
         "строка длиннее 65536 байт"},
    };
    for (const Case& c : cases) {
        writeBytes(path, c.content);
        try {
            readKinetic(path);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const KineticFileError& e) {
            const std::string msg = e.what();
            EXPECT_EQ(e.line(), c.line) << c.what;
            EXPECT_NE(msg.find(path), std::string::npos) << c.what << ": " << msg;
            EXPECT_NE(msg.find("строка " + std::to_string(c.line) + ":"), std::string::npos)
                << c.what << ": " << msg;
            EXPECT_NE(msg.find(c.fragment), std::string::npos) << c.what << ": " << msg;
        }
    }
}

TEST(KineticReader, MissingFileIsNamed)
{
    ScratchDir dir("kinmissing");
    const std::string path = dir.file(kKineticFileName);
    try {
        readKinetic(path);
        ADD_FAILURE() << "a missing file was accepted";
    } catch (const KineticFileError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_EQ(std::string(e.what()), "Файл \"" + path + "\": файл не найден.");
    }
}

// What stands in place of the file is named, and a FIFO is refused without waiting for a writer.
TEST(KineticReader, NonRegularFileIsNamedForWhatItIs)
{
    ScratchDir dir("kinspecial");
    const std::string folder = dir.file("folder");
    const std::string fifo = dir.file("fifo");
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {folder, "это папка, а не файл"},
        {fifo, "это канал (FIFO), а не обычный файл"},
        {"/dev/null", "это устройство, а не обычный файл"},
    };
    for (const auto& [path, what] : cases) {
        try {
            readKinetic(path);
            ADD_FAILURE() << path << " accepted";
        } catch (const KineticFileError& e) {
            EXPECT_EQ(e.line(), 0);
            EXPECT_EQ(std::string(e.what()), "Файл \"" + path + "\": " + what + ".");
        }
    }
}

// The largest spread accepted is drawn from finite numbers only.
TEST(KineticReader, SpreadAtTheLimitIsAccepted)
{
    ScratchDir dir("kinwide");
    const std::string path = dir.file(kKineticFileName);
    writeBytes(path, replaceLine(goodFile('.'), 12, "-9.9E149"));
    EXPECT_EQ(readKinetic(path).frames.at(0).xb, -9.9e149);
    // Exactly 1E150 from O: a crank of 0 and the guide there, one step at O.
    writeBytes(path, "0\r\n0\r\n0\r\n25.00\r\n1E150\r\n1\r\nSTART:\r\n0\r\n0\r\n0\r\n0\r\n"
                     "0\r\n0\r\n0\r\n0\r\n---\r\nEND\r\n");
    EXPECT_EQ(readKinetic(path).b, 1e150);
    // Far apart, but on different axes: each axis spreads 6E149 only.
    writeBytes(path, replaceLine(replaceLine(goodFile('.'), 10, "6E149"), 11, "-6E149"));
    EXPECT_EQ(readKinetic(path).frames.at(0).ya, -6e149);
}

// A file that cannot be read part way, and a file whose lines end in CR alone, are named with
// what is wrong, not as a bare "I/O error" or a run-together first line.
TEST(KineticReader, ReadErrorsAndLoneCrLineEndsAreNamed)
{
    ScratchDir dir("kinodd");
    const std::string crOnly = dir.file("cr.ini");
    std::string text = goodFile('.');
    std::erase(text, '\n');
    writeBytes(crOnly, text);
    const std::pair<std::string, std::string> cases[] = {
        {"/proc/self/mem", "Файл \"/proc/self/mem\", строка 1: I/O error 5."},
        {crOnly, "Файл \"" + crOnly +
                     "\", строка 1: после \"15\" стоит CR без LF, а строки файла "
                     "должны кончаться CR LF или LF."},
    };
    for (const auto& [path, message] : cases) {
        try {
            readKinetic(path);
            ADD_FAILURE() << path << " accepted";
        } catch (const KineticFileError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet export read back by an independent reader: every value equal to the store's,
// the headings, the separators of each convention, the quoting and the bytes around them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "calc/Calculation.h"
#include "calc/Quantities.h"
#include "formats/Captions.h"
#include "formats/ResultCsv.h"
#include "formats/ResultsTestFiles.h"
#include "formats/SpreadsheetCsv.h"

using Q = Quantity;

namespace {

// An RFC 4180 reader: records end in CR LF; a quoted field may hold separators, CR LF and
// doubled quotes.
std::vector<std::vector<std::string>> readCsv(std::string_view text, char sep)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, wasQuoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == sep) {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && rows.back().empty()) << "the last record has no CR LF";
    rows.pop_back();
    return rows;
}

long double readNumber(std::string text, char decimal)
{
    if (decimal != '.')
        for (char& c : text)
            if (c == decimal) c = '.';
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return v;
}

ResultStore& calculatedStore(int32_t& N)
{
    static auto R = [] {
        auto store = std::make_unique<ResultStore>();
        ParamSet p;
        setDefaults(p);
        runCalculation(p, *store);
        // Values the calculation does not produce at the defaults: the far ends of the range,
        // a negative zero, and a value whose 21st digit matters.
        (*store)(Q::fis, 2) = -0.0L;
        (*store)(Q::sdfi, 3) = 1.2345678901234567891e-300L;
        (*store)(Q::cdfi, 4) = -9.87654321098765432e+250L;
        (*store)(78, 25) = 0.1L;
        return store;
    }();
    N = 25;
    return *R;
}

} // namespace

TEST(SpreadsheetCsv, ReadsBackToTheStoreUnderEitherSeparator)
{
    for (const char decimal : {'.', ','}) {
        SCOPED_TRACE(std::string("decimal ") + decimal);
        const char sep = decimal == ',' ? ';' : ',';
        int32_t N = 0;
        const ResultStore& R = calculatedStore(N);
        ScratchDir dir;
        const std::vector<std::string> captions =
            readCaptions(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini");
        writeSpreadsheetCsv(dir.file("r.csv"), R, N, captions, decimal);

        const std::string bytes = readBytes(dir.file("r.csv"));
        ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
        const auto rows = readCsv(std::string_view(bytes).substr(3), sep);
        ASSERT_EQ(rows.size(), 26u);
        ASSERT_EQ(rows[0].size(), size_t(kSpreadsheetQuantities + 1));
        EXPECT_EQ(rows[0][0], "Шаг");
        EXPECT_EQ(rows[0][1], "fi");
        // Rows past the caption file's last line are headed by their names.
        for (int k = 1; k < kSpreadsheetQuantities; ++k)
            EXPECT_EQ(rows[0][k + 1],
                      size_t(k) <= captions.size() ? captions[size_t(k) - 1] : csvColumnName(k))
                << k;
        for (int i = 1; i <= N; ++i) {
            ASSERT_EQ(rows[i].size(), size_t(kSpreadsheetQuantities + 1)) << i;
            EXPECT_EQ(rows[i][0], std::to_string(i));
            for (int k = 0; k < kSpreadsheetQuantities; ++k) {
                const long double v = readNumber(rows[i][k + 1], decimal);
                EXPECT_EQ(v, R(k, i)) << "R[" << k << "][" << i << "] as " << rows[i][k + 1];
                EXPECT_EQ(std::signbit(v), std::signbit(R(k, i))) << k << " " << i;
            }
        }
        // The other separator appears nowhere outside the headings.
        const size_t body = bytes.find("\r\n");
        EXPECT_EQ(bytes.find(decimal == ',' ? '.' : ';', body), std::string::npos);
    }
}

TEST(SpreadsheetCsv, FieldSeparatorAndQuoting)
{
    EXPECT_EQ(spreadsheetFieldSeparator(','), ';');
    EXPECT_EQ(spreadsheetFieldSeparator('.'), ',');
    const struct {
        const char* text;
        char sep;
        const char* field;
    } cases[] = {
        {"dfi: поворот кривошипа от шага 1, рад", ',', "\"dfi: поворот кривошипа от шага 1, рад\""},
        {"dfi: поворот кривошипа от шага 1, рад", ';', "dfi: поворот кривошипа от шага 1, рад"},
        {"a;b", ';', "\"a;b\""},
        {"say \"hi\"", ';', "\"say \"\"hi\"\"\""},
        {"two\r\nlines", ',', "\"two\r\nlines\""},
        {"lf\nonly", ';', "\"lf\nonly\""},
        {"", ',', ""},
        {"-1.5E+20", ',', "-1.5E+20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spreadsheetField(c.text, c.sep), c.field) << c.text;
}

TEST(SpreadsheetCsv, NumbersAtFullPrecisionWithTheGivenSeparator)
{
    EXPECT_EQ(spreadsheetNumber(0.5L, ','), "0,5");
    EXPECT_EQ(spreadsheetNumber(0.5L, '.'), "0.5");
    EXPECT_EQ(spreadsheetNumber(0, ','), "0");
    EXPECT_EQ(spreadsheetNumber(-1234.5L, ','), "-1234,5");
    EXPECT_EQ(spreadsheetNumber(0.1L, '.'), "0.100000000000000000001");
    EXPECT_EQ(readNumber(spreadsheetNumber(-2.5e-7L, ','), ','), -2.5e-7L);
    EXPECT_EQ(readNumber(spreadsheetNumber(1.0L / 3, '.'), '.'), 1.0L / 3);
}

TEST(SpreadsheetCsv, HeadingsFallBackToRowNames)
{
    const auto none = spreadsheetHeader({});
    ASSERT_EQ(none.size(), size_t(kSpreadsheetQuantities + 1));
    EXPECT_EQ(none[0], "Шаг");
    EXPECT_EQ(none[1], "fi");
    EXPECT_EQ(none[2], "dfi");
    EXPECT_EQ(none[66], "mo");
    EXPECT_EQ(none[67], "e");
    EXPECT_EQ(none[70], "R69");
    EXPECT_EQ(none[79], "R78");
    EXPECT_EQ(none[80], "q");
    EXPECT_EQ(none[81], "pq");
    EXPECT_EQ(none.back(), std::end(kQuantities)[-1].name); // the catalogue's last row

    // A short caption file, with an empty line: the row names fill the gaps.
    const auto some = spreadsheetHeader({"первая", "", "третья"});
    EXPECT_EQ(some[2], "первая");
    EXPECT_EQ(some[3], "fitt");
    EXPECT_EQ(some[4], "третья");
    EXPECT_EQ(some[5], "fit");
}

TEST(SpreadsheetCsv, QuotedHeadingsAndNoStepsGiveTheHeaderRowAlone)
{
    ResultStore R;
    ScratchDir dir;
    writeSpreadsheetCsv(dir.file("h.csv"), R, 0, {"a, b", "say \"x\""}, '.');
    const std::string bytes = readBytes(dir.file("h.csv"));
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"
                                  "Шаг,fi,\"a, b\",\"say \"\"x\"\"\",dt,"))
        << bytes.substr(0, 60);
    EXPECT_TRUE(bytes.ends_with(",fbk,fak,fok,omega_true,eps_true,t_true\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
}

TEST(SpreadsheetCsv, AnUnwritableFileIsAnInOutError)
{
    ResultStore R;
    ScratchDir dir;
    EXPECT_THROW(writeSpreadsheetCsv(dir.file("no/such/folder/x.csv"), R, 1, {}, ','), InOutError);
}

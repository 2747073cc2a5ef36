// SPDX-License-Identifier: GPL-3.0-or-later
// The printable document read back as a reader sees it, with poppler's tools: its text, its
// fonts, its pages and their pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <sys/wait.h>

#include "calc/Calculation.h"
#include "formats/ProjectFile.h"
#include "params/Autofill.h"
#include "present/qt/document/DocumentPdf.h"
#include "support/PdfTools.h"
#include "support/ScratchFiles.h"

namespace {

// A figure as the summary prints it, written here with the C library: six significant digits.
std::string figure(double v, char decimal)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", v);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = decimal;
    return s;
}

struct Run {
    ParamSet p;
    std::unique_ptr<ResultStore> store = std::make_unique<ResultStore>();
};

std::unique_ptr<Run> calculated(double l1, double l2, double b, double fi0, bool load)
{
    auto r = std::make_unique<Run>();
    setDefaults(r->p);
    r->p.l1 = l1;
    r->p.l2 = l2;
    r->p.b = b;
    r->p.fi0 = fi0;
    r->p.m1 = r->p.m2 = r->p.m3 = 1.5L;
    r->p.cycles = 1;
    r->p.N = 25;
    r->p.step = rad(15.0L);
    if (load)
        r->p.load = {LoadKind::ByAngle, LoadDirection::TowardCrank, {{0, 900, 0}, {180, -400, 0}}};
    EXPECT_TRUE(autofillPoints(r->p));
    runCalculation(r->p, *r->store);
    return r;
}

} // namespace

// Through the batch as a script runs it: every parameter value and every summary figure (as the
// summary JSON gives it, rounded as shown) is in the text, every font is embedded, every page is
// A4 and numbered "стр. N из M".
TEST(DocumentPdf, BatchDocumentCarriesValuesFiguresFontsAndPageNumbers)
{
    const struct {
        const char* separator;
        std::vector<std::pair<std::string, std::string>> values; // key, value as given
    } cases[] = {
        {".", {{"l1", "0.12"}, {"l2", "0.47"}, {"b", "0.035"}, {"fi0", "17.5"}, {"m2", "3.25"}}},
        {",",
         {{"l1", "0.085"}, {"l2", "0.31"}, {"b", "-0.02"}, {"fit0", "12.5"}, {"i1", "0.0175"}}},
    };
    for (const auto& c : cases) {
        ScratchDir dir("pdf");
        std::string command = std::string("'") + KINOVAR_BATCH_EXE + "' --decimal-separator " +
                              c.separator + " --set step=15 --set cycles=1 --set m1=1.5 --set m3=2";
        for (const auto& [key, value] : c.values)
            command += " --set " + key + "=" + value;
        command += " --autofill --pdf '" + dir.file("doc.pdf") + "' --summary '" +
                   dir.file("s.json") + "'";
        run(command);
        const std::string pdf = dir.file("doc.pdf");
        const char decimal = c.separator[0];
        const std::string text = run("pdftotext -layout '" + pdf + "' -");
        auto has = [&](const std::string& token) {
            return std::regex_search(
                text, std::regex("(^|\\s)" + std::regex_replace(token, std::regex("[.+]"), "\\$&") +
                                 "(\\s|$)"));
        };
        for (auto [key, value] : c.values) {
            for (char& ch : value)
                if (ch == '.') ch = decimal;
            EXPECT_TRUE(has(value)) << key << "=" << value;
        }
        const auto json = nlohmann::json::parse(slurp(dir.file("s.json")));
        ASSERT_TRUE(json["flywheel"].is_object()) << json.dump();
        for (const char* peak :
             {"fa", "fb", "fo", "nb", "slider_speed", "slider_acceleration", "pressure_angle"})
            for (const char* field : {"value", "angle"})
                EXPECT_TRUE(has(figure(json["peaks"][peak][field], decimal))) << peak << field;
        EXPECT_TRUE(has(figure(json["peaks"]["stroke"]["value"], decimal)));
        for (const auto& [name, value] : json["flywheel"].items())
            if (value.is_number_float()) {
                EXPECT_TRUE(has(figure(value, decimal))) << name;
            }

        const int pages = pageCount(pdf);
        ASSERT_GT(pages, 5);
        const std::string sizes =
            run("pdfinfo -f 1 -l " + std::to_string(pages) + " '" + pdf + "'");
        for (int n = 1; n <= pages; ++n) {
            EXPECT_TRUE(has("стр. " + std::to_string(n) + " из " + std::to_string(pages))) << n;
            EXPECT_TRUE(
                std::regex_search(sizes, std::regex("Page\\s+" + std::to_string(n) +
                                                    " size:\\s+595\\S* x 842\\S* pts \\(A4\\)")))
                << sizes;
        }
        std::istringstream fonts(run("pdffonts '" + pdf + "'"));
        std::string line;
        int listed = 0;
        for (int n = 0; std::getline(fonts, line); ++n) {
            if (n < 2) continue; // the header and its rule
            ++listed;
            EXPECT_TRUE(
                std::regex_search(line, std::regex("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+")))
                << line;
        }
        EXPECT_GE(listed, 1);
    }
}

// The page count follows the parts present: a load adds its page, a comparison table its page;
// every rendered page carries a drawing or text above its footer.
TEST(DocumentPdf, PagesFollowLoadAndVariantsAndNoneIsBlank)
{
    DocumentTable variants;
    variants.header = {"Вариант", "l1, м", "J_м, кг·м²"};
    variants.rows = {{"A", "0,1", "0,5"}, {"B", "0,12", "0,42"}};
    variants.best = {{false, false, false}, {false, false, true}};
    for (const bool load : {false, true})
        for (const bool withVariants : {false, true}) {
            const auto r = calculated(0.1, 0.4, 0.05, 10, load);
            DocumentInput in;
            in.run = r->store->computedWith();
            in.store = r->store.get();
            in.decimal = ',';
            if (withVariants) in.variants = variants;
            ScratchDir dir("pdf");
            const std::string pdf = dir.file("doc.pdf");
            const QByteArray bytes = documentPdf(in);
            writeBytes(pdf, std::string_view(bytes.constData(), size_t(bytes.size())));
            // Title, mechanism, inputs; three chart pages (Mo and E; the slider; the joints with
            // the flywheel); the summary at 46 lines a page.
            const size_t summary = summaryLines(summarizeRun(*r->store, *in.run, in.run->N,
                                                             summaryOptions(*in.run, in.delta)),
                                                ',')
                                       .size();
            const int expected =
                3 + (load ? 1 : 0) + 3 + int((summary + 45) / 46) + (withVariants ? 1 : 0);
            const int pages = pageCount(pdf);
            EXPECT_EQ(pages, expected) << "load " << load << ", variants " << withVariants;
            for (int n = 1; n <= pages; ++n) {
                const Image page = renderPage(pdf, n, 30, dir.file("page"));
                int inked = 0;
                for (int y = 0; y < page.height * 9 / 10; ++y)
                    for (int x = 0; x < page.width; ++x)
                        inked += page.at(x, y)[0] < 160 ? 1 : 0;
                EXPECT_GT(inked, 200) << "page " << n;
            }
        }
}

// The mechanism is drawn to scale: on the rendered page the joints O, A and B (filled marks of
// their own colours) lie at distances in the ratio l1 : l2.
TEST(DocumentPdf, MechanismIsDrawnToScale)
{
    const struct {
        double l1, l2, b, fi0;
    } cases[] = {{0.1, 0.4, 0.05, 30}, {0.2, 0.5, -0.1, 120}, {0.05, 0.3, 0, 250}};
    for (const auto& c : cases) {
        const auto r = calculated(c.l1, c.l2, c.b, c.fi0, false);
        DocumentInput in;
        in.run = r->store->computedWith();
        in.store = r->store.get();
        ScratchDir dir("pdf");
        const QByteArray bytes = documentPdf(in);
        writeBytes(dir.file("doc.pdf"), std::string_view(bytes.constData(), size_t(bytes.size())));
        const Image page = renderPage(dir.file("doc.pdf"), 2, 150, dir.file("page"));
        // The centre of the pixels of each pure mark colour: red O, green A, blue B.
        double sx[3] = {}, sy[3] = {}, n[3] = {};
        for (int y = 0; y < page.height; ++y)
            for (int x = 0; x < page.width; ++x) {
                const unsigned char* px = page.at(x, y);
                const int k = px[0] > 200 && px[1] < 60 && px[2] < 60   ? 0
                              : px[1] > 120 && px[0] < 60 && px[2] < 60 ? 1
                              : px[2] > 200 && px[0] < 60 && px[1] < 60 ? 2
                                                                        : -1;
                if (k < 0) continue;
                sx[k] += x;
                sy[k] += y;
                n[k] += 1;
            }
        for (int k = 0; k < 3; ++k)
            ASSERT_GT(n[k], 20) << "joint " << k << " of l1 " << c.l1;
        auto distance = [&](int a, int b) {
            return std::hypot(sx[a] / n[a] - sx[b] / n[b], sy[a] / n[a] - sy[b] / n[b]);
        };
        const double oa = distance(0, 1), ab = distance(1, 2);
        EXPECT_GT(oa, 20);
        EXPECT_NEAR(oa, ab * c.l1 / c.l2, 1.5) << "l1 " << c.l1 << ", OA " << oa << ", AB " << ab;
    }
}

// A document whose save fails part way (past the file-size limit) leaves the old file as it was,
// as every other save does.
TEST(DocumentPdf, FailedSaveKeepsTheOldFile)
{
    ScratchDir dir("pdf");
    const std::string path = dir.file("doc.pdf");
    writeBytes(path, "old document");
    // 16 KiB: far below any document, above the empty temporary file.
    const int status =
        std::system(("bash -c \"ulimit -f 16; exec '" + std::string(KINOVAR_BATCH_EXE) +
                     "' --autofill --set b=0 --pdf '" + path + "'\" 2>/dev/null")
                        .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(slurp(path), "old document");
}

// A project's variants go through the batch whole: --save-project keeps them, and the document
// compares them by name, with one page more than the same project without them.
TEST(DocumentPdf, BatchKeepsAndComparesAProjectsVariants)
{
    ScratchDir dir("pdfvariants");
    Project project;
    setDefaults(project.params);
    autofill(project.params);
    for (const double l2 : {22.0, 31.0}) {
        Variant v{"шатун " + std::to_string(int(l2)), project.params, {}};
        v.params.l2 = l2;
        v.figures.assign(keyFigures().size(), l2 / 8);
        project.variants.push_back(v);
    }
    writeProject(dir.file("with.kinovar"), project);
    writeProject(dir.file("without.kinovar"), project.params);
    auto document = [&](const char* name) {
        run(std::string("'") + KINOVAR_BATCH_EXE + "' --decimal-separator , --project '" +
            dir.file(name) + "' --save-project '" + dir.file(std::string("saved-") + name) +
            "' --pdf '" + dir.file(std::string(name) + ".pdf") + "'");
        return dir.file(std::string(name) + ".pdf");
    };
    const std::string with = document("with.kinovar");
    const std::string text = run("pdftotext -layout '" + with + "' -");
    EXPECT_NE(text.find("шатун 22"), std::string::npos);
    EXPECT_NE(text.find("шатун 31"), std::string::npos);
    EXPECT_NE(text.find("3,875"), std::string::npos); // 31 / 8, in the separator asked for
    EXPECT_EQ(pageCount(with), pageCount(document("without.kinovar")) + 1);
    const ProjectContent saved = readProject(dir.file("saved-with.kinovar"));
    ASSERT_EQ(saved.variants.size(), 2u);
    EXPECT_EQ(saved.variants[1].name, "шатун 31");
    EXPECT_EQ(saved.variants[1].params.l2, 31.0);
}

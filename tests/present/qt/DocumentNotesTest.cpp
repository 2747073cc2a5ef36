// SPDX-License-Identifier: GPL-3.0-or-later
// The document's inputs say what the parameter catalogue says: each unit beside its value, and
// each note of the catalogue below the table under the captions it covers.
#include <gtest/gtest.h>

#include <iterator>
#include <regex>
#include <string>

#include "params/ParamTable.h"
#include "support/PdfTools.h"
#include "support/ScratchFiles.h"

namespace {

// Every run of white space as one space, so that a paragraph reads the same however it wraps.
std::string squeezed(const std::string& text)
{
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

} // namespace

TEST(DocumentNotes, InputsCarryUnitsAndTheCataloguesNotes)
{
    for (const char* separator : {".", ","}) {
        ScratchDir dir("notes");
        const std::string pdf = dir.file("doc.pdf");
        run(std::string("'") + KINOVAR_BATCH_EXE + "' --decimal-separator " + separator +
            " --set step=15 --set cycles=1 --set fidtt=0.02 --autofill --pdf '" + pdf + "'");
        const std::string layout = run("pdftotext -layout '" + pdf + "' -");
        const std::string d = std::string(1, separator[0]) == "." ? "\\." : ",";
        const struct {
            const char* caption;
            std::string value;
            const char* unit;
        } rows[] = {
            {"\\+Fitt", "0" + d + "02", "рад/с² за шаг"},
            {"Fitt0", "0", "рад/с²"},
            {"I1", "4", "кг·м²"},
            {"Fi0", "0" + d + "1", "°"},
        };
        for (const auto& r : rows)
            EXPECT_TRUE(std::regex_search(layout, std::regex(std::string("(^|\\n)\\s*") +
                                                             r.caption + "\\s+" + r.value + "\\s+" +
                                                             r.unit + "\\s*\\n")))
                << r.caption << " " << r.unit;

        const std::string text = squeezed(run("pdftotext '" + pdf + "' -"));
        const struct {
            const char* names;
            const char* key; // a key the note covers
        } notes[] = {
            {"Fi0: ", "fi0"},   {"+Fitt: ", "fidtt"},          {"M1, M2, M3: ", "m1"},
            {"I1, I2: ", "i1"}, {"I3, Резерв отчёта: ", "i3"}, {"Mпв, Rпв, Fiпв: ", "m_cw"},
            {"Закон движения: ", "motion"}, {"J маховика: ", "jfw"},
            {"Привод: ", "drive"}, {"ω пуска: ", "w_start"},
        };
        int found = 0;
        for (const ParamNote& note : kParamNotes)
            for (const auto& n : notes)
                if (listsWord(note.keys, n.key)) {
                    ++found;
                    EXPECT_NE(text.find(squeezed(std::string(n.names) + note.text)),
                              std::string::npos)
                        << n.names << note.text;
                }
        EXPECT_EQ(found, static_cast<int>(
                             std::size(kParamNotes))); // every note of the catalogue is looked for
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The batch in the user's language, as a script starts it: its messages and its document follow
// LANGUAGE (Russian by default, English under LANGUAGE=en), while the legacy files and the data
// exports keep their bytes whatever the language.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "support/CoreTranslation.h"
#include "support/PdfTools.h"
#include "support/ScratchFiles.h"

namespace {

struct Outcome {
    int status = -1;
    std::string text; // standard output and standard error together
};

// Runs the batch with `arguments` (shell words) under LANGUAGE=`language`, LANG and LC_ALL set
// to a locale that says nothing of a language, so that LANGUAGE alone chooses.
Outcome batchIn(const std::string& language, const std::string& arguments)
{
    const std::string command = "env LC_ALL= LC_MESSAGES= LANG=C.UTF-8 LANGUAGE=" + language +
                                " '" + KINOVAR_BATCH_EXE + "' " + arguments + " 2>&1";
    Outcome out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.text.append(buffer, n);
    const int status = ::pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

std::string example(const char* name)
{
    return std::string(KINOVAR_SOURCE_DIR) + "/data/examples/" + name;
}

} // namespace

// A refusal and a warning of the core read in the chosen language, and the status is the same.
TEST(BatchLanguage, MessagesFollowTheLanguage)
{
    struct Case {
        const char* arguments;
        const char* russian;
        const char* english;
    };
    const Case cases[] = {
        {"--synthesise H=0.1,K=5 --csv /dev/null", "K должно быть меньше 3",
         "K must be less than 3"},
        {"--synthesise H=-1,K=1.2 --csv /dev/null", "Ход H должен быть положительным числом",
         "The stroke H must be a positive number"},
        {"--set cycles=1 --csv /dev/null", "Координаты точек не согласуются с длинами звеньев:",
         "The point coordinates do not agree with the link lengths:"},
        {"--set cycles=1 --set l2=0.01 --set b=0 --autofill --csv /dev/null",
         "Шатун не достаёт до направляющей при Fi0", "The connecting rod does not reach the guide"},
    };
    for (const Case& c : cases) {
        const Outcome russian = batchIn("ru", c.arguments);
        const Outcome english = batchIn("en", c.arguments);
        EXPECT_NE(russian.text.find(c.russian), std::string::npos) << c.arguments << "\n"
                                                                   << russian.text;
        EXPECT_NE(english.text.find(c.english), std::string::npos) << c.arguments << "\n"
                                                                   << english.text;
        EXPECT_FALSE(hasCyrillic(english.text)) << c.arguments << "\n" << english.text;
        EXPECT_EQ(russian.status, english.status) << c.arguments;
    }
    // A language the program has no catalogue for, and the C locale, keep the source language.
    for (const char* language : {"de", ""})
        EXPECT_NE(batchIn(language, cases[0].arguments).text.find(cases[0].russian),
                  std::string::npos)
            << language;
}

// The English document names its pages, tables and charts in English; the one Cyrillic text left
// is the project's name, which the user gave it.
TEST(BatchLanguage, EnglishDocumentHasNoRussianBesidesTheUsersName)
{
    ScratchDir dir("language-pdf");
    const std::string project = dir.file("Пресс.kinovar");
    std::filesystem::copy_file(example("2-press.kinovar"), project);
    std::string texts[2];
    const char* languages[] = {"ru", "en"};
    for (int k = 0; k < 2; ++k) {
        const std::string pdf = dir.file(std::string(languages[k]) + ".pdf");
        const Outcome made =
            batchIn(languages[k], "--project '" + project + "' --pdf '" + pdf + "'");
        ASSERT_EQ(made.status, 0) << made.text;
        texts[k] = run("pdftotext '" + pdf + "' -");
    }
    const std::string& russian = texts[0];
    std::string english = texts[1];
    const struct {
        const char* russian;
        const char* english;
    } headings[] = {
        {"Исходные данные", "Input data"},
        {"Схема механизма", "Mechanism diagram"},
        {"Нагрузка на ползун", "Load on the slider"},
        {"Графики", "Charts"},
        {"Сводка", "Summary"},
        {"Маховик", "Flywheel"},
        {"Экстремумы", "Extremes"},
        {"стр. 1 из", "page 1 of"},
        {"приведённый момент", "reduced moment"},
    };
    for (const auto& h : headings) {
        EXPECT_NE(russian.find(h.russian), std::string::npos) << h.russian;
        EXPECT_NE(english.find(h.english), std::string::npos) << h.english;
    }
    ASSERT_NE(english.find("Пресс"), std::string::npos);
    for (size_t at; (at = english.find("Пресс")) != std::string::npos;)
        english.erase(at, std::string("Пресс").size());
    EXPECT_FALSE(hasCyrillic(english)) << english;
}

// The legacy files and the data exports are the same bytes in either language.
TEST(BatchLanguage, FilesKeepTheirBytesInEveryLanguage)
{
    ScratchDir dir("language-files");
    const char* outputs[] = {"--report", "--listing", "--kinetic", "--csv", "--save-project"};
    for (const char* name : {"1-engine.kinovar", "3-compressor.kinovar"}) {
        for (const char* language : {"ru", "en"}) {
            std::string arguments = "--project '" + example(name) + "'";
            for (const char* option : outputs)
                arguments += std::string(" ") + option + " '" +
                             dir.file(language + std::string(option)) + "'";
            const Outcome made = batchIn(language, arguments);
            ASSERT_EQ(made.status, 0) << made.text;
        }
        for (const char* option : outputs) {
            const std::string russian = slurp(dir.file(std::string("ru") + option));
            EXPECT_FALSE(russian.empty()) << name << " " << option;
            EXPECT_EQ(slurp(dir.file(std::string("en") + option)), russian)
                << name << " " << option;
        }
    }
    // The report and the listing do carry Russian words: the comparison is not of empty texts.
    EXPECT_TRUE(hasCyrillic(slurp(dir.file("en--listing"))));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The printable document from the window: "Отчёт PDF…" saves it, Ctrl+P hands the same document
// to the print dialog, and the charts unchecked in "Графики в отчёте" are left out of both.
#include <QBuffer>
#include <QPdfWriter>
#include <regex>

#include "app/qt/controllers/DocumentCommands.h"
#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "support/PdfTools.h"
#include "support/ScratchFiles.h"

namespace {

// The pages headed "Графики" in a document's text.
int chartPages(const std::string& pdf)
{
    const std::string text = run("pdftotext '" + pdf + "' -");
    const std::regex heading("(^|\f)Графики\n");
    return int(std::distance(std::sregex_iterator(text.begin(), text.end(), heading),
                             std::sregex_iterator()));
}

} // namespace

using DocumentCommandsTest = MainWindowTest;

TEST_F(DocumentCommandsTest, SavedAndPrintedDocumentsCarryTheChosenCharts)
{
    const struct {
        std::vector<const char*> unchecked;
        std::optional<std::vector<std::string>> chosen;
        int chartPages;
    } cases[] = {
        {{}, std::nullopt, 3},
        {{"documentChart_joints", "documentChart_flywheel"},
         std::vector<std::string>{"moe", "slider"},
         2},
        {{"documentChart_moe", "documentChart_slider", "documentChart_joints",
          "documentChart_flywheel"},
         std::vector<std::string>{},
         0},
    };
    activate();
    for (const auto& c : cases) {
        form->documentCommands().setCharts(std::nullopt);
        for (const char* name : c.unchecked)
            trigger(name);
        EXPECT_EQ(form->documentCommands().charts(), c.chosen);
        EXPECT_EQ(form->projectController().reportCharts(), c.chosen); // kept in the project

        ScratchDir dir("document");
        fake.saveReplies.push_back(dir.file("saved.pdf"));
        trigger("pdfReportAction");
        ASSERT_TRUE(fake.errors.empty()) << fake.errors.front();
        EXPECT_EQ(fake.dialogRequests.back().defaultSuffix, "pdf");

        fake.printed = nullptr;
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(fake.calls.back(), "print:Без названия");
        ASSERT_TRUE(fake.printed);
        {
            QPdfWriter printer(QString::fromStdString(dir.file("printed.pdf")));
            EXPECT_TRUE(fake.printed(printer));
        }
        const int pages = pageCount(dir.file("saved.pdf"));
        EXPECT_GT(pages, 3);
        EXPECT_EQ(pageCount(dir.file("printed.pdf")), pages);
        EXPECT_EQ(chartPages(dir.file("saved.pdf")), c.chartPages);
        EXPECT_EQ(chartPages(dir.file("printed.pdf")), c.chartPages);
    }
}

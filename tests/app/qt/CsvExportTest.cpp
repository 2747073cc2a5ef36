// SPDX-License-Identifier: GPL-3.0-or-later
// "Экспорт CSV…" through the main window's menu: its own dialog, the file it writes from the
// store after a calculation, with the grid's captions, and a cancel or a failure.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "formats/Captions.h"
#include "present/qt/ChartImage.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

std::vector<std::string> splitOn(const std::string& text, const std::string& sep)
{
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = text.find(sep, from)) != std::string::npos; from = at + sep.size())
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

class CsvExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.separator = ',';
        fake.exeDir = dir.dir();
        std::filesystem::copy_file(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini",
                                   dir.file("scr.ini"));
        form = std::make_unique<MainWindow>(fake, params, *store);
    }
    void TearDown() override { form.reset(); }
    std::string exportTo(const std::string& name)
    {
        fake.saveReplies.push_back(dir.file(name));
        trigger(*form, "exportCsvAction");
        return readBytes(dir.file(name));
    }

    ScratchDir dir{"csv-export"};
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store = std::make_unique<ResultStore>();
    std::unique_ptr<MainWindow> form;
};

} // namespace

TEST_F(CsvExport, MenuItemSitsInTheFileMenuAfterTheReportItems)
{
    auto* fileMenu = form->findChild<QMenu*>("fileMenu");
    ASSERT_NE(fileMenu, nullptr);
    const QList<QAction*> items = fileMenu->actions();
    const qsizetype at = items.indexOf(child<QAction>(*form, "exportCsvAction"));
    ASSERT_GE(at, 0);
    EXPECT_GT(at, items.indexOf(child<QAction>(*form, "saveReportAction")));
    EXPECT_LT(at, items.indexOf(child<QAction>(*form, "quitAction")));
}

TEST_F(CsvExport, WritesTheCalculatedStepsUnderTheGridCaptions)
{
    form->calculate();
    trigger(*form, "refreshAction"); // the captions come from "scr.ini" with the refresh
    const std::string bytes = exportTo("run");

    ASSERT_EQ(fake.dialogRequests.size(), 1u);
    const FileDialogRequest& request = fake.dialogRequests[0];
    EXPECT_EQ(request.defaultSuffix, "csv");
    EXPECT_EQ(request.title, "Экспорт CSV: поля через «;», дробная часть через «,»");
    EXPECT_NE(request.memoryKey, kReportSaveDialog);
    EXPECT_NE(request.memoryKey, kReportOpenDialog);
    EXPECT_NE(request.memoryKey, chartImageDialog().memoryKey);
    EXPECT_TRUE(fake.errors.empty());

    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    auto lines = splitOn(bytes.substr(3), "\r\n");
    ASSERT_EQ(lines.back(), ""); // the last row ends in CR LF too
    lines.pop_back();
    ASSERT_EQ(lines.size(), 26u);
    const auto captions = readCaptions(dir.file("scr.ini"));
    const auto header = splitOn(lines[0], ";");
    ASSERT_EQ(header.size(), size_t(kGridValueRows + 1));
    EXPECT_EQ(header[0], "Шаг");
    EXPECT_EQ(header[2], captions[0]); // "dfi: …, рад": the comma needs no quotes beside ';'
    EXPECT_EQ(header[79], captions[77]);

    for (int i = 1; i <= 25; ++i) {
        const auto fields = splitOn(lines[static_cast<size_t>(i)], ";");
        ASSERT_EQ(fields.size(), size_t(kGridValueRows + 1));
        EXPECT_EQ(fields[0], std::to_string(i));
        for (int k : {0, 8, 65, 66}) {
            std::string text = fields[static_cast<size_t>(k + 1)];
            EXPECT_EQ(text.find('.'), std::string::npos) << text;
            std::replace(text.begin(), text.end(), ',', '.');
            EXPECT_EQ(std::strtold(text.c_str(), nullptr), (*store)(k, i)) << k << "/" << i;
        }
    }
}

TEST_F(CsvExport, WithoutARefreshTheHeadingsAreRowNames)
{
    // The period convention: ',' between fields.
    fake.separator = '.';
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(form.get(), &change);
    form->calculate();
    const std::string bytes = exportTo("names.csv");
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"
                                  "Шаг,fi,dfi,fitt,"))
        << bytes.substr(0, 40);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 26);
}

TEST_F(CsvExport, CancelWritesNothingAndAFailureIsReported)
{
    form->calculate();
    trigger(*form, "exportCsvAction"); // no reply: cancelled
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // scr.ini
    EXPECT_TRUE(fake.errors.empty());

    fake.saveReplies.push_back(dir.file("no/such/folder/x.csv"));
    trigger(*form, "exportCsvAction");
    ASSERT_EQ(fake.errors.size(), 1u);
    EXPECT_EQ(fake.errors[0], "Файл не найден.\nФайл \"" + dir.file("no/such/folder/x.csv") + "\"");
}

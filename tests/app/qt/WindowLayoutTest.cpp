// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout between sessions: the size and the splitters' shares a user leaves
// come back in the next session, and a kept file that is no layout changes nothing.
#include <QApplication>
#include <QByteArray>
#include <QDockWidget>
#include <QSplitter>
#include <filesystem>
#include <string>

#include "app/qt/MainWindowFixture.h"
#include "platform/qt/WindowLayout.h"
#include "support/ScratchFiles.h"

namespace {

class WindowLayoutTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fake.dataDir = data.dir() + "Kinovar/"; // a folder not made yet, as on a first start
    }
    // A window of another session on the same user's data.
    std::unique_ptr<MainWindow> nextSession()
    {
        return std::make_unique<MainWindow>(fake, params, store());
    }
    static QList<int> shares(const QMainWindow& w, const char* splitter)
    {
        return child<QSplitter>(w, splitter)->sizes();
    }
    ScratchDir data{"layout"};
};

// What a user may leave behind: a window size and where each splitter was dragged to (the
// parameter column's width, the listing's height) and how wide the mechanism's dock was made.
struct LeftLayout {
    const char* name;
    QSize size;
    int parameterColumn;
    int listing;
    int mechanism;
};
const LeftLayout kLayouts[] = {
    {"small, wide parameters", QSize(1000, 460), 560, 60, 230},
    {"large, tall listing", QSize(1250, 700), 520, 260, 300},
};

} // namespace

TEST_F(WindowLayoutTest, SizeAndSplittersComeBackNextSession)
{
    for (const LeftLayout& c : kLayouts) {
        SCOPED_TRACE(c.name);
        form->show();
        form->resize(c.size);
        QApplication::processEvents();
        auto* main = child<QSplitter>(*form, "mainSplitter");
        main->setSizes({c.parameterColumn, main->width() - c.parameterColumn});
        auto* results = child<QSplitter>(*form, "resultsSplitter");
        results->setSizes({c.listing, results->height() - c.listing});
        auto* mechanism = child<QDockWidget>(*form, "mechanismDock");
        form->resizeDocks({mechanism}, {c.mechanism}, Qt::Horizontal);
        QApplication::processEvents();
        const int mechanismWidth = mechanism->width();
        const QList<int> mainShares = shares(*form, "mainSplitter");
        const QList<int> resultShares = shares(*form, "resultsSplitter");
        ASSERT_EQ(mainShares.front(), c.parameterColumn);
        keepWindowLayout(*form, fake);
        ASSERT_TRUE(std::filesystem::is_regular_file(windowLayoutPath(fake)));

        std::unique_ptr<MainWindow> next = nextSession();
        ASSERT_TRUE(restoreKeptWindowLayout(*next, fake));
        next->show();
        QApplication::processEvents();
        EXPECT_EQ(next->size(), c.size);
        EXPECT_EQ(shares(*next, "mainSplitter"), mainShares);
        EXPECT_EQ(shares(*next, "resultsSplitter"), resultShares);
        EXPECT_EQ(child<QDockWidget>(*next, "mechanismDock")->width(), mechanismWidth);
    }
}

// Whatever stands at the layout's place that this program did not write is passed over: the
// window opens at its default, as on a first start.
TEST_F(WindowLayoutTest, WhatIsNoLayoutChangesNothing)
{
    form->show();
    QApplication::processEvents();
    const std::string good = windowLayoutText(*form);
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"not base64 of a layout", "not a layout at all"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"another program's bytes",
         QByteArray("KLYX\\0\\0\\0\\1 and more").toBase64().toStdString()},
        {"longer than a line is read", std::string(70 * 1024, 'A')},
    };
    std::unique_ptr<MainWindow> next = nextSession();
    const QSize defaultSize = next->size();
    std::filesystem::create_directories(fake.dataDir);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(restoreWindowLayout(*next, c.text));
        writeBytes(windowLayoutPath(fake), c.text + "\r\n");
        EXPECT_FALSE(restoreKeptWindowLayout(*next, fake));
        EXPECT_EQ(next->size(), defaultSize);
    }
    // Nothing kept at all, and a folder where the file would be.
    std::filesystem::remove(windowLayoutPath(fake));
    EXPECT_FALSE(restoreKeptWindowLayout(*next, fake));
    std::filesystem::create_directory(windowLayoutPath(fake));
    EXPECT_FALSE(restoreKeptWindowLayout(*next, fake));
    // Keeping into a folder that takes no file says nothing and throws nothing.
    keepWindowLayout(*form, fake);
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_TRUE(fake.messages.empty());
}

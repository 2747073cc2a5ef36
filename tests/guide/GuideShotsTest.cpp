// SPDX-License-Identifier: GPL-3.0-or-later
// The screenshots of the user guide, made by driving the real windows as a reader of the guide
// does: the press example opened, calculated and refreshed, then the main window, the summary,
// the Mo and E chart and the synthesis window grabbed. Each window's layout is checked on the
// way (LayoutFaults.h). The images go to $KINOVAR_GUIDE_SHOTS (the CTest test guide_shots gives
// <build>/guide/images and runs this under Xvfb), else to a scratch folder that is removed.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QSplitter>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "app/qt/MainWindow.h"
#include "base/TextFile.h"
#include "calc/ResultStore.h"
#include "platform/qt/UiLook.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/SummaryWindow.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/LayoutFaults.h"
#include "support/ScratchFiles.h"

namespace {

// Saves `w` as drawn into folder/name through the atomic save.
void grabInto(QWidget* w, const std::string& folder, const char* name)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(w->grab().save(&buffer, "PNG")) << name;
    TextWriter writer(folder + name);
    writer.writeRaw(std::string_view(png.constData(), static_cast<size_t>(png.size())));
    writer.save();
}

void settle(QWidget* w)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QApplication::processEvents();
}

void expectLaidOut(const QWidget* window)
{
    for (const std::string& fault : layout::faults(window))
        ADD_FAILURE() << fault;
}

} // namespace

TEST(GuideShots, GuideWindowsAreGrabbedAndLaidOutWell)
{
    std::optional<ScratchDir> scratch;
    const char* wanted = std::getenv("KINOVAR_GUIDE_SHOTS");
    std::string folder;
    if (wanted && *wanted) {
        folder = std::string(wanted) + "/";
        std::filesystem::create_directories(folder);
    } else {
        scratch.emplace("shots");
        folder = scratch->dir();
    }
    // The program's own look, as its main sets it.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(uiFont(11));

    FakePlatform fake;
    fake.exeDir = std::string(KINOVAR_SOURCE_DIR) + "/data/";
    fake.separator = ','; // as on the Russian desktop the guide's pictures show
    ParamSet params;
    static ResultStore store;
    MainWindow main(fake, params, store);
    MoEChartWindow chart(params, store, fake);
    SummaryWindow summary(store, main.numbers());
    main.setSideWindows({&chart, nullptr, nullptr, &summary, nullptr});
    main.show();
    settle(&main);

    auto* examples = main.findChild<QMenu*>("examplesMenu");
    ASSERT_NE(examples, nullptr);
    emit examples->aboutToShow();
    ASSERT_GE(examples->actions().size(), 2);
    examples->actions().at(1)->trigger(); // the crank press
    trigger(main, "calculateAction");
    trigger(main, "refreshAction");
    ASSERT_TRUE(fake.errors.empty()) << fake.errors.front();
    ASSERT_TRUE(fake.messages.empty()) << fake.messages.front();
    settle(&main);
    expectLaidOut(&main);
    grabInto(&main, folder, "main-window.png");

    // The summary is a tab beside the grid; the reader makes room to read it, closing the docks
    // of the mechanism and dragging the splitter towards the parameters.
    trigger(main, "summaryAction");
    for (QDockWidget* dock : main.findChildren<QDockWidget*>())
        dock->close();
    auto* split = child<QSplitter>(main, "mainSplitter");
    const int total = split->sizes().value(0) + split->sizes().value(1);
    split->setSizes({total / 3, total - total / 3});
    settle(&main);
    ASSERT_TRUE(summary.isVisible());
    expectLaidOut(&main);
    grabInto(&main, folder, "summary.png");

    trigger(main, "moeChartAction");
    settle(&chart);
    expectLaidOut(&chart);
    grabInto(&chart, folder, "chart.png");
    chart.close();

    trigger(main, "synthesisAction");
    auto* synthesis = main.findChild<QWidget*>("synthesisWindow");
    ASSERT_NE(synthesis, nullptr);
    settle(synthesis);
    for (const auto& [edit, text] :
         {std::pair{"strokeEdit", "0,1"}, std::pair{"timeRatioEdit", "1"},
          std::pair{"rodRatioEdit", "0,142857142857"}}) {
        auto* line = child<QLineEdit>(*synthesis, edit);
        line->selectAll();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    QApplication::processEvents();
    expectLaidOut(synthesis);
    grabInto(synthesis, folder, "synthesis.png");
    synthesis->close();

    for (const char* name : {"main-window.png", "summary.png", "chart.png", "synthesis.png"}) {
        const QPixmap image(QString::fromStdString(folder + name));
        EXPECT_GT(image.width(), 100) << name;
        EXPECT_GT(image.height(), 100) << name;
    }
}

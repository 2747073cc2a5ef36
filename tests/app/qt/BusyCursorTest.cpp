// SPDX-License-Identifier: GPL-3.0-or-later
// Feedback during long work in the main window: every command that may take longer than a blink
// shows the busy cursor and takes it back on every way out; a stage fault names where it stopped.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "formats/ResultsTestFiles.h"
#include "platform/qt/QtPlatform.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

namespace {

// Closes the message box that is up, so that no test waits for a user.
void closeTheBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            box->done(QMessageBox::Ok);
}

class BusyCursorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.exeDir = dir.dir();
        form = std::make_unique<MainWindow>(fake, params, store());
    }
    void TearDown() override { form.reset(); }
    static ResultStore& store()
    {
        static ResultStore s;
        return s;
    }
    // The calls a command made, from the first "busy:on" on.
    std::vector<std::string> callsOf(const std::function<void()>& command)
    {
        fake.calls.clear();
        command();
        return fake.calls;
    }

    ScratchDir dir;
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<MainWindow> form;
};

size_t countOf(const std::vector<std::string>& calls, const std::string& call)
{
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(BusyCursorTest, LongCommandsShowItAndTakeItBackOnEveryPath)
{
    MoEChartWindow moeChart(params, store(), fake);
    QuantityChartWindow quantityChart(params, store(), fake, [] { return QStringList(); });
    form->setSideWindows({&moeChart, &quantityChart, nullptr});
    const struct {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"calculate", [&] { trigger(*form, "calculateAction"); }},
        // No "scr.ini" beside the program: the refresh ends with an error report.
        {"refresh", [&] { trigger(*form, "refreshAction"); }},
        {"animation, animator missing", [&] { trigger(*form, "animationAction"); }},
        {"animation, folder missing",
         [&] {
             fake.exeDir = dir.file("none/");
             trigger(*form, "animationAction");
             fake.exeDir = dir.dir();
         }},
        {"save report",
         [&] {
             fake.saveReplies.push_back(dir.file("r.txt"));
             trigger(*form, "saveReportAction");
         }},
        {"save report, no folder",
         [&] {
             fake.saveReplies.push_back(dir.file("none/r.txt"));
             trigger(*form, "saveReportAction");
         }},
        {"open report",
         [&] {
             fake.openReplies.push_back(dir.file("r.txt"));
             trigger(*form, "openReportAction");
         }},
        {"open report, missing",
         [&] {
             fake.openReplies.push_back(dir.file("none.txt"));
             trigger(*form, "openReportAction");
         }},
        {"Mo/E chart", [&] { trigger(*form, "moeChartAction"); }},
        {"Mo/E chart again", [&] { trigger(*form, "moeChartAction"); }},
        {"quantity chart", [&] { trigger(*form, "quantityChartAction"); }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        const auto calls = callsOf(c.run);
        EXPECT_EQ(countOf(calls, "busy:on"), 1u);
        EXPECT_EQ(countOf(calls, "busy:off"), 1u);
        EXPECT_EQ(fake.busyDepth, 0);
        // A dialog comes before the wait: the user is choosing, not waiting.
        const auto on = std::find(calls.begin(), calls.end(), "busy:on");
        for (auto it = on; it != calls.end(); ++it) {
            EXPECT_FALSE(it->starts_with("save:")) << *it;
            EXPECT_FALSE(it->starts_with("open:")) << *it;
        }
    }
    EXPECT_FALSE(fake.errors.empty()); // the failing paths above did fail
    moeChart.hide();
    quantityChart.hide();

    // A cancelled dialog does no work and shows no busy cursor.
    EXPECT_EQ(countOf(callsOf([&] { trigger(*form, "saveReportAction"); }), "busy:on"), 0u);
    EXPECT_EQ(countOf(callsOf([&] { trigger(*form, "openReportAction"); }), "busy:on"), 0u);
}

// The default geometry has b = l2 - l1: at a 0.1° step the rod reaches its dead centre exactly at
// 180°, at step 1800 (from fi0 = 0.1°).
TEST_F(BusyCursorTest, StageFaultNamesTheStepAndTheCrankAngle)
{
    fake.separator = ',';
    form = std::make_unique<MainWindow>(fake, params, store());
    child<QComboBox>(*form, "stepBox")->setCurrentIndex(8); // "ext 0.1"
    params.N = 24 * 100 + 1;
    fake.messages.clear();
    const auto calls = callsOf([&] { trigger(*form, "calculateAction"); });
    ASSERT_GE(fake.messages.size(), 2u);
    // Before the run, which still goes ahead, a box says where the rod cannot pass and why.
    EXPECT_EQ(fake.messages[0], "При φ = 180,00° шатун перпендикулярен направляющей: механизм не "
                                "проходит это положение. Увеличьте L2 или уменьшите B.");
    EXPECT_EQ(fake.messages[1],
              std::string(kKinematicFault) + "\nШаг 1800, угол кривошипа 180,00°");
    // The wait is over before the first box of a stage comes up.
    const auto on = std::find(calls.begin(), calls.end(), "busy:on");
    const auto off = std::find(calls.begin(), calls.end(), "busy:off");
    const auto box = std::find_if(on, calls.end(),
                                  [](const std::string& c) { return c.starts_with("message:"); });
    EXPECT_LT(off, box);
    // Every stage that stopped says where, in the same form.
    const QRegularExpression where(QStringLiteral("^Шаг \\d+, угол кривошипа -?\\d+,\\d\\d°$"));
    for (const std::string& m : std::vector(fake.messages.begin() + 1, fake.messages.end())) {
        const auto lines = QString::fromStdString(m).split('\n');
        ASSERT_EQ(lines.size(), 2) << m;
        EXPECT_TRUE(where.match(lines[1]).hasMatch()) << m;
    }
}

// The real platform: the wait cursor over the application, the normal one in a message box.
TEST(QtPlatformBusy, MessageBoxShowsTheNormalCursor)
{
    QtPlatform platform;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        const BusyCursor busy(platform);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        for (int which = 0; which < 2; ++which) {
            Qt::CursorShape inBox = Qt::BlankCursor;
            // Looks while the box is up, then closes it, so that nothing waits for a user.
            QTimer::singleShot(0, [&inBox] {
                if (QApplication::overrideCursor()) inBox = QApplication::overrideCursor()->shape();
                closeTheBox();
            });
            if (which == 0)
                platform.showMessage("Операция прервана.");
            else
                platform.showError("Disk full");
            EXPECT_EQ(inBox, Qt::ArrowCursor) << which;
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << which;
        }
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // An exception leaving the busy work takes the cursor back too.
    try {
        const BusyCursor busy(platform);
        throw std::runtime_error("fault");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Without busy work a box pushes no cursor of its own.
    QTimer::singleShot(0, [] {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        closeTheBox();
    });
    platform.showMessage("Шаг 15 градусов принят");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The window survives a failing command: whatever a command throws is shown through the standard
// error report, the parameters stay as they were, and the next command works.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <stdexcept>

#include "app/qt/MainWindow.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/MoEChartWindow.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

// A recording platform whose chosen call throws, as a platform out of memory or out of luck
// would: "open", "save", "message", "exeDir" or "start".
class FailingPlatform : public FakePlatform {
public:
    std::string failingCall;
    bool outOfMemory = false;

    void showMessage(const std::string& text) override
    {
        failIf("message");
        FakePlatform::showMessage(text);
    }
    using FakePlatform::openFileName;
    using FakePlatform::saveFileName;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override
    {
        failIf("open");
        return FakePlatform::openFileName(request);
    }
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override
    {
        failIf("save");
        return FakePlatform::saveFileName(request);
    }
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override
    {
        failIf("start");
        return FakePlatform::startProgram(path, args);
    }
    std::string executableDir() override
    {
        failIf("exeDir");
        return FakePlatform::executableDir();
    }

private:
    void failIf(const char* call)
    {
        if (failingCall != call) return;
        if (outOfMemory) throw std::bad_alloc();
        throw std::runtime_error("Device lost");
    }
};

// Every number of the parameter set, in one comparable list.
std::vector<long double> numbers(const ParamSet& p)
{
    return {p.l1,
            p.l2,
            p.b,
            p.fi0,
            p.fit0,
            p.fitt0,
            p.fidtt,
            p.ac1,
            p.ac2,
            p.ac3,
            p.ac4,
            p.ac5,
            p.bc1,
            p.bc2,
            p.bc3,
            p.bc4,
            p.bc5,
            p.m1,
            p.m2,
            p.m3,
            p.i1,
            p.i2,
            p.i3,
            p.phi0,
            p.psi0,
            p.aux,
            p.mode,
            p.step,
            static_cast<long double>(p.N),
            static_cast<long double>(p.cycles)};
}

class CommandFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.exeDir = dir.dir();
        form = std::make_unique<MainWindow>(fake, params, store());
        moeChart = std::make_unique<MoEChartWindow>(params, store(), fake);
        form->setSideWindows({moeChart.get(), nullptr, nullptr});
        // A rod too short for the guide: the autofill stops after phi0, ac4 and ac1 with its
        // message, and an entry of l2 below l1 warns after storing l2 and b.
        params.l1 = 10;
        params.l2 = 1;
        params.b = 0;
        params.ac1 = 1.5L;
        params.ac4 = 2.5L;
        params.curkey = "m3";
        form->parameterPanel().showValues();
        store().recordRun(params); // the exports have a run to write
    }
    void TearDown() override
    {
        moeChart.reset();
        form.reset();
    }
    static ResultStore& store()
    {
        static ResultStore s;
        return s;
    }
    QStringList labels() const
    {
        QStringList out;
        for (int r = 0; r < kParamRowCount; ++r)
            out << child<QLineEdit>(*form, (std::string(paramRow(r).key) + "Value").c_str())->text();
        return out;
    }

    ScratchDir dir{"command-failure"};
    FailingPlatform fake;
    ParamSet params;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MoEChartWindow> moeChart;
};

struct FailureCase {
    const char* name;
    const char* failingCall;
    bool outOfMemory;
    std::function<void(MainWindow&, MoEChartWindow&)> command;
    std::function<void(MainWindow&)> prepare = {}; // a command of its own, not failing
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class EachCommand : public CommandFailure, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EachCommand, FailureIsReportedAndChangesNoParameter)
{
    const FailureCase& c = GetParam();
    if (c.prepare) c.prepare(*form);
    fake.failingCall = c.failingCall;
    fake.outOfMemory = c.outOfMemory;
    fake.openReplies = {dir.file("report.txt")};
    fake.saveReplies = {dir.file("saved.txt")};
    const std::vector<long double> before = numbers(params);
    const std::string keyBefore = params.curkey;
    const QStringList labelsBefore = labels();

    c.command(*form, *moeChart);

    EXPECT_EQ(fake.errors,
              std::vector<std::string>{c.outOfMemory ? "Out of memory." : "Device lost."});
    EXPECT_EQ(numbers(params), before);
    EXPECT_EQ(params.curkey, keyBefore);
    EXPECT_EQ(labels(), labelsBefore);

    // The window goes on: the next command runs as ever.
    fake.failingCall.clear();
    trigger(*form, "newAction");
    ParamSet defaults = params;
    setDefaults(defaults);
    EXPECT_EQ(numbers(params), numbers(defaults));
    EXPECT_EQ(child<QLineEdit>(*form, "l1Value")->text().toStdString(),
              paramLabelText(defaults, 0, '.'));
    EXPECT_EQ(fake.errors.size(), 1u);
}

void openL2Entry(MainWindow& w)
{
    QTest::mouseClick(child(w, "l2Button"), Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    CommandFailure, EachCommand,
    ::testing::Values(
        FailureCase{"OpenReport", "open", true,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "openReportAction"); }},
        FailureCase{"OpenReportAction", "open", false,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "openReportAction"); }},
        FailureCase{"SaveReport", "save", true,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "saveReportAction"); }},
        FailureCase{"Refresh", "exeDir", true,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "refreshAction"); }},
        FailureCase{"Animation", "exeDir", false,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "animationAction"); }},
        FailureCase{"AnimatorStart", "start", true,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "animationAction"); }},
        // The stages fail on the short rod and the first fault box throws.
        FailureCase{"Calculate", "message", false,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "calculateAction"); }},
        // The autofill has stored phi0, ac4 and ac1 when its fault box throws.
        FailureCase{"AutofillMenu", "message", true,
                    [](MainWindow& w, MoEChartWindow&) { trigger(w, "autofillAction"); }},
        FailureCase{"AutofillButton", "message", false,
                    [](MainWindow& w, MoEChartWindow&) {
                        QTest::mouseClick(child(w, "autofillButton"), Qt::LeftButton);
                    }},
        // l2 = 5 below l1 = 10: l2 and b are stored and the label shows "5" when the warning
        // about b throws.
        FailureCase{"EntryConfirm", "message", true,
                    [](MainWindow& w, MoEChartWindow&) {
                        child<QLineEdit>(w, "entryEdit")->setText(QStringLiteral("5"));
                        QTest::mouseClick(child(w, "entryOk"), Qt::LeftButton);
                    },
                    openL2Entry},
        FailureCase{"EntryEnter", "message", false,
                    [](MainWindow& w, MoEChartWindow&) {
                        child<QLineEdit>(w, "entryEdit")->setText(QStringLiteral("5"));
                        QTest::keyClick(child(w, "entryEdit"), Qt::Key_Return);
                    },
                    openL2Entry},
        FailureCase{"ChartImage", "save", true,
                    [](MainWindow&, MoEChartWindow& chart) { trigger(chart, "saveImageAction"); }}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A failing command ends with the box: nothing it would have done after the failure is done.
TEST_F(CommandFailure, OpenReportThatFailsReadsNothing)
{
    writeBytes(dir.file("report.txt"), "1\r\n2\r\n3\r\n");
    fake.openReplies = {dir.file("report.txt")};
    fake.failingCall = "open";
    trigger(*form, "openReportAction");
    EXPECT_EQ(params.l1, 10);
    EXPECT_EQ(fake.openReplies.size(), 1u); // the reply was never taken

    // The same command, no longer failing, reads the file (fields past the third line are
    // empty text and stop the reading with the conversion message).
    fake.failingCall.clear();
    trigger(*form, "openReportAction");
    EXPECT_EQ(params.l1, 1);
    EXPECT_EQ(params.l2, 2);
    EXPECT_EQ(fake.errors.size(), 2u);
    EXPECT_EQ(fake.errors.front(), "Device lost.");
}

} // namespace

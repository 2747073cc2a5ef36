// SPDX-License-Identifier: GPL-3.0-or-later
// The typical use of the program, driven through the real windows on a recording platform:
// edit "L2=", autofill, a 5° step and two cycles, F9, F5, F7, Ctrl+S, F8.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "present/qt/ListingView.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsGridModel.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using Q = Quantity;

namespace {

QStringList fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.endsWith("\r\n"));
    text.chop(2);
    return text.split("\r\n");
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        fake.exeDir = dir.path().toStdString() + "/";
        // The captions ship beside the executable; give the window a copy in its folder.
        QFile::copy(QStringLiteral(KINOVAR_SOURCE_DIR "/data/scr.ini"), dir.filePath("scr.ini"));
        form = std::make_unique<MainWindow>(fake, params, store);
        moeChart = std::make_unique<MoEChartWindow>(params, store, fake);
        quantityChart = std::make_unique<QuantityChartWindow>(
            params, store, fake, [this] { return form->resultsPanel().rowCaptions(); });
        form->setSideWindows({moeChart.get(), quantityChart.get(), nullptr});
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override
    {
        quantityChart.reset();
        moeChart.reset();
        form.reset();
    }
    QString memo() const { return child<ListingView>(*form, "listing")->toPlainText(); }
    QString labelText(const char* name) const { return child<QLineEdit>(*form, name)->text(); }
    // The grid's model, whose cells are what the grid shows.
    const ResultsGridModel& grid() const
    {
        return *qobject_cast<const ResultsGridModel*>(child<QTableView>(*form, "grid")->model());
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(form.get(), static_cast<Qt::Key>(k), mods);
    }

    QTemporaryDir dir;
    FakePlatform fake;
    ParamSet params;
    ResultStore store;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MoEChartWindow> moeChart;
    std::unique_ptr<QuantityChartWindow> quantityChart;
};

TEST_F(EndToEnd, TypicalUseFromStartToAnimation)
{
    // Start: the defaults are shown.
    EXPECT_EQ(labelText("l2Value"), "25.000");

    // Edit "L2=": the panel opens, Enter confirms, b follows l2 and every label is re-rendered.
    QWidget* entryPanel = child(*form, "entryPanel");
    auto* entryEdit = child<QLineEdit>(*form, "entryEdit");
    QTest::mouseClick(child(*form, "l2Button"), Qt::LeftButton);
    ASSERT_TRUE(entryPanel->isVisible());
    entryEdit->selectAll();
    QTest::keyClicks(entryEdit, "30");
    QTest::keyClick(entryEdit, Qt::Key_Return);
    EXPECT_FALSE(entryPanel->isVisible());
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.b, 20);
    EXPECT_EQ(labelText("l2Value"), "30.000");
    EXPECT_EQ(labelText("bValue"), "20.000");

    // Autofill: B lies on the guide x = b.
    QTest::mouseClick(child(*form, "autofillButton"), Qt::LeftButton);
    EXPECT_NEAR(static_cast<double>(params.ac5), 20.0, 1e-9);
    EXPECT_EQ(labelText("ac5Value"), "20.000"); // "A(B)="

    // A 5° step and two cycles.
    child<QComboBox>(*form, "stepBox")->setCurrentIndex(1);
    EXPECT_EQ(memo(), "Шаг 5 градусов принят");
    QTest::mouseClick(child(*form, "cycleEditButton"), Qt::LeftButton);
    child<QLineEdit>(*form, "cycleCountEdit")->selectAll();
    QTest::keyClicks(child(*form, "cycleCountEdit"), "2");
    QTest::mouseClick(child(*form, "cycleEditButton"), Qt::LeftButton);
    EXPECT_EQ(params.N, 49);
    EXPECT_EQ(memo(), "Принято: циклов 2, шагов 48, поворот кривошипа 240°");

    // F9: the calculation runs silently.
    key(Qt::Key_F9);
    EXPECT_EQ(memo(), "Был произведён новый расчёт...");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_NEAR(static_cast<double>(store(Q::fi, 49)), 0.1 * kRadPerDeg + 48 * 5 * kRadPerDeg,
                1e-15);

    // F5: the grid gets N + 1 columns and the listing one line per step.
    key(Qt::Key_F5);
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_EQ(grid().cellText(1, 0), "0.10");
    EXPECT_EQ(grid().cellText(49, 0), "240.10");
    EXPECT_EQ(grid().cellText(1, 26), QString::fromStdString(FormatFixed(20, 4, 2, '.')));
    EXPECT_FALSE(grid().cellText(0, 1).isEmpty());
    EXPECT_EQ(form->resultsPanel().captionCount(), kGridValueRows);
    const QStringList listing = memo().split("\n");
    EXPECT_EQ(listing.front(), "Таблица значений обновлена...");
    EXPECT_EQ(listing.size(), 2 + 2 * 49 + 1);

    // F7: both series hold the run's Mo and E.
    key(Qt::Key_F7);
    ASSERT_TRUE(moeChart->isVisible());
    const auto mo = child<QLineSeries>(*moeChart, "moSeries")->points();
    const auto e = child<QLineSeries>(*moeChart, "eSeries")->points();
    ASSERT_EQ(mo.size(), 49);
    ASSERT_EQ(e.size(), 49);
    EXPECT_NEAR(mo.last().x(), 240.1, 1e-9); // the crank angle of the last step
    EXPECT_EQ(mo[10].y(), static_cast<double>(store(Q::mo, 11)));
    EXPECT_EQ(e.first().y(), 0.0);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    // Ctrl+S: the header's lines and a step's lines per step, from the grid's text.
    const QString report = dir.filePath("report.txt");
    fake.saveReplies.push_back(report.toStdString());
    key(Qt::Key_S, Qt::ControlModifier);
    const QStringList lines = fileLines(report);
    ASSERT_EQ(lines.size(), kReportHeaderLines + kReportRows * 49);
    EXPECT_EQ(lines[0], "10.00");
    EXPECT_EQ(lines[1], "30.00");
    EXPECT_EQ(lines[2], "20.00");
    EXPECT_EQ(lines[kReportHeaderLines], "0.10");
    EXPECT_EQ(lines[kReportHeaderLines + kReportRows * 48], "240.10");

    // F8: Kinetic.ini beside the executable and the full animator started.
    key(Qt::Key_F8);
    const QStringList kin = fileLines(dir.filePath("Kinetic.ini"));
    ASSERT_EQ(kin.size(), 8 + 9 * 49);
    EXPECT_EQ(kin[0], "240");
    EXPECT_EQ(kin[3], "30.00");
    EXPECT_EQ(kin[5], "49");
    EXPECT_EQ(kin.last(), "END");
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0], fake.exeDir + "Animator/Animator");
    EXPECT_TRUE(fake.errors.empty());
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The load editor: its presets, applying a table as one undo step, refusing a bad one, the main
// window's load line and the memo of a report saved with a load.
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/qt/LoadEditor.h"
#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "present/qt/ListingView.h"
#include "support/ScratchFiles.h"

namespace {

class LoadEditorTest : public MainWindowTest {
protected:
    LoadEditor& editor()
    {
        form->showLoadEditor();
        return *form->loadEditor();
    }
    QUndoStack& undo() { return form->projectController().undoStack(); }
};

constexpr long double kPiL = std::numbers::pi_v<long double>;

} // namespace

// Every preset is a table the check accepts and the editor stores as it is; the indicator
// diagram's force is p * pi * d^2 / 4, here at its 50 bar peak on a 100 mm piston.
TEST_F(LoadEditorTest, PresetsAreUsableAndApplyAsTheyAre)
{
    const struct {
        LoadPreset preset;
        LoadKind kind;
        int32_t period;
    } cases[] = {{LoadPreset::None, LoadKind::None, 360},
                 {LoadPreset::ConstantForce, LoadKind::ByAngle, 360},
                 {LoadPreset::PressResistance, LoadKind::ByStroke, 360},
                 {LoadPreset::IndicatorDiagram, LoadKind::ByAngle, 720}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.preset));
        const PresetLoad load = presetLoad(c.preset);
        EXPECT_EQ(load.table.kind, c.kind);
        EXPECT_EQ(load.period, c.period);
        EXPECT_FALSE(checkLoadTable(load.table, load.period));
        editor().choosePreset(c.preset);
        ASSERT_TRUE(editor().apply());
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_EQ(params.period, c.period);
        EXPECT_EQ(params.load.kind, c.kind);
        if (c.kind != LoadKind::None) {
            EXPECT_EQ(params.load.points, load.table.points);
        }
    }
    // The diagram peaks 15° after a top dead centre: a centric piston, yb = l1 sin φ +
    // √(l2² − l1² cos² φ), stands highest where sin φ = 1, at 90° + 360°·k.
    const LoadTable diagram = presetLoad(LoadPreset::IndicatorDiagram).table;
    const auto peak =
        std::max_element(diagram.points.begin(), diagram.points.end(),
                         [](const LoadPoint& a, const LoadPoint& b) { return a.force < b.force; });
    ASSERT_NE(peak, diagram.points.end());
    EXPECT_EQ(std::fmod(static_cast<double>(peak->x) - 15, 360.0), 90.0);
    EXPECT_NEAR(static_cast<double>(peak->force),
                static_cast<double>(50e5L * 0.1L * 0.1L / 4 * kPiL), 1e-6);
    // The units: 1 MPa and 10 bar on a 200 mm piston push alike, 1e6 * 0.04 / 4 * pi N.
    for (const PressureUnit unit : {PressureUnit::MPa, PressureUnit::Bar}) {
        const long double p = unit == PressureUnit::MPa ? 1 : 10;
        const LoadTable t = indicatorLoad({{0, p}}, 200, unit);
        EXPECT_NEAR(static_cast<double>(t.points.at(0).force),
                    static_cast<double>(1e6L * 0.04L / 4 * kPiL), 1e-6);
    }
}

// "Применить" is one undo step; undo brings back the load before it, and the line follows.
TEST_F(LoadEditorTest, ApplyIsOneUndoStep)
{
    const int steps = undo().count();
    editor().choosePreset(LoadPreset::ConstantForce);
    ASSERT_TRUE(editor().apply());
    EXPECT_EQ(undo().count(), steps + 1);
    EXPECT_EQ(undo().undoText(), QStringLiteral("нагрузка"));
    EXPECT_EQ(labelText("loadStatus"), QStringLiteral("Нагрузка: по углу, 1 точка, до 1 кН"));
    undo().undo();
    EXPECT_EQ(params.load, LoadTable{});
    EXPECT_EQ(labelText("loadStatus"), QStringLiteral("Нагрузка: нет"));
    undo().redo();
    EXPECT_EQ(params.load, presetLoad(LoadPreset::ConstantForce).table);
}

// A table the check refuses is named by its row and reason; nothing is stored or recorded.
TEST_F(LoadEditorTest, BadTableIsRefusedWithItsRow)
{
    const struct {
        const char* rows;
        const char* said; // the start of the message
    } cases[] = {
        {"0;5\n0;7\n", "Нагрузка не применена: строка 2: "},
        {"10\t1\n400\t2\n", "Нагрузка не применена: строка 2: "},
        {"10;1\n20;x\n", "Строка 2: в столбце «Q, Н» не число."},
        {"", "Нагрузка не применена: таблица пуста: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        fake.messages.clear();
        editor().choosePreset(LoadPreset::ConstantForce);
        editor().showLoad({LoadKind::ByAngle, LoadDirection::AlongY, {}}, 360);
        editor().pasteRows(QString::fromUtf8(c.rows));
        const int steps = undo().count();
        EXPECT_FALSE(editor().apply());
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].rfind(c.said, 0), 0u) << fake.messages[0];
        EXPECT_EQ(params.load, LoadTable{});
        EXPECT_EQ(undo().count(), steps);
    }
}

// The line names the kind, the points with the word's plural and the largest |Q| in N or kN,
// with the locale's separator.
TEST(LoadStatusText, NamesKindPointsAndLargestForce)
{
    const auto angle = [](size_t n, long double q) {
        LoadTable t{LoadKind::ByAngle, LoadDirection::TowardCrank, {}};
        for (size_t i = 0; i < n; ++i)
            t.points.push_back({static_cast<long double>(i), i == 0 ? -q : q / 2, 0});
        return t;
    };
    const LoadTable stroke{
        LoadKind::ByStroke, LoadDirection::TowardCrank, {{0, 10, -2000}, {0.5L, 20, 0}, {1, 0, 0}}};
    const struct {
        LoadTable load;
        char decimal;
        const char* text;
    } cases[] = {
        {LoadTable{}, ',', "Нагрузка: нет"},
        {angle(37, 12500), ',', "Нагрузка: по углу, 37 точек, до 12,5 кН"},
        {angle(21, 12500), '.', "Нагрузка: по углу, 21 точка, до 12.5 кН"},
        {angle(12, 850), ',', "Нагрузка: по углу, 12 точек, до 850 Н"},
        {stroke, ',', "Нагрузка: по ходу, 3 точки, до 2 кН"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadStatusText(c.load, c.decimal), QString::fromUtf8(c.text)) << c.text;
}

// A report saved with a load set says in the memo that the load is not in it.
TEST_F(LoadEditorTest, ReportMemoSaysTheLoadIsLeftOut)
{
    ScratchDir dir{"load-report"};
    const QString note =
        QStringLiteral("Нагрузка в отчёт не записывается: она сохраняется только в проекте.");
    for (const bool loaded : {false, true}) {
        SCOPED_TRACE(loaded);
        params.load = loaded ? presetLoad(LoadPreset::ConstantForce).table : LoadTable{};
        fake.saveReplies.push_back(dir.file(loaded ? "with.txt" : "without.txt"));
        trigger("saveReportAction");
        const QString memo =
            control<ListingView>("listing")->toPlainText().split(QLatin1Char('\n')).first();
        EXPECT_EQ(memo == note, loaded) << memo.toStdString();
    }
}

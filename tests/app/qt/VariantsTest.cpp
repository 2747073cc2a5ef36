// SPDX-License-Identifier: GPL-3.0-or-later
// Variants kept from the main window: kept, compared, restored and undone as project changes,
// and laid over the charts as curves of their own inputs.
#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "app/qt/controllers/ProjectController.h"
#include "app/qt/controllers/VariantsController.h"
#include "calc/Calculation.h"
#include "params/ParamSetCompare.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/VariantsWindow.h"
#include "support/FakePlatform.h"

namespace {

class Variants : public ::testing::Test {
protected:
    void SetUp() override
    {
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        moe = std::make_unique<MoEChartWindow>(params, *store, fake);
        window = std::make_unique<VariantsWindow>(form->numbers());
        variants =
            std::make_unique<VariantsController>(fake, params, *store, form->projectController(),
                                                 form->numbers(), *window, moe.get(), nullptr);
        QObject::connect(form.get(), &MainWindow::resultsReplaced, variants.get(),
                         &VariantsController::followResults);
        QObject::connect(form.get(), &MainWindow::variantOffered, variants.get(),
                         &VariantsController::keepOffered);
    }
    void TearDown() override
    {
        variants.reset();
        window.reset();
        moe.reset();
        form.reset();
    }
    void setL2(double l2)
    {
        form->parameterPanel().run([l2](ParamSet& p) {
            p.l2 = l2;
            return Outcome{};
        });
    }
    void keep(const char* name)
    {
        fake.textReplies.push_back(name);
        variants->keepCurrent();
    }
    ProjectController& project() { return form->projectController(); }

    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MoEChartWindow> moe;
    std::unique_ptr<VariantsWindow> window;
    std::unique_ptr<VariantsController> variants;
};

TEST_F(Variants, KeptComparedRestoredAndUndoneAsProjectChanges)
{
    // Nothing to keep before a calculation, nor while the results are another set's.
    keep("ранний");
    form->calculate();
    setL2(40);
    keep("устаревший");
    EXPECT_TRUE(project().variants().empty());
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0], kNoResultsMessage);
    EXPECT_EQ(fake.messages[1], kStaleResultsText);
    fake.textReplies.clear(); // never asked for

    form->calculate();
    keep("L2 = 40");
    setL2(60);
    form->calculate();
    keep("  "); // a blank name takes the one offered
    ASSERT_EQ(project().variants().size(), 2u);
    EXPECT_EQ(project().variants()[1].name, "Вариант 2");
    EXPECT_EQ(project().variants()[0].params.l2, 40);

    // The window shows the current run first, then each variant; in every column the marked
    // cell holds the better of the two variants' figures, as each figure defines better.
    variants->showWindow();
    const QStringList rows = window->tableText().split('\n');
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Текущий расчёт\t")));
    EXPECT_TRUE(rows[2].startsWith(QStringLiteral("Вариант 2\t")));
    const auto& a = project().variants()[0].figures;
    const auto& b = project().variants()[1].figures;
    int differing = 0;
    for (size_t f = 0; f < keyFigures().size(); ++f) {
        if (!a[f] || !b[f] || *a[f] == *b[f]) continue;
        ++differing;
        const KeyFigure& fig = keyFigures()[f];
        const long double ka = fig.better == Better::SmallerMagnitude ? std::fabs(*a[f]) : *a[f];
        const long double kb = fig.better == Better::SmallerMagnitude ? std::fabs(*b[f]) : *b[f];
        const bool aWins = fig.better == Better::Larger ? ka > kb : ka < kb;
        // The current run equals variant 2: both carry the mark where it wins.
        EXPECT_EQ(window->markedBest(0, f), !aWins) << fig.key;
        EXPECT_EQ(window->markedBest(1, f), aWins) << fig.key;
        EXPECT_EQ(window->markedBest(2, f), !aWins) << fig.key;
    }
    EXPECT_GE(differing, 4); // M_d, P_ср, J and the stroke at least

    // Restoring is one undo step; the list itself is project history too.
    const ParamSet before = params;
    project().restoreVariant(0);
    EXPECT_EQ(params.l2, 40);
    project().undoStack().undo();
    EXPECT_TRUE(sameParams(params, before));
    project().removeVariant(0);
    ASSERT_EQ(project().variants().size(), 1u);
    project().undoStack().undo();
    ASSERT_EQ(project().variants().size(), 2u);
    EXPECT_EQ(project().variants()[0].name, "L2 = 40");
    // A sweep's point offered from the main window is kept under the name suggested, with the
    // figures of its own run (its M_d differs from the screen's).
    ParamSet offered = params;
    offered.l2 = 33;
    fake.textReplies.push_back("");
    emit form->variantOffered(offered, QStringLiteral("L2 = 33"));
    ASSERT_EQ(project().variants().size(), 3u);
    EXPECT_EQ(project().variants()[2].name, "L2 = 33");
    EXPECT_EQ(project().variants()[2].params.l2, 33);
    EXPECT_NE(project().variants()[2].figures[0], project().variants()[1].figures[0]);
    // Renamed in place in the window, as the user edits the cell.
    window->findChild<QTableWidget*>("variantsTable")->item(2, 0)->setText("длинный шатун");
    QApplication::processEvents();
    EXPECT_EQ(project().variants()[1].name, "длинный шатун");
    EXPECT_TRUE(window->tableText().contains(QStringLiteral("длинный шатун\t")));
    EXPECT_EQ(project().undoStack().undoText(),
              QStringLiteral("переименование варианта «длинный шатун»"));
}

TEST_F(Variants, OverlayIsTheVariantsOwnRunWhateverTheScreenHolds)
{
    setL2(35);
    form->calculate();
    keep("L2 = 35");
    const ParamSet kept = project().variants()[0].params;
    variants->showWindow();
    ASSERT_TRUE(window->chosenForCharts().empty());

    // An independent run of the kept inputs, in a store of its own.
    auto own = std::make_unique<ResultStore>();
    runCalculation(kept, *own);
    auto expectOwnCurves = [&] {
        const auto& overlays = moe->view().overlays();
        ASSERT_EQ(overlays.size(), 2u);
        EXPECT_EQ(overlays[0].name, QStringLiteral("Mo: L2 = 35"));
        for (size_t k = 0; k < 2; ++k) {
            const Quantity q = k == 0 ? Quantity::mo : Quantity::e;
            ASSERT_EQ(overlays[k].points.size(), kept.N);
            for (int i = 1; i <= kept.N; i += 7)
                ASSERT_EQ(overlays[k].points[i - 1].y(), double((*own)(q, i))) << i;
        }
    };
    moe->show();
    // Checked in the window, the variant's Mo and E join the shown chart.
    window->findChild<QTableWidget*>("variantsTable")->item(1, 1)->setCheckState(Qt::Checked);
    expectOwnCurves();
    // New parameters and a new run change the chart's own series, not the overlay.
    setL2(55);
    form->calculate();
    moe->fill();
    expectOwnCurves();
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with every other window of the program made and wired as the program's start
// makes them, and the windows its menu opens without a calculation opened: what the walks over
// the visible texts (the Russian interface's, the English one's) go through.
#pragma once
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "app/qt/AboutWindow.h"
#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/VariantsController.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/SummaryWindow.h"
#include "present/qt/VariantsWindow.h"

class WindowWalkTest : public MainWindowTest {
protected:
    // Every top-level window of the program, the main window first.
    QList<QWidget*> everyWindow()
    {
        fake.exeDir = std::string(KINOVAR_SOURCE_DIR) + "/data/";
        parts_ = std::make_unique<Parts>(*this);
        variants_ = std::make_unique<VariantsController>(
            fake, params, *parts_->R, form->projectController(), form->numbers(),
            parts_->variants, &parts_->moe, &parts_->quantity);
        variants_->addMenuItems(form->menuBar()->findChild<QMenu*>("operationsMenu"),
                                form->menuBar()->findChild<QMenu*>("viewMenu"));
        for (const char* action : {"loadAction", "sweepAction", "sweepMapAction",
                                   "synthesisAction", "optimiseAction", "trueMotionAction"})
            trigger(action);
        QList<QWidget*> windows{form.get(),         &parts_->moe,      &parts_->quantity,
                                &parts_->about,     &parts_->summary,  &parts_->flywheel,
                                &parts_->variants};
        for (QWidget* top : QApplication::topLevelWidgets())
            if (!windows.contains(top) && form->isAncestorOf(top)) windows << top;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->isWindow() && !windows.contains(w)) windows << w;
        return windows;
    }
    // The side windows go before the main window whose project they watch.
    void TearDown() override
    {
        variants_.reset();
        parts_.reset();
        MainWindowTest::TearDown();
    }

private:
    struct Parts {
        explicit Parts(WindowWalkTest& t)
            : moe(t.params, *R, t.fake), quantity(t.params, *R, t.fake, [] { return QStringList(); }),
              summary(*R, t.form->numbers()),
              flywheel(*R, t.fake, [] { return SummaryOptions{}; }), variants(t.form->numbers())
        {
            t.form->setSideWindows({&moe, &quantity, &about, &summary, &flywheel});
        }
        std::unique_ptr<ResultStore> R = std::make_unique<ResultStore>();
        MoEChartWindow moe;
        QuantityChartWindow quantity;
        AboutWindow about;
        SummaryWindow summary;
        FlywheelChartWindow flywheel;
        VariantsWindow variants;
    };
    std::unique_ptr<Parts> parts_;
    std::unique_ptr<VariantsController> variants_;
};

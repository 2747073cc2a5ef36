// SPDX-License-Identifier: GPL-3.0-or-later
// The windows besides the main one (the sweep, the variants, the load editor, the summary and the
// charts) on small screens: each opens fitting the screen's available area, and every control it
// shows can be reached there, scrolling where the window scrolls. A screen of 1600x1000 at
// QT_SCALE_FACTOR=2 is 800x500 in the device-independent pixels widgets are laid out in.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/LoadEditor.h"
#include "app/qt/SynthesisWindow.h"
#include "present/qt/OptimiseWindow.h"
#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "params/Autofill.h"
#include "platform/qt/WindowFit.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/SummaryWindow.h"
#include "present/qt/SweepMapWindow.h"
#include "present/qt/SweepWindow.h"
#include "present/qt/VariantsWindow.h"
#include "support/ControlReach.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

namespace {

const ParamSet& runParams()
{
    static const ParamSet p = [] {
        ParamSet q;
        setDefaults(q);
        autofillPoints(q);
        return q;
    }();
    return p;
}

const ResultStore& runStore()
{
    static ResultStore* R = [] {
        auto* r = new ResultStore;
        runCalculation(runParams(), *r);
        return r;
    }();
    return *R;
}

// What every window is built from; a main window owns the load editor.
struct Windows {
    FakePlatform platform;
    NumberFormat numbers{','};
    ParamSet params = runParams();
    ResultStore& mainStore = *new ResultStore; // the main window's own, never calculated
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<QWidget> own;
    ~Windows()
    {
        own.reset();
        main.reset();
        delete &mainStore;
    }
    LoadEditor* loadEditor()
    {
        main = std::make_unique<MainWindow>(platform, params, mainStore);
        main->showLoadEditor();
        return main->loadEditor();
    }
};

struct WindowCase {
    const char* name;
    std::function<QWidget*(Windows&)> open; // built and shown
};

const WindowCase kWindows[] = {
    {"sweep",
     [](Windows& s) {
         s.own = std::make_unique<SweepWindow>(s.params, s.platform, s.numbers);
         s.own->show();
         return s.own.get();
     }},
    {"two-parameter sweep",
     [](Windows& s) {
         s.own = std::make_unique<SweepMapWindow>(s.params, s.platform, s.numbers);
         s.own->show();
         return s.own.get();
     }},
    {"variants",
     [](Windows& s) {
         s.own = std::make_unique<VariantsWindow>(s.numbers);
         s.own->show();
         return s.own.get();
     }},
    {"load editor",
     [](Windows& s) -> QWidget* { return s.loadEditor(); }},
    {"load editor, indicator diagram",
     [](Windows& s) -> QWidget* {
         LoadEditor* editor = s.loadEditor();
         editor->choosePreset(LoadPreset::IndicatorDiagram);
         return editor;
     }},
    {"synthesis",
     [](Windows& s) -> QWidget* {
         s.main = std::make_unique<MainWindow>(s.platform, s.params, s.mainStore);
         return showSynthesisWindow(s.main.get(), s.params, s.main->parameterPanel(), s.numbers);
     }},
    {"optimisation",
     [](Windows& s) {
         s.own = std::make_unique<OptimiseWindow>(s.params, s.platform, s.numbers);
         s.own->show();
         return s.own.get();
     }},
    {"summary",
     [](Windows& s) {
         auto summary = std::make_unique<SummaryWindow>(runStore(), s.numbers);
         summary->refresh();
         summary->show();
         s.own = std::move(summary);
         return s.own.get();
     }},
    {"quantity chart",
     [](Windows& s) {
         s.own = std::make_unique<QuantityChartWindow>(runParams(), runStore(), s.platform,
                                                       [] { return QStringList{"s", "v"}; });
         s.own->show();
         return s.own.get();
     }},
    {"Mo and E charts",
     [](Windows& s) {
         s.own = std::make_unique<MoEChartWindow>(runParams(), runStore(), s.platform);
         s.own->show();
         return s.own.get();
     }},
    {"flywheel charts",
     [](Windows& s) {
         s.own = std::make_unique<FlywheelChartWindow>(
             runStore(), s.platform, [] { return summaryOptions(runParams(), 0.1L); });
         s.own->show();
         return s.own.get();
     }},
};

// The available areas of the screens every window must fit: a netbook's, a large screen at
// double scale, and the same with a task bar taking the top (the area not at the origin).
const struct {
    const char* name;
    QRect area;
} kScreens[] = {
    {"1024x600", QRect(0, 0, 1024, 600)},
    {"1600x1000 at scale 2", QRect(0, 0, 800, 500)},
    {"1600x1000 at scale 2, panel on top", QRect(0, 28, 800, 472)},
};

} // namespace

// Fitted into each screen's area, a window lies inside it with room for its frame, and every
// control it shows is reached whole (a view: a usable part of it).
TEST(WindowsFitScreen, EveryControlIsReachableOnSmallScreens)
{
    for (const auto& window : kWindows)
        for (const auto& screen : kScreens) {
            SCOPED_TRACE(std::string(window.name) + " on " + screen.name);
            Windows s;
            QWidget* w = window.open(s);
            ASSERT_NE(w, nullptr);
            ASSERT_TRUE(w->isVisible());
            fitWindowInto(w, screen.area);
            QApplication::processEvents();
            const QSize frame = w->size() + frameDecoration(w);
            EXPECT_LE(frame.width(), screen.area.width());
            EXPECT_LE(frame.height(), screen.area.height());
            EXPECT_TRUE(screen.area.contains(w->geometry())) << w->x() << "," << w->y();
            for (const std::string& fault : reach::unreachableControls(w))
                ADD_FAILURE() << fault;
        }
}

// The sweep window shown on a low screen: its bottom buttons were below the screen's edge when it
// opened 760 px tall. Shown by the program, it fits the screen it opens on.
TEST(WindowsFitScreen, WindowsOpenFittingTheScreenTheyOpenOn)
{
    for (const auto& window : kWindows) {
        SCOPED_TRACE(window.name);
        Windows s;
        QWidget* w = window.open(s);
        QApplication::processEvents();
        const QRect area = w->screen()->availableGeometry();
        EXPECT_LE(w->height() + frameDecoration(w).height(), area.height());
        EXPECT_LE(w->width() + frameDecoration(w).width(), area.width());
        EXPECT_TRUE(area.contains(w->geometry()));
    }
}

// On a 1024x600 screen the sweep window shows every control without scrolling, before a sweep and
// after one has filled its table, its status line included.
TEST(WindowsFitScreen, SweepNeedsNoScrollingOnANetbookScreen)
{
    Windows s;
    auto* sweep = static_cast<SweepWindow*>(kWindows[0].open(s));
    fitWindowInto(sweep, kScreens[0].area);
    auto* area = child<QScrollArea>(*sweep, "scrollingBody");
    const struct {
        const char* when;
        int count;
    } cases[] = {{"before a sweep", 0}, {"after a sweep of 11", 11}, {"after a sweep of 60", 60}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        if (c.count > 0) {
            child<QSpinBox>(*sweep, "sweepCount")->setValue(c.count);
            QSignalSpy finished(sweep, &SweepWindow::sweepFinished);
            sweep->start();
            ASSERT_TRUE(finished.wait(120000));
            ASSERT_EQ(sweep->points().size(), size_t(c.count));
        }
        QApplication::processEvents();
        EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
        EXPECT_TRUE(reach::unreachableControls(sweep).empty());
    }
}

// Choosing the indicator diagram shows its form in the load editor: the window grows to show it
// where the screen has the room, and stays inside the screen where it has not.
TEST(WindowsFitScreen, LoadEditorGrowsForTheIndicatorForm)
{
    const struct {
        const char* screen;
        QSize area;
        bool scrolls; // the content is taller than the screen allows
    } cases[] = {{"the test screen", QSize(), false}, {"1600x1000 at scale 2", QSize(800, 500), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        Windows s;
        LoadEditor* editor = s.loadEditor();
        const QRect area = editor->screen()->availableGeometry();
        if (c.area.isValid()) { // the window as it opened on the smaller screen
            editor->resize(editor->size().boundedTo(c.area - kUnframedDecoration));
            editor->setMaximumSize(c.area - kUnframedDecoration);
        }
        const QSize before = editor->size();
        editor->choosePreset(LoadPreset::IndicatorDiagram);
        QApplication::processEvents();
        auto* scroll = child<QScrollArea>(*editor, "scrollingBody");
        EXPECT_GT(editor->height(), before.height());
        EXPECT_TRUE(area.contains(editor->geometry()));
        EXPECT_EQ(scroll->verticalScrollBar()->maximum() > 0, c.scrolls);
        EXPECT_TRUE(reach::unreachableControls(editor).empty());
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a window to a screen's available area: the size it gets, the place it gets, and a body
// that scrolls rather than pushing the window past the area's edge.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/qt/WindowFit.h"
#include "support/ControlReach.h"

TEST(WindowFit, ClientSizeIsBoundedByTheAreaLessTheFrame)
{
    const QSize frame(16, 48);
    const struct {
        QSize size, minimum, area, expected;
    } cases[] = {
        {{860, 760}, {0, 0}, {1024, 600}, {860, 552}},    // too tall: the area's height less frame
        {{1180, 360}, {0, 0}, {1024, 600}, {1008, 360}},  // too wide
        {{640, 400}, {0, 0}, {1024, 600}, {640, 400}},    // fits: keeps its size
        {{900, 700}, {0, 0}, {800, 500}, {784, 452}},     // both
        {{900, 700}, {562, 480}, {800, 500}, {784, 480}}, // the minimum wins over the area
        {{300, 200}, {320, 240}, {800, 500}, {320, 240}}, // and over a smaller size
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittedClientSize(c.size, c.minimum, frame, c.area), c.expected)
            << c.size.width() << "x" << c.size.height() << " in " << c.area.width() << "x"
            << c.area.height();
}

// A window is shrunk into the area and moved onto it with room for the title bar it will get;
// one that fits stays where it is, as it is.
TEST(WindowFit, WindowIsMovedAndShrunkIntoTheArea)
{
    const QRect area(0, 28, 800, 472);
    const struct {
        QRect before;
        QRect expected;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}}, // inside: untouched
        {{500, 100, 400, 300}, {384, 100, 400, 300}}, // past the right edge: moved left
        {{100, 300, 400, 300}, {100, 152, 400, 300}}, // past the bottom: moved up
        {{100, 100, 900, 700}, {0, 68, 784, 424}},    // larger: shrunk, title bar's room kept
    };
    for (const auto& c : cases) {
        QWidget w;
        w.setGeometry(c.before);
        fitWindowInto(&w, area);
        EXPECT_EQ(w.geometry(), c.expected) << c.before.x() << "," << c.before.y();
    }
}

// Controls laid out on the body stay reachable in a window far smaller than they need, where a
// plain layout would squeeze them or push them out of the window.
TEST(WindowFit, ScrollingBodyKeepsEveryControlReachable)
{
    const struct {
        bool scrolling;
        bool reachable;
    } cases[] = {{true, true}, {false, false}};
    for (const auto& c : cases) {
        QWidget window;
        QWidget* body = c.scrolling ? scrollingBody(&window) : &window;
        auto* layout = new QVBoxLayout(body);
        for (int i = 0; i < 20; ++i)
            layout->addWidget(new QPushButton(QStringLiteral("Кнопка %1").arg(i), body));
        window.show();
        // A window without the body cannot go below its layout's minimum: force it, as a
        // screen too small for it would leave it.
        window.setMinimumSize(0, 0);
        window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
        window.resize(200, 150);
        QApplication::processEvents();
        EXPECT_EQ(reach::unreachableControls(&window).empty(), c.reachable) << c.scrolling;
        if (c.scrolling) {
            auto* area = window.findChild<QScrollArea*>("scrollingBody");
            ASSERT_NE(area, nullptr);
            EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
            // Larger than its content, the body fills the window and nothing scrolls.
            window.resize(body->sizeHint() + QSize(40, 40));
            QApplication::processEvents();
            EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
            EXPECT_EQ(body->size(), area->viewport()->size());
        }
    }
}

// Shown by the program, a window too large for the screen and placed off it is fitted onto it,
// whether or not it had children when it asked for that.
TEST(WindowFit, FittedWhenShownWithOrWithoutChildren)
{
    for (const bool children : {false, true}) {
        SCOPED_TRACE(children ? "children" : "none");
        QWidget window;
        if (children) new QPushButton(QStringLiteral("Пуск"), &window);
        const QRect area = window.screen()->availableGeometry();
        window.resize(area.size() + QSize(300, 200));
        window.move(-500, -400);
        fitToScreenWhenShown(&window);
        fitToScreenWhenShown(&window); // asked twice, fitted once as well
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(area.contains(window.frameGeometry()))
            << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
            << window.frameGeometry().width() << "x" << window.frameGeometry().height();
    }
}

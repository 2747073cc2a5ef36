// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a window on the screen each time it is shown.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

#include "platform/qt/ScreenFit.h"

// A window placed off the screen is brought onto it when shown, whether or not it has children
// when it asks for that: the filter that does it was once taken for any child, and a window with
// children never got it.
TEST(ScreenFit, KeptOnScreenWithOrWithoutChildren)
{
    for (const bool children : {false, true}) {
        SCOPED_TRACE(children ? "children" : "none");
        QWidget window;
        if (children) new QPushButton(QStringLiteral("Пуск"), &window);
        window.resize(300, 200);
        window.move(-500, -400);
        keepOnScreenWhenShown(&window);
        keepOnScreenWhenShown(&window);
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
            << window.frameGeometry().x() << "," << window.frameGeometry().y();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its start state, the growth of the logo with the fade-in, and the click
// that hides it.
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/AboutWindow.h"
#include "support/Controls.h"

TEST(AboutWindow, StartsTransparentWithASmallLogo)
{
    AboutWindow about;
    auto* growth = child<QTimer>(about, "growthTimer");
    EXPECT_EQ(about.size(), QSize(194, 433));
    EXPECT_EQ(about.pos(), QPoint(203, 133));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(child(about, "logo")->geometry(), QRect(16, 0, 17, 17));
    EXPECT_EQ(about.opacity(), 0);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(growth->isActive());
    EXPECT_EQ(growth->interval(), 10);
    EXPECT_EQ(child<QLabel>(about, "titleLabel")->text(), QStringLiteral("Kinovar"));
    EXPECT_EQ(child<QLabel>(about, "licenceLabel")->text().replace('\n', ' '),
              QStringLiteral("Лицензия: GNU GPL версии 3 или более поздней"));
    for (const char* name :
         {"titleLabel", "teamLabel", "subjectLabel", "versionLabel", "licenceLabel"}) {
        const QLabel* l = child<QLabel>(about, name);
        EXPECT_FALSE(l->text().isEmpty());
        EXPECT_LE(l->geometry().right(), about.width()) << l->objectName().toStdString();
        EXPECT_LE(l->geometry().bottom(), about.height()) << l->objectName().toStdString();
    }
}

TEST(AboutWindow, FirstShowingGrowsTheLogoAndFadesIn)
{
    AboutWindow about;
    auto* growth = child<QTimer>(about, "growthTimer");
    const QWidget* logo = child(about, "logo");
    about.show();
    ASSERT_TRUE(growth->isActive());
    int widthDone = 0, heightDone = 0, opaque = 0, stopped = 0;
    for (int tick = 1; tick <= 400 && !stopped; ++tick) {
        about.growStep();
        if (!widthDone && logo->width() == 164) widthDone = tick;
        if (!heightDone && logo->height() == 314) heightDone = tick;
        if (!opaque && about.opacity() == 255) opaque = tick;
        if (!growth->isActive()) stopped = tick;
    }
    EXPECT_EQ(widthDone, 147);
    EXPECT_EQ(heightDone, 297);
    EXPECT_EQ(opaque, 255);
    EXPECT_EQ(stopped, 297); // nothing left to grow
    EXPECT_EQ(logo->geometry(), QRect(16, 0, 164, 314));

    about.hide();
    about.show(); // later showings are at full size at once
    EXPECT_FALSE(growth->isActive());
    EXPECT_EQ(logo->size(), QSize(164, 314));
    EXPECT_EQ(about.opacity(), 255);
}

TEST(AboutWindow, AClickAnywhereHidesIt)
{
    AboutWindow about;
    for (QWidget* target : {child(about, "titleLabel"), child(about, "subjectLabel"),
                            child(about, "licenceLabel"), child(about, "logo"),
                            static_cast<QWidget*>(&about)}) {
        about.show();
        ASSERT_TRUE(about.isVisible());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(about.isVisible()) << target->objectName().toStdString();
    }
}

TEST(AboutWindow, EscHidesItOtherKeysDoNot)
{
    AboutWindow about;
    about.show();
    QTest::keyClick(&about, Qt::Key_A);
    QTest::keyClick(&about, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    // Wherever the keyboard focus is inside the window, Esc reaches it.
    about.show();
    QTest::keyClick(child(about, "titleLabel"), Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

// The About window: its start state, the growth of the logo with the fade-in, and the click
// that hides it.
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/AboutWindow.h"

TEST(AboutWindow, StartsTransparentWithASmallLogo)
{
    AboutWindow about;
    EXPECT_EQ(about.size(), QSize(194, 401));
    EXPECT_EQ(about.pos(), QPoint(203, 133));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about.logo->geometry(), QRect(16, 0, 17, 17));
    EXPECT_EQ(about.opacity(), 0);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.growthTimer->isActive());
    EXPECT_EQ(about.growthTimer->interval(), 10);
    EXPECT_EQ(about.titleLabel->text(), QStringLiteral("Kinovar"));
    for (QLabel* l : {about.titleLabel, about.teamLabel, about.subjectLabel, about.versionLabel}) {
        EXPECT_FALSE(l->text().isEmpty());
        EXPECT_LE(l->geometry().right(), about.width()) << l->objectName().toStdString();
    }
}

TEST(AboutWindow, FirstShowingGrowsTheLogoAndFadesIn)
{
    AboutWindow about;
    about.show();
    ASSERT_TRUE(about.growthTimer->isActive());
    int widthDone = 0, heightDone = 0, opaque = 0, stopped = 0;
    for (int tick = 1; tick <= 400 && !stopped; ++tick) {
        about.growStep();
        if (!widthDone && about.logo->width() == 164) widthDone = tick;
        if (!heightDone && about.logo->height() == 314) heightDone = tick;
        if (!opaque && about.opacity() == 255) opaque = tick;
        if (!about.growthTimer->isActive()) stopped = tick;
    }
    EXPECT_EQ(widthDone, 147);
    EXPECT_EQ(heightDone, 297);
    EXPECT_EQ(opaque, 255);
    EXPECT_EQ(stopped, 297); // nothing left to grow
    EXPECT_EQ(about.logo->geometry(), QRect(16, 0, 164, 314));

    about.hide();
    about.show(); // later showings are at full size at once
    EXPECT_FALSE(about.growthTimer->isActive());
    EXPECT_EQ(about.logo->size(), QSize(164, 314));
    EXPECT_EQ(about.opacity(), 255);
}

TEST(AboutWindow, AClickAnywhereHidesIt)
{
    AboutWindow about;
    for (QWidget* target :
         {static_cast<QWidget*>(about.titleLabel), static_cast<QWidget*>(about.subjectLabel),
          about.logo, static_cast<QWidget*>(&about)}) {
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
    QTest::keyClick(about.titleLabel, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

// The About window: its start state, the growth of the logo with the fade-in, and the click
// that hides it.
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/KPM.h"
#include "app/qt/Unit4.h"

TEST(AboutWindow, StartsTransparentWithASmallLogo)
{
    TForm4 about;
    EXPECT_EQ(Form4, &about);
    EXPECT_EQ(about.size(), QSize(194, 401));
    EXPECT_EQ(about.pos(), QPoint(203, 133));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about.logo->geometry(), QRect(16, 0, 17, 17));
    EXPECT_EQ(about.opacity(), 0);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.Timer1->isActive());
    EXPECT_EQ(about.Timer1->interval(), 10);
    EXPECT_EQ(about.Label1->text(), QStringLiteral("Kinovar"));
    for (QLabel* l : {about.Label1, about.Label2, about.Label3, about.Label4}) {
        EXPECT_FALSE(l->text().isEmpty());
        EXPECT_LE(l->geometry().right(), about.width()) << l->objectName().toStdString();
    }
}

TEST(AboutWindow, FirstShowingGrowsTheLogoAndFadesIn)
{
    TForm4 about;
    about.show();
    ASSERT_TRUE(about.Timer1->isActive());
    int widthDone = 0, heightDone = 0, opaque = 0, stopped = 0;
    for (int tick = 1; tick <= 400 && !stopped; ++tick) {
        about.Timer1Timer();
        if (!widthDone && about.logo->width() == 164) widthDone = tick;
        if (!heightDone && about.logo->height() == 314) heightDone = tick;
        if (!opaque && about.opacity() == 255) opaque = tick;
        if (!about.Timer1->isActive()) stopped = tick;
    }
    EXPECT_EQ(widthDone, 147);
    EXPECT_EQ(heightDone, 297);
    EXPECT_EQ(opaque, 255);
    EXPECT_EQ(stopped, 297); // nothing left to grow
    EXPECT_EQ(about.logo->geometry(), QRect(16, 0, 164, 314));

    about.hide();
    about.show(); // later showings are at full size at once
    EXPECT_FALSE(about.Timer1->isActive());
    EXPECT_EQ(about.logo->size(), QSize(164, 314));
    EXPECT_EQ(about.opacity(), 255);
}

TEST(AboutWindow, AClickAnywhereHidesIt)
{
    TForm4 about;
    for (QWidget* target :
         {static_cast<QWidget*>(about.Label1), static_cast<QWidget*>(about.Label3), about.logo,
          static_cast<QWidget*>(&about)}) {
        about.show();
        ASSERT_TRUE(about.isVisible());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(about.isVisible()) << target->objectName().toStdString();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The light animator's window in process: it starts at a turn in about four seconds, its speed
// buttons still work, and full screen it shows its way out for a few seconds.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "AnimatorWindow.h"
#include "support/Controls.h"
#include "support/TimerTick.h"

namespace {

// A run of `N` steps of `stepDegrees` each, all at rest: only the header matters here.
SceneModel run(double stepDegrees, int32_t N)
{
    KineticData d;
    d.totalAngle = stepDegrees * (N - 1);
    d.l1 = 10;
    d.l2 = 25;
    d.b = 15;
    d.N = N;
    d.frames.resize(static_cast<size_t>(N));
    return SceneModel(std::move(d));
}

QPushButton* button(AnimatorWindow& w, const QString& text)
{
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

} // namespace

TEST(AnimatorWindow, StartsAtOneTurnInFourSecondsWhateverTheStep)
{
    const struct {
        double step;
        int32_t N;
        double rate; // steps per second: 360 / step over 4 s
    } cases[] = {{15, 25, 6}, {5, 73, 18}, {0.1, 3601, 900}, {0.01, 36001, 9000}};
    for (const auto& c : cases) {
        AnimatorWindow w(run(c.step, c.N));
        EXPECT_NEAR(w.playback().rate(), c.rate, c.rate * 1e-9) << c.step;
    }
}

TEST(AnimatorWindow, SpeedButtonsStillWork)
{
    AnimatorWindow w(run(0.01, 36001));
    QPushButton* faster = button(w, QStringLiteral("Быстрее"));
    QPushButton* slower = button(w, QStringLiteral("Медленнее"));
    ASSERT_TRUE(faster && slower);
    faster->click();
    EXPECT_NEAR(w.playback().rate(), 18000, 1e-6);
    slower->click();
    slower->click();
    EXPECT_NEAR(w.playback().rate(), 4500, 1e-6);
}

// The hint's timer expires when the test says so: no test waits four seconds, or depends on how
// soon a busy machine delivers a tick.
TEST(AnimatorWindow, FullScreenShowsTheWayOutForAFewSeconds)
{
    AnimatorWindow w(run(15, 25));
    auto* hint = child<QLabel>(w, "exitHint");
    auto* hintTimer = child<QTimer>(w, "exitHintTimer");
    EXPECT_EQ(hint->text(), QStringLiteral("Esc — выход"));
    EXPECT_EQ(hintTimer->interval(), AnimatorWindow::kExitHintMs);
    EXPECT_GE(AnimatorWindow::kExitHintMs, 2000);
    EXPECT_LE(AnimatorWindow::kExitHintMs, 6000);

    w.showFullScreen();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hintTimer->isActive());
    EXPECT_TRUE(w.rect().contains(hint->geometry())) << "the hint is cut off";
    tick(hintTimer);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_FALSE(hintTimer->isActive()); // once only

    // Esc still closes it.
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST(AnimatorWindow, AWindowWithATitleBarShowsNoHint)
{
    AnimatorWindow w(run(15, 25));
    w.resize(800, 600);
    w.show();
    EXPECT_FALSE(child(w, "exitHint")->isVisible());
    EXPECT_FALSE(child<QTimer>(w, "exitHintTimer")->isActive());
}

// On a small screen (1024 x 600 with a panel, the test screen's 800 x 600) the window takes the
// room there is, frame included, and its controls stay inside it.
TEST(AnimatorWindow, WindowedFitsASmallScreen)
{
    const struct {
        QSize available;
        QSize expected;
    } cases[] = {
        {{1920, 1040}, {1000, 720}}, // room enough: the usual size
        {{1024, 576}, {1000, 528}},  // 1024 x 600 less a panel: less tall
        {{800, 600}, {784, 552}},
    };
    for (const auto& c : cases) {
        const QSize size = AnimatorWindow::windowedSize(c.available);
        EXPECT_EQ(size, c.expected) << c.available.width() << "x" << c.available.height();
        // Room for borders and a title bar is left.
        EXPECT_LE(size.height() + 40, c.available.height());
    }

    AnimatorWindow w(run(15, 25));
    w.showWindowed();
    const QRect area = w.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(w.frameGeometry()));
    for (QPushButton* control : w.findChildren<QPushButton*>())
        EXPECT_TRUE(w.rect().contains(control->geometry())) << control->text().toStdString();
}

// The caption writes the crank angle with the locale's separator, two decimals, and counts the
// steps from one.
TEST(AnimatorWindow, CaptionUsesTheLocalesSeparator)
{
    KineticData d;
    d.totalAngle = 450.2;
    d.N = 3;
    d.frames.resize(3);
    d.frames[1].crank = 225.1;
    d.frames[2].crank = 450.2;
    const SceneModel model(std::move(d));
    const struct {
        int frame;
        char decimal;
        const char* want;
    } cases[] = {
        {1, ',', "Угол кривошипа: 225,10°   Шаг 2 из 3"},
        {1, '.', "Угол кривошипа: 225.10°   Шаг 2 из 3"},
        {9, ',', "Угол кривошипа: 450,20°   Шаг 3 из 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameCaption(model, c.frame, c.decimal), QString::fromUtf8(c.want));
}

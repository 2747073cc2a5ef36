// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism view as drawn: to scale (the joints' marks measured on the picture lie at
// distances in the ratio l1 : l2), a position that cannot be assembled shows its rod in red short
// of the guide with the reason, and a run's forces are said to be the complete ones.
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Calculation.h"
#include "present/MechanismScene.h"
#include "present/qt/MechanismView.h"
#include "support/RunParams.h"

namespace {

ParamSet mechanism(double l1, double l2, double b, double fi0)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = l1, p.l2 = l2, p.b = b, p.fi0 = fi0;
    return p;
}

QImage drawn(MechanismView& view, const MechanismScene& scene, int step)
{
    view.resize(480, 420);
    view.showPose(scene, scene.pose(step));
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The centre of the pixels of each mark colour: red O, green A, blue B; |OA| : |AB| = l1 : l2.
TEST(MechanismView, DrawsToScale)
{
    const struct {
        double l1, l2, b, fi0;
        int step;
    } cases[] = {{0.1, 0.4, 0.05, 30, 1},
                 {0.2, 0.5, -0.1, 120, 1},
                 {0.05, 0.3, 0, 250, 1},
                 {10, 25, 15, 0.1, 5},
                 {10, 25, 15, 0.1, 20}};
    const ResultStore empty;
    for (const auto& c : cases) {
        MechanismScene scene;
        scene.update(mechanism(c.l1, c.l2, c.b, c.fi0), empty, '.');
        MechanismView view;
        const QImage image = drawn(view, scene, c.step);
        double sx[3] = {}, sy[3] = {}, n[3] = {};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor px = image.pixelColor(x, y);
                const int r = px.red(), g = px.green(), b = px.blue();
                const int k = r > 200 && g < 60 && b < 60   ? 0
                              : g > 120 && r < 60 && b < 60 ? 1
                              : b > 200 && r < 60 && g < 60 ? 2
                                                            : -1;
                if (k < 0) continue;
                sx[k] += x, sy[k] += y, n[k] += 1;
            }
        for (int k = 0; k < 3; ++k)
            ASSERT_GT(n[k], 20) << "joint " << k << " of l1 " << c.l1;
        auto distance = [&](int a, int b) {
            return std::hypot(sx[a] / n[a] - sx[b] / n[b], sy[a] / n[a] - sy[b] / n[b]);
        };
        const double oa = distance(0, 1), ab = distance(1, 2);
        EXPECT_GT(oa, 20);
        EXPECT_NEAR(oa, ab * c.l1 / c.l2, 1.5) << "l1 " << c.l1 << ", OA " << oa << ", AB " << ab;
    }
}

// The rod of a position the rod cannot reach is red and ends short of the guide, and the notes
// give the pre-run check's reason; an assembled position has no red rod and no reason.
TEST(MechanismView, UnassembledPositionDrawsTheRodRedWithTheReason)
{
    const struct {
        double b;
        int step;
        bool assembled;
        const char* where; // the angle the reason names
    } cases[] = {{15, 7, false, "90,00"},
                 {15, 13, false, "180,00"},
                 {15, 1, true, "0,00"},
                 {-15, 1, false, "0,00"}};
    const ResultStore empty;
    for (const auto& c : cases) {
        MechanismScene scene;
        ParamSet p = mechanism(10, 8, c.b, 0);
        scene.update(p, empty, ',');
        MechanismView view;
        const QImage image = drawn(view, scene, c.step);
        const double guide = view.mapping().mapX(c.b);
        int red = 0, beyond = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == kUnassembledRod) {
                    ++red;
                    // Every red pixel lies on A's side of the guide, clear of it.
                    const double ax = view.mapping().mapX(view.pose().A.x);
                    if (std::fabs(x - ax) > std::fabs(guide - ax) - 3) ++beyond;
                }
        EXPECT_EQ(red > 40, !c.assembled) << "b " << c.b << " step " << c.step << ": " << red;
        EXPECT_EQ(beyond, 0) << c.step;
        // The run's first problem is told at every step; this position's own only where it is.
        const QString reason = QStringLiteral("При φ = %1° шатун не достаёт").arg(c.where);
        EXPECT_EQ(view.notes().contains(reason), !c.assembled) << view.notes().toStdString();
        EXPECT_TRUE(view.notes().contains(QStringLiteral("шатун не достаёт")));
    }
}

// After a calculation the arrows are labelled with the forces' values and the notes call them
// the complete forces; before it, the notes say the forces come after the calculation.
TEST(MechanismView, NotesSayWhichForcesAreDrawn)
{
    static const auto R = std::make_unique<ResultStore>();
    ParamSet p = withRun(mechanism(10, 25, 15, 0.1), 15, 1);
    const ResultStore empty;
    for (const bool calculated : {false, true}) {
        if (calculated) runCalculation(p, *R);
        MechanismScene scene;
        scene.update(p, calculated ? *R : empty, '.');
        MechanismView view;
        drawn(view, scene, 4);
        EXPECT_EQ(view.notes().contains(QStringLiteral("полные силы")), calculated);
        EXPECT_EQ(view.notes().contains(QStringLiteral("силы — после расчёта")), !calculated);
        EXPECT_TRUE(view.notes().startsWith(QStringLiteral("Шаг 4, φ = 45.10°")))
            << view.notes().toStdString();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// "Синтез механизма": the design or the refusal shown as the requirements are typed, and
// "Применить" as one undo step that places the points.
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/SynthesisWindow.h"
#include "app/qt/controllers/ProjectController.h"

namespace {

class SynthesisWindowTest : public MainWindowTest {
protected:
    SynthesisWindow& window()
    {
        trigger("synthesisAction");
        auto* w = form->findChild<SynthesisWindow*>("synthesisWindow");
        EXPECT_NE(w, nullptr);
        return *w;
    }
    void type(const char* name, const char* text)
    {
        auto* edit = child<QLineEdit>(window(), name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Types the requirements as a user does; `choice` goes to λ or to the angle.
    void require(const char* h, const char* k, bool byAngle, const char* choice)
    {
        type("strokeEdit", h);
        type("timeRatioEdit", k);
        QTest::mouseClick(child<QRadioButton>(window(), byAngle ? "byPressureAngle" : "byRodRatio"),
                          Qt::LeftButton);
        type(byAngle ? "pressureAngleEdit" : "rodRatioEdit", choice);
    }
    QString shown() { return child<QLabel>(window(), "synthesisResult")->text(); }
    bool applyEnabled()
    {
        return child<QPushButton>(window(), "applySynthesisButton")->isEnabled();
    }
    QUndoStack& undo() { return form->projectController().undoStack(); }
};

} // namespace

// What the window shows for each requirement typed: the design (the one the core gives, with
// the window's separator) or the refusal, and whether "Применить" can be pressed.
TEST_F(SynthesisWindowTest, ShowsTheDesignOrWhyNot)
{
    const struct {
        const char *h, *k;
        bool byAngle;
        const char* choice;
        SynthesisRequest request; // nullopt request: a box holds no number
        bool numbers;
    } cases[] = {
        {"0.2", "1.4", false, "0.4", {0.2L, 1.4L, SynthesisRequest::By::RodRatio, 0.4L, 0}, true},
        {"0,2", "1,4", true, "65", {0.2L, 1.4L, SynthesisRequest::By::PressureAngle, 0, 65}, true},
        {"0.2", "2", true, "60", {0.2L, 2, SynthesisRequest::By::PressureAngle, 0, 60}, true},
        {"0.2", "3.5", false, "0.4", {0.2L, 3.5L, SynthesisRequest::By::RodRatio, 0.4L, 0}, true},
        {"", "1.4", false, "0.4", {}, false},
        {"0.2", "x", false, "0.4", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.h) + " " + c.k + " " + c.choice);
        require(c.h, c.k, c.byAngle, c.choice);
        if (!c.numbers) {
            EXPECT_FALSE(window().request());
            EXPECT_FALSE(applyEnabled());
            continue;
        }
        const SynthesisOutcome o = synthesise(c.request, form->numbers().decimal);
        const std::string expected =
            o.design ? designText(*o.design, form->numbers().decimal) : o.fault;
        EXPECT_EQ(shown().toStdString(), expected);
        EXPECT_EQ(applyEnabled(), o.design.has_value());
    }
}

TEST_F(SynthesisWindowTest, ApplyIsOneUndoStepWithThePointsPlaced)
{
    const ParamSet before = params;
    require("0.3", "1.2", false, "0.3");
    const int steps = undo().count();
    QTest::mouseClick(child<QPushButton>(window(), "applySynthesisButton"), Qt::LeftButton);
    const SynthesisOutcome o =
        synthesise({0.3L, 1.2L, SynthesisRequest::By::RodRatio, 0.3L, 0}, '.');
    ASSERT_TRUE(o.design);
    EXPECT_EQ(params.l1, static_cast<double>(o.design->l1));
    EXPECT_EQ(params.l2, static_cast<double>(o.design->l2));
    EXPECT_EQ(params.b, static_cast<double>(o.design->b));
    EXPECT_NEAR(params.ac5, params.b, 1e-12L) << "B placed on the guide";
    EXPECT_EQ(undo().count(), steps + 1);
    EXPECT_EQ(undo().undoText(), QStringLiteral("синтез механизма"));
    undo().undo();
    EXPECT_EQ(params.l1, before.l1);
    EXPECT_EQ(params.b, before.b);
    EXPECT_EQ(params.ac5, before.ac5);
}

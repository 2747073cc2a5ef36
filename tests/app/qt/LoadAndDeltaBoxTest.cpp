// SPDX-License-Identifier: GPL-3.0-or-later
// The load and δ stand beside the parameters: they follow every change, undo included, and their
// buttons reach the windows that change them.
#include <QPushButton>
#include <QUndoStack>
#include <functional>

#include "app/qt/LoadEditor.h"
#include "params/LoadPresets.h"
#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"

TEST_F(MainWindowTest, LoadAndDeltaFollowEveryChange)
{
    QUndoStack& undo = form->projectController().undoStack();
    const struct {
        const char* name;
        std::function<void()> change;
        const char* load;
        const char* delta;
    } steps[] = {
        {"defaults", [] {}, "Нагрузка: нет", "0.05"},
        {"δ chosen", [this] { form->chooseDelta(0.1L); }, "Нагрузка: нет", "0.1"},
        {"load applied",
         [this] {
             form->showLoadEditor();
             form->loadEditor()->choosePreset(LoadPreset::ConstantForce);
             ASSERT_TRUE(form->loadEditor()->apply());
         },
         "Нагрузка: по углу, 1 точка, до 1 кН", "0.1"},
        {"load undone", [&undo] { undo.undo(); }, "Нагрузка: нет", "0.1"},
        {"δ undone", [&undo] { undo.undo(); }, "Нагрузка: нет", "0.05"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        s.change();
        EXPECT_EQ(labelText("loadLine"), QString::fromUtf8(s.load));
        EXPECT_EQ(labelText("loadLine"), labelText("loadStatus")); // one wording for the load
        EXPECT_EQ(labelText("deltaValue"), QString::fromUtf8(s.delta));
    }
}

TEST_F(MainWindowTest, LoadButtonOpensTheLoadEditor)
{
    activate();
    EXPECT_EQ(form->loadEditor(), nullptr);
    QTest::mouseClick(control("loadButton"), Qt::LeftButton);
    ASSERT_NE(form->loadEditor(), nullptr);
    EXPECT_TRUE(form->loadEditor()->isVisible());
    // Without a summary window handed to it the summary's button does nothing, and says nothing.
    QTest::mouseClick(control("deltaButton"), Qt::LeftButton);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.errors.empty());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a parameter in its own row: type, then Enter or leave the field. Each stored value is
// one undo step; a refusal says what the entry panel says and the field shows the stored value.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <string>
#include <vector>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "params/Entry.h"

namespace {

enum class Finish { Enter, Tab, Escape };

struct InPlaceCase {
    const char* name;
    const char* key;
    const char* typed;
    Finish finish;
    long double ParamSet::*field;
    long double stored;   // the field's value afterwards
    const char* shown;    // the row's text afterwards
    const char* undoText; // the new undo step, or nullptr for none
    const char* message;  // the message box shown, or nullptr
};

} // namespace

TEST_F(MainWindowTest, ValuesAreEditedInTheirOwnRows)
{
    const InPlaceCase cases[] = {
        {"Enter stores", "m2", "7.5", Finish::Enter, &ParamSet::m2, 7.5L, "7.500",
         "Отменить: M2 = 7.5", nullptr},
        {"a comma too, and leaving stores", "i1", "2,25", Finish::Tab, &ParamSet::i1, 2.25L,
         "2.250", "Отменить: I1 = 2.25", nullptr},
        {"Esc puts the value back", "m2", "9", Finish::Escape, &ParamSet::m2, 10, "10.000", nullptr,
         nullptr},
        {"a refusal keeps the value", "m1", "-3", Finish::Enter, &ParamSet::m1, 4, "4.000", nullptr,
         "refused"},
        {"a slip keeps the value", "i3", "2x", Finish::Tab, &ParamSet::i3, 2, "2.000", nullptr,
         nullptr},
    };
    activate();
    QUndoStack& undo = form->projectController().undoStack();
    for (const InPlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        setDefaults(params);
        QTest::mouseClick(control("refreshButton"), Qt::LeftButton);
        fake.messages.clear();
        const int steps = undo.count();
        auto* field = control<QLineEdit>((std::string(c.key) + "Value").c_str());
        field->setFocus(Qt::TabFocusReason); // typing replaces the whole value
        QTest::keyClicks(field, c.typed);
        QTest::keyClick(field, c.finish == Finish::Enter ? Qt::Key_Return
                               : c.finish == Finish::Tab ? Qt::Key_Tab
                                                         : Qt::Key_Escape);
        if (c.finish == Finish::Escape) control("m1Button")->setFocus(); // and then leaves
        EXPECT_EQ(params.*(c.field), c.stored);
        EXPECT_EQ(field->text().toStdString(), c.shown);
        EXPECT_EQ(undo.count(), steps + (c.undoText ? 1 : 0));
        if (c.undoText) {
            EXPECT_EQ(undo.undoText().prepend("Отменить: "), c.undoText);
        }
        EXPECT_EQ(fake.messages.size(), c.message ? 1u : 0u);
        if (c.message && !fake.messages.empty()) {
            EXPECT_EQ(fake.messages.front(), paramValueFault(paramRow(paramRowForKey(c.key)), -3));
        }
    }
    // Undoing the last stored value (I1) puts the old one back into its row.
    setDefaults(params);
    params.i1 = 2.25L;
    undo.undo();
    EXPECT_EQ(params.i1, 4);
    EXPECT_EQ(labelText("i1Value"), "4.000");
}

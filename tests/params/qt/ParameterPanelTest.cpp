// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter handlers of the real main window, driven through its widgets: the entry panel,
// the autofill button and menu item, and the run settings.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>

#include "app/qt/MainWindowFixture.h"
#include "base/NumberText.h"
#include "params/Autofill.h"
#include "params/Entry.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"
#include "present/qt/ListingView.h"

namespace {

class ParameterPanelTest : public MainWindowTest {
protected:
    // Presses the edit button of a row, replaces the entry text by typing, confirms with Enter.
    void enter(const char* button, const QString& text)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        entryEdit()->selectAll();
        QTest::keyClick(entryEdit(), Qt::Key_Delete);
        // Keys can be typed for printable ASCII only; anything else arrives as pasted text.
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 32 && c.unicode() < 127;
        });
        if (typeable)
            QTest::keyClicks(entryEdit(), text);
        else
            entryEdit()->insert(text);
        QTest::keyClick(entryEdit(), Qt::Key_Return);
    }
    bool panelOpen() const { return control("entryPanel")->isVisibleTo(form.get()); }
    QString memo() const { return control<ListingView>("listing")->toPlainText(); }
    QLineEdit* entryEdit() const { return control<QLineEdit>("entryEdit"); }
    QComboBox* stepBox() const { return control<QComboBox>("stepBox"); }
    QComboBox* modeBox() const { return control<QComboBox>("modeBox"); }
    // Applies a count through the "Изменить" / "Применить" toggle.
    void applyCount(const QString& text)
    {
        QTest::mouseClick(control("cycleEditButton"), Qt::LeftButton);
        control<QLineEdit>("cycleCountEdit")->selectAll();
        QTest::keyClicks(control("cycleCountEdit"), text);
        QTest::mouseClick(control("cycleEditButton"), Qt::LeftButton);
    }
};

class CommaWidgetTest : public ParameterPanelTest {
protected:
    void SetUp() override
    {
        fake.separator = ',';
        ParameterPanelTest::SetUp();
    }
};

// The edit buttons of some rows, by their object names.
constexpr const char *kRowL1 = "l1Button", *kRowL2 = "l2Button", *kRowM1 = "m1Button",
                     *kRowM2 = "m2Button", *kRowI2 = "i2Button";

// One notch of the wheel towards the user (the next item of a list), sent as the window system
// would send it to the widget under the pointer.
void wheelDown(QWidget* target)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

TEST_F(ParameterPanelTest, TypicalUseUpToTheCalculation)
{
    EXPECT_FALSE(panelOpen());
    QTest::mouseClick(control(kRowL2), Qt::LeftButton);
    EXPECT_TRUE(panelOpen());
    EXPECT_EQ(params.curkey, "l2");
    entryEdit()->selectAll();
    QTest::keyClicks(entryEdit(), "30");
    QTest::keyClick(entryEdit(), Qt::Key_Return);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.b, 20);
    EXPECT_EQ(labelText("l2Value"), "30.000");
    EXPECT_EQ(labelText("bValue"), "20.000");

    QTest::mouseClick(control("autofillButton"), Qt::LeftButton);
    EXPECT_NEAR(params.ac5, 20, 1e-15L);
    EXPECT_EQ(labelText("ac5Value"), "20.000"); // A(B)

    stepBox()->setCurrentIndex(1); // "5"
    EXPECT_EQ(memo(), "Шаг 5 градусов принят");
    applyCount("2");
    EXPECT_EQ(params.N, 49);
    EXPECT_EQ(memo(), "Принято: циклов 2, шагов 48, поворот кривошипа 240°");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommaWidgetTest, EntryLabelsShowTheStoredValue)
{
    enter(kRowL1, "12,5");
    EXPECT_EQ(params.l1, 12.5);
    EXPECT_EQ(labelText("l1Value"), "12,500"); // as a refresh would show it
    EXPECT_EQ(memo(), "Отчёт:");
    enter(kRowM1, "3");
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("m1Value"), "3,000");
    EXPECT_TRUE(fake.messages.empty());
}

// Text the screening refuses, or none at all, is refused with its reason in the memo line; the
// panel stays open on the stored value and the label keeps it.
TEST_F(CommaWidgetTest, ScreenedOutTextKeepsValueAndReopens)
{
    const struct {
        const char* text;
        const char* memo; // nullptr: a conversion fault, told in a message box
    } cases[] = {{"1e3", kScreenedMemo}, {" 7", kScreenedMemo}, {"1/5", kScreenedMemo},
                 {"два", kScreenedMemo}, {"", kEmptyEntryMemo}, {"4\t", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fake.messages.clear();
        control<ListingView>("listing")->setPlainText("Отчёт:");
        enter(kRowM1, QString::fromUtf8(c.text));
        if (!c.memo) {
            // A tab passes the screening and fails the conversion.
            EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
            EXPECT_FALSE(panelOpen());
            EXPECT_EQ(memo(), "Отчёт:");
        } else {
            EXPECT_TRUE(fake.messages.empty());
            EXPECT_EQ(memo(), c.memo);
            EXPECT_TRUE(panelOpen());
            EXPECT_EQ(entryEdit()->text(), "4");
            EXPECT_EQ(entryEdit()->selectedText(), "4");
        }
        EXPECT_EQ(labelText("m1Value"), "4,000");
        EXPECT_EQ(params.m1, 4);
    }
}

TEST_F(ParameterPanelTest, MessagesInOrderAndMemoBeforeTheFault)
{
    enter(kRowL1, "-3");
    EXPECT_TRUE(fake.messages.empty());
    enter(kRowM1, "-");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{std::string("message:") + kLengthMessage,
                                                    std::string("message:") + kEntryFault}));
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("m1Value"), "4.000");
    EXPECT_EQ(params.m1, 4);
}

TEST_F(ParameterPanelTest, HugeValueForDoubleField)
{
    enter(kRowL1, "1" + QString(400, '0'));
    EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
    EXPECT_EQ(params.l1, 10);
}

// The corrected offset shows at once; a rod that would make it negative is refused and the
// labels keep what is stored.
TEST_F(ParameterPanelTest, RodEntryShowsTheCorrectedOffsetOrIsRefused)
{
    enter(kRowL2, "30");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(labelText("bValue"), "20.000");
    enter(kRowL2, "5");
    EXPECT_EQ(fake.messages, std::vector<std::string>{kNegativeBRefusal});
    EXPECT_EQ(params.b, 20);
    EXPECT_EQ(labelText("l2Value"), "30.000");
    EXPECT_EQ(labelText("bValue"), "20.000");
}

TEST_F(ParameterPanelTest, KeyKeptAcrossConfirmations)
{
    QTest::mouseClick(control(kRowM1), Qt::LeftButton);
    enter(kRowI2, "3");
    EXPECT_EQ(params.m1, 4);
    EXPECT_EQ(params.i2, 3);
    entryEdit()->setText("7");
    QTest::mouseClick(control("entryOk"), Qt::LeftButton);
    EXPECT_EQ(params.i2, 7);
    EXPECT_EQ(labelText("i2Value"), "7.000");
    EXPECT_EQ(labelText("m1Value"), "4.000");
}

TEST_F(ParameterPanelTest, AutofillFromMenuAtDefaults)
{
    trigger("autofillAction");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(labelText("ac4Value"), "10.000"); // A(A)
    EXPECT_EQ(labelText("bc2Value"), "12.260"); // B(C2), the rod's midpoint
    EXPECT_EQ(labelText("bc5Value"), "24.510"); // B(B)
}

TEST_F(ParameterPanelTest, AutofillFailureLeavesTheLabels)
{
    params.l2 = 4;
    params.fi0 = 0;
    QTest::mouseClick(control("autofillButton"), Qt::LeftButton);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kAutofillUnreachable});
    EXPECT_EQ(params.ac4, 10);
    EXPECT_EQ(params.ac1, 5);
    EXPECT_EQ(labelText("ac4Value"), "0.000");
    EXPECT_EQ(labelText("ac1Value"), "0.000");
}

TEST_F(CommaWidgetTest, FineStepWarnsOnceThenReports)
{
    stepBox()->setCurrentIndex(7); // "ext 0.2"
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(memo(), "Шаг 0,2 градусов принят");
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    stepBox()->setCurrentIndex(6); // "ext 0.5": no warning
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(memo(), "Шаг 0,5 градусов принят");
}

TEST_F(ParameterPanelTest, TypedFineStepConfirmedWithEnterWarnsOnce)
{
    stepBox()->lineEdit()->selectAll();
    QTest::keyClicks(stepBox()->lineEdit(), "ext 0.2");
    QTest::keyClick(stepBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    stepBox()->setCurrentIndex(9); // a later selection still runs the handler
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(params.step, 0.05L * kRadPerDeg);
}

TEST_F(ParameterPanelTest, TypedStepKeepsTheStep)
{
    QTest::keyClicks(stepBox()->lineEdit(), "x");
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(memo(), "Шаг 15 градусов принят");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ParameterPanelTest, CountToggleAndLimits)
{
    auto* countEdit = control<QLineEdit>("cycleCountEdit");
    auto* editButton = control<QPushButton>("cycleEditButton");
    EXPECT_FALSE(countEdit->isEnabled());
    QTest::mouseClick(editButton, Qt::LeftButton);
    EXPECT_TRUE(countEdit->isEnabled());
    EXPECT_EQ(editButton->text(), "Применить");
    countEdit->selectAll();
    QTest::keyClicks(countEdit, "3749");
    QTest::mouseClick(editButton, Qt::LeftButton);
    EXPECT_FALSE(countEdit->isEnabled());
    EXPECT_EQ(editButton->text(), "Изменить");
    EXPECT_EQ(params.N, 89977);

    applyCount("3750");
    EXPECT_EQ(fake.messages, std::vector<std::string>{kCountLimitMessage});
    EXPECT_EQ(params.N, 89977);
    EXPECT_EQ(countEdit->text(), "3749"); // the count in force, not the one refused
    EXPECT_EQ(memo(), "Принято: циклов 3749, шагов 89976, поворот кривошипа 1349640°");
    applyCount("5000");
    applyCount("2");
    applyCount("5000");
    EXPECT_EQ(params.N, 49);
    EXPECT_EQ(countEdit->text(), "2");

    applyCount("-2");
    applyCount("abc");
    EXPECT_EQ(fake.messages,
              (std::vector<std::string>{kCountLimitMessage, kCountLimitMessage, kCountLimitMessage,
                                        kCountFault, kCountFault}));
    EXPECT_EQ(params.N, 49);
    EXPECT_EQ(countEdit->text(), "2");
    EXPECT_EQ(memo(), "Принято: циклов 2, шагов 48, поворот кривошипа 720°");

    applyCount("0");
    EXPECT_EQ(params.N, 1);
    EXPECT_EQ(memo(), "Принято: циклов 0, шагов 0, поворот кривошипа 0°");
}

// The mode box is a plain choice: keys pick one of its two items or nothing, never free text.
TEST_F(ParameterPanelTest, ModeFromTheListOnly)
{
    activate();
    QComboBox* mode = modeBox();
    EXPECT_FALSE(mode->isEditable());
    modeBox()->setCurrentIndex(1);
    EXPECT_EQ(params.mode, 1);
    EXPECT_EQ(memo(), kModeMemo);
    modeBox()->setCurrentIndex(0);
    EXPECT_EQ(params.mode, 0);
    mode->setFocus();
    QTest::keyClicks(mode, "x3605");
    EXPECT_EQ(params.mode, 0);
    EXPECT_EQ(mode->currentText(), "360");
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_EQ(params.mode, 1);
    EXPECT_EQ(mode->currentText(), "720");
    EXPECT_TRUE(fake.messages.empty());
}

// Typing lands where the user looks: following "press the button beside L2=, type a value,
// Enter" with the focus anywhere else.
TEST_F(ParameterPanelTest, EntryTakesTheFocusAndGivesItBackToItsButton)
{
    activate();
    QComboBox* step = stepBox();
    QLineEdit* edit = entryEdit();
    step->setFocus();
    ASSERT_TRUE(step->hasFocus());
    edit->setText(QStringLiteral("12,5")); // what an earlier entry left there

    QTest::mouseClick(control(kRowL2), Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "25"); // the stored value, ready to be typed over
    EXPECT_EQ(edit->selectedText(), "25");

    // The user types at whatever has the focus.
    QTest::keyClicks(QApplication::focusWidget(), "30");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(step->currentText(), "15°");
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(QApplication::focusWidget(), control(kRowL2));

    // Keys typed after the confirmation change no setting.
    QTest::keyClicks(QApplication::focusWidget(), "5");
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(step->currentText(), "15°");

    // A screened-out text reopens the panel with the stored value selected, ready for another
    // try.
    QTest::mouseClick(control(kRowM1), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "1e3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(panelOpen());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), "4");
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::mouseClick(control("entryOk"), Qt::LeftButton); // the OK button, not Enter, this time
    EXPECT_EQ(params.m1, 7);
    EXPECT_EQ(QApplication::focusWidget(), control(kRowM1));
}

// From the keyboard alone: Enter or Space on a focused edit button opens its entry, Esc closes it
// unchanged and gives the focus back to the button.
TEST_F(ParameterPanelTest, KeysOpenAndCloseTheEntry)
{
    activate();
    const struct {
        const char* button;
        Qt::Key key;
    } cases[] = {{kRowL2, Qt::Key_Return}, {kRowM1, Qt::Key_Space}, {"bc5Button", Qt::Key_Enter}};
    const ParamSet before = params;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        QWidget* button = control(c.button);
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        QTest::keyClick(button, c.key);
        ASSERT_TRUE(panelOpen());
        EXPECT_TRUE(entryEdit()->hasFocus());
        QTest::keyClicks(entryEdit(), "7");
        QTest::keyClick(entryEdit(), Qt::Key_Escape);
        EXPECT_FALSE(panelOpen());
        EXPECT_TRUE(button->hasFocus());
    }
    for (int r = 0; r < kParamRowCount; ++r)
        EXPECT_EQ(paramValue(params, r), paramValue(before, r)) << paramRow(r).key;
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(labelText("l2Value"), "25.000");
}

// After another row was edited, each entry names its own parameter and holds its own stored
// value, selected, in the locale's form; the name fits its place.
TEST_F(CommaWidgetTest, EntryNamesItsParameterAndHoldsItsValue)
{
    enter(kRowL2, "30");
    ASSERT_EQ(params.b, 20);
    const struct {
        const char* button;
        const char* name;
        const char* text;
    } cases[] = {
        {kRowM1, "M1 =", "4"},  {"bButton", "B =", "20"},           {"fi0Button", "Fi0 =", "0,1"},
        {kRowM2, "M2 =", "10"}, {"fidttButton", "+Fitt =", "0,01"}, {"ac1Button", "A(C1) =", "0"},
        {kRowL2, "L2 =", "30"}};
    auto* name = control<QLabel>("entryName");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::mouseClick(control(c.button), Qt::LeftButton);
        EXPECT_EQ(name->text(), QString::fromUtf8(c.name));
        EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->width());
        EXPECT_EQ(entryEdit()->text(), c.text);
        EXPECT_EQ(entryEdit()->selectedText(), c.text);
        QTest::keyClick(entryEdit(), Qt::Key_Return); // confirming the shown text changes nothing
        EXPECT_TRUE(fake.messages.empty());
    }
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.fi0, 0.1);
    EXPECT_EQ(params.fidtt, 0.01);
    EXPECT_EQ(labelText("fidttValue"), "0,010");
}

TEST_F(ParameterPanelTest, EditButtonsNameTheirParameters)
{
    EXPECT_EQ(control(kRowL1)->toolTip(), "Изменить L1");
    EXPECT_EQ(control(kRowL2)->toolTip(), "Изменить L2");
    EXPECT_EQ(control("fidttButton")->toolTip(), "Изменить +Fitt");
    EXPECT_EQ(control("ac1Button")->toolTip(), "Изменить A(C1)");
    EXPECT_EQ(control(kRowM2)->toolTip(), "Изменить M2"); // its caption has no "="
    EXPECT_EQ(control("i3Button")->toolTip(), "Изменить I3");
    QStringList tips;
    for (int r = 0; r < kParamRowCount; ++r) {
        const std::string name = std::string(paramRow(r).key) + "Button";
        const QWidget* button = control(name.c_str());
        EXPECT_TRUE(button->toolTip().startsWith("Изменить ")) << name;
        EXPECT_FALSE(button->toolTip().contains('='));
        tips << button->toolTip();
    }
    tips.removeDuplicates();
    EXPECT_EQ(tips.size(), kParamRowCount);
}

// A wheel turned over a closed list changes it only when the list has the focus.
TEST_F(ParameterPanelTest, ClosedListsTakeTheWheelOnlyWithTheFocus)
{
    activate();
    QComboBox* step = stepBox();
    QComboBox* mode = modeBox();
    QComboBox* cycleType = control<QComboBox>("cycleTypeBox");
    for (QComboBox* box : {step, mode, cycleType})
        EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus) << box->objectName().toStdString();
    control("refreshButton")->setFocus();
    step->setCurrentIndex(5); // "60"
    mode->setCurrentIndex(0);
    fake.messages.clear();
    const ParamSet before = params;
    // (Over the text part of an editable list the window system's wheel passes up to the list;
    // an event sent by a test is not passed up, so the test sends it to the list.)
    for (QComboBox* target : {step, mode})
        for (int notch = 0; notch < 3; ++notch)
            wheelDown(target);
    EXPECT_EQ(step->currentIndex(), 5);
    EXPECT_EQ(mode->currentIndex(), 0);
    EXPECT_EQ(params.step, before.step);
    EXPECT_EQ(params.mode, 0);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(step->hasFocus()); // the wheel does not take the focus either

    // With the focus the wheel works as ever: past "ext 0.5" every notch warns.
    step->setFocus();
    wheelDown(step);
    wheelDown(step);
    EXPECT_EQ(step->currentIndex(), 7);
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    mode->setFocus();
    wheelDown(mode);
    EXPECT_EQ(params.mode, 1);
}

TEST_F(ParameterPanelTest, FractionsTypedWithEitherSeparator)
{
    enter(kRowM1, "0,5");
    EXPECT_EQ(params.m1, 0.5L);
    enter(kRowM2, "0.25");
    EXPECT_EQ(params.m2, 0.25L);
    enter(kRowI2, "1.5,5"); // two separators: no number
    EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
}

TEST_F(CommaWidgetTest, PointFractionUnderTheCommaLocale)
{
    enter(kRowM1, "0.5");
    EXPECT_EQ(params.m1, 0.5L);
    EXPECT_EQ(labelText("m1Value"), "0,500"); // the stored value in the locale's form
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(panelOpen());
    enter(kRowL2, "30.5");
    EXPECT_EQ(params.l2, 30.5);
    EXPECT_EQ(labelText("l2Value"), "30,500");
}

} // namespace

// Each caption tips its parameter's unit and what the catalogue notes on it.
TEST_F(ParameterPanelTest, CaptionsTipTheirUnitAndNote)
{
    const struct {
        const char* caption;
        const char* head;
        const char* noteHas; // nullptr: no note
    } cases[] = {
        {"fidttCaption", "+Fitt, рад/с² за шаг", "на каждом шаге расчёта"},
        {"fi0Caption", "Fi0, °", "90° и 270°"},
        {"l1Caption", "L1, м", nullptr},
        {"m2Caption", "M2, кг", "вдоль направляющей"},
        {"i1Caption", "I1, кг·м²", "центра масс"},
        {"i3Caption", "I3, кг·м²", "Не входит ни в один результат"},
    };
    for (const auto& c : cases) {
        const QStringList lines = control(c.caption)->toolTip().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.front(), QString::fromUtf8(c.head)) << c.caption;
        if (c.noteHas == nullptr) {
            EXPECT_EQ(lines.size(), 1) << c.caption;
        } else {
            ASSERT_EQ(lines.size(), 2) << c.caption;
            EXPECT_TRUE(lines[1].contains(QString::fromUtf8(c.noteHas))) << c.caption;
        }
    }
}

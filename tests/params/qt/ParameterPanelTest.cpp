// The parameter handlers of the real main window, driven through its widgets: the entry panel,
// the autofill button and menu item, and the run settings.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>

#include "app/qt/MainWindowFixture.h"
#include "base/NumberText.h"
#include "params/Autofill.h"
#include "params/Entry.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"

namespace {

class ParameterPanelTest : public MainWindowTest {
protected:
    // Presses the edit button of a row, replaces the entry text by typing, confirms with Enter.
    void enter(int row, const QString& text)
    {
        QTest::mouseClick(form->parameterPanel().rows[static_cast<size_t>(row)].button,
                          Qt::LeftButton);
        form->parameterPanel().entryEdit->selectAll();
        QTest::keyClick(form->parameterPanel().entryEdit, Qt::Key_Delete);
        // Keys can be typed for printable ASCII only; anything else arrives as pasted text.
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 32 && c.unicode() < 127;
        });
        if (typeable)
            QTest::keyClicks(form->parameterPanel().entryEdit, text);
        else
            form->parameterPanel().entryEdit->insert(text);
        QTest::keyClick(form->parameterPanel().entryEdit, Qt::Key_Return);
    }
    bool panelOpen() const { return form->parameterPanel().entryPanel->isVisibleTo(form.get()); }
    QString memo() const { return form->resultsPanel().listing->toPlainText(); }
    // Applies a count through the "Изменить" / "Применить" toggle.
    void applyCount(const QString& text)
    {
        QTest::mouseClick(form->runSettingsPanel().cycleEditButton, Qt::LeftButton);
        form->runSettingsPanel().cycleCountEdit->selectAll();
        QTest::keyClicks(form->runSettingsPanel().cycleCountEdit, text);
        QTest::mouseClick(form->runSettingsPanel().cycleEditButton, Qt::LeftButton);
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

constexpr int kRowL1 = 0, kRowL2 = 1, kRowM1 = 17, kRowM2 = 18, kRowI2 = 21;

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
    QTest::mouseClick(form->parameterPanel().rows[kRowL2].button, Qt::LeftButton);
    EXPECT_TRUE(panelOpen());
    EXPECT_EQ(params.curkey, "l2");
    form->parameterPanel().entryEdit->selectAll();
    QTest::keyClicks(form->parameterPanel().entryEdit, "30");
    QTest::keyClick(form->parameterPanel().entryEdit, Qt::Key_Return);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.b, 20);
    EXPECT_EQ(labelText("l2Value"), "30.000");
    EXPECT_EQ(labelText("bValue"), "20.000");

    QTest::mouseClick(form->parameterPanel().autofillButton, Qt::LeftButton);
    EXPECT_NEAR(params.ac5, 20, 1e-15L);
    EXPECT_EQ(labelText("ac5Value"), "20.000"); // A(B)

    form->runSettingsPanel().stepBox->setCurrentIndex(1); // "5"
    EXPECT_EQ(memo(), "Шаг 5 градусов принят");
    applyCount("2");
    EXPECT_EQ(params.N, 49);
    EXPECT_EQ(memo(), "Цикл 240 градусов принят");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommaWidgetTest, EntryLabelsKeepTheTypedText)
{
    enter(kRowL1, "12,5");
    EXPECT_EQ(params.l1, 12.5);
    EXPECT_EQ(labelText("l1Value"), "12,5"); // raw text until the next refresh
    EXPECT_EQ(memo(), "Отчёт:");
    enter(kRowM1, "3");
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("m1Value"), "3");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommaWidgetTest, ScreenedOutTextKeepsValueAndReopens)
{
    for (const char* text : {"1e3", " 7", "1/5", "два", "4\t"}) {
        enter(kRowM1, QString::fromUtf8(text));
        if (QString::fromUtf8(text) == "4\t") {
            // A tab passes the screening and fails the conversion.
            EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
            EXPECT_FALSE(panelOpen());
        } else {
            EXPECT_TRUE(panelOpen()) << text;
            EXPECT_EQ(form->parameterPanel().entryEdit->text(), "0");
            EXPECT_EQ(labelText("m1Value"), "4,000");
        }
        EXPECT_EQ(params.m1, 4);
    }
}

TEST_F(ParameterPanelTest, MessagesInOrderAndMemoBeforeTheFault)
{
    enter(kRowL1, "-3");
    EXPECT_TRUE(fake.messages.empty());
    enter(kRowM1, "");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{std::string("message:") + kLengthMessage,
                                                    std::string("message:") + kEntryFault}));
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("m1Value"), "");
    EXPECT_EQ(params.m1, 4);
}

TEST_F(ParameterPanelTest, HugeValueForDoubleField)
{
    enter(kRowL1, "1" + QString(400, '0'));
    EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
    EXPECT_EQ(params.l1, 10);
}

TEST_F(ParameterPanelTest, ShortRodGivesNegativeOffsetAndRefresh)
{
    enter(kRowL2, "5");
    EXPECT_EQ(fake.messages, std::vector<std::string>{kNegativeBMessage});
    EXPECT_EQ(params.b, -5);
    EXPECT_EQ(labelText("l2Value"), "5.000");
    EXPECT_EQ(labelText("bValue"), "-5.000");
}

TEST_F(ParameterPanelTest, KeyKeptAcrossConfirmations)
{
    QTest::mouseClick(form->parameterPanel().rows[kRowM1].button, Qt::LeftButton);
    enter(kRowI2, "3");
    EXPECT_EQ(params.m1, 4);
    EXPECT_EQ(params.i2, 3);
    form->parameterPanel().entryEdit->setText("7");
    QTest::mouseClick(form->parameterPanel().entryOk, Qt::LeftButton);
    EXPECT_EQ(params.i2, 7);
    EXPECT_EQ(labelText("i2Value"), "7");
    EXPECT_EQ(labelText("m1Value"), "4.000");
}

TEST_F(ParameterPanelTest, AutofillFromMenuAtDefaults)
{
    form->autofillAction->trigger();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(labelText("ac4Value"), "10.000"); // A(A)
    EXPECT_EQ(labelText("bc2Value"), "12.260"); // B(C2), the rod's midpoint
    EXPECT_EQ(labelText("bc5Value"), "24.510"); // B(B)
}

TEST_F(ParameterPanelTest, AutofillFailureLeavesTheLabels)
{
    params.l2 = 4;
    params.fi0 = 0;
    QTest::mouseClick(form->parameterPanel().autofillButton, Qt::LeftButton);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kAutofillFault});
    EXPECT_EQ(params.ac4, 10);
    EXPECT_EQ(params.ac1, 5);
    EXPECT_EQ(labelText("ac4Value"), "0.000");
    EXPECT_EQ(labelText("ac1Value"), "0.000");
}

TEST_F(CommaWidgetTest, FineStepWarnsOnceThenReports)
{
    form->runSettingsPanel().stepBox->setCurrentIndex(7); // "ext 0.2"
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(memo(), "Шаг 0,2 градусов принят");
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    form->runSettingsPanel().stepBox->setCurrentIndex(6); // "ext 0.5": no warning
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(memo(), "Шаг 0,5 градусов принят");
}

TEST_F(ParameterPanelTest, TypedFineStepConfirmedWithEnterWarnsOnce)
{
    form->runSettingsPanel().stepBox->lineEdit()->selectAll();
    QTest::keyClicks(form->runSettingsPanel().stepBox->lineEdit(), "ext 0.2");
    QTest::keyClick(form->runSettingsPanel().stepBox->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    form->runSettingsPanel().stepBox->setCurrentIndex(
        9); // a later selection still runs the handler
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(params.step, 0.05L * kRadPerDeg);
}

TEST_F(ParameterPanelTest, TypedStepKeepsTheStep)
{
    QTest::keyClicks(form->runSettingsPanel().stepBox->lineEdit(), "x");
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(memo(), "Шаг 15 градусов принят");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ParameterPanelTest, CountToggleAndLimits)
{
    EXPECT_FALSE(form->runSettingsPanel().cycleCountEdit->isEnabled());
    QTest::mouseClick(form->runSettingsPanel().cycleEditButton, Qt::LeftButton);
    EXPECT_TRUE(form->runSettingsPanel().cycleCountEdit->isEnabled());
    EXPECT_EQ(form->runSettingsPanel().cycleEditButton->text(), "Применить");
    form->runSettingsPanel().cycleCountEdit->selectAll();
    QTest::keyClicks(form->runSettingsPanel().cycleCountEdit, "3749");
    QTest::mouseClick(form->runSettingsPanel().cycleEditButton, Qt::LeftButton);
    EXPECT_FALSE(form->runSettingsPanel().cycleCountEdit->isEnabled());
    EXPECT_EQ(form->runSettingsPanel().cycleEditButton->text(), "Изменить");
    EXPECT_EQ(params.N, 89977);

    applyCount("3750");
    EXPECT_EQ(fake.messages, std::vector<std::string>{kCountLimitMessage});
    EXPECT_EQ(params.N, 89977);
    EXPECT_EQ(memo(), "Цикл 1349640 градусов принят");

    applyCount("-2");
    applyCount("abc");
    EXPECT_EQ(fake.messages,
              (std::vector<std::string>{kCountLimitMessage, kCountFault, kCountFault}));
    EXPECT_EQ(params.N, 89977);
    EXPECT_EQ(memo(), "Цикл 1349640 градусов принят");

    applyCount("0");
    EXPECT_EQ(params.N, 1);
    EXPECT_EQ(memo(), "Цикл 0 градусов принят");
}

TEST_F(ParameterPanelTest, ModeFromListOrTypedText)
{
    form->parameterPanel().modeBox->setCurrentIndex(1);
    EXPECT_EQ(params.mode, 1);
    EXPECT_EQ(memo(), kModeMemo);
    form->parameterPanel().modeBox->setCurrentIndex(0);
    EXPECT_EQ(params.mode, 0);
    QTest::keyClicks(form->parameterPanel().modeBox->lineEdit(), "x");
    EXPECT_EQ(params.mode, 1);
    EXPECT_TRUE(fake.messages.empty());
}

// Typing lands where the user looks: following "press the button beside L2=, type a value,
// Enter" with the focus anywhere else.
TEST_F(ParameterPanelTest, EntryTakesTheFocusAndGivesItBackToItsButton)
{
    activate();
    ParameterPanel& panel = form->parameterPanel();
    RunSettingsPanel& run = form->runSettingsPanel();
    run.stepBox->setFocus();
    ASSERT_TRUE(run.stepBox->hasFocus());
    panel.entryEdit->setText(QStringLiteral("12,5")); // what an earlier entry left there

    QTest::mouseClick(panel.rows[kRowL2].button, Qt::LeftButton);
    EXPECT_TRUE(panel.entryEdit->hasFocus());
    EXPECT_EQ(panel.entryEdit->text(), "12,5"); // the text is not changed
    EXPECT_EQ(panel.entryEdit->selectedText(), "12,5");

    // The user types at whatever has the focus.
    QTest::keyClicks(QApplication::focusWidget(), "30");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(run.stepBox->currentText(), "15");
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(QApplication::focusWidget(), panel.rows[kRowL2].button);

    // Keys typed after the confirmation change no setting.
    QTest::keyClicks(QApplication::focusWidget(), "5");
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(run.stepBox->currentText(), "15");

    // A screened-out text reopens the panel with "0" selected, ready for another try.
    QTest::mouseClick(panel.rows[kRowM1].button, Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "1e3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(panelOpen());
    EXPECT_TRUE(panel.entryEdit->hasFocus());
    EXPECT_EQ(panel.entryEdit->selectedText(), "0");
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::mouseClick(panel.entryOk, Qt::LeftButton); // the OK button, not Enter, this time
    EXPECT_EQ(params.m1, 7);
    EXPECT_EQ(QApplication::focusWidget(), panel.rows[kRowM1].button);
}

TEST_F(ParameterPanelTest, EditButtonsNameTheirParameters)
{
    const ParameterPanel& panel = form->parameterPanel();
    EXPECT_EQ(panel.rows[kRowL1].button->toolTip(), "Изменить L1");
    EXPECT_EQ(panel.rows[kRowL2].button->toolTip(), "Изменить L2");
    EXPECT_EQ(panel.rows[6].button->toolTip(), "Изменить +Fitt");
    EXPECT_EQ(panel.rows[7].button->toolTip(), "Изменить A(C1)");
    EXPECT_EQ(panel.rows[kRowM2].button->toolTip(), "Изменить M2"); // its caption has no "="
    EXPECT_EQ(panel.rows[22].button->toolTip(), "Изменить I3");
    QStringList tips;
    for (const ParamRowWidgets& row : panel.rows) {
        EXPECT_TRUE(row.button->toolTip().startsWith("Изменить "))
            << row.button->objectName().toStdString();
        EXPECT_FALSE(row.button->toolTip().contains('='));
        tips << row.button->toolTip();
    }
    tips.removeDuplicates();
    EXPECT_EQ(tips.size(), kParamRowCount);
}

// A wheel turned over a closed list changes it only when the list has the focus.
TEST_F(ParameterPanelTest, ClosedListsTakeTheWheelOnlyWithTheFocus)
{
    activate();
    QComboBox* step = form->runSettingsPanel().stepBox;
    QComboBox* mode = form->parameterPanel().modeBox;
    QComboBox* cycleType = form->runSettingsPanel().cycleTypeBox;
    for (QComboBox* box : {step, mode, cycleType})
        EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus) << box->objectName().toStdString();
    form->parameterPanel().refreshButton->setFocus();
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
    EXPECT_EQ(labelText("m1Value"), "0.5"); // the typed text until the next refresh
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(panelOpen());
    enter(kRowL2, "30.5");
    EXPECT_EQ(params.l2, 30.5);
    EXPECT_EQ(labelText("l2Value"), "30,500");
}

} // namespace

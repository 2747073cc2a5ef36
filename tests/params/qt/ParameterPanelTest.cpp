// The parameter handlers of the real main window, driven through its widgets: the entry panel,
// the autofill button and menu item, and the run settings.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "app/qt/MainWindowFixture.h"
#include "params/Autofill.h"
#include "params/Entry.h"
#include "params/RunSettings.h"
#include "base/NumberText.h"

namespace {

class ParamsWidgetTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        saved_ = decimalSeparator();
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        setDecimalSeparator(saved_);
    }

    // Presses the edit button of a row, replaces the entry text by typing, confirms with Enter.
    void enter(int row, const QString& text)
    {
        QTest::mouseClick(form->rows[static_cast<size_t>(row)].button, Qt::LeftButton);
        form->Editen->selectAll();
        QTest::keyClick(form->Editen, Qt::Key_Delete);
        // Keys can be typed for printable ASCII only; anything else arrives as pasted text.
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 32 && c.unicode() < 127;
        });
        if (typeable)
            QTest::keyClicks(form->Editen, text);
        else
            form->Editen->insert(text);
        QTest::keyClick(form->Editen, Qt::Key_Return);
    }
    bool panelOpen() const { return form->Enterpn->isVisibleTo(form.get()); }
    QString memo() const { return form->otchet->toPlainText(); }
    // Applies a count through the Button1 toggle.
    void applyCount(const QString& text)
    {
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        form->cn->selectAll();
        QTest::keyClicks(form->cn, text);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    }

private:
    char saved_ = '.';
};

class CommaWidgetTest : public ParamsWidgetTest {
protected:
    void SetUp() override
    {
        fake.separator = ',';
        ParamsWidgetTest::SetUp();
    }
};

constexpr int kRowL1 = 0, kRowL2 = 1, kRowM1 = 17, kRowI2 = 21;

TEST_F(ParamsWidgetTest, TypicalUseUpToTheCalculation)
{
    EXPECT_FALSE(panelOpen());
    QTest::mouseClick(form->rows[kRowL2].button, Qt::LeftButton);
    EXPECT_TRUE(panelOpen());
    EXPECT_EQ(params.curkey, "l2");
    form->Editen->selectAll();
    QTest::keyClicks(form->Editen, "30");
    QTest::keyClick(form->Editen, Qt::Key_Return);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(params.l2, 30);
    EXPECT_EQ(params.b, 20);
    EXPECT_EQ(labelText("Label19"), "30.000");
    EXPECT_EQ(labelText("Label21"), "20.000");

    QTest::mouseClick(form->BitBtn, Qt::LeftButton);
    EXPECT_NEAR(params.ac5, 20, 1e-15L);
    EXPECT_EQ(labelText("Label33"), "20.000"); // A(B)

    form->tune->setCurrentIndex(1); // "5"
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
    EXPECT_EQ(labelText("Label18"), "12,5"); // raw text until the next refresh
    EXPECT_EQ(memo(), "Отчёт:");
    enter(kRowM1, "3");
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("Label36"), "3");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommaWidgetTest, ScreenedOutTextKeepsValueAndReopens)
{
    for (const char* text : {"1e3", " 7", "1.5", "два", "4\t"}) {
        enter(kRowM1, QString::fromUtf8(text));
        if (QString::fromUtf8(text) == "4\t") {
            // A tab passes the screening and fails the conversion.
            EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
            EXPECT_FALSE(panelOpen());
        } else {
            EXPECT_TRUE(panelOpen()) << text;
            EXPECT_EQ(form->Editen->text(), "0");
            EXPECT_EQ(labelText("Label36"), "4,000");
        }
        EXPECT_EQ(params.m1, 4);
    }
}

TEST_F(ParamsWidgetTest, MessagesInOrderAndMemoBeforeTheFault)
{
    enter(kRowL1, "-3");
    EXPECT_TRUE(fake.messages.empty());
    enter(kRowM1, "");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{std::string("message:") + kLengthMessage,
                                                    std::string("message:") + kEntryFault}));
    EXPECT_EQ(memo(), kSumMemo);
    EXPECT_EQ(labelText("Label36"), "");
    EXPECT_EQ(params.m1, 4);
}

TEST_F(ParamsWidgetTest, HugeValueForDoubleField)
{
    enter(kRowL1, "1" + QString(400, '0'));
    EXPECT_EQ(fake.messages, std::vector<std::string>{kEntryFault});
    EXPECT_EQ(params.l1, 10);
}

TEST_F(ParamsWidgetTest, ShortRodGivesNegativeOffsetAndRefresh)
{
    enter(kRowL2, "5");
    EXPECT_EQ(fake.messages, std::vector<std::string>{kNegativeBMessage});
    EXPECT_EQ(params.b, -5);
    EXPECT_EQ(labelText("Label19"), "5.000");
    EXPECT_EQ(labelText("Label21"), "-5.000");
}

TEST_F(ParamsWidgetTest, KeyKeptAcrossConfirmations)
{
    QTest::mouseClick(form->rows[kRowM1].button, Qt::LeftButton);
    enter(kRowI2, "3");
    EXPECT_EQ(params.m1, 4);
    EXPECT_EQ(params.i2, 3);
    form->Editen->setText("7");
    QTest::mouseClick(form->okbtn, Qt::LeftButton);
    EXPECT_EQ(params.i2, 7);
    EXPECT_EQ(labelText("Label45"), "7");
    EXPECT_EQ(labelText("Label36"), "4.000");
}

TEST_F(ParamsWidgetTest, AutofillFromMenuAtDefaults)
{
    form->N17->trigger();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(labelText("Label31"), "10.000"); // A(A)
    EXPECT_EQ(labelText("Label28"), "12.260"); // B(C2), the rod's midpoint
    EXPECT_EQ(labelText("Label34"), "24.510"); // B(B)
}

TEST_F(ParamsWidgetTest, AutofillFailureLeavesTheLabels)
{
    params.l2 = 4;
    params.fi0 = 0;
    QTest::mouseClick(form->BitBtn, Qt::LeftButton);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kAutofillFault});
    EXPECT_EQ(params.ac4, 10);
    EXPECT_EQ(params.ac1, 5);
    EXPECT_EQ(labelText("Label31"), "0.000");
    EXPECT_EQ(labelText("Label25"), "0.000");
}

TEST_F(CommaWidgetTest, FineStepWarnsOnceThenReports)
{
    form->tune->setCurrentIndex(7); // "ext 0.2"
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(memo(), "Шаг 0,2 градусов принят");
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    form->tune->setCurrentIndex(6); // "ext 0.5": no warning
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(memo(), "Шаг 0,5 градусов принят");
}

TEST_F(ParamsWidgetTest, TypedFineStepConfirmedWithEnterWarnsOnce)
{
    form->tune->lineEdit()->selectAll();
    QTest::keyClicks(form->tune->lineEdit(), "ext 0.2");
    QTest::keyClick(form->tune->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(fake.messages, std::vector<std::string>{kFineStepWarning});
    EXPECT_EQ(params.step, 0.2L * kRadPerDeg);
    form->tune->setCurrentIndex(9); // a later selection still runs the handler
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(params.step, 0.05L * kRadPerDeg);
}

TEST_F(ParamsWidgetTest, TypedStepKeepsTheStep)
{
    QTest::keyClicks(form->tune->lineEdit(), "x");
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(memo(), "Шаг 15 градусов принят");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ParamsWidgetTest, CountToggleAndLimits)
{
    EXPECT_FALSE(form->cn->isEnabled());
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_TRUE(form->cn->isEnabled());
    EXPECT_EQ(form->Button1->text(), "Применить");
    form->cn->selectAll();
    QTest::keyClicks(form->cn, "3749");
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(form->cn->isEnabled());
    EXPECT_EQ(form->Button1->text(), "Изменить");
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

TEST_F(ParamsWidgetTest, ModeFromListOrTypedText)
{
    form->CB->setCurrentIndex(1);
    EXPECT_EQ(params.mode, 1);
    EXPECT_EQ(memo(), kModeMemo);
    form->CB->setCurrentIndex(0);
    EXPECT_EQ(params.mode, 0);
    QTest::keyClicks(form->CB->lineEdit(), "x");
    EXPECT_EQ(params.mode, 1);
    EXPECT_TRUE(fake.messages.empty());
}

} // namespace

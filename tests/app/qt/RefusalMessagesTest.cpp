// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal is told: a negative mass on every way into the entry, a typed step that names no
// item, the sweep's fields with either separator, a load the mechanism cannot carry, a sweep too
// short for the flywheel and a cancelled sweep. Nothing refused is kept as if it were in force.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>

#include "app/qt/LoadEditor.h"
#include "params/LoadPresets.h"
#include "app/qt/MainWindowFixture.h"
#include "base/NumberText.h"
#include "calc/Sweep.h"
#include "params/Entry.h"
#include "params/RunSettings.h"
#include "present/qt/ListingView.h"
#include "present/qt/SweepWindow.h"

namespace {

class Refusals : public MainWindowTest {
protected:
    QLineEdit* entryEdit() const { return control<QLineEdit>("entryEdit"); }
    QComboBox* stepBox() const { return control<QComboBox>("stepBox"); }
    QString memo() const { return control<ListingView>("listing")->toPlainText(); }
};

ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    return p;
}

} // namespace

// M1 = -5 is refused with the message naming M1, whichever way the entry is opened and confirmed.
TEST_F(Refusals, NegativeMassOnEveryEntryPath)
{
    activate();
    const struct {
        const char* name;
        std::function<void(QWidget* button)> open;
        std::function<void()> confirm;
    } paths[] = {
        {"click, Enter", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         [this] { QTest::keyClick(entryEdit(), Qt::Key_Return); }},
        {"click, keypad Enter", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         [this] { QTest::keyClick(entryEdit(), Qt::Key_Enter); }},
        {"Space, OK button",
         [](QWidget* b) {
             b->setFocus();
             QTest::keyClick(b, Qt::Key_Space);
         },
         [this] { QTest::mouseClick(control("entryOk"), Qt::LeftButton); }},
        {"Enter, Enter",
         [](QWidget* b) {
             b->setFocus();
             QTest::keyClick(b, Qt::Key_Return);
         },
         [this] { QTest::keyClick(entryEdit(), Qt::Key_Return); }},
    };
    const QString shown = labelText("m1Value");
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        fake.messages.clear();
        path.open(control("m1Button"));
        ASSERT_TRUE(entryEdit()->isVisible());
        entryEdit()->selectAll();
        QTest::keyClicks(entryEdit(), "-5");
        path.confirm();
        EXPECT_EQ(fake.messages, std::vector<std::string>{"M1: масса не может быть отрицательной"});
        EXPECT_EQ(params.m1, 4);
        EXPECT_EQ(labelText("m1Value"), shown);
    }
}

// A typed step that names no item is refused when confirmed: the memo says which step is in
// force and the box shows it again; F9 then computes with it, as the box says.
TEST_F(Refusals, TypedStepOfNoItem)
{
    activate();
    const struct {
        const char* typed;
        bool refused;
        const char* shown; // the item the box then shows
    } cases[] = {{"0.3", true, "5°"},
                 {"7", true, "5°"},
                 {"-5", true, "5°"},
                 {"30", false, "30°"},
                 {"ext 0.1", false, "0.1°"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        stepBox()->setCurrentIndex(1); // 5 degrees
        const long double before = params.step;
        stepBox()->lineEdit()->setFocus();
        stepBox()->lineEdit()->selectAll();
        QTest::keyClicks(stepBox()->lineEdit(), c.typed);
        QTest::keyClick(stepBox()->lineEdit(), Qt::Key_Return);
        if (c.refused) {
            EXPECT_EQ(params.step, before);
            EXPECT_EQ(memo().toStdString(),
                      "Шаг «" + std::string(c.typed) + "» не из списка: действует шаг 5°");
            EXPECT_EQ(stepBox()->currentText(), QStringLiteral("5°"));
        } else {
            EXPECT_NE(params.step, before);
            EXPECT_EQ(stepBox()->currentText(), QString::fromUtf8(c.shown));
        }
    }
}

// The sweep's values take either separator in either locale; anything else is refused in Russian,
// naming the field, and starts nothing.
TEST(SweepRefusals, FieldsReadBothSeparatorsAndRefuseInRussian)
{
    const struct {
        char decimal;
        const char* from;
        const char* to;
        const char* refusal; // "" when the sweep starts
    } cases[] = {
        {',', "10.5", "11,5", ""},
        {'.', "10,5", "11.5", ""},
        {',', "abc", "11", "Поле «от»: «abc» — не число"},
        {'.', "10", "1x", "Поле «до»: «1x» — не число"},
        {'.', "", "11", "Поле «от»: «» — не число"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " .. " + c.to);
        FakePlatform fake;
        const NumberFormat numbers{c.decimal};
        const ParamSet params = defaults();
        SweepWindow w(params, fake, numbers);
        auto* key = w.findChild<QComboBox*>("sweepKey");
        key->setCurrentIndex(key->findData(QStringLiteral("l2")));
        w.findChild<QLineEdit*>("sweepFrom")->setText(c.from);
        w.findChild<QLineEdit*>("sweepTo")->setText(c.to);
        w.findChild<QSpinBox*>("sweepCount")->setValue(2);
        QSignalSpy finished(&w, &SweepWindow::sweepFinished);
        w.start();
        EXPECT_TRUE(fake.errors.empty());
        if (c.refusal[0]) {
            EXPECT_EQ(fake.messages, std::vector<std::string>{c.refusal});
            EXPECT_FALSE(w.running());
            continue;
        }
        EXPECT_TRUE(fake.messages.empty());
        ASSERT_TRUE(finished.wait(120000));
        ASSERT_EQ(w.points().size(), 2u);
        EXPECT_EQ(w.points()[0].value, 10.5L);
        EXPECT_EQ(w.points()[1].value, 11.5L);
    }
}

// A run shorter than the flywheel's period, of a mechanism that cannot turn the whole period
// (l1 = 10, l2 = 15.5, b = 20 assembles only up to 63.26°), leaves M_d and J blank: the row and
// the status say why, as the summary does, instead of "готово".
TEST(SweepRefusals, ShortRunSaysWhyTheFlywheelIsBlank)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    ParamSet params = defaults();
    params.l1 = 10;
    params.l2 = 15.5;
    params.b = 20;
    params.fi0 = 0;
    params.step = 1 * kRadPerDeg; // 24 steps of 1 degree: the run itself assembles throughout
    SweepWindow w(params, fake, numbers);
    auto* key = w.findChild<QComboBox*>("sweepKey");
    key->setCurrentIndex(key->findData(QStringLiteral("m2")));
    w.findChild<QSpinBox*>("sweepCount")->setValue(2);
    QSignalSpy finished(&w, &SweepWindow::sweepFinished);
    w.start();
    ASSERT_TRUE(finished.wait(120000));
    ASSERT_EQ(w.points().size(), 2u);
    const std::string why = w.points()[0].reason;
    EXPECT_TRUE(why.starts_with("для маховика нужен полный период")) << why;
    const auto* table = w.findChild<QTableWidget*>("sweepTable");
    EXPECT_EQ(table->item(0, 1)->text().toStdString(), why);
    const QString status = w.findChild<QLabel*>("sweepStatus")->text();
    EXPECT_TRUE(status.contains(QString::fromStdString(why))) << status.toStdString();
}

// After "Отмена" no sweep is shown: the table and the chart are empty and the export refuses,
// whatever the window showed before.
TEST(SweepRefusals, CancelLeavesNoSweepToExport)
{
    FakePlatform fake;
    const NumberFormat numbers{'.'};
    ParamSet params = defaults();
    params.N = 3601; // long runs, so that the cancel comes first
    params.cycles = 150;
    params.step = 1 * kRadPerDeg;
    SweepWindow w(params, fake, numbers);
    auto* key = w.findChild<QComboBox*>("sweepKey");
    key->setCurrentIndex(key->findData(QStringLiteral("l2")));
    w.findChild<QLineEdit*>("sweepFrom")->setText("25");
    w.findChild<QLineEdit*>("sweepTo")->setText("30");
    w.findChild<QSpinBox*>("sweepCount")->setValue(2);
    {
        QSignalSpy finished(&w, &SweepWindow::sweepFinished);
        w.start();
        ASSERT_TRUE(finished.wait(120000));
        ASSERT_EQ(w.points().size(), 2u);
    }
    w.findChild<QSpinBox*>("sweepCount")->setValue(1000);
    QSignalSpy finished(&w, &SweepWindow::sweepFinished);
    w.start();
    w.cancel();
    ASSERT_TRUE(finished.wait(120000));
    EXPECT_TRUE(w.points().empty());
    EXPECT_EQ(w.findChild<QTableWidget*>("sweepTable")->rowCount(), 0);
    fake.saveReplies.push_back(std::string("/nonexistent/never.csv"));
    w.exportCsv();
    EXPECT_EQ(fake.messages, std::vector<std::string>{"Нет результатов: сначала выполните «Пуск»"});
    EXPECT_TRUE(fake.dialogRequests.empty());
}

// A refused "Применить" keeps the table as typed, in the open editor and in one closed and opened
// again, until the load in force changes; a cell that is no number is kept as typed too.
TEST_F(Refusals, RefusedLoadKeepsTheTableAsTyped)
{
    const struct {
        const char* name;
        std::function<void(LoadEditor&)> type;
        const char* said;
    } cases[] = {
        {"press on a crank of 12",
         [this](LoadEditor& e) {
             params.l1 = 12; // |b| = 15 > l2 - l1 = 13: no full turn
             e.choosePreset(LoadPreset::PressResistance);
         },
         "Нагрузка не применена: нагрузка по положению ползуна"},
        {"angles out of order",
         [](LoadEditor& e) {
             e.showLoad({LoadKind::ByAngle, LoadDirection::AlongY, {}}, 360);
             e.pasteRows(QStringLiteral("10;1\n5;2\n"));
         },
         "Нагрузка не применена: строка 2: "},
        {"no number",
         [](LoadEditor& e) {
             e.showLoad({LoadKind::ByAngle, LoadDirection::AlongY, {}}, 360);
             e.pasteRows(QStringLiteral("10;1\n20;x\n"));
         },
         "Строка 2: в столбце «Q, Н» не число."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setDefaults(params);
        form->showLoadEditor();
        LoadEditor& editor = *form->loadEditor();
        c.type(editor);
        auto* table = editor.findChild<QTableWidget*>("loadTable");
        const auto cells = [table] {
            QStringList texts;
            for (int r = 0; r < table->rowCount(); ++r)
                for (int col = 0; col < table->columnCount(); ++col)
                    texts << (table->item(r, col) ? table->item(r, col)->text() : QString());
            return texts;
        };
        const QStringList typed = cells();
        ASSERT_FALSE(typed.isEmpty());
        fake.messages.clear();
        EXPECT_FALSE(editor.apply());
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_TRUE(fake.messages[0].starts_with(c.said)) << fake.messages[0];
        EXPECT_EQ(params.load, LoadTable{});
        EXPECT_EQ(cells(), typed);
        editor.hide();
        form->showLoadEditor();
        EXPECT_EQ(cells(), typed);
        // Another load in force: the editor shows it when it opens next.
        editor.hide();
        trigger("undoAction"); // the load of an earlier case, or none
        editor.choosePreset(LoadPreset::ConstantForce);
        ASSERT_TRUE(editor.apply());
        editor.hide();
        form->showLoadEditor();
        EXPECT_NE(cells(), typed);
        EXPECT_EQ(table->rowCount(), int(params.load.points.size()));
        editor.hide();
        trigger("undoAction");
    }
}

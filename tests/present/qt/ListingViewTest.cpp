// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "params/ParamSet.h"
#include "formats/ResultsTestFiles.h"
#include "formats/ResultsText.h"
#include "present/qt/ListingView.h"
#include "support/BatchRun.h"

namespace {

// "line 0", "line 1", ...: a long text whose lines count how often they are asked for.
class CountingLines final : public LineSource {
public:
    explicit CountingLines(size_t count) : count_(count) {}
    size_t lineCount() const override { return count_; }
    void appendLine(size_t i, std::string& out) const override
    {
        ++asked;
        out += "line " + std::to_string(i);
    }
    mutable std::atomic<size_t> asked{0};

private:
    size_t count_;
};

class ListingViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.resize(300, 100);
        view.show();
        QApplication::clipboard()->clear();
    }

public: // the table-driven steps below act through a reference to the fixture
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&view, Qt::Key(key), modifiers);
    }
    void wheel(int degrees)
    {
        const QPointF at(10, 10);
        QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, degrees * 8),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }
    // The y of the middle of the n-th line shown.
    int rowY(int n) const { return 4 + n * view.fontMetrics().lineSpacing() + 2; }

    ListingView view;
};

} // namespace

TEST_F(ListingViewTest, AStatusTextReplacesWhateverWasShown)
{
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_EQ(view.toPlainText(), "");
    EXPECT_EQ(view.blockCount(), 1);
    view.setLines(std::make_shared<CountingLines>(1000));
    view.setPlainText(QStringLiteral("Отчёт:"));
    EXPECT_EQ(view.toPlainText(), QStringLiteral("Отчёт:"));
    EXPECT_EQ(view.blockCount(), 1);
    view.setPlainText(QStringLiteral("first\nsecond\n"));
    EXPECT_EQ(view.blockCount(), 3);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("first\nsecond\n"));
    EXPECT_FALSE(view.hasSelection());
}

TEST_F(ListingViewTest, MemoColoursAndTheApplicationFont)
{
    EXPECT_EQ(view.palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(view.palette().color(QPalette::Text), QColor(215, 228, 242));
    EXPECT_EQ(view.font(), QApplication::font());
    view.setPlainText("x");
    const QImage image = view.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), QColor(Qt::black));
}

TEST_F(ListingViewTest, OnlyTheLinesInViewAreMade)
{
    auto lines = std::make_shared<CountingLines>(2'000'000);
    view.setLines(lines);
    view.viewport()->grab(); // paints
    EXPECT_EQ(view.blockCount(), 2'000'000);
    const int shown = view.verticalScrollBar()->pageStep();
    EXPECT_GE(shown, 3);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 2'000'000 - shown);
    EXPECT_LT(lines->asked.load(), 100u);

    press(Qt::Key_End, Qt::ControlModifier);
    view.viewport()->grab();
    EXPECT_EQ(view.firstVisibleLine(), 2'000'000 - shown);
    EXPECT_LT(lines->asked.load(), 200u);
}

TEST_F(ListingViewTest, ScrollsByKeysWheelAndScrollBar)
{
    view.setLines(std::make_shared<CountingLines>(1000));
    const int shown = view.verticalScrollBar()->pageStep();
    struct Step {
        const char* what;
        std::function<void(ListingViewTest&)> act;
        int64_t first; // top line afterwards
    };
    const Step steps[] = {
        {"Page Down", [](auto& t) { t.press(Qt::Key_PageDown); }, 1},
        {"Page Down again", [](auto& t) { t.press(Qt::Key_PageDown); }, 1 + shown},
        {"wheel down a notch", [](auto& t) { t.wheel(-15); }, 4 + shown},
        {"wheel up a notch", [](auto& t) { t.wheel(15); }, 1 + shown},
        {"scroll bar", [](auto& t) { t.view.verticalScrollBar()->setValue(500); }, 500},
        {"Ctrl+Home", [](auto& t) { t.press(Qt::Key_Home, Qt::ControlModifier); }, 0},
        {"Ctrl+End", [](auto& t) { t.press(Qt::Key_End, Qt::ControlModifier); }, 1000 - shown},
        {"Page Up from the last line", [](auto& t) { t.press(Qt::Key_PageUp); }, 999 - shown},
    };
    // The first Page Down moves the (hidden) cursor to the last line shown, then the view follows.
    for (const Step& s : steps) {
        s.act(*this);
        EXPECT_EQ(view.firstVisibleLine(), s.first) << s.what;
    }
}

TEST_F(ListingViewTest, SelectsWithShiftKeysAndTheMouse)
{
    view.setPlainText("alpha\nbeta\ngamma\ndelta");
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(view.selectedText(), "alpha\n");
    press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(view.selectedText(), "alpha\nbeta");
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(view.selectedText(), "alpha\nbet");
    press(Qt::Key_Down); // without Shift the selection goes
    EXPECT_FALSE(view.hasSelection());

    // Press at the start of line 1, Shift+click at the start of line 3; then drag to line 2.
    QWidget* area = view.viewport();
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, QPoint(1, rowY(1)));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, QPoint(1, rowY(3)));
    EXPECT_EQ(view.selectedText(), "beta\ngamma\n");
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(1, rowY(0)));
    QMouseEvent move(QEvent::MouseMove, QPointF(1, rowY(2)), area->mapToGlobal(QPointF(1, rowY(2))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(1, rowY(2)));
    EXPECT_EQ(view.selectedText(), "alpha\nbeta\n");
    // A click far right of a line puts the cursor at its end.
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, QPoint(1, rowY(0)));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, QPoint(290, rowY(0)));
    EXPECT_EQ(view.selectedText(), "alpha");
}

TEST_F(ListingViewTest, CtrlACtrlCCopiesTheWholeListingAsTheBatchWritesIt)
{
    ScratchDir dir;
    const BatchRun run = batch({"--listing", dir.file("l.txt")});
    ASSERT_EQ(run.status, kBatchDone) << run.err;

    ParamSet p;
    setDefaults(p);
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    GridText grid;
    auto listing = std::make_shared<ResultsListing>(grid);
    refreshResults(*R, p.N, '.', grid, *listing);
    view.setLines(listing);

    press(Qt::Key_C, Qt::ControlModifier); // nothing selected: the clipboard stays as it was
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    QString file = QString::fromStdString(readBytes(dir.file("l.txt")));
    file.replace("\r\n", "\n");
    EXPECT_EQ(QApplication::clipboard()->text(), file);
    EXPECT_EQ(view.toPlainText(), file);
    EXPECT_EQ(view.blockCount(), 2 + 2 * 25 + 1);
}

TEST_F(ListingViewTest, ContextMenuCopiesTheSelectionAndSelectsAll)
{
    view.setPlainText("alpha\nbeta");
    std::unique_ptr<QMenu> menu(view.createContextMenu());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3); // copy, a separator, select all
    EXPECT_EQ(actions[0]->text(), "&Copy");
    EXPECT_FALSE(actions[0]->isEnabled()); // nothing selected yet
    EXPECT_EQ(actions[2]->text(), "Select All");
    actions[2]->trigger();
    EXPECT_EQ(view.selectedText(), "alpha\nbeta");

    menu.reset(view.createContextMenu());
    ASSERT_TRUE(menu->actions()[0]->isEnabled());
    menu->actions()[0]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "alpha\nbeta");
}

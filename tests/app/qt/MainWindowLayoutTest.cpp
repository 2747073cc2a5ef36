// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: what the layout guarantees a user (the window's size, every control
// whole and apart from the others, rows on their lines in order), initial states, and captions
// that fit.
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>
#include <string>
#include <vector>

#include "app/qt/MainWindowFixture.h"
#include "params/ParamTable.h"
#include "present/qt/ListingView.h"

namespace {

// Every control of the main window by its object name: the panels and boxes, and what they hold
// apart from the parameter rows.
const char* const kControls[] = {
    "resultsArea",     "listing",       "grid",           "parametersBox",  "extraParametersBox",
    "entryPanel",      "entryCaption",  "entryEdit",      "entryOk",        "runSettings",
    "stepCaption",     "stepBox",       "cycleCaption",   "cycleCountEdit", "cycleTypeBox",
    "cycleEditButton", "progressPanel", "progressBar",    "rendererChoice", "rendererItem0",
    "rendererItem1",   "modeBox",       "autofillButton", "refreshButton",  "divider",
    "entryName",
};

// The controls of parameter row r, named after its key: "l1Caption", "l1Value", "l1Button".
std::string rowControl(int r, const char* part)
{
    return std::string(paramRow(r).key) + part;
}

QStringList items(const QComboBox* c)
{
    QStringList list;
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}

// A control's rectangle in the coordinates of the window's client area.
QRect placeIn(const QWidget* client, const QWidget* w)
{
    return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
}

// Two controls overlap when one covers more of the other than the one-pixel border line that
// neighbours may share (the small edit buttons stand 17 pixels tall on a 16-pixel pitch).
bool overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.width() > 1 && common.height() > 1;
}

} // namespace

// The window opens with its client area at its old size, the docks beside it, and may grow; it
// never shrinks below that size.
TEST_F(MainWindowTest, WindowOpensAtItsDefaultSizeAndMayGrow)
{
    // The client area, the menu above it and the status bar below it.
    const int height =
        552 + form->menuBar()->sizeHint().height() + form->statusBar()->sizeHint().height();
    // The mechanism and the cursor stand beside the client area, which keeps its size.
    EXPECT_GT(form->width(), 713 + 300);
    EXPECT_EQ(form->height(), height);
    EXPECT_EQ(form->centralWidget()->size(), QSize(713, 552));
    EXPECT_EQ(form->minimumSize(), form->size());
    form->show();
    EXPECT_EQ(form->centralWidget()->size(), QSize(713, 552));
    EXPECT_GT(form->maximumSize().width(), 713);
}

// Whatever the font, the style or the window's size, a user must see every control whole: inside
// the box or panel that holds it, inside the window, and covered by no other control, hidden ones
// included (the entry panel comes up over its place). A larger window gives its room to the grid
// and the listing; the parameter boxes keep their size.
TEST_F(MainWindowTest, EveryControlLiesInsideTheWindowApartFromTheOthers)
{
    form->show(); // a hidden widget is told of its new size only when shown
    QWidget* client = form->centralWidget();
    std::vector<const QWidget*> all;
    for (const char* name : kControls)
        all.push_back(control(name));
    for (int r = 0; r < kParamRowCount; ++r) {
        for (const char* part : {"Caption", "Value", "Button"})
            all.push_back(control(rowControl(r, part).c_str()));
    }
    const QSize boxSize = control("parametersBox")->size();
    const QSize gridSize = control("grid")->size(), listingSize = control("listing")->size();
    for (const QSize size : {QSize(713, 552), QSize(1600, 1000), QSize(1024, 560)}) {
        SCOPED_TRACE(size.width());
        client->resize(size);
        const QSize extra = size - QSize(713, 552);
        EXPECT_EQ(control("parametersBox")->size(), boxSize);
        EXPECT_EQ(control("grid")->width() - gridSize.width(), extra.width());
        EXPECT_EQ(control("listing")->width() - listingSize.width(), extra.width());
        EXPECT_EQ(control("grid")->height() + control("listing")->height(),
                  gridSize.height() + listingSize.height() + extra.height());
        for (const QWidget* w : all) {
            const std::string name = w->objectName().toStdString();
            EXPECT_TRUE(client->rect().contains(placeIn(client, w))) << name;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
        }
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j) {
                const QWidget *a = all[i], *b = all[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                EXPECT_FALSE(overlap(placeIn(client, a), placeIn(client, b)))
                    << a->objectName().toStdString() << " and " << b->objectName().toStdString();
            }
    }
}

// Each row reads as one line, edit button, caption, value from left to right, and the rows go
// down in the parameter order, the masses and inertias in "Доп. Параметры", the rest in
// "Параметры".
TEST_F(MainWindowTest, ParameterRowsSitInTheirBoxes)
{
    QWidget* boxes[] = {control<QGroupBox>("parametersBox"),
                        control<QGroupBox>("extraParametersBox")};
    const QWidget* above = nullptr; // the caption of the row above in the same box
    for (int r = 0; r < kParamRowCount; ++r) {
        SCOPED_TRACE(paramRow(r).key);
        auto* caption = control<QLabel>(rowControl(r, "Caption").c_str());
        auto* value = control<QLabel>(rowControl(r, "Value").c_str());
        auto* button = control<QPushButton>(rowControl(r, "Button").c_str());
        const bool extra = paramRow(r).group == ParamGroup::Mass;
        QWidget* box = boxes[extra ? 1 : 0];
        EXPECT_EQ(caption->text(), QString::fromUtf8(paramRow(r).caption));
        for (QWidget* part : {static_cast<QWidget*>(caption), static_cast<QWidget*>(value),
                              static_cast<QWidget*>(button)})
            EXPECT_EQ(part->parentWidget(), box);
        EXPECT_TRUE(caption->font().bold());
        EXPECT_TRUE(value->font().bold());

        EXPECT_EQ(value->y(), caption->y()); // one text line
        const int middle = caption->geometry().center().y();
        EXPECT_LE(button->geometry().top(), middle);
        EXPECT_GE(button->geometry().bottom(), middle);
        EXPECT_LT(button->geometry().right(), caption->x());
        EXPECT_LT(caption->geometry().right(), value->x());
        if (extra && paramRow(r - 1).group != ParamGroup::Mass) above = nullptr;
        if (above) {
            EXPECT_GE(caption->y(), above->geometry().bottom());
        }
        above = caption;
    }
}

// Tab reaches every control that can take a key in reading order, as they stand on screen: top
// to bottom and, along a line, left to right; Shift+Tab goes the same way back. The entry joins
// while it is open, the count field while it is enabled. The order is judged by the controls'
// places, not by a list.
TEST_F(MainWindowTest, TabFollowsTheReadingOrderOnScreen)
{
    activate();
    QWidget* client = form->centralWidget();
    const auto place = [client](const QWidget* w) { return w->mapTo(client, QPoint(0, 0)); };
    const auto before = [](QPoint a, QPoint b) {
        return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x());
    };
    // One round of `key` from the first control in reading order back to it, through the client
    // area's controls (the docks beside it take their turns on the way, unrecorded).
    const auto walk = [client](QWidget* first, Qt::Key key) {
        std::vector<QWidget*> seen{first};
        first->setFocus();
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QWidget* now = QApplication::focusWidget();
            if (now == first) break;
            if (!client->isAncestorOf(now)) continue;
            seen.push_back(now);
        }
        return seen;
    };
    for (const bool opened : {false, true}) {
        SCOPED_TRACE(opened ? "entry and count field open" : "closed");
        if (opened) {
            QTest::mouseClick(control("cycleEditButton"), Qt::LeftButton);
            QTest::mouseClick(control("m1Button"), Qt::LeftButton);
        }
        // The top-left control that takes the focus starts the round.
        QWidget* first = nullptr;
        for (QWidget* w : client->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(client) && w->isEnabled() &&
                !w->focusProxy() && (!first || before(place(w), place(first))))
                first = w;
        ASSERT_NE(first, nullptr);
        const std::vector<QWidget*> round = walk(first, Qt::Key_Tab);
        for (size_t i = 1; i < round.size(); ++i)
            EXPECT_TRUE(before(place(round[i - 1]), place(round[i])))
                << round[i - 1]->objectName().toStdString() << " then "
                << round[i]->objectName().toStdString();
        std::vector<std::string> names;
        for (QWidget* w : round)
            names.push_back(w->objectName().toStdString());
        const auto has = [&names](const std::string& n) {
            return std::find(names.begin(), names.end(), n) != names.end();
        };
        for (int r = 0; r < kParamRowCount; ++r)
            EXPECT_TRUE(has(rowControl(r, "Button"))) << rowControl(r, "Button");
        for (const char* name : {"listing", "grid", "autofillButton", "refreshButton", "stepBox",
                                 "cycleEditButton", "modeBox"})
            EXPECT_TRUE(has(name)) << name;
        // The renderer's two items are one stop, as a group of radio buttons is.
        EXPECT_TRUE(has("rendererItem0") != has("rendererItem1"));
        for (const char* name : {"entryEdit", "entryOk", "cycleCountEdit"})
            EXPECT_EQ(has(name), opened) << name;
        // Shift+Tab: the same round backwards.
        std::vector<QWidget*> back = walk(first, Qt::Key_Backtab);
        std::reverse(back.begin() + 1, back.end());
        EXPECT_EQ(back, round);
    }
}

TEST_F(MainWindowTest, ControlsStartInTheirDesignedState)
{
    EXPECT_FALSE(control("entryPanel")->isVisibleTo(form.get()));
    EXPECT_EQ(control<QLabel>("entryCaption")->text(), QStringLiteral("Введите значение:"));
    EXPECT_EQ(control<QLineEdit>("entryEdit")->text(), QStringLiteral("0"));
    EXPECT_TRUE(control<QPushButton>("entryOk")->isDefault());

    auto* stepBox = control<QComboBox>("stepBox");
    EXPECT_TRUE(stepBox->isEditable());
    EXPECT_EQ(stepBox->currentIndex(), -1);
    EXPECT_EQ(stepBox->currentText(), QStringLiteral("15°"));
    // In degrees, with the locale's separator (the fake platform's is the point).
    EXPECT_EQ(items(stepBox), QStringList({"1°", "5°", "10°", "15°", "30°", "60°", "0.5°", "0.2°",
                                           "0.1°", "0.05°", "0.01°"}));
    auto* modeBox = control<QComboBox>("modeBox");
    EXPECT_FALSE(modeBox->isEditable());
    // The mode in force, as an ordinary selection.
    EXPECT_EQ(modeBox->currentIndex(), 0);
    EXPECT_TRUE(modeBox->placeholderText().isEmpty());
    EXPECT_EQ(items(modeBox), QStringList({"360", "720"}));

    auto* countEdit = control<QLineEdit>("cycleCountEdit");
    auto* typeBox = control<QComboBox>("cycleTypeBox");
    EXPECT_FALSE(countEdit->isEnabled());
    EXPECT_EQ(countEdit->text(), QStringLiteral("1"));
    EXPECT_FALSE(typeBox->isEnabled());
    EXPECT_EQ(typeBox->currentText(), QStringLiteral("x24"));
    EXPECT_EQ(typeBox->count(), 20);
    EXPECT_EQ(typeBox->itemText(19), QStringLiteral("x144000"));
    EXPECT_EQ(control<QPushButton>("cycleEditButton")->text(), QStringLiteral("Изменить"));

    EXPECT_EQ(control<QProgressBar>("progressBar")->minimum(), 0);
    EXPECT_EQ(control<QProgressBar>("progressBar")->maximum(), 12);
    EXPECT_EQ(control<QGroupBox>("rendererChoice")->title(), QStringLiteral("Вид анимации"));
    EXPECT_EQ(control<QRadioButton>("rendererItem0")->text(), QStringLiteral("2-D во весь экран"));
    EXPECT_EQ(control<QRadioButton>("rendererItem1")->text(), QStringLiteral("3-D в окне"));
    EXPECT_TRUE(control<ListingView>("listing")->isReadOnly());
    EXPECT_EQ(control<ListingView>("listing")->toPlainText(), QStringLiteral("Отчёт:"));
    auto* autofill = control<QPushButton>("autofillButton");
    EXPECT_EQ(autofill->text(), QStringLiteral("Автозаполнение"));
    EXPECT_TRUE(autofill->font().bold());
    EXPECT_FALSE(control<QPushButton>("refreshButton")->icon().isNull());
}

// The font replaces one designed for these sizes: every caption must still fit its control and
// no row caption may run into its value.
TEST_F(MainWindowTest, CaptionsFitTheirControls)
{
    for (QLabel* l : form->findChildren<QLabel*>()) {
        // The status bar lays out its lines only when shown; the stale-results test checks them.
        if (form->statusBar()->isAncestorOf(l)) continue;
        const int need = l->fontMetrics().horizontalAdvance(l->text());
        EXPECT_LE(need, l->contentsRect().width()) << l->objectName().toStdString();
        EXPECT_LE(l->x() + need, l->parentWidget()->width() - 2) << l->objectName().toStdString();
    }
    for (int r = 0; r < kParamRowCount; ++r) {
        const QLabel* caption = control<QLabel>(rowControl(r, "Caption").c_str());
        EXPECT_LT(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()),
                  control(rowControl(r, "Value").c_str())->x() - 2)
            << paramRow(r).key;
    }
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + icon, b->width() - 6)
            << b->objectName().toStdString();
    }
    for (QRadioButton* b : form->findChildren<QRadioButton*>())
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
    for (QGroupBox* g : form->findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width());
    for (QComboBox* c : form->findChildren<QComboBox*>()) {
        const int arrow = 20;
        EXPECT_LE(c->fontMetrics().horizontalAdvance(c->currentText()) + arrow, c->width())
            << c->objectName().toStdString();
    }
}

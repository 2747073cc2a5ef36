// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: what the layout guarantees a user (a size for the screen, every
// control reachable and apart from the others, rows generated from the table in order, Tab in
// reading order), initial states, and captions that fit.
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>
#include <string>
#include <vector>

#include "app/qt/MainLayout.h"
#include "app/qt/MainWindowFixture.h"
#include "params/ParamSections.h"
#include "params/ParamTable.h"
#include "present/qt/ListingView.h"

namespace {

// Every control of the main window by its object name: the panels and boxes, and what they hold
// apart from the parameter rows.
const char* const kControls[] = {
    "resultsArea",    "listing",         "grid",          "lengthsBox",
    "motionBox",      "pointsBox",       "massesBox",     "entryPanel",
    "entryCaption",   "entryEdit",       "entryOk",       "runSettings",
    "stepCaption",    "stepBox",         "cycleCaption",  "cycleCountEdit",
    "cycleTypeBox",   "cycleEditButton", "progressPanel", "progressBar",
    "rendererChoice", "rendererItem0",   "rendererItem1", "modeBox",
    "autofillButton", "refreshButton",   "entryName",     "loadAndDelta",
    "loadLine",       "loadButton",      "deltaCaption",  "deltaValue",
    "deltaButton",
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

// Two controls overlap when one covers more of the other than the one-pixel border line that
// neighbours may share (the small edit buttons stand 17 pixels tall on a 16-pixel pitch).
bool overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.width() > 1 && common.height() > 1;
}

// The screens the window must serve, as the room they leave a window's client and frame (less
// the task bar): an ordinary laptop shows everything at once, a small netbook and a large screen
// at twice the scale (1600x1000 physical pixels are 800x500 logical ones, which is what the
// layout sees) reach every control, scrolling where needed.
struct ScreenCase {
    const char* name;
    QSize room;
    bool wholeAtOnce; // every control in sight without scrolling
};
const ScreenCase kScreens[] = {
    {"1366x768", QSize(1366 - 16, 768 - 48 - 30), true},
    {"1024x600", QSize(1024 - 16, 600 - 48 - 30), false},
    {"1600x1000 at scale 2", QSize(800 - 16, 500 - 48 - 30), false},
};

// The window's controls whose place a user must reach: the named ones and every parameter row's.
std::vector<QWidget*> allControls(const QWidget& form)
{
    std::vector<QWidget*> all;
    for (const char* name : kControls)
        all.push_back(child(form, name));
    for (int r = 0; r < kParamRowCount; ++r)
        for (const char* part : {"Caption", "Value", "Unit", "Button"})
            all.push_back(child(form, rowControl(r, part).c_str()));
    return all;
}

// The scroll area `w` stands in, or nullptr.
QScrollArea* scrollOf(QWidget* w)
{
    for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) return scroll;
    return nullptr;
}

// Where `w` shows inside the window now, cut to what the scroll area around it lets be seen.
QRect shownIn(const QWidget* window, QWidget* w)
{
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    if (QScrollArea* scroll = scrollOf(w)) {
        const QWidget* port = scroll->viewport();
        shown &= QRect(port->mapTo(window, QPoint(0, 0)), port->size());
    }
    return shown;
}

} // namespace

// The default size asks for no more than an ordinary laptop screen has, and never for more than
// the screen it opens on (the test platform's is smaller): what does not fit then scrolls.
TEST_F(MainWindowTest, DefaultSizeFitsItsScreenAndAnOrdinaryOne)
{
    const QSize room = kScreens[0].room;
    EXPECT_LE(form->sizeHint().width(), room.width());
    EXPECT_LE(form->sizeHint().height(), room.height());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(form->width(), screen.width());
    EXPECT_LE(form->height(), screen.height());
    // Wider than the old fixed 713-pixel window where there is room, and free to grow further.
    EXPECT_GT(form->maximumSize().width(), screen.width());
}

// Whatever the screen, a user must reach every control whole: inside the window, covered by no
// other control (the entry panel keeps its room while hidden), and in sight at once or after
// the parameter column has scrolled to it. On the ordinary laptop nothing needs scrolling. The
// window's geometry is walked against the screen's room, control by control.
TEST_F(MainWindowTest, EveryControlIsReachableOnEachScreen)
{
    form->show();
    // The entry is open: it is to be reached too, and then its own layout has placed its parts.
    QTest::mouseClick(control("m1Button"), Qt::LeftButton);
    const std::vector<QWidget*> all = allControls(*form);
    for (const ScreenCase& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        form->resize(screen.room);
        QApplication::processEvents();
        ASSERT_EQ(form->size(), screen.room) << "the window cannot be made that small";
        const QRect window = form->rect();
        for (QWidget* w : all) {
            const std::string name = w->objectName().toStdString();
            const QRect place(w->mapTo(form.get(), QPoint(0, 0)), w->size());
            EXPECT_FALSE(w->size().isEmpty()) << name;
            if (screen.wholeAtOnce) {
                EXPECT_TRUE(window.contains(shownIn(form.get(), w))) << name;
                EXPECT_EQ(shownIn(form.get(), w), place) << name << " needs scrolling";
                continue;
            }
            // Scrolled to, it stands whole in sight.
            if (QScrollArea* scroll = scrollOf(w)) scroll->ensureWidgetVisible(w, 0, 0);
            const QRect now(w->mapTo(form.get(), QPoint(0, 0)), w->size());
            EXPECT_EQ(shownIn(form.get(), w), now) << name << " cannot be scrolled into sight";
            EXPECT_TRUE(window.contains(now)) << name;
        }
        for (QScrollArea* scroll : form->findChildren<QScrollArea*>())
            scroll->ensureVisible(0, 0);
        // What is in sight of each control, none covering another.
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j) {
                QWidget *a = all[i], *b = all[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                EXPECT_FALSE(overlap(shownIn(form.get(), a), shownIn(form.get(), b)))
                    << a->objectName().toStdString() << " and " << b->objectName().toStdString();
            }
    }
}

// A larger window gives its room to the results; the parameter column keeps its width.
TEST_F(MainWindowTest, ExtraRoomGoesToTheResults)
{
    form->show();
    form->resize(kScreens[1].room);
    QApplication::processEvents();
    const int column = control("parameterColumn")->width();
    const QSize grid = control("grid")->size();
    form->resize(kScreens[1].room + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_EQ(control("parameterColumn")->width(), column);
    EXPECT_GT(control("grid")->width(), grid.width());
    EXPECT_GT(control("grid")->height(), grid.height());
}

// The panel is generated from the parameter table: one row per parameter with a value box, in
// its section's box, in table order going down, each reading as one line (edit button, caption,
// value, unit from left to right) with the table's caption and unit and the catalogue's tip.
TEST_F(MainWindowTest, PanelHoldsOneRowPerTableParameterInTableOrder)
{
    form->show();
    QApplication::processEvents();
    std::vector<int> rowsIn(kParamSectionCount, 0);
    const QLabel* above[kParamSectionCount] = {};
    for (int r = 0; r < kParamRowCount; ++r) {
        const ParamInfo& info = paramRow(r);
        SCOPED_TRACE(info.key);
        const auto s = static_cast<size_t>(paramSection(info));
        const std::string boxName = std::string(kParamSections[s].name) + "Box";
        auto* box = control<QGroupBox>(boxName.c_str());
        EXPECT_EQ(box->title(), QString::fromUtf8(kParamSections[s].title));
        auto* caption = control<QLabel>(rowControl(r, "Caption").c_str());
        auto* value = control<QLineEdit>(rowControl(r, "Value").c_str());
        auto* unit = control<QLabel>(rowControl(r, "Unit").c_str());
        auto* button = control<QPushButton>(rowControl(r, "Button").c_str());
        EXPECT_EQ(caption->text(), QString::fromUtf8(info.caption));
        EXPECT_EQ(unit->text(), QString::fromUtf8(info.unit));
        const QString tip = QString::fromStdString(paramCaptionTip(info));
        for (QWidget* part : std::initializer_list<QWidget*>{caption, value, unit, button})
            EXPECT_EQ(part->parentWidget(), box);
        for (QWidget* part : std::initializer_list<QWidget*>{caption, value, unit})
            EXPECT_EQ(part->toolTip(), tip);
        EXPECT_TRUE(caption->font().bold());
        EXPECT_TRUE(value->font().bold());

        const int middle = caption->geometry().center().y();
        for (QWidget* part : std::initializer_list<QWidget*>{value, unit, button}) {
            EXPECT_LE(part->geometry().top(), middle);
            EXPECT_GE(part->geometry().bottom(), middle);
        }
        EXPECT_LT(button->geometry().right(), caption->x());
        EXPECT_LT(caption->geometry().right(), value->x());
        EXPECT_LT(value->geometry().right(), unit->x());
        if (above[s]) {
            EXPECT_GE(caption->y(), above[s]->geometry().bottom());
        }
        above[s] = caption;
        ++rowsIn[s];
    }
    for (int s = 0; s < kParamSectionCount; ++s) {
        const std::string boxName = std::string(kParamSections[s].name) + "Box";
        EXPECT_EQ(rowsIn[size_t(s)], paramSectionRowCount(ParamSection(s))) << boxName;
        // Nothing else stands in a section: a value field per row and no more.
        int values = 0;
        for (const QWidget* w : control(boxName.c_str())->findChildren<QWidget*>())
            values += w->objectName().endsWith("Value") ? 1 : 0;
        EXPECT_EQ(values, rowsIn[size_t(s)]) << boxName;
    }
}

// Tab reaches every control that can take a key in reading order, as they stand on screen: the
// parameters' two columns, the entry panel and the results one after the other, and inside each
// top to bottom and, along a line, left to right; Shift+Tab goes the same way back. The entry
// joins while it is open, the count field while it is enabled. The order is judged by the
// controls' places, not by a list.
TEST_F(MainWindowTest, TabFollowsTheReadingOrderOnScreen)
{
    activate();
    QApplication::processEvents();
    QWidget* window = form.get();
    const auto region = [window](const QWidget* w) {
        for (size_t i = 0; i < std::size(kTabRegions); ++i)
            if (window->findChild<QWidget*>(kTabRegions[i])->isAncestorOf(w)) return int(i);
        return -1;
    };
    const auto place = [window](const QWidget* w) { return w->mapTo(window, QPoint(0, 0)); };
    const auto before = [](QPoint a, QPoint b) {
        return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x());
    };
    // One round of `key` from the first control in reading order back to it.
    const auto walk = [](QWidget* first, Qt::Key key) {
        std::vector<QWidget*> seen{first};
        first->setFocus();
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QWidget* now = QApplication::focusWidget();
            if (now == first) break;
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
        // The top-left control of the first region that takes the focus starts the round.
        QWidget* first = nullptr;
        for (QWidget* w : window->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
                !w->focusProxy() && region(w) == 0 && (!first || before(place(w), place(first))))
                first = w;
        ASSERT_NE(first, nullptr);
        const std::vector<QWidget*> round = walk(first, Qt::Key_Tab);
        for (size_t i = 1; i < round.size(); ++i) {
            const int a = region(round[i - 1]), b = region(round[i]);
            EXPECT_GE(a, 0) << round[i - 1]->objectName().toStdString();
            EXPECT_TRUE(a < b || (a == b && before(place(round[i - 1]), place(round[i]))))
                << round[i - 1]->objectName().toStdString() << " then "
                << round[i]->objectName().toStdString();
        }
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
    form->show(); // laid out at its default size
    QApplication::processEvents();
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

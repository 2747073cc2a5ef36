// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart windows look like to a user: the colour of "E", the axes written with the
// program's separators like the value marks, the windows inside the screen, and the quantity
// list wide enough for its captions.
#include <QAbstractItemView>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "app/qt/AboutWindow.h"
#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "formats/Captions.h"
#include "platform/qt/ScreenFit.h"
#include "present/qt/Chart3DView.h"
#include "present/qt/ChartTestData.h"
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "support/FakePlatform.h"

using charttest::chartView;
using charttest::defaultParams;
using charttest::defaultStore;
using charttest::quantityBox;
using charttest::series;

namespace {

// The texts the chart's scene shows (axis labels, title, legend).
QStringList sceneTexts(QGraphicsView* view)
{
    QStringList out;
    for (QGraphicsItem* item : view->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) out << text->toPlainText();
    return out;
}

// The default locale for one test, restored afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : savedLocale_(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~LocaleScope() { QLocale::setDefault(savedLocale_); }

private:
    QLocale savedLocale_;
};

} // namespace

TEST(ChartLook, ESeriesIsGreenNotLime)
{
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), defaultStore(), platform);
    EXPECT_EQ(series(form, "eSeries")->pen().color(), QColor(0, 128, 0));
    bool standIn = false;
    for (QAbstractSeries* s : chartView(form)->chart()->series())
        if (s->name() == "E") {
            standIn = true;
            EXPECT_EQ(static_cast<QLineSeries*>(s)->pen().color(), QColor(0, 128, 0));
        }
    EXPECT_TRUE(standIn) << "the legend shows no \"E\"";
}

// The defaults' 25 steps of 15 degrees from 0.1 put the last point at x = 360.1: the axis ends
// with that label.
TEST(ChartLook, AxesUseTheSeparatorsOfTheMarks)
{
    const struct {
        char decimal;
        QLocale locale;
        const char* last;
        const char* other;
    } cases[] = {
        {',', QLocale(QLocale::Russian, QLocale::Russia), "360,1", "360.1"},
        {'.', QLocale::c(), "360.1", "360,1"},
        // The program's separator decides, as it does for the marks, whatever the default locale.
        {',', QLocale::c(), "360,1", "360.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        LocaleScope scope(c.locale);
        FakePlatform platform;
        platform.separator = c.decimal;
        MoEChartWindow form(defaultParams(), defaultStore(), platform);
        form.show();
        QApplication::processEvents();
        const QStringList texts = sceneTexts(chartView(form));
        EXPECT_TRUE(texts.contains(QString::fromUtf8(c.last))) << texts.join(" | ").toStdString();
        EXPECT_FALSE(texts.contains(QString::fromUtf8(c.other)));
        // A mark over 1000 and an axis label over 1000 group their digits alike.
        const QString mark = markLabel(1087.388, c.decimal);
        const QString axis = chartView(form)->chart()->locale().toString(1087.4, 'f', 1);
        EXPECT_EQ(mark.left(2), axis.left(2)) << mark.toStdString() << " / " << axis.toStdString();
    }
}

TEST(ChartLook, QuantityAxesFollowTheSeparatorToo)
{
    LocaleScope scope(QLocale(QLocale::Russian, QLocale::Russia));
    FakePlatform platform;
    platform.separator = ',';
    QuantityChartWindow form(defaultParams(), defaultStore(), platform, [] {
        return QStringList{"Угол", "dfi"};
    });
    form.show();
    quantityBox(form)->setCurrentIndex(1);
    emit quantityBox(form)->activated(1);
    QApplication::processEvents();
    const QStringList texts = sceneTexts(chartView(form));
    EXPECT_TRUE(texts.contains("360,1")) << texts.join(" | ").toStdString();
}

TEST(ChartLook, AxisLocaleCarriesTheDecimalSeparator)
{
    const QLocale saved;
    for (const QLocale& def : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia),
                               QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(def);
        EXPECT_EQ(axisLocale(',').decimalPoint(), ",");
        EXPECT_EQ(axisLocale('.').decimalPoint(), ".");
        EXPECT_FALSE(axisLocale(',').numberOptions().testFlag(QLocale::OmitGroupSeparator));
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(axisLocale(',').groupSeparator(), "."); // the default locale's own when it fits
    QLocale::setDefault(saved);
}

TEST(ChartLook, PlaceInsideTheAvailableArea)
{
    const QRect area(0, 0, 1024, 740); // a task bar below
    const struct {
        QRect frame;
        QPoint expected;
    } cases[] = {
        {QRect(-6, 109, 562, 381), QPoint(0, 109)},    // the quantity chart's own place
        {QRect(254, 110, 862, 640), QPoint(162, 100)}, // the Mo/E chart with its title bar
        {QRect(100, 100, 200, 200), QPoint(100, 100)}, // inside: unchanged
        {QRect(900, 700, 200, 100), QPoint(824, 640)}, // off the right and bottom
        {QRect(50, -30, 200, 100), QPoint(50, 0)},     // title bar above the screen
        {QRect(-300, 10, 2000, 100), QPoint(0, 10)},   // wider than the area: its left edge
        {QRect(10, 10, 100, 800), QPoint(10, 0)},      // taller: its top edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeInside(c.frame, area), c.expected)
            << c.frame.x() << "," << c.frame.y() << " " << c.frame.width() << "x"
            << c.frame.height();
    // An area that does not start at the origin (a panel on the left).
    EXPECT_EQ(placeInside(QRect(-6, 109, 562, 381), QRect(64, 0, 960, 768)), QPoint(64, 109));
}

TEST(ChartLook, EveryWindowIsShownInsideTheScreen)
{
    FakePlatform platform;
    ParamSet params = defaultParams();
    ResultStore& store = const_cast<ResultStore&>(defaultStore());
    MainWindow main(platform, params, store);
    MoEChartWindow moe(defaultParams(), defaultStore(), platform);
    QuantityChartWindow quantity(defaultParams(), defaultStore(), platform, {});
    AboutWindow about;
    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&moe),
                       static_cast<QWidget*>(&quantity), static_cast<QWidget*>(&about)}) {
        w->show();
        QApplication::processEvents();
        const QRect area = w->screen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        SCOPED_TRACE(w->metaObject()->className());
        if (frame.width() <= area.width()) {
            EXPECT_GE(frame.left(), area.left());
            EXPECT_LE(frame.right(), area.right());
        } else {
            EXPECT_EQ(frame.left(), area.left());
        }
        if (frame.height() <= area.height()) {
            EXPECT_GE(frame.top(), area.top());
            EXPECT_LE(frame.bottom(), area.bottom());
        } else {
            EXPECT_EQ(frame.top(), area.top());
        }
        w->hide();
    }
    // Placed at x = -6 when built; shown, it is on screen.
    EXPECT_GE(quantity.frameGeometry().left(), quantity.screen()->availableGeometry().left());
}

TEST(ChartLook, QuantityListShowsItsLongestCaptionWhole)
{
    const auto lines = readCaptions(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini");
    QStringList captions;
    for (const std::string& l : lines)
        captions << QString::fromStdString(l);
    FakePlatform platform;
    QuantityChartWindow form(defaultParams(), defaultStore(), platform, [&] { return captions; });
    form.show();
    QAbstractItemView* view = quantityBox(form)->view();
    const QFontMetrics fm(view->font());
    int widest = 0;
    for (const QString& c : captions)
        widest = std::max(widest, fm.horizontalAdvance(c));
    ASSERT_GT(widest, quantityBox(form)->width()) << "the captions fit the box anyway";

    quantityBox(form)->showPopup();
    QApplication::processEvents();
    ASSERT_TRUE(view->isVisible());
    EXPECT_GE(view->viewport()->width(), widest);
    EXPECT_EQ(view->textElideMode(), Qt::ElideNone);
    quantityBox(form)->hidePopup();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/QuantityChartWindow.h"

#include <QAbstractItemView>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QValueAxis>
#include <algorithm>

#include "platform/Command.h"
#include "platform/qt/WheelGuard.h"
#include "present/qt/Chart3DView.h"
#include "present/qt/ChartImage.h"
#include "present/qt/ChartWindow.h"

namespace {

// The stock "No" glyph: a red disc crossed by a white bar, drawn here so that it looks the same
// under every style.
QIcon noGlyph()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 11), QPointF(11, 5));
    return QIcon(pm);
}

} // namespace

void fitListToItems(QComboBox* box)
{
    QAbstractItemView* view = box->view();
    const QFontMetrics fm(view->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, fm.horizontalAdvance(box->itemText(i)));
    // Room for the item's own margins and a vertical scroll bar beside the text.
    const int margins =
        2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) +
        view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view) + 16;
    view->setMinimumWidth(widest > 0 ? widest + margins : 0);
    view->setTextElideMode(Qt::ElideNone);
}

QuantityChartWindow::QuantityChartWindow(const ParamSet& params, const ResultStore& store,
                                         Platform& platform, CaptionSource captions,
                                         QWidget* parent)
    : QWidget(parent), P(params), R(store), platform(platform), captions_(std::move(captions))
{
    setWindowTitle(QStringLiteral("CGA"));
    setChartWindowFrame(this, -6, 109, 562, 381);

    chart = new QChart;
    chart->setTitle(QStringLiteral("График параметра"));
    chart->legend()->hide();
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    for (QValueAxis* a : {ax, ay})
        a->setGridLineVisible(false); // the grid is drawn on the walls
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    chartView = new Chart3DView(chart, this);
    chartView->setObjectName("chartView");
    chartView->setDecimal(platform.localeDecimalSeparator());
    chartView->setGeometry(0, 0, 561, 345);
    series = new QLineSeries(this);
    series->setObjectName("series");
    series->setColor(Qt::red);
    chartView->addSeries(series, QColor(255, 255, 128), false);

    quantityBox = new QComboBox(this);
    quantityBox->setObjectName("quantityBox");
    quantityBox->setEditable(true);
    quantityBox->setInsertPolicy(QComboBox::NoInsert);
    quantityBox->setGeometry(408, 352, 145, 25);
    wheelOnlyWithFocus(quantityBox);
    quantityBox->setEditText(QStringLiteral("Параметр"));
    connect(quantityBox, &QComboBox::activated, this, guarded(platform, [this] {
                typed_ = false;
                quantityChosen();
            }));
    connect(quantityBox->lineEdit(), &QLineEdit::textEdited, this, guarded(platform, [this] {
                typed_ = true;
                quantityChosen();
            }));

    marksCheck = new QCheckBox(QStringLiteral("Отображать значения"), this);
    marksCheck->setObjectName("marksCheck");
    marksCheck->setGeometry(8, 352, 153, 17);
    connect(marksCheck, &QCheckBox::clicked, this,
            guarded(platform, [this] { applyMarksCheck(); }));

    clearButton = new QPushButton(noGlyph(), QStringLiteral("&Oчистить"), this);
    clearButton->setObjectName("clearButton");
    clearButton->setGeometry(168, 352, 89, 25);
    connect(clearButton, &QPushButton::clicked, this, guarded(platform, [this] { clearChart(); }));

    popupMenu = new QMenu(this);
    popupMenu->setObjectName("popupMenu");
    const ChartViewActions view =
        addChartViewActions(popupMenu, this, platform, chart, [this] { saveImage(); });
    zoomResetAction = view.zoomReset;
    saveImageAction = view.saveImage;
    chartView->setPopupMenu(popupMenu);
}

void QuantityChartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) runCommand(platform, [this] { fill(); });
}

void QuantityChartWindow::fill()
{
    const QString text = quantityBox->currentText();
    const QSignalBlocker block(quantityBox);
    quantityBox->clear();
    if (captions_) quantityBox->addItems(captions_());
    fitListToItems(quantityBox);
    // The rebuilt list has no selection; the box keeps showing what it showed.
    quantityBox->setCurrentIndex(-1);
    quantityBox->setEditText(text);
    typed_ = true;
}

int QuantityChartWindow::chosenIndex() const
{
    return typed_ ? -1 : quantityBox->currentIndex();
}

void QuantityChartWindow::quantityChosen()
{
    series->clear();
    chartView->setDecimal(platform.localeDecimalSeparator());
    const int j = chosenIndex();
    if (j < 0 || j + 1 >= ResultStore::kRows) return; // no row of the store to plot
    // The run's own step count: the one on screen may have changed since (none before a run).
    const int32_t n = R.computedWith() ? R.computedWith()->N : 0;
    const QList<QPointF> points = rowPoints(R, j + 1, n);
    chartView->fitAxes({&points}); // while the series is empty: a range change is cheap then
    series->replace(points);
}

void QuantityChartWindow::applyMarksCheck()
{
    chartView->setMarksVisible(series, marksCheck->isChecked());
}

void QuantityChartWindow::clearChart()
{
    series->clear();
}

void QuantityChartWindow::saveImage()
{
    saveChartImage(platform, chartView);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/QuantityChartWindow.h"

#include <QAbstractItemView>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "base/UiText.h"
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

// The window's size as it opens; the chart fills it but for the row of controls at the bottom.
constexpr int kWidth = 562, kHeight = 381;
// Asked for when used, so that the language installed at the start applies.
QString untitled()
{
    return QCoreApplication::translate("QuantityChartWindow", "График параметра");
}
QString noQuantityTitle()
{
    return QCoreApplication::translate("QuantityChartWindow", "Выберите величину в списке ниже");
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

QuantityChartWindow::QuantityChartWindow(const ParamSet&, const ResultStore& store,
                                         Platform& platform, CaptionSource captions,
                                         QWidget* parent)
    : QWidget(parent), R(store), platform(platform), captions_(std::move(captions))
{
    setObjectName("quantityChartWindow");
    setWindowTitle(untitled());
    setChartWindowFrame(this, -6, 109, kWidth, kHeight);
    setMinimumSize(kWidth, 240); // the row of controls keeps its width

    chart = new QChart;
    chart->setTitle(noQuantityTitle());
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
    chartView->setAxisTitles(crankAngleAxisTitle(), QString());
    series = new QLineSeries(this);
    series->setObjectName("series");
    series->setColor(Qt::red);
    chartView->addSeries(series, QColor(255, 255, 128), false);

    quantityBox = new QComboBox(this);
    quantityBox->setObjectName("quantityBox");
    quantityBox->setEditable(true);
    quantityBox->setInsertPolicy(QComboBox::NoInsert);
    wheelOnlyWithFocus(quantityBox);
    quantityBox->setEditText(tr("Параметр"));
    connect(quantityBox, &QComboBox::activated, this, guarded(platform, [this] {
                typed_ = false;
                quantityChosen();
            }));
    connect(quantityBox->lineEdit(), &QLineEdit::textEdited, this, guarded(platform, [this] {
                typed_ = true;
                quantityChosen();
            }));

    marksCheck = new QCheckBox(tr("Отображать значения"), this);
    marksCheck->setObjectName("marksCheck");
    connect(marksCheck, &QCheckBox::clicked, this,
            guarded(platform, [this] { applyMarksCheck(); }));

    clearButton = new QPushButton(noGlyph(), tr("&Oчистить"), this);
    clearButton->setObjectName("clearButton");
    connect(clearButton, &QPushButton::clicked, this, guarded(platform, [this] { clearChart(); }));

    popupMenu = new QMenu(this);
    popupMenu->setObjectName("popupMenu");
    everyMarkAction = popupMenu->addAction(tr("Все значения"));
    everyMarkAction->setObjectName("everyMarkAction");
    everyMarkAction->setCheckable(true);
    connect(everyMarkAction, &QAction::toggled, this,
            guarded(platform, [this](bool on) { chartView->setEveryMark(on); }));
    popupMenu->addSeparator();
    const ChartViewActions view =
        addChartViewActions(popupMenu, this, platform, chart, [this] { saveImage(); });
    zoomResetAction = view.zoomReset;
    saveImageAction = view.saveImage;
    chartView->setPopupMenu(popupMenu);

    // At the opening size the controls keep the places the window has always given them; a
    // larger window gives the chart the room, the list keeps to the right edge and the rest to
    // the left. The legacy sizes are minimums: a larger font widens a control, never clips it.
    marksCheck->setMinimumSize(153, 17);
    clearButton->setMinimumSize(89, 25);
    quantityBox->setMinimumSize(145, 25);
    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(8, 0, 8, 0);
    controls->setSpacing(7);
    controls->addWidget(marksCheck, 0, Qt::AlignTop);
    controls->addWidget(clearButton, 0, Qt::AlignTop);
    controls->addStretch(1);
    controls->addWidget(quantityBox, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 1, 4);
    layout->setSpacing(7);
    layout->addWidget(chartView, 1);
    layout->addLayout(controls);
}

void QuantityChartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        fitToAvailableArea(this);
        runCommand(platform, [this] { fill(); });
    }
}

void QuantityChartWindow::setResultsStale(bool stale)
{
    stale_ = stale;
    updateWindowTitle();
}

void QuantityChartWindow::updateWindowTitle()
{
    const QString base = plotted_.isEmpty() ? untitled() : tr("График: ") + plotted_;
    setWindowTitle(chartWindowTitle(base, stale_));
}

void QuantityChartWindow::showQuantity(const QString& caption, int row)
{
    plotted_ = caption;
    updateWindowTitle();
    chartView->setTitle(caption.isEmpty() ? noQuantityTitle() : caption);
    chartView->setAxisTitles(crankAngleAxisTitle(),
                             caption.isEmpty() ? QString() : quantityAxisTitle(row));
    // The readout names the value as the catalogue does; a row no quantity owns, by its caption.
    const QuantityInfo* q = caption.isEmpty() ? nullptr : quantityAtRow(row);
    chartView->setReadoutQuantity(series, q ? QString::fromUtf8(q->name) : caption,
                                  q ? QString::fromStdString(shownUnit(q->unit)) : QString());
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
    chartView->setOverlays({});
    if (j < 0 || j + 1 >= ResultStore::kRows) { // no row of the store to plot
        showQuantity(QString(), -1);
        return;
    }
    showQuantity(quantityBox->itemText(j), j + 1);
    const QList<QPointF> points = rowPoints(R, j + 1);
    if (overlaySource_) chartView->setOverlays(overlaySource_({j + 1}));
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
    chartView->setOverlays({});
    showQuantity(QString(), -1);
}

void QuantityChartWindow::saveImage()
{
    saveChartImage(platform, chartView);
}

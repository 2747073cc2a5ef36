// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/CursorDocks.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "base/NumberText.h"
#include "calc/CrankAngle.h"
#include "present/qt/ChartView.h"
#include "present/qt/CursorControl.h"
#include "present/qt/MechanismView.h"

namespace {

QDockWidget* dock(QMainWindow& window, const QString& title, const char* name, QWidget* content)
{
    auto* d = new QDockWidget(title, &window);
    d->setObjectName(QLatin1String(name));
    d->setWidget(content);
    d->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    window.addDockWidget(Qt::RightDockWidgetArea, d);
    return d;
}

} // namespace

CursorDocks* CursorDocks::install(QMainWindow& window, const ParamSet& P, const ResultStore& R,
                                  const NumberFormat& numbers)
{
    return new CursorDocks(window, P, R, numbers);
}

CursorDocks::CursorDocks(QMainWindow& window, const ParamSet& P, const ResultStore& R,
                         const NumberFormat& numbers)
    : QObject(&window), numbers_(numbers), P_(P), R_(R)
{
    setObjectName("cursorDocks");
    view_ = new MechanismView;
    control_ = new CursorControl(cursor_, R_);
    QDockWidget* mechanism = dock(window, tr("Механизм"), "mechanismDock", view_);
    // The readout grows with the quantities chosen; on a low screen it scrolls rather than
    // making the window taller than the screen.
    auto* cursorScroll = new QScrollArea;
    cursorScroll->setObjectName("cursorScroll");
    cursorScroll->setWidgetResizable(true);
    cursorScroll->setFrameShape(QFrame::NoFrame);
    cursorScroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, not round them
    cursorScroll->setWidget(control_);
    QDockWidget* cursorDock = dock(window, tr("Положение кривошипа"), "cursorDock", cursorScroll);
    window.splitDockWidget(mechanism, cursorDock, Qt::Vertical);
    // The view asks for its own width beside the client; the window's default size, taken after
    // the docks are in, makes room for both where the screen has it.
    window.resizeDocks({mechanism}, {mechanism->sizeHint().width()}, Qt::Horizontal);
    mechanismDock_ = mechanism;
    window.installEventFilter(this);

    grid_ = window.findChild<QTableView*>(QStringLiteral("grid"));
    if (grid_)
        connect(grid_.data(), &QTableView::clicked, this,
                [this](const QModelIndex& index) { cursor_.moveTo(index.column() + 1); });
    cursor_.subscribe([this](int step) { showStep(step); });
    refresh();
}

bool CursorDocks::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QMainWindow*>(watched);
    // The first size comes before the window is shown, while nothing in it is visible yet.
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && window &&
        mechanismDock_ && !mechanismDock_->isFloating() && !mechanismDock_->isHidden()) {
        const int most = std::max(mechanismDock_->minimumSizeHint().width(), window->width() / 4);
        if (mechanismDock_->width() > most)
            window->resizeDocks({mechanismDock_.data()}, {most}, Qt::Horizontal);
    }
    return QObject::eventFilter(watched, event);
}

CursorDocks::~CursorDocks()
{
    // The window deletes this object before the docks, made after it; the control must not
    // outlive the cursor it listens to.
    delete control_;
}

void CursorDocks::scheduleRefresh()
{
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (refreshPending_) refresh();
    });
}

void CursorDocks::refresh()
{
    refreshPending_ = false;
    if (!view_ || !control_) return;
    const char decimal = numbers_.decimal;
    scene_.update(P_, R_, decimal);
    view_->setDecimal(decimal);
    const int before = cursor_.step();
    control_->setRun(scene_.params(), scene_.steps(), decimal);
    // setRun told the followers only if the step had to move; they must show the new run too.
    if (cursor_.step() == before) showStep(cursor_.step());
}

void CursorDocks::followCharts(const std::vector<QWidget*>& windows)
{
    for (const QMetaObject::Connection& c : chartLinks_)
        disconnect(c);
    chartLinks_.clear();
    charts_.clear();
    for (QWidget* w : windows) {
        if (!w) continue;
        for (MarkedChartView* chart : w->findChildren<MarkedChartView*>()) {
            charts_.emplace_back(chart);
            chartLinks_.push_back(
                connect(chart, &MarkedChartView::angleClicked, this, &CursorDocks::chartClicked));
        }
    }
    showStep(cursor_.step());
}

void CursorDocks::chartClicked(double angle)
{
    // The charts show the results' run: its angles pick the step.
    if (const ParamSet* run = R_.computedWith())
        cursor_.moveTo(nearestStep(*run, R_.computedSteps(), angle));
}

void CursorDocks::showStep(int step)
{
    if (!view_) return;
    view_->showPose(scene_, scene_.pose(step));
    const ParamSet* run = R_.computedWith();
    const bool computed = run && step <= R_.computedSteps();
    const std::optional<double> angle =
        computed ? std::optional<double>(static_cast<double>(crankAngleDegrees(*run, step)))
                 : std::nullopt;
    for (const QPointer<MarkedChartView>& chart : charts_)
        if (chart) chart->setCursorAngle(angle);
    if (grid_ && grid_->model() && step <= grid_->model()->columnCount()) {
        const int row = std::max(0, grid_->currentIndex().row());
        grid_->setCurrentIndex(grid_->model()->index(row, step - 1));
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism view and the crank-angle cursor in the main window: two dock widgets, and the
// wiring that makes one cursor move the view, the readout, the grid's current column and a line
// on every chart (and lets a click in the grid or on a chart move the cursor).
#pragma once
#include <QObject>
#include <QPointer>
#include <vector>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "present/CrankCursor.h"
#include "present/MechanismScene.h"

class CursorControl;
class MarkedChartView;
class MechanismView;
class QDockWidget;
class QMainWindow;
class QTableView;
struct NumberFormat;

class CursorDocks : public QObject {
    Q_OBJECT
public:
    // Adds the docks "mechanismDock" and "cursorDock" to `window`, right of its client,
    // and shows its parameters P and results R, with the decimal separator of `numbers`; the
    // window connects its changes to scheduleRefresh. The window owns the result.
    static CursorDocks* install(QMainWindow& window, const ParamSet& P, const ResultStore& R,
                                const NumberFormat& numbers);
    // Takes the cursor's control with it: the control leaves the cursor it subscribed to.
    ~CursorDocks() override;

    // The cursor also moves the charts of these windows (every MarkedChartView in them; null
    // entries are skipped), and a click on one moves the cursor. Windows given before are
    // forgotten.
    void followCharts(const std::vector<QWidget*>& windows);

    CrankCursor& cursor() { return cursor_; }
    const MechanismScene& scene() const { return scene_; }
    // Reads the parameters and results again: the scene, the cursor's range, every view.
    void refresh();
    // refresh() once the events now waiting are handled, however often asked before then.
    void scheduleRefresh();

protected:
    // Keeps the docks to at most a quarter of the window's width as the window narrows, so that
    // the parameters and the results keep their room on a small screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CursorDocks(QMainWindow& window, const ParamSet& P, const ResultStore& R,
                const NumberFormat& numbers);
    // The cursor moved (or the run changed): every follower shows `step`.
    void showStep(int step);
    void chartClicked(double angle);
    const NumberFormat& numbers_;
    const ParamSet& P_;
    const ResultStore& R_;
    CrankCursor cursor_;
    MechanismScene scene_;
    // Guarded: the window deletes its parts in its own order, and its undo history tells of its
    // clearing while the grid may already be gone.
    QPointer<MechanismView> view_;
    QPointer<QDockWidget> mechanismDock_;
    QPointer<CursorControl> control_;
    QPointer<QTableView> grid_;
    std::vector<QPointer<MarkedChartView>> charts_;
    std::vector<QMetaObject::Connection> chartLinks_;
    bool refreshPending_ = false;
};

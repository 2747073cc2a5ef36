// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/TrueMotionCommand.h"

#include <QPointer>
#include <QUndoStack>

#include "app/qt/CursorDocks.h"
#include "app/qt/MainWindow.h"
#include "app/qt/controllers/ProjectController.h"
#include "params/qt/ParameterPanel.h"
#include "platform/Command.h"
#include "platform/qt/ScreenFit.h"
#include "present/CrankCursor.h"
#include "present/qt/TrueMotionWindow.h"

namespace {

TrueMotionWindow* makeWindow(MainWindow& window, const ParamSet& params, const ResultStore& store,
                             Platform& platform)
{
    auto* shown = new TrueMotionWindow(store, params, window.parameterPanel(), platform,
                                       window.numbers(), &window);
    QObject::connect(&window, &MainWindow::resultsReplaced, shown, [shown, &platform] {
        if (shown->isVisible()) runCommand(platform, [shown] { shown->fill(); });
    });
    QObject::connect(&window, &MainWindow::resultsStaleChanged, shown,
                     &TrueMotionWindow::setResultsStale);
    shown->setResultsStale(window.resultsStale());
    // A change from any window, and an undo or a redo, may change what the choices show.
    QObject::connect(&window.parameterPanel(), &ParameterPanel::parametersTouched, shown,
                     &TrueMotionWindow::showChoices);
    QObject::connect(&window.projectController().undoStack(), &QUndoStack::indexChanged, shown,
                     &TrueMotionWindow::showChoices);
    if (auto* docks = window.findChild<CursorDocks*>()) {
        docks->cursor().subscribe([follower = QPointer<TrueMotionWindow>(shown)](int step) {
            if (follower) follower->showStep(step);
        });
        QObject::connect(shown, &TrueMotionWindow::angleClicked, docks,
                         [docks, &store, &platform](double angle) {
                             runCommand(platform, [&] {
                                 if (const ParamSet* run = store.computedWith())
                                     docks->cursor().moveTo(
                                         nearestStep(*run, store.computedSteps(), angle));
                             });
                         });
        shown->showStep(docks->cursor().step());
    }
    return shown;
}

} // namespace

TrueMotionWindow* showTrueMotionWindow(MainWindow& window, const ParamSet& params,
                                       const ResultStore& store, Platform& platform)
{
    auto* shown = window.findChild<TrueMotionWindow*>("trueMotionWindow");
    if (!shown) shown = makeWindow(window, params, store, platform);
    if (shown->isVisible()) {
        shown->fill();
        bringToFront(shown);
    } else {
        shown->show();
    }
    return shown;
}

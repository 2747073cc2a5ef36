// SPDX-License-Identifier: GPL-3.0-or-later
// Balancing in the main window: "Подобрать противовес…" puts on the counterweight that balances
// the crank, the rod's share at A and a fraction of the reciprocating masses, as one undoable
// change of the parameters; "Годограф сотрясающей силы" shows the shaking force's hodograph.
#pragma once
#include <QObject>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class ParameterPanel;
class QMenu;
class ShakingChartWindow;

// What the command says when it cannot choose.
// in Russian; the command shows them in the language in use.
inline constexpr const char* kFractionQuestion = QT_TRANSLATE_NOOP(
    "BalanceCommands",
    "Доля c уравновешиваемых возвратно-движущихся масс (от 0 до 1; для двигателей обычно 0,5):");
inline constexpr const char* kFractionRefused =
    QT_TRANSLATE_NOOP("BalanceCommands", "Доля c должна быть числом от 0 до 1");
inline constexpr const char* kNoCrankPin = QT_TRANSLATE_NOOP(
    "BalanceCommands", "Противовес не подобрать: палец кривошипа A совпадает с опорой O. Выполните "
                       "«Автозаполнение».");

class BalanceCommands : public QObject {
    Q_OBJECT
public:
    // Every reference must outlive the commands; the chart may be null.
    BalanceCommands(Platform& platform, const ParamSet& params, const ResultStore& store,
                    ParameterPanel& panel, const NumberFormat& numbers, ShakingChartWindow* chart,
                    QObject* parent = nullptr);

    // Adds "Подобрать противовес…" to `operations` and "Годограф сотрясающей силы" to `view`.
    void addMenuItems(QMenu* operations, QMenu* view);
    // "Подобрать противовес…": asks for c (the last one given, 0,5 at first); a c outside 0..1
    // or a crank pin on O is told and changes nothing; otherwise the counterweight
    // (withCounterweight) goes on through the panel as one step of the undo history, named
    // "противовес, c = 0,5".
    void chooseCounterweight();
    // "Годограф сотрясающей силы": before the first calculation only kNoResultsMessage;
    // otherwise shows the chart filled, or refills it and brings it to the front.
    void showHodograph();

private:
    Platform& platform;
    const ParamSet& P;
    const ResultStore& R;
    ParameterPanel& panel;
    const NumberFormat& numbers;
    ShakingChartWindow* chart;
    long double fraction_ = 0.5L;
};

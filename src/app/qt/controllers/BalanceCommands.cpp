// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/BalanceCommands.h"

#include <QAction>
#include <QMenu>

#include "base/UiText.h"
#include "calc/Balancing.h"
#include "calc/Calculation.h"
#include "params/qt/ParameterPanel.h"
#include "platform/Command.h"
#include "platform/qt/ScreenFit.h"
#include "present/qt/ShakingChartWindow.h"

BalanceCommands::BalanceCommands(Platform& platform, const ParamSet& params,
                                 const ResultStore& store, ParameterPanel& panel,
                                 const NumberFormat& numbers, ShakingChartWindow* chart,
                                 QObject* parent)
    : QObject(parent), platform(platform), P(params), R(store), panel(panel), numbers(numbers),
      chart(chart)
{
}

void BalanceCommands::addMenuItems(QMenu* operations, QMenu* view)
{
    QAction* choose = operations->addAction(tr("Подобрать противовес…"));
    choose->setObjectName("chooseCounterweightAction");
    connect(choose, &QAction::triggered, this,
            [this] { runCommand(platform, [this] { chooseCounterweight(); }); });
    QAction* show = view->addAction(tr("Годограф сотрясающей силы"));
    show->setObjectName("hodographAction");
    connect(show, &QAction::triggered, this,
            [this] { runCommand(platform, [this] { showHodograph(); }); });
}

void BalanceCommands::chooseCounterweight()
{
    const std::optional<std::string> text = platform.askText(
        tr(kFractionQuestion).toStdString(), FormatGeneral(fraction_, numbers.decimal));
    if (!text) return;
    const std::optional<long double> fraction = parseFraction(*text);
    if (!fraction) {
        platform.showMessage(tr(kFractionRefused).toStdString());
        return;
    }
    fraction_ = *fraction;
    const std::optional<CounterweightChoice> choice = ::chooseCounterweight(P, *fraction);
    if (!choice) {
        platform.showMessage(tr(kNoCrankPin).toStdString());
        return;
    }
    const CounterweightChoice chosen = *choice;
    panel.run(
        [chosen](ParamSet& p) {
            p = withCounterweight(p, chosen);
            Outcome outcome;
            outcome.add(Effect::Kind::Refresh);
            return outcome;
        },
        tr("противовес, c = %1")
            .arg(QString::fromStdString(FormatGeneral(*fraction, numbers.decimal))));
}

void BalanceCommands::showHodograph()
{
    if (!R.computedWith()) {
        platform.showMessage(uiText("Calculation", kNoResultsMessage));
        return;
    }
    if (!chart) return;
    if (chart->isVisible()) {
        chart->fill();
        bringToFront(chart);
    } else {
        chart->show();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/ParamHistory.h"

#include <QUndoCommand>
#include <cstring>
#include <vector>

#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"
#include "params/qt/ParameterPanel.h"

namespace {

// One step: the set before and after. Its first redo comes from the push, when the change has
// been made already, so it does nothing.
class SnapshotCommand : public QUndoCommand {
public:
    using Put = std::function<void(const ParamSet&, const QStringList&)>;
    SnapshotCommand(const ParamSet& before, const QStringList& shownBefore, const ParamSet& after,
                    const QStringList& shownAfter, const QString& label, Put put)
        : QUndoCommand(label), before_(before), after_(after), shownBefore_(shownBefore),
          shownAfter_(shownAfter), put_(std::move(put))
    {
    }
    void undo() override { put_(before_, shownBefore_); }
    void redo() override
    {
        if (pushed_) put_(after_, shownAfter_);
        pushed_ = true;
    }

private:
    ParamSet before_, after_;
    QStringList shownBefore_, shownAfter_;
    Put put_;
    bool pushed_ = false;
};

bool differ(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) != 0;
}

} // namespace

ParamHistory::ParamHistory(ParamSet& params, ParameterPanel& panel, const NumberFormat& numbers,
                           std::function<void()> show, QObject* parent)
    : QObject(parent), P(params), panel(panel), numbers(numbers), show(std::move(show)),
      stack_(this)
{
    stack_.setObjectName("undoStack");
    shown_ = panel.shownTexts();
}

void ParamHistory::record(const ParamSet& before, const QStringList& shownBefore,
                          const QString& label)
{
    if (sameParams(before, P)) return;
    const QString name = label.isEmpty() ? changeLabel(before, P, numbers.decimal) : label;
    // A box changes its own text before its command runs: the mode box's text before the change
    // is the one it showed after the last step.
    QStringList textsBefore = shownBefore;
    if (!textsBefore.isEmpty() && !shown_.isEmpty()) textsBefore.back() = shown_.back();
    shown_ = panel.shownTexts();
    stack_.push(new SnapshotCommand(
        before, textsBefore, P, shown_, name,
        [this](const ParamSet& s, const QStringList& texts) { restoreShown(s, texts); }));
}

void ParamHistory::restoreShown(const ParamSet& values, const QStringList& texts)
{
    // The entry key belongs to the open entry panel, not to the values: keep it.
    const std::string key = P.curkey;
    P = values;
    P.curkey = key;
    show();
    panel.showTexts(texts);
    shown_ = texts;
}

QString ParamHistory::changeLabel(const ParamSet& before, const ParamSet& after, char decimal)
{
    const auto name = [&](const ParamInfo& info) {
        return QString::fromStdString(paramDisplayName(info)) + " = " +
               QString::fromStdString(FormatGeneral(paramValue(after, info), decimal));
    };
    // An entry names its parameter, whatever else follows it (b follows l2).
    if (const ParamInfo* entered = findParam(after.curkey);
        entered && differ(paramValue(before, *entered), paramValue(after, *entered)))
        return name(*entered);
    std::vector<QString> names;
    for (const ParamInfo& info : kParams)
        if ((info.asDouble || info.asExtended) &&
            differ(paramValue(before, info), paramValue(after, info)))
            names.push_back(name(info));
    if (differ(before.step, after.step))
        names.push_back(
            tr("шаг %1").arg(QString::fromStdString(FormatGeneral(deg(after.step), decimal))));
    if (before.cycles != after.cycles || before.N != after.N)
        names.push_back(tr("шаг-циклов %1").arg(after.cycles));
    if (differ(before.mode, after.mode))
        names.push_back(after.mode == 0 ? tr("режим 360") : tr("режим 720"));
    if (names.size() == 1) return names.front();
    return tr("изменение параметров");
}

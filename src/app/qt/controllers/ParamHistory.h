// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of the parameter set: a QUndoStack whose every step holds the set before and
// after one change (an entry, the autofill, "Новый", a run setting, an opened report or project).
// Undo and redo put a set back and show it in every control; the results are left alone.
#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "base/NumberText.h"
#include "params/ParamSet.h"

class ParameterPanel;

class ParamHistory : public QObject {
    Q_OBJECT
public:
    // `show` puts the set's values into every control without running their commands; then the
    // panel's texts (ParameterPanel::shownTexts) are put back as they were shown.
    ParamHistory(ParamSet& params, ParameterPanel& panel, const NumberFormat& numbers,
                 std::function<void()> show, QObject* parent);

    QUndoStack& stack() { return stack_; }

    // Records a change already made: the set holds the new values and the panel shows them,
    // `before` and `shownBefore` are the old ones. The step is named `label`, or when that is
    // empty by changeLabel. Nothing is recorded when the sets are the same.
    void record(const ParamSet& before, const QStringList& shownBefore, const QString& label);

    // The name of a change: "L2 = 30" for the parameter of the entry key when it changed, or for
    // the one parameter that changed (its caption without "=", the value as FormatGeneral writes
    // it), "шаг 5", "шаг-циклов 3", "режим 720" for a run setting,
    // "изменение параметров" for anything else.
    static QString changeLabel(const ParamSet& before, const ParamSet& after, char decimal);

private:
    // The set takes `values` (its entry key kept), shown with `texts`.
    void restoreShown(const ParamSet& values, const QStringList& texts);

    ParamSet& P;
    ParameterPanel& panel;
    QStringList shown_; // the panel's texts after the last step recorded or put back
    const NumberFormat& numbers;
    std::function<void()> show;
    QUndoStack stack_;
};

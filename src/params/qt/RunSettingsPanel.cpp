// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/qt/RunSettingsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <cstdint>

#include "base/NumberText.h"

#include "params/RunSettings.h"
#include "params/qt/ParameterPanel.h"
#include "platform/Command.h"
#include "platform/qt/UiLook.h"

RunSettingsPanel::RunSettingsPanel(QWidget* client, ParamSet& params, ParameterPanel& display,
                                   Platform& platform, const NumberFormat& numbers, QObject* parent)
    : QObject(parent), P(params), display(display), numbers(numbers)
{
    runSettings = new QGroupBox(tr("Параметры расчёта"), client);
    runSettings->setObjectName("runSettings");
    auto* grid = new QGridLayout(runSettings);
    stepCaption = new QLabel(tr("Шаг расчета:"), runSettings);
    stepCaption->setObjectName("stepCaption");
    QStringList stepTexts;
    for (size_t k = 0; k < kTuneItems.size(); ++k)
        stepTexts << QString::fromStdString(stepItemText(static_cast<int>(k), numbers.decimal));
    stepBox = makeCombo(runSettings, "stepBox", stepTexts);
    makeEditable(stepBox, QString::fromStdString(stepItemText(3, numbers.decimal)));
    stepBox->setToolTip(tr("Шаг поворота кривошипа в градусах. "
                           "Мелкий шаг (меньше 1°) — для малых L1 и L2."));
    cycleCaption = new QLabel(tr("Шаг-циклов:"), runSettings);
    cycleCaption->setObjectName("cycleCaption");
    cycleCountEdit = new QLineEdit(QStringLiteral("1"), runSettings);
    cycleCountEdit->setObjectName("cycleCountEdit");
    // Room for a count of several digits; the list of step counts beside it takes the rest.
    cycleCountEdit->setMaximumWidth(
        cycleCountEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    cycleCountEdit->setEnabled(false);
    cycleTypeBox = makeCombo(runSettings, "cycleTypeBox",
                             {"x12",    "x24",    "x36",    "x48",    "x72",    "x96",    "x180",
                              "x360",   "x720",   "x1440",  "x2160",  "x2880",  "x3600",  "x7200",
                              "x14400", "x21600", "x28800", "x36000", "x72000", "x144000"});
    cycleTypeBox->setCurrentIndex(1);
    cycleTypeBox->setEnabled(false);
    // Both say what a cycle is; a disabled control shows its tip too.
    const QString cycleTip =
        tr("Число циклов по 24 шага: 2 цикла при шаге 5° — это 240° поворота кривошипа.");
    cycleCountEdit->setToolTip(cycleTip);
    cycleTypeBox->setToolTip(cycleTip);
    cycleEditButton = new QPushButton(tr("Изменить"), runSettings);
    cycleEditButton->setObjectName("cycleEditButton");
    grid->addWidget(stepCaption, 0, 0);
    grid->addWidget(stepBox, 0, 1, 1, 2);
    grid->addWidget(cycleCaption, 1, 0);
    grid->addWidget(cycleCountEdit, 1, 1);
    grid->addWidget(cycleTypeBox, 1, 2);
    grid->addWidget(cycleEditButton, 2, 0);
    grid->setColumnStretch(2, 1);
    connect(cycleEditButton, &QPushButton::clicked, this,
            guarded(platform, [this] { toggleCycleEdit(); }));

    // A selection reaches stepChosen once, through currentIndexChanged; typing through
    // textEdited. (editTextChanged would fire as well on a selection and repeat its warning.)
    // Enter on a typed text that names an item selects that item, which the typing has already
    // applied: that selection must not run stepChosen (and its warning) a second time.
    connect(stepBox, &QComboBox::currentIndexChanged, this, guarded(platform, [this] {
                const bool typedAlready =
                    typedStepIndex_ >= 0 && stepBox->currentIndex() == typedStepIndex_;
                typedStepIndex_ = -1;
                if (!typedAlready) stepChosen();
            }));
    connect(stepBox->lineEdit(), &QLineEdit::textEdited, this, guarded(platform, [this] {
                typedStepIndex_ = stepItemForText(stepBox->currentText().toStdString());
                stepChosen();
            }));
    // A confirmed text that names no step (Enter, or the focus leaving) is refused: the box
    // goes back to the step the calculation will use, so that it never shows another.
    connect(stepBox->lineEdit(), &QLineEdit::editingFinished, this, guarded(platform, [this] {
                const QString typed = stepBox->currentText();
                if (stepBox->findText(typed) >= 0) return;
                const char decimal = this->numbers.decimal;
                if (typed == QString::fromStdString(FormatGeneral(deg(P.step), decimal)))
                    return; // a step of no item, shown as it is in force (a project's)
                const std::string text = typed.toStdString();
                this->display.run(
                    [&text, decimal](ParamSet& p) { return refuseTypedStep(p, text, decimal); });
                showRunSettings();
            }));
}

QWidget* RunSettingsPanel::widget() const
{
    return runSettings;
}

void RunSettingsPanel::showRunSettings()
{
    // Only the display changes: the commands behind the controls must not run.
    const QSignalBlocker quietStep(stepBox);
    const QSignalBlocker quietStepText(stepBox->lineEdit());
    typedStepIndex_ = -1;
    const long double degrees = deg(P.step);
    int item = -1;
    for (size_t k = 0; k < kTuneItems.size(); ++k)
        if (kTuneItems[k].degrees * kRadPerDeg == P.step) item = static_cast<int>(k);
    if (item >= 0) {
        stepBox->setCurrentIndex(item);
    } else {
        stepBox->setCurrentIndex(-1);
        stepBox->setEditText(QString::fromStdString(FormatGeneral(degrees, numbers.decimal)));
    }
    showCycleCount();
}

void RunSettingsPanel::showStepItems()
{
    const QSignalBlocker quietStep(stepBox);
    const QSignalBlocker quietStepText(stepBox->lineEdit());
    const int item = stepBox->currentIndex();
    const QString typed = stepBox->currentText();
    for (int k = 0; k < stepBox->count(); ++k)
        stepBox->setItemText(k, QString::fromStdString(stepItemText(k, numbers.decimal)));
    // A selected item shows its new text; free text stays as typed.
    if (item < 0) stepBox->setEditText(typed);
}

void RunSettingsPanel::showCycleCount()
{
    // N = 24 * cycles + 1: the count N stands for.
    cycleCountEdit->setText(QString::number((int64_t{P.N} - 1) / kStepsPerCycle));
}

void RunSettingsPanel::stepChosen()
{
    // A typed "15" or "0.1" names its item as the item's own text does.
    const int index = stepItemForText(stepBox->currentText().toStdString());
    display.run([this, index](ParamSet& p) { return selectStep(p, index, numbers.decimal); });
}

void RunSettingsPanel::toggleCycleEdit()
{
    if (!cycleCountEdit->isEnabled()) {
        cycleCountEdit->setEnabled(true);
        cycleEditButton->setText(tr("Применить"));
        return;
    }
    cycleEditButton->setText(tr("Изменить"));
    cycleCountEdit->setEnabled(false);
    const std::string count = cycleCountEdit->text().toStdString();
    // A refused count must not stay in the field as if it were in force.
    try {
        display.run(
            [this, &count](ParamSet& p) { return applyCycleCount(p, count, numbers.decimal); });
    } catch (...) {
        showCycleCount();
        throw;
    }
    showCycleCount();
}

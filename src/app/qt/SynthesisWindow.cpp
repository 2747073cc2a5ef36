// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/SynthesisWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/Errors.h"
#include "params/Autofill.h"
#include "params/qt/ParameterPanel.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/WindowFit.h"

namespace {

std::optional<long double> number(const QLineEdit* edit)
{
    try {
        return ParseRealAnySeparator(edit->text().trimmed().toStdString());
    } catch (const ConvertError&) {
        return std::nullopt;
    }
}

QLineEdit* numberEdit(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

SynthesisWindow::SynthesisWindow(ParamSet& params, ParameterPanel& panel,
                                 const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), P(params), panel(panel), numbers(numbers)
{
    setObjectName("synthesisWindow");
    setWindowTitle(tr("Синтез механизма"));
    QWidget* body = scrollingBody(this);
    auto* layout = new QVBoxLayout(body);
    auto* form = new QFormLayout;
    const auto text = [&numbers](long double x) {
        return QString::fromStdString(FormatGeneral(x, numbers.decimal));
    };
    strokeEdit = numberEdit(body, "strokeEdit", {});
    ratioEdit = numberEdit(body, "timeRatioEdit", text(1));
    rodRatioEdit = numberEdit(body, "rodRatioEdit",
                              P.l2 != 0 ? text(static_cast<long double>(P.l1) / P.l2) : QString());
    pressureEdit = numberEdit(body, "pressureAngleEdit", text(30));
    byRatio = new QRadioButton(tr("Отношение λ = L1/L2:"), body);
    byRatio->setObjectName("byRodRatio");
    byRatio->setChecked(true);
    byAngle = new QRadioButton(tr("Наибольший угол давления, °:"), body);
    byAngle->setObjectName("byPressureAngle");
    form->addRow(tr("Ход ползуна H, м:"), strokeEdit);
    form->addRow(tr("Коэффициент K рабочего и холостого ходов:"), ratioEdit);
    form->addRow(byRatio, rodRatioEdit);
    form->addRow(byAngle, pressureEdit);
    layout->addLayout(form);
    result = new QLabel(body);
    result->setObjectName("synthesisResult");
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(result);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    applyButton = new QPushButton(tr("Применить"), body);
    applyButton->setObjectName("applySynthesisButton");
    auto* close = new QPushButton(tr("Закрыть"), body);
    close->setObjectName("closeSynthesisButton");
    buttons->addWidget(applyButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->addStretch(1);

    for (QLineEdit* edit : {strokeEdit, ratioEdit, rodRatioEdit, pressureEdit})
        connect(edit, &QLineEdit::textChanged, this, [this] { update(); });
    connect(byRatio, &QRadioButton::toggled, this, [this] { update(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    update();
    strokeEdit->setFocus(); // the stroke is typed first
    resize(620, 320);
    fitToScreenWhenShown(this);
}

std::optional<SynthesisRequest> SynthesisWindow::request() const
{
    SynthesisRequest r;
    const auto h = number(strokeEdit), k = number(ratioEdit);
    if (!h || !k) return std::nullopt;
    r.stroke = *h;
    r.timeRatio = *k;
    r.by =
        byRatio->isChecked() ? SynthesisRequest::By::RodRatio : SynthesisRequest::By::PressureAngle;
    const auto choice = number(byRatio->isChecked() ? rodRatioEdit : pressureEdit);
    if (!choice) return std::nullopt;
    (r.by == SynthesisRequest::By::RodRatio ? r.rodRatio : r.pressureAngle) = *choice;
    return r;
}

void SynthesisWindow::update()
{
    rodRatioEdit->setEnabled(byRatio->isChecked());
    pressureEdit->setEnabled(!byRatio->isChecked());
    const std::optional<SynthesisRequest> r = request();
    if (!r) {
        result->setText(tr("Введите H, K и λ или угол давления числами."));
        applyButton->setEnabled(false);
        return;
    }
    const SynthesisOutcome o = synthesise(*r, numbers.decimal);
    applyButton->setEnabled(o.design.has_value());
    result->setText(
        QString::fromStdString(o.design ? designText(*o.design, numbers.decimal) : o.fault));
}

bool SynthesisWindow::apply()
{
    const std::optional<SynthesisRequest> r = request();
    if (!r) return false;
    const SynthesisOutcome o = synthesise(*r, numbers.decimal);
    if (!o.design) return false;
    const SynthesisDesign design = *o.design;
    panel.run(
        [design](ParamSet& s) {
            applyDesign(s, design);
            return autofill(s);
        },
        tr("синтез механизма"));
    return true;
}

SynthesisWindow* showSynthesisWindow(QWidget* owner, ParamSet& params, ParameterPanel& panel,
                                     const NumberFormat& numbers)
{
    auto* window = owner->findChild<SynthesisWindow*>("synthesisWindow");
    if (!window) window = new SynthesisWindow(params, panel, numbers, owner);
    window->show();
    bringToFront(window);
    return window;
}

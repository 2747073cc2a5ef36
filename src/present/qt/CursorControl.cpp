// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/CursorControl.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/CrankAngle.h"
#include "present/CursorReadout.h"

namespace {
constexpr int kTickMs = 40;
} // namespace

CursorControl::CursorControl(CrankCursor& cursor, const ResultStore& R, QWidget* parent)
    : QWidget(parent), cursor_(cursor), R_(R), quantities_(defaultReadoutQuantities())
{
    setObjectName("cursorControl");
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName("cursorSlider");
    slider_->setRange(1, 1);
    slider_->setToolTip(tr("Положение кривошипа: шаг расчёта"));
    angle_ = new QLineEdit(this);
    angle_->setObjectName("cursorAngle");
    angle_->setToolTip(tr("Угол кривошипа, °: ближайший шаг"));
    angle_->setMaximumWidth(angle_->fontMetrics().horizontalAdvance(QStringLiteral("-00000,00°")) +
                            12);
    stepLabel_ = new QLabel(this);
    stepLabel_->setObjectName("cursorStep");
    // Wide enough for the largest run's count, so that the row never jumps as the cursor moves.
    stepLabel_->setMinimumWidth(
        stepLabel_->fontMetrics().horizontalAdvance(tr("шаг 90000 из 90000")));
    row->addWidget(slider_, 1);
    row->addWidget(angle_);
    row->addWidget(new QLabel(QStringLiteral("°"), this));
    row->addWidget(stepLabel_);
    column->addLayout(row);

    auto* controls = new QHBoxLayout;
    play_ = new QToolButton(this);
    play_->setObjectName("cursorPlay");
    play_->setCheckable(true);
    play_->setText(QStringLiteral("▶"));
    play_->setToolTip(tr("Вращать кривошип"));
    speed_ = new QSpinBox(this);
    speed_->setObjectName("cursorSpeed");
    speed_->setRange(1, 20000);
    speed_->setValue(50);
    speed_->setSuffix(tr(" шаг/с"));
    speed_->setToolTip(tr("Скорость вращения: шагов в секунду"));
    choose_ = new QToolButton(this);
    choose_->setObjectName("cursorQuantities");
    choose_->setText(tr("Величины…"));
    choose_->setPopupMode(QToolButton::InstantPopup);
    controls->addWidget(play_);
    controls->addWidget(speed_);
    controls->addStretch(1);
    controls->addWidget(choose_);
    column->addLayout(controls);

    readout_ = new QWidget(this);
    readout_->setObjectName("cursorReadout");
    new QGridLayout(readout_);
    column->addWidget(readout_);
    column->addStretch(1);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, [this] { advance(kTickMs / 1000.0); });
    connect(play_, &QToolButton::toggled, this, &CursorControl::setPlaying);
    connect(slider_, &QSlider::valueChanged, this, [this](int v) { cursor_.moveTo(v); });
    connect(angle_, &QLineEdit::editingFinished, this, &CursorControl::angleEntered);
    buildQuantityMenu();
    buildReadoutRows();
    setFocusProxy(slider_);
    id_ = cursor_.subscribe([this](int) { showStep(); });
    showStep();
}

CursorControl::~CursorControl()
{
    cursor_.unsubscribe(id_);
}

void CursorControl::buildQuantityMenu()
{
    auto* menu = new QMenu(choose_);
    for (const QuantityInfo& q : kQuantities) {
        QAction* a =
            menu->addAction(QStringLiteral("%1: %2, %3")
                                .arg(QLatin1String(q.name), QString::fromStdString(shownCaption(q)),
                                     QString::fromStdString(shownUnit(q.unit))));
        a->setObjectName(QStringLiteral("readout_%1").arg(QLatin1String(q.name)));
        a->setCheckable(true);
        a->setChecked(std::find(quantities_.begin(), quantities_.end(), q.id) != quantities_.end());
        const Quantity id = q.id;
        connect(a, &QAction::toggled, this, [this, id](bool on) {
            std::vector<Quantity> next = quantities_;
            std::erase(next, id);
            // A quantity joins at the end, where the user looks for what was just chosen.
            if (on) next.push_back(id);
            setReadoutQuantities(std::move(next));
        });
    }
    choose_->setMenu(menu);
}

void CursorControl::setReadoutQuantities(std::vector<Quantity> quantities)
{
    quantities_ = std::move(quantities);
    for (QAction* a : choose_->menu()->actions()) {
        const QString name = a->objectName().mid(int(sizeof("readout_")) - 1);
        const bool shown = std::any_of(quantities_.begin(), quantities_.end(), [&](Quantity q) {
            return name == QLatin1String(quantityInfo(q).name);
        });
        const QSignalBlocker quiet(a);
        a->setChecked(shown);
    }
    buildReadoutRows();
    showStep();
}

void CursorControl::setRun(const ParamSet& p, int steps, char decimal)
{
    run_ = p;
    decimal_ = decimal;
    cursor_.setSteps(steps);
    {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(1, cursor_.steps());
        slider_->setPageStep(std::max(1, cursor_.steps() / 24));
    }
    showStep();
}

QStringList CursorControl::readoutLines() const
{
    QStringList lines;
    for (const ReadoutLine& l : ::readoutLines(R_, cursor_.step(), quantities_, decimal_))
        lines << QString::fromStdString(l.name + " = " + l.value + " " + l.unit);
    return lines;
}

void CursorControl::showStep()
{
    const int step = cursor_.step();
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(step);
    }
    if (!angle_->hasFocus())
        angle_->setText(
            QString::fromStdString(FormatFixed(crankAngleDegrees(run_, step), 18, 2, decimal_)));
    stepLabel_->setText(tr("шаг %1 из %2").arg(step).arg(cursor_.steps()));
    const auto lines = ::readoutLines(R_, step, quantities_, decimal_);
    for (size_t k = 0; k < lines.size() && k < values_.size(); ++k)
        values_[k]->setText(QString::fromStdString(lines[k].value));
}

void CursorControl::buildReadoutRows()
{
    auto* grid = static_cast<QGridLayout*>(readout_->layout());
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    values_.clear();
    // The widest value a row may show, so that the numbers never push the units about.
    const int valueWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("-0,000000000000000E-0000"));
    int row = 0;
    for (const Quantity q : quantities_) {
        const QuantityInfo& info = quantityInfo(q);
        auto* name = new QLabel(QLatin1String(info.name), readout_);
        name->setToolTip(QString::fromStdString(shownCaption(info)));
        auto* value = new QLabel(readout_);
        value->setObjectName(QStringLiteral("readoutValue_%1").arg(QLatin1String(info.name)));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(valueWidth);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(name, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(new QLabel(QString::fromStdString(shownUnit(info.unit)), readout_), row, 2);
        values_.push_back(value);
        ++row;
    }
}

void CursorControl::angleEntered()
{
    QString text = angle_->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double degrees = text.toDouble(&ok);
    // Either separator is read; anything else puts the cursor's own angle back.
    if (ok) cursor_.moveTo(nearestStep(run_, cursor_.steps(), degrees));
    angle_->setText(QString::fromStdString(
        FormatFixed(crankAngleDegrees(run_, cursor_.step()), 18, 2, decimal_)));
}

bool CursorControl::playing() const
{
    return timer_->isActive();
}

void CursorControl::setPlaying(bool on)
{
    if (play_->isChecked() != on) play_->setChecked(on); // comes back here
    if (on == timer_->isActive()) return;
    owedSteps_ = 0;
    if (on)
        timer_->start();
    else
        timer_->stop();
    play_->setText(on ? QStringLiteral("❚❚") : QStringLiteral("▶"));
}

void CursorControl::advance(double seconds)
{
    owedSteps_ += speed_->value() * seconds;
    const int whole = static_cast<int>(std::floor(owedSteps_));
    if (whole < 1) return;
    owedSteps_ -= whole;
    const int n = cursor_.steps();
    // Past the last step the crank goes round again from the first.
    cursor_.moveTo((cursor_.step() - 1 + whole) % n + 1);
}

void CursorControl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        cursor_.moveBy(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        cursor_.moveBy(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

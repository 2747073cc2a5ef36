// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/TrueMotionWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "base/Errors.h"
#include "calc/CrankAngle.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "platform/Command.h"
#include "present/SummaryText.h"
#include "present/qt/ChartParts.h"
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"

namespace {

// The combo boxes' items, in the order of their enums.
constexpr MotionLaw kLaws[] = {MotionLaw::Prescribed, MotionLaw::True};
constexpr DriveKind kDrives[] = {DriveKind::Constant, DriveKind::Motor, DriveKind::Table};

QList<QPointF> chartPoints(const std::vector<MotionSample>& curve)
{
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(curve.size()));
    for (const MotionSample& s : curve)
        out.append(QPointF(static_cast<double>(s.x), static_cast<double>(s.omega)));
    return out;
}

QLineEdit* valueEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// The start-up's chart is one of time, not of the crank angle, so its axes are set here rather
// than by MarkedChartView, whose cursor and readout speak of angles.
void fitTimeAxes(QChart* chart, const QList<QPointF>& points, char decimal)
{
    auto* t = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* w = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    // From t = 0 and from rest: the run-up is read against both.
    double wLow = 0, wHigh = 1;
    for (const QPointF& p : points) {
        wLow = std::min(wLow, p.y());
        wHigh = std::max(wHigh, p.y());
    }
    t->setRange(0, points.isEmpty() || !(points.back().x() > 0) ? 1 : points.back().x());
    w->setRange(wLow, wHigh);
    t->applyNiceNumbers();
    w->applyNiceNumbers();
    localizeAxes(chart, decimal);
}

} // namespace

TrueMotionWindow::TrueMotionWindow(const ResultStore& store, const ParamSet& params,
                                   ParameterPanel& panel, Platform& platform,
                                   const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), R(store), P(params), panel(panel), platform(platform),
      numbers(numbers)
{
    setObjectName("trueMotionWindow");
    setWindowTitle(tr("Истинное движение"));
    setChartWindowFrame(this, 240, 120, 1040, 620);
    setMinimumSize(320, 240);

    auto* layout = new QHBoxLayout(this);
    auto* charts = new QVBoxLayout;
    layout->addLayout(charts, 3);
    note_ = new QLabel(this);
    note_->setObjectName("trueMotionNote");
    note_->setWordWrap(true);
    note_->hide();
    charts->addWidget(note_);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("trueMotionTabs");
    charts->addWidget(tabs_);

    speedView_ = styledChartView(tr("Угловая скорость кривошипа ω(φ)"), crankAngleAxisTitle(),
                                 tr("ω, рад/с"), "speedView", tabs_);
    speed_ = namedSeries("speedSeries", tr("ω"), curvePen(Qt::red), this);
    mean_ = namedSeries("meanSpeedSeries", tr("ω_ср"), levelPen(QColor(0, 128, 0)), this);
    bandLow_ = namedSeries("bandLowSeries", tr("ω_ср·(1 − δ/2)"), levelPen(Qt::blue), this);
    bandHigh_ = namedSeries("bandHighSeries", tr("ω_ср·(1 + δ/2)"), levelPen(Qt::blue), this);
    for (QLineSeries* s : {speed_, mean_, bandLow_, bandHigh_})
        speedView_->addSeries(s, QColor(255, 255, 128), false);
    speedView_->setReadoutQuantity(speed_, tr("ω"), tr("рад/с"));
    tabs_->addTab(speedView_, tr("ω(φ)"));

    auto* startUpChart = new QChart;
    styleChart(startUpChart, tr("Разгон ω(t)"));
    startUpChart->legend()->hide();
    startUp_ = namedSeries("startUpSeries", tr("ω(t)"), curvePen(Qt::red), startUpChart);
    startUpChart->addSeries(startUp_);
    auto* tAxis = new QValueAxis;
    tAxis->setTitleText(tr("Время, с"));
    auto* wAxis = new QValueAxis;
    wAxis->setTitleText(tr("ω, рад/с"));
    startUpChart->addAxis(tAxis, Qt::AlignBottom);
    startUpChart->addAxis(wAxis, Qt::AlignLeft);
    startUp_->attachAxis(tAxis);
    startUp_->attachAxis(wAxis);
    startUpView_ = new QChartView(startUpChart, tabs_);
    startUpView_->setObjectName("startUpView");
    startUpView_->setRenderHint(QPainter::Antialiasing);
    tabs_->addTab(startUpView_, tr("Разгон ω(t)"));

    inertiaView_ = styledChartView(tr("Приведённый момент инерции J(φ)"), crankAngleAxisTitle(),
                                   tr("J, кг·м²"), "inertiaView", tabs_);
    inertia_ = namedSeries("inertiaSeries", tr("J"), curvePen(QColor(128, 0, 128)), this);
    inertiaView_->addSeries(inertia_, QColor(255, 255, 128), false);
    inertiaView_->setReadoutQuantity(inertia_, tr("J"), tr("кг·м²"));
    tabs_->addTab(inertiaView_, tr("J(φ)"));
    for (MarkedChartView* v : {speedView_, inertiaView_})
        connect(v, &MarkedChartView::angleClicked, this, &TrueMotionWindow::angleClicked);

    // The figures and choices scroll on a small screen; the charts take what room is left.
    auto* side = new QScrollArea(this);
    side->setObjectName("trueMotionSide");
    side->setWidgetResizable(true);
    side->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget(side);
    auto* column = new QVBoxLayout(body);
    auto* figuresBox = new QGroupBox(tr("Показатели"), body);
    figuresBox->setObjectName("trueMotionFigures");
    figures_ = new QFormLayout(figuresBox);
    column->addWidget(figuresBox);
    cursor_ = new QLabel(body);
    cursor_->setObjectName("trueMotionCursor");
    cursor_->setWordWrap(true);
    column->addWidget(cursor_);
    column->addWidget(buildChoices(body));
    column->addStretch(1);
    side->setWidget(body);
    // The column keeps its width and scrolls only down: a cut figure would say nothing.
    side->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(side, 1);
    side_ = side;
    fitSide();
    showChoices();
}

QWidget* TrueMotionWindow::buildChoices(QWidget* parent)
{
    auto* box = new QGroupBox(tr("Привод и маховик"), parent);
    box->setObjectName("trueMotionChoices");
    auto* form = new QFormLayout(box);
    law_ = new QComboBox(box);
    law_->setObjectName("motionLawBox");
    law_->addItems({tr("заданный"), tr("истинное движение")});
    form->addRow(tr("Закон движения:"), law_);
    drive_ = new QComboBox(box);
    drive_->setObjectName("driveBox");
    drive_->addItems({tr("постоянный момент M_д"), tr("двигатель"), tr("таблица M(ω)")});
    form->addRow(tr("Привод:"), drive_);
    motorMoment_ = valueEdit("mnEdit", box);
    form->addRow(tr("Mн, Н·м:"), motorMoment_);
    motorSpeed_ = valueEdit("wnEdit", box);
    form->addRow(tr("ωн, рад/с:"), motorSpeed_);
    synchronous_ = valueEdit("w0Edit", box);
    form->addRow(tr("ω0, рад/с:"), synchronous_);
    fromSummary_ = new QCheckBox(tr("J маховика из сводки"), box);
    fromSummary_->setObjectName("flywheelFromSummary");
    form->addRow(fromSummary_);
    flywheel_ = valueEdit("jfwEdit", box);
    form->addRow(tr("J маховика, кг·м²:"), flywheel_);
    startSpeed_ = valueEdit("wStartEdit", box);
    form->addRow(tr("ω пуска, рад/с:"), startSpeed_);

    connect(law_, &QComboBox::activated, this,
            guarded(platform, [this](int index) { lawChosen(index); }));
    connect(drive_, &QComboBox::activated, this,
            guarded(platform, [this](int index) { driveChosen(index); }));
    connect(fromSummary_, &QCheckBox::clicked, this,
            guarded(platform, [this](bool on) { flywheelFromSummary(on); }));
    const std::pair<QLineEdit*, const char*> edits[] = {{motorMoment_, "mn"},
                                                        {motorSpeed_, "wn"},
                                                        {synchronous_, "w0"},
                                                        {flywheel_, "jfw"},
                                                        {startSpeed_, "w_start"}};
    for (const auto& [edit, key] : edits)
        connect(
            edit, &QLineEdit::editingFinished, this,
            guarded(platform, [this, edit = edit, key = key] { storeTyped(key, edit->text()); }));
    return box;
}

void TrueMotionWindow::fitSide()
{
    side_->setMinimumWidth(side_->widget()->sizeHint().width() +
                           side_->verticalScrollBar()->sizeHint().width());
}

void TrueMotionWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown anew.
    if (!event->spontaneous()) {
        fitToAvailableArea(this);
        runCommand(platform, [this] { fill(); });
    }
}

void TrueMotionWindow::setResultsStale(bool stale)
{
    setWindowTitle(chartWindowTitle(tr("Истинное движение"), stale));
}

void TrueMotionWindow::showChoices()
{
    const auto text = [this](long double x) {
        return QString::fromStdString(FormatGeneral(x, numbers.decimal));
    };
    law_->setCurrentIndex(static_cast<int>(std::find(std::begin(kLaws), std::end(kLaws), P.motion) -
                                           std::begin(kLaws)));
    drive_->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kDrives), std::end(kDrives), P.drive) - std::begin(kDrives)));
    motorMoment_->setText(text(P.motorMoment));
    motorSpeed_->setText(text(P.motorSpeed));
    synchronous_->setText(text(P.motorSynchronous));
    fromSummary_->setChecked(P.flywheel < 0);
    // From the summary, the box shows the flywheel the last run took, if any.
    const QString summaryText =
        view_.flywheel > 0 ? QString::fromStdString(summaryFigure(view_.flywheel, numbers.decimal))
                           : QString();
    flywheel_->setText(P.flywheel < 0 ? summaryText : text(P.flywheel));
    startSpeed_->setText(text(P.startSpeed));
    const bool motor = P.drive == DriveKind::Motor;
    for (QLineEdit* e : {motorMoment_, motorSpeed_, synchronous_})
        e->setEnabled(motor);
    flywheel_->setEnabled(!(P.flywheel < 0));
}

void TrueMotionWindow::storeTyped(const char* key, const QString& text)
{
    const ParamInfo* info = findParam(key);
    if (!info) return;
    long double value = 0;
    try {
        value = ParseRealAnySeparator(text.trimmed().toStdString());
    } catch (const ConvertError&) {
        platform.showMessage(tr("%1: введите число").arg(text.trimmed()).toStdString());
        showChoices();
        return;
    }
    if (const std::string fault = paramValueFault(*info, value); !fault.empty()) {
        platform.showMessage(fault);
        showChoices();
        return;
    }
    // The undo history names the change after the parameter ("J маховика = 0,5").
    const std::string outOfRange = tr("%1: значение вне допустимого диапазона")
                                       .arg(QString::fromStdString(paramDisplayName(*info)))
                                       .toStdString();
    panel.run([info, value, outOfRange](ParamSet& p) {
        Outcome outcome;
        if (!storeParam(p, *info, value)) outcome.message(outOfRange);
        return outcome;
    });
    showChoices();
}

void TrueMotionWindow::lawChosen(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kLaws))) return;
    const MotionLaw law = kLaws[index];
    panel.run(
        [law](ParamSet& p) {
            p.motion = law;
            return Outcome{};
        },
        tr("закон движения: %1").arg(law_->itemText(index)));
    showChoices();
}

void TrueMotionWindow::driveChosen(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kDrives))) return;
    const DriveKind kind = kDrives[index];
    panel.run(
        [kind](ParamSet& p) {
            p.drive = kind;
            return Outcome{};
        },
        tr("привод: %1").arg(drive_->itemText(index)));
    showChoices();
}

void TrueMotionWindow::flywheelFromSummary(bool fromSummary)
{
    // Given by hand, J_fw starts from the flywheel shown, so that a small change is a small edit.
    const long double given = fromSummary ? -1 : std::max(0.0L, view_.flywheel);
    panel.run(
        [given](ParamSet& p) {
            p.flywheel = given;
            return Outcome{};
        },
        fromSummary ? tr("J маховика из сводки") : QString());
    showChoices();
}

void TrueMotionWindow::fill()
{
    for (QLineSeries* s : {speed_, mean_, bandLow_, bandHigh_, inertia_, startUp_})
        s->clear();
    while (figures_->rowCount() > 0)
        figures_->removeRow(0);
    const char decimal = platform.localeDecimalSeparator();
    const ParamSet* run = R.computedWith();
    view_ = run ? trueMotionView(*run, R.trueMotion(), P.delta, decimal) : TrueMotionView{};
    showChoices();
    note_->setVisible(!run || view_.prescribed);
    note_->setText(!run ? tr("Нет результатов расчёта.")
                        : tr("Расчёт выполнен по заданному закону движения; здесь показано "
                             "истинное движение тех же параметров для сравнения."));
    if (!run) return;
    for (const TrueMotionFigure& f : view_.figures) {
        auto* value = new QLabel(QString::fromStdString(f.value));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures_->addRow(QString::fromStdString(f.label) + QStringLiteral(":"), value);
    }
    fitSide();

    const QList<QPointF> speed = chartPoints(view_.speed);
    const QList<QPointF> mean = levelLine(speed, view_.omegaMean);
    const QList<QPointF> low = levelLine(speed, view_.bandLow);
    const QList<QPointF> high = levelLine(speed, view_.bandHigh);
    const QList<QPointF> inertia = chartPoints(view_.inertia);
    const QList<QPointF> startUp = chartPoints(view_.startUp);
    // Ranges first, while the series are empty (see MoEChartWindow::fill).
    speedView_->setDecimal(decimal);
    inertiaView_->setDecimal(decimal);
    speedView_->fitAxes({&speed, &low, &high});
    inertiaView_->fitAxes({&inertia});
    fitTimeAxes(startUpView_->chart(), startUp, decimal);
    speed_->replace(speed);
    mean_->replace(mean);
    bandLow_->replace(low);
    bandHigh_->replace(high);
    inertia_->replace(inertia);
    startUp_->replace(startUp);
    showStep(step_);
}

void TrueMotionWindow::showStep(int step)
{
    step_ = step;
    const ParamSet* run = R.computedWith();
    std::optional<TrueMotionPoint> at;
    if (run && step >= 1 && step <= R.computedSteps())
        at = trueMotionAt(view_, crankAngleDegrees(*run, step));
    const std::optional<double> angle =
        at ? std::optional<double>(static_cast<double>(at->angle)) : std::nullopt;
    speedView_->setCursorAngle(angle);
    inertiaView_->setCursorAngle(angle);
    if (!at) {
        cursor_->clear();
        return;
    }
    const auto text = [this](long double x) {
        return QString::fromStdString(summaryFigure(x, platform.localeDecimalSeparator()));
    };
    cursor_->setText(tr("У курсора: φ = %1°, ω = %2 рад/с, J = %3 кг·м²")
                         .arg(text(at->angle), text(at->omega), text(at->inertia)));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/SweepMapWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Errors.h"
#include "base/UiText.h"
#include "calc/KeyFigures.h"
#include "formats/SweepCsv.h"
#include "params/ParamTable.h"
#include "platform/Command.h"
#include "platform/qt/WindowFit.h"
#include "present/qt/HeatMapView.h"
#include "present/qt/SweepWindow.h"

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// A line that wraps without asking for a height that follows its width (see SweepWindow).
class StatusLine : public QLabel {
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

SweepMapWindow::SweepMapWindow(const ParamSet& params, Platform& platform,
                               const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), P(params), platform(platform), numbers(numbers)
{
    setObjectName("sweepMapWindow");
    setWindowTitle(tr("Исследование двух параметров"));
    QWidget* body = scrollingBody(this);
    auto* layout = new QVBoxLayout(body);

    auto* inputs = new QGridLayout;
    axes_[0] = addAxis(inputs, 0, tr("По вертикали"), 1);
    axes_[1] = addAxis(inputs, 1, tr("По горизонтали"), 2);
    autofillBox_ = new QCheckBox(tr("Автозаполнение для каждого значения"), this);
    autofillBox_->setObjectName("mapAutofill");
    // The keys offered first are lengths, whose points must follow them.
    autofillBox_->setChecked(true);
    inputs->addWidget(autofillBox_, 2, 0, 1, 4);
    figureBox_ = new QComboBox(this);
    figureBox_->setObjectName("mapFigure");
    const auto all = keyFigures();
    for (size_t f = 0; f < all.size(); ++f)
        figureBox_->addItem(text(shownCaption(all[f]) + ", " + shownUnit(all[f].unit)),
                            static_cast<int>(f));
    figureBox_->setCurrentIndex(
        figureBox_->findData(static_cast<int>(findKeyFigure("flywheel") - all.data())));
    inputs->addWidget(new QLabel(tr("Показатель"), this), 2, 4);
    inputs->addWidget(figureBox_, 2, 5, 1, 4);
    layout->addLayout(inputs);
    connect(figureBox_, &QComboBox::currentIndexChanged, this, [this] { showMap(); });

    auto* runRow = new QHBoxLayout;
    startButton_ = new QPushButton(tr("Пуск"), this);
    startButton_->setObjectName("mapStart");
    cancelButton_ = new QPushButton(tr("Отмена"), this);
    cancelButton_->setObjectName("mapCancel");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("mapProgress");
    status_ = new StatusLine(this);
    status_->setObjectName("mapStatus");
    status_->setWordWrap(true);
    runRow->addWidget(startButton_);
    runRow->addWidget(cancelButton_);
    runRow->addWidget(progress_, 1);
    runRow->addWidget(status_, 1);
    layout->addLayout(runRow);
    connect(startButton_, &QPushButton::clicked, this, guarded(platform, [this] { start(); }));
    connect(cancelButton_, &QPushButton::clicked, this, guarded(platform, [this] { cancel(); }));

    view_ = new HeatMapView(this);
    view_->setObjectName("mapView");
    layout->addWidget(view_, 1);
    scale_ = new StatusLine(this);
    scale_->setObjectName("mapScale");
    layout->addWidget(scale_);
    readout_ = new StatusLine(this);
    readout_->setObjectName("mapReadout");
    readout_->setWordWrap(true);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(readout_);
    connect(view_, &HeatMapView::hovered, this, [this](int r, int c) { showReadout(r, c); });
    connect(view_, &HeatMapView::cellSelected, this, [this](int r, int c) { showReadout(r, c); });

    auto* bottom = new QHBoxLayout;
    auto* keepButton = new QPushButton(tr("Сохранить как вариант"), this);
    keepButton->setObjectName("mapKeep");
    bottom->addWidget(keepButton);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    connect(keepButton, &QPushButton::clicked, this, guarded(platform, [this] { keepSelected(); }));

    resize(820, 720);
    fitToScreenWhenShown(this);
}

SweepMapWindow::AxisInputs SweepMapWindow::addAxis(QGridLayout* grid, int line,
                                                   const QString& title, int number)
{
    const QString n = QString::number(number);
    AxisInputs axis;
    axis.key = new QComboBox(this);
    axis.key->setObjectName("mapKey" + n);
    for (int row = 0; row < kParamRowCount; ++row)
        axis.key->addItem(SweepWindow::keyLabel(paramRow(row).key),
                          QString::fromUtf8(paramRow(row).key));
    axis.key->addItem(SweepWindow::keyLabel("delta"), QStringLiteral("delta"));
    axis.key->addItem(SweepWindow::keyLabel(kLoadScaleKey), QString::fromUtf8(kLoadScaleKey));
    // Two different keys to begin with: the crank and the rod.
    axis.key->setCurrentIndex(number == 1 ? 0 : 1);
    axis.from = new QLineEdit(this);
    axis.from->setObjectName("mapFrom" + n);
    axis.to = new QLineEdit(this);
    axis.to->setObjectName("mapTo" + n);
    axis.count = new QSpinBox(this);
    axis.count->setObjectName("mapCount" + n);
    axis.count->setRange(1, kMaxSide);
    axis.count->setValue(21);
    grid->addWidget(new QLabel(title, this), line, 0);
    grid->addWidget(axis.key, line, 1);
    grid->addWidget(new QLabel(tr("от"), this), line, 2);
    grid->addWidget(axis.from, line, 3);
    grid->addWidget(new QLabel(tr("до"), this), line, 4);
    grid->addWidget(axis.to, line, 5);
    grid->addWidget(new QLabel(tr("Значений"), this), line, 6);
    grid->addWidget(axis.count, line, 7);
    connect(axis.key, &QComboBox::currentIndexChanged, this, [this, axis] { fillFromKey(axis); });
    fillFromKey(axis);
    return axis;
}

void SweepMapWindow::fillFromKey(const AxisInputs& axis)
{
    // As the single sweep: the value in force up to its double.
    const std::string key = axis.key->currentData().toString().toStdString();
    long double from = 1;
    if (const ParamInfo* info = findParam(key)) from = paramValue(P, *info);
    const long double to = from == 0 ? 1 : from * 2;
    axis.from->setText(text(FormatGeneral(from, numbers.decimal)));
    axis.to->setText(text(FormatGeneral(to, numbers.decimal)));
}

void SweepMapWindow::setRunning(bool on)
{
    running_ = on;
    startButton_->setEnabled(!on);
    cancelButton_->setEnabled(on);
}

void SweepMapWindow::start()
{
    if (running_) return;
    SweepGrid grid;
    const auto read = [this](const QLineEdit* field, const QString& name, long double& value) {
        const std::string typed = field->text().trimmed().toStdString();
        try {
            value = ParseRealAnySeparator(typed);
            return true;
        } catch (const ConvertError&) {
            platform.showMessage(sweepValueFault(name.toStdString(), typed));
            return false;
        }
    };
    for (const AxisInputs& axis : axes_) {
        SweepPlan plan;
        plan.key = axis.key->currentData().toString().toStdString();
        if (!read(axis.from, tr("от"), plan.from) || !read(axis.to, tr("до"), plan.to)) return;
        plan.count = axis.count->value();
        grid.axes.push_back(plan);
    }
    grid.autofill = autofillBox_->isChecked();
    grid.decimal = numbers.decimal;
    const ParamSet base = P;
    if (const std::string fault = sweepGridFault(base, grid); !fault.empty()) {
        platform.showError(fault);
        return;
    }
    rows_.clear();
    showMap();
    job_.start([this, base, grid](int run) {
        auto rows = std::make_shared<std::vector<SweepRow>>();
        bool complete = false;
        QString failure;
        try {
            complete = runSweepGrid(
                base, grid, SweepShard{}, 0, job_.stopFlag(),
                [rows](const SweepRow& row) { rows->push_back(row); },
                [this, run](int done, int) {
                    job_.post(run, [this, done] { progress_->setValue(done); });
                });
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
        job_.post(run, [this, complete, rows, failure, base, grid] {
            finishRun(complete, std::move(*rows), failure, base, grid);
        });
    });
    setRunning(true);
    progress_->setRange(0, static_cast<int>(sweepGridRows(grid)));
    progress_->setValue(0);
    status_->setText(tr("Расчёт вариантов…"));
}

void SweepMapWindow::cancel()
{
    if (!running_) return;
    job_.requestStop();
    status_->setText(tr("Отмена…"));
}

void SweepMapWindow::finishRun(bool complete, std::vector<SweepRow> rows, const QString& failure,
                               const ParamSet& base, const SweepGrid& grid)
{
    job_.ended();
    setRunning(false);
    if (!failure.isEmpty() || !complete) {
        status_->setText(failure.isEmpty() ? tr("Отменено") : QString());
        if (!failure.isEmpty()) platform.showError(failure.toStdString());
        emit sweepFinished(false);
        return;
    }
    rows_ = std::move(rows);
    shownBase_ = base;
    shownGrid_ = grid;
    const auto failed =
        std::count_if(rows_.begin(), rows_.end(), [](const SweepRow& r) { return !r.point.ok; });
    status_->setText(tr("Вариантов: %1, не рассчитано: %2").arg(rows_.size()).arg(failed));
    showMap();
    emit sweepFinished(true);
}

size_t SweepMapWindow::chosenFigure() const
{
    return static_cast<size_t>(figureBox_->currentData().toInt());
}

void SweepMapWindow::showMap()
{
    readout_->clear();
    scale_->clear();
    if (rows_.empty() || shownGrid_.axes.size() != 2) {
        view_->showNoMap();
        return;
    }
    const SweepPlan& first = shownGrid_.axes[0];
    const SweepPlan& second = shownGrid_.axes[1];
    HeatMapGrid grid = heatMapOf(rows_, first.count, second.count, chosenFigure());
    const KeyFigure& figure = keyFigures()[chosenFigure()];
    if (const auto range = heatMapRange(grid))
        scale_->setText(text(shownCaption(figure)) + tr(": синий — ") +
                        text(FormatGeneral(range->first, numbers.decimal)) +
                        tr(", красный — ") +
                        text(FormatGeneral(range->second, numbers.decimal)) + " " +
                        text(shownUnit(figure.unit)) + tr("; серый — нет значения"));
    else
        scale_->setText(text(shownCaption(figure)) + tr(": нет значений"));
    std::vector<double> levels = contourLevels(grid, 7);
    const auto value = [this](long double v) { return text(FormatGeneral(v, numbers.decimal)); };
    // The ends as the variants hold them: the first and the last row's values.
    HeatMapView::Axes axes{SweepWindow::keyLabel(first.key), value(rows_.front().values[0]),
                           value(rows_.back().values[0]),    SweepWindow::keyLabel(second.key),
                           value(rows_.front().values[1]),   value(rows_.back().values[1])};
    view_->setMap(std::move(grid), std::move(levels), std::move(axes));
}

QString SweepMapWindow::readout(int row, int col) const
{
    if (shownGrid_.axes.size() != 2 || row < 0 || col < 0 || row >= shownGrid_.axes[0].count ||
        col >= shownGrid_.axes[1].count)
        return {};
    const auto index = static_cast<size_t>(row) * static_cast<size_t>(shownGrid_.axes[1].count) +
                       static_cast<size_t>(col);
    if (index >= rows_.size()) return {};
    const SweepRow& r = rows_[index];
    QString line;
    for (size_t k = 0; k < 2; ++k)
        line += SweepWindow::keyLabel(shownGrid_.axes[k].key) + QStringLiteral(" = ") +
                text(FormatGeneral(r.values[k], numbers.decimal)) + QStringLiteral("; ");
    const KeyFigure& figure = keyFigures()[chosenFigure()];
    const auto& figures = r.point.figures;
    if (r.point.ok && chosenFigure() < figures.size() && figures[chosenFigure()])
        return line + text(shownCaption(figure)) + QStringLiteral(" = ") +
               text(FormatGeneral(*figures[chosenFigure()], numbers.decimal)) +
               QStringLiteral(" ") + text(shownUnit(figure.unit));
    return line + text(shownCaption(figure)) + QStringLiteral(": ") +
           (r.point.reason.empty() ? tr("нет значения") : text(r.point.reason));
}

void SweepMapWindow::showReadout(int row, int col)
{
    // Off the map, the readout returns to the selected cell.
    if (row < 0 && view_->selected()) {
        row = view_->selected()->first;
        col = view_->selected()->second;
    }
    readout_->setText(readout(row, col));
}

void SweepMapWindow::keepSelected()
{
    const auto cell = view_->selected();
    if (!cell || rows_.empty()) {
        platform.showMessage(tr("Выберите клетку карты").toStdString());
        return;
    }
    const long long index =
        static_cast<long long>(cell->first) * shownGrid_.axes[1].count + cell->second;
    std::string fault;
    const auto variant = sweepGridVariant(shownBase_, shownGrid_, index, &fault);
    if (!variant) {
        platform.showMessage(fault);
        return;
    }
    const SweepRow& r = rows_[static_cast<size_t>(index)];
    QString name;
    for (size_t k = 0; k < 2; ++k)
        name += (k ? QStringLiteral(", ") : QString()) +
                SweepWindow::keyLabel(shownGrid_.axes[k].key) + QStringLiteral(" = ") +
                text(FormatGeneral(r.values[k], numbers.decimal));
    emit keepAsVariant(*variant, name);
}

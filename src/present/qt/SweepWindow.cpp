// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/SweepWindow.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "base/Errors.h"
#include "base/UiText.h"
#include "base/WindowMessage.h"
#include "formats/SpreadsheetCsv.h"
#include "formats/SweepCsv.h"
#include "params/ParamTable.h"
#include "platform/Command.h"
#include "platform/qt/WindowFit.h"
#include "present/qt/ChartWindow.h"

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QTableWidgetItem* cell(const QString& s)
{
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// A line that wraps its text without asking for a height that follows its width: such a height
// gives the scrolling body its preferred height rather than the window's, and pushes the buttons
// below the screen's edge once a sweep has filled the table.
class StatusLine : public QLabel {
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

QString SweepWindow::keyLabel(const std::string& key)
{
    if (key == kLoadScaleKey) return tr("Масштаб нагрузки");
    if (key == "delta") return QStringLiteral("δ");
    const ParamInfo* info = findParam(key);
    if (info == nullptr) return text(key);
    return QString::fromStdString(paramDisplayName(*info));
}

SweepWindow::SweepWindow(const ParamSet& params, Platform& platform, const NumberFormat& numbers,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), P(params), platform(platform), numbers(numbers)
{
    setObjectName("sweepWindow");
    setWindowTitle(tr("Исследование параметра"));
    // On a low screen the controls scroll; none of them ends below the screen's edge.
    QWidget* body = scrollingBody(this);
    auto* layout = new QVBoxLayout(body);

    auto* inputs = new QGridLayout;
    keyBox_ = new QComboBox(this);
    keyBox_->setObjectName("sweepKey");
    for (int row = 0; row < kParamRowCount; ++row)
        keyBox_->addItem(keyLabel(paramRow(row).key), QString::fromUtf8(paramRow(row).key));
    keyBox_->addItem(keyLabel("delta"), QStringLiteral("delta"));
    keyBox_->addItem(keyLabel(kLoadScaleKey), QString::fromUtf8(kLoadScaleKey));
    fromEdit_ = new QLineEdit(this);
    fromEdit_->setObjectName("sweepFrom");
    toEdit_ = new QLineEdit(this);
    toEdit_->setObjectName("sweepTo");
    countBox_ = new QSpinBox(this);
    countBox_->setObjectName("sweepCount");
    countBox_->setRange(1, kMaxSweepCount);
    countBox_->setValue(11);
    autofillBox_ = new QCheckBox(tr("Автозаполнение для каждого значения"), this);
    autofillBox_->setObjectName("sweepAutofill");
    inputs->addWidget(new QLabel(tr("Параметр"), this), 0, 0);
    inputs->addWidget(keyBox_, 0, 1);
    inputs->addWidget(new QLabel(tr("от"), this), 0, 2);
    inputs->addWidget(fromEdit_, 0, 3);
    inputs->addWidget(new QLabel(tr("до"), this), 0, 4);
    inputs->addWidget(toEdit_, 0, 5);
    inputs->addWidget(new QLabel(tr("Значений"), this), 0, 6);
    inputs->addWidget(countBox_, 0, 7);
    inputs->addWidget(autofillBox_, 1, 0, 1, 8);
    layout->addLayout(inputs);

    figureList_ = new QListWidget(this);
    figureList_->setObjectName("sweepFigures");
    figureList_->setFlow(QListView::LeftToRight);
    figureList_->setWrapping(true);
    figureList_->setMaximumHeight(60);
    const auto defaults = defaultSweepFigures();
    for (const KeyFigure& figure : keyFigures()) {
        auto* item = new QListWidgetItem(QString::fromStdString(shownCaption(figure)), figureList_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        const bool shown = std::any_of(defaults.begin(), defaults.end(), [&](const char* key) {
            return std::string_view(key) == figure.key;
        });
        item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    }
    connect(figureList_, &QListWidget::itemChanged, this, [this] { showPoints(); });
    layout->addWidget(figureList_);

    auto* runRow = new QHBoxLayout;
    startButton_ = new QPushButton(tr("Пуск"), this);
    startButton_->setObjectName("sweepStart");
    cancelButton_ = new QPushButton(tr("Отмена"), this);
    cancelButton_->setObjectName("sweepCancel");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("sweepProgress");
    status_ = new StatusLine(this);
    status_->setObjectName("sweepStatus");
    status_->setWordWrap(true); // a reason must not widen the window
    runRow->addWidget(startButton_);
    runRow->addWidget(cancelButton_);
    runRow->addWidget(progress_, 1);
    runRow->addWidget(status_, 1);
    layout->addLayout(runRow);
    connect(startButton_, &QPushButton::clicked, this, guarded(platform, [this] { start(); }));
    connect(cancelButton_, &QPushButton::clicked, this, guarded(platform, [this] { cancel(); }));

    auto* split = new QSplitter(Qt::Vertical, this);
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignTop);
    auto* view = new QChartView(chart_, split);
    view->setObjectName("sweepChart");
    view->setRenderHint(QPainter::Antialiasing);
    table_ = new QTableWidget(split);
    table_->setObjectName("sweepTable");
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* keepAction = new QAction(tr("Сохранить как вариант"), table_);
    keepAction->setObjectName("sweepKeepAction");
    table_->addAction(keepAction);
    connect(keepAction, &QAction::triggered, this, guarded(platform, [this] { keepSelected(); }));
    // The chart is what the sweep is for: it gets the larger share and room for its axes, and
    // leaves the buttons below it in sight on a 1024x600 screen.
    view->setMinimumHeight(220);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto* bottom = new QHBoxLayout;
    auto* keepButton = new QPushButton(tr("Сохранить как вариант"), this);
    keepButton->setObjectName("sweepKeep");
    auto* exportButton = new QPushButton(tr("Экспорт CSV…"), this);
    exportButton->setObjectName("sweepExport");
    bottom->addWidget(keepButton);
    bottom->addStretch(1);
    bottom->addWidget(exportButton);
    layout->addLayout(bottom);
    connect(keepButton, &QPushButton::clicked, this, guarded(platform, [this] { keepSelected(); }));
    connect(exportButton, &QPushButton::clicked, this, guarded(platform, [this] { exportCsv(); }));

    connect(keyBox_, &QComboBox::currentIndexChanged, this, [this] { fillFromKey(); });
    fillFromKey();
    resize(860, 760);
    fitToScreenWhenShown(this);
}

void SweepWindow::fillFromKey()
{
    // A start the designer can run at once: the value in force up to its double.
    const std::string key = keyBox_->currentData().toString().toStdString();
    long double from = 1;
    if (const ParamInfo* info = findParam(key)) from = paramValue(P, *info);
    const long double to = from == 0 ? 1 : from * 2;
    fromEdit_->setText(text(FormatGeneral(from, numbers.decimal)));
    toEdit_->setText(text(FormatGeneral(to, numbers.decimal)));
}

void SweepWindow::setRunning(bool on)
{
    running_ = on;
    startButton_->setEnabled(!on);
    cancelButton_->setEnabled(on);
}

void SweepWindow::start()
{
    if (running_) return;
    SweepPlan plan;
    plan.key = keyBox_->currentData().toString().toStdString();
    // Either separator, as in every other field of the program.
    const auto read = [this](const QLineEdit* field, const QString& name,
                             long double& value) -> bool {
        const std::string typed = field->text().trimmed().toStdString();
        try {
            value = ParseRealAnySeparator(typed);
            return true;
        } catch (const ConvertError&) {
            platform.showMessage(sweepValueFault(name.toStdString(), typed));
            return false;
        }
    };
    if (!read(fromEdit_, tr("от"), plan.from) || !read(toEdit_, tr("до"), plan.to)) return;
    plan.count = countBox_->value();
    plan.autofill = autofillBox_->isChecked();
    plan.decimal = numbers.decimal;
    const ParamSet base = P;
    if (const std::string fault = sweepPlanFault(base, plan); !fault.empty()) {
        platform.showError(fault);
        return;
    }
    // What is shown is the sweep asked for or nothing: an export must never write the one
    // before it as if it were the new one.
    points_.clear();
    showPoints();
    job_.start([this, base, plan](int run) {
        auto result = std::make_shared<std::optional<std::vector<SweepPoint>>>();
        QString failure;
        try {
            *result = runSweep(base, plan, 0, job_.stopFlag(), [this, run](int done, int) {
                job_.post(run, [this, done] { progress_->setValue(done); });
            });
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
        // The result crosses to the toolkit's thread whole, or not at all.
        job_.post(run, [this, result, failure, base, plan] {
            finishRun(*result, failure, base, plan);
        });
    });
    setRunning(true);
    progress_->setRange(0, plan.count);
    progress_->setValue(0);
    status_->setText(tr("Расчёт вариантов…"));
}

void SweepWindow::cancel()
{
    if (!running_) return;
    job_.requestStop();
    status_->setText(tr("Отмена…"));
}

void SweepWindow::finishRun(const std::optional<std::vector<SweepPoint>>& result,
                            const QString& failure, const ParamSet& base, const SweepPlan& plan)
{
    job_.ended();
    setRunning(false);
    if (!failure.isEmpty() || !result) {
        status_->setText(failure.isEmpty() ? tr("Отменено") : QString());
        if (!failure.isEmpty()) platform.showError(failure.toStdString());
        emit sweepFinished(false);
        return;
    }
    points_ = *result;
    shownBase_ = base;
    shownPlan_ = plan;
    const auto failed =
        std::count_if(points_.begin(), points_.end(), [](const SweepPoint& p) { return !p.ok; });
    QString status = tr("Вариантов: %1, не рассчитано: %2").arg(points_.size()).arg(failed);
    // Figures a run too short leaves blank are explained once, as the summary explains them.
    const auto partial = std::find_if(points_.begin(), points_.end(), [](const SweepPoint& p) {
        return p.ok && !p.reason.empty();
    });
    if (partial != points_.end()) status += QStringLiteral("; ") + text(partial->reason);
    status_->setText(status);
    status_->setToolTip(status);
    showPoints();
    emit sweepFinished(true);
}

std::vector<const KeyFigure*> SweepWindow::chosenFigures() const
{
    std::vector<const KeyFigure*> chosen;
    const auto all = keyFigures();
    for (int row = 0; row < figureList_->count(); ++row)
        if (figureList_->item(row)->checkState() == Qt::Checked)
            chosen.push_back(&all[static_cast<size_t>(row)]);
    return chosen;
}

void SweepWindow::showPoints()
{
    const std::vector<const KeyFigure*> figures = chosenFigures();
    const auto all = keyFigures();
    table_->clear();
    table_->setColumnCount(static_cast<int>(figures.size()) + 2);
    table_->setRowCount(static_cast<int>(points_.size()));
    QStringList headings{keyLabel(shownPlan_.key), tr("Состояние")};
    for (const KeyFigure* figure : figures)
        headings << text(shownCaption(*figure) + ", " + shownUnit(figure->unit));
    table_->setHorizontalHeaderLabels(headings);
    for (size_t i = 0; i < points_.size(); ++i) {
        const SweepPoint& point = points_[i];
        const int row = static_cast<int>(i);
        table_->setItem(row, 0, cell(text(FormatGeneral(point.value, numbers.decimal))));
        auto* state = cell(point.ok && point.reason.empty() ? tr("готово") : text(point.reason));
        state->setToolTip(state->text());
        table_->setItem(row, 1, state);
        for (size_t f = 0; f < figures.size(); ++f) {
            const auto at = static_cast<size_t>(figures[f] - all.data());
            const bool has = at < point.figures.size() && point.figures[at];
            table_->setItem(
                row, static_cast<int>(f) + 2,
                cell(has ? text(FormatGeneral(*point.figures[at], numbers.decimal)) : QString()));
        }
        if (!point.ok)
            for (int c = 0; c < table_->columnCount(); ++c)
                table_->item(row, c)->setBackground(QColor(255, 220, 220));
    }
    table_->resizeColumnsToContents();
    fillChart(figures);
}

void SweepWindow::fillChart(const std::vector<const KeyFigure*>& figures)
{
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    if (points_.empty()) return;
    auto* x = new QValueAxis;
    x->setTitleText(keyLabel(shownPlan_.key));
    const auto [lo, hi] = std::minmax_element(
        points_.begin(), points_.end(),
        [](const SweepPoint& a, const SweepPoint& b) { return a.value < b.value; });
    const double x0 = static_cast<double>(lo->value), x1 = static_cast<double>(hi->value);
    x->setRange(x0, x1 > x0 ? x1 : x0 + 1);
    chart_->addAxis(x, Qt::AlignBottom);
    const auto all = keyFigures();
    for (size_t f = 0; f < figures.size(); ++f) {
        const auto at = static_cast<size_t>(figures[f] - all.data());
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(shownCaption(*figures[f])));
        double y0 = 0, y1 = 0;
        bool first = true;
        // A failed variant leaves a gap in no line: its neighbours are joined, and its row in
        // the table says why.
        for (const SweepPoint& point : points_) {
            if (at >= point.figures.size() || !point.figures[at]) continue;
            const double y = static_cast<double>(*point.figures[at]);
            if (!std::isfinite(y)) continue;
            series->append(static_cast<double>(point.value), y);
            y0 = first ? y : std::min(y0, y);
            y1 = first ? y : std::max(y1, y);
            first = false;
        }
        chart_->addSeries(series);
        auto* y = new QValueAxis;
        y->setTitleText(text(shownCaption(*figures[f]) + ", " + shownUnit(figures[f]->unit)));
        const double pad = y1 > y0 ? (y1 - y0) * 0.05 : 1;
        y->setRange(y0 - pad, y1 + pad);
        y->setLinePenColor(series->pen().color());
        chart_->addAxis(y, f == 0 ? Qt::AlignLeft : Qt::AlignRight);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    localizeAxes(chart_, numbers.decimal);
}

void SweepWindow::keepSelected()
{
    const int row = table_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= points_.size()) {
        platform.showMessage(tr("Выберите строку таблицы").toStdString());
        return;
    }
    const std::vector<long double> values = sweepValues(shownPlan_);
    std::string fault;
    const auto variant =
        sweepVariant(shownBase_, shownPlan_, values[static_cast<size_t>(row)], &fault);
    if (!variant) {
        platform.showMessage(fault);
        return;
    }
    const SweepPoint& point = points_[static_cast<size_t>(row)];
    emit keepAsVariant(*variant, keyLabel(shownPlan_.key) + QStringLiteral(" = ") +
                                     text(FormatGeneral(point.value, numbers.decimal)));
}

void SweepWindow::exportCsv()
{
    if (points_.empty()) {
        platform.showMessage(tr("Нет результатов: сначала выполните «Пуск»").toStdString());
        return;
    }
    const char decimal = numbers.decimal;
    const char field = spreadsheetFieldSeparator(decimal);
    const auto name = chooseSaveTarget(
        platform, {tr("Файл CSV|*.csv|Все файлы|*.*").toStdString(), "csv", "csvExport",
                   tr("Экспорт CSV: поля через «%1», дробная часть через «%2»")
                       .arg(QChar::fromLatin1(field), QChar::fromLatin1(decimal))
                       .toStdString()});
    if (!name) return;
    try {
        writeSweepCsv(*name, keyLabel(shownPlan_.key).toStdString(), chosenFigures(), points_,
                      decimal);
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), *name));
    }
}

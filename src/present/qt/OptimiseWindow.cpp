// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/OptimiseWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "base/Errors.h"
#include "base/UiText.h"
#include "params/ParamTable.h"
#include "platform/Command.h"
#include "platform/qt/WindowFit.h"
#include "present/SummaryText.h"

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QTableWidgetItem* fixedCell(const QString& s)
{
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The parameters a search may vary: the lengths, the motion and the masses. The points follow
// the lengths through the autofill, and the run settings are not reals.
bool variable(const ParamInfo& p)
{
    return (p.kind == ParamKind::Double || p.kind == ParamKind::Extended) &&
           (p.group == ParamGroup::Motion || p.group == ParamGroup::Mass);
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

} // namespace

OptimiseWindow::OptimiseWindow(const ParamSet& params, Platform& platform,
                               const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), P(params), platform(platform), numbers(numbers)
{
    setObjectName("optimiseWindow");
    setWindowTitle(tr("Оптимизация"));
    QWidget* body = scrollingBody(this);
    auto* layout = new QVBoxLayout(body);
    auto* top = new QFormLayout;
    figureBox_ = new QComboBox(body);
    figureBox_->setObjectName("optimiseFigure");
    for (const KeyFigure& f : optimiseFigures())
        figureBox_->addItem(text(shownCaption(f) + ", " + shownUnit(f.unit)), QString(f.key));
    // The flywheel is what a designer most often wants smaller.
    figureBox_->setCurrentIndex(figureBox_->findData(QStringLiteral("flywheel")));
    evalsBox_ = new QSpinBox(body);
    evalsBox_->setObjectName("optimiseMaxEvals");
    evalsBox_->setRange(10, 100000);
    evalsBox_->setValue(500);
    top->addRow(tr("Улучшать показатель:"), figureBox_);
    top->addRow(tr("Расчётов не больше:"), evalsBox_);
    layout->addLayout(top);

    const auto number = [&numbers](long double x) {
        return text(FormatGeneral(x, numbers.decimal));
    };
    layout->addWidget(new QLabel(tr("Изменяемые параметры (отметьте):"), body));
    variables_ = table(body, "optimiseVariables", {tr("Параметр"), tr("от"), tr("до")});
    for (const ParamInfo& p : kParams) {
        if (!variable(p)) continue;
        const int row = variables_->rowCount();
        variables_->insertRow(row);
        auto* name = fixedCell(text(paramDisplayName(p)));
        name->setFlags(name->flags() | Qt::ItemIsUserCheckable);
        name->setCheckState(Qt::Unchecked);
        name->setData(Qt::UserRole, QString(p.key));
        variables_->setItem(row, 0, name);
        const long double now = paramValue(P, p);
        const long double low = now == 0 ? 0 : std::min(now / 2, now * 3 / 2);
        const long double high = now == 0 ? 1 : std::max(now / 2, now * 3 / 2);
        variables_->setItem(row, 1, new QTableWidgetItem(number(low)));
        variables_->setItem(row, 2, new QTableWidgetItem(number(high)));
    }
    layout->addWidget(variables_, 1);
    layout->addWidget(new QLabel(tr("Ограничения (пустая клетка — нет):"), body));
    constraints_ =
        table(body, "optimiseConstraints",
              {tr("Показатель"), tr("не больше"), tr("не меньше"), tr("равно"), tr("допуск")});
    for (const KeyFigure& f : optimiseFigures()) {
        const int row = constraints_->rowCount();
        constraints_->insertRow(row);
        constraints_->setItem(row, 0, fixedCell(text(shownCaption(f) + ", " + shownUnit(f.unit))));
        for (int c = 1; c < 5; ++c)
            constraints_->setItem(row, c, new QTableWidgetItem);
    }
    layout->addWidget(constraints_, 1);

    auto* runRow = new QHBoxLayout;
    startButton_ = new QPushButton(tr("Пуск"), body);
    startButton_->setObjectName("optimiseStart");
    cancelButton_ = new QPushButton(tr("Отмена"), body);
    cancelButton_->setObjectName("optimiseCancel");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(body);
    progress_->setObjectName("optimiseProgress");
    runRow->addWidget(startButton_);
    runRow->addWidget(cancelButton_);
    runRow->addWidget(progress_, 1);
    layout->addLayout(runRow);
    status_ = new QLabel(body);
    status_->setObjectName("optimiseStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    comparison_ = table(body, "optimiseComparison", {tr("Показатель"), tr("до"), tr("после")});
    layout->addWidget(comparison_, 1);
    keepButton_ = new QPushButton(tr("Сохранить как вариант"), body);
    keepButton_->setObjectName("optimiseKeep");
    keepButton_->setEnabled(false);
    layout->addWidget(keepButton_);

    connect(startButton_, &QPushButton::clicked, this, guarded(platform, [this] { start(); }));
    connect(cancelButton_, &QPushButton::clicked, this, guarded(platform, [this] { cancel(); }));
    connect(keepButton_, &QPushButton::clicked, this, guarded(platform, [this] { keepResult(); }));
    resize(640, 760);
    fitToScreenWhenShown(this);
}

std::optional<OptimisePlan> OptimiseWindow::plan()
{
    OptimisePlan plan;
    plan.figure = figureBox_->currentData().toString().toStdString();
    plan.maxEvaluations = evalsBox_->value();
    plan.decimal = numbers.decimal;
    // A cell's number, or a message naming the row and the column.
    const auto read = [this](QTableWidget* t, int row, int column) -> std::optional<long double> {
        const std::string typed = t->item(row, column)->text().trimmed().toStdString();
        try {
            return ParseRealAnySeparator(typed);
        } catch (const ConvertError&) {
            platform.showMessage(tr("%1, «%2»: «%3» — не число")
                                     .arg(t->item(row, 0)->text(),
                                          t->horizontalHeaderItem(column)->text(),
                                          QString::fromStdString(typed))
                                     .toStdString());
            return std::nullopt;
        }
    };
    for (int row = 0; row < variables_->rowCount(); ++row) {
        const QTableWidgetItem* name = variables_->item(row, 0);
        if (name->checkState() != Qt::Checked) continue;
        const auto low = read(variables_, row, 1);
        if (!low) return std::nullopt;
        const auto high = read(variables_, row, 2);
        if (!high) return std::nullopt;
        plan.variables.push_back({name->data(Qt::UserRole).toString().toStdString(), *low, *high});
    }
    const auto figures = optimiseFigures();
    for (int row = 0; row < constraints_->rowCount(); ++row) {
        using Kind = OptimiseConstraint::Kind;
        const std::string key = figures[static_cast<size_t>(row)].key;
        for (const auto& [column, kind] :
             {std::pair{1, Kind::AtMost}, std::pair{2, Kind::AtLeast}, std::pair{3, Kind::Equal}}) {
            if (constraints_->item(row, column)->text().trimmed().isEmpty()) continue;
            const auto value = read(constraints_, row, column);
            if (!value) return std::nullopt;
            OptimiseConstraint c{key, kind, *value, 1e-9L * std::max(1.0L, std::fabs(*value))};
            if (kind == Kind::Equal && !constraints_->item(row, 4)->text().trimmed().isEmpty()) {
                const auto tolerance = read(constraints_, row, 4);
                if (!tolerance) return std::nullopt;
                c.tolerance = *tolerance;
            }
            plan.constraints.push_back(c);
        }
    }
    if (const std::string fault = optimisePlanFault(P, plan); !fault.empty()) {
        platform.showMessage(fault);
        return std::nullopt;
    }
    return plan;
}

void OptimiseWindow::setRunning(bool on)
{
    running_ = on;
    startButton_->setEnabled(!on);
    cancelButton_->setEnabled(on);
}

void OptimiseWindow::start()
{
    if (running_) return;
    const std::optional<OptimisePlan> asked = plan();
    if (!asked) return;
    const OptimisePlan plan = *asked;
    const ParamSet base = P;
    result_.reset();
    keepButton_->setEnabled(false);
    comparison_->setRowCount(0);
    job_.start([this, base, plan](int run) {
        auto end = std::make_shared<Finished>();
        try {
            for (const OptimiseVariable& v : plan.variables)
                end->start.push_back(paramValue(base, *findParam(v.key)));
            end->before = evaluateDesign(base, plan, end->start);
            end->result = optimise(base, plan, job_.stopFlag(),
                                   [this, run, plan](int done, int, std::optional<long double> best,
                                                     const std::vector<long double>& point) {
                                       job_.post(run, [this, done, best, point, plan] {
                                           showProgress(done, best, point, plan);
                                       });
                                   });
            if (end->result && end->result->best)
                end->after = evaluateDesign(base, plan, end->result->point);
        } catch (const std::exception& e) {
            end->failure = QString::fromUtf8(e.what());
        }
        job_.post(run, [this, end, plan] { finish(*end, plan); });
    });
    setRunning(true);
    progress_->setRange(0, plan.maxEvaluations);
    progress_->setValue(0);
    status_->setText(tr("Поиск…"));
}

void OptimiseWindow::showProgress(int done, std::optional<long double> best,
                                  const std::vector<long double>& point, const OptimisePlan& plan)
{
    progress_->setValue(done);
    if (!best) return;
    QString line = tr("Лучшее пока: %1 = %2;")
                       .arg(text(shownCaption(*findOptimiseFigure(plan.figure))),
                            text(FormatGeneral(*best, numbers.decimal)));
    for (size_t i = 0; i < point.size(); ++i)
        line += QStringLiteral(" %1 = %2")
                    .arg(text(paramDisplayName(*findParam(plan.variables[i].key))),
                         text(FormatGeneral(point[i], numbers.decimal)));
    status_->setText(line);
}

void OptimiseWindow::cancel()
{
    if (!running_) return;
    job_.requestStop();
    status_->setText(tr("Отмена…"));
}

void OptimiseWindow::finish(const Finished& end, const OptimisePlan& plan)
{
    job_.ended();
    setRunning(false);
    if (!end.failure.isEmpty()) {
        status_->clear();
        platform.showError(end.failure.toStdString());
        emit searchFinished(false);
        return;
    }
    if (!end.result) {
        status_->setText(tr("Отменено"));
        emit searchFinished(false);
        return;
    }
    if (!end.result->best) {
        status_->setText(text(end.result->fault));
        emit searchFinished(false);
        return;
    }
    result_ = end.result;
    resultPlan_ = plan;
    progress_->setValue(progress_->maximum());
    status_->setText(tr("Найдено за %1 расчётов").arg(end.result->evaluations));
    const auto figures = optimiseFigures();
    const auto value = [this](const SweepPoint& p, size_t f) {
        return p.ok && f < p.figures.size() && p.figures[f]
                   ? text(summaryFigure(*p.figures[f], numbers.decimal))
                   : QStringLiteral("—");
    };
    for (size_t i = 0; i < plan.variables.size(); ++i) {
        const ParamInfo& info = *findParam(plan.variables[i].key);
        const int row = comparison_->rowCount();
        comparison_->insertRow(row);
        comparison_->setItem(row, 0, fixedCell(text(paramDisplayName(info))));
        comparison_->setItem(row, 1, fixedCell(text(FormatGeneral(end.start[i], numbers.decimal))));
        comparison_->setItem(row, 2,
                             fixedCell(text(FormatGeneral(end.result->point[i], numbers.decimal))));
    }
    for (size_t f = 0; f < figures.size(); ++f) {
        const int row = comparison_->rowCount();
        comparison_->insertRow(row);
        comparison_->setItem(row, 0, fixedCell(text(shownCaption(figures[f]))));
        comparison_->setItem(row, 1, fixedCell(value(end.before, f)));
        comparison_->setItem(row, 2, fixedCell(value(end.after, f)));
    }
    keepButton_->setEnabled(true);
    emit searchFinished(true);
}

void OptimiseWindow::keepResult()
{
    if (!result_ || !result_->best) return;
    emit keepAsVariant(*result_->best,
                       tr("Оптимум: %1")
                           .arg(text(shownCaption(*findOptimiseFigure(resultPlan_.figure)))));
}

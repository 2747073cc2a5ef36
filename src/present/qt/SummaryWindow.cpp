// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/SummaryWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "platform/qt/WindowFit.h"
#include "present/SummaryText.h"

SummaryWindow::SummaryWindow(const ResultStore& store, const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), numbers_(numbers)
{
    setObjectName("summaryWindow");
    setWindowTitle(tr("Сводка"));
    resize(640, 560);
    fitToScreenWhenShown(this);
    auto* layout = new QVBoxLayout(this);
    staleLine_ = new QLabel(tr("Сводка относится к прежним параметрам: нажмите «Расчет»"), this);
    staleLine_->setObjectName("summaryStale");
    staleLine_->setStyleSheet(QStringLiteral("color: #a00000;"));
    staleLine_->hide();
    layout->addWidget(staleLine_);
    auto* deltaRow = new QHBoxLayout;
    auto* deltaCaption = new QLabel(tr("Коэффициент неравномерности δ ="), this);
    deltaEdit_ = new QLineEdit(this);
    deltaEdit_->setObjectName("summaryDelta");
    deltaEdit_->setMaximumWidth(90);
    const QString deltaTip =
        tr("Допустимая неравномерность хода (ω_max − ω_min)/ω_ср, по которой подбирается маховик. "
           "Для прессов обычно 0,1–0,2, для двигателей 0,01–0,02.");
    deltaCaption->setToolTip(deltaTip);
    deltaEdit_->setToolTip(deltaTip);
    deltaFault_ = new QLabel(this);
    deltaFault_->setObjectName("summaryDeltaFault");
    deltaRow->addWidget(deltaCaption);
    deltaRow->addWidget(deltaEdit_);
    deltaRow->addWidget(deltaFault_, 1);
    layout->addLayout(deltaRow);
    connect(deltaEdit_, &QLineEdit::returnPressed, this, [this] { deltaTyped(); });
    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName("summaryTable");
    table_->setHorizontalHeaderLabels({tr("Величина"), tr("Значение"), tr("Шаг"), tr("Угол, °")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setWordWrap(false);
    layout->addWidget(table_);
    auto* charts = new QPushButton(tr("Графики маховика"), this);
    charts->setObjectName("flywheelChartsButton");
    connect(charts, &QPushButton::clicked, this, &SummaryWindow::flywheelChartsRequested);
    layout->addWidget(charts, 0, Qt::AlignRight);

    auto* copy = new QAction(tr("Копировать"), this);
    copy->setObjectName("summaryCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, [this] { copySelection(); });
    table_->addAction(copy);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(copy);
}

void SummaryWindow::refresh()
{
    table_->setRowCount(0);
    const ParamSet* run = store_.computedWith();
    if (!run) {
        table_->setRowCount(1);
        table_->setItem(0, 0,
                        new QTableWidgetItem(tr("Нет результатов: сначала выполните «Расчет»")));
        return;
    }
    const RunSummary summary =
        summarizeRun(store_, *run, store_.computedSteps(), summaryOptions(*run, delta_));
    std::vector<SummaryLine> lines = summaryLines(summary, numbers_.decimal);
    // A run that stopped part-way is summarised over its computed steps, and says so first.
    if (const std::string stop = runStopText(store_, numbers_.decimal); !stop.empty())
        lines.insert(lines.begin(), SummaryLine{stop, "", "", "", false});
    table_->clearSpans();
    table_->setRowCount(static_cast<int>(lines.size()));
    int row = 0;
    for (const SummaryLine& line : lines) {
        // A note (which run the figures come from, why there is no flywheel) is a sentence: it
        // takes the whole row, and its tooltip holds it whole where even that is too narrow.
        const bool note =
            !line.heading && line.value.empty() && line.step.empty() && line.angle.empty();
        if (note) table_->setSpan(row, 0, 1, 4);
        const std::string cells[] = {line.label, line.value, line.step, line.angle};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            if (line.heading) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A docked summary is narrow: the whole caption stays readable in the tip.
            if (column == 0) item->setToolTip(item->text());
            table_->setItem(row, column, item);
        }
        ++row;
    }
    // The numbers keep their widths; the captions take what is left (the first column stretches).
    for (int column = 1; column < 4; ++column)
        table_->resizeColumnToContents(column);
}

void SummaryWindow::setDelta(long double delta)
{
    delta_ = delta;
    deltaEdit_->setText(QString::fromStdString(FormatGeneral(delta, numbers_.decimal)));
    deltaFault_->clear();
}

void SummaryWindow::deltaTyped()
{
    long double value = 0;
    try {
        value = ParseRealAnySeparator(deltaEdit_->text().toStdString());
    } catch (const std::exception&) {
        value = -1;
    }
    if (!(value > 0 && value < 1)) {
        deltaFault_->setText(tr("δ должен лежать между 0 и 1"));
        return;
    }
    deltaFault_->clear();
    emit deltaChosen(value);
}

void SummaryWindow::setResultsStale(bool stale)
{
    staleLine_->setVisible(stale);
}

QString SummaryWindow::selectedText() const
{
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty())
        for (int r = 0; r < table_->rowCount(); ++r)
            rows.insert(r);
    QStringList out;
    for (int r : rows) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            cells << (item ? item->text() : QString());
        }
        // Trailing empty cells add nothing a spreadsheet would need.
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        out << cells.join(QLatin1Char('\t'));
    }
    return out.join(QLatin1Char('\n'));
}

void SummaryWindow::copySelection() const
{
    QGuiApplication::clipboard()->setText(selectedText());
}

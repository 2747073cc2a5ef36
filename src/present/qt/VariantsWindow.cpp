// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/VariantsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/WindowFit.h"
#include "present/VariantTable.h"

namespace {

constexpr int kNameColumn = 0, kChartColumn = 1, kFirstFigure = 2;
const QColor kBestBackground(198, 239, 206);

} // namespace

VariantsWindow::VariantsWindow(const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), numbers_(numbers)
{
    setObjectName("variantsWindow");
    setWindowTitle(tr("Варианты"));
    resize(1180, 360);
    fitToScreenWhenShown(this);
    auto* layout = new QVBoxLayout(this);
    emptyLine_ = new QLabel(
        tr("Вариантов нет: «Запомнить вариант» (Ctrl+M) сохраняет текущий расчёт"), this);
    emptyLine_->setObjectName("variantsEmpty");
    layout->addWidget(emptyLine_);

    QStringList header;
    for (const std::string& title : variantTable({}, std::nullopt, '.').header)
        header << QString::fromStdString(title);
    header.insert(1, tr("На графиках"));
    table_ = new QTableWidget(0, int(header.size()), this);
    table_->setObjectName("variantsTable");
    table_->setHorizontalHeaderLabels(header);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->setWordWrap(false);
    table_->setToolTip(
        tr("Имя варианта меняется двойным щелчком или F2; лучшие значения выделены"));
    layout->addWidget(table_);
    connect(table_, &QTableWidget::itemChanged, this, &VariantsWindow::itemChanged);

    auto* buttons = new QHBoxLayout;
    restoreButton_ = new QPushButton(tr("Восстановить"), this);
    restoreButton_->setObjectName("variantRestore");
    restoreButton_->setToolTip(tr("Вернуть параметры выбранного варианта на экран"));
    removeButton_ = new QPushButton(tr("Удалить"), this);
    removeButton_->setObjectName("variantRemove");
    buttons->addStretch(1);
    buttons->addWidget(restoreButton_);
    buttons->addWidget(removeButton_);
    layout->addLayout(buttons);
    connect(restoreButton_, &QPushButton::clicked, this, [this] {
        if (const auto v = selectedVariant()) emit restoreRequested(*v);
    });
    connect(removeButton_, &QPushButton::clicked, this, [this] {
        if (const auto v = selectedVariant()) emit removeRequested(*v);
    });
    auto enable = [this] {
        const bool chosen = selectedVariant().has_value();
        restoreButton_->setEnabled(chosen);
        removeButton_->setEnabled(chosen);
    };
    connect(table_, &QTableWidget::itemSelectionChanged, this, enable);
    enable();
}

void VariantsWindow::showVariants(const std::vector<Variant>& variants,
                                  const CurrentFigures& current)
{
    std::set<std::string> checked;
    for (size_t v : chosenForCharts())
        checked.insert(names_[v]);
    const std::optional<size_t> selected = selectedVariant();

    filling_ = true;
    names_.clear();
    hasCurrent_ = current.has_value();
    const DocumentTable shown = variantTable(variants, current, numbers_.decimal);
    table_->setRowCount(int(shown.rows.size()));
    for (size_t r = 0; r < shown.rows.size(); ++r) {
        const bool isCurrent = current && r == 0;
        auto* name = new QTableWidgetItem(QString::fromStdString(shown.rows[r][0]));
        auto* chart = new QTableWidgetItem;
        if (isCurrent) {
            name->setFlags(name->flags() & ~Qt::ItemIsEditable);
            QFont italic = name->font();
            italic.setItalic(true);
            name->setFont(italic);
            chart->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        } else {
            names_.push_back(shown.rows[r][0]);
            chart->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            chart->setCheckState(checked.count(shown.rows[r][0]) ? Qt::Checked : Qt::Unchecked);
        }
        table_->setItem(int(r), kNameColumn, name);
        table_->setItem(int(r), kChartColumn, chart);
        for (size_t f = 0; f + 1 < shown.rows[r].size(); ++f) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(shown.rows[r][f + 1]));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (shown.best[r][f + 1]) {
                QFont font = cell->font();
                font.setBold(true);
                cell->setFont(font);
                cell->setBackground(kBestBackground);
                cell->setToolTip(tr("лучшее значение в столбце"));
            }
            table_->setItem(int(r), kFirstFigure + int(f), cell);
        }
    }
    table_->resizeColumnsToContents();
    emptyLine_->setVisible(variants.empty());
    filling_ = false;
    if (selected && *selected < names_.size()) selectVariant(*selected);
}

std::vector<size_t> VariantsWindow::chosenForCharts() const
{
    std::vector<size_t> chosen;
    for (size_t v = 0; v < names_.size(); ++v)
        if (const QTableWidgetItem* item = table_->item(variantRow(v), kChartColumn);
            item && item->checkState() == Qt::Checked)
            chosen.push_back(v);
    return chosen;
}

int VariantsWindow::variantRow(size_t index) const
{
    return int(index) + (hasCurrent_ ? 1 : 0);
}

std::optional<size_t> VariantsWindow::selectedVariant() const
{
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    const int v = items.front()->row() - (hasCurrent_ ? 1 : 0);
    if (v < 0 || size_t(v) >= names_.size()) return std::nullopt;
    return size_t(v);
}

void VariantsWindow::selectVariant(size_t index)
{
    if (index < names_.size()) table_->selectRow(variantRow(index));
}

void VariantsWindow::itemChanged(QTableWidgetItem* item)
{
    if (filling_) return;
    const int v = item->row() - (hasCurrent_ ? 1 : 0);
    if (v < 0 || size_t(v) >= names_.size()) return;
    if (item->column() == kChartColumn) {
        emit chartChoiceChanged();
    } else if (item->column() == kNameColumn) {
        const std::string name = item->text().trimmed().toStdString();
        // An empty name would leave a row nobody can point at: the old one comes back.
        if (name.empty()) {
            filling_ = true;
            item->setText(QString::fromStdString(names_[size_t(v)]));
            filling_ = false;
            return;
        }
        emit renameRequested(size_t(v), name);
    }
}

QString VariantsWindow::tableText() const
{
    QStringList lines;
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c)
            if (c != kChartColumn) cells << (table_->item(r, c) ? table_->item(r, c)->text() : "");
        lines << cells.join('\t');
    }
    return lines.join('\n');
}

bool VariantsWindow::markedBest(int row, size_t figure) const
{
    const QTableWidgetItem* item = table_->item(row, kFirstFigure + int(figure));
    return item && item->font().bold();
}

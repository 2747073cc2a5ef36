// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ResultsGridModel.h"

#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "params/ParamSet.h"
#include "present/ShownCaption.h"

namespace {

const QVariant kRightAligned =
    QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));

// The catalogue's note on the quantity of grid row `row`, after a line break; "" without one.
QString noteLine(int row)
{
    const QuantityInfo* q = quantityAtRow(row);
    const std::string note = q ? quantityNote(*q) : std::string();
    return note.empty() ? QString() : QLatin1Char('\n') + QString::fromStdString(note);
}

} // namespace

ResultsGridModel::ResultsGridModel(QObject* parent) : QAbstractTableModel(parent) {}

GridText& ResultsGridModel::beginChange()
{
    beginResetModel();
    shown_.forgetSteps();
    return grid_;
}

void ResultsGridModel::showValues(const ResultStore& R, int32_t N, char decimal,
                                  const RefreshProgress& progress)
{
    shown_.assign(R, N, decimal, progress);
    grid_.setColumnCount(shown_.steps() + 1);
}

void ResultsGridModel::endChange()
{
    endResetModel();
}

int32_t ResultsGridModel::loadCaptions(const std::string& path)
{
    const int32_t count = ::loadCaptions(path, grid_);
    // Only the vertical header shows captions: cheaper than resetting 90000 columns.
    emit headerDataChanged(Qt::Vertical, 0, GridText::kRows - 2);
    return count;
}

QString ResultsGridModel::cellText(int column, int row) const
{
    if (column < 0 || row < 0 || row >= GridText::kRows) return {};
    if (shown_.holds(column, row)) return QString::fromStdString(shown_.cell(column, row));
    const std::string_view t = grid_.cell(column, row);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GridText::kRows - 1;
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.columnCount() - 1;
}

QVariant ResultsGridModel::fullValue(int column, int row) const
{
    // Only cells the refresh wrote hold a value of the store.
    if (!values_ || column < 1 || column >= grid_.columnCount() || column > ResultStore::kSteps ||
        row >= GridText::kValueRows)
        return {};
    const long double v = (*values_)(row, column);
    return QString::fromStdString(
               FormatGeneral(row == 0 ? v * kDegPerRad : v, numbers_ ? numbers_->decimal : '.')) +
           noteLine(row);
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
        // Texts are made here, on demand: holding 7 million QStrings would cost far more memory.
        return cellText(index.column() + 1, index.row() + 1);
    case Qt::ToolTipRole:
        return fullValue(index.column() + 1, index.row() + 1);
    case Qt::TextAlignmentRole:
        return kRightAligned; // as the angles above them
    default:
        return {};
    }
}

QVariant ResultsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole) return cellText(section + 1, 0);
        if (role == Qt::ToolTipRole) return fullValue(section + 1, 0);
        if (role == Qt::TextAlignmentRole) return kRightAligned;
        return {};
    }
    // Captions are longer than the fixed column shows; the tip gives the whole text, and what the
    // catalogue says the quantity means.
    const auto caption = [&] {
        return QString::fromStdString(
            shownRowCaption(section + 1, cellText(0, section + 1).toStdString()));
    };
    if (role == Qt::DisplayRole) return caption();
    if (role == Qt::ToolTipRole) return caption() + noteLine(section + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags ResultsGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable; // never editable
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The "Варианты" window: the variants kept in the project side by side with the current run, one
// row each, one column per key figure, the best value of each column marked. A variant's name is
// edited in place; buttons restore or delete the selected variant; a check box per variant lays
// its curves over the charts. The window shows what it is given and asks its owner for every
// change through signals.
#pragma once
#include <QWidget>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "calc/Variant.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The key figures of the current run, when there is one to show.
using CurrentFigures = std::optional<std::vector<std::optional<long double>>>;

class VariantsWindow : public QWidget {
    Q_OBJECT
public:
    explicit VariantsWindow(const NumberFormat& numbers, QWidget* parent = nullptr);

    // Shows `current` as the first row ("Текущий расчёт") when given, then every variant. Of the
    // variants checked for the charts, those whose name is still shown stay checked.
    void showVariants(const std::vector<Variant>& variants, const CurrentFigures& current);
    // The variants (indexes into the list shown) whose curves the charts lay over the run.
    std::vector<size_t> chosenForCharts() const;
    // The variant of the selected row, or nullopt when the current run or nothing is selected.
    std::optional<size_t> selectedVariant() const;
    void selectVariant(size_t index);
    // The table's text as shown, row by row, cells joined by tabs (for tests and the clipboard).
    QString tableText() const;
    // Whether the cell of variant row `row` (0: the first row shown) and figure column `figure`
    // is marked as the best of its column.
    bool markedBest(int row, size_t figure) const;

signals:
    void restoreRequested(size_t index);
    void removeRequested(size_t index);
    void renameRequested(size_t index, const std::string& name);
    // The check boxes for the charts changed.
    void chartChoiceChanged();

private:
    void itemChanged(QTableWidgetItem* item);
    int variantRow(size_t index) const; // the table row of a variant
    const NumberFormat& numbers_;
    QTableWidget* table_ = nullptr; // "variantsTable"
    QLabel* emptyLine_ = nullptr;   // "variantsEmpty"
    QPushButton* restoreButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    std::vector<std::string> names_; // of the variants shown
    bool hasCurrent_ = false;
    bool filling_ = false; // itemChanged is the user's only outside showVariants
};

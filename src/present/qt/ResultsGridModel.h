// SPDX-License-Identifier: GPL-3.0-or-later
// The results grid as a Qt table model over the grid's text (formats/ResultsText.h) and the
// values of the last refresh (formats/GridValues.h), whose cells are made into text as shown.
// Grid row 0 (crank angles) is the horizontal header, grid column 0 (captions) the vertical one.
// Values and angles are right-aligned; their tooltips give the full value the text was made from.
// The tooltips of a quantity's caption and values add, on a line of their own, what the quantity
// catalogue notes on it (quantityNote).
#pragma once
#include <QAbstractTableModel>

#include "base/NumberText.h"
#include "formats/GridValues.h"
#include "formats/ResultsText.h"

class ResultsGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsGridModel(QObject* parent = nullptr);

    const GridText& text() const { return grid_; }
    // Changes of the text go between beginChange() and endChange(), so views re-read it all.
    // beginChange forgets the values shown: the text's cells show again.
    GridText& beginChange();
    void endChange();
    // Between beginChange() and endChange(): shows steps 1..N of R's value rows (copied, see
    // GridValues::assign) over the text's cells, the column count N + 1. Throws as assign does,
    // the values then forgotten.
    void showValues(const ResultStore& R, int32_t N, char decimal,
                    const RefreshProgress& progress = {});
    // The values shown; none before the first showValues or after beginChange.
    const GridValues& values() const { return shown_; }
    // The store the grid's text was last made from (nullptr once it has been rewritten since):
    // the tooltip of cell (i, r) is FormatGeneral(R[r][i]) (and row r's note, see above), that of
    // the angle header FormatGeneral(R[0][i] in degrees). Without a store a cell has no tooltip.
    void setValues(const ResultStore* store) { values_ = store; }
    // The number format of the tooltips, which must outlive the model ('.' until set).
    void setNumberFormat(const NumberFormat* numbers) { numbers_ = numbers; }

    // Reads the caption file into column 0 (see loadCaptions) and returns the new caption count
    // (lines read + 1).
    // Throws InOutError with nothing changed.
    int32_t loadCaptions(const std::string& path);

    // Cell (column, row) of the grid, as the string grid addresses it: (0, k) is the caption of
    // row k, (i, 0) the crank angle of step i. A cell the values hold shows their text, any other
    // the text's.
    QString cellText(int column, int row) const;

    // Model rows are grid rows 1..99, model columns grid columns 1..count - 1.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The full value behind step cell (column, row), as a tooltip; empty when unknown.
    QVariant fullValue(int column, int row) const;

    GridText grid_;
    GridValues shown_;
    const ResultStore* values_ = nullptr;
    const NumberFormat* numbers_ = nullptr;
};

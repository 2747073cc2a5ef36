// SPDX-License-Identifier: GPL-3.0-or-later
// A key figure over two swept parameters drawn as a heat map: one coloured cell per variant
// (blue the smallest value, red the largest, grey where the variant gives none), the contour
// lines of a few levels over it, the first key rising upward and the second rightward, the ends
// of both ranges written at the sides. The cell under the pointer is reported as it moves; a
// click selects a cell, and with the keyboard focus the arrow keys move the selection (from the
// first cell when there is none).
#pragma once
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "present/HeatMap.h"

class HeatMapView : public QWidget {
    Q_OBJECT
public:
    explicit HeatMapView(QWidget* parent = nullptr);

    // What the sides say: each axis's title and the text of its first and last value.
    struct Axes {
        QString rowTitle, rowFirst, rowLast;
        QString colTitle, colFirst, colLast;
    };
    // Shows `grid`, its contour lines at `levels`, and `axes`; the selection is cleared.
    void setMap(HeatMapGrid grid, std::vector<double> levels, Axes axes);
    // Shows nothing.
    void showNoMap();

    // The cell (row, column) drawn under `pos`, nullopt outside the map.
    std::optional<std::pair<int, int>> cellAt(QPoint pos) const;
    // Where cell (row, column) is drawn, in the view's coordinates.
    QRect cellRect(int row, int col) const;
    // The cell selected by a click, if any.
    std::optional<std::pair<int, int>> selected() const { return selected_; }
    const HeatMapGrid& grid() const { return grid_; }
    // How many contour segments are drawn.
    size_t contourCount() const { return segmentCount_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    // The pointer is over cell (row, column); (-1, -1) once it leaves the map.
    void hovered(int row, int col);
    // A cell was clicked and is now the selected one.
    void cellSelected(int row, int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The rectangle the cells fill, inside the room the side texts take.
    QRectF mapArea() const;
    // Makes cell (row, column) the selected one and says so.
    void select(int row, int col);

    HeatMapGrid grid_;
    std::vector<std::vector<ContourSegment>> contours_; // per level
    size_t segmentCount_ = 0;
    Axes axes_;
    std::optional<std::pair<int, int>> selected_;
    std::optional<std::pair<int, int>> hovered_;
};

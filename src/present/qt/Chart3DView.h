// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view with a three-dimensional look: the series drawn as a ribbon with depth, the left
// and bottom walls drawn in depth, the back wall outlined but not filled. The chart itself keeps
// the axes and the zoom; this view paints the title, the box and the ribbon around its plot area.
#pragma once
#include "present/qt/ChartView.h"

class Chart3DView : public MarkedChartView {
    Q_OBJECT
public:
    // `chart` must already have its two value axes; the view draws the chart's title itself.
    explicit Chart3DView(QChart* chart, QWidget* parent = nullptr);

    // Sets the chart's title, which the view wraps onto more lines where it is wider than the
    // view, and makes room for it above the plot.
    void setTitle(const QString& title);

    static constexpr int kDepth = 14; // pixels right and up from the front to the back plane
    QPointF depth() const { return {kDepth, -kDepth}; }

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;
    // The series as a ribbon from the front plane to the back one.
    void drawSeries(QPainter& painter, const QXYSeries& series,
                    const std::vector<QPointF>& polyline) override;

private:
    void layoutPlotArea();
    QRectF titleRect() const; // where the title is drawn, wrapped to the view's width
};

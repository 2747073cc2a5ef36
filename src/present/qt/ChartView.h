// SPDX-License-Identifier: GPL-3.0-or-later
// A chart view shared by the chart windows: series drawn by the view itself, value marks over
// them, a readout of the point under the mouse, zoom by dragging a rectangle, and a popup menu on
// the right button.
//
// Qt Charts recomputes a path and its outline for every point of every series at each zoom step,
// which at 90000 points takes a large fraction of a second; so the series holding the data stay
// out of the chart, and the view draws only what each pixel column can show. The chart holds an
// empty stand-in per series, for the legend, the axes and the zoom.
#pragma once
#include <QChartView>
#include <QList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "present/qt/ValueMarks.h"

class QLineSeries;
class QMenu;
class QValueAxis;

// The points of `data` (in increasing x) that the range of `m` shows, plus one beyond each side,
// mapped to view pixels; where several share a pixel column only the column's first, lowest,
// highest and last remain, so the polyline keeps its outline at any length.
std::vector<QPointF> screenPolyline(const QList<QPointF>& data, const PlotMapping& m);

// The readout of one point: "φ = <angle>°; <name> = <value> <unit>", the angle with two decimals
// and the value as a value mark writes it, both with `decimal` as the separator; no unit, no
// space before it.
QString readoutText(double angle, const QString& name, double value, const QString& unit,
                    char decimal);

// A curve of another run laid over a chart (a variant's): its name for the legend, its colour
// and its points in increasing x.
struct ChartOverlay {
    QString name;
    QColor colour;
    Qt::PenStyle style = Qt::DashLine; // two curves of one variant differ by it
    QList<QPointF> points;
};

// The overlays for store rows `rows`: for each variant chosen, one curve per row.
using OverlaySource = std::function<std::vector<ChartOverlay>(const std::vector<int>& rows)>;

class MarkedChartView : public QChartView {
    Q_OBJECT
public:
    // `chart` must already have its horizontal and vertical value axes.
    explicit MarkedChartView(QChart* chart, QWidget* parent = nullptr);

    // Draws `data` (points in increasing x) with its pen, and gives the chart a stand-in of the
    // same name and pen. Its value marks, on `background`, are shown or hidden at first.
    void addSeries(QXYSeries* data, const QColor& background, bool marksShown);
    void setMarksVisible(const QXYSeries* series, bool visible);
    bool marksVisible(const QXYSeries* series) const;
    // With `every`, each point the plot can tell apart gets its mark even where marks collide;
    // without (the default), only the marks that fit (see placeMarks).
    void setEveryMark(bool every);
    bool everyMark() const { return everyMark_; }
    // The marks as they are drawn now (placed again only when the data, the ranges or the
    // visibility changed since the last placement).
    const QList<PlacedMark>& currentMarks();

    // The name and unit the readout gives the values of `series` (see readoutText).
    void setReadoutQuantity(const QXYSeries* series, const QString& name, const QString& unit);
    // Follows the mouse: the point nearest to view position `pos` among the series' points
    // nearest to it in x becomes the readout's, drawn beside its point; outside the plot area
    // there is none.
    void showReadoutAt(QPointF pos);
    // The readout's text now; empty while the mouse is off the plot or there are no points.
    QString readout() const { return readout_; }
    // Titles of the x and y axes.
    void setAxisTitles(const QString& x, const QString& y);

    // The decimal separator of the value marks and of the chart's axes (see localizeAxes); the
    // marks take '.' until it is set.
    void setDecimal(char decimal);
    // The menu shown on a right click in the view.
    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    // Replaces the overlays: each drawn as a thin dashed line under the series, named in the
    // legend, without marks or readout. fitAxes takes them into the range.
    void setOverlays(std::vector<ChartOverlay> overlays);
    const std::vector<ChartOverlay>& overlays() const { return overlays_; }
    // Sets the axes to the range of `data` (x exactly, y in round numbers; 0..1 with no points)
    // and forgets any zoom.
    void fitAxes(std::initializer_list<const QList<QPointF>*> data);
    QValueAxis* axisX() const;
    QValueAxis* axisY() const;
    // Data-to-view mapping of the current ranges and plot area.
    PlotMapping mapping() const;
    // The crank-angle cursor: a vertical line at x = `angle` while it lies in the plot's range;
    // nullopt removes it.
    void setCursorAngle(std::optional<double> angle);
    std::optional<double> cursorAngle() const { return cursorAngle_; }

signals:
    // A left click (pressed and released within a few pixels) in the plot area, at x = `x` of
    // the data: where the cursor is asked to go.
    void angleClicked(double x);

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Where marks may lie; the plot area unless a subclass draws more around it.
    virtual QRectF markBounds() const;
    // Draws one series from its screen polyline; a plain line with the series' pen, clipped to
    // the plot area.
    virtual void drawSeries(QPainter& painter, const QXYSeries& series,
                            const std::vector<QPointF>& polyline);

private:
    struct Layer {
        QXYSeries* series;
        QColor background;
        bool visible;
        QString name, unit;
    };
    void invalidateMarks() { marksValid_ = false; }
    void clearReadout();
    void drawReadout(QPainter& painter) const;
    QList<Layer> layers_;
    std::vector<ChartOverlay> overlays_;
    std::vector<QLineSeries*> overlayStandIns_;
    QList<PlacedMark> marks_;
    bool marksValid_ = false;
    bool everyMark_ = false;
    QString readout_;
    QPointF readoutPoint_; // the readout's point in data coordinates
    char decimal_ = '.';
    PlotMapping placedFor_;
    QMenu* popup_ = nullptr;
    QPoint pressPos_;
    std::optional<double> cursorAngle_;
    // The series' screen polylines for polylinesFor_, in layers_ order (drawForeground).
    std::vector<std::vector<QPointF>> polylines_;
    PlotMapping polylinesFor_;
    bool polylinesValid_ = false;
};

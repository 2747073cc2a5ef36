// SPDX-License-Identifier: GPL-3.0-or-later
// Value marks of chart series: each visible point's value in a small framed box beside it, drawn
// only where the box fits without covering another mark, so dense series stay readable and cheap.
#pragma once
#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string>

class QPainter;
class QXYSeries;

// The mark text of a value: "#,##0.###" with `decimal` as the decimal separator and the group
// separator of the default QLocale (see markText and markGroupSeparator).
QString markLabel(double value, char decimal);
// The same with the group separator already chosen (a pass formats many marks).
QString markLabel(double value, const std::string& group, char decimal);

// Linear mapping of data coordinates onto a plot rectangle in view pixels.
struct PlotMapping {
    QRectF plot;               // the plot area in view coordinates
    double xMin = 0, xMax = 1; // data range shown across the plot
    double yMin = 0, yMax = 1;
    QPointF map(QPointF p) const;
};

// One series whose marks are wanted. Its points must be in increasing x.
struct MarkSource {
    const QXYSeries* series = nullptr;
    QColor background;
};

struct PlacedMark {
    QPointF anchor; // the point the mark belongs to
    QRectF box;     // the mark's frame
    QString text;
    QColor background;
    int source = 0; // index into the sources given to placeMarks
};

// Which marks placeMarks keeps: only those that fit beside the others, or one for every point the
// plot can tell apart, colliding or not.
enum class MarkPlacement { Fitting, Every };

// Places the marks of the sources, in order, left to right within each, each mark trying a few
// spots above and below its point and taking the first one inside `bounds` that overlaps no mark
// already placed; a point with no such spot gets no mark. Only points inside mapping.plot are
// considered, found by binary search on x; where several share a pixel column only the column's
// first, lowest, highest and last are; and a spot that cannot fit even the narrowest text is
// rejected before the text is formatted. So the cost follows the pixels, not the series' length.
// Mark texts take `decimal` as the decimal separator. With MarkPlacement::Every a point with no
// free spot still gets its mark, at the first spot inside `bounds` (or the first spot at all).
// A source with more points in view than the plot is wide is dense: its marks take only the
// nearest spots (right above or below the point) and never overlap, whatever the placement.
QList<PlacedMark> placeMarks(const QList<MarkSource>& sources, const PlotMapping& mapping,
                             const QRectF& bounds, const QFont& font, char decimal,
                             MarkPlacement placement = MarkPlacement::Fitting);

// Draws placed marks: leader line from the point, coloured frame, black text.
void drawMarks(QPainter& painter, const QList<PlacedMark>& marks, const QFont& font);

// The font of the marks: DejaVu Sans of 10 pixels.
QFont markFont();

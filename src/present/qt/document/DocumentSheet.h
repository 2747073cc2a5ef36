// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one A4 page of the printable document in millimetres: texts in the document's font
// (DejaVu, loaded from its files so that every machine draws and embeds the same one), tables,
// plots over an axis pair, and the footer with the page number. Everything is drawn as vectors.
#pragma once
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QPainter;

// The page in mm: A4 portrait and the printed area inside its margins.
inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;
inline constexpr double kLeftMm = 20;
inline constexpr double kRightMm = 200;
inline constexpr double kTopMm = 15;
inline constexpr double kBottomMm = 282;
inline constexpr double kRowMm = 5;

// The document's font family, after loading DejaVu Sans and its bold face from
// /usr/share/fonts/truetype/dejavu/ once (QFontDatabase::addApplicationFont); the family name
// stays usable when the files are missing, and the toolkit then substitutes.
QString documentFontFamily();

// A plotted line: points in the plot's own units, its colour and its legend ("" for none).
struct PlotCurve {
    std::vector<QPointF> points;
    QColor colour;
    QString legend;
};

class Sheet {
public:
    // A sheet on `painter`, whose device has `dotsPerMm` dots per millimetre on both axes.
    Sheet(QPainter& painter, double dotsPerMm);

    QPainter& painter() { return painter_; }
    double dots(double mm) const { return mm * dotsPerMm_; }
    QPointF at(double xMm, double yMm) const { return {dots(xMm), dots(yMm)}; }
    QRectF rect(const QRectF& mm) const;
    QFont font(double points, bool bold = false) const;

    // A text on one line in the rectangle (mm), at `points` or smaller until it fits its width.
    void fittedText(const QRectF& mm, const QString& text, double points, bool bold = false);
    // A text in the rectangle (mm) with the alignment, on one line unless it wraps.
    void text(const QRectF& mm, const QString& text, double points, bool bold = false,
              int flags = 0);
    // A paragraph across the printed width from y (mm) down, wrapped at spaces; returns the y
    // below its last line.
    double paragraph(double y, const QString& text, double points);
    // The page's heading at the top of the printed area; returns the y (mm) below it.
    double heading(const QString& title);
    // How a table's header is set: each cell wrapped at its words within its column (the column
    // less 1 mm each side) at `points[c]` (9, or less where one word is wider than the column,
    // down to 6), and the header's height in mm, that of its tallest cell and at least one row.
    struct HeaderLayout {
        double heightMm = kRowMm;
        std::vector<double> points;
    };
    HeaderLayout headerLayout(const std::vector<double>& widths, const QStringList& header) const;
    // A table from y (mm) down: column widths in mm summing to the printed width at most, the
    // header bold, wrapped as headerLayout says and underlined, each cell bold where `bold` says
    // so (may be shorter), each row `rowMm` high. Returns the y below the last row.
    double table(double y, const std::vector<double>& widths, const QStringList& header,
                 const std::vector<QStringList>& rows,
                 const std::vector<std::vector<bool>>& bold = {}, double rowMm = kRowMm);
    // A plot in `mm`: frame, grid, ticks with labels in `decimal`, the axis titles and the
    // curves as paths, a legend when more than one curve is named.
    void plot(const QRectF& mm, const QString& xTitle, const QString& yTitle,
              const std::vector<PlotCurve>& curves, char decimal);
    // "стр. N из M" centred below the printed area.
    void footer(const std::string& text);

private:
    QPainter& painter_;
    double dotsPerMm_;
    QString family_;
};

// The points of a curve thinned for print: at most about 2·buckets points, keeping each bucket's
// least and greatest value in their order, so the envelope of a dense curve is kept whole.
std::vector<QPointF> thinnedCurve(const std::vector<QPointF>& points, size_t buckets = 800);

// Round tick positions covering [low, high], which are widened to the outer ticks: a step of 1,
// 2 or 5 times a power of ten giving about `count` intervals; for an axis in degrees a step of
// 15, 30, 45, 60, 90 or 180 where one fits. A degenerate range is widened around its value.
std::vector<double> niceTicks(double& low, double& high, int count = 5, bool degrees = false);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/document/DocumentSheet.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"

QString documentFontFamily()
{
    // Loaded once per process: a family registered twice would be two families.
    static const QString family = [] {
        const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
        QString name = QStringLiteral("DejaVu Sans");
        for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(dir + QLatin1String(file));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) name = families.front();
        }
        return name;
    }();
    return family;
}

Sheet::Sheet(QPainter& painter, double dotsPerMm)
    : painter_(painter), dotsPerMm_(dotsPerMm), family_(documentFontFamily())
{
}

QRectF Sheet::rect(const QRectF& mm) const
{
    return {dots(mm.x()), dots(mm.y()), dots(mm.width()), dots(mm.height())};
}

QFont Sheet::font(double points, bool bold) const
{
    QFont f(family_);
    // The size in dots, so that the page's scale alone decides it, on a printer as in a PDF.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(dots(points * 25.4 / 72)))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

void Sheet::text(const QRectF& mm, const QString& text, double points, bool bold, int flags)
{
    painter_.setFont(font(points, bold));
    painter_.setPen(Qt::black);
    painter_.drawText(rect(mm), flags ? flags : Qt::AlignLeft | Qt::AlignVCenter, text);
}

void Sheet::fittedText(const QRectF& mm, const QString& text, double points, bool bold)
{
    // A long note (a flywheel's reason, a warning) shrinks rather than run into the next row.
    while (points > 5 &&
           QFontMetricsF(font(points, bold)).horizontalAdvance(text) > dots(mm.width()))
        points -= 0.5;
    this->text(mm, text, points, bold);
}

double Sheet::paragraph(double y, const QString& text, double points)
{
    const QRectF area = rect(QRectF(kLeftMm, y, kRightMm - kLeftMm, kBottomMm - y));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter_.setFont(font(points));
    painter_.setPen(Qt::black);
    QRectF used;
    painter_.drawText(area, flags, text, &used);
    return y + used.height() / dotsPerMm_;
}

double Sheet::heading(const QString& title)
{
    text(QRectF(kLeftMm, kTopMm, kRightMm - kLeftMm, 8), title, 13, true);
    painter_.setPen(QPen(Qt::black, dots(0.3)));
    painter_.drawLine(at(kLeftMm, kTopMm + 9), at(kRightMm, kTopMm + 9));
    return kTopMm + 12;
}

Sheet::HeaderLayout Sheet::headerLayout(const std::vector<double>& widths,
                                        const QStringList& header) const
{
    HeaderLayout layout;
    for (size_t c = 0; c < widths.size() && c < static_cast<size_t>(header.size()); ++c) {
        const QString& cell = header[static_cast<int>(c)];
        const double room = dots(widths[c] - 2);
        double points = 9;
        QRectF bounds;
        for (;; points -= 0.5) {
            const QFontMetricsF metrics(font(points, true), painter_.device());
            bounds = metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, cell);
            if (bounds.width() <= room || points <= 6) break;
        }
        layout.points.push_back(points);
        layout.heightMm = std::max(layout.heightMm, bounds.height() / dots(1) + 0.5);
    }
    return layout;
}

double Sheet::table(double y, const std::vector<double>& widths, const QStringList& header,
                    const std::vector<QStringList>& rows,
                    const std::vector<std::vector<bool>>& bold, double rowMm)
{
    auto row = [&](const QStringList& cells, double top, const std::vector<bool>* strong) {
        double x = kLeftMm;
        for (size_t c = 0; c < widths.size() && c < static_cast<size_t>(cells.size()); ++c) {
            const bool b = strong == nullptr || (c < strong->size() && (*strong)[c]);
            text(QRectF(x + 1, top, widths[c] - 2, rowMm), cells[static_cast<int>(c)], 9, b);
            x += widths[c];
        }
    };
    double total = 0;
    for (double w : widths)
        total += w;
    // A heading longer than its column wraps instead of being cut off at the column's edge.
    const HeaderLayout layout = headerLayout(widths, header);
    double x = kLeftMm;
    for (size_t c = 0; c < widths.size() && c < static_cast<size_t>(header.size()); ++c) {
        text(QRectF(x + 1, y, widths[c] - 2, layout.heightMm), header[static_cast<int>(c)],
             layout.points[c], true, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap);
        x += widths[c];
    }
    y += layout.heightMm;
    painter_.setPen(QPen(Qt::black, dots(0.25)));
    painter_.drawLine(at(kLeftMm, y), at(kLeftMm + total, y));
    const std::vector<bool> none;
    for (size_t r = 0; r < rows.size(); ++r) {
        row(rows[r], y, r < bold.size() ? &bold[r] : &none);
        y += rowMm;
    }
    return y;
}

std::vector<QPointF> thinnedCurve(const std::vector<QPointF>& points, size_t buckets)
{
    if (points.size() <= 2 * buckets) return points;
    std::vector<QPointF> out;
    const size_t per = (points.size() + buckets - 1) / buckets;
    for (size_t first = 0; first < points.size(); first += per) {
        const auto begin = points.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end =
            points.begin() + static_cast<std::ptrdiff_t>(std::min(points.size(), first + per));
        const auto [low, high] = std::minmax_element(
            begin, end, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        out.push_back(low < high ? *low : *high);
        if (low != high) out.push_back(low < high ? *high : *low);
    }
    return out;
}

std::vector<double> niceTicks(double& low, double& high, int count, bool degrees)
{
    if (!(high > low)) {
        const double pad = low == 0 ? 1 : std::abs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    if (degrees && raw <= 180)
        for (double d : {15.0, 30.0, 45.0, 60.0, 90.0, 180.0})
            if (d >= raw) {
                step = d;
                break;
            }
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    std::vector<double> ticks;
    for (double t = low; t <= high + step / 2; t += step)
        ticks.push_back(std::abs(t) < step * 1e-9 ? 0 : t);
    return ticks;
}

void Sheet::plot(const QRectF& mm, const QString& xTitle, const QString& yTitle,
                 const std::vector<PlotCurve>& curves, char decimal)
{
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    bool any = false;
    for (const PlotCurve& c : curves)
        for (const QPointF& p : c.points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
            x0 = any ? std::min(x0, p.x()) : p.x();
            x1 = any ? std::max(x1, p.x()) : p.x();
            y0 = any ? std::min(y0, p.y()) : p.y();
            y1 = any ? std::max(y1, p.y()) : p.y();
            any = true;
        }
    const std::vector<double> xs = niceTicks(x0, x1, 6, xTitle.endsWith(QStringLiteral("°"))),
                              ys = niceTicks(y0, y1, 5);
    // The plot area leaves room for the tick labels and titles on the left and below.
    const QRectF area(mm.x() + 22, mm.y() + 6, mm.width() - 24, mm.height() - 18);
    auto toPage = [&](double x, double y) {
        return at(area.left() + (x - x0) / (x1 - x0) * area.width(),
                  area.bottom() - (y - y0) / (y1 - y0) * area.height());
    };
    auto label = [&](double v) { return QString::fromStdString(FormatGeneral(v, decimal)); };
    painter_.setPen(QPen(QColor(200, 200, 200), dots(0.1)));
    for (double x : xs)
        painter_.drawLine(toPage(x, y0), toPage(x, y1));
    for (double y : ys)
        painter_.drawLine(toPage(x0, y), toPage(x1, y));
    for (double x : xs) {
        const QPointF p = toPage(x, y0);
        text(QRectF(p.x() / dotsPerMm_ - 10, area.bottom() + 1, 20, 4), label(x), 7, false,
             Qt::AlignCenter);
    }
    for (double y : ys) {
        const QPointF p = toPage(x0, y);
        text(QRectF(mm.x(), p.y() / dotsPerMm_ - 2, 21, 4), label(y), 7, false,
             Qt::AlignRight | Qt::AlignVCenter);
    }
    text(QRectF(area.left(), area.bottom() + 6, area.width(), 5), xTitle, 8, false,
         Qt::AlignCenter);
    text(QRectF(mm.x(), mm.y(), mm.width(), 5), yTitle, 8, true);
    painter_.setPen(QPen(Qt::black, dots(0.25)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect(area));
    painter_.save();
    painter_.setClipRect(rect(area));
    for (const PlotCurve& c : curves) {
        QPainterPath path;
        bool open = false;
        for (const QPointF& p : thinnedCurve(c.points)) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
                open = false;
                continue;
            }
            if (open)
                path.lineTo(toPage(p.x(), p.y()));
            else
                path.moveTo(toPage(p.x(), p.y()));
            open = true;
        }
        painter_.setPen(QPen(c.colour, dots(0.35)));
        painter_.drawPath(path);
    }
    painter_.restore();
    if (curves.size() < 2) return;
    double x = area.right() - 28;
    double y = mm.y();
    for (const PlotCurve& c : curves) {
        painter_.setPen(QPen(c.colour, dots(0.6)));
        painter_.drawLine(at(x, y + 2.5), at(x + 5, y + 2.5));
        text(QRectF(x + 6, y, 22, 5), c.legend, 7);
        x -= 30;
    }
}

void Sheet::footer(const std::string& text)
{
    this->text(QRectF(kLeftMm, kBottomMm + 3, kRightMm - kLeftMm, 5), QString::fromStdString(text),
               8, false, Qt::AlignCenter);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism's page. The positions are those of the kinematic stage: A turns with the crank
// about O, B turns with the rod about A by the change of the rod's angle psi, with
// cos psi = (b − l1·cos fi) / l2 and, in the 720 mode, the stage's branch rule.
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Kinematic.h"
#include "calc/RodReach.h"
#include "present/qt/document/DocumentPages.h"
#include "present/qt/document/LabelPlacement.h"

namespace {

struct Position {
    QPointF a, b;
};

QPointF turned(QPointF v, long double angle)
{
    const long double c = std::cos(angle), s = std::sin(angle);
    return {static_cast<double>(c * v.x() - s * v.y()), static_cast<double>(s * v.x() + c * v.y())};
}

long double rodAngle(const ParamSet& p, long double fi)
{
    long double psi = std::acos((p.b - std::cos(fi) * p.l1) / p.l2);
    if (p.mode != 0 && rodBranchAtDegrees(deg(fi)) == RodBranch::Negative) psi = -psi;
    return psi;
}

// The twelve positions from the start, every 30° of crank angle.
std::vector<Position> positionPlan(const ParamSet& p)
{
    const QPointF a0(static_cast<double>(p.ac4), static_cast<double>(p.bc4));
    const QPointF b0(static_cast<double>(p.ac5), static_cast<double>(p.bc5));
    const long double psi0 = rodAngle(p, rad(p.fi0));
    std::vector<Position> plan;
    for (int k = 0; k < 12; ++k) {
        const long double dfi = rad(30.0L * k);
        const QPointF a = turned(a0, dfi);
        plan.push_back({a, a + turned(b0 - a0, rodAngle(p, rad(p.fi0) + dfi) - psi0)});
    }
    return plan;
}

// The first of the twelve angles at which the rod cannot reach the guide, or none.
std::optional<long double> unassembledAngle(const ParamSet& p)
{
    ParamSet q = p;
    q.step = rad(30.0L);
    q.N = 12;
    const RodReach reach = checkRodReach(q);
    if (reach.kind == RodReach::Kind::Unreachable) return reach.angleDegrees;
    return std::nullopt;
}

// Metres per millimetre of the drawing: 1, 2, 2.5 or 5 times a power of ten, the least that
// fits `span` metres into `room` mm.
double drawingScale(double span, double room)
{
    const double raw = std::max(span, 1e-9) / room;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

// A drawing to scale in a box of the page. Its labels are placed once every line and mark is
// drawn (finish), so that none lands on a line or on another label.
class Drawing {
public:
    Drawing(Sheet& sheet, QRectF box, QRectF world, double scale)
        : sheet_(sheet), box_(box), world_(world), scale_(scale)
    {
    }
    QPointF at(QPointF w) const
    {
        const double x = box_.center().x() + (w.x() - world_.center().x()) / scale_;
        const double y = box_.center().y() - (w.y() - world_.center().y()) / scale_;
        return sheet_.at(x, y);
    }
    QPointF mm(QPointF w) const { return at(w) / sheet_.dots(1); }
    void line(QPointF a, QPointF b, const QPen& pen)
    {
        sheet_.painter().setPen(pen);
        sheet_.painter().drawLine(at(a), at(b));
        lines_.emplace_back(mm(a), mm(b));
    }
    void joint(QPointF w, const QColor& fill, double radiusMm)
    {
        QPainter& p = sheet_.painter();
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(at(w), sheet_.dots(radiusMm), sheet_.dots(radiusMm));
        p.setBrush(Qt::NoBrush);
        const QPointF c = mm(w);
        marks_.emplace_back(c.x() - radiusMm, c.y() - radiusMm, 2 * radiusMm, 2 * radiusMm);
    }
    // A label of point `w`, its centre at (dxMm, dyMm) from it where that is clear.
    void label(QPointF w, const QString& text, double dxMm, double dyMm, double points = 9)
    {
        const QFontMetricsF metrics(sheet_.font(points), sheet_.painter().device());
        const double margin = 0.3;
        const QSizeF size(metrics.horizontalAdvance(text) / sheet_.dots(1) + 2 * margin,
                          metrics.height() / sheet_.dots(1));
        requests_.push_back({mm(w), size, QPointF(dxMm, dyMm)});
        texts_.push_back({text, points});
    }
    // Places and draws the labels; returns what the drawing holds, for checking.
    SchemeMarks finish()
    {
        const std::vector<QRectF> rects = placeLabels(requests_, lines_, marks_);
        SchemeMarks out{lines_, marks_, {}, {}};
        for (size_t k = 0; k < rects.size(); ++k) {
            sheet_.text(rects[k], texts_[k].first, texts_[k].second, false, Qt::AlignCenter);
            out.labels.push_back(rects[k]);
            out.anchors.push_back(requests_[k].anchor);
        }
        return out;
    }
    QPen pen(const QColor& c, double widthMm, Qt::PenStyle style = Qt::SolidLine) const
    {
        QPen p(c, sheet_.dots(widthMm));
        p.setStyle(style);
        return p;
    }

private:
    Sheet& sheet_;
    QRectF box_, world_;
    double scale_;
    std::vector<QLineF> lines_;
    std::vector<QRectF> marks_;
    std::vector<LabelRequest> requests_;
    std::vector<std::pair<QString, double>> texts_;
};

QString number(long double v, char decimal)
{
    return QString::fromStdString(FormatGeneral(v, decimal));
}

void drawStart(Drawing& d, const ParamSet& p, double yTop, double yBottom)
{
    const QPointF o(0, 0), a(double(p.ac4), double(p.bc4)), b(double(p.ac5), double(p.bc5));
    const QPointF c[3] = {{double(p.ac1), double(p.bc1)},
                          {double(p.ac2), double(p.bc2)},
                          {double(p.ac3), double(p.bc3)}};
    // The guide x = b over the drawing's height, dash-dotted as an axis.
    d.line(QPointF(p.b, yTop), QPointF(p.b, yBottom),
           d.pen(QColor(60, 60, 60), 0.2, Qt::DashDotLine));
    d.line(o, a, d.pen(Qt::black, 0.7));
    d.line(a, b, d.pen(Qt::black, 0.7));
    // The slider: a block on the guide around B.
    const double half = 0.04 * std::max(std::abs(p.l1), std::abs(p.l2));
    const QPointF corners[4] = {{b.x() - half, b.y() - half},
                                {b.x() + half, b.y() - half},
                                {b.x() + half, b.y() + half},
                                {b.x() - half, b.y() + half}};
    for (int k = 0; k < 4; ++k)
        d.line(corners[k], corners[(k + 1) % 4], d.pen(Qt::black, 0.4));
    // The dimensions: l1 and l2 beside their links, b between the axis through O and the guide.
    const QPointF oa = (o + a) / 2, ab = (a + b) / 2;
    d.label(oa, QStringLiteral("l1"), -4, -3);
    d.label(ab, QStringLiteral("l2"), 5, -3);
    const double yDim = yBottom;
    d.line(QPointF(0, yTop), QPointF(0, yDim), d.pen(QColor(60, 60, 60), 0.15, Qt::DashLine));
    d.line(QPointF(0, yDim), QPointF(p.b, yDim), d.pen(Qt::black, 0.2));
    d.label((QPointF(0, yDim) + QPointF(p.b, yDim)) / 2, QStringLiteral("b"), 0, -3);
    d.label(o, QStringLiteral("O"), -4, 4, 10);
    d.label(a, QStringLiteral("A"), -4, -4, 10);
    d.label(b, QStringLiteral("B"), 5, 4, 10);
    for (int i = 0; i < 3; ++i) {
        d.joint(c[i], Qt::black, 0.7);
        d.label(c[i], QStringLiteral("C%1").arg(i + 1), 4, 4, 8);
    }
    d.joint(o, kJointOColour, 1.6);
    d.joint(a, kJointAColour, 1.6);
    d.joint(b, kJointBColour, 1.6);
}

void drawPlan(Drawing& d, const ParamSet& p, const std::vector<Position>& plan, double yTop,
              double yBottom)
{
    d.line(QPointF(p.b, yTop), QPointF(p.b, yBottom),
           d.pen(QColor(120, 120, 120), 0.15, Qt::DashDotLine));
    const QColor light(150, 150, 150);
    for (size_t k = 0; k < plan.size(); ++k) {
        d.line(QPointF(0, 0), plan[k].a, d.pen(light, 0.25));
        d.line(plan[k].a, plan[k].b, d.pen(light, 0.25));
        d.joint(plan[k].a, QColor(90, 90, 90), 0.5);
        d.joint(plan[k].b, QColor(90, 90, 90), 0.5);
        d.label(plan[k].a * 1.12, QString::number(k), 0, 0, 7);
    }
    d.joint(QPointF(0, 0), QColor(40, 40, 40), 0.8);
}

} // namespace

void paintMechanismPage(Sheet& sheet, const DocumentInput& in, SchemeMarks* marks)
{
    const ParamSet& p = *in.run;
    double y = sheet.heading(QString::fromStdString(uiText("Document", "Схема механизма")));
    const std::optional<long double> broken = unassembledAngle(p);
    const std::vector<Position> plan = broken ? std::vector<Position>{} : positionPlan(p);

    // One scale for both drawings, from every point either shows.
    std::vector<QPointF> points = {{0, 0},
                                   {double(p.ac4), double(p.bc4)},
                                   {double(p.ac5), double(p.bc5)},
                                   {double(p.ac1), double(p.bc1)},
                                   {double(p.ac2), double(p.bc2)},
                                   {double(p.ac3), double(p.bc3)},
                                   {p.b, double(p.bc5)}};
    for (const Position& pos : plan) {
        points.push_back(pos.a);
        points.push_back(pos.b);
    }
    double x0 = points[0].x(), x1 = x0, y0 = points[0].y(), y1 = y0;
    for (const QPointF& q : points) {
        if (!std::isfinite(q.x()) || !std::isfinite(q.y())) continue;
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    }
    const double pad = 0.08 * std::max(x1 - x0, y1 - y0) + 1e-9;
    const QRectF world(QPointF(x0 - pad, y0 - pad), QPointF(x1 + pad, y1 + pad));
    const double boxW = kRightMm - kLeftMm, boxH = 105;
    const double scale =
        std::max(drawingScale(world.width(), boxW), drawingScale(world.height(), boxH));
    const char d = in.decimal;
    sheet.text(QRectF(kLeftMm, y, boxW, 5),
               QString::fromStdString(
                   uiText("Document", "Начальное положение, φ = %1°; масштаб μl = %2 м/мм"))
                   .arg(number(p.fi0, d), number(scale, d)),
               9);
    sheet.text(QRectF(kLeftMm, y + 5, boxW, 5),
               QString::fromStdString(uiText("Document", "l1 = %1 м, l2 = %2 м, b = %3 м"))
                   .arg(number(p.l1, d), number(p.l2, d), number(p.b, d)),
               9);
    Drawing start(sheet, QRectF(kLeftMm, y + 12, boxW, boxH), world, scale);
    drawStart(start, p, world.bottom(), world.top());
    const SchemeMarks startMarks = start.finish();
    if (marks) *marks = startMarks;
    y += 12 + boxH + 6;
    sheet.text(QRectF(kLeftMm, y, boxW, 5),
               QString::fromStdString(
                   uiText("Document", "План положений через 30° (0 — начальное положение)")),
               9, true);
    if (broken) {
        sheet.text(
            QRectF(kLeftMm, y + 6, boxW, 10),
            QString::fromStdString(
                uiText("Document", "Не построен: при φ = %1° шатун не достаёт до направляющей"))
                .arg(number(*broken, d)),
            9, false, Qt::AlignLeft | Qt::TextWordWrap);
        return;
    }
    Drawing positions(sheet, QRectF(kLeftMm, y + 6, boxW, boxH), world, scale);
    drawPlan(positions, p, plan, world.bottom(), world.top());
    positions.finish();
}

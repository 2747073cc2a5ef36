// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Scene2D.h"
#include "ScenePaint.h"

namespace {

// World (metres, y up) to the pixels of `area`, same scale on both axes, centred.
class Fit {
public:
    Fit(const QRectF& area, const QRectF& box)
        : scale_(std::min(area.width() / box.width(), area.height() / box.height())), area_(area),
          box_(box)
    {
    }
    QPointF operator()(double x, double y) const
    {
        return {area_.center().x() + (x - box_.center().x()) * scale_,
                area_.center().y() - (y - box_.center().y()) * scale_};
    }
    double len(double metres) const { return metres * scale_; }

private:
    double scale_;
    QRectF area_, box_;
};

void drawJoint(QPainter& p, QPointF at, double radius, const QString& name)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(at, radius, radius);
    p.setPen(Qt::black);
    p.drawText(at + QPointF(radius + 3, -radius - 3), name);
}

} // namespace

void paintScene2D(QPainter& p, const QRectF& area, const SceneModel& m, int frame)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, QColor(248, 248, 244));
    const Fit fit(area.adjusted(12, 40, -12, -12), m.box());
    const KineticFrame& f = m.frame(frame);
    const double w = m.barWidth();
    const double b = m.data().b;
    const QRectF box = m.box();

    // The guide: two rails either side of the slider block along x = b.
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    for (double side : {-1.0, 1.0}) {
        const double x = b + side * 1.6 * w;
        p.drawLine(fit(x, box.bottom()), fit(x, box.top()));
    }
    p.setPen(QPen(QColor(160, 160, 160), 1, Qt::DashDotLine));
    p.drawLine(fit(b, box.bottom()), fit(b, box.top()));

    const auto toPicture = [&fit](QPointF w) { return fit(w.x(), w.y()); };
    paintPath(p, m.pathA(), frame, QColor(30, 90, 200), toPicture);
    paintPath(p, m.pathB(), frame, QColor(200, 50, 40), toPicture);

    // Ground pivot O: a hatched foot under the pin.
    const QPointF o = fit(0, 0);
    const double foot = fit.len(w * 1.6);
    QPainterPath tri;
    tri.moveTo(o);
    tri.lineTo(o + QPointF(-foot, foot * 1.4));
    tri.lineTo(o + QPointF(foot, foot * 1.4));
    tri.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(210, 210, 210));
    p.drawPath(tri);
    for (int k = 0; k < 5; ++k) {
        const QPointF base = o + QPointF(-foot * 1.2 + k * foot * 0.55, foot * 1.4);
        p.drawLine(base, base + QPointF(-foot * 0.4, foot * 0.4));
    }

    // Slider block, then the links over it.
    const QPointF s = fit(f.xs, f.ys);
    const QSizeF block(fit.len(3 * w), fit.len(4 * w));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(235, 150, 40));
    p.drawRect(QRectF(s - QPointF(block.width() / 2, block.height() / 2), block));

    const QPointF a = fit(f.xa, f.ya), bpt = fit(f.xb, f.yb);
    const double bar = std::max(fit.len(w), 3.0);
    p.setPen(QPen(QColor(40, 70, 150), bar, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o, a);
    p.setPen(QPen(QColor(40, 130, 70), bar, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, bpt);

    const double pin = std::max(bar * 0.35, 3.0);
    drawJoint(p, o, pin, "O");
    drawJoint(p, a, pin, "A");
    drawJoint(p, bpt, pin, "B");

    paintCaption(p, area, frameCaption(m, frame, captionDecimal()), Qt::black);
    p.restore();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "Scene3D.h"
#include "ScenePaint.h"

namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
};

// The camera: the world is turned about the box centre, then seen from a point on the +z axis
// far enough away that the whole box fits `area`.
class Camera {
public:
    Camera(const QRectF& area, const QRectF& box, const ViewAngles& view)
        : centre_{box.center().x(), box.center().y(), 0}, screen_(area.center()),
          cy_(std::cos(view.yaw)), sy_(std::sin(view.yaw)), cp_(std::cos(view.pitch)),
          sp_(std::sin(view.pitch))
    {
        const double radius = std::hypot(box.width(), box.height()) / 2;
        distance_ = radius * 3.2;
        // The mechanism is flat, so fitting the box at the depth of its centre wastes little.
        focal_ = 0.46 * std::min(area.width(), area.height()) * distance_ / radius;
    }
    // World direction or point (relative to the centre) into camera space.
    Vec turn(Vec v) const
    {
        const double x = v.x * cy_ - v.z * sy_;
        const double z = v.x * sy_ + v.z * cy_;
        return {x, v.y * cp_ - z * sp_, v.y * sp_ + z * cp_};
    }
    Vec toCamera(Vec world) const { return turn(world - centre_); }
    QPointF project(Vec cam) const
    {
        const double depth = std::max(distance_ - cam.z, 1e-9);
        return {screen_.x() + focal_ * cam.x / depth, screen_.y() - focal_ * cam.y / depth};
    }
    QPointF project(double x, double y, double z) const { return project(toCamera({x, y, z})); }
    Vec eye() const { return {0, 0, distance_}; }

private:
    Vec centre_;
    QPointF screen_;
    double cy_, sy_, cp_, sp_;
    double distance_ = 1, focal_ = 1;
};

struct Face {
    QPolygonF polygon;
    double depth;
    QColor colour;
};

// Adds the visible faces of a box, lit from the upper left of the viewer.
class Solids {
public:
    explicit Solids(const Camera& cam) : cam_(cam) {}

    // A box centred at `c` with half extents along the unit in-plane direction `u`, its normal
    // in the plane, and z.
    void box(Vec c, Vec u, double halfU, double halfV, double halfZ, QColor colour)
    {
        const Vec v{-u.y, u.x, 0}, z{0, 0, 1};
        const std::array<Vec, 3> axes{u, v, z};
        const std::array<double, 3> half{halfU, halfV, halfZ};
        for (size_t a = 0; a < 3; ++a) {
            for (double sign : {-1.0, 1.0}) {
                const Vec n = axes[a] * sign;
                const Vec fc = c + n * half[a];
                const Vec e1 = axes[(a + 1) % 3] * half[(a + 1) % 3];
                const Vec e2 = axes[(a + 2) % 3] * half[(a + 2) % 3];
                addFace(fc, n, {fc - e1 - e2, fc + e1 - e2, fc + e1 + e2, fc - e1 + e2}, colour);
            }
        }
    }
    // A bar between two points in the plane, reaching a half width past each end.
    void bar(double x1, double y1, double x2, double y2, double z0, double z1, double width,
             QColor colour)
    {
        const double len = std::hypot(x2 - x1, y2 - y1);
        const Vec u = len > 0 ? Vec{(x2 - x1) / len, (y2 - y1) / len, 0} : Vec{1, 0, 0};
        box({(x1 + x2) / 2, (y1 + y2) / 2, (z0 + z1) / 2}, u, len / 2 + width / 2, width / 2,
            (z1 - z0) / 2, colour);
    }
    void paint(QPainter& p)
    {
        std::sort(faces_.begin(), faces_.end(),
                  [](const Face& a, const Face& b) { return a.depth < b.depth; });
        for (const Face& f : faces_) {
            p.setPen(QPen(f.colour.darker(160), 0.8));
            p.setBrush(f.colour);
            p.drawPolygon(f.polygon);
        }
    }

private:
    void addFace(Vec centre, Vec normal, std::array<Vec, 4> corners, QColor colour)
    {
        const Vec c = cam_.toCamera(centre), n = cam_.turn(normal);
        if (n.dot(cam_.eye() - c) <= 0) return; // faces away from the viewer
        static const Vec light = [] {
            const Vec l{-0.3, 0.45, 0.85};
            return l * (1 / std::sqrt(l.dot(l)));
        }();
        const double shade = 0.35 + 0.65 * std::max(0.0, n.dot(light));
        QPolygonF poly;
        for (const Vec& k : corners)
            poly << cam_.project(cam_.toCamera(k));
        faces_.push_back({poly, c.z,
                          QColor::fromRgbF(colour.redF() * shade, colour.greenF() * shade,
                                           colour.blueF() * shade)});
    }

    const Camera& cam_;
    std::vector<Face> faces_;
};

} // namespace

void paintScene3D(QPainter& p, const QRectF& area, const SceneModel& m, int frame,
                  const ViewAngles& view)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(52, 60, 78));
    sky.setColorAt(1, QColor(18, 20, 26));
    p.fillRect(area, sky);

    const Camera cam(area.adjusted(10, 36, -10, -10), m.box(), view);
    const KineticFrame& f = m.frame(frame);
    const double w = m.barWidth(), t = 1.3 * w;
    const double b = m.data().b;
    const QRectF box = m.box();

    // A faint grid on the back plane gives the depth a scale.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    const double back = -3.5 * t;
    for (int k = 0; k <= 10; ++k) {
        const double x = box.left() + box.width() * k / 10, y = box.top() + box.height() * k / 10;
        p.drawLine(cam.project(x, box.top(), back), cam.project(x, box.bottom(), back));
        p.drawLine(cam.project(box.left(), y, back), cam.project(box.right(), y, back));
    }

    // Layers front to back: rod, crank, slider block around both, guide and base behind.
    const auto toPicture = [&cam](QPointF w) { return cam.project(w.x(), w.y(), 0); };
    paintPath(p, m.pathA(), frame, QColor(110, 170, 255), toPicture);
    paintPath(p, m.pathB(), frame, QColor(255, 120, 100), toPicture);

    Solids s(cam);
    s.bar(b, box.top(), b, box.bottom(), -3 * t, -2 * t, w * 1.2, QColor(150, 150, 160));
    s.box({0, 0, -2.5 * t}, {1, 0, 0}, 1.6 * w, 1.6 * w, 1.5 * t, QColor(130, 130, 140));
    s.bar(0, 0, f.xa, f.ya, -t, 0, w, QColor(70, 110, 220));
    s.bar(f.xa, f.ya, f.xb, f.yb, 0, t, w, QColor(60, 180, 100));
    s.box({f.xs, f.ys, -0.5 * t}, {0, 1, 0}, 2 * w, 1.5 * w, 1.5 * t, QColor(240, 160, 50));
    for (const QPointF& pin : {QPointF(0, 0), QPointF(f.xa, f.ya), QPointF(f.xb, f.yb)})
        s.box({pin.x(), pin.y(), 0}, {1, 0, 0}, 0.3 * w, 0.3 * w, 1.4 * t, QColor(225, 225, 230));
    s.paint(p);

    p.setPen(Qt::white);
    const double off = w * 0.8;
    p.drawText(cam.project(-off, -off, t), "O");
    p.drawText(cam.project(f.xa + off, f.ya + off, t), "A");
    p.drawText(cam.project(f.xb + off, f.yb + off, t), "B");

    paintCaption(p, area, frameCaption(m, frame, captionDecimal()), Qt::white);
    p.restore();
}

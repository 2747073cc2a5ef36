// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/AboutWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/qt/ScreenFit.h"
#include "platform/qt/UiLook.h"

namespace {

constexpr int kLogoWidth = 164;
constexpr int kLogoHeight = 314;
constexpr int kOpaque = 255;

// The logo: a slider-crank on a dark ground, the crank pivot low on the left, the slider on a
// vertical guide to the right.
QPixmap drawLogo()
{
    QPixmap pixmap(163, 313);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 313);
    sky.setColorAt(0, QColor(10, 30, 70));
    sky.setColorAt(1, Qt::black);
    p.fillRect(pixmap.rect(), sky);

    const QPointF o(42, 262);
    const double crank = 34, rod = 112, guideX = 118;
    const double phi = 55 * M_PI / 180;
    const QPointF a(o.x() + crank * std::cos(phi), o.y() - crank * std::sin(phi));
    const double dx = guideX - a.x();
    const QPointF b(guideX, a.y() - std::sqrt(rod * rod - dx * dx));

    // The slider's guide: two rails with a hatched wall behind.
    p.setPen(QPen(QColor(120, 130, 150), 2));
    p.drawLine(QPointF(guideX - 13, 30), QPointF(guideX - 13, 290));
    p.drawLine(QPointF(guideX + 13, 30), QPointF(guideX + 13, 290));
    p.setPen(QPen(QColor(80, 90, 110), 1));
    for (int y = 34; y < 290; y += 10)
        p.drawLine(QPointF(guideX + 13, y), QPointF(guideX + 20, y - 7));

    // The crank pin's circle and the sense of rotation.
    p.setPen(QPen(QColor(255, 140, 0, 110), 1, Qt::DashLine));
    p.drawEllipse(o, crank, crank);
    QPainterPath arrow;
    arrow.arcMoveTo(QRectF(o.x() - 18, o.y() - 18, 36, 36), 100);
    arrow.arcTo(QRectF(o.x() - 18, o.y() - 18, 36, 36), 100, 110);
    p.setPen(QPen(QColor(255, 200, 0), 2));
    p.drawPath(arrow);

    // The fixed pivot on its hatched ground.
    p.setPen(QPen(QColor(160, 170, 190), 2));
    p.setBrush(QColor(60, 70, 90));
    p.drawPolygon(QPolygonF({o, QPointF(o.x() - 12, o.y() + 20), QPointF(o.x() + 12, o.y() + 20)}));
    p.drawLine(QPointF(o.x() - 22, o.y() + 20), QPointF(o.x() + 22, o.y() + 20));
    for (int x = -20; x < 22; x += 7)
        p.drawLine(QPointF(o.x() + x, o.y() + 28), QPointF(o.x() + x + 7, o.y() + 20));

    // Rod, crank and slider.
    p.setPen(QPen(QColor(200, 210, 230), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(QColor(255, 140, 0), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o, a);
    p.setPen(QPen(QColor(0, 220, 255), 2));
    p.setBrush(QColor(0, 110, 150));
    p.drawRoundedRect(QRectF(b.x() - 11, b.y() - 20, 22, 40), 3, 3);

    // Joints.
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(30, 30, 30));
    for (const QPointF& joint : {o, a, b})
        p.drawEllipse(joint, 5, 5);

    // The travel of the slider.
    p.setPen(QPen(QColor(0, 255, 0), 1, Qt::DotLine));
    p.drawLine(QPointF(guideX, 20), QPointF(guideX, b.y() - 26));
    return pixmap;
}

class LogoView : public QWidget {
public:
    explicit LogoView(QWidget* parent) : QWidget(parent), picture_(drawLogo()) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), picture_);
    }

private:
    QPixmap picture_;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("aboutWindow");
    setWindowTitle(tr("О программе"));
    setFont(uiFont(11));
    setFixedSize(194, 433);
    move(203, 133);
    keepOnScreenWhenShown(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setOpacity(0);

    logo = new LogoView(this);
    logo->setObjectName("logo");
    logo->setGeometry(16, 0, 17, 17);
    titleLabel =
        makeLabel(this, "titleLabel", QStringLiteral("Kinovar"), 8, 328, QColor(0, 255, 0));
    teamLabel =
        makeLabel(this, "teamLabel", tr("Команда проекта Kinovar"), 24, 344, QColor(255, 255, 0));
    subjectLabel = makeLabel(this, "subjectLabel", tr("Кинематика · энергия · силы"), 24, 360,
                             QColor(255, 255, 0));
    versionLabel =
        makeLabel(this, "versionLabel", tr("© 2026, версия 1.3"), 40, 376, QColor(0, 255, 255));
    licenceLabel =
        makeLabel(this, "licenceLabel", tr("Лицензия: GNU GPL версии 3\nили более поздней"), 24,
                  392, QColor(0, 255, 255));
    for (QWidget* w : {logo, static_cast<QWidget*>(titleLabel), static_cast<QWidget*>(teamLabel),
                       static_cast<QWidget*>(subjectLabel), static_cast<QWidget*>(versionLabel),
                       static_cast<QWidget*>(licenceLabel)})
        w->installEventFilter(this);

    growthTimer = new QTimer(this);
    growthTimer->setObjectName("growthTimer");
    growthTimer->setInterval(10);
    connect(growthTimer, &QTimer::timeout, this, [this] { growStep(); });
}

void AboutWindow::setOpacity(int value)
{
    opacity_ = std::clamp(value, 0, kOpaque);
    applyWindowOpacity(this, opacity_);
}

bool AboutWindow::fullyGrown() const
{
    return logo->height() >= kLogoHeight && logo->width() >= kLogoWidth && opacity_ >= kOpaque;
}

void AboutWindow::startGrowth()
{
    if (!fullyGrown()) growthTimer->start();
}

void AboutWindow::growStep()
{
    if (logo->height() < kLogoHeight) logo->resize(logo->width(), logo->height() + 1);
    if (logo->width() < kLogoWidth) logo->resize(logo->width() + 1, logo->height());
    if (opacity_ < kOpaque) setOpacity(opacity_ + 1);
    // Grown and opaque: later showings are at full size at once, the timer has no more to do.
    if (fullyGrown()) growthTimer->stop();
}

void AboutWindow::logoClick()
{
    close();
}

void AboutWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    startGrowth();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        logoClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    // The window has no title bar and no button: Esc is the way out a keyboard user tries.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        logoClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    logoClick();
}

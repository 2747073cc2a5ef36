// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimatorWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

SceneWidget::SceneWidget(const SceneModel& model, const KineticPlayback& playback, QWidget* parent)
    : QWidget(parent), model_(model), playback_(playback)
{
    setMinimumSize(320, 240);
    if constexpr (kFullBuild) setCursor(Qt::OpenHandCursor);
}

void SceneWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintScene(p, rect(), model_, playback_.frame(), view);
}

void SceneWidget::mousePressEvent(QMouseEvent* event)
{
    lastDrag_ = event->position();
}

void SceneWidget::mouseMoveEvent(QMouseEvent* event)
{
    if constexpr (!kFullBuild) return;
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPointF d = event->position() - lastDrag_;
    lastDrag_ = event->position();
    view.yaw += d.x() * 0.01;
    view.pitch = std::clamp(view.pitch + d.y() * 0.01, -1.45, 1.45);
    update();
}

AnimatorWindow::AnimatorWindow(SceneModel model, QWidget* parent)
    : QWidget(parent), model_(std::move(model)),
      playback_(model_.frameCount(), KineticPlayback::rateForTurn(
                                         stepDegreesOf(model_.data().totalAngle, model_.data().N)))
{
    scene_ = new SceneWidget(model_, playback_, this);

    auto button = [this](const QString& text, const QString& tip, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus); // keys stay with the window
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* back = button("◀", tr("Шаг назад (←)"), [this] {
        playback_.stepBack();
        refresh();
    });
    playButton_ = button("", tr("Пуск / пауза (пробел)"), [this] {
        playback_.togglePlaying();
        clock_.restart();
        refresh();
    });
    auto* forward = button("▶", tr("Шаг вперёд (→)"), [this] {
        playback_.stepForward();
        refresh();
    });
    auto* slower = button(tr("Медленнее"), tr("Медленнее (−)"), [this] {
        playback_.slower();
        refresh();
    });
    auto* faster = button(tr("Быстрее"), tr("Быстрее (+)"), [this] {
        playback_.faster();
        refresh();
    });

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(0, std::max(model_.frameCount() - 1, 0));
    slider_->setFocusPolicy(Qt::NoFocus);
    connect(slider_, &QSlider::valueChanged, this, [this](int v) {
        if (v == playback_.frame()) return;
        playback_.seek(v);
        refresh();
    });
    rateLabel_ = new QLabel(this);

    auto* controls = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(back), static_cast<QWidget*>(playButton_),
                       static_cast<QWidget*>(forward), static_cast<QWidget*>(slower),
                       static_cast<QWidget*>(faster)})
        controls->addWidget(w);
    controls->addWidget(slider_, 1);
    controls->addWidget(rateLabel_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(scene_, 1);
    layout->addLayout(controls);

    // A short fixed tick; how far to move is measured, so the rate holds when ticks run late.
    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(15);
    connect(timer_, &QTimer::timeout, this, &AnimatorWindow::tick);
    timer_->start();
    clock_.start();
    setFocusPolicy(Qt::StrongFocus);

    exitHint = new QLabel(tr("Esc — выход"), this);
    exitHint->setObjectName("exitHint");
    exitHint->setAlignment(Qt::AlignCenter);
    exitHint->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 170); color: white;"
                                           " font-size: 20px; padding: 10px 18px;"
                                           " border-radius: 6px; }"));
    exitHint->adjustSize();
    exitHint->hide();
    exitHintTimer = new QTimer(this);
    exitHintTimer->setObjectName("exitHintTimer");
    exitHintTimer->setSingleShot(true);
    exitHintTimer->setInterval(kExitHintMs);
    connect(exitHintTimer, &QTimer::timeout, exitHint, &QWidget::hide);
    refresh();
}

namespace {

// What a window frame may add around the client area: the borders and a title bar. The frame is
// unknown until the window manager has framed the window, so the room is kept beforehand.
constexpr QSize kFrameAllowance{16, 48};

} // namespace

QSize AnimatorWindow::windowedSize(const QSize& available)
{
    return kDefaultSize.boundedTo(available - kFrameAllowance);
}

void AnimatorWindow::showWindowed()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(kDefaultSize);
        show();
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = windowedSize(area.size()).expandedTo(minimumSizeHint());
    resize(size);
    // Centred in the area, so the title bar and the controls at the bottom are both on screen.
    const QSize frame = size + kFrameAllowance;
    move(area.x() + std::max(0, (area.width() - frame.width()) / 2),
         area.y() + std::max(0, (area.height() - frame.height()) / 2));
    show();
}

void AnimatorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!isFullScreen()) return;
    exitHint->show();
    exitHint->raise();
    exitHintTimer->start();
}

void AnimatorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Centred below the step caption in the scene's top left, clear of the mechanism.
    exitHint->move((width() - exitHint->width()) / 2, 64);
}

void AnimatorWindow::tick()
{
    const double seconds = static_cast<double>(clock_.restart()) / 1000;
    if (playback_.advance(seconds)) refresh();
}

void AnimatorWindow::refresh()
{
    playButton_->setText(playback_.playing() ? tr("Пауза") : tr("Пуск"));
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(playback_.frame());
    }
    rateLabel_->setText(tr("%1 шаг/с").arg(playback_.rate(), 0, 'g', 4));
    scene_->update();
}

void AnimatorWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Space:
        playback_.togglePlaying();
        clock_.restart();
        break;
    case Qt::Key_Left:
        playback_.stepBack();
        break;
    case Qt::Key_Right:
        playback_.stepForward();
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        playback_.faster();
        break;
    case Qt::Key_Minus:
        playback_.slower();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    refresh();
}

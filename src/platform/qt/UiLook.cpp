// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/UiLook.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "platform/qt/WheelGuard.h"

QFont uiFont(int lineHeight, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    // The layout was designed for a narrow bitmap font; choosing by line height rather than by
    // nominal size keeps every caption inside its fixed geometry.
    for (int px = lineHeight; px > 6; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).height() <= lineHeight) break;
    }
    return font;
}

void applyWindowOpacity(QWidget* window, int opacity)
{
    // The headless platforms have no opacity and complain at every call; a fade ticks often.
    static const bool supported = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                                  QGuiApplication::platformName() != QLatin1String("minimal");
    if (supported) window->setWindowOpacity(opacity / 255.0);
}

namespace {

// The caption is drawn on the frame line by hand: a style sheet would do the same but stops the
// window's font from reaching the box's children.
class DesignBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm = fontMetrics();
        const QRect caption(8, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.setClipRegion(QRegion(rect()).subtracted(caption));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, fm.height() / 2 + 0.5, -0.5, -0.5), 2, 2);
        p.setClipping(false);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }
};

} // namespace

QGroupBox* makeBox(QWidget* parent, const char* name, const QString& title, QRect geometry)
{
    auto* box = new DesignBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

QFrame* makePanel(QWidget* parent, const char* name, QRect geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, colour);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* makeCombo(QWidget* parent, const char* name, QRect geometry, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    combo->addItems(items);
    wheelOnlyWithFocus(combo);
    return combo;
}

void makeEditable(QComboBox* combo, const QString& text)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

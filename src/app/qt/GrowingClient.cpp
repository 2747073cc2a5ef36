// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/GrowingClient.h"

#include <QEvent>
#include <algorithm>

GrowingClient::GrowingClient(QWidget* client, QWidget* growing)
    : QObject(client), client_(client), growing_(growing), base_(client->size()),
      growingHome_(growing->geometry())
{
    client_->setMinimumSize(base_);
    for (QObject* child : client_->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != growing_) homes_.push_back({w, w->geometry()});
    }
    client_->installEventFilter(this);
}

void GrowingClient::place()
{
    const int dw = std::max(0, client_->width() - base_.width());
    const int dh = std::max(0, client_->height() - base_.height());
    growing_->setGeometry(growingHome_.adjusted(0, 0, dw, dh));
    // Panels are told apart by where they start: those beside or below the growing area make
    // way for it, the ones over it (none today) would stay put.
    for (const Home& home : homes_) {
        if (!home.widget) continue;
        QRect r = home.rect;
        if (r.left() >= growingHome_.right()) r.translate(dw, 0);
        if (r.top() >= growingHome_.bottom()) r.translate(0, dh);
        home.widget->setGeometry(r);
    }
}

bool GrowingClient::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize) place();
    return QObject::eventFilter(watched, event);
}

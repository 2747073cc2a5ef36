// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WheelGuard.h"

#include <QEvent>
#include <QWidget>

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // An editable list's line edit passes the wheel up to the list, so watching the list
        // catches it wherever the pointer is over the closed list.
        if (event->type() == QEvent::Wheel) {
            auto* control = static_cast<QWidget*>(watched);
            if (!control->hasFocus()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void wheelOnlyWithFocus(QWidget* control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelGuard(control));
}

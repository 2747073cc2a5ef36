// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a window's controls the way a test drives them: by the object names they carry, never
// through the window's members.
#pragma once
#include <QAction>
#include <QObject>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

// The object of type T named `name` inside `owner`. Throws when there is none, which fails the
// test that asked for it instead of crashing the run.
template <class T = QWidget> T* child(const QObject& owner, const char* name)
{
    T* found = owner.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no object named ") + name);
    return found;
}

// Triggers the action named `name` inside `owner`, as a click on its menu item does.
inline void trigger(const QObject& owner, const char* name)
{
    child<QAction>(owner, name)->trigger();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A closed drop-down list (or any control that a wheel would change) that reacts to the wheel only
// while it has the keyboard focus, so that scrolling over a window never changes a choice the
// user did not point at.
#pragma once

class QWidget;

// Gives `control` Qt::StrongFocus (a click or Tab focuses it; the wheel alone does not) and
// drops every wheel event it gets while it lacks the focus. With the focus, the wheel works as
// usual. The guard lives as long as the control.
void wheelOnlyWithFocus(QWidget* control);

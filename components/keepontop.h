// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Puts a visible window above the others once a tick, as a stay-on-top window of its own: on X11
// only when the server has said something covers it (or has said nothing yet), so that a window
// already on top costs neither a request nor the window manager's answer to it. Elsewhere the
// compositor keeps a stay-on-top window there, and nothing is asked.
void keepOnTop(QWidget& window);

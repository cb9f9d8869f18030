// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Wayland has no stay-on-top and no placement by programs, which the monitor window lives on. In a
// Wayland session where the user chose no Qt platform, the program runs on XWayland instead; with
// no XWayland it runs on Wayland itself (Qt's Wayland plugin, package qt6-wayland) and says what
// it cannot do there.
// Must run before the application object exists; returns the line to show in the on-screen log,
// or nothing.
QString chooseDisplayPlatform();

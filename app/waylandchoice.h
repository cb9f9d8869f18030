// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

// Wayland has no stay-on-top and no placement by programs, which the monitor window lives on. In a
// Wayland session where the user chose no Qt platform, the program runs on XWayland instead; with
// no XWayland it runs on Wayland itself (Qt's Wayland plugin, package qt6-wayland) and says what
// it cannot do there.
// Must run before the application object exists; returns the line to show in the on-screen log
// (English, marked for translation in context "StartupNote"), or null.
const char* chooseDisplayPlatform();

// What keeps the program from showing a window, or nothing: the display the chosen (or default)
// Qt platform needs is not there. Qt aborts in that case, so it is asked before the application
// object exists. A platform that needs no display (offscreen, a frame buffer) is taken on trust.
std::optional<std::string> missingDisplay(int argc, char** argv);

// Qt aborts when no platform plugin starts (a display named but not there, a server gone).
// While this object lives, that end is one line of ours and exit status 1 instead; Qt's own
// warnings before it, which say what failed, are shown as usual.
class DisplayFailureExit
{
public:
    DisplayFailureExit();
    ~DisplayFailureExit();
    DisplayFailureExit(const DisplayFailureExit&) = delete;
    DisplayFailureExit& operator=(const DisplayFailureExit&) = delete;
};

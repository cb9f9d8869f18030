// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

namespace testing_support {

// Starts Xvfb (1024x768x24, no TCP) in `server` on a display number of this process's own, from
// `firstDisplay` on: a free number picked by Xvfb could be one that a server of a test running
// beside this one is just giving up, and its leaving takes the new server's socket with it.
// The server does not reset when its last client leaves: the X clients a test runs to look
// come and go, and a reset between two of them ends a client connecting just then.
// Returns ":N" once Xvfb has named its display, or an empty string.
QString startXvfb(QProcess& server, int firstDisplay);

// Starts a session bus of the caller's own in `daemon`, as a desktop has one; without one,
// libdbus would launch a bus for the display and leave it running. The services the bus
// starts inherit `daemon`'s environment. Its address, or an empty string.
QString startSessionBus(QProcess& daemon);
// The same, with no service the bus could start (a notification daemon, for one): only what the
// test itself runs is on it. `folder` takes the bus's configuration.
QString startBareSessionBus(QProcess& daemon, const QString& folder);

// Runs an X client (xdotool, xprop...) in `environment` to its end; its standard output.
QString runClient(
    const QProcessEnvironment& environment, const QString& program, const QStringList& arguments);

} // namespace testing_support

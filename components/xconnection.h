// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the program's windows reach an X server. A tick repaints a few small boxes and a graph,
// about a hundred kilobytes a second: cheaper sent over the connection than through a
// shared-memory image, each paint of which first waits for the server to be done with the last
// one (a round trip per window per second).
namespace xconnection {

// Before the application object exists: the pixels go over the connection, unless the user's
// environment already chose (QT_XCB_NO_MITSHM).
void sendPixelsOverConnection();

// Once it exists, on a local X11 display only: room in the kernel for a whole repaint. A local
// socket takes a quarter of its send buffer before the writer must wait; with the default buffer a
// repaint of the main window fills that, and the GUI thread sleeps until the server has read it.
void makeRoomForARepaint();

} // namespace xconnection

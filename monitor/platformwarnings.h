// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Shows what the platform layer recovered from (a damaged or locked registry database, an
// autostart entry that could not be written) in the on-screen log, in the user's language, as
// well as on standard error in English, so a user sees it where the program reports everything
// else. One instance at a time.
class PlatformWarnings
{
public:
    explicit PlatformWarnings(std::function<void(const QString&)> addLogLine);
    ~PlatformWarnings();
    PlatformWarnings(const PlatformWarnings&) = delete;
    PlatformWarnings& operator=(const PlatformWarnings&) = delete;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// The per-user single-instance marker: an advisory lock on $XDG_RUNTIME_DIR/OrvikVantrel.lock
// (or a per-user file under /tmp), held for the life of the process and released by the kernel
// however the process ends.
class SingleInstance
{
public:
    enum class Result { First, AnotherRuns, NoMarker };
    // Takes the lock; NoMarker when no lock file can be made (the program runs anyway).
    static Result acquire();
    static std::filesystem::path lockFile();
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// The per-user single-instance marker: advisory locks on OrvikVantrel.lock in the folders only
// the user can write ($XDG_RUNTIME_DIR where it is usable, and $XDG_STATE_HOME/vantrel), held for
// the life of the process and released by the kernel however the process ends.
class SingleInstance
{
public:
    enum class Result { First, AnotherRuns, NoMarker };
    struct Outcome
    {
        Result result = Result::NoMarker;
        std::string problem; // for NoMarker: what stopped the lock, naming the file
    };
    // Takes the lock; NoMarker when it cannot be taken for a reason other than another
    // instance holding it (the program runs anyway).
    static Outcome acquire();
};

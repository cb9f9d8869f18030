// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "osversion.h"
#include "virtualregistry.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Everything the platform layer reports about the machine it stands in for: which platform
// release it is, which system modules and entry points exist, the time base, and the
// computed registry keys. Exactly one source is active per process (see Runtime).
class DataSource
{
public:
    virtual ~DataSource() = default;

    // Short name for diagnostics ("linux", "sim:<file>", "demo", "none").
    virtual std::string name() const = 0;
    virtual Clock& clock() = 0;
    virtual OsVersion osVersion() const = 0;

    // Module names compare without regard to case, as the platform's loader does.
    virtual bool providesModule(std::string_view module) const = 0;
    virtual bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const = 0;
    // The version-resource block of a system module the source provides; empty when it has none.
    virtual std::vector<win::BYTE> moduleVersionResource(std::string_view module) const = 0;

    virtual VirtualRegistry& virtualRegistry() = 0;
};

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "nullsource.h"

#include "modulenames.h"
#include "text.h"

namespace platform {

bool NullSource::providesModule(std::string_view module) const
{
    // Only what every installation has; dial-up networking and its counters are absent.
    return equalsIgnoreCase(module, modules::kIpHelper) || equalsIgnoreCase(module, modules::kUser)
        || equalsIgnoreCase(module, modules::kSockets);
}

bool NullSource::providesEntryPoint(std::string_view module, std::string_view) const
{
    return providesModule(module);
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "linkfacts.h"
#include "osversion.h"
#include "rasdata.h"
#include "virtualregistry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Everything the platform layer reports about the machine it stands in for: which platform
// release it is, which system modules and entry points exist, the time base, the dial-up
// connections with their traffic, and the network parameters. Exactly one source is active per
// process (see Runtime). Calls come from the GUI thread only.
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

    // The connections now listed, in the platform's order; the enumeration result that comes
    // with them (0, or 603 to report a buffer too small while still filling what fits).
    virtual std::vector<RasLink> rasLinks() = 0;
    virtual win::DWORD enumerationResult() const { return 0; }
    // One listed connection; false for a handle that is not (or no longer) listed.
    virtual bool rasLink(win::DWORD handle, RasLink& link) = 0;
    virtual bool rasCounters(win::DWORD handle, RasCounters& counters) = 0;
    // Restarts a connection's statistics from zero; false for an unknown handle.
    virtual bool clearRasCounters(win::DWORD handle) = 0;

    virtual CounterViews counterViews() const { return {}; }
    virtual std::vector<PortCounters> ports() { return {}; }

    virtual NetworkParams networkParams() = 0;
    // What the source knows of a listed connection beyond the dial-up shapes; nothing for a
    // handle that is not listed, or from a source that knows no more than those shapes.
    virtual std::optional<LinkFacts> linkFacts(win::DWORD /*handle*/) { return std::nullopt; }
    // A listed connection's counters at their full width, read afresh at each call; nothing
    // where the source has no more than the dial-up shapes' 32 bits.
    virtual std::optional<LinkCounters> linkCounters(win::DWORD /*handle*/) { return std::nullopt; }

    // The machine's network interfaces, for choosing the ones to watch; none by default.
    virtual std::vector<InterfaceInfo> interfaces() { return {}; }
    // True where the connections are this machine's own links, which the user can choose among;
    // false for a simulation, whose connections are its scenario's.
    virtual bool watchesThisMachine() const { return false; }
    // Where a listed connection's name, type and state come from, in words; empty by default.
    virtual std::string linkOrigin(win::DWORD /*handle*/) { return {}; }
    // True while facts the source asked a service for are still on their way; a reader that
    // looks once waits for them (with a bound of its own) before it looks.
    virtual bool settling() { return false; }
    // The program's settings the source reads (the links to watch) changed: read them again
    // before the next enumeration.
    virtual void settingsChanged() { }
};

} // namespace platform

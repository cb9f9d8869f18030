// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counterregistry.h"
#include "datasource.h"

namespace platform {

// A machine without dial-up networking: no RAS, PDH or performance statistics, empty computed
// registry roots, the system clock and an NT 5.1 version record.
class NullSource final : public DataSource
{
public:
    std::string name() const override { return "none"; }
    Clock& clock() override { return m_clock; }
    OsVersion osVersion() const override { return {}; }
    bool providesModule(std::string_view module) const override;
    bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const override;
    std::vector<win::BYTE> moduleVersionResource(std::string_view) const override { return {}; }
    VirtualRegistry& virtualRegistry() override { return m_registry; }
    std::vector<RasLink> rasLinks() override { return {}; }
    bool rasLink(win::DWORD, RasLink&) override { return false; }
    bool rasCounters(win::DWORD, RasCounters&) override { return false; }
    bool clearRasCounters(win::DWORD) override { return false; }
    NetworkParams networkParams() override { return {}; }

private:
    SystemClock m_clock;
    CounterRegistry m_registry { *this };
};

} // namespace platform

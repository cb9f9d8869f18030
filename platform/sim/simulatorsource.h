// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../counterregistry.h"
#include "../datasource.h"
#include "scenario.h"

#include <map>
#include <memory>
#include <optional>

namespace platform {

// A clock that runs `scale` times faster than real time from 0 at construction. Its wall clock
// starts at `wallStartMs` (the real time when not given) and moves, and leaps, with it.
class ScaledClock final : public Clock
{
public:
    explicit ScaledClock(double scale, std::vector<Scenario::ClockJump> jumps = {},
        std::optional<std::int64_t> wallStartMs = std::nullopt);
    std::uint64_t monotonicMs() const override;
    double rate() const override { return m_scale; }
    std::int64_t wallMs() const override;

private:
    double m_scale;
    std::vector<Scenario::ClockJump> m_jumps;
    std::uint64_t m_realStartUs;
    std::int64_t m_wallStartMs;
};

// Replays a scenario on a virtual clock: the platform release of its profile (version record,
// libraries and entry points, record sizes), its connections with their states, projections and
// traffic, and the counters in every form that release offers.
class SimulatorSource final : public DataSource
{
public:
    // The clock defaults to real time scaled by the scenario's time scale.
    SimulatorSource(Scenario scenario, std::string name, std::unique_ptr<Clock> clock = nullptr);

    std::string name() const override { return m_name; }
    Clock& clock() override { return *m_clock; }
    OsVersion osVersion() const override { return m_version; }
    bool providesModule(std::string_view module) const override;
    bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const override;
    std::vector<win::BYTE> moduleVersionResource(std::string_view module) const override;
    VirtualRegistry& virtualRegistry() override { return m_registry; }
    std::vector<RasLink> rasLinks() override;
    win::DWORD enumerationResult() const override { return m_scenario.enumerationResult; }
    bool rasLink(win::DWORD handle, RasLink& link) override;
    bool rasCounters(win::DWORD handle, RasCounters& counters) override;
    bool clearRasCounters(win::DWORD handle) override;
    CounterViews counterViews() const override { return m_views; }
    std::vector<PortCounters> ports() override;
    NetworkParams networkParams() override;
    std::optional<LinkFacts> linkFacts(win::DWORD handle) override;
    std::optional<LinkCounters> linkCounters(win::DWORD handle) override;

    const Scenario& scenario() const { return m_scenario; }

private:
    struct Moment
    {
        std::size_t cycle = 0; // how many times the scenario has repeated
        double time = 0; // seconds into the current repetition
    };
    Moment now() const;
    // The link of one scenario connection at a moment; false while it is not listed.
    bool linkAt(std::size_t index, const Moment& moment, RasLink& link) const;
    std::optional<double> connectedAt(const Scenario::Connection& connection) const;
    // Bytes carried by a connection from its connect to `time` (seconds into a repetition).
    std::pair<double, double> bytesUntil(const Scenario::Connection& connection, double time) const;
    win::DWORD handleOf(std::size_t index, std::size_t cycle) const;
    bool findHandle(win::DWORD handle, std::size_t& index, Moment& moment) const;

    Scenario m_scenario;
    std::string m_name;
    std::unique_ptr<Clock> m_clock;
    OsVersion m_version;
    CounterViews m_views;
    std::map<win::DWORD, std::uint64_t[2]> m_cleared; // statistics offsets per handle
    CounterRegistry m_registry { *this };
};

} // namespace platform

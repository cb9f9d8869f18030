// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../win/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// A replayable machine: its platform release and its connections over time. Times are in
// seconds of the simulator's virtual clock.
struct Scenario
{
    struct Traffic
    {
        double from = 0; // seconds after the connection came up
        double to = 0;
        double up = 0; // bytes per second
        double down = 0;
    };
    struct TimedValue
    {
        double at = 0;
        win::DWORD value = 0;
    };
    // From `at` on, the counters read this much more (or, negative, less): a reset or a glitch.
    struct CounterJump
    {
        double at = 0; // seconds after dialAt
        double sent = 0;
        double received = 0;
    };
    // At `at` the clock leaps `seconds` ahead, as after a suspended machine wakes.
    struct ClockJump
    {
        double at = 0; // seconds from the start, before any jump
        double seconds = 0;
    };
    struct Connection
    {
        std::string name;
        std::string deviceType = "MODEM";
        std::string deviceName = "Standard 56000 bps Modem";
        std::string phoneNumber;
        double dialAt = 0; // seconds from the start
        std::vector<TimedValue> states; // seconds after dialAt, RASCS state
        std::optional<double> dropAt; // seconds from the start
        std::uint32_t speed = 57600;
        std::string clientIp;
        std::string serverIp;
        // Every address of the link, of either family, and its far end: what the dial-up shapes
        // cannot hold. By default the client and server address.
        std::vector<std::string> addresses;
        std::string peer;
        win::DWORD authProtocol = 0xC223; // CHAP
        std::vector<Traffic> traffic;
        std::uint64_t counterStart[2] = { 0, 0 }; // sent, received
        std::vector<CounterJump> counterJumps;
        std::vector<TimedValue> statusErrors; // seconds from the start, error value
        bool projectionFails = false;
    };

    std::string profile = "xp";
    std::string dunVersion; // empty: the profile's own
    std::string servicePack;
    bool servicePackSet = false;
    double timeScale = 1;
    // The wall-clock moment the scenario starts at, in milliseconds since 1970 UTC; the real
    // time when not given.
    std::optional<std::int64_t> startTimeMs;
    double repeatEvery = 0; // seconds; 0 plays the scenario once
    std::vector<ClockJump> clockJumps;
    std::vector<std::string> missingEntryPoints;
    std::string hostName = "localhost";
    std::string domainName;
    std::vector<std::string> dnsServers;
    win::DWORD enumerationResult = 0;
    std::vector<Connection> connections;
};

// Reads a scenario file. The error names the file, the position or key and what is wrong, on
// one line.
std::variant<Scenario, std::string> loadScenario(const std::string& file);
// The same for text already read; `origin` names it in messages.
std::variant<Scenario, std::string> parseScenario(
    const std::string& text, const std::string& origin);

// The built-in demonstration: a modem connection that dials, carries traffic with bursts and
// quiet stretches for four minutes, drops and redials, forever.
Scenario demoScenario();

} // namespace platform

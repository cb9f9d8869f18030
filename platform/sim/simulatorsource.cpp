// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulatorsource.h"

#include "../modulenames.h"
#include "../text.h"
#include "../version/versionblock.h"
#include "../win/ras.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace platform {

namespace {

std::uint64_t realMicroseconds()
{
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// How long a dropped connection stays listed as disconnected before it is gone.
constexpr double kDisconnectedListing = 2.0;
// The tick count of a freshly booted machine is not zero; a simulated one has been up an hour.
constexpr std::uint64_t kUptimeAtStartMs = 3600 * 1000;

struct Profile
{
    const char* name;
    OsVersion version;
    const char* dunVersion;
    CounterViews views;
    bool separatePhonebookLibrary;
    bool ipHelper;
};

const Profile kProfiles[] = {
    { "win95", { OsVersion::kWin32Windows, 4, 0, 950, "" }, "4.00.950", { true, false, false },
        true, false },
    { "win98", { OsVersion::kWin32Windows, 4, 10, 2222, " A " }, "4.10.2222",
        { true, false, false }, false, true },
    { "me", { OsVersion::kWin32Windows, 4, 90, 3000, "" }, "4.90.3000", { true, false, false },
        false, true },
    { "nt4", { OsVersion::kWin32Nt, 4, 0, 1381, "Service Pack 6" }, "4.00", { false, true, true },
        false, true },
    { "nt4-pdh", { OsVersion::kWin32Nt, 4, 0, 1381, "Service Pack 6" }, "4.00",
        { false, false, true }, false, true },
    { "w2k", { OsVersion::kWin32Nt, 5, 0, 2195, "Service Pack 4" }, "5.00.2195", {}, false, true },
    { "xp", { OsVersion::kWin32Nt, 5, 1, 2600, "Service Pack 3" }, "5.1.2600.5512", {}, false,
        true },
    { "vista", { OsVersion::kWin32Nt, 6, 0, 6002, "Service Pack 2" }, "6.0.6002.18005", {}, false,
        true },
    { "win7", { OsVersion::kWin32Nt, 6, 1, 7601, "Service Pack 1" }, "6.1.7601.17514", {}, false,
        true },
    { "none", { OsVersion::kWin32Nt, 5, 1, 2600, "Service Pack 3" }, "", {}, false, true },
};

const Profile& profileOf(const std::string& name)
{
    for (const auto& profile : kProfiles) {
        if (name == profile.name)
            return profile;
    }
    return kProfiles[6];
}

const char* const kPhonebookFunctions[]
    = { "RasGetCountryInfoA", "RasGetEntryPropertiesA", "RasSetEntryPropertiesA", "RasRenameEntryA",
          "RasDeleteEntryA", "RasValidateEntryNameA", "RasEnumDevicesA" };

template<typename T>
T lastAt(const std::vector<Scenario::TimedValue>& values, double time, T fallback)
{
    T result = fallback;
    for (const auto& entry : values) {
        if (entry.at > time)
            break;
        result = static_cast<T>(entry.value);
    }
    return result;
}

// A counter that started at `start` and has moved by `bytes`, which a jump may make negative:
// the counter then wraps round, as a hardware counter does.
std::uint64_t counterAfter(std::uint64_t start, double bytes)
{
    const double bounded = std::clamp(bytes, -9.0e18, 9.0e18);
    return start + static_cast<std::uint64_t>(static_cast<std::int64_t>(bounded));
}

} // namespace

ScaledClock::ScaledClock(
    double scale, std::vector<Scenario::ClockJump> jumps, std::optional<std::int64_t> wallStartMs)
    : m_scale(scale)
    , m_jumps(std::move(jumps))
    , m_realStartUs(realMicroseconds())
    , m_wallStartMs(wallStartMs ? *wallStartMs : Clock::wallMs())
{
}

std::int64_t ScaledClock::wallMs() const
{
    return m_wallStartMs + static_cast<std::int64_t>(monotonicMs() - kUptimeAtStartMs);
}

std::uint64_t ScaledClock::monotonicMs() const
{
    const double elapsedUs = static_cast<double>(realMicroseconds() - m_realStartUs) * m_scale;
    double elapsedMs = elapsedUs / 1000.0;
    const double steadyMs = elapsedMs;
    for (const auto& jump : m_jumps) {
        if (steadyMs >= jump.at * 1000.0)
            elapsedMs += jump.seconds * 1000.0;
    }
    return kUptimeAtStartMs + static_cast<std::uint64_t>(elapsedMs);
}

SimulatorSource::SimulatorSource(Scenario scenario, std::string name, std::unique_ptr<Clock> clock)
    : m_scenario(std::move(scenario))
    , m_name(std::move(name))
    , m_clock(clock ? std::move(clock)
                    : std::make_unique<ScaledClock>(
                        m_scenario.timeScale, m_scenario.clockJumps, m_scenario.startTimeMs))
{
    const Profile& profile = profileOf(m_scenario.profile);
    m_version = profile.version;
    if (m_scenario.servicePackSet)
        m_version.servicePack = m_scenario.servicePack;
    if (m_scenario.dunVersion.empty())
        m_scenario.dunVersion = profile.dunVersion;
    m_views = profile.views;
}

SimulatorSource::Moment SimulatorSource::now() const
{
    const std::uint64_t ms = m_clock->monotonicMs();
    const double seconds
        = static_cast<double>(ms > kUptimeAtStartMs ? ms - kUptimeAtStartMs : 0) / 1000.0;
    if (m_scenario.repeatEvery <= 0)
        return { 0, seconds };
    const double cycle = std::floor(seconds / m_scenario.repeatEvery);
    return { static_cast<std::size_t>(cycle), seconds - cycle * m_scenario.repeatEvery };
}

bool SimulatorSource::providesModule(std::string_view module) const
{
    const Profile& profile = profileOf(m_scenario.profile);
    if (equalsIgnoreCase(module, modules::kRas))
        return m_scenario.profile != "none";
    if (equalsIgnoreCase(module, modules::kPhonebook))
        return profile.separatePhonebookLibrary;
    if (equalsIgnoreCase(module, modules::kPdh))
        return profile.views.pdh;
    if (equalsIgnoreCase(module, modules::kIpHelper))
        return profile.ipHelper;
    return equalsIgnoreCase(module, modules::kUser) || equalsIgnoreCase(module, modules::kSockets);
}

bool SimulatorSource::providesEntryPoint(std::string_view module, std::string_view entryPoint) const
{
    if (!providesModule(module))
        return false;
    for (const auto& missing : m_scenario.missingEntryPoints) {
        if (missing == entryPoint)
            return false;
    }
    if (!equalsIgnoreCase(module, modules::kRas))
        return true;
    const Profile& profile = profileOf(m_scenario.profile);
    if (profile.separatePhonebookLibrary) {
        for (const char* name : kPhonebookFunctions) {
            if (entryPoint == name)
                return false;
        }
    }
    // Per-connection statistics came with NT 5; the 9x family and NT 4 have none of them.
    const bool nt5 = m_version.platformId == OsVersion::kWin32Nt && m_version.major >= 5;
    if (!nt5 && entryPoint.find("Statistics") != std::string_view::npos)
        return false;
    if (m_version.platformId != OsVersion::kWin32Nt && m_version.minor < 10
        && entryPoint == "RasConnectionNotificationA")
        return false;
    return true;
}

std::vector<win::BYTE> SimulatorSource::moduleVersionResource(std::string_view module) const
{
    if (!equalsIgnoreCase(module, modules::kRas) || !providesModule(module)
        || m_scenario.dunVersion.empty())
        return {};
    VersionInfo info;
    info.translations = { { 0x0409, 0x04E4 } };
    info.strings = { { "040904E4", "CompanyName", "Microsoft Corporation" },
        { "040904E4", "FileDescription", "Remote Access API" },
        { "040904E4", "ProductVersion", m_scenario.dunVersion },
        { "040904E4", "FileVersion", m_scenario.dunVersion } };
    return buildVersionBlock(info);
}

win::DWORD SimulatorSource::handleOf(std::size_t index, std::size_t cycle) const
{
    return static_cast<win::DWORD>(0x00A10000u + cycle * 64u + index + 1u);
}

std::optional<double> SimulatorSource::connectedAt(const Scenario::Connection& connection) const
{
    for (const auto& state : connection.states) {
        if (state.value == win::RASCS_Connected)
            return connection.dialAt + state.at;
    }
    return std::nullopt;
}

std::pair<double, double> SimulatorSource::bytesUntil(
    const Scenario::Connection& connection, double time) const
{
    const auto connected = connectedAt(connection);
    if (!connected || time <= *connected)
        return { 0, 0 };
    double end = time;
    if (connection.dropAt)
        end = std::min(end, *connection.dropAt);
    const double since = end - *connected;
    double sent = 0;
    double received = 0;
    for (const auto& segment : connection.traffic) {
        const double overlap = std::min(segment.to, since) - segment.from;
        if (overlap > 0) {
            sent += segment.up * overlap;
            received += segment.down * overlap;
        }
    }
    for (const auto& jump : connection.counterJumps) {
        if (time - connection.dialAt >= jump.at) {
            sent += jump.sent;
            received += jump.received;
        }
    }
    return { std::floor(sent), std::floor(received) };
}

bool SimulatorSource::linkAt(std::size_t index, const Moment& moment, RasLink& link) const
{
    const auto& connection = m_scenario.connections[index];
    const double time = moment.time;
    if (time < connection.dialAt || connection.states.empty()
        || time < connection.dialAt + connection.states.front().at)
        return false;
    if (connection.dropAt && time >= *connection.dropAt + kDisconnectedListing)
        return false;
    link = {};
    link.handle = handleOf(index, moment.cycle);
    link.entryName = connection.name;
    link.deviceType = connection.deviceType;
    link.deviceName = connection.deviceName;
    link.phoneNumber = connection.phoneNumber;
    link.state = lastAt<win::DWORD>(connection.states, time - connection.dialAt, 0);
    if (connection.dropAt && time >= *connection.dropAt)
        link.state = win::RASCS_Disconnected;
    link.error = lastAt<win::DWORD>(connection.statusErrors, time, 0);
    const auto connected = connectedAt(connection);
    link.projected = connected && time >= *connected;
    link.ipError = connection.projectionFails ? win::ERROR_PROJECTION_NOT_COMPLETE : 0;
    link.clientIp = connection.clientIp;
    link.serverIp = connection.serverIp;
    link.authProtocol = connection.authProtocol;
    return true;
}

std::vector<RasLink> SimulatorSource::rasLinks()
{
    if (m_scenario.profile == "none")
        return {};
    const Moment moment = now();
    std::vector<RasLink> links;
    for (std::size_t i = 0; i < m_scenario.connections.size(); ++i) {
        RasLink link;
        if (linkAt(i, moment, link))
            links.push_back(std::move(link));
    }
    return links;
}

bool SimulatorSource::findHandle(win::DWORD handle, std::size_t& index, Moment& moment) const
{
    moment = now();
    for (index = 0; index < m_scenario.connections.size(); ++index) {
        if (handleOf(index, moment.cycle) == handle)
            return true;
    }
    return false;
}

bool SimulatorSource::rasLink(win::DWORD handle, RasLink& link)
{
    std::size_t index = 0;
    Moment moment;
    return findHandle(handle, index, moment) && linkAt(index, moment, link);
}

bool SimulatorSource::rasCounters(win::DWORD handle, RasCounters& counters)
{
    std::size_t index = 0;
    Moment moment;
    RasLink link;
    if (!findHandle(handle, index, moment) || !linkAt(index, moment, link))
        return false;
    const auto& connection = m_scenario.connections[index];
    const auto [sent, received] = bytesUntil(connection, moment.time);
    counters.sent = counterAfter(connection.counterStart[0], sent);
    counters.received = counterAfter(connection.counterStart[1], received);
    if (const auto cleared = m_cleared.find(handle); cleared != m_cleared.end()) {
        counters.sent -= cleared->second[0];
        counters.received -= cleared->second[1];
    }
    const auto connected = connectedAt(connection);
    const bool online = link.state == win::RASCS_Connected;
    counters.bitsPerSecond = online ? connection.speed : 0;
    counters.connectedMs
        = online ? static_cast<std::uint32_t>((moment.time - *connected) * 1000) : 0;
    return true;
}

bool SimulatorSource::clearRasCounters(win::DWORD handle)
{
    RasCounters counters;
    if (!rasCounters(handle, counters))
        return false;
    auto& offset = m_cleared[handle];
    offset[0] += counters.sent;
    offset[1] += counters.received;
    return true;
}

std::vector<PortCounters> SimulatorSource::ports()
{
    const Moment moment = now();
    const bool windows9x = m_version.platformId != OsVersion::kWin32Nt;
    std::vector<PortCounters> ports;
    for (std::size_t i = 0; i < m_scenario.connections.size(); ++i) {
        const auto& connection = m_scenario.connections[i];
        PortCounters port;
        port.name = windows9x ? (i == 0 ? std::string("Dial-Up Adapter")
                                        : "Dial-Up Adapter #" + std::to_string(i + 1))
                              : "COM" + std::to_string(i + 1);
        // A port counts everything it carried since the machine started, over every repetition.
        const auto [sent, received] = bytesUntil(connection, moment.time);
        const auto [cycleSent, cycleReceived] = m_scenario.repeatEvery > 0
            ? bytesUntil(connection, m_scenario.repeatEvery)
            : std::pair { 0.0, 0.0 };
        const auto cycles = static_cast<double>(moment.cycle);
        port.sent = counterAfter(connection.counterStart[0], sent + cycles * cycleSent);
        port.received = counterAfter(connection.counterStart[1], received + cycles * cycleReceived);
        RasLink link;
        port.bitsPerSecond
            = linkAt(i, moment, link) && link.state == win::RASCS_Connected ? connection.speed : 0;
        ports.push_back(std::move(port));
    }
    return ports;
}

std::optional<LinkFacts> SimulatorSource::linkFacts(win::DWORD handle)
{
    std::size_t index = 0;
    Moment moment;
    RasLink link;
    if (!findHandle(handle, index, moment) || !linkAt(index, moment, link))
        return std::nullopt;
    const auto& connection = m_scenario.connections[index];
    LinkFacts facts;
    if (link.projected && !link.ipError) {
        facts.addresses = connection.addresses;
        if (facts.addresses.empty() && !link.clientIp.empty())
            facts.addresses.push_back(link.clientIp);
        facts.peer = connection.peer.empty() ? link.serverIp : connection.peer;
    }
    facts.dnsServers = m_scenario.dnsServers;
    return facts;
}

std::optional<LinkCounters> SimulatorSource::linkCounters(win::DWORD handle)
{
    RasCounters counters;
    if (!rasCounters(handle, counters))
        return std::nullopt;
    return LinkCounters { counters.sent, counters.received };
}

NetworkParams SimulatorSource::networkParams()
{
    NetworkParams params;
    params.hostName = m_scenario.hostName;
    params.domainName = m_scenario.domainName;
    params.dnsServers = m_scenario.dnsServers;
    params.enableDns = !m_scenario.dnsServers.empty();
    return params;
}

} // namespace platform

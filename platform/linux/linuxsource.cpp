// SPDX-License-Identifier: GPL-3.0-or-later
#include "linuxsource.h"

#include "../logging.h"
#include "../modulenames.h"
#include "../text.h"
#include "../version/versionblock.h"
#include "../win/ras.h"
#include "dialstates.h"
#include "interfacefiles.h"
#include "linkspeed.h"
#include "resolverconfig.h"

#include <algorithm>
#include <fnmatch.h>
#include <net/if.h>
#include <set>
#include <sys/utsname.h>

namespace platform {

namespace {

constexpr win::DWORD kProjectionStarted = 10;
// How long the list of patterns is taken as known: another program may change it.
constexpr std::uint64_t kRecheckMs = 5000;
constexpr unsigned kArphrdEther = 1;
constexpr unsigned kArphrdPpp = 512;
constexpr unsigned kArphrdRawIp = 519;
constexpr unsigned kArphrdNone = 65534; // tun

std::string kernelRelease()
{
    utsname name {};
    return uname(&name) == 0 ? std::string(name.release) : std::string();
}

} // namespace

LinuxSource::LinuxSource(Roots roots, std::unique_ptr<KernelLinks> kernel,
    std::function<std::string()> patterns, std::unique_ptr<Clock> clock, ManagerFactory manager)
    : m_roots(std::move(roots))
    , m_kernel(std::move(kernel))
    , m_patternSource(std::move(patterns))
    , m_clock(clock ? std::move(clock) : std::make_unique<SystemClock>())
    , m_managerFactory(std::move(manager))
{
}

OsVersion LinuxSource::osVersion() const
{
    return { OsVersion::kWin32Nt, 5, 1, 2600, "point-to-point links" };
}

bool LinuxSource::providesModule(std::string_view module) const
{
    return equalsIgnoreCase(module, modules::kRas) || equalsIgnoreCase(module, modules::kIpHelper)
        || equalsIgnoreCase(module, modules::kUser) || equalsIgnoreCase(module, modules::kSockets);
}

bool LinuxSource::providesEntryPoint(std::string_view module, std::string_view) const
{
    return providesModule(module);
}

std::vector<win::BYTE> LinuxSource::moduleVersionResource(std::string_view module) const
{
    if (!equalsIgnoreCase(module, modules::kRas))
        return {};
    VersionInfo info;
    info.translations = { { 0x0409, 0xFDE9 } };
    info.strings = { { "0409FDE9", "ProductVersion", "Linux " + kernelRelease() },
        { "0409FDE9", "FileDescription", "Point-to-point links of the Linux kernel" } };
    return buildVersionBlock(info);
}

std::filesystem::path LinuxSource::interfaceDir(const std::string& interface) const
{
    return m_roots.sys / "class" / "net" / interface;
}

bool LinuxSource::refreshPatterns(std::uint64_t now)
{
    if (m_patterns && now - m_patternsAtMs < kRecheckMs)
        return false;
    std::vector<std::string> patterns;
    const std::string list = m_patternSource ? m_patternSource() : std::string();
    for (auto part : split(list, ',')) {
        const auto start = part.find_first_not_of(" \t");
        const auto end = part.find_last_not_of(" \t");
        if (start != std::string_view::npos)
            patterns.emplace_back(part.substr(start, end - start + 1));
    }
    m_patternsAtMs = now;
    const bool changed = !m_patterns || *m_patterns != patterns;
    m_patterns = std::move(patterns);
    if (changed)
        m_lookedAt.reset(); // what was not watched may be now
    return changed;
}

bool LinuxSource::matchesPattern(const std::string& name) const
{
    return m_patterns && !name.empty()
        && std::any_of(m_patterns->begin(), m_patterns->end(), [&](const std::string& pattern) {
               return fnmatch(pattern.c_str(), name.c_str(), 0) == 0;
           });
}

bool LinuxSource::watched(const KernelLink& link) const
{
    return (link.flags & IFF_POINTOPOINT) || matchesPattern(link.name);
}

LinkManager* LinuxSource::linkManager()
{
    if (!m_managerTried) {
        m_managerTried = true;
        if (m_managerFactory) {
            m_manager = m_managerFactory(m_managerAbsence);
            if (!m_manager)
                qCInfo(lcPlatform).noquote()
                    << "NetworkManager is not used, links are named after their interfaces:"
                    << QString::fromStdString(m_managerAbsence);
        }
    }
    return m_manager.get();
}

bool LinuxSource::settling()
{
    const LinkManager* manager = linkManager();
    return manager && manager->settling();
}

bool LinuxSource::watchedManaged(const ManagedLink& managed) const
{
    if (!deviceTypeOf(managed.connectionType).empty() || matchesPattern(managed.interface)
        || matchesPattern(managed.connection))
        return true;
    const KernelLink* kernel = m_kernel->find(managed.interface);
    return kernel && (kernel->flags & IFF_POINTOPOINT) && !(kernel->flags & IFF_LOOPBACK);
}

void LinuxSource::describeManaged(Tracked& tracked, const ManagedLink& managed)
{
    if (managed.interface != tracked.interface) {
        // The connection moved to the interface that carries its traffic (a modem's control
        // port, then its network interface): the counters are that interface's from here.
        openInterface(tracked, managed.interface);
        tracked.baseline[0] = tracked.baseline[1] = 0;
        readCounters(tracked, tracked.baseline[0], tracked.baseline[1]);
    }
    tracked.managed = managed;
    RasLink& link = tracked.link;
    link.entryName = managed.connection;
    if (const auto type = deviceTypeOf(managed.connectionType); !type.empty())
        link.deviceType = type;
    if (!managed.deviceName.empty())
        link.deviceName = managed.deviceName;
    link.error = 0;
    const bool kernelConnected = readLink(tracked) && link.state == win::RASCS_Connected;
    const win::DWORD state = dialStateOf(managed.deviceState);
    if (managed.deviceState == nmstate::kFailed)
        link.error = dialErrorOf(managed.stateReason);
    // Connected only once the kernel agrees: the addresses and counters are its own.
    link.state = state != win::RASCS_Connected ? state
        : kernelConnected                      ? win::RASCS_Connected
                                               : kProjectionStarted;
    link.projected = link.state == win::RASCS_Connected;
    if (!link.projected) {
        link.clientIp.clear();
        link.serverIp.clear();
    }
}

void LinuxSource::openInterface(Tracked& tracked, const std::string& interface)
{
    tracked.interface = interface;
    // Should the interface be made again before the files are open, its event is read at the
    // next update and tells.
    const KernelLink* kernel = m_kernel->find(interface);
    tracked.serial = kernel ? kernel->serial : 0;
    tracked.files = InterfaceFiles(interfaceDir(interface));
}

LinuxSource::Folder LinuxSource::checkFolder(const Tracked& tracked) const
{
    const KernelLink* kernel = m_kernel->find(tracked.interface);
    return !kernel                         ? Folder::Gone
        : kernel->serial == tracked.serial ? Folder::Same
                                           : Folder::Replaced;
}

LinuxSource::Tracked& LinuxSource::startTracking(Tracked tracked)
{
    const auto path = interfaceDir(tracked.interface);
    const win::DWORD handle = m_nextHandle++;
    RasLink& link = tracked.link;
    link.handle = handle;
    link.entryName = tracked.interface;
    const KernelLink* kernel = m_kernel->find(tracked.interface);
    const unsigned type = kernel ? kernel->type : 0;
    const bool modem
        = type == kArphrdPpp || type == kArphrdRawIp || tracked.interface.starts_with("wwan");
    link.deviceType = modem ? "modem" : "vpn";
    std::error_code error;
    const auto driver = std::filesystem::read_symlink(path / "device" / "driver", error);
    link.deviceName = !error ? driver.filename().string() : type == kArphrdPpp ? "PPP" : "tunnel";
    tracked.bitsPerSecond = linkSpeedBits(path);
    // The counters are the link's own from its first sight: baseline at discovery.
    readCounters(tracked, tracked.baseline[0], tracked.baseline[1]);
    return m_tracked.emplace(handle, std::move(tracked)).first->second;
}

bool LinuxSource::readLink(Tracked& tracked)
{
    const KernelLink* kernel = m_kernel->find(tracked.interface);
    if (!kernel || kernel->serial != tracked.serial || !(kernel->flags & IFF_UP))
        return false;
    RasLink& link = tracked.link;
    const LinkAddresses& address = kernel->addresses;
    const bool addressed = !address.local.empty() || address.ipv6;
    const bool connected = kernel->carrier && addressed;
    link.state = connected ? win::RASCS_Connected : kProjectionStarted;
    link.projected = connected;
    link.clientIp = address.local;
    link.serverIp = address.peer;
    if (connected && !tracked.connectedSinceMs)
        tracked.connectedSinceMs = m_clock->monotonicMs();
    return true;
}

std::vector<RasLink> LinuxSource::rasLinks()
{
    const std::uint64_t now = m_clock->monotonicMs();
    const bool patternsChanged = refreshPatterns(now);
    const ManagedByDevice managedLinks = watchedManagedLinks();
    m_kernel->update();
    std::set<std::string> listed; // interfaces whose connection is tracked
    const std::set<std::string> listedDevices
        = keepTrackedLinks(managedLinks, patternsChanged, listed);
    trackNewManagedLinks(managedLinks, listedDevices, listed);
    trackNewInterfaces(listed);
    std::vector<RasLink> links;
    links.reserve(m_tracked.size());
    for (const auto& [handle, tracked] : m_tracked)
        links.push_back(tracked.link);
    return links;
}

LinuxSource::ManagedByDevice LinuxSource::watchedManagedLinks()
{
    ManagedByDevice managedLinks;
    if (LinkManager* manager = linkManager()) {
        manager->update();
        for (const auto& managed : manager->links()) {
            if (watchedManaged(managed))
                managedLinks[managed.device] = &managed;
        }
    }
    return managedLinks;
}

std::set<std::string> LinuxSource::keepTrackedLinks(
    const ManagedByDevice& managedLinks, bool patternsChanged, std::set<std::string>& listed)
{
    std::set<std::string> listedDevices;
    std::set<std::string> trackedDevices;
    for (const auto& [handle, tracked] : m_tracked) {
        if (tracked.managed)
            trackedDevices.insert(tracked.managed->device);
    }
    for (auto it = m_tracked.begin(); it != m_tracked.end();) {
        Tracked& tracked = it->second;
        const ManagedLink* managed = nullptr;
        bool claimed = false; // the interface now carries a connection listed already
        for (const auto& [device, candidate] : managedLinks) {
            if (tracked.managed ? tracked.managed->device == device
                                : candidate->interface == tracked.interface) {
                managed = candidate;
                claimed = !tracked.managed && trackedDevices.contains(device);
            }
        }
        bool keep = false;
        if (claimed) {
            keep = false;
        } else if (managed) {
            switch (checkFolder(tracked)) {
            case Folder::Same:
                break;
            case Folder::Gone: // the kernel's facts read as missing until it is back
                tracked.files = InterfaceFiles();
                break;
            case Folder::Replaced:
                openInterface(tracked, tracked.interface);
                break;
            }
            describeManaged(tracked, *managed);
            listedDevices.insert(managed->device);
            keep = true;
        } else if (!tracked.managed) {
            // A folder made again under the name is another interface: a new connection.
            keep = readLink(tracked)
                && (!patternsChanged || tracked.pointToPoint || matchesPattern(tracked.interface));
        }
        // Gone, down, no longer the manager's or no longer chosen: a comeback is a new connection.
        if (keep) {
            listed.insert(tracked.interface);
            ++it;
        } else {
            it = m_tracked.erase(it);
            m_lookedAt.reset(); // its interface may be a link of its own now
        }
    }
    return listedDevices;
}

void LinuxSource::trackNewManagedLinks(const ManagedByDevice& managedLinks,
    const std::set<std::string>& listedDevices, std::set<std::string>& listed)
{
    for (const auto& [device, managed] : managedLinks) {
        if (listedDevices.contains(device))
            continue;
        Tracked fresh;
        openInterface(fresh, managed->interface);
        Tracked& tracked = startTracking(std::move(fresh));
        describeManaged(tracked, *managed);
        listed.insert(tracked.interface);
    }
}

void LinuxSource::trackNewInterfaces(std::set<std::string>& listed)
{
    // Until the manager has said which links are its own, a new one would be named after its
    // interface a moment before its connection's name came.
    if (m_manager && m_manager->settling())
        return;
    // The interfaces that are not tracked change only with the kernel's table (a link that is
    // merely down is seen the moment it comes up), the patterns or a link let go.
    if (m_lookedAt == m_kernel->generation())
        return;
    m_lookedAt = m_kernel->generation();
    for (const auto& [index, kernel] : m_kernel->links()) {
        if (listed.contains(kernel.name) || (kernel.flags & IFF_LOOPBACK)
            || !(kernel.flags & IFF_UP) || !watched(kernel))
            continue;
        Tracked probe;
        openInterface(probe, kernel.name);
        if (!readLink(probe))
            continue;
        probe.pointToPoint = (kernel.flags & IFF_POINTOPOINT) != 0;
        startTracking(std::move(probe));
        listed.insert(kernel.name);
    }
}

LinuxSource::Tracked* LinuxSource::find(win::DWORD handle)
{
    const auto found = m_tracked.find(handle);
    return found == m_tracked.end() ? nullptr : &found->second;
}

bool LinuxSource::rasLink(win::DWORD handle, RasLink& link)
{
    m_kernel->update();
    Tracked* tracked = find(handle);
    if (tracked && tracked->managed) {
        // The manager's view stands until its next signal; the kernel's facts are read afresh.
        describeManaged(*tracked, *tracked->managed);
        link = tracked->link;
        return true;
    }
    if (!tracked || !readLink(*tracked)) {
        if (tracked)
            m_tracked.erase(handle);
        return false;
    }
    link = tracked->link;
    return true;
}

bool LinuxSource::readCounters(Tracked& tracked, std::uint64_t& sent, std::uint64_t& received)
{
    const auto tx = tracked.files.number(InterfaceFiles::TxBytes);
    const auto rx = tracked.files.number(InterfaceFiles::RxBytes);
    if (!tx || !rx)
        return false;
    sent = *tx;
    received = *rx;
    return true;
}

bool LinuxSource::rasCounters(win::DWORD handle, RasCounters& counters)
{
    Tracked* tracked = find(handle);
    std::uint64_t sent = 0;
    std::uint64_t received = 0;
    if (!tracked || !readCounters(*tracked, sent, received))
        return false;
    counters.sent = sent - tracked->baseline[0];
    counters.received = received - tracked->baseline[1];
    counters.bitsPerSecond = tracked->bitsPerSecond;
    const std::uint64_t since = tracked->connectedSinceMs.value_or(m_clock->monotonicMs());
    counters.connectedMs = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(m_clock->monotonicMs() - since, 0xFFFFFFFFu));
    return true;
}

std::optional<LinkCounters> LinuxSource::linkCounters(win::DWORD handle)
{
    RasCounters counters;
    if (!rasCounters(handle, counters))
        return std::nullopt;
    return LinkCounters { counters.sent, counters.received };
}

bool LinuxSource::clearRasCounters(win::DWORD handle)
{
    Tracked* tracked = find(handle);
    return tracked && readCounters(*tracked, tracked->baseline[0], tracked->baseline[1]);
}

NetworkParams LinuxSource::networkParams()
{
    NetworkParams params;
    params.hostName = readValue(m_roots.proc / "sys" / "kernel" / "hostname");
    const ResolverConfig resolver = readResolverConfig(m_roots.etc, m_roots.run);
    params.domainName = resolver.domain;
    params.dnsServers = resolver.nameservers;
    params.enableDns = !resolver.nameservers.empty();
    return params;
}

std::optional<LinkFacts> LinuxSource::linkFacts(win::DWORD handle)
{
    Tracked* tracked = find(handle);
    if (!tracked)
        return std::nullopt;
    LinkFacts facts;
    if (const KernelLink* kernel = m_kernel->find(tracked->interface)) {
        facts.addresses = kernel->addresses.all;
        facts.peer = kernel->addresses.farEnd;
    }
    facts.dnsServers = readResolverConfig(m_roots.etc, m_roots.run).allNameservers;
    if (tracked->managed) {
        facts.connection = tracked->managed->connection;
        facts.kind = tracked->managed->connectionType;
        facts.state = tracked->link.state == win::RASCS_Connected ? "connected" : "connecting";
    }
    return facts;
}

} // namespace platform

namespace platform {

std::string LinuxSource::linkOrigin(win::DWORD handle)
{
    const Tracked* tracked = find(handle);
    if (!tracked)
        return {};
    std::string origin;
    if (tracked->managed) {
        const ManagedLink& managed = *tracked->managed;
        origin = "name, type and state from NetworkManager (connection \"" + managed.connection
            + "\" of type " + managed.connectionType + " on "
            + managed.interface + ", device state " + std::to_string(managed.deviceState) + " "
            + deviceStateName(managed.deviceState) + ")";
    } else {
        origin = "name, type and state from the kernel (interface " + tracked->interface + ")";
        const std::string absence = m_manager ? m_manager->absence() : m_managerAbsence;
        if (!absence.empty())
            origin += "; NetworkManager is not used: " + absence;
        else if (m_manager)
            origin += "; NetworkManager has no connection of its own on it";
    }
    return origin + "; addresses and traffic from the kernel";
}

std::vector<InterfaceInfo> LinuxSource::interfaces()
{
    std::map<std::string, const ManagedLink*> managedByInterface;
    if (LinkManager* manager = linkManager()) {
        for (const auto& managed : manager->links())
            managedByInterface[managed.interface] = &managed;
    }
    std::map<std::string, const Tracked*> trackedByInterface;
    for (const auto& [handle, tracked] : m_tracked)
        trackedByInterface[tracked.interface] = &tracked;
    m_kernel->update();
    std::vector<InterfaceInfo> result;
    for (const auto& [index, kernel] : m_kernel->links()) {
        if (kernel.flags & IFF_LOOPBACK)
            continue;
        InterfaceInfo info;
        info.name = kernel.name;
        const unsigned flags = kernel.flags;
        std::error_code error;
        info.kind = (flags & IFF_POINTOPOINT) ? "point-to-point"
            : kernel.type == kArphrdPpp       ? "ppp"
            : kernel.type == kArphrdRawIp     ? "modem"
            : kernel.type == kArphrdNone      ? "tunnel"
            : std::filesystem::exists(interfaceDir(info.name) / "wireless", error) ? "wireless"
            : kernel.type == kArphrdEther                                          ? "ethernet"
                                                                                   : "other";
        if (const auto managed = managedByInterface.find(info.name);
            managed != managedByInterface.end()) {
            info.connection = managed->second->connection;
            if (const auto kind = deviceTypeOf(managed->second->connectionType); !kind.empty()) {
                info.kind = kind;
                info.automatic = true;
            }
        }
        info.automatic = info.automatic || (flags & IFF_POINTOPOINT);
        const auto tracked = trackedByInterface.find(info.name);
        info.watched = tracked != trackedByInterface.end();
        info.state = info.watched
            ? (tracked->second->link.state == win::RASCS_Connected ? "connected" : "connecting")
            : !(flags & IFF_UP) ? "down"
            : kernel.carrier    ? "up"
                                : "no carrier";
        // The far end beside the first address of its family.
        const LinkAddresses& link = kernel.addresses;
        const auto isIpv6
            = [](const std::string& text) { return text.find(':') != std::string::npos; };
        bool peered = link.farEnd.empty();
        for (const std::string& address : link.all) {
            const bool beside = !peered && isIpv6(address) == isIpv6(link.farEnd);
            info.addresses.push_back(beside ? address + " peer " + link.farEnd : address);
            peered = peered || beside;
        }
        result.push_back(std::move(info));
    }
    std::sort(result.begin(), result.end(),
        [](const InterfaceInfo& a, const InterfaceInfo& b) { return a.name < b.name; });
    return result;
}

} // namespace platform

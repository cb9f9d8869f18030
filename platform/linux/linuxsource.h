// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../counterregistry.h"
#include "../datasource.h"
#include "interfacefiles.h"
#include "kernellinks.h"
#include "linkmanager.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace platform {

// The real machine: its point-to-point links (PPP, mobile broadband, tunnels) as dial-up
// connections, reported as an NT 5.1 release with per-connection statistics.
//
// A link is an interface with the point-to-point flag, or one whose name matches a pattern of
// the configured list. It is listed while it is up; its state is connected (8192) while it also
// has carrier and an address, and "projection started" (10) before that. Its handle lasts while
// it stays listed; a link that comes back gets a new one. The kernel's interfaces, their flags
// and addresses come from `KernelLinks` as they change; counters are the interface statistics of
// the listed links alone, less a per-handle baseline.
//
// Where a network manager runs, a device with a connection of a dial-up kind on it (mobile
// broadband, VPN, PPPoE, Bluetooth) is a link too, or one of any kind whose interface or
// connection name matches a pattern; it is named after its connection, and its state follows
// the manager's device state from the moment it starts to connect. The kernel stays the source
// of addresses and counters.
class LinuxSource final : public DataSource
{
public:
    struct Roots
    {
        std::filesystem::path sys = "/sys";
        std::filesystem::path proc = "/proc";
        std::filesystem::path etc = "/etc";
        std::filesystem::path run = "/run";
    };
    // `patterns` gives the comma-separated interface names or glob patterns to watch besides the
    // point-to-point ones; it is asked at the first enumeration, after settingsChanged() and
    // every few seconds (another program may change it). `manager` connects to the network
    // manager at the first enumeration, or answers null and why not.
    using ManagerFactory = std::function<std::unique_ptr<LinkManager>(std::string& why)>;
    LinuxSource(Roots roots, std::unique_ptr<KernelLinks> kernel,
        std::function<std::string()> patterns, std::unique_ptr<Clock> clock = nullptr,
        ManagerFactory manager = {});

    std::string name() const override { return "linux"; }
    Clock& clock() override { return *m_clock; }
    OsVersion osVersion() const override;
    bool providesModule(std::string_view module) const override;
    bool providesEntryPoint(std::string_view module, std::string_view entryPoint) const override;
    std::vector<win::BYTE> moduleVersionResource(std::string_view module) const override;
    VirtualRegistry& virtualRegistry() override { return m_registry; }
    std::vector<RasLink> rasLinks() override;
    bool rasLink(win::DWORD handle, RasLink& link) override;
    bool rasCounters(win::DWORD handle, RasCounters& counters) override;
    bool clearRasCounters(win::DWORD handle) override;
    NetworkParams networkParams() override;
    std::optional<LinkFacts> linkFacts(win::DWORD handle) override;
    std::optional<LinkCounters> linkCounters(win::DWORD handle) override;
    std::vector<InterfaceInfo> interfaces() override;
    bool watchesThisMachine() const override { return true; }
    std::string linkOrigin(win::DWORD handle) override;
    bool settling() override;
    void settingsChanged() override { m_patterns.reset(); }

private:
    struct Tracked
    {
        std::string interface;
        std::uint64_t serial = 0; // the kernel's interface the files are open on
        std::uint64_t baseline[2] = { 0, 0 };
        std::uint32_t bitsPerSecond = 0; // read once: a link's speed does not change while it is up
        std::optional<std::uint64_t> connectedSinceMs;
        RasLink link; // as of the last enumeration or status read
        bool pointToPoint = false;
        std::optional<ManagedLink> managed; // the network manager's view, where it has one
        InterfaceFiles files; // the interface's, kept open while it is tracked
    };

    std::filesystem::path interfaceDir(const std::string& interface) const;
    bool watched(const KernelLink& link) const;
    bool matchesPattern(const std::string& name) const;
    // Reads the list of patterns when it is due; true when it changed.
    bool refreshPatterns(std::uint64_t now);
    // The enumeration's steps: the manager's links that are watched, by device; the tracked
    // links kept (the rest dropped, their interfaces and devices noted in `listed` and the
    // result); then the manager's links and the interfaces not tracked yet.
    using ManagedByDevice = std::map<std::string, const ManagedLink*>;
    ManagedByDevice watchedManagedLinks();
    std::set<std::string> keepTrackedLinks(
        const ManagedByDevice& managedLinks, bool patternsChanged, std::set<std::string>& listed);
    void trackNewManagedLinks(const ManagedByDevice& managedLinks,
        const std::set<std::string>& listedDevices, std::set<std::string>& listed);
    void trackNewInterfaces(std::set<std::string>& listed);
    LinkManager* linkManager();
    bool watchedManaged(const ManagedLink& managed) const;
    // Takes the manager's view of a link into it: names, interface and state.
    void describeManaged(Tracked& tracked, const ManagedLink& managed);
    // Lists an interface as a new link, with the kernel's facts about it.
    Tracked& startTracking(Tracked tracked);
    // Makes `interface` the one the link's files and counters come from.
    void openInterface(Tracked& tracked, const std::string& interface);
    // Whether the link's open files are still its interface's.
    enum class Folder { Same, Gone, Replaced };
    Folder checkFolder(const Tracked& tracked) const;
    // Takes the kernel's state of the link's interface into it; false when the interface is gone,
    // down, or another one under the same name.
    bool readLink(Tracked& tracked);
    static bool readCounters(Tracked& tracked, std::uint64_t& sent, std::uint64_t& received);
    Tracked* find(win::DWORD handle);

    Roots m_roots;
    std::unique_ptr<KernelLinks> m_kernel;
    // The kernel table's generation the untracked interfaces were last looked at in; unset when
    // they are due for a look.
    std::optional<std::uint64_t> m_lookedAt;
    std::function<std::string()> m_patternSource;
    std::optional<std::vector<std::string>> m_patterns;
    std::uint64_t m_patternsAtMs = 0;
    std::unique_ptr<LinkManager> m_manager;
    bool m_managerTried = false;
    std::string m_managerAbsence; // why there is no manager, when a factory said so
    std::unique_ptr<Clock> m_clock;
    ManagerFactory m_managerFactory;
    std::map<win::DWORD, Tracked> m_tracked;
    win::DWORD m_nextHandle = 0x00B10001;
    CounterRegistry m_registry { *this };
};

} // namespace platform

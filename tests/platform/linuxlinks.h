// SPDX-License-Identifier: GPL-3.0-or-later
// A sample machine for the Linux source: /sys, /proc, /etc and /run trees in a scratch folder,
// and a kernel table of interfaces and addresses the test sets.
#pragma once

#include "platform/linux/linuxsource.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>

namespace testing_support::linuxlinks {

using platform::InterfaceAddress;
using platform::LinuxSource;

// What the kernel reports of a link with one IPv4 address (and its peer, if any).
inline std::vector<InterfaceAddress> ipv4Link(
    const std::string& local, const std::string& peer = {})
{
    return { { AF_INET, local, peer } };
}

// The same of a link with one IPv6 address.
inline std::vector<InterfaceAddress> ipv6Link(
    const std::string& local, const std::string& peer = {})
{
    return { { AF_INET6, local, peer } };
}

constexpr unsigned kUp = 0x1;
constexpr unsigned kPointToPoint = 0x10;
constexpr unsigned kRunning = 0x40;

// The kernel's table as the test sets it: the interfaces, and their addresses by name.
class FakeKernelLinks final : public platform::KernelLinks
{
public:
    FakeKernelLinks(const std::map<std::string, platform::KernelLink>& interfaces,
        const std::map<std::string, std::vector<InterfaceAddress>>& addresses)
        : m_interfaces(interfaces)
        , m_addresses(addresses)
    {
    }
    void update() override
    {
        std::map<int, platform::KernelLink> links;
        for (const auto& [name, link] : m_interfaces) {
            platform::KernelLink& entry = links[link.index] = link;
            if (const auto found = m_addresses.find(name); found != m_addresses.end())
                entry.addressList = found->second;
        }
        assign(std::move(links));
    }

private:
    const std::map<std::string, platform::KernelLink>& m_interfaces;
    const std::map<std::string, std::vector<InterfaceAddress>>& m_addresses;
};

class LinuxLinks : public testing::Test
{
protected:
    void write(const std::filesystem::path& file, const std::string& content)
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::trunc) << content;
    }
    std::filesystem::path net(const std::string& name)
    {
        return m_root.path() / "sys" / "class" / "net" / name;
    }
    // A new interface under the name, with carrier, whether or not one had it before.
    void addInterface(const std::string& name, unsigned flags, int ifindex, unsigned type = 512)
    {
        removeInterface(name);
        m_interfaces[name] = { ifindex, name, flags, type, true, ++m_serials, {}, {} };
        setCounters(name, 0, 0);
    }
    void removeInterface(const std::string& name)
    {
        std::filesystem::remove_all(net(name));
        m_interfaces.erase(name);
    }
    void setCarrier(const std::string& name, bool carrier)
    {
        m_interfaces.at(name).carrier = carrier;
    }
    void setFlags(const std::string& name, unsigned flags) { m_interfaces.at(name).flags = flags; }
    void setCounters(const std::string& name, std::uint64_t sent, std::uint64_t received)
    {
        write(net(name) / "statistics" / "tx_bytes", std::to_string(sent) + "\n");
        write(net(name) / "statistics" / "rx_bytes", std::to_string(received) + "\n");
    }
    LinuxSource& source(std::string patterns = {}, LinuxSource::ManagerFactory manager = {})
    {
        LinuxSource::Roots roots { m_root.path() / "sys", m_root.path() / "proc",
            m_root.path() / "etc", m_root.path() / "run" };
        std::filesystem::create_directories(roots.sys / "class" / "net");
        m_source = std::make_unique<LinuxSource>(
            roots, std::make_unique<FakeKernelLinks>(m_interfaces, m_addresses),
            [patterns] { return patterns; }, std::make_unique<platform::ManualClock>(1000),
            std::move(manager));
        return *m_source;
    }

    testing_support::TemporaryFolder m_root;
    std::map<std::string, platform::KernelLink> m_interfaces;
    std::uint64_t m_serials = 0;
    std::map<std::string, std::vector<InterfaceAddress>> m_addresses;
    std::unique_ptr<LinuxSource> m_source;
};

} // namespace testing_support::linuxlinks

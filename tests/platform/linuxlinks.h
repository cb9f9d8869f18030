// SPDX-License-Identifier: GPL-3.0-or-later
// A sample machine for the Linux source: /sys, /proc, /etc and /run trees in a scratch folder,
// and an address table the test sets.
#pragma once

#include "platform/linux/linuxsource.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>

namespace testing_support::linuxlinks {

using platform::LinkAddresses;
using platform::LinuxSource;

class FakeAddresses final : public platform::AddressReader
{
public:
    explicit FakeAddresses(std::map<std::string, LinkAddresses>& table)
        : m_table(table)
    {
    }
    std::map<std::string, LinkAddresses> read() const override { return m_table; }

private:
    std::map<std::string, LinkAddresses>& m_table;
};

// What the address reader reports of a link with one IPv4 address (and its peer, if any).
inline LinkAddresses ipv4Link(const std::string& local, const std::string& peer = {})
{
    return { local, peer, false, { local }, peer };
}

// The same of a link with IPv6 addresses alone.
inline LinkAddresses ipv6Link(const std::string& local, const std::string& peer = {})
{
    return { "", "", true, { local }, peer };
}

constexpr unsigned kUp = 0x1;
constexpr unsigned kPointToPoint = 0x10;
constexpr unsigned kRunning = 0x40;

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
    void addInterface(const std::string& name, unsigned flags, int ifindex, unsigned type = 512)
    {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x\n", flags);
        write(net(name) / "flags", hex);
        write(net(name) / "ifindex", std::to_string(ifindex) + "\n");
        write(net(name) / "type", std::to_string(type) + "\n");
        write(net(name) / "carrier", "1\n");
        setCounters(name, 0, 0);
    }
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
            roots, std::make_unique<FakeAddresses>(m_addresses), [patterns] { return patterns; },
            std::make_unique<platform::ManualClock>(1000), std::move(manager));
        return *m_source;
    }

    testing_support::TemporaryFolder m_root;
    std::map<std::string, LinkAddresses> m_addresses;
    std::unique_ptr<LinuxSource> m_source;
};

} // namespace testing_support::linuxlinks

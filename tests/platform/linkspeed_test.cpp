// SPDX-License-Identifier: GPL-3.0-or-later
// Which interfaces are virtual, and the speeds reported for them, over sample sysfs trees.
#include "platform/linux/linkspeed.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct Interface
{
    const char* name;
    bool device; // a "device" link below the interface, as real hardware has
    const char* extra; // a further file or folder the driver adds, or null
    unsigned type;
    const char* speed; // the "speed" file's text, or null when it cannot be read
    bool virtualLink;
    std::uint32_t expected;
};

// Guards against virtual links reporting their driver's nominal speed (4294967295 bits/s for
// tun's 10 Gbit/s), which scaled the graphs so that real traffic drew nothing.
TEST(LinkSpeed, VirtualDriversReportNoSpeedAndDevicesKeepTheirs)
{
    const Interface interfaces[] = {
        { "tun0", false, "tun_flags", 65534, "10000", true, 0 },
        { "tap0", false, "tun_flags", 1, "10000", true, 0 },
        { "wg0", false, nullptr, 65534, "-1", true, 0 },
        { "veth0", false, nullptr, 1, "10000", true, 0 },
        { "br0", false, "bridge/", 1, "10000", true, 0 },
        { "dummy0", false, nullptr, 1, "-1", true, 0 },
        { "ppp0", false, nullptr, 512, nullptr, true, 0 },
        { "eth0", true, nullptr, 1, "1000", false, 1000000000u },
        { "eth1", true, nullptr, 1, "10000", false, 0xFFFFFFFFu }, // beyond 32 bits: the largest
        { "usb0", true, nullptr, 1, "-1", false, 0 },
        { "wwan0", true, nullptr, 519, nullptr, false, 0 },
        { "tun1", true, "tun_flags", 65534, "10000", true, 0 },
        { "raw0", true, nullptr, 65534, "10000", true, 0 },
    };
    testing_support::TemporaryFolder sys;
    for (const Interface& interface : interfaces) {
        const auto dir = sys.path() / "class" / "net" / interface.name;
        std::filesystem::create_directories(dir);
        if (interface.device) {
            std::filesystem::create_directories(sys.path() / "devices" / interface.name);
            std::filesystem::create_directory_symlink(
                sys.path() / "devices" / interface.name, dir / "device");
        }
        if (interface.extra && std::string(interface.extra).ends_with('/'))
            std::filesystem::create_directories(dir / interface.extra);
        else if (interface.extra)
            std::ofstream(dir / interface.extra) << "0x1001\n";
        std::ofstream(dir / "type") << interface.type << "\n";
        if (interface.speed)
            std::ofstream(dir / "speed") << interface.speed << "\n";
        EXPECT_EQ(platform::linkSpeedBits(dir), interface.expected) << interface.name;
        EXPECT_EQ(platform::isVirtualLink(dir), interface.virtualLink) << interface.name;
    }
}

} // namespace

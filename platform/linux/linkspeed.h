// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>

namespace platform {

// Whether an interface is made by a virtual driver (tun, tap, WireGuard, veth, bridges, dummy,
// ...) rather than a device: by the facts under its sysfs folder `interfaceDir`
// (<sys>/class/net/<name>): no "device" below it, a tun's "tun_flags", a bridge's "bridge"
// folder, or no link-layer header at all (type 65534, as tun and WireGuard have).
bool isVirtualLink(const std::filesystem::path& interfaceDir);

// The speed of an interface in bits per second from its sysfs "speed" (Mbit/s), at most
// 4294967295; 0 where the kernel knows none (-1, an error) or the driver is virtual, whose
// nominal figure (10 Gbit/s for tun) says nothing about the line behind it.
std::uint32_t linkSpeedBits(const std::filesystem::path& interfaceDir);

} // namespace platform

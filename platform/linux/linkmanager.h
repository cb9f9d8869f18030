// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace platform {

// What the machine's network manager knows about one device with a connection on it.
struct ManagedLink
{
    std::string device; // the manager's own name for the device (a D-Bus object path)
    std::string interface; // the interface that carries the traffic; may not exist yet
    std::string connection; // the connection's name as the user gave it ("Work VPN")
    std::string connectionType; // the manager's connection type ("gsm", "tun", "vpn", ...)
    std::string deviceName; // product, else driver
    unsigned deviceState = 0; // NetworkManager's device state (NMDeviceState)
    unsigned stateReason = 0; // why it entered that state (NMDeviceStateReason)
};

// A network manager's view of the links, kept up to date by its own notifications.
class LinkManager
{
public:
    virtual ~LinkManager() = default;
    // Takes in what changed since the last call; cheap when nothing did, and never waits.
    virtual void update() = 0;
    // The devices that are activating, active or deactivating, and those whose activation
    // failed since the update before the last one, so that every failure is seen once.
    virtual const std::vector<ManagedLink>& links() const = 0;
    // Why the manager's facts are missing just now (its service is not running, say); empty
    // while it answers.
    virtual std::string absence() const { return {}; }
    // True while answers the manager asked for are still on their way.
    virtual bool settling() const { return false; }
};

} // namespace platform

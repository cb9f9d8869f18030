// SPDX-License-Identifier: GPL-3.0-or-later
// A fake machine with dial-up networking whose one link the test brings up and down, and whose
// clock it moves: the status poll's ground, with or without its windows.
#pragma once

#include "accessfixture.h"
#include "components/base/storedsettings.h"
#include "platform/version/versionblock.h"
#include "platform/win/ras.h"

#include <QLocale>

namespace testing_support {

class DialUpMachineTest : public AccessTest
{
protected:
    DialUpMachineTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    FakeSource& machine()
    {
        if (!m_runtime) {
            FakeSource& source = fake();
            source.network.dnsServers = { "10.0.0.1", "10.0.0.2" };
            source.manualClock().set(10'000'000);
            platform::VersionInfo dialUp;
            dialUp.strings = { { "040904E4", "ProductVersion", "5.1.2600" } };
            source.setModuleVersionResource("RASAPI32.DLL", platform::buildVersionBlock(dialUp));
        }
        return m_runtime->source();
    }
    // The link with the given handle is up with these counters.
    void online(
        win::DWORD handle, std::uint64_t sent, std::uint64_t received, std::uint32_t speed = 57600)
    {
        platform::RasLink link;
        link.handle = handle;
        link.entryName = "MyISP";
        link.deviceType = "modem";
        link.state = win::RASCS_Connected;
        link.projected = true;
        link.clientIp = "10.64.1.7";
        link.serverIp = "10.64.0.1";
        machine().links = { link };
        machine().counters[handle] = { sent, received, speed, 0 };
    }
    void offline() { machine().links.clear(); }
    void advance(std::uint64_t ms) { machine().manualClock().advance(ms); }
    // Values in the monitor's own key, as an earlier run left them.
    static void storeText(const char* section, const char* name, const char* value)
    {
        TMyReg store;
        settings::useMonitorKey(store);
        store.WriteString(QLatin1String(section), QLatin1String(name), QLatin1String(value));
    }
    static void storeNumber(const char* section, const char* name, std::int32_t value)
    {
        TMyReg store;
        settings::useMonitorKey(store);
        store.WriteInteger(QLatin1String(section), QLatin1String(name), value);
    }
};

} // namespace testing_support

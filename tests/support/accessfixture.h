// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "access/iphelper.h"
#include "access/pdhapi.h"
#include "access/rasapi.h"
#include "platform/sim/simulatorsource.h"
#include "scratchruntime.h"

#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// The access layer's bindings are process-wide: each test starts unbound over its own source
// and leaves nothing bound behind.
class AccessTest : public testing::Test
{
protected:
    ~AccessTest() override
    {
        UnloadPdhLibrary();
        UnloadRasApi();
        UnloadIpHelper();
    }

    // A fake machine of the given release with dial-up networking and the IP Helper.
    FakeSource& fake(std::uint32_t platformId = 2, std::uint32_t major = 5, std::uint32_t minor = 1)
    {
        m_runtime.reset(); // the old one puts back what it replaced before the new one installs
        m_runtime = std::make_unique<ScratchRuntime>();
        FakeSource& source = m_runtime->source();
        source.setVersion({ platformId, major, minor, 0, "Service Pack 3" });
        source.addModule("RASAPI32.DLL");
        source.addModule("IPHLPAPI.DLL");
        source.addModule("user32.dll");
        return source;
    }

    // A simulated machine replaying a scenario on a clock the test moves.
    platform::SimulatorSource& simulated(platform::Scenario scenario)
    {
        auto clock = std::make_unique<platform::ManualClock>(3600 * 1000);
        m_clock = clock.get();
        auto source = std::make_unique<platform::SimulatorSource>(
            std::move(scenario), "test", std::move(clock));
        auto* simulator = source.get();
        m_runtime.reset();
        m_runtime = std::make_unique<ScratchRuntime>(std::move(source));
        return *simulator;
    }
    // Moves a simulated machine's clock to `seconds` from the scenario's start.
    void at(double seconds)
    {
        m_clock->set(3600 * 1000 + static_cast<std::uint64_t>(seconds * 1000));
    }

    std::unique_ptr<ScratchRuntime> m_runtime;
    platform::ManualClock* m_clock = nullptr;
};

} // namespace testing_support

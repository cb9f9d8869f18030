// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario files as a user writes them.
#include "platform/sim/scenario.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::parseScenario(std::string(reinterpret_cast<const char*>(data), size), "fuzz.json");
    return 0;
}

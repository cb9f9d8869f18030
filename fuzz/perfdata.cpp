// SPDX-License-Identifier: GPL-3.0-or-later
// Registry performance-data blocks, whose every length and offset comes from outside.
#include "access/perfdatawalk.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    walkPerfData(std::span<const win::BYTE>(data, size), 30);
    return 0;
}

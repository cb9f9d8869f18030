// SPDX-License-Identifier: GPL-3.0-or-later
// REGEDIT4 text given to vantrel-reg import.
#include "tools/reg/regfile.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    regfile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// REGEDIT4 text given to vantrel-reg import. Every value the parser accepts must also survive an
// export and a second import unchanged, since a backup that cannot be read back is lost.
#include "tools/reg/regfile.h"

#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parsed = regfile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* changes = std::get_if<std::vector<regfile::Change>>(&parsed);
    if (!changes)
        return 0;
    for (const auto& change : *changes) {
        const auto* set = std::get_if<regfile::SetValue>(&change);
        if (!set)
            continue;
        const auto again = regfile::parse(
            regfile::header() + regfile::keySection(set->path, { { set->name, set->value } }));
        const auto* reread = std::get_if<std::vector<regfile::Change>>(&again);
        if (!reread || reread->size() != 2)
            __builtin_trap();
        const auto* value = std::get_if<regfile::SetValue>(&reread->back());
        if (!value || value->path != set->path || value->name != set->name
            || value->value.type != set->value.type || value->value.data != set->value.data)
            __builtin_trap();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datasource.h"
#include "win/types.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>

namespace platform {

struct ExportDef
{
    const char* name;
    std::uint16_t ordinal; // 0 when the entry point has no ordinal
    win::FARPROC proc;
};

struct ModuleDef
{
    const char* name;
    std::span<const ExportDef> exports;
};

// The loader: built-in modules by name, with a load count per module. Which modules load and
// which of their entry points resolve is the data source's decision, so a platform release
// without a library or an entry point is reproduced exactly.
class ModuleTable
{
public:
    ModuleTable(std::span<const ModuleDef> modules, const DataSource& source);

    // 0 with ERROR_MOD_NOT_FOUND when the source has no such module.
    win::HMODULE load(std::string_view name);
    // False with ERROR_INVALID_HANDLE for a handle that is not loaded.
    bool free(win::HMODULE module);
    // Null with ERROR_PROC_NOT_FOUND when the module lacks the entry point.
    win::FARPROC proc(win::HMODULE module, std::string_view name) const;
    win::FARPROC proc(win::HMODULE module, std::uint16_t ordinal) const;
    int loadCount(win::HMODULE module) const;

    // The module's handle while loaded; the first module is handle 0x10000, then one step per
    // table entry, so a handle never collides with a small integer.
    static constexpr win::HMODULE kFirstHandle = 0x10000;

private:
    const ModuleDef* loaded(win::HMODULE module) const;

    std::span<const ModuleDef> m_modules;
    const DataSource& m_source;
    std::unordered_map<win::HMODULE, int> m_loadCounts;
};

// The table of every module the platform layer implements.
std::span<const ModuleDef> builtinModules();

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduletable.h"

#include "modulenames.h"
#include "text.h"
#include "win/winbase.h"

namespace platform {

std::span<const ModuleDef> builtinModules()
{
    // Entry points join their module as the platform layer implements them.
    static const ModuleDef table[] = {
        { modules::kRas, {} },
        { modules::kPhonebook, {} },
        { modules::kPdh, {} },
        { modules::kIpHelper, {} },
        { modules::kUser, {} },
        { modules::kSockets, {} },
    };
    return table;
}

ModuleTable::ModuleTable(std::span<const ModuleDef> modules, const DataSource& source)
    : m_modules(modules)
    , m_source(source)
{
}

win::HMODULE ModuleTable::load(std::string_view name)
{
    for (std::size_t i = 0; i < m_modules.size(); ++i) {
        if (equalsIgnoreCase(name, m_modules[i].name)
            && m_source.providesModule(m_modules[i].name)) {
            const auto handle = static_cast<win::HMODULE>(kFirstHandle + i * 0x1000);
            ++m_loadCounts[handle];
            return handle;
        }
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_MOD_NOT_FOUND));
    return 0;
}

bool ModuleTable::free(win::HMODULE module)
{
    auto count = m_loadCounts.find(module);
    if (count == m_loadCounts.end()) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return false;
    }
    if (--count->second == 0)
        m_loadCounts.erase(count);
    return true;
}

int ModuleTable::loadCount(win::HMODULE module) const
{
    const auto count = m_loadCounts.find(module);
    return count == m_loadCounts.end() ? 0 : count->second;
}

const ModuleDef* ModuleTable::loaded(win::HMODULE module) const
{
    if (!m_loadCounts.contains(module))
        return nullptr;
    return &m_modules[(module - kFirstHandle) / 0x1000];
}

win::FARPROC ModuleTable::proc(win::HMODULE module, std::string_view name) const
{
    const ModuleDef* def = loaded(module);
    if (!def) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return nullptr;
    }
    for (const auto& entry : def->exports) {
        // Entry point names are case sensitive, as in the platform's loader.
        if (name == entry.name && m_source.providesEntryPoint(def->name, entry.name))
            return entry.proc;
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_PROC_NOT_FOUND));
    return nullptr;
}

win::FARPROC ModuleTable::proc(win::HMODULE module, std::uint16_t ordinal) const
{
    const ModuleDef* def = loaded(module);
    if (!def) {
        win::SetLastError(static_cast<win::DWORD>(win::ERROR_INVALID_HANDLE));
        return nullptr;
    }
    for (const auto& entry : def->exports) {
        if (ordinal != 0 && entry.ordinal == ordinal
            && m_source.providesEntryPoint(def->name, entry.name))
            return entry.proc;
    }
    win::SetLastError(static_cast<win::DWORD>(win::ERROR_PROC_NOT_FOUND));
    return nullptr;
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualregistry.h"

#include "text.h"
#include "win/winreg.h"

namespace platform {

bool isComputedRegistryKey(win::HKEY root, std::string_view path)
{
    if (root == win::HKEY_DYN_DATA || root == win::HKEY_PERFORMANCE_DATA)
        return true;
    if (root != win::HKEY_LOCAL_MACHINE)
        return false;
    static constexpr std::string_view kStatistics = "System\\CurrentControlSet\\Control\\PerfStats";
    return startsWithIgnoreCase(path, kStatistics)
        && (path.size() == kStatistics.size() || path[kStatistics.size()] == '\\');
}

} // namespace platform

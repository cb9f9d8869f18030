// SPDX-License-Identifier: GPL-3.0-or-later
#include "xdg.h"

#include "text.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform::xdg {

namespace {

// XDG says relative values are invalid; they are ignored.
std::filesystem::path fromEnvironment(const char* variable, const char* fallbackBelowHome)
{
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    return home() / fallbackBelowHome;
}

std::vector<std::filesystem::path> listFromEnvironment(const char* variable, const char* fallback)
{
    const char* value = std::getenv(variable);
    std::vector<std::filesystem::path> folders;
    for (auto part : split(value && value[0] ? value : fallback, ':')) {
        if (!part.empty() && part.front() == '/')
            folders.emplace_back(part);
    }
    if (folders.empty())
        return listFromEnvironment("", fallback);
    return folders;
}

} // namespace

std::filesystem::path home()
{
    if (const char* value = std::getenv("HOME"); value && value[0])
        return value;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::filesystem::path configHome()
{
    return fromEnvironment("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path dataHome()
{
    return fromEnvironment("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path stateHome()
{
    return fromEnvironment("XDG_STATE_HOME", ".local/state");
}

std::vector<std::filesystem::path> configDirs()
{
    return listFromEnvironment("XDG_CONFIG_DIRS", "/etc/xdg");
}

std::vector<std::filesystem::path> dataDirs()
{
    return listFromEnvironment("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

} // namespace platform::xdg

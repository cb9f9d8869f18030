// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

// The XDG Base Directory folders, from the environment with the XDG defaults.
namespace platform::xdg {

std::filesystem::path home();
std::filesystem::path configHome();
std::filesystem::path dataHome();
std::filesystem::path stateHome();
std::vector<std::filesystem::path> configDirs();
std::vector<std::filesystem::path> dataDirs();

} // namespace platform::xdg

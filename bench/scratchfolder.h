// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

// A new empty folder under the temporary folder, its name `prefix` and a unique ending.
inline std::filesystem::path newScratchFolder(const std::string& prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    return std::filesystem::path(mkdtemp(pattern.data()));
}

} // namespace bench

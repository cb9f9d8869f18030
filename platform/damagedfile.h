// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <system_error>
#include <variant>

namespace platform {

// Moves a damaged database aside as FILE.corrupt-<local time>, with its SQLite companions
// (-wal, -shm), never over an earlier damaged copy. Returns the new name, or why the file
// itself could not be moved.
std::variant<std::filesystem::path, std::error_code> moveAsideDamaged(
    const std::filesystem::path& file);

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Why the SQLite database `file` cannot be opened: it, or one of its companions (-wal, -shm,
// -journal), is there and is no regular file (a FIFO, a device, a folder), which an open or a
// read could wait on for ever. "it is not a regular file", or the same of a companion by its
// name; empty when each is a regular file or absent.
std::string irregularDatabaseFile(const std::filesystem::path& file);

} // namespace platform

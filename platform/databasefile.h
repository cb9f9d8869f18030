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

// Takes away what group and others may do with a file or folder of ours.
void keepPrivate(const std::filesystem::path& path);

// Readies the database `file` of the user's own for writing: makes its folder (0700) and the
// file (0600) where they are missing, and keeps the file and its companions private where an
// earlier version left them more open; the folder too when it is the program's own (`ownFolder`),
// never a folder the user chose for it. Why it cannot be readied, or empty.
std::string preparePrivateDatabase(const std::filesystem::path& file, bool ownFolder);

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// One small sysfs or procfs file, read with one system call after opening it. Empty when it
// cannot be read (a missing file, or "carrier" of a link that is down, which fails with EINVAL).
std::string readValue(const std::filesystem::path& file);
std::optional<std::uint64_t> readNumber(const std::filesystem::path& file, int base = 10);
std::optional<std::uint64_t> parseNumber(const std::string& text, int base = 10);

struct DirectoryEntry
{
    std::string name;
    ino_t inode = 0; // differs when the name is given to a new folder while ours is still open
};

// The entries of a directory, "." and ".." included, read without the status call that
// opendir() makes each time.
std::vector<DirectoryEntry> directoryEntries(const std::filesystem::path& directory);

// The statistics and state files of one network interface, kept open and read again from their
// start on each read, so a tick costs one system call per value instead of three.
//
// The files belong to the folder that was there when they were opened: a link that is removed
// and made again under the same name has a new folder, which the listing of the interfaces tells
// by its entry's inode (our open files keep the old one's number taken). The kernel fails reads
// of a removed interface's files; plain files (as tests use) stay readable once removed, so only
// a listing or a fresh open tells their removal.
class InterfaceFiles
{
public:
    enum Value { Flags, Ifindex, Carrier, TxBytes, RxBytes, kValueCount };

    InterfaceFiles() = default;
    explicit InterfaceFiles(const std::filesystem::path& folder);
    InterfaceFiles(InterfaceFiles&& other) noexcept;
    InterfaceFiles& operator=(InterfaceFiles&& other) noexcept;
    InterfaceFiles(const InterfaceFiles&) = delete;
    InterfaceFiles& operator=(const InterfaceFiles&) = delete;
    ~InterfaceFiles();

    // The value as the file reads now; a file whose read fails is opened again in the folder
    // once. Empty when it cannot be read.
    std::string read(Value value);
    std::optional<std::uint64_t> number(Value value, int base = 10);
    // The value through a new open of its file: empty once the folder is gone, whatever the
    // file system.
    std::string readAfresh(Value value) const;

    // The folder's entry in the listing it was found in; unset until a listing is matched.
    std::optional<ino_t> listedInode;

private:
    void close();

    int m_folder = -1;
    int m_files[kValueCount] = { -1, -1, -1, -1, -1 };
};

} // namespace platform

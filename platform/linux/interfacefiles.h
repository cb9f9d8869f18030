// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// One small sysfs or procfs file, read with one system call after opening it. Empty when it
// cannot be read (a missing file, or "carrier" of a link that is down, which fails with EINVAL).
std::string readValue(const std::filesystem::path& file);
std::optional<std::uint64_t> readNumber(const std::filesystem::path& file, int base = 10);
std::optional<std::uint64_t> parseNumber(const std::string& text, int base = 10);

// The statistics files of one network interface, kept open and read again from their start on
// each read, so a tick costs one system call per value instead of three.
//
// The files belong to the folder that was there when they were opened: an interface made again
// under the same name has a new folder, and its owner opens that one. The kernel fails reads of a
// removed interface's files.
class InterfaceFiles
{
public:
    enum Value { TxBytes, RxBytes, kValueCount };

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

private:
    void close();

    int m_folder = -1;
    int m_files[kValueCount] = { -1, -1 };
};

} // namespace platform

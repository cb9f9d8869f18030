// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfacefiles.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

constexpr const char* kFileNames[InterfaceFiles::kValueCount]
    = { "statistics/tx_bytes", "statistics/rx_bytes" };

std::string trimmed(const char* buffer, ssize_t got)
{
    if (got <= 0)
        return {};
    std::string text(buffer, static_cast<std::size_t>(got));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string readOnce(int fd)
{
    char buffer[64];
    return trimmed(buffer, ::read(fd, buffer, sizeof buffer - 1));
}

} // namespace

std::string readValue(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string text = readOnce(fd);
    ::close(fd);
    return text;
}

std::optional<std::uint64_t> parseNumber(const std::string& text, int base)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, base);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> readNumber(const std::filesystem::path& file, int base)
{
    return parseNumber(readValue(file), base);
}

InterfaceFiles::InterfaceFiles(const std::filesystem::path& folder)
    : m_folder(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC))
{
}

InterfaceFiles::InterfaceFiles(InterfaceFiles&& other) noexcept
    : m_folder(std::exchange(other.m_folder, -1))
{
    for (int value = 0; value < kValueCount; ++value)
        m_files[value] = std::exchange(other.m_files[value], -1);
}

InterfaceFiles& InterfaceFiles::operator=(InterfaceFiles&& other) noexcept
{
    if (this != &other) {
        close();
        m_folder = std::exchange(other.m_folder, -1);
        for (int value = 0; value < kValueCount; ++value)
            m_files[value] = std::exchange(other.m_files[value], -1);
    }
    return *this;
}

InterfaceFiles::~InterfaceFiles()
{
    close();
}

void InterfaceFiles::close()
{
    for (int& fd : m_files) {
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
    }
    if (m_folder >= 0)
        ::close(std::exchange(m_folder, -1));
}

std::string InterfaceFiles::read(Value value)
{
    int& fd = m_files[value];
    char buffer[64];
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (fd < 0 && m_folder >= 0)
            fd = ::openat(m_folder, kFileNames[value], O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return {};
        // sysfs makes the text afresh for a read from the start.
        const ssize_t got = ::pread(fd, buffer, sizeof buffer - 1, 0);
        if (got >= 0)
            return trimmed(buffer, got);
        ::close(std::exchange(fd, -1));
    }
    return {};
}

std::optional<std::uint64_t> InterfaceFiles::number(Value value, int base)
{
    return parseNumber(read(value), base);
}

} // namespace platform

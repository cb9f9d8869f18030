// SPDX-License-Identifier: GPL-3.0-or-later
#include "winver.h"

#include "../runtime.h"
#include "../version/versionblock.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

std::vector<BYTE> loadBlock(LPCSTR name)
{
    const std::string_view file = name;
    auto& source = platform::Runtime::current().source();
    if (file.find('/') == std::string_view::npos && source.providesModule(file)) {
        auto block = source.moduleVersionResource(file);
        return platform::isValidVersionBlock(block) ? block : std::vector<BYTE>();
    }
    return platform::readVersionBlock(std::filesystem::path(file));
}

} // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR name, LPDWORD handle)
{
    if (handle)
        *handle = 0;
    if (!name) {
        SetLastError(static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        return 0;
    }
    const auto block = loadBlock(name);
    if (block.empty())
        SetLastError(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    return static_cast<DWORD>(block.size());
}

BOOL GetFileVersionInfoA(LPCSTR name, DWORD, DWORD length, LPVOID data)
{
    if (!name || !data) {
        SetLastError(static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        return FALSE;
    }
    auto block = loadBlock(name);
    if (block.empty()) {
        SetLastError(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
        return FALSE;
    }
    constexpr DWORD kHeaderSize = 32;
    if (length < kHeaderSize) {
        SetLastError(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        return FALSE;
    }
    const std::size_t copied = std::min<std::size_t>(length, block.size());
    // A short buffer holds a shorter block: its recorded size shrinks with it, so a later
    // query never reads past what the caller allocated.
    if (copied < block.size()) {
        const auto size = static_cast<std::uint32_t>(copied);
        std::memcpy(block.data() + 8, &size, sizeof size);
    }
    std::memcpy(data, block.data(), copied);
    return TRUE;
}

BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length)
{
    if (length)
        *length = 0;
    if (!block || !subBlock || !buffer)
        return FALSE;
    const auto* bytes = static_cast<const BYTE*>(block);
    if (std::memcmp(bytes, platform::kVersionBlockMagic.data(), platform::kVersionBlockMagic.size())
        != 0)
        return FALSE;
    // The block's own header says how far it extends; validation checks every part against it.
    std::uint32_t total = 0;
    std::memcpy(&total, bytes + 8, sizeof total);
    const auto found = platform::queryVersionBlock({ bytes, total }, subBlock);
    if (!found)
        return FALSE;
    *buffer = const_cast<BYTE*>(found->data());
    if (length)
        *length = static_cast<UINT>(found->size());
    return TRUE;
}

} // namespace win

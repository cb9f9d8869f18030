// SPDX-License-Identifier: GPL-3.0-or-later
#include "versionblock.h"

#include "../text.h"
#include "../win/winver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <elf.h>
#include <fstream>

namespace platform {

namespace {

constexpr std::size_t kHeaderSize = 32;

struct Header
{
    std::uint32_t totalSize;
    std::uint32_t fixedOffset;
    std::uint32_t translationOffset;
    std::uint32_t translationCount;
    std::uint32_t stringsOffset;
    std::uint32_t stringsSize;
};

std::uint32_t readU32(std::span<const win::BYTE> bytes, std::size_t offset)
{
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void writeU32(std::vector<win::BYTE>& bytes, std::size_t offset, std::uint32_t value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void alignTo4(std::vector<win::BYTE>& bytes)
{
    bytes.resize((bytes.size() + 3) & ~std::size_t { 3 }, 0);
}

Header readHeader(std::span<const win::BYTE> block)
{
    return { readU32(block, 8), readU32(block, 12), readU32(block, 16), readU32(block, 20),
        readU32(block, 24), readU32(block, 28) };
}

bool within(std::uint64_t offset, std::uint64_t size, std::uint64_t total)
{
    return offset <= total && size <= total - offset;
}

bool readAt(std::ifstream& file, std::uint64_t offset, void* into, std::size_t size)
{
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(static_cast<char*>(into), static_cast<std::streamsize>(size));
    return file.gcount() == static_cast<std::streamsize>(size);
}

std::vector<win::BYTE> readBytes(std::ifstream& file, std::uint64_t offset, std::size_t size)
{
    std::vector<win::BYTE> bytes(size);
    if (!readAt(file, offset, bytes.data(), size))
        return {};
    return bytes;
}

// The contents of the named section of a 64-bit little-endian ELF file.
std::vector<win::BYTE> readElfSection(std::ifstream& file, std::string_view wanted)
{
    Elf64_Ehdr header {};
    if (!readAt(file, 0, &header, sizeof header) || header.e_ident[EI_CLASS] != ELFCLASS64
        || header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_shentsize != sizeof(Elf64_Shdr)
        || header.e_shstrndx >= header.e_shnum)
        return {};
    const auto sectionAt = [&](std::size_t index, Elf64_Shdr& section) {
        return readAt(file, header.e_shoff + index * sizeof(Elf64_Shdr), &section, sizeof section);
    };
    Elf64_Shdr names {};
    if (!sectionAt(header.e_shstrndx, names) || names.sh_size > (1u << 20))
        return {};
    const auto nameTable = readBytes(file, names.sh_offset, names.sh_size);
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section {};
        if (!sectionAt(i, section) || section.sh_name >= nameTable.size())
            continue;
        const auto* name = reinterpret_cast<const char*>(nameTable.data() + section.sh_name);
        const std::size_t maxLength = nameTable.size() - section.sh_name;
        if (std::string_view(name, strnlen(name, maxLength)) != wanted)
            continue;
        if (section.sh_type == SHT_NOBITS || section.sh_size > kMaxVersionBlockSize)
            return {};
        return readBytes(file, section.sh_offset, section.sh_size);
    }
    return {};
}

} // namespace

std::string translationName(std::uint16_t language, std::uint16_t codePage)
{
    char text[9];
    std::snprintf(text, sizeof text, "%.4X%.4X", language == 0 ? 1033u : language,
        codePage == 0 ? 1252u : codePage);
    return text;
}

std::string translationName(win::DWORD entry)
{
    return translationName(
        static_cast<std::uint16_t>(entry & 0xFFFF), static_cast<std::uint16_t>(entry >> 16));
}

std::vector<win::BYTE> buildVersionBlock(const VersionInfo& info)
{
    std::vector<win::BYTE> block(kHeaderSize, 0);
    std::memcpy(block.data(), kVersionBlockMagic.data(), kVersionBlockMagic.size());

    if (info.hasFixedPart) {
        const auto pair = [](std::uint16_t high, std::uint16_t low) {
            return static_cast<win::DWORD>(high) << 16 | low;
        };
        win::VS_FIXEDFILEINFO fixed {};
        fixed.dwSignature = win::VS_FFI_SIGNATURE;
        fixed.dwStrucVersion = win::VS_FFI_STRUCVERSION;
        fixed.dwFileVersionMS = pair(info.fileVersion[0], info.fileVersion[1]);
        fixed.dwFileVersionLS = pair(info.fileVersion[2], info.fileVersion[3]);
        fixed.dwProductVersionMS = pair(info.productVersion[0], info.productVersion[1]);
        fixed.dwProductVersionLS = pair(info.productVersion[2], info.productVersion[3]);
        fixed.dwFileFlagsMask = win::VS_FFI_FILEFLAGSMASK;
        fixed.dwFileFlags = info.fileFlags;
        fixed.dwFileOS = win::VOS__WINDOWS32;
        fixed.dwFileType = win::VFT_APP;
        writeU32(block, 12, static_cast<std::uint32_t>(block.size()));
        block.resize(block.size() + sizeof fixed);
        std::memcpy(block.data() + block.size() - sizeof fixed, &fixed, sizeof fixed);
    }

    writeU32(block, 16, static_cast<std::uint32_t>(block.size()));
    writeU32(block, 20, static_cast<std::uint32_t>(info.translations.size()));
    for (const auto& [language, codePage] : info.translations) {
        const std::uint32_t entry = static_cast<std::uint32_t>(codePage) << 16 | language;
        block.resize(block.size() + 4);
        writeU32(block, block.size() - 4, entry);
    }

    const std::size_t stringsOffset = block.size();
    for (const auto& entry : info.strings) {
        for (const auto* part : { &entry.table, &entry.key, &entry.value }) {
            block.insert(block.end(), part->begin(), part->end());
            block.push_back(0);
        }
    }
    writeU32(block, 24, static_cast<std::uint32_t>(stringsOffset));
    writeU32(block, 28, static_cast<std::uint32_t>(block.size() - stringsOffset));
    alignTo4(block);
    writeU32(block, 8, static_cast<std::uint32_t>(block.size()));
    return block;
}

bool isValidVersionBlock(std::span<const win::BYTE> block)
{
    if (block.size() < kHeaderSize
        || std::memcmp(block.data(), kVersionBlockMagic.data(), kVersionBlockMagic.size()) != 0)
        return false;
    const Header header = readHeader(block);
    if (header.totalSize < kHeaderSize || header.totalSize > block.size())
        return false;
    const std::uint64_t total = header.totalSize;
    if (header.fixedOffset != 0
        && (header.fixedOffset % 4 != 0
            || !within(header.fixedOffset, sizeof(win::VS_FIXEDFILEINFO), total)))
        return false;
    if (header.translationOffset % 4 != 0
        || !within(header.translationOffset, std::uint64_t { header.translationCount } * 4, total))
        return false;
    if (!within(header.stringsOffset, header.stringsSize, total))
        return false;
    // The string run must end on a NUL so that no lookup can read past it.
    return header.stringsSize == 0 || block[header.stringsOffset + header.stringsSize - 1] == 0;
}

std::vector<win::BYTE> readVersionBlock(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    char magic[8] {};
    if (!readAt(file, 0, magic, sizeof magic))
        return {};
    std::vector<win::BYTE> block;
    if (std::string_view(magic, sizeof magic) == kVersionBlockMagic) {
        win::BYTE header[kHeaderSize];
        if (!readAt(file, 0, header, sizeof header))
            return {};
        const std::uint32_t total = readU32(header, 8);
        if (total > kMaxVersionBlockSize)
            return {};
        block = readBytes(file, 0, total);
    } else if (std::string_view(magic, 4) == ELFMAG) {
        block = readElfSection(file, kVersionSectionName);
    }
    if (!isValidVersionBlock(block))
        return {};
    block.resize(readU32(block, 8));
    return block;
}

std::optional<std::span<const win::BYTE>> queryVersionBlock(
    std::span<const win::BYTE> block, std::string_view subBlock)
{
    if (!isValidVersionBlock(block))
        return std::nullopt;
    const Header header = readHeader(block);
    if (subBlock == "\\") {
        if (header.fixedOffset == 0)
            return std::nullopt;
        return block.subspan(header.fixedOffset, sizeof(win::VS_FIXEDFILEINFO));
    }
    if (equalsIgnoreCase(subBlock, "\\VarFileInfo\\Translation")) {
        if (header.translationCount == 0)
            return std::nullopt;
        return block.subspan(header.translationOffset, header.translationCount * 4u);
    }
    static constexpr std::string_view kStrings = "\\StringFileInfo\\";
    if (!startsWithIgnoreCase(subBlock, kStrings))
        return std::nullopt;
    const auto rest = subBlock.substr(kStrings.size());
    const auto separator = rest.find('\\');
    if (separator == std::string_view::npos)
        return std::nullopt;
    const auto table = rest.substr(0, separator);
    const auto key = rest.substr(separator + 1);

    const auto strings = block.subspan(header.stringsOffset, header.stringsSize);
    std::size_t position = 0;
    const auto next = [&]() -> std::optional<std::span<const win::BYTE>> {
        if (position >= strings.size())
            return std::nullopt;
        const auto* start = strings.data() + position;
        const auto* end = std::find(start, strings.data() + strings.size(), win::BYTE { 0 });
        const auto length = static_cast<std::size_t>(end - start);
        position += length + 1;
        return strings.subspan(static_cast<std::size_t>(start - strings.data()), length + 1);
    };
    const auto text = [](std::span<const win::BYTE> part) {
        return std::string_view(reinterpret_cast<const char*>(part.data()), part.size() - 1);
    };
    for (;;) {
        const auto entryTable = next();
        const auto entryKey = next();
        const auto entryValue = next();
        if (!entryTable || !entryKey || !entryValue)
            return std::nullopt;
        if (equalsIgnoreCase(text(*entryTable), table) && equalsIgnoreCase(text(*entryKey), key))
            return entryValue;
    }
}

} // namespace platform

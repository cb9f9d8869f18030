// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../win/types.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A file's version resource in our own container. All numbers little-endian, every part
// 4-byte aligned from the block's start, so a query can hand out pointers into the block:
//
//   0  char[8] "VTVRSRC1"        16 u32 translation offset  24 u32 strings offset
//   8  u32 total size            20 u32 translation count   28 u32 strings size
//   12 u32 fixed part offset (0 = none)
//
// The fixed part is the platform's VS_FIXEDFILEINFO; the translation table is one DWORD per
// entry (language in the low word, code page in the high word); the strings are a run of
// NUL-terminated triples: table ("0409FDE9"), key ("FileVersion"), value.
//
// An executable carries the block in its ELF section ".vantrel_version"; a file that starts
// with the magic is a block by itself.
struct VersionInfo
{
    struct Entry
    {
        std::string table;
        std::string key;
        std::string value;
    };
    bool hasFixedPart = true;
    std::array<std::uint16_t, 4> fileVersion {};
    std::array<std::uint16_t, 4> productVersion {};
    std::uint32_t fileFlags = 0;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations; // language, code page
    std::vector<Entry> strings;
};

constexpr std::string_view kVersionBlockMagic { "VTVRSRC1", 8 };
constexpr const char* kVersionSectionName = ".vantrel_version";
constexpr std::size_t kMaxVersionBlockSize = 64 * 1024;

// The string-table name of a translation entry: "%.4X%.4X" of language and code page, a
// language of 0 read as 1033 (US English) and a code page of 0 as 1252 (Western).
std::string translationName(std::uint16_t language, std::uint16_t codePage);
// The same for an entry of the "\VarFileInfo\Translation" table.
std::string translationName(win::DWORD entry);

std::vector<win::BYTE> buildVersionBlock(const VersionInfo& info);

// The block a file carries, or nothing when it has none or the block is malformed.
std::vector<win::BYTE> readVersionBlock(const std::filesystem::path& file);

// Whether the bytes are a well-formed block whose parts all lie inside it.
bool isValidVersionBlock(std::span<const win::BYTE> block);

// A sub-block lookup: "\" (the fixed part), "\VarFileInfo\Translation", or
// "\StringFileInfo\<table>\<key>" (the value with its NUL). Names match without regard to case.
std::optional<std::span<const win::BYTE>> queryVersionBlock(
    std::span<const win::BYTE> block, std::string_view subBlock);

} // namespace platform

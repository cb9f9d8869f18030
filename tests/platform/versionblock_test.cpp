// SPDX-License-Identifier: GPL-3.0-or-later
// The version resource container: building, lookups, hostile blocks, files that carry one.
#include "platform/version/versionblock.h"
#include "platform/win/winver.h"
#include "tests/support/built.h"
#include "tests/support/scratchruntime.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

using namespace win;
using platform::VersionInfo;

namespace {

VersionInfo sampleInfo()
{
    VersionInfo info;
    info.fileVersion = { 2, 1, 0, 5 };
    info.productVersion = { 2, 1, 0, 0 };
    info.fileFlags = VS_FF_DEBUG;
    info.translations = { { 0x041E, 0x036A } };
    info.strings
        = { { "041E036A", "FileVersion", "2.1.0.5" }, { "041E036A", "CompanyName", "Orvik" } };
    return info;
}

std::string text(std::span<const BYTE> value)
{
    return std::string(reinterpret_cast<const char*>(value.data()), value.size());
}

TEST(VersionBlock, LookupsFindEachPart)
{
    const auto block = platform::buildVersionBlock(sampleInfo());
    ASSERT_TRUE(platform::isValidVersionBlock(block));
    EXPECT_EQ(block.size() % 4, 0u);

    const auto fixed = platform::queryVersionBlock(block, "\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, fixed->data(), sizeof info);
    EXPECT_EQ(info.dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(info.dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(info.dwFileVersionLS, 0x00000005u);
    EXPECT_EQ(info.dwFileFlags, VS_FF_DEBUG);

    const auto translations = platform::queryVersionBlock(block, "\\varfileinfo\\TRANSLATION");
    ASSERT_TRUE(translations);
    DWORD entry = 0;
    std::memcpy(&entry, translations->data(), 4);
    EXPECT_EQ(entry, 0x036A041Eu) << "language in the low word, code page in the high word";

    const auto value
        = platform::queryVersionBlock(block, "\\StringFileInfo\\041e036a\\companyname");
    ASSERT_TRUE(value);
    EXPECT_EQ(text(*value), std::string("Orvik\0", 6)) << "the value comes with its NUL";
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\StringFileInfo\\040904E4\\CompanyName"));
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\StringFileInfo\\041E036A"));
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\StringFileInfo\\041E036A\\Missing"));
}

TEST(VersionBlock, PartsThatAreAbsentAreNotFound)
{
    VersionInfo info;
    info.hasFixedPart = false;
    const auto block = platform::buildVersionBlock(info);
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\"));
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\VarFileInfo\\Translation"));
    EXPECT_FALSE(platform::queryVersionBlock(block, "\\StringFileInfo\\040904E4\\FileVersion"));
}

TEST(VersionBlock, TranslationNamesUseDefaultsForZero)
{
    EXPECT_EQ(platform::translationName(0x041E, 0x036A), "041E036A");
    EXPECT_EQ(platform::translationName(0, 0), "040904E4");
    EXPECT_EQ(platform::translationName(0x04E40000u | 0x0407u), "040704E4");
}

// Guards against reads past a block whose header lies about its parts.
TEST(VersionBlock, MalformedBlocksAreRejected)
{
    const auto good = platform::buildVersionBlock(sampleInfo());
    const auto withField = [&](std::size_t offset, std::uint32_t value) {
        auto block = good;
        std::memcpy(block.data() + offset, &value, 4);
        return block;
    };
    const std::pair<const char*, std::vector<BYTE>> cases[] = {
        { "too short for a header", std::vector<BYTE>(good.begin(), good.begin() + 20) },
        { "total beyond the bytes", withField(8, static_cast<std::uint32_t>(good.size() + 4)) },
        { "fixed part beyond the end", withField(12, static_cast<std::uint32_t>(good.size() - 8)) },
        { "misaligned fixed part", withField(12, 34) },
        { "translations beyond the end", withField(20, 0x40000000u) },
        { "strings beyond the end", withField(28, static_cast<std::uint32_t>(good.size())) },
        { "wrong magic", withField(0, 0x12345678u) },
    };
    for (const auto& [name, block] : cases) {
        EXPECT_FALSE(platform::isValidVersionBlock(block)) << name;
        EXPECT_FALSE(platform::queryVersionBlock(block, "\\")) << name;
    }
    auto unterminated = good;
    const std::uint32_t stringsOffset = [&] {
        std::uint32_t offset;
        std::memcpy(&offset, good.data() + 24, 4);
        return offset;
    }();
    std::uint32_t stringsSize = 0;
    std::memcpy(&stringsSize, good.data() + 28, 4);
    unterminated[stringsOffset + stringsSize - 1] = 'x';
    EXPECT_FALSE(platform::isValidVersionBlock(unterminated)) << "strings must end on a NUL";
}

class VersionFiles : public testing::Test
{
protected:
    std::filesystem::path write(const std::string& name, const std::vector<BYTE>& bytes)
    {
        const auto path = m_folder.path() / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    testing_support::TemporaryFolder m_folder;
};

TEST_F(VersionFiles, ABlockFileAndAnExecutableCarryTheirResource)
{
    const auto block = platform::buildVersionBlock(sampleInfo());
    EXPECT_EQ(platform::readVersionBlock(write("plain.vrs", block)), block);

    const auto embedded = platform::readVersionBlock(testing_support::built::vantrelReg);
    ASSERT_FALSE(embedded.empty()) << "the build embeds a resource in every program";
    const auto company
        = platform::queryVersionBlock(embedded, "\\StringFileInfo\\0409FDE9\\CompanyName");
    ASSERT_TRUE(company);
    EXPECT_EQ(text(*company), std::string("Orvik Software\0", 15));
}

TEST_F(VersionFiles, FilesWithoutAResourceHaveNone)
{
    EXPECT_TRUE(platform::readVersionBlock("/bin/true").empty())
        << "an executable without the section";
    EXPECT_TRUE(platform::readVersionBlock(write("text.txt", { 'h', 'i' })).empty());
    EXPECT_TRUE(platform::readVersionBlock(m_folder.path() / "missing").empty());
    EXPECT_TRUE(platform::readVersionBlock(m_folder.path()).empty()) << "a folder";
    auto truncated = platform::buildVersionBlock(sampleInfo());
    truncated.resize(truncated.size() - 4);
    EXPECT_TRUE(platform::readVersionBlock(write("short.vrs", truncated)).empty());
}

TEST(VersionApi, SystemModulesAreAnsweredByTheSource)
{
    testing_support::ScratchRuntime runtime;
    VersionInfo info;
    info.translations = { { 0x0409, 0x04B0 } };
    info.strings = { { "040904B0", "ProductVersion", "5.1.2600.2180" } };
    runtime.source().addModule("RASAPI32.DLL");
    runtime.source().setModuleVersionResource("RASAPI32.DLL", platform::buildVersionBlock(info));

    DWORD handle = 7;
    const DWORD size = GetFileVersionInfoSizeA("rasapi32.dll", &handle);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(handle, 0u);
    std::vector<BYTE> block(size);
    ASSERT_EQ(GetFileVersionInfoA("rasapi32.dll", 0, size, block.data()), TRUE);
    LPVOID found = nullptr;
    UINT length = 0;
    ASSERT_EQ(
        VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\ProductVersion", &found, &length),
        TRUE);
    EXPECT_STREQ(static_cast<const char*>(found), "5.1.2600.2180");
    EXPECT_EQ(length, 14u);

    EXPECT_EQ(GetFileVersionInfoSizeA("pdh.dll", &handle), 0u)
        << "a module the source lacks is a missing file";
}

// Guards against a query reading past the caller's buffer when it was too short for the block.
TEST(VersionApi, AShortBufferHoldsNoUsablePartsBeyondIt)
{
    testing_support::ScratchRuntime runtime;
    VersionInfo info = sampleInfo();
    info.strings.push_back({ "041E036A", "Comments", std::string(500, 'c') });
    runtime.source().addModule("RASAPI32.DLL");
    runtime.source().setModuleVersionResource("RASAPI32.DLL", platform::buildVersionBlock(info));

    std::vector<BYTE> block(100, 0xEE);
    ASSERT_EQ(
        GetFileVersionInfoA("RASAPI32.DLL", 0, static_cast<DWORD>(block.size()), block.data()),
        TRUE);
    LPVOID found = nullptr;
    UINT length = 0;
    EXPECT_EQ(VerQueryValueA(block.data(), "\\StringFileInfo\\041E036A\\Comments", &found, &length),
        FALSE);
    EXPECT_EQ(GetFileVersionInfoA("RASAPI32.DLL", 0, 16, block.data()), FALSE);
    EXPECT_EQ(VerQueryValueA(block.data() + 1, "\\", &found, &length), FALSE)
        << "not a block at all";
}

} // namespace

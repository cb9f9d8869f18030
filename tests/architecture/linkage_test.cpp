// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tools and the tests of the libraries without widgets run where there is no
// display: they link no Qt Widgets or Qt Gui. Read from the programs' own dynamic sections, which
// list what their link lines named.
#include "tests/support/built.h"

#include <cstring>
#include <elf.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Reads only the parts it is asked for: the programs of a sanitizer build run to hundreds of
// megabytes of debugging information, which the dynamic section does not need.
class ElfFile
{
public:
    explicit ElfFile(const std::string& path)
        : m_in(path, std::ios::binary)
    {
    }

    template<typename T>
    std::optional<T> at(std::uint64_t offset)
    {
        T value;
        if (!seek(offset) || !m_in.read(reinterpret_cast<char*>(&value), sizeof(T)))
            return std::nullopt;
        return value;
    }

    // The NUL-terminated text at `offset`, at most a page long.
    std::optional<std::string> textAt(std::uint64_t offset)
    {
        std::string text;
        if (!seek(offset) || !std::getline(m_in, text, '\0') || text.size() > 4096)
            return std::nullopt;
        return text;
    }

private:
    bool seek(std::uint64_t offset)
    {
        m_in.clear();
        return offset <= static_cast<std::uint64_t>(std::numeric_limits<std::streamoff>::max())
            && m_in.seekg(static_cast<std::streamoff>(offset)).good();
    }

    std::ifstream m_in;
};

// The DT_NEEDED entries of a 64-bit ELF file, or nothing when it cannot be read as one.
std::optional<std::vector<std::string>> neededLibraries(const std::string& path)
{
    ElfFile file(path);
    const auto header = file.at<Elf64_Ehdr>(0);
    if (!header || std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0
        || header->e_ident[EI_CLASS] != ELFCLASS64)
        return std::nullopt;
    for (unsigned i = 0; i < header->e_shnum; ++i) {
        const auto section = file.at<Elf64_Shdr>(header->e_shoff + i * sizeof(Elf64_Shdr));
        if (!section)
            return std::nullopt;
        if (section->sh_type != SHT_DYNAMIC)
            continue;
        const auto strings
            = file.at<Elf64_Shdr>(header->e_shoff + section->sh_link * sizeof(Elf64_Shdr));
        if (!strings)
            return std::nullopt;
        std::vector<std::string> result;
        for (std::uint64_t offset = 0; offset + sizeof(Elf64_Dyn) <= section->sh_size;
             offset += sizeof(Elf64_Dyn)) {
            const auto entry = file.at<Elf64_Dyn>(section->sh_offset + offset);
            if (!entry || entry->d_tag == DT_NULL)
                break;
            if (entry->d_tag != DT_NEEDED)
                continue;
            auto name = file.textAt(strings->sh_offset + entry->d_un.d_val);
            if (!name)
                return std::nullopt;
            result.push_back(std::move(*name));
        }
        return result;
    }
    return std::vector<std::string> {};
}

bool needs(const std::vector<std::string>& libraries, const std::string& prefix)
{
    for (const auto& library : libraries)
        if (library.rfind(prefix, 0) == 0)
            return true;
    return false;
}

// A test program of this build: they all land in one folder.
std::string testProgram(const char* name)
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

struct LinkRow
{
    const char* name;
    std::string binary;
    bool widgets; // whether the program links Qt Widgets (and so Qt Gui)
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LinkRow& row, std::ostream* out)
{
    *out << row.name;
}

class Linkage : public testing::TestWithParam<LinkRow>
{
};

TEST_P(Linkage, QtModules)
{
    const LinkRow& row = GetParam();
    const auto libraries = neededLibraries(row.binary);
    ASSERT_TRUE(libraries.has_value()) << row.binary << " is not a readable ELF program";
    EXPECT_TRUE(needs(*libraries, "libQt6Core.so")) << row.binary;
    EXPECT_EQ(needs(*libraries, "libQt6Widgets.so"), row.widgets) << row.binary;
    EXPECT_EQ(needs(*libraries, "libQt6Gui.so"), row.widgets) << row.binary;
}

// The monitor itself is the row that must link Widgets, so a reader that finds nothing fails.
INSTANTIATE_TEST_SUITE_P(Architecture, Linkage,
    testing::Values(LinkRow { "Monitor", testing_support::built::vantrel, true },
        LinkRow { "RegistryEditor", testing_support::built::vantrelReg, false },
        LinkRow { "DialUpDiagnostics", testing_support::built::vantrelRas, false },
        LinkRow { "HttpDiagnostics", testing_support::built::vantrelFetch, false },
        LinkRow { "ToolsTests", testProgram("tools_tests"), false },
        LinkRow { "ComponentsBaseTests", testProgram("components_base_tests"), false },
        LinkRow { "MonitorTests", testProgram("monitor_tests"), false }),
    [](const testing::TestParamInfo<LinkRow>& row) { return std::string(row.param.name); });

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The REGEDIT4 reader and writer.
#include "platform/text.h"
#include "platform/win/winreg.h"
#include "tools/reg/regfile.h"

#include <gtest/gtest.h>

using platform::RegistryValue;
using namespace win;

namespace {

std::vector<regfile::Change> parsed(std::string_view text)
{
    auto result = regfile::parse(text);
    if (auto* error = std::get_if<regfile::ParseError>(&result)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return {};
    }
    return std::get<std::vector<regfile::Change>>(result);
}

regfile::ParseError failure(std::string_view text)
{
    auto result = regfile::parse(text);
    if (auto* error = std::get_if<regfile::ParseError>(&result))
        return *error;
    ADD_FAILURE() << "parsed: " << text;
    return {};
}

TEST(RegFileParse, KeysValuesAndDeletions)
{
    const auto changes = parsed("REGEDIT4\r\n\r\n"
                                "; a comment\r\n"
                                "[HKCU\\Software\\Orvik Software\\Vantrel\\Option]\r\n"
                                "\"AntiIdleWeb\"=\"http://x/\\\"q\\\"\\\\\"\r\n"
                                "\"MaxGraph\"=dword:0000FFFF\r\n"
                                "@=\"default\"\r\n"
                                "\"Gone\"=-\r\n"
                                "[-HKEY_CURRENT_USER\\Software\\Old]\r\n");
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(std::get<regfile::CreateKey>(changes[0]).path,
        "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option")
        << "short root names become full ones";
    const auto& web = std::get<regfile::SetValue>(changes[1]);
    EXPECT_EQ(web.name, "AntiIdleWeb");
    EXPECT_EQ(web.value.type, REG_SZ);
    const std::string expected = "http://x/\"q\"\\";
    EXPECT_EQ(std::string(web.value.data.begin(), web.value.data.end()), expected + '\0');
    const auto& graph = std::get<regfile::SetValue>(changes[2]);
    EXPECT_EQ(graph.value.type, REG_DWORD);
    EXPECT_EQ(graph.value.data, (std::vector<BYTE> { 0xFF, 0xFF, 0, 0 }));
    EXPECT_EQ(std::get<regfile::SetValue>(changes[3]).name, "") << "@ is the default value";
    EXPECT_EQ(std::get<regfile::DeleteValue>(changes[4]).name, "Gone");
    EXPECT_EQ(std::get<regfile::DeleteKey>(changes[5]).path, "HKEY_CURRENT_USER\\Software\\Old");
}

TEST(RegFileParse, HexValuesAcrossContinuationLines)
{
    const auto changes = parsed("REGEDIT4\n[HKCU\\K]\n"
                                "\"B\"=hex:01,02,\\\n"
                                "  ff,0A\n"
                                "\"E\"=hex(2):25,00\n"
                                "\"M\"=hex(7):\n");
    ASSERT_EQ(changes.size(), 4u);
    const auto& binary = std::get<regfile::SetValue>(changes[1]);
    EXPECT_EQ(binary.value.type, REG_BINARY);
    EXPECT_EQ(binary.value.data, (std::vector<BYTE> { 1, 2, 0xFF, 0x0A }));
    EXPECT_EQ(std::get<regfile::SetValue>(changes[2]).value.type, REG_EXPAND_SZ);
    const auto& empty = std::get<regfile::SetValue>(changes[3]);
    EXPECT_EQ(empty.value.type, REG_MULTI_SZ);
    EXPECT_TRUE(empty.value.data.empty());
}

TEST(RegFileParse, BadInputNamesTheLine)
{
    const std::pair<const char*, int> cases[] = {
        { "", 1 },
        { "Windows Registry Editor Version 5.00\n", 1 },
        { "REGEDIT4\n\"A\"=\"x\"\n", 2 },
        { "REGEDIT4\n[HKEY_NOWHERE\\X]\n", 2 },
        { "REGEDIT4\n[HKCU\\A\\\\B]\n", 2 },
        { "REGEDIT4\n[HKCU\\A\n", 2 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=dword:123456789\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=dword:12g4\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=\"unterminated\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=\"bad \\n escape\"\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=hex:1,2\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=hex(zz):00\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=qword:00\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\" \"x\"\n", 3 },
        { "REGEDIT4\n[-HKCU\\A]\n\"A\"=\"x\"\n", 3 },
        { "REGEDIT4\n[HKCU\\A]\n\"A\"=\"x\" trailing\n", 3 },
    };
    for (const auto& [text, line] : cases)
        EXPECT_EQ(failure(text).line, line) << text;
}

TEST(RegFileWrite, EveryValueComesBackUnchanged)
{
    const std::vector<std::pair<std::string, RegistryValue>> values = {
        { "Plain", { REG_SZ, { 'a', '"', '\\', 'b', 0 } } },
        { "", { REG_SZ, { 'd', 0 } } },
        { "NoTerminator", { REG_SZ, { 'a', 'b' } } },
        { "LineBreak", { REG_SZ, { 'a', '\n', 'b', 0 } } },
        { "InnerNul", { REG_SZ, { 'a', 0, 'b', 0 } } },
        { "Number", { REG_DWORD, { 0x78, 0x56, 0x34, 0x12 } } },
        { "OddNumber", { REG_DWORD, { 1, 2 } } },
        { "Bytes", { REG_BINARY, std::vector<BYTE>(100, 0xAB) } },
        { "Empty", { REG_BINARY, {} } },
        { "Expand", { REG_EXPAND_SZ, { '%', 'X', '%', 0 } } },
        { "Name \"quoted\" \\", { 11, { 9 } } },
    };
    const std::string text
        = regfile::header() + regfile::keySection("HKEY_CURRENT_USER\\Software\\Round", values);
    EXPECT_NE(text.find("\"Number\"=dword:12345678\n"), std::string::npos);
    EXPECT_NE(text.find("\"NoTerminator\"=hex(1):61,62\n"), std::string::npos);
    for (const auto& line : platform::split(text, '\n'))
        EXPECT_LE(line.size(), 80u) << "long hex data is wrapped";

    const auto changes = parsed(text);
    ASSERT_EQ(changes.size(), values.size() + 1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& set = std::get<regfile::SetValue>(changes[i + 1]);
        EXPECT_EQ(set.name, values[i].first);
        EXPECT_EQ(set.value.type, values[i].second.type) << values[i].first;
        EXPECT_EQ(set.value.data, values[i].second.data) << values[i].first;
    }
}

} // namespace

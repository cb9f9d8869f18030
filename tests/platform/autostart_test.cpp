// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up value and the desktop's autostart entry.
#include "platform/registry/autostartmirror.h"
#include "platform/win/winreg.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace win;
using platform::AutostartMirror;

namespace {

TEST(AutostartExecLine, QuotesAndEscapesAsTheDesktopEntryFormatWants)
{
    const std::pair<const char*, const char*> cases[] = {
        { "/usr/bin/vantrel", "/usr/bin/vantrel" },
        { "/opt/my apps/vantrel", "\"/opt/my apps/vantrel\"" },
        { "/opt/100%/vantrel", "/opt/100%%/vantrel" },
        { "/opt/$HOME/v", "\"/opt/\\\\$HOME/v\"" },
        { "/opt/back\\slash/v", "\"/opt/back\\\\\\\\slash/v\"" },
        { "\"/opt/my apps/vantrel\" --minimized", "\"/opt/my apps/vantrel\" --minimized" },
    };
    for (const auto& [command, exec] : cases)
        EXPECT_EQ(AutostartMirror::execLine(command).value_or("<none>"), exec) << command;
    EXPECT_FALSE(AutostartMirror::execLine("").has_value());
    EXPECT_FALSE(AutostartMirror::execLine("/usr/bin/vantrel\nX-Evil=1").has_value())
        << "a line break would inject keys into the entry";
}

class StartupValue : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_run, nullptr),
            ERROR_SUCCESS);
    }
    LONG setText(const char* name, const std::string& text)
    {
        return RegSetValueExA(m_run, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
            static_cast<DWORD>(text.size() + 1));
    }
    std::filesystem::path entry() const
    {
        return m_runtime.configHome() / "autostart" / "vantrel.desktop";
    }
    std::string entryText() const
    {
        std::ifstream in(entry());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testing_support::ScratchRuntime m_runtime;
    HKEY m_run = 0;
};

TEST_F(StartupValue, SettingItWritesTheEntryAndDeletingItRemovesIt)
{
    ASSERT_EQ(setText("Vantrel", "/usr/local/bin/vantrel"), ERROR_SUCCESS);
    const std::string text = entryText();
    EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=/usr/local/bin/vantrel\n"), std::string::npos);

    ASSERT_EQ(setText("vantrel", "/opt/v 2/vantrel"), ERROR_SUCCESS);
    EXPECT_NE(entryText().find("\nExec=\"/opt/v 2/vantrel\"\n"), std::string::npos);

    ASSERT_EQ(RegDeleteValueA(m_run, "VANTREL"), ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(entry()));
}

TEST_F(StartupValue, OtherValuesAndNonTextLeaveNoEntry)
{
    ASSERT_EQ(setText("SomethingElse", "/usr/bin/other"), ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(entry()));
    ASSERT_EQ(setText("Vantrel", "/usr/bin/vantrel"), ERROR_SUCCESS);
    const DWORD number = 1;
    ASSERT_EQ(
        RegSetValueExA(m_run, "Vantrel", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
        ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(entry())) << "a number is no command to start";
}

TEST_F(StartupValue, DeletingTheKeyAboveRemovesTheEntry)
{
    ASSERT_EQ(setText("Vantrel", "/usr/bin/vantrel"), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion"),
        ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(entry()));
}

TEST_F(StartupValue, AnEntryThatCannotBeWrittenRefusesTheValue)
{
    // A file where the autostart folder belongs.
    std::ofstream(m_runtime.configHome() / "autostart") << "blocked";
    EXPECT_EQ(setText("Vantrel", "/usr/bin/vantrel"), ERROR_WRITE_FAULT);
    DWORD size = 0;
    EXPECT_EQ(
        RegQueryValueExA(m_run, "Vantrel", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND)
        << "a start-up command the desktop will not run is not stored either";
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Time, the version record, module and folder paths.
#include "platform/win/shlobj.h"
#include "platform/win/winbase.h"
#include "tests/support/scratchruntime.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace win;

namespace {

TEST(TickCount, FollowsTheSourceClockAndWrapsAt32Bits)
{
    testing_support::ScratchRuntime runtime;
    auto& clock = runtime.source().manualClock();
    clock.set(1000);
    EXPECT_EQ(GetTickCount(), 1000u);
    clock.advance(500);
    EXPECT_EQ(GetTickCount64(), 1500u);

    clock.set((std::uint64_t { 1 } << 32) + 5);
    EXPECT_EQ(GetTickCount(), 5u) << "49.7 days on, the 32-bit count starts again";
    EXPECT_EQ(GetTickCount64(), (std::uint64_t { 1 } << 32) + 5) << "the 64-bit count does not";
}

TEST(SystemClock, NeverGoesBackwards)
{
    platform::SystemClock clock;
    const auto first = clock.monotonicMs();
    EXPECT_GE(clock.monotonicMs(), first);
}

TEST(VersionRecord, IsFilledFromTheSourceWhenItsSizeIsRight)
{
    testing_support::ScratchRuntime runtime;
    runtime.source().setVersion({ VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222, std::string(200, 'A') });
    OSVERSIONINFOA info {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(GetVersionExA(&info), TRUE);
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(info.dwMajorVersion, 4u);
    EXPECT_EQ(info.dwMinorVersion, 10u);
    EXPECT_EQ(info.dwBuildNumber, 2222u);
    EXPECT_EQ(std::strlen(info.szCSDVersion), 127u) << "a long service pack text is cut to fit";

    info.dwOSVersionInfoSize = 100;
    EXPECT_EQ(GetVersionExA(&info), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(ModuleFileName, IsTheRunningExecutableAndTruncates)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(0, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_TRUE(std::filesystem::equivalent(path, "/proc/self/exe"));
    char small[5];
    EXPECT_EQ(GetModuleFileNameA(0, small, sizeof small), 4u);
    EXPECT_EQ(std::strlen(small), 4u);
}

class Folders : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                 "XDG_CONFIG_DIRS", "XDG_DATA_DIRS" }) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("HOME", "/home/tester", 1);
        unsetenv("XDG_CONFIG_HOME");
        setenv("XDG_DATA_HOME", "/data/home", 1);
        setenv("XDG_STATE_HOME", "relative/ignored", 1);
        setenv("XDG_CONFIG_DIRS", "/etc/first:/etc/second", 1);
        unsetenv("XDG_DATA_DIRS");
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    static std::string folder(int csidl)
    {
        LPITEMIDLIST items = nullptr;
        if (SHGetSpecialFolderLocation(0, csidl, &items) != S_OK)
            return "<none>";
        char path[MAX_PATH];
        const BOOL found = SHGetPathFromIDListA(items, path);
        ILFree(items);
        return found ? path : "<no path>";
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST_F(Folders, ShellFoldersMapToTheirXdgCounterparts)
{
    EXPECT_EQ(folder(CSIDL_APPDATA), "/data/home");
    EXPECT_EQ(folder(CSIDL_COMMON_APPDATA), "/usr/local/share");
    EXPECT_EQ(folder(CSIDL_LOCAL_APPDATA), "/home/tester/.local/state")
        << "relative values are ignored";
    EXPECT_EQ(folder(CSIDL_STARTUP), "/home/tester/.config/autostart");
    EXPECT_EQ(folder(CSIDL_PERSONAL), "/home/tester");
    EXPECT_EQ(folder(CSIDL_WINDOWS), "/etc/first");
    EXPECT_EQ(folder(0x0014), "<none>") << "the fonts folder has no counterpart";
}

TEST_F(Folders, WindowsDirectoryIsTheFirstSystemConfigurationFolder)
{
    char buffer[MAX_PATH];
    EXPECT_EQ(GetWindowsDirectoryA(buffer, MAX_PATH), 10u);
    EXPECT_STREQ(buffer, "/etc/first");
    char small[4];
    EXPECT_EQ(GetWindowsDirectoryA(small, sizeof small), 11u)
        << "a short buffer gets the size needed";
}

} // namespace

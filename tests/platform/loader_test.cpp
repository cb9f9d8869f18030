// SPDX-License-Identifier: GPL-3.0-or-later
// Modules and entry points as the data source decides them.
#include "platform/moduletable.h"
#include "platform/win/winbase.h"
#include "tests/support/scratchruntime.h"

#include <gtest/gtest.h>

using namespace win;

namespace {

int firstCalls = 0;
void first()
{
    ++firstCalls;
}
void second()
{
}

const platform::ExportDef kExports[] = {
    { "RasFirst", 0, &first },
    { "RasSecond", 0, &second },
    { "accept", 1, &first },
    { "bind", 2, &second },
};
const platform::ModuleDef kModules[] = {
    { "RASAPI32.DLL", { kExports, 2 } },
    { "WSOCK32.DLL", { kExports + 2, 2 } },
    { "pdh.dll", {} },
};

class Loader : public testing::Test
{
protected:
    Loader()
        : m_table(kModules, m_source)
    {
        m_source.addModule("RASAPI32.DLL");
        m_source.addModule("WSOCK32.DLL");
    }
    testing_support::FakeSource m_source;
    platform::ModuleTable m_table;
};

TEST_F(Loader, ModulesLoadByNameWithoutCaseAndOnlyWhenTheSourceHasThem)
{
    const HMODULE ras = m_table.load("rasapi32.dll");
    EXPECT_NE(ras, 0u);
    EXPECT_EQ(m_table.load("RASAPI32.DLL"), ras) << "one module, one handle";
    EXPECT_EQ(m_table.loadCount(ras), 2);

    SetLastError(0);
    EXPECT_EQ(m_table.load("pdh.dll"), 0u) << "in the table but not on this platform";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(m_table.load("KERNEL32.DLL"), 0u);
}

TEST_F(Loader, EntryPointsResolveByNameOrOrdinalAndCanBeWithheld)
{
    const HMODULE ras = m_table.load("RASAPI32.DLL");
    const FARPROC proc = m_table.proc(ras, "RasFirst");
    ASSERT_NE(proc, nullptr);
    proc();
    EXPECT_EQ(firstCalls, 1) << "the pointer is the implementation itself";
    EXPECT_EQ(m_table.proc(ras, "rasfirst"), nullptr) << "entry point names are case sensitive";

    m_source.removeEntryPoint("RasSecond");
    SetLastError(0);
    EXPECT_EQ(m_table.proc(ras, "RasSecond"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

    const HMODULE sockets = m_table.load("WSOCK32.DLL");
    EXPECT_EQ(m_table.proc(sockets, std::uint16_t { 2 }), &second);
    EXPECT_EQ(m_table.proc(sockets, std::uint16_t { 3 }), nullptr);
    EXPECT_EQ(m_table.proc(ras, std::uint16_t { 1 }), nullptr) << "ordinals belong to their module";
}

TEST_F(Loader, FreeingCountsDownAndUnloads)
{
    const HMODULE ras = m_table.load("RASAPI32.DLL");
    m_table.load("RASAPI32.DLL");
    EXPECT_TRUE(m_table.free(ras));
    EXPECT_NE(m_table.proc(ras, "RasFirst"), nullptr) << "still loaded once";
    EXPECT_TRUE(m_table.free(ras));
    EXPECT_EQ(m_table.proc(ras, "RasFirst"), nullptr) << "an unloaded module resolves nothing";
    EXPECT_FALSE(m_table.free(ras));
    EXPECT_FALSE(m_table.free(0));
}

TEST(LoaderApi, TheWin32FunctionsUseTheInstalledSource)
{
    testing_support::ScratchRuntime runtime;
    EXPECT_EQ(LoadLibraryA("RASAPI32.DLL"), 0u)
        << "the fake source starts without dial-up networking";
    runtime.source().addModule("RASAPI32.DLL");
    const HMODULE ras = LoadLibraryA("RASAPI32.DLL");
    EXPECT_NE(ras, 0u);
    EXPECT_EQ(GetProcAddress(ras, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetProcAddress(ras, MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_EQ(FreeLibrary(ras), TRUE);
    EXPECT_EQ(LoadLibraryA(nullptr), 0u);
}

} // namespace

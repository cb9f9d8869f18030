// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-reg as a user runs it, beside this process using the same registry.
#include "components/base/myreg.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using testing_support::ProcessResult;

namespace {

constexpr const char* kOption = "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option";

class VantrelReg : public testing::Test
{
protected:
    ProcessResult reg(std::vector<std::string> args, const std::string& input = {})
    {
        args.insert(args.begin(), VANTREL_REG_BINARY);
        return testing_support::runProcess(args,
            { { "XDG_CONFIG_HOME", m_runtime.configHome().string() },
                { "VANTREL_SOURCE", "none" } },
            input);
    }
    std::string regOut(std::vector<std::string> args)
    {
        const auto result = reg(std::move(args));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
    void removeDatabase()
    {
        for (const char* suffix : { "", "-wal", "-shm" })
            std::filesystem::remove(m_runtime.databaseFile().string() + suffix);
    }

    testing_support::ScratchRuntime m_runtime;
};

TEST_F(VantrelReg, SetGetExportImportRoundTrip)
{
    regOut({ "set", kOption, "AntiIdleWeb", "--string", "http://example.org/\"q\"\\" });
    regOut({ "set", kOption, "MaxGraph", "--dword", "0x1000" });
    regOut({ "set", kOption, "MinGraph", "--dword", "-5" });
    regOut({ "set", kOption, "Blob", "--binary", "00,ff,10" });
    regOut({ "set", kOption, "Path", "--expand-string", "%HOME%/x" });
    EXPECT_EQ(regOut({ "get", kOption, "maxgraph" }), "4096\n");
    EXPECT_EQ(regOut({ "get", kOption, "MinGraph" }), "4294967291\n");
    const std::string listed = regOut({ "list", kOption });
    const std::string exported = regOut({ "export" });
    EXPECT_NE(exported.find("[HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option]\n"),
        std::string::npos);

    const auto file = m_runtime.configHome() / "saved.reg";
    std::ofstream(file) << exported;
    removeDatabase();
    EXPECT_EQ(reg({ "get", kOption, "MaxGraph" }).exitCode, 1)
        << "the values are gone with the database";

    regOut({ "import", file.string() });
    EXPECT_EQ(regOut({ "list", kOption }), listed) << "every value back with its type";
    EXPECT_EQ(regOut({ "get", kOption, "AntiIdleWeb" }), "http://example.org/\"q\"\\\n");
    EXPECT_EQ(regOut({ "export" }), exported);
}

TEST_F(VantrelReg, BadInputChangesNothingAndExitsWithTwo)
{
    regOut({ "set", kOption, "MaxGraph", "--dword", "7" });
    const std::string before = regOut({ "export" });
    const std::vector<std::vector<std::string>> bad = {
        {},
        { "frobnicate" },
        { "set", kOption, "MaxGraph", "--dword", "4294967296" },
        { "set", kOption, "MaxGraph", "--dword", "12abc" },
        { "set", kOption, "MaxGraph", "--float", "1" },
        { "set", "HKEY_NOWHERE\\X", "A", "--string", "x" },
        { "set", "HKCU", "A", "--string", "x" },
        { "get", kOption },
        { "list", "HKCU\\A\\\\B" },
        { "import", (m_runtime.configHome() / "missing.reg").string() },
    };
    for (const auto& args : bad) {
        const auto result = reg(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "<no args>" : args[0]);
        EXPECT_FALSE(result.err.empty());
    }
    const auto partial = reg({ "import", "-" },
        "REGEDIT4\n[HKCU\\Software\\New]\n\"Fine\"=\"yes\"\n\"Broken\"=dword:xyz\n");
    EXPECT_EQ(partial.exitCode, 2);
    EXPECT_NE(partial.err.find("<stdin>:4:"), std::string::npos) << partial.err;
    EXPECT_EQ(regOut({ "export" }), before) << "a bad file imports nothing at all";
}

TEST_F(VantrelReg, FailuresExitWithOneAndSayWhat)
{
    const auto missing = reg({ "get", kOption, "Nothing" });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("not found"), std::string::npos);
    EXPECT_EQ(reg({ "delete", kOption, "Nothing" }).exitCode, 1);
    const auto computed = reg({ "set", "HKEY_DYN_DATA\\PerfStats", "X", "--string", "y" });
    EXPECT_EQ(computed.exitCode, 1);
}

TEST_F(VantrelReg, TwoProcessesShareTheRegistry)
{
    TMyReg store;
    store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    regOut({ "set", kOption, "AntiIdleTimer", "--dword", "120" });
    EXPECT_EQ(
        store.ReadInteger(QStringLiteral("Option"), QStringLiteral("AntiIdleTimer"), 300), 120);
    store.WriteString(QStringLiteral("Stats"), QStringLiteral("LastConn"), QStringLiteral("MyISP"));
    EXPECT_EQ(
        regOut({ "get", "HKCU\\Software\\Orvik Software\\Vantrel\\Stats", "LastConn" }), "MyISP\n");
    regOut({ "delete", kOption, "AntiIdleTimer" });
    EXPECT_EQ(
        store.ReadInteger(QStringLiteral("Option"), QStringLiteral("AntiIdleTimer"), 300), 300);
}

TEST_F(VantrelReg, TheStartupValueBringsTheAutostartEntry)
{
    const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    regOut({ "set", run, "Vantrel", "--string", "/usr/bin/vantrel" });
    EXPECT_TRUE(std::filesystem::exists(m_runtime.configHome() / "autostart" / "vantrel.desktop"));
    regOut({ "delete", run, "Vantrel" });
    EXPECT_FALSE(std::filesystem::exists(m_runtime.configHome() / "autostart" / "vantrel.desktop"));
}

} // namespace

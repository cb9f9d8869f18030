// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool answers a command line alike: a wrong one with one line naming what is wrong and
// where to look, exit status 2 and nothing on standard output; --version with its name and the
// project's version.
#include "tests/support/built.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <gtest/gtest.h>

namespace {

struct WrongLine
{
    const char* name;
    const char* tool;
    std::vector<std::string> args;
    const char* problem; // the line's text after "TOOL: "
};

void PrintTo(const WrongLine& row, std::ostream* out)
{
    *out << row.name;
}

using testing_support::built::vantrelFetch;
using testing_support::built::vantrelRas;
using testing_support::built::vantrelReg;
using testing_support::built::vantrelUsage;

const WrongLine kWrongLines[] = {
    { "RasUnknownOption", vantrelRas, { "--twice" }, "unknown option '--twice'" },
    // Guards against --ticks at the end being taken for an unknown option.
    { "RasTicksWithoutNumber", vantrelRas, { "--ticks" }, "--ticks: the number is missing" },
    { "RasTicksNotANumber", vantrelRas, { "--ticks", "ten" },
        "--ticks: 'ten' is not a positive number" },
    { "RasTicksZero", vantrelRas, { "--ticks=0" }, "--ticks: '0' is not a positive number" },
    { "RasOnceAndTicks", vantrelRas, { "--once", "--ticks", "3" },
        "--once and --ticks cannot be used together" },
    { "RasOnceWithValue", vantrelRas, { "--once=2" }, "--once takes no value" },
    { "RasOperand", vantrelRas, { "now" }, "unexpected argument 'now'" },
    // Guards against the whole help on standard error instead of one line.
    { "UsageUnknownOption", vantrelUsage, { "--weekly" }, "unknown option '--weekly'" },
    { "UsageUnknownCommand", vantrelUsage, { "weeks" }, "unknown command 'weeks'" },
    { "UsageBadDate", vantrelUsage, { "days", "--from", "28.03.2026" },
        "--from: '28.03.2026' is not a date (YYYY-MM-DD)" },
    { "UsageNameWithoutName", vantrelUsage, { "calls", "--name" },
        "--name: the entry name is missing" },
    { "UsageReversedRange", vantrelUsage, { "--from", "2026-03-02", "--to", "2026-03-01" },
        "--to comes before --from" },
    // Guards against --json --csv printing CSV and exiting 0.
    { "UsageJsonAndCsv", vantrelUsage, { "--json", "--csv" },
        "--json and --csv cannot be used together" },
    { "UsageCsvAndMetrics", vantrelUsage, { "--csv", "--openmetrics", "out.prom" },
        "--csv and --openmetrics cannot be used together" },
    { "UsageMetricsOfACommand", vantrelUsage, { "calls", "--openmetrics", "out.prom" },
        "--openmetrics cannot be used with calls" },
    { "UsageImportAsJson", vantrelUsage, { "import", "vantrel.log", "--json" },
        "--json cannot be used with import" },
    { "UsageImportWithoutFile", vantrelUsage, { "import" }, "import: the file is missing" },
    { "UsageTwoCommands", vantrelUsage, { "days", "months" }, "unexpected argument 'months'" },
    { "FetchUnknownOption", vantrelFetch, { "--bogus", "http://127.0.0.1/" },
        "unknown option '--bogus'" },
    { "FetchTimeoutWithoutValue", vantrelFetch, { "http://127.0.0.1/", "--timeout" },
        "--timeout: the number of seconds is missing" },
    { "FetchBadFirewall", vantrelFetch, { "--firewall", "socks6", "http://127.0.0.1/" },
        "--firewall: 'socks6' is not tunnel, socks4 or socks5" },
    { "FetchHeadAndPost", vantrelFetch, { "--head", "--post-data", "x", "http://127.0.0.1/" },
        "--head and --post-data cannot be used together" },
    { "FetchNoUrl", vantrelFetch, { "--head" }, "the URL is missing" },
    { "FetchTwoUrls", vantrelFetch, { "http://127.0.0.1/a", "http://127.0.0.1/b" },
        "unexpected argument 'http://127.0.0.1/b'" },
    { "RegNoCommand", vantrelReg, {}, "the command is missing" },
    { "RegUnknownCommand", vantrelReg, { "copy" }, "unknown command 'copy'" },
    { "RegUnknownOption", vantrelReg, { "list", "--all" }, "unknown option '--all'" },
    { "RegGetWithoutName", vantrelReg, { "get", "HKCU\\Software" },
        "get: the value name is missing" },
    { "RegSetWithoutValue", vantrelReg, { "set", "HKCU\\Software\\A", "N" },
        "set: the value is missing (--string, --expand-string, --dword or --binary)" },
    { "RegTwoKinds", vantrelReg,
        { "set", "HKCU\\Software\\A", "N", "--string", "x", "--dword", "1" },
        "--string and --dword cannot be used together" },
    { "RegBadNumber", vantrelReg, { "set", "HKCU\\Software\\A", "N", "--dword", "many" },
        "--dword: 'many' is not a 32-bit number" },
    { "RegKindForList", vantrelReg, { "list", "--string", "x" },
        "--string cannot be used with list" },
    { "RegTwoKeys", vantrelReg, { "list", "HKCU\\Software", "HKLM\\Software" },
        "unexpected argument 'HKLM\\Software'" },
};

class ToolRun : public testing::Test
{
protected:
    testing_support::ProcessResult run(const char* tool, const std::vector<std::string>& args)
    {
        std::vector<std::string> command { tool };
        command.insert(command.end(), args.begin(), args.end());
        const std::string home = m_home.path().string();
        return testing_support::runProcess(command,
            { { "VANTREL_SOURCE", "none" }, { "XDG_CONFIG_HOME", home }, { "XDG_DATA_HOME", home },
                { "XDG_STATE_HOME", home }, { "HOME", home }, { "LC_ALL", "C.UTF-8" },
                { "LANGUAGE", "de" } });
    }

    testing_support::TemporaryFolder m_home;
};

class ToolCommandLine : public ToolRun, public testing::WithParamInterface<WrongLine>
{
};

TEST_P(ToolCommandLine, IsRefusedWithOneLineAndAPointerToHelp)
{
    const std::string name = std::filesystem::path(GetParam().tool).filename().string();
    const auto result = run(GetParam().tool, GetParam().args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, name + ": " + GetParam().problem + "\nTry '" + name + " --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolCommandLine, testing::ValuesIn(kWrongLines),
    [](const testing::TestParamInfo<WrongLine>& row) { return std::string(row.param.name); });

TEST_F(ToolRun, VersionIsTheProjectsForEveryTool)
{
    for (const char* tool : { vantrelRas, vantrelUsage, vantrelFetch, vantrelReg }) {
        const std::string name = std::filesystem::path(tool).filename().string();
        const auto result = run(tool, { "--version" });
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.out, name + " " VANTREL_VERSION "\n");
        EXPECT_EQ(result.err, "") << name;
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tools print the same under any language: scripts parse what they write.
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    const char* name;
    std::vector<std::string> command;
    std::map<std::string, std::string> environment;
    const char* scenario = nullptr; // the simulated machine's scenario, as JSON text
    const char* says = nullptr; // what the output holds, in English, under either language
};

void PrintTo(const ToolRun& row, std::ostream* out)
{
    *out << row.name;
}

const ToolRun kRuns[] = {
    { "RasOnce", { VANTREL_RAS_BINARY, "--once" },
        { { "VANTREL_SOURCE", "sim:" VANTREL_SCENARIOS "/quick-xp.json" } } },
    // The dial-up library's message is translated in the monitor, never here.
    { "RasNoAnswer", { VANTREL_RAS_BINARY, "--once" }, {},
        R"({ "profile": "xp", "connections": [{ "name": "MyISP", "deviceType": "MODEM",
            "dialAt": 0, "states": [[0, 2]], "dropAt": 0, "statusErrors": [[0, 678]] }] })",
        "state 8193 There is no answer., device MODEM" },
    { "RasWithoutDialUp", { VANTREL_RAS_BINARY, "--once" }, { { "VANTREL_SOURCE", "none" } } },
    { "RegExport", { VANTREL_REG_BINARY, "export", "HKEY_CURRENT_USER\\Software" },
        { { "VANTREL_SOURCE", "none" } } },
    { "RegMissingValue",
        { VANTREL_REG_BINARY, "get", "HKEY_CURRENT_USER\\Software\\Nothing", "Here" },
        { { "VANTREL_SOURCE", "none" } } },
    { "FetchRefused", { VANTREL_FETCH_BINARY, "--timeout", "5", "http://127.0.0.1:9/" }, {} },
    { "UsageEmpty", { VANTREL_USAGE_BINARY }, { { "TZ", "Europe/Berlin" } } },
    { "UsageBadDate", { VANTREL_USAGE_BINARY, "--from", "someday" }, {} },
};

class ToolsLanguage : public testing::TestWithParam<ToolRun>
{
protected:
    testing_support::ProcessResult runUnder(std::map<std::string, std::string> language)
    {
        const std::string home = m_runtime.configHome().string();
        std::map<std::string, std::string> environment { { "XDG_CONFIG_HOME", home },
            { "XDG_DATA_HOME", home + "/data" }, { "XDG_STATE_HOME", home + "/state" },
            { "HOME", home }, { "LC_ALL", "" }, { "LC_MESSAGES", "" }, { "LANGUAGE", "" } };
        for (const auto& [name, value] : GetParam().environment)
            environment[name] = value;
        if (GetParam().scenario) {
            const auto file = m_runtime.configHome() / "scenario.json";
            std::ofstream(file) << GetParam().scenario;
            environment["VANTREL_SOURCE"] = "sim:" + file.string();
        }
        for (const auto& [name, value] : language)
            environment[name] = value;
        return testing_support::runProcess(GetParam().command, environment);
    }

    testing_support::ScratchRuntime m_runtime;
};

TEST_P(ToolsLanguage, PrintTheSameUnderGermanAsUnderC)
{
    const auto plain = runUnder({ { "LANG", "C" } });
    const auto german = runUnder({ { "LANG", "de_DE.UTF-8" }, { "LANGUAGE", "de" } });
    EXPECT_EQ(german.exitCode, plain.exitCode);
    EXPECT_EQ(german.out, plain.out);
    EXPECT_EQ(german.err, plain.err);
    EXPECT_FALSE(plain.out.empty() && plain.err.empty()) << "the tool said nothing at all";
    if (GetParam().says) {
        EXPECT_NE(german.out.find(GetParam().says), std::string::npos) << german.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ToolsLanguage, testing::ValuesIn(kRuns),
    [](const testing::TestParamInfo<ToolRun>& row) { return std::string(row.param.name); });

} // namespace

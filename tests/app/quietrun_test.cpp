// SPDX-License-Identifier: GPL-3.0-or-later
// The real program offscreen on the demonstration connection: a normal run says nothing on
// standard error but the logging categories it was asked for.
#include "tests/app/programfixture.h"

#include <gtest/gtest.h>
#include <sstream>

using testing_support::Program;

namespace {

// Every line of standard error that is not one of the program's own logging categories.
std::string otherLines(const std::string& err)
{
    std::istringstream in(err);
    std::string others;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("vantrel.log: ") && !line.starts_with("vantrel.tick: "))
            others += line + "\n";
    }
    return others;
}

struct QuietCase
{
    const char* name;
    std::vector<const char*> options; // checked in the Option section
};

class QuietRun : public Program, public testing::WithParamInterface<QuietCase>
{
};

// Guards against "This plugin does not support raise()" from windows raised, or tool windows
// shown, where the platform stacks no windows.
TEST_P(QuietRun, ANormalRunPrintsNoQtWarnings)
{
    const QuietCase& c = GetParam();
    for (const char* option :
        { "HideMonitor", "Transparent", "AlwaysOnTop", "MinimizeToTray", "StartMinimized" })
        m_store.WriteBool(QStringLiteral("Option"), QLatin1String(option), false);
    for (const char* option : c.options)
        m_store.WriteBool(QStringLiteral("Option"), QLatin1String(option), true);
    const std::string home = m_runtime.configHome().string();
    // Two whole connections of the demonstration, sixty times faster than real time.
    const auto result = testing_support::runProcess({ (bin() / "vantrel").string() },
        { { "QT_QPA_PLATFORM", "offscreen" }, { "VANTREL_SOURCE", "demo:60" },
            { "XDG_CONFIG_HOME", home }, { "XDG_STATE_HOME", home + "/state" },
            { "XDG_RUNTIME_DIR", home }, { "HOME", home },
            { "QT_LOGGING_RULES", "vantrel.log.info=true;vantrel.tick.debug=true" },
            { "LC_ALL", "C.UTF-8" } },
        {}, [](const std::string& err) {
            std::size_t drops = 0;
            for (std::size_t at = err.find(" disconnected.\n"); at != std::string::npos;
                 at = err.find(" disconnected.\n", at + 1))
                ++drops;
            return drops >= 2;
        });
    ASSERT_EQ(result.exitCode, 0) << c.name << "\n" << result.err;
    EXPECT_NE(result.err.find("vantrel.tick: "), std::string::npos) << c.name;
    EXPECT_EQ(otherLines(result.err), "") << c.name;
}

// Each its own test, so that they run side by side.
INSTANTIATE_TEST_SUITE_P(Program, QuietRun,
    testing::Values(QuietCase { "Defaults", {} },
        // The monitor shown at each connect, translucent, on top, minimised to the tray.
        QuietCase { "MonitorOnTopTranslucentInTheTray",
            { "HideMonitor", "Transparent", "AlwaysOnTop", "MinimizeToTray" } },
        QuietCase { "StartedMinimised", { "StartMinimized", "MinimizeToTray" } }),
    [](const testing::TestParamInfo<QuietCase>& row) { return std::string(row.param.name); });

} // namespace

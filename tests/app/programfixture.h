// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, offscreen, in a scratch home of its own with a copy of the binary (so its
// log file lands there), on a simulated connection.
#pragma once

#include "components/base/myreg.h"
#include "tests/support/built.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace testing_support {

// The bytes a steady `perSecond` carries over a stored duration of `seconds`. A duration is
// whole seconds cut short, so the bytes lie between `seconds` and one more second's worth, give
// or take a quarter second between the reads of the counters and of the clock on a busy machine.
inline testing::AssertionResult carriedFor(double bytes, double perSecond, double seconds)
{
    const double slack = perSecond / 4;
    if (bytes >= perSecond * seconds - slack && bytes <= perSecond * (seconds + 1) + slack)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
        << bytes << " bytes at " << perSecond << " a second for " << seconds << " whole seconds";
}

struct RunOptions
{
    int signal = 15; // what `terminateWhen` sends
    // A command the program runs under, given the program's path as its last argument.
    std::vector<std::string> wrapper;
    int limitSeconds = 60;
    // Added to, or replacing, the program's environment (TZ, for one).
    std::map<std::string, std::string> environment;
};

class Program : public testing::Test
{
protected:
    Program()
    {
        // A copy of the program in a folder of the test's own, so its log file lands there.
        std::filesystem::create_directories(bin());
        std::filesystem::copy_file(testing_support::built::vantrel, bin() / "vantrel");
        m_store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    }
    std::filesystem::path bin() const { return m_runtime.configHome() / "bin"; }
    // `dropAt` is the key and value with its comma, or empty; `traffic` the rows of the key. A
    // test that counts seconds runs slower, so that a slow start under load misses none.
    std::string scenario(const std::string& dropAt,
        const std::string& traffic = "[[0, 1000, 1000, 5000]]", int timeScale = 20)
    {
        const auto file = m_runtime.configHome() / "scenario.json";
        std::ofstream(file) << R"({ "profile": "xp", "timeScale": )" << timeScale
                            << R"(, "dnsServers": ["10.0.0.1"],
            "connections": [{ "name": "MyISP", "dialAt": 1, "states": [[0, 2], [1, 8192]], )"
                            << dropAt
                            << R"( "speed": 57600, "clientIp": "10.64.1.7", "serverIp": "10.64.0.1",
              "traffic": )" << traffic
                            << R"( }] })";
        return file.string();
    }
    // A scenario of the test's own, as JSON text.
    std::string scenarioFile(const std::string& json)
    {
        const auto file = m_runtime.configHome() / "scenario.json";
        std::ofstream(file) << json;
        return file.string();
    }
    testing_support::ProcessResult run(const std::string& scenarioFile,
        std::function<bool(const std::string&)> terminateWhen, const RunOptions& options = {})
    {
        const std::string home = m_runtime.configHome().string();
        std::vector<std::string> command = options.wrapper;
        command.push_back((bin() / "vantrel").string());
        std::map<std::string, std::string> environment = { { "QT_QPA_PLATFORM", "offscreen" },
            { "VANTREL_SOURCE", "sim:" + scenarioFile }, { "XDG_CONFIG_HOME", home },
            { "XDG_STATE_HOME", home + "/state" }, { "XDG_DATA_HOME", home + "/data" },
            { "XDG_RUNTIME_DIR", home }, { "HOME", home },
            { "QT_LOGGING_RULES", "vantrel.log.info=true;vantrel.tick.debug=true" },
            { "LC_ALL", "C.UTF-8" } };
        for (const auto& [name, value] : options.environment)
            environment[name] = value;
        return testing_support::runProcess(command, environment, {}, std::move(terminateWhen),
            options.limitSeconds, options.signal);
    }
    // A `terminateWhen` that ends the program once its standard error holds `text`.
    static std::function<bool(const std::string&)> untilSaid(std::string text)
    {
        return [text = std::move(text)](
                   const std::string& err) { return err.find(text) != std::string::npos; };
    }
    QString stored(const char* name)
    {
        return m_store.ReadString(
            QStringLiteral("Stats"), QLatin1String(name), QStringLiteral("<missing>"));
    }
    std::vector<std::string> logFileLines()
    {
        std::ifstream in(bin() / "vantrel.log", std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // The sent figure of the last tick the program logged; -1 before the first.
    static std::int64_t lastTickSent(const std::string& err)
    {
        const std::regex tick(R"(state 8192 sent (\d+) received)");
        std::int64_t sent = -1;
        for (auto it = std::sregex_iterator(err.begin(), err.end(), tick);
             it != std::sregex_iterator(); ++it)
            sent = std::stoll((*it)[1]);
        return sent;
    }
    static std::size_t position(const std::string& text, const std::string& line)
    {
        return text.find("vantrel.log: " + line + "\n");
    }

    testing_support::ScratchRuntime m_runtime;
    TMyReg m_store;
};

} // namespace testing_support

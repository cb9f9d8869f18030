// SPDX-License-Identifier: GPL-3.0-or-later
// The connect sound reaching a real sound server: PulseAudio with a null sink, inside the test's
// own HOME and XDG_RUNTIME_DIR.
#include "components/base/myreg.h"
#include "tests/support/built.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child process with its output going to a file, ended with SIGTERM.
class Background
{
public:
    Background(const std::vector<std::string>& argv,
        const std::map<std::string, std::string>& environment, const std::filesystem::path& output)
    {
        m_pid = fork();
        if (m_pid == 0) {
            const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            testing_support::execProgram(argv, environment);
        }
    }
    ~Background()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

private:
    pid_t m_pid = -1;
};

std::string content(const std::filesystem::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Sound, TheConnectSoundReachesTheSink)
{
    if (access("/usr/bin/pulseaudio", X_OK) != 0 || access("/usr/bin/pactl", X_OK) != 0)
        VANTREL_SKIP_UNLESS_CI() << "pulseaudio and pactl are not installed";
    testing_support::ScratchRuntime runtime;
    const auto home = runtime.configHome();
    std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    const std::map<std::string, std::string> environment = { { "HOME", home.string() },
        { "XDG_RUNTIME_DIR", home.string() }, { "XDG_CONFIG_HOME", home.string() },
        { "XDG_STATE_HOME", home.string() + "/state" }, { "CANBERRA_DRIVER", "pulse" } };
    Background server(
        { "/usr/bin/pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
            "-L", "module-null-sink sink_name=nullsink", "-L", "module-native-protocol-unix" },
        environment, home / "pulseaudio.out");
    const auto answers = [&] {
        return testing_support::runProcess({ "/usr/bin/pactl", "info" }, environment).exitCode == 0;
    };
    if (!testing_support::runEventsUntil(answers, 10000, 100))
        VANTREL_SKIP_UNLESS_CI() << "the sound server did not start: "
                                 << content(home / "pulseaudio.out");
    // The subscription is live once it reports a client of ours coming and going.
    Background subscriber({ "/usr/bin/pactl", "subscribe" }, environment, home / "events.out");
    testing_support::runEventsUntil(
        [&] {
            return answers() && content(home / "events.out").find("on client") != std::string::npos;
        },
        10000, 100);

    TMyReg store;
    store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    store.WriteBool(QStringLiteral("Option"), QStringLiteral("Sound"), true);
    std::ofstream(home / "scenario.json")
        << R"({ "timeScale": 20, "connections": [{ "name": "MyISP",
        "dialAt": 1, "states": [[0, 2], [1, 8192]], "traffic": [[0, 100, 100, 500]] }] })";
    auto programEnvironment = environment;
    programEnvironment["QT_QPA_PLATFORM"] = "offscreen";
    programEnvironment["VANTREL_SOURCE"] = "sim:" + (home / "scenario.json").string();
    programEnvironment["QT_LOGGING_RULES"] = "vantrel.log.info=true";
    const auto started = std::chrono::steady_clock::now();
    const auto result = testing_support::runProcess(
        { testing_support::built::vantrel }, programEnvironment, {},
        [&](const std::string& err) {
            return err.find("MyISP connected.") != std::string::npos
                && std::chrono::steady_clock::now() - started > std::chrono::seconds(2);
        },
        30);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    testing_support::runEventsUntil(
        [&] {
            return content(home / "events.out").find("'new' on sink-input") != std::string::npos;
        },
        5000);
    const std::string events = content(home / "events.out");
    EXPECT_NE(events.find("'new' on sink-input"), std::string::npos) << "events: " << events;
}

} // namespace

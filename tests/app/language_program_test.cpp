// SPDX-License-Identifier: GPL-3.0-or-later
// The real program speaks the language of the user's environment, in its log lines too (the
// dial-up library's messages among them), and English under the C locale.
#include "programfixture.h"
#include "tests/support/built.h"

#include <gtest/gtest.h>

using testing_support::Program;

namespace {

struct Spoken
{
    const char* name;
    std::map<std::string, std::string> environment;
    const char* online; // the connected state's log line
    const char* connected; // the connection's own line
    const char* dropped; // the state line of a connection the remote end hung up (error 629)
};

void PrintTo(const Spoken& row, std::ostream* out)
{
    *out << row.name;
}

const Spoken kSpoken[] = {
    { "C", { { "LANG", "C" } }, "8192 Connected/Online", "MyISP connected.",
        "8193 The port was disconnected by the remote machine." },
    { "CWithLanguage", { { "LANGUAGE", "de" }, { "LC_ALL", "C" } }, "8192 Connected/Online",
        "MyISP connected.", "8193 The port was disconnected by the remote machine." },
    { "English", { { "LANG", "en_US.UTF-8" } }, "8192 Connected/Online", "MyISP connected.",
        "8193 The port was disconnected by the remote machine." },
    { "German", { { "LANG", "de_DE.UTF-8" } }, "8192 Verbunden/Online", "MyISP verbunden.",
        "8193 Der Anschluss wurde vom Remotecomputer getrennt." },
    { "French", { { "LANG", "fr_FR.UTF-8" } }, "8192 Connecté/En ligne", "MyISP connecté.",
        "8193 Le port a été déconnecté par l’ordinateur distant." },
    { "Spanish", { { "LANG", "es_ES.UTF-8" } }, "8192 Conectado/En línea", "MyISP conectado.",
        "8193 El equipo remoto desconectó el puerto." },
    { "BrazilianPortuguese", { { "LANG", "pt_BR.UTF-8" } }, "8192 Conectado/On-line",
        "MyISP conectado.", "8193 A porta foi desconectada pelo computador remoto." },
    { "Russian", { { "LANG", "ru_RU.UTF-8" } }, "8192 Подключено/В сети", "MyISP: подключено.",
        "8193 Порт был отключён удалённым компьютером." },
    { "SimplifiedChinese", { { "LANG", "zh_CN.UTF-8" } }, "8192 已连接/在线", "MyISP 已连接。",
        "8193 端口已被远程计算机断开连接。" },
    { "MessagesOverLang", { { "LANG", "de_DE.UTF-8" }, { "LC_MESSAGES", "ru_RU.UTF-8" } },
        "8192 Подключено/В сети", "MyISP: подключено.",
        "8193 Порт был отключён удалённым компьютером." },
    { "LanguageListFirst", { { "LANGUAGE", "it:fr" }, { "LANG", "de_DE.UTF-8" } },
        "8192 Connecté/En ligne", "MyISP connecté.",
        "8193 Le port a été déconnecté par l’ordinateur distant." },
    // Debian's C.UTF-8 is not the C locale: LANGUAGE is honoured.
    { "LanguageUnderCUtf8", { { "LANGUAGE", "de" }, { "LANG", "C.UTF-8" } },
        "8192 Verbunden/Online", "MyISP verbunden.",
        "8193 Der Anschluss wurde vom Remotecomputer getrennt." },
};

class Languages : public Program, public testing::WithParamInterface<Spoken>
{
protected:
    // The row's language, with the catalogues beside the program as in the build folder and
    // the installed data folder.
    testing_support::RunOptions spoken()
    {
        std::filesystem::copy(testing_support::built::translations, bin() / "translations");
        testing_support::RunOptions options;
        options.environment = { { "LC_ALL", "" }, { "LC_MESSAGES", "" }, { "LANGUAGE", "" } };
        for (const auto& [name, value] : GetParam().environment)
            options.environment[name] = value;
        return options;
    }
};

TEST_P(Languages, LogLinesFollowTheUsersLanguage)
{
    const std::string connected = GetParam().connected;
    const auto result = run(
        scenario(""),
        [&](const std::string& err) { return err.find(connected) != std::string::npos; }, spoken());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(position(result.err, GetParam().online), std::string::npos) << result.err;
    EXPECT_NE(position(result.err, connected), std::string::npos) << result.err;
}

// Guards against the dial-up library's messages (the platform's table, shared with the
// command-line tools) reaching the log in English whatever the language.
TEST_P(Languages, DialUpErrorsFollowTheUsersLanguage)
{
    // Hung up by the remote end from the first tick on, so no tick can miss it.
    const std::string dropped = GetParam().dropped;
    const auto result = run(scenarioFile(R"({ "profile": "xp", "timeScale": 20,
            "connections": [{ "name": "MyISP", "deviceType": "MODEM", "dialAt": 0,
            "states": [[0, 8193]], "statusErrors": [[0, 629]] }] })"),
        untilSaid("vantrel.log: " + dropped + "\n"), spoken());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(position(result.err, dropped), std::string::npos) << result.err;
}

// Guards against a start-up note left in English in the German log, or translated on standard
// error, where it is written before any catalogue is loaded.
class StartUpNotes : public Program
{
};

TEST_F(StartUpNotes, AreShownInTheUsersLanguageAndWrittenInEnglish)
{
    std::filesystem::copy(testing_support::built::translations, bin() / "translations");
    const auto runtime = m_runtime.configHome() / "runtime";
    std::filesystem::create_directories(runtime / "OrvikVantrel.lock");
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    testing_support::RunOptions options;
    options.environment = { { "LC_ALL", "" }, { "LC_MESSAGES", "" }, { "LANGUAGE", "" },
        { "LANG", "de_DE.UTF-8" }, { "XDG_RUNTIME_DIR", runtime.string() } };
    const auto result = run(
        scenario(""),
        [](const std::string& err) { return err.find("MyISP verbunden.") != std::string::npos; },
        options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string problem = (runtime / "OrvikVantrel.lock").string() + ": Is a directory";
    EXPECT_NE(result.err.find("vantrel: Single-instance lock not taken: " + problem
                  + "; a second start would run beside this one.\n"),
        std::string::npos)
        << result.err;
    EXPECT_NE(position(result.err,
                  "Sperre gegen Mehrfachstart nicht gesetzt: " + problem
                      + "; ein zweiter Start würde neben diesem laufen."),
        std::string::npos)
        << result.err;
}

INSTANTIATE_TEST_SUITE_P(Environments, Languages, testing::ValuesIn(kSpoken),
    [](const testing::TestParamInfo<Spoken>& row) { return std::string(row.param.name); });

} // namespace

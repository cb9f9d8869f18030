// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tools print the same under any language: scripts parse what they write. Only
// their --help speaks the user's language.
#include "tests/support/built.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <QString>
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

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
    { "RasOnce", { testing_support::built::vantrelRas, "--once" },
        { { "VANTREL_SOURCE",
            std::string("sim:") + testing_support::built::scenarios + "/quick-xp.json" } } },
    // The dial-up library's message is translated in the monitor, never here.
    { "RasNoAnswer", { testing_support::built::vantrelRas, "--once" }, {},
        R"({ "profile": "xp", "connections": [{ "name": "MyISP", "deviceType": "MODEM",
            "dialAt": 0, "states": [[0, 2]], "dropAt": 0, "statusErrors": [[0, 678]] }] })",
        "state 8193 There is no answer., device MODEM" },
    { "RasWithoutDialUp", { testing_support::built::vantrelRas, "--once" },
        { { "VANTREL_SOURCE", "none" } } },
    { "RegExport", { testing_support::built::vantrelReg, "export", "HKEY_CURRENT_USER\\Software" },
        { { "VANTREL_SOURCE", "none" } } },
    { "RegMissingValue",
        { testing_support::built::vantrelReg, "get", "HKEY_CURRENT_USER\\Software\\Nothing",
            "Here" },
        { { "VANTREL_SOURCE", "none" } } },
    { "FetchRefused",
        { testing_support::built::vantrelFetch, "--timeout", "5", "http://127.0.0.1:9/" }, {} },
    { "UsageEmpty", { testing_support::built::vantrelUsage }, { { "TZ", "Europe/Berlin" } } },
    // What is wrong with the command line stays English.
    { "UsageBadDate", { testing_support::built::vantrelUsage, "--from", "someday" }, {} },
    { "RegNoCommand", { testing_support::built::vantrelReg }, { { "VANTREL_SOURCE", "none" } } },
    { "RasUnknownOption", { testing_support::built::vantrelRas, "--twice" },
        { { "VANTREL_SOURCE", "none" } } },
    { "FetchNoUrl", { testing_support::built::vantrelFetch, "--head" }, {} },
};

// Runs a tool in a scratch home under `language`'s variables (the others cleared).
testing_support::ProcessResult runTool(const testing_support::ScratchRuntime& runtime,
    const std::vector<std::string>& command, std::map<std::string, std::string> environment,
    const std::map<std::string, std::string>& language)
{
    const std::string home = runtime.configHome().string();
    for (const auto& [name, value] :
        std::map<std::string, std::string> { { "XDG_CONFIG_HOME", home },
            { "XDG_DATA_HOME", home + "/data" }, { "XDG_STATE_HOME", home + "/state" },
            { "HOME", home }, { "LC_ALL", "" }, { "LC_MESSAGES", "" }, { "LANGUAGE", "" } })
        environment.emplace(name, value);
    for (const auto& [name, value] : language)
        environment[name] = value;
    return testing_support::runProcess(command, environment);
}

class ToolsLanguage : public testing::TestWithParam<ToolRun>
{
protected:
    testing_support::ProcessResult runUnder(const std::map<std::string, std::string>& language)
    {
        std::map<std::string, std::string> environment;
        for (const auto& [name, value] : GetParam().environment)
            environment[name] = value;
        if (GetParam().scenario) {
            const auto file = m_runtime.configHome() / "scenario.json";
            std::ofstream(file) << GetParam().scenario;
            environment["VANTREL_SOURCE"] = "sim:" + file.string();
        }
        return runTool(m_runtime, GetParam().command, environment, language);
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

namespace {

struct HelpRow
{
    const char* name;
    const char* tool;
    const char* englishStart; // the help's first line under C, as it always was
    const char* englishLine; // a whole line of it
    const char* germanStart;
    const char* germanLine; // the same line in German, its description at the same column
};

void PrintTo(const HelpRow& row, std::ostream* out)
{
    *out << row.name;
}

const HelpRow kHelps[] = {
    { "RegistryEditor", testing_support::built::vantrelReg,
        "usage: vantrel-reg COMMAND [ARGUMENTS]\n",
        "  delete KEY NAME                     delete a value\n",
        "Aufruf: vantrel-reg COMMAND [ARGUMENTS]\n",
        "  delete KEY NAME                     einen Wert löschen\n" },
    { "DialUpDiagnostics", testing_support::built::vantrelRas,
        "usage: vantrel-ras [--once | --ticks N]\n", "  --once      one tick, then exit\n",
        "Aufruf: vantrel-ras [--once | --ticks N]\n", "  --once      ein Takt, dann beenden\n" },
    { "HttpDiagnostics", testing_support::built::vantrelFetch,
        "usage: vantrel-fetch [OPTIONS] URL\n",
        "  --head                     send HEAD instead of GET\n",
        "Aufruf: vantrel-fetch [OPTIONS] URL\n",
        "  --head                     HEAD statt GET senden\n" },
    { "UsageReader", testing_support::built::vantrelUsage,
        "usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]\n"
        "                     [--json | --csv | --openmetrics FILE] [--file DATABASE]\n",
        "  --json              JSON instead of aligned text\n",
        "Aufruf: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]\n"
        "                      [--json | --csv | --openmetrics FILE] [--file DATABASE]\n",
        "  --json              JSON statt ausgerichtetem Text\n" },
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Terminal columns: Chinese characters and punctuation take two, as the shipped languages need.
qsizetype columns(const std::string& line)
{
    qsizetype result = 0;
    for (const QChar c : QString::fromStdString(line)) {
        const bool wide = c.script() == QChar::Script_Han
            || (c.unicode() >= 0x3000 && c.unicode() <= 0x303F)
            || (c.unicode() >= 0xFF00 && c.unicode() <= 0xFF60);
        result += wide ? 2 : 1;
    }
    return result;
}

class ToolsHelp : public testing::TestWithParam<HelpRow>
{
protected:
    testing_support::ProcessResult helpUnder(const std::map<std::string, std::string>& language)
    {
        return runTool(m_runtime, { GetParam().tool, "--help" }, {}, language);
    }

    testing_support::ScratchRuntime m_runtime;
};

TEST_P(ToolsHelp, SpeaksGermanUnderGermanAndEnglishUnderC)
{
    const auto plain = helpUnder({ { "LANG", "C" } });
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.err, "");
    EXPECT_TRUE(plain.out.starts_with(GetParam().englishStart)) << plain.out;
    EXPECT_NE(plain.out.find(GetParam().englishLine), std::string::npos) << plain.out;

    // C ignores LANGUAGE, as gettext does: a script's LC_ALL=C gets today's English.
    EXPECT_EQ(helpUnder({ { "LC_ALL", "C" }, { "LANGUAGE", "de" } }).out, plain.out);
    EXPECT_EQ(helpUnder({ { "LANG", "en_US.UTF-8" } }).out, plain.out);

    for (const std::map<std::string, std::string>& german :
        { std::map<std::string, std::string> { { "LANG", "de_DE.UTF-8" } },
            { { "LANG", "de_DE.UTF-8" }, { "LANGUAGE", "de" } },
            { { "LANG", "fr_FR.UTF-8" }, { "LANGUAGE", "de" } },
            // Debian's C.UTF-8 is not the C locale: LANGUAGE is honoured.
            { { "LANG", "C.UTF-8" }, { "LANGUAGE", "de" } },
            { { "LANG", "C.UTF-8" }, { "LC_MESSAGES", "de_DE.UTF-8" } } }) {
        const auto result = helpUnder(german);
        std::string under;
        for (const auto& [name, value] : german)
            under += name + "=" + value + " ";
        EXPECT_EQ(result.exitCode, plain.exitCode) << under;
        EXPECT_EQ(result.err, "") << under;
        EXPECT_TRUE(result.out.starts_with(GetParam().germanStart)) << under << "\n" << result.out;
        EXPECT_NE(result.out.find(GetParam().germanLine), std::string::npos) << under << "\n"
                                                                             << result.out;
    }
}

// Each shipped language: every command and option keeps its place and its description's column,
// and no line runs past a terminal's 80 columns.
TEST_P(ToolsHelp, KeepsTermsAndColumnsInEightyColumnsInEveryLanguage)
{
    constexpr qsizetype width = 80;
    const auto plain = helpUnder({ { "LANG", "C" } });
    for (const std::string& line : linesOf(plain.out))
        EXPECT_LE(columns(line), width) << "\"" << line << "\"";
    // A term, the blanks up to its description's column, the description's first character.
    const std::regex row("^(  \\S.*?\\s{2,})\\S.*");
    for (const QString& language :
        QStringLiteral(VANTREL_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::string locale = language.toStdString() + ".UTF-8";
        const auto translated = helpUnder({ { "LANG", locale } });
        EXPECT_EQ(translated.exitCode, 0) << locale;
        EXPECT_NE(translated.out, plain.out) << locale << ": still English";
        const std::vector<std::string> lines = linesOf(translated.out);
        for (const std::string& line : lines)
            EXPECT_LE(columns(line), width) << locale << ": \"" << line << "\"";
        for (const std::string& english : linesOf(plain.out)) {
            std::smatch match;
            if (!std::regex_match(english, match, row))
                continue;
            const std::string prefix = match[1];
            const bool kept = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
                return line.size() > prefix.size() && line.starts_with(prefix)
                    && line[prefix.size()] != ' ';
            });
            EXPECT_TRUE(kept) << locale << ": no line starts with \"" << prefix << "\" and text";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Help, ToolsHelp, testing::ValuesIn(kHelps),
    [](const testing::TestParamInfo<HelpRow>& row) { return std::string(row.param.name); });

} // namespace

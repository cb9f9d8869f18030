// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-usage over a history written by the store: its reports, formats and exit status.
#include "tests/support/built.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "usage/usagestore.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using testing_support::ProcessResult;
using usage::UsageStore;

namespace {

// 2026-03-28 00:00 in Berlin (UTC+1).
constexpr std::int64_t kMarch28 = 1774652400;

class UsageTool : public testing::Test
{
protected:
    UsageTool()
    {
        UsageStore store(file(), UsageStore::Mode::ReadWrite);
        EXPECT_EQ(store.open(), "");
        std::vector<usage::ConnectionRecord> calls(2);
        calls[0].name = "My, \"ISP\"";
        calls[0].start = kMarch28 + 3600;
        calls[0].end = kMarch28 + 7200;
        calls[0].duration = 3600;
        calls[0].sent = 1500;
        calls[0].received = 2'500'000;
        calls[1].name = "Work VPN";
        calls[1].start = kMarch28 + 86400 + 600;
        calls[1].end = kMarch28 + 86400 + 1200;
        calls[1].duration = 600;
        calls[1].sent = 100;
        calls[1].received = 200;
        EXPECT_EQ(store.write(calls,
                      { { "My, \"ISP\"", kMarch28 + 3600, 900, 1000, 2'000'000 },
                          { "My, \"ISP\"", kMarch28 + 4500, 900, 500, 500'000 },
                          { "Work VPN", kMarch28 + 86400 + 900, 900, 100, 200 } }),
            "");
    }
    std::filesystem::path file() const
    {
        return std::filesystem::path(m_dir.path().toStdString()) / "usage.sqlite3";
    }
    ProcessResult tool(std::vector<std::string> args, bool withFile = true)
    {
        args.insert(args.begin(), testing_support::built::vantrelUsage);
        if (withFile) {
            args.push_back("--file");
            args.push_back(file().string());
        }
        return testing_support::runProcess(args,
            { { "TZ", "Europe/Berlin" }, { "LC_ALL", "C.UTF-8" },
                { "XDG_CONFIG_HOME", m_dir.path().toStdString() } });
    }
    // vantrel-reg on the registry the tool reads.
    ProcessResult reg(const std::vector<std::string>& args)
    {
        std::vector<std::string> command = { testing_support::built::vantrelReg };
        command.insert(command.end(), args.begin(), args.end());
        return testing_support::runProcess(
            command, { { "XDG_CONFIG_HOME", m_dir.path().toStdString() } });
    }
    void setPlanValue(const std::string& section, const std::string& name, const std::string& text)
    {
        const auto result
            = reg({ "set", "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\" + section, name,
                "--string", text });
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }
    // Runs a checker on `text` written to a file; true when it accepts it.
    ProcessResult check(const std::vector<std::string>& command, const std::string& text)
    {
        const auto input = std::filesystem::path(m_dir.path().toStdString()) / "input";
        std::ofstream(input) << text;
        std::vector<std::string> args = command;
        args.push_back(input.string());
        return testing_support::runProcess(args);
    }

    QTemporaryDir m_dir;
};

TEST_F(UsageTool, DaysAreAlignedTextInHumanUnitsWithATotal)
{
    const auto result = tool({ "days", "--from", "2026-03-01" });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
        "day           sent  received   total\n"
        "2026-03-28  1.5 kB    2.5 MB  2.5 MB\n"
        "2026-03-29   100 B     200 B   300 B\n"
        "all         1.6 kB    2.5 MB  2.5 MB\n");
}

TEST_F(UsageTool, NameAndDatesNarrowTheReport)
{
    const auto one = tool({ "days", "--name", "Work VPN", "--from", "2026-03-01", "--csv" });
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out,
        "Day,Start,Hours,Sent,Received\r\n2026-03-29,2026-03-29T00:00:00+01:00,23,100,200\r\n")
        << "the spring-forward day has 23 hours";
    const auto dated = tool({ "calls", "--from", "2026-03-28", "--to", "2026-03-28", "--csv" });
    ASSERT_EQ(dated.exitCode, 0) << dated.err;
    EXPECT_NE(dated.out.find("\"My, \"\"ISP\"\"\""), std::string::npos)
        << "RFC 4180 quoting: " << dated.out;
    EXPECT_EQ(dated.out.find("Work VPN"), std::string::npos) << dated.out;
}

// Guards against a report's first column in lower case beside the others' title case.
TEST_F(UsageTool, EveryCsvHeaderIsInTitleCase)
{
    for (const char* command : { "days", "months", "years", "calls", "plan" }) {
        const auto result = tool({ command, "--to", "2026-03-31", "--csv" });
        ASSERT_EQ(result.exitCode, 0) << command << result.err;
        const std::string header = result.out.substr(0, result.out.find("\r\n"));
        std::stringstream fields(header);
        for (std::string field; std::getline(fields, field, ',');)
            EXPECT_TRUE(!field.empty() && std::isupper(static_cast<unsigned char>(field.front())))
                << command << ": " << header;
    }
}

TEST_F(UsageTool, JsonParsesWithARealParser)
{
    for (const char* command : { "days", "months", "years", "calls" }) {
        const auto result = tool({ command, "--from", "2026-01-01", "--json" });
        ASSERT_EQ(result.exitCode, 0) << command << result.err;
        const auto parsed = check({ "/usr/bin/python3", "-m", "json.tool" }, result.out);
        EXPECT_EQ(parsed.exitCode, 0) << command << ": " << parsed.err << result.out;
    }
    const auto months = tool({ "months", "--from", "2026-01-01", "--json" });
    EXPECT_NE(months.out.find("\"sent\": 1600"), std::string::npos) << months.out;
}

TEST_F(UsageTool, OpenMetricsIsWrittenWholeAndPassesPromtool)
{
    const auto metrics = std::filesystem::path(m_dir.path().toStdString()) / "vantrel.prom";
    const auto result = tool({ "--openmetrics", metrics.string() });
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::ifstream in(metrics);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("vantrel_sent_bytes_total{name=\"My, \\\"ISP\\\"\"} 1500\n"),
        std::string::npos)
        << text.str();
    EXPECT_NE(
        text.str().find("vantrel_connections_total{name=\"Work VPN\"} 1\n"), std::string::npos)
        << text.str();
    EXPECT_TRUE(text.str().ends_with("\n# EOF\n")) << "as OpenMetrics requires: " << text.str();
    const auto promtool = testing_support::runProcess(
        { "/bin/sh", "-c", "promtool check metrics < " + metrics.string() });
    if (promtool.exitCode == 127)
        VANTREL_SKIP_UNLESS_CI() << "promtool (Debian package prometheus) is not installed";
    EXPECT_EQ(promtool.exitCode, 0) << promtool.out << promtool.err << text.str();
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path().toStdString()))
        EXPECT_EQ(entry.path().filename().string().find("vantrel.prom."), std::string::npos)
            << "no temporary file left behind";
}

TEST_F(UsageTool, PlanShowsEachPlansCycleUseAndDaysLeftSetByVantrelReg)
{
    EXPECT_EQ(tool({ "plan", "--to", "2026-03-28" }).out, "no data plan is set\n");
    setPlanValue("Plan", "Limit", "10 MB");
    setPlanValue("Plan", "Cycle", "monthly 29");
    setPlanValue("Plans\\My, \"ISP\"", "Limit", "2 MB");
    setPlanValue("Plans\\My, \"ISP\"", "Counts", "download");
    setPlanValue("Plans\\My, \"ISP\"", "Cycle", "every 7 days from 2026-03-22");
    const auto text = tool({ "plan", "--to", "2026-03-28" });
    ASSERT_EQ(text.exitCode, 0) << text.err;
    // Monthly on the 29th: February has none, so its cycle began on the 28th.
    EXPECT_EQ(text.out,
        "plan             counts    first day   last day    limit    used  percent  days left\n"
        "all connections  both      2026-02-28  2026-03-28  10 MB  2.5 MB      25%          1\n"
        "My, \"ISP\"        download  2026-03-22  2026-03-28   2 MB  2.5 MB     125%          1\n");

    const auto csv = tool({ "plan", "--to", "2026-03-29", "--csv" });
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out,
        "Name,Limit,Counts,First Day,Last Day,Used,Percent,Days Left\r\n"
        ",10000000,both,2026-03-29,2026-04-28,300,0,31\r\n"
        "\"My, \"\"ISP\"\"\",2000000,download,2026-03-29,2026-04-04,0,0,7\r\n");

    const auto one = tool({ "plan", "--name", "Work VPN", "--to", "2026-03-29", "--json" });
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(check({ "/usr/bin/python3", "-m", "json.tool" }, one.out).exitCode, 0) << one.out;
    EXPECT_NE(one.out.find("\"name\": \"\""), std::string::npos)
        << "Work VPN has no plan of its own: the plan for all applies\n"
        << one.out;
    EXPECT_NE(one.out.find("\"used\": 300"), std::string::npos) << one.out;
    EXPECT_EQ(one.out.find("ISP"), std::string::npos) << one.out;

    setPlanValue("Plan", "Limit", "10 XB");
    const auto bad = tool({ "plan", "--to", "2026-03-28" });
    EXPECT_EQ(bad.exitCode, 0);
    EXPECT_NE(bad.err.find("Data plan Plan\\Limit not used: \"10 XB\""), std::string::npos)
        << bad.err;
    EXPECT_EQ(bad.out.find("all connections"), std::string::npos) << bad.out;
}

TEST_F(UsageTool, ExitStatusSaysWhatWentWrong)
{
    const struct
    {
        const char* name;
        std::vector<std::string> args;
        bool withFile;
        int exitCode;
        const char* message;
    } rows[] = {
        { "missing history", { "days", "--file", "/nonexistent/usage.sqlite3" }, false, 1,
            "/nonexistent/usage.sqlite3: no such file" },
    };
    for (const auto& row : rows) {
        const auto result = tool(row.args, row.withFile);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.name;
        EXPECT_NE(result.err.find(row.message), std::string::npos)
            << row.name << ": " << result.err;
    }
    std::ofstream(file()) << std::string(4096, 'x');
    const auto damaged = tool({ "days" });
    EXPECT_EQ(damaged.exitCode, 1) << "a damaged history is unreadable: " << damaged.err;
    EXPECT_NE(damaged.err.find(file().string()), std::string::npos) << damaged.err;
}

// Guards against "0 connections imported" and exit status 0 for a file that is no log.
TEST_F(UsageTool, ImportOfAFileWithoutConnectionsSaysSoAndFails)
{
    const auto folder = std::filesystem::path(m_dir.path().toStdString());
    const std::string log = "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP\r\n"
                            "1 Mar 2026 10:00:00,1 Mar 2026 10:30:00,Home,0,1,2,00:30:00,\r\n";
    std::u16string utf16 = u"\xfeff";
    for (const char c : log)
        utf16 += static_cast<char16_t>(c);
    std::ofstream(folder / "utf16.log", std::ios::binary)
        .write(reinterpret_cast<const char*>(utf16.data()),
            static_cast<std::streamsize>(utf16.size() * 2));
    std::ofstream(folder / "random.bin", std::ios::binary) << std::string("\x7f"
                                                                          "ELF\x02\x01\0\0",
        8);
    const struct
    {
        const char* file;
        const char* why;
    } rows[] = {
        { "utf16.log", "it is UTF-16 text, not the UTF-8 of the monitor's log" },
        { "random.bin", "it is not UTF-8 text" },
    };
    for (const auto& row : rows) {
        const std::string file = (folder / row.file).string();
        const auto result = tool({ "import", file });
        EXPECT_EQ(result.exitCode, 1) << row.file;
        EXPECT_EQ(result.out, "") << row.file;
        EXPECT_EQ(result.err,
            "vantrel-usage: " + file + ": no connection records (" + row.why
                + "); nothing imported\n");
    }
}

TEST_F(UsageTool, ImportAddsTheLogsConnectionsOnceReadingQuotedFields)
{
    const auto log = std::filesystem::path(m_dir.path().toStdString()) / "vantrel.log";
    std::ofstream(log, std::ios::binary)
        << "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP\r\n"
           "1 Mar 2026 10:00:00,1 Mar 2026 10:30:00,\"Home, \"\"fast\"\"\",57600,3000,9000,"
           "00:30:00,10.0.0.7\r\n"
           "2 Mar 2026,2 Mar 2026 00:00:10,Home,57600,10,20,00:00:10,10.0.0.7\r\n"
           "not a date,x,Home,1,1,1,00:00:01,\r\n"
           // Already in the history: the store's own connection of 28 March, 01:00 local.
           "28 Mar 2026 01:00:00,28 Mar 2026 02:00:00,\"My, \"\"ISP\"\"\",0,1500,2500000,"
           "01:00:00,\r\n";
    const auto first = tool({ "import", log.string() });
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "2 connections imported, 1 already in the history\n");
    EXPECT_NE(
        first.err.find("line 4: 'not a date' is not a date and time; skipped"), std::string::npos)
        << first.err;
    const auto again = tool({ "import", log.string() });
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "0 connections imported, 3 already in the history\n")
        << "importing twice adds nothing";

    const auto days = tool({ "days", "--from", "2026-03-01", "--to", "2026-03-02", "--csv" });
    EXPECT_EQ(days.out,
        "Day,Start,Hours,Sent,Received\r\n2026-03-01,2026-03-01T00:00:00+01:00,24,3000,9000\r\n"
        "2026-03-02,2026-03-02T00:00:00+01:00,24,10,20\r\n");
    const auto calls = tool({ "calls", "--from", "2026-03-01", "--to", "2026-03-01", "--json" });
    EXPECT_NE(calls.out.find("\"name\": \"Home, \\\"fast\\\"\""), std::string::npos) << calls.out;
}

} // namespace

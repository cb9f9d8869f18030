// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-reg as a user runs it, beside this process using the same registry.
#include "components/base/myreg.h"
#include "platform/damagedfile.h"
#include "tests/support/built.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>

using testing_support::ProcessResult;

namespace {

constexpr const char* kOption = "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option";

class VantrelReg : public testing::Test
{
protected:
    ProcessResult reg(std::vector<std::string> args, const std::string& input = {})
    {
        args.insert(args.begin(), testing_support::built::vantrelReg);
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

// Guards against a running program reading on in a database that is no longer the settings' file:
// moved aside or removed, and made anew by vantrel-reg, between two of its reads.
TEST_F(VantrelReg, ADatabaseMadeAnewBesideARunningProgramIsReadFromTheNewFile)
{
    for (const bool movedAside : { true, false }) {
        SCOPED_TRACE(movedAside ? "moved aside" : "removed");
        TMyReg store;
        store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        regOut({ "set", kOption, "AntiIdleTimer", "--dword", "120" });
        EXPECT_EQ(
            store.ReadInteger(QStringLiteral("Option"), QStringLiteral("AntiIdleTimer"), 300), 120);
        if (movedAside)
            ASSERT_TRUE(std::holds_alternative<std::filesystem::path>(
                platform::moveAsideDamaged(m_runtime.databaseFile())));
        else
            removeDatabase();
        regOut({ "set", kOption, "AntiIdleTimer", "--dword", "240" });
        EXPECT_EQ(
            store.ReadInteger(QStringLiteral("Option"), QStringLiteral("AntiIdleTimer"), 300), 240);
        store.WriteString(
            QStringLiteral("Stats"), QStringLiteral("LastConn"), QStringLiteral("MyISP"));
        EXPECT_EQ(regOut({ "get", "HKCU\\Software\\Orvik Software\\Vantrel\\Stats", "LastConn" }),
            "MyISP\n")
            << "a write lands in the new file too";
        removeDatabase();
    }
}

TEST_F(VantrelReg, TheStartupValueBringsTheAutostartEntry)
{
    const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    regOut({ "set", run, "Vantrel", "--string", "/usr/bin/vantrel" });
    EXPECT_TRUE(std::filesystem::exists(m_runtime.configHome() / "autostart" / "vantrel.desktop"));
    regOut({ "delete", run, "Vantrel" });
    EXPECT_FALSE(std::filesystem::exists(m_runtime.configHome() / "autostart" / "vantrel.desktop"));
}

// Guards against a small file filling the disk and against half-applied imports: a key
// 20,000 levels deep, or a second section whose key name is 256 characters, is refused whole
// with exit status 2 and nothing is written.
TEST_F(VantrelReg, AnImportBeyondTheBoundsChangesNothing)
{
    regOut({ "set", kOption, "MaxGraph", "--dword", "7" });
    const std::string before = regOut({ "export" });
    std::string deep = "REGEDIT4\n\n[HKEY_CURRENT_USER";
    for (int level = 0; level < 20000; ++level)
        deep += "\\k";
    deep += "]\n";
    struct Row
    {
        const char* name;
        std::string file;
        std::string message;
    };
    const Row rows[] = {
        { "20000 levels", deep, "<stdin>:3: the key is more than 512 levels deep" },
        { "second key name of 256",
            "REGEDIT4\n[HKCU\\Software\\First]\n\"A\"=\"1\"\n[HKCU\\Software\\"
                + std::string(256, 'n') + "]\n\"B\"=\"2\"\n",
            "<stdin>:4: a key name is longer than 255 characters" },
        { "value name of 16384",
            "REGEDIT4\n[HKCU\\Software\\First]\n\"" + std::string(16384, 'v') + "\"=\"1\"\n",
            "<stdin>:3: the value name is longer than 16383 characters" },
    };
    for (const auto& row : rows) {
        const auto result = reg({ "import", "-" }, row.file);
        EXPECT_EQ(result.exitCode, 2) << row.name;
        EXPECT_NE(result.err.find(row.message), std::string::npos)
            << row.name << ": " << result.err;
        EXPECT_NE(result.err.find("nothing imported"), std::string::npos) << row.name;
    }
    EXPECT_EQ(regOut({ "export" }), before) << "nothing of any file was applied";
    EXPECT_LT(std::filesystem::file_size(m_runtime.databaseFile()), 1024u * 1024u);
}

// Guards against two imports of the same key at once mixing their values: each is one
// transaction, so the key ends with one file's values, all of them.
TEST_F(VantrelReg, ConcurrentImportsOfOneKeyDoNotMix)
{
    const auto file = [&](char mark) {
        std::string text = "REGEDIT4\n\n[HKCU\\Software\\Mixed]\n";
        for (int value = 0; value < 300; ++value)
            text += "\"V" + std::to_string(value) + "\"=\"" + std::string(1, mark) + "\"\n";
        const auto path = m_runtime.configHome() / (std::string(1, mark) + ".reg");
        std::ofstream(path) << text;
        return path.string();
    };
    const std::string first = file('A');
    const std::string second = file('B');
    for (int round = 0; round < 5; ++round) {
        ProcessResult one;
        ProcessResult two;
        std::thread other([&] { two = reg({ "import", second }); });
        one = reg({ "import", first });
        other.join();
        EXPECT_EQ(one.exitCode, 0) << one.err;
        EXPECT_EQ(two.exitCode, 0) << two.err;
        const std::string listed = regOut({ "list", "HKCU\\Software\\Mixed" });
        const auto as = std::count(listed.begin(), listed.end(), 'A');
        const auto bs = std::count(listed.begin(), listed.end(), 'B');
        EXPECT_TRUE((as == 300 && bs == 0) || (as == 0 && bs == 300))
            << "round " << round << ": " << as << " from one file, " << bs << " from the other";
    }
}

// Guards against an abort on a folder or an unreadable file and against unbounded reads: only
// a regular file (or standard input) is imported, and at most 16 MiB of it.
TEST_F(VantrelReg, OnlyARegularFileOfBoundedSizeIsImported)
{
    const auto fifo = m_runtime.configHome() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto large = m_runtime.configHome() / "large.reg";
    {
        std::ofstream out(large);
        out << "REGEDIT4\n\n";
        const std::string comment = ";" + std::string(1023, 'c') + "\n";
        for (int line = 0; line < 17 * 1024; ++line)
            out << comment;
    }
    struct Row
    {
        std::string file;
        std::string message;
    };
    const Row rows[] = {
        { m_runtime.configHome().string(), "not a regular file" },
        { "/dev/zero", "not a regular file" },
        { fifo.string(), "not a regular file" },
        { "/proc/self/mem", "Input/output error" },
        { large.string(), "larger than 16 MiB" },
    };
    for (const auto& row : rows) {
        const auto result = reg({ "import", row.file });
        EXPECT_EQ(result.exitCode, 2) << row.file << ": " << result.err;
        EXPECT_NE(
            result.err.find("cannot import " + row.file + ": " + row.message), std::string::npos)
            << result.err;
        EXPECT_LT(result.peakResidentKiB, 200 * 1024) << row.file;
    }
    // The rest of the input meets a closed pipe once the bound is reached.
    const auto previousPipeHandler = std::signal(SIGPIPE, SIG_IGN);
    const auto endless = reg({ "import", "-" }, "REGEDIT4\n" + std::string(17 * 1024 * 1024, ';'));
    std::signal(SIGPIPE, previousPipeHandler);
    EXPECT_EQ(endless.exitCode, 2);
    EXPECT_NE(endless.err.find("cannot import <stdin>: larger than 16 MiB"), std::string::npos)
        << endless.err;
}

// Guards against a backup that cannot be read back: names with a line break are refused by set,
// a NUL in an imported name is refused instead of cutting it, and an export of a registry that
// already holds such a name writes everything else, importable, and names what it left out.
TEST_F(VantrelReg, NamesAnExportCannotCarryAreRefused)
{
    const auto refusedSet = reg({ "set", kOption, "Two\nLines", "--string", "x" });
    EXPECT_EQ(refusedSet.exitCode, 2);
    EXPECT_NE(refusedSet.err.find("holds a line break"), std::string::npos) << refusedSet.err;
    EXPECT_EQ(reg({ "set", std::string(kOption) + "\nEvil", "A", "--string", "x" }).exitCode, 2);

    regOut({ "set", kOption, "Kept", "--string", "yes" });
    const std::string before = regOut({ "export" });
    const std::string nulName
        = std::string("REGEDIT4\n[HKCU\\Software\\Sub]\n\"a") + '\0' + "b\"=\"x\"\n";
    const std::string nulKey
        = std::string("REGEDIT4\n[HKCU\\Software\\Sub") + '\0' + "Evil]\n\"a\"=\"x\"\n";
    for (const auto& file : { nulName, nulKey }) {
        const auto result = reg({ "import", "-" }, file);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("holds a NUL character"), std::string::npos) << result.err;
    }
    EXPECT_EQ(regOut({ "export" }), before) << "neither a cut name nor anything else was written";

    // Names written through the API by another program.
    TMyReg store;
    store.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    store.WriteString(QStringLiteral("Option"), QStringLiteral("Bad\nName"), QStringLiteral("v"));
    store.WriteString(QStringLiteral("Odd\rKey"), QStringLiteral("Inside"), QStringLiteral("v"));
    const auto exported = reg({ "export" });
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_NE(exported.err.find("not exported: value Bad?Name of " + std::string(kOption)
                  + ": its name holds a line break"),
        std::string::npos)
        << exported.err;
    EXPECT_NE(exported.err.find("Odd?Key and everything below it"), std::string::npos)
        << exported.err;
    EXPECT_NE(exported.out.find("\"Kept\"=\"yes\""), std::string::npos);
    removeDatabase();
    const auto reimported = reg({ "import", "-" }, exported.out);
    EXPECT_EQ(reimported.exitCode, 0) << "the backup reads back: " << reimported.err;
    EXPECT_EQ(regOut({ "get", kOption, "Kept" }), "yes\n");
}

// Guards against "not found" when the registry cannot be opened at all (XDG_CONFIG_HOME naming
// a file): the path and the cause are said.
TEST_F(VantrelReg, AnUnusableConfigurationFolderIsNamedWithItsCause)
{
    const auto notAFolder = m_runtime.configHome() / "file";
    std::ofstream(notAFolder) << "x";
    const auto result = testing_support::runProcess(
        { testing_support::built::vantrelReg, "get", kOption, "MaxGraph" },
        { { "XDG_CONFIG_HOME", notAFolder.string() }, { "VANTREL_SOURCE", "none" } });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("registry database " + notAFolder.string()
                  + "/vantrel/registry.sqlite3 cannot be opened: cannot create folder "
                  + notAFolder.string() + "/vantrel: Not a directory"),
        std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("not found"), std::string::npos) << result.err;
}

} // namespace

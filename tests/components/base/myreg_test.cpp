// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/base/myreg.h"
#include "platform/win/winreg.h"
#include "tests/support/scratchruntime.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace win;

namespace {

class MyRegTest : public testing::Test
{
protected:
    MyRegTest()
    {
        m_reg.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        m_reg.SetRegRootKey(kHKEY_CURRENT_USER);
        m_reg.SetCanCreate(true);
    }
    bool keyExists(const char* path)
    {
        HKEY key = 0;
        const bool found
            = RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
    void storeRaw(const char* section, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = 0;
        const std::string path = std::string("Software\\Orvik Software\\Vantrel\\") + section;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr),
            ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }

    testing_support::ScratchRuntime m_runtime;
    TMyReg m_reg;
};

TEST_F(MyRegTest, ConstructionDefaults)
{
    TMyReg fresh;
    EXPECT_EQ(fresh.RegPath(), QStringLiteral("\\Software\\Orvik Software\\Corvane"));
    EXPECT_EQ(fresh.RegRootKey(), kHKEY_CURRENT_USER);
    EXPECT_TRUE(fresh.CanCreate());
    fresh.SetVersion(QStringLiteral("9.9"));
    EXPECT_EQ(fresh.Version(), QStringLiteral("1.0a")) << "informational texts ignore assignments";
}

TEST_F(MyRegTest, FirstWriteCreatesTheFourNestedKeysAndFixesThePath)
{
    m_reg.WriteInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 5);
    EXPECT_EQ(m_reg.RegPath(), QStringLiteral("\\Software\\Orvik Software\\Vantrel\\"));
    EXPECT_TRUE(keyExists("Software"));
    EXPECT_TRUE(keyExists("Software\\Orvik Software"));
    EXPECT_TRUE(keyExists("Software\\Orvik Software\\Vantrel"));
    EXPECT_TRUE(keyExists("Software\\Orvik Software\\Vantrel\\Position"));
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 50), 5);
}

TEST_F(MyRegTest, MissingValuesReadAsTheDefaultAndLeaveTheSectionCreated)
{
    EXPECT_EQ(m_reg.ReadString(
                  QStringLiteral("Stats"), QStringLiteral("LastConn"), QStringLiteral("N/A")),
        QStringLiteral("N/A"));
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Stats"), QStringLiteral("Nothing"), -7), -7);
    EXPECT_TRUE(m_reg.ReadBool(QStringLiteral("Option"), QStringLiteral("ShowMonitor"), true));
    EXPECT_TRUE(keyExists("Software\\Orvik Software\\Vantrel\\Stats"));
}

TEST_F(MyRegTest, SectionsAndNamesMatchWithoutCase)
{
    m_reg.WriteString(
        QStringLiteral("option"), QStringLiteral("AntiIdleWeb"), QStringLiteral("http://a/"));
    EXPECT_EQ(m_reg.ReadString(QStringLiteral("Option"), QStringLiteral("antiidleweb"), QString()),
        QStringLiteral("http://a/"));
}

TEST_F(MyRegTest, EmptyStringIsNotMissing)
{
    m_reg.WriteString(QStringLiteral("Stats"), QStringLiteral("LastConn"), QString());
    const QString read = m_reg.ReadString(
        QStringLiteral("Stats"), QStringLiteral("LastConn"), QStringLiteral("N/A"));
    EXPECT_TRUE(read.isEmpty());
    storeRaw("Stats", "Zero", REG_SZ, "", 0);
    EXPECT_TRUE(
        m_reg.ReadString(QStringLiteral("Stats"), QStringLiteral("Zero"), QStringLiteral("d"))
            .isEmpty())
        << "a value of zero bytes is the empty string";
}

TEST_F(MyRegTest, TypesThatDoNotFitReadAsTheDefault)
{
    m_reg.WriteString(QStringLiteral("Option"), QStringLiteral("MaxGraph"), QStringLiteral("4096"));
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("MaxGraph"), 0), 0);
    EXPECT_TRUE(m_reg.ReadBool(QStringLiteral("Option"), QStringLiteral("MaxGraph"), true));
    const std::uint8_t eight[8] = { 1, 0, 0, 0, 0, 0, 0, 0 };
    storeRaw("Option", "Wide", REG_DWORD, eight, sizeof eight);
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("Wide"), 9), 9)
        << "does not fit 4 bytes";
    storeRaw("Option", "Short", REG_DWORD, eight, 2);
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("Short"), 9), 9);
    m_reg.WriteInteger(QStringLiteral("Option"), QStringLiteral("Number"), 12);
    EXPECT_EQ(
        m_reg.ReadString(QStringLiteral("Option"), QStringLiteral("Number"), QStringLiteral("d")),
        QStringLiteral("d"))
        << "a number read as text gives the default";
}

TEST_F(MyRegTest, BooleansAreStoredAsOneAndAnyNonZeroIsTrue)
{
    m_reg.WriteBool(QStringLiteral("Option"), QStringLiteral("Sound"), true);
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("Sound"), 0), 1);
    m_reg.WriteBool(QStringLiteral("Option"), QStringLiteral("Sound"), false);
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("Sound"), 5), 0);
    m_reg.WriteInteger(QStringLiteral("Option"), QStringLiteral("Sound"), 7);
    EXPECT_TRUE(m_reg.ReadBool(QStringLiteral("Option"), QStringLiteral("Sound"), false));
}

TEST_F(MyRegTest, IntegersKeepTheirSignAndTextKeepsUnicode)
{
    m_reg.WriteInteger(QStringLiteral("Position"), QStringLiteral("MonLeft"), -1200);
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("MonLeft"), 0), -1200);
    const QString name = QStringLiteral("Internet \u00e0 la maison \u2013 \u0428");
    m_reg.WriteString(QStringLiteral("Stats"), QStringLiteral("LastConn"), name);
    EXPECT_EQ(
        m_reg.ReadString(QStringLiteral("Stats"), QStringLiteral("LastConn"), QString()), name);
}

TEST_F(MyRegTest, WithoutCanCreateAMissingKeyIsNotCreatedAndWritesAreDropped)
{
    m_reg.SetCanCreate(false);
    m_reg.WriteInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 5);
    EXPECT_FALSE(keyExists("Software\\Orvik Software\\Vantrel\\Position"));
    EXPECT_EQ(m_reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 50), 50);
}

TEST_F(MyRegTest, AnEmptyPathPutsSectionsRightBelowTheRoot)
{
    m_reg.SetRegPath(QString());
    m_reg.WriteInteger(QStringLiteral("TopLevel"), QStringLiteral("X"), 3);
    EXPECT_TRUE(m_reg.RegPath().isEmpty());
    EXPECT_TRUE(keyExists("TopLevel"));
}

TEST_F(MyRegTest, OtherRootsAndUnwritableStores)
{
    m_reg.SetRegRootKey(kHKEY_LOCAL_MACHINE);
    m_reg.WriteInteger(QStringLiteral("Option"), QStringLiteral("X"), 3);
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Orvik Software\\Vantrel\\Option", 0,
                  KEY_READ, &key),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_FALSE(keyExists("Software\\Orvik Software\\Vantrel\\Option"))
        << "not under the current user";
}

TEST(MyRegFaults, AStoreThatCannotBeWrittenGivesDefaultsAndDropsWrites)
{
    testing_support::TemporaryFolder folder;
    std::ofstream(folder.path() / "blocked") << "a file, not a folder";
    auto previous = platform::Runtime::install(std::make_unique<platform::Runtime>(
        std::make_unique<testing_support::FakeSource>(), folder.path() / "blocked"));
    TMyReg reg;
    reg.WriteInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 5);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 50), 50);
    EXPECT_EQ(
        reg.ReadString(QStringLiteral("Stats"), QStringLiteral("LastConn"), QStringLiteral("N/A")),
        QStringLiteral("N/A"));
    platform::Runtime::install(std::move(previous));
}

} // namespace

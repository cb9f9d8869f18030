// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/rassubs.h"
#include "platform/version/versionblock.h"
#include "platform/win/shlobj.h"
#include "tests/support/built.h"
#include "tests/support/versionfiles.h"

#include <gtest/gtest.h>

namespace {

class ReadVersionStringTest : public testing::Test
{
protected:
    QString write(const platform::VersionInfo& info) { return m_files.write(info); }
    testing_support::VersionFiles m_files;
};

TEST_F(ReadVersionStringTest, ReadsTheProgramsOwnValues)
{
    EXPECT_EQ(ReadVersionString(QString::fromUtf8(testing_support::built::vantrel),
                  QStringLiteral("ProductVersion")),
        QStringLiteral(VANTREL_VERSION));
    EXPECT_EQ(ReadVersionString(QString::fromUtf8(testing_support::built::vantrel),
                  QStringLiteral("CompanyName")),
        QStringLiteral("Orvik Software"));
    EXPECT_TRUE(ReadVersionString(
        QString::fromUtf8(testing_support::built::vantrel), QStringLiteral("NoSuchValue"))
                    .isEmpty());
}

TEST_F(ReadVersionStringTest, TranslationRules)
{
    platform::VersionInfo noTable;
    noTable.strings = { { "040904E4", "ProductVersion", "4.10" } };
    EXPECT_EQ(ReadVersionString(write(noTable), QStringLiteral("ProductVersion")),
        QStringLiteral("4.10"));

    platform::VersionInfo zeros = noTable;
    zeros.translations = { { 0, 0 } };
    EXPECT_EQ(
        ReadVersionString(write(zeros), QStringLiteral("ProductVersion")), QStringLiteral("4.10"));

    platform::VersionInfo thai;
    thai.translations = { { 0x041E, 0x036A }, { 0x0409, 0x04E4 } };
    thai.strings
        = { { "041E036A", "ProductVersion", "first" }, { "040904E4", "ProductVersion", "second" } };
    EXPECT_EQ(
        ReadVersionString(write(thai), QStringLiteral("ProductVersion")), QStringLiteral("first"))
        << "only the first translation is used";
}

TEST_F(ReadVersionStringTest, MissingFilesAndResourcesGiveEmptyText)
{
    EXPECT_TRUE(ReadVersionString(QStringLiteral("/no/such/file"), QStringLiteral("ProductVersion"))
                    .isEmpty());
    EXPECT_TRUE(
        ReadVersionString(QStringLiteral("/bin/true"), QStringLiteral("ProductVersion")).isEmpty());
}

TEST(FolderHelpers, MapToTheSystemsFolders)
{
    const QString windows = GetWindowsDir();
    EXPECT_FALSE(windows.isEmpty());
    EXPECT_TRUE(windows.startsWith(QLatin1Char('/')));
    EXPECT_FALSE(GetShellFolder(win::CSIDL_APPDATA).isEmpty());
    EXPECT_TRUE(GetShellFolder(-1).isEmpty());
    EXPECT_TRUE(GetShellFolder(0x0014).isEmpty());
}

} // namespace

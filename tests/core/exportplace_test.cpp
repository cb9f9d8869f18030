// SPDX-License-Identifier: GPL-3.0-or-later
// Where the usage export's dialog opens, and the name it offers.
#include "core/exportplace.h"
#include "tests/support/scratchruntime.h"

#include <QByteArray>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// A home of the test's own, with no desktop folders configured, put back afterwards.
class ExportPlace : public testing::Test
{
protected:
    ExportPlace()
        : m_home(qgetenv("HOME"))
        , m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QByteArray::fromStdString(m_folder.path().string()));
        qputenv(
            "XDG_CONFIG_HOME", QByteArray::fromStdString((m_folder.path() / ".config").string()));
    }
    ~ExportPlace() override
    {
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_config);
    }
    QString inHome(const std::string& relative) const
    {
        return QString::fromStdString((m_folder.path() / relative).string());
    }

    testing_support::TemporaryFolder m_folder;
    QByteArray m_home;
    QByteArray m_config;
};

TEST_F(ExportPlace, TheDocumentsFolderWithTheDaysName)
{
    std::filesystem::create_directories(m_folder.path() / "Documents");
    EXPECT_EQ(
        usageExportPlace(QDate(2026, 12, 9)), inHome("Documents/vantrel-usage-2026-12-09.csv"));
}

TEST_F(ExportPlace, TheFolderTheUserNamedForDocuments)
{
    std::filesystem::create_directories(m_folder.path() / ".config");
    std::filesystem::create_directories(m_folder.path() / "Dokumente");
    std::ofstream(m_folder.path() / ".config" / "user-dirs.dirs")
        << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(
        usageExportPlace(QDate(2027, 1, 31)), inHome("Dokumente/vantrel-usage-2027-01-31.csv"));
}

TEST_F(ExportPlace, TheHomeFolderWhenThereIsNoDocumentsFolder)
{
    // Guards against a dialog opened in a folder that is not there.
    EXPECT_EQ(usageExportPlace(QDate(2026, 12, 9)), inHome("vantrel-usage-2026-12-09.csv"));
}

} // namespace

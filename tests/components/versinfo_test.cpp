// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/versinfo.h"
#include "platform/version/versionblock.h"
#include "tests/support/built.h"
#include "tests/support/versionfiles.h"

#include <QHeaderView>
#include <gtest/gtest.h>

using platform::VersionInfo;

namespace {

class VersionInfoTest : public testing::Test
{
protected:
    QString write(const VersionInfo& info) { return m_files.write(info); }
    static VersionInfo withStrings(
        std::vector<std::pair<std::uint16_t, std::uint16_t>> translations, const std::string& table,
        std::vector<std::pair<std::string, std::string>> strings)
    {
        VersionInfo info;
        info.fileVersion = { 2, 1, 0, 5 };
        info.productVersion = { 3, 0, 1, 2 };
        info.translations = std::move(translations);
        for (auto& [key, value] : strings)
            info.strings.push_back({ table, key, value });
        return info;
    }
    TVersionInfoResource& loaded(const QString& file)
    {
        m_resource.SetFilename(file);
        m_resource.Loaded();
        return m_resource;
    }

    testing_support::VersionFiles m_files;
    TVersionInfoResource m_resource;
};

TEST_F(VersionInfoTest, StringsComeFromTheTableOfTheFirstTranslation)
{
    auto& resource = loaded(write(withStrings({ { 0x041E, 0x036A } }, "041E036A",
        { { "CompanyName", "Orvik" }, { "Comments", "2026 Orvik" } })));
    EXPECT_EQ(resource.translations(), QStringList { QStringLiteral("041E036A") });
    EXPECT_EQ(resource.CompanyName(), QStringLiteral("Orvik"));
    EXPECT_EQ(resource.GetPreDefString(pdComments), QStringLiteral("2026 Orvik"));
}

TEST_F(VersionInfoTest, WithoutATranslationTableStringsAreLookedUpUnder040904E4)
{
    auto& resource = loaded(write(withStrings({}, "040904E4", { { "ProductName", "Vantrel" } })));
    EXPECT_TRUE(resource.translations().isEmpty());
    EXPECT_EQ(resource.ProductName(), QStringLiteral("Vantrel"));
}

TEST_F(VersionInfoTest, ZeroLanguageAndCodePageBecomeTheDefaults)
{
    auto& resource
        = loaded(write(withStrings({ { 0, 0 } }, "040904E4", { { "ProductName", "Vantrel" } })));
    EXPECT_EQ(resource.translations(), QStringList { QStringLiteral("040904E4") });
    EXPECT_EQ(resource.ProductName(), QStringLiteral("Vantrel"));
}

TEST_F(VersionInfoTest, VersionTextFromTheTableOrBuiltFromTheFixedPart)
{
    auto& withText = loaded(
        write(withStrings({ { 0x0409, 0x04E4 } }, "040904E4", { { "FileVersion", "2.1.0.5" } })));
    EXPECT_EQ(withText.FileVersion().AsString(), QStringLiteral("2.1.0.5"));
    EXPECT_EQ(withText.ProductVersion().AsString(), QStringLiteral("3.0.1.2"))
        << "no table entry: the fixed part";

    auto& emptyText
        = loaded(write(withStrings({ { 0x0409, 0x04E4 } }, "040904E4", { { "FileVersion", "" } })));
    EXPECT_EQ(emptyText.FileVersion().AsString(), QStringLiteral("2.1.0.5"));
    EXPECT_EQ(emptyText.FileVersion().GetPart(0), 2);
    EXPECT_EQ(emptyText.FileVersion().GetPart(3), 5);
    EXPECT_EQ(emptyText.FileVersion().GetPart(4), 0);
}

TEST_F(VersionInfoTest, AFileWithoutAResourceGivesInvalidVersionsAndEmptyStrings)
{
    auto& resource = loaded(QStringLiteral("/bin/true"));
    EXPECT_FALSE(resource.FileVersion().Valid());
    EXPECT_TRUE(resource.FileVersion().AsString().isEmpty());
    EXPECT_EQ(resource.FileVersion().GetPart(0), 0);
    EXPECT_TRUE(resource.CompanyName().isEmpty());
    EXPECT_EQ(resource.fixedFileInfo().FileVersionMS(), 0u);
    EXPECT_TRUE(resource.GetBuildFlagsString().isEmpty());
}

TEST_F(VersionInfoTest, PredefinedStringIndexOutOfRangeIsEmpty)
{
    auto& resource = loaded(write(withStrings({}, "040904E4", { { "CompanyName", "Orvik" } })));
    EXPECT_TRUE(resource.GetPreDefString(11).isEmpty());
    EXPECT_TRUE(resource.GetPreDefString(-1).isEmpty());
    EXPECT_EQ(resource.GetPreDefString(0), QStringLiteral("Orvik"));
}

TEST_F(VersionInfoTest, BuildFlagsAreNamedInTheirFixedOrder)
{
    VersionInfo info = withStrings({}, "040904E4", {});
    info.fileFlags = win::VS_FF_SPECIALBUILD | win::VS_FF_PRERELEASE | win::VS_FF_DEBUG
        | win::VS_FF_INFOINFERRED | win::VS_FF_PATCHED | win::VS_FF_PRIVATEBUILD;
    EXPECT_EQ(loaded(write(info)).GetBuildFlagsString(),
        QStringLiteral("Debug, Info Inferred, Patched, Pre-Release, Private, Special"));
    info.fileFlags = win::VS_FF_PRERELEASE;
    EXPECT_EQ(loaded(write(info)).GetBuildFlagsString(), QStringLiteral("Pre-Release"));
}

TEST_F(VersionInfoTest, TheProgramsOwnResourceNamesVantrel)
{
    m_resource.SetFilename(QString::fromUtf8(testing_support::built::vantrel));
    m_resource.Loaded();
    EXPECT_EQ(m_resource.CompanyName(), QStringLiteral("Orvik Software"));
    EXPECT_TRUE(m_resource.FileDescription().contains(QStringLiteral("Vantrel")));
    EXPECT_EQ(m_resource.FileVersion().AsString(), QStringLiteral(VANTREL_VERSION));
    EXPECT_TRUE(m_resource.Comments().contains(QStringLiteral("Orvik Software")));
    EXPECT_EQ(m_resource.Version(), QStringLiteral("TVersionInfoResource v2.35"));
}

TEST_F(VersionInfoTest, LinkedLabelsAndTheListView)
{
    VersionInfo info = withStrings({ { 0x0409, 0x04E4 } }, "040904E4",
        { { "ProductName", "Vantrel" }, { "CompanyName", "Orvik" },
            { "LegalCopyright", "(C) Orvik" }, { "FileDescription", "Monitor" },
            { "Comments", "Hello" } });
    info.fileFlags = win::VS_FF_DEBUG;
    QLabel version;
    QLabel product;
    QTreeWidget list;
    m_resource.SetFilename(write(info));
    m_resource.SetVersionLabel(&version);
    m_resource.SetProductLabel(&product);
    m_resource.SetVersionListView(&list);
    EXPECT_TRUE(version.text().isEmpty()) << "nothing is shown while the owner is still loading";
    m_resource.Loaded();

    EXPECT_EQ(version.text(), QStringLiteral("2.1.0.5"));
    EXPECT_EQ(product.text(), QStringLiteral("Vantrel"));
    EXPECT_FALSE(m_resource.ShowResource().contains(pdFileVersion))
        << "a linked label takes its entry off the list";
    EXPECT_FALSE(m_resource.ShowResource().contains(pdProductName));

    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        rows << list.topLevelItem(i)->text(0) + QLatin1Char('=') + list.topLevelItem(i)->text(1);
    EXPECT_EQ(rows,
        (QStringList { QStringLiteral("Product Version=3.0.1.2"),
            QStringLiteral("Company Name=Orvik"), QStringLiteral("Legal Copyright=(C) Orvik"),
            QStringLiteral("File Description=Monitor"), QStringLiteral("Build Flags=Debug"),
            QStringLiteral("Comments=Hello") }));
    EXPECT_EQ(list.headerItem()->text(0), QStringLiteral("Resource"));
    EXPECT_EQ(list.headerItem()->text(1), QStringLiteral("Value"));
    EXPECT_FALSE(list.header()->sectionsClickable());
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(VersionInfoTest, ReassigningTheFileReReadsAndDroppedLabelsAreForgotten)
{
    auto* label = new QLabel;
    m_resource.SetProductLabel(label);
    loaded(write(withStrings({}, "040904E4", { { "ProductName", "First" } })));
    EXPECT_EQ(label->text(), QStringLiteral("First"));
    delete label;
    m_resource.SetFilename(write(withStrings({}, "040904E4", { { "ProductName", "Second" } })));
    EXPECT_EQ(m_resource.ProductName(), QStringLiteral("Second"));
}

} // namespace

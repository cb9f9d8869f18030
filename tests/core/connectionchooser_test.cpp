// SPDX-License-Identifier: GPL-3.0-or-later
// "Connections...": the interface list, the setting a check box writes, and the next tick
// watching the chosen link without a restart.
#include "core/mainform.h"
#include "platform/translations.h"
#include "platform/win/ras.h"
#include "tests/platform/linuxlinks.h"
#include "tests/support/built.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace testing_support::linuxlinks;

namespace {

class ConnectionChooserTest : public LinuxLinks
{
protected:
    void SetUp() override
    {
        addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
        addInterface("eth1", kUp | kRunning, 5, 1);
        addInterface("lo", kUp | kRunning | 0x8, 1, 772);
        m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
        m_addresses["eth1"] = ipv4Link("192.168.8.100");
        LinuxSource::Roots roots { m_root.path() / "sys", m_root.path() / "proc",
            m_root.path() / "etc", m_root.path() / "run" };
        auto source = std::make_unique<LinuxSource>(
            roots, std::make_unique<FakeKernelLinks>(m_interfaces, m_addresses),
            [this] { return m_registry.ReadString("Option", "Connections", {}).toStdString(); },
            std::make_unique<platform::ManualClock>(1000));
        m_machine = source.get();
        m_runtime = std::make_unique<testing_support::ScratchRuntime>(std::move(source));
        m_registry.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    }
    QTreeWidgetItem* row(ConnectionChooser& chooser, const QString& name)
    {
        const auto found = chooser.list()->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    std::vector<std::string> linkNames()
    {
        std::vector<std::string> names;
        for (const auto& link : m_machine->rasLinks())
            names.push_back(link.entryName);
        return names;
    }

    TMyReg m_registry;
    LinuxSource* m_machine = nullptr;
    std::unique_ptr<testing_support::ScratchRuntime> m_runtime;
};

TEST_F(ConnectionChooserTest, ListsTheInterfacesWithWhatIsWatched)
{
    m_machine->rasLinks();
    ConnectionChooser chooser(m_registry);
    ASSERT_EQ(chooser.list()->topLevelItemCount(), 2) << "the loopback interface is no link";
    QTreeWidgetItem* ppp = row(chooser, "ppp0");
    ASSERT_NE(ppp, nullptr);
    EXPECT_EQ(ppp->text(ConnectionChooser::ColumnKind), "point-to-point");
    EXPECT_EQ(ppp->text(ConnectionChooser::ColumnState), "connected");
    EXPECT_EQ(ppp->text(ConnectionChooser::ColumnAddresses), "10.64.1.7 peer 10.64.0.1");
    EXPECT_EQ(ppp->checkState(ConnectionChooser::ColumnName), Qt::Checked);
    EXPECT_FALSE(ppp->flags() & Qt::ItemIsUserCheckable) << "watched always";
    QTreeWidgetItem* eth = row(chooser, "eth1");
    ASSERT_NE(eth, nullptr);
    EXPECT_EQ(eth->text(ConnectionChooser::ColumnKind), "ethernet");
    EXPECT_EQ(eth->text(ConnectionChooser::ColumnState), "up");
    EXPECT_EQ(eth->checkState(ConnectionChooser::ColumnName), Qt::Unchecked);
    EXPECT_TRUE(eth->flags() & Qt::ItemIsUserCheckable);
}

TEST_F(ConnectionChooserTest, ShowsKindsAndStatesInTheUsersLanguage)
{
    m_machine->rasLinks();
    ASSERT_TRUE(translations::install(
        QStringLiteral("de"), { QString::fromUtf8(testing_support::built::translations) }));
    ConnectionChooser chooser(m_registry);
    translations::install(QString());
    // Qt's own catalogue (Debian's qt6-translations-l10n) names the standard button.
    const auto* buttons = chooser.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(
        buttons->button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')), "Schließen");
    QTreeWidgetItem* ppp = row(chooser, "ppp0");
    ASSERT_NE(ppp, nullptr);
    EXPECT_EQ(ppp->text(ConnectionChooser::ColumnKind), "Punkt-zu-Punkt");
    EXPECT_EQ(ppp->text(ConnectionChooser::ColumnState), "verbunden");
    QTreeWidgetItem* eth = row(chooser, "eth1");
    ASSERT_NE(eth, nullptr);
    EXPECT_EQ(eth->text(ConnectionChooser::ColumnKind), "Ethernet");
    EXPECT_EQ(eth->text(ConnectionChooser::ColumnState), "aktiv");
    EXPECT_EQ(chooser.list()->headerItem()->text(ConnectionChooser::ColumnKind), "Art");
}

TEST_F(ConnectionChooserTest, CheckingABoxWritesTheSettingAndTheNextTickWatchesTheLink)
{
    EXPECT_EQ(linkNames(), std::vector<std::string> { "ppp0" });
    m_registry.WriteString("Option", "Connections", "wwan*");
    m_machine->settingsChanged();
    ConnectionChooser chooser(m_registry);
    EXPECT_EQ(chooser.patterns()->text(), "wwan*") << "patterns naming no interface are kept";
    row(chooser, "eth1")->setCheckState(ConnectionChooser::ColumnName, Qt::Checked);
    EXPECT_EQ(m_registry.ReadString("Option", "Connections", {}), "eth1,wwan*");
    EXPECT_EQ(linkNames(), (std::vector<std::string> { "ppp0", "eth1" }))
        << "watched from the next tick, without a restart";
    row(chooser, "eth1")->setCheckState(ConnectionChooser::ColumnName, Qt::Unchecked);
    EXPECT_EQ(m_registry.ReadString("Option", "Connections", {}), "wwan*");
    EXPECT_EQ(linkNames(), std::vector<std::string> { "ppp0" }) << "and no longer when unchecked";
}

TEST_F(ConnectionChooserTest, ASettingChangedByAnotherProgramIsTakenUpWithinSeconds)
{
    EXPECT_EQ(linkNames(), std::vector<std::string> { "ppp0" });
    m_registry.WriteString("Option", "Connections", "eth*");
    dynamic_cast<platform::ManualClock&>(m_machine->clock()).advance(5000);
    EXPECT_EQ(linkNames(), (std::vector<std::string> { "ppp0", "eth1" }));
}

TEST_F(ConnectionChooserTest, ThePopupMenuOpensIt)
{
    TMainForm form(m_runtime->configHome() / "vantrel");
    form.FormCreate();
    ASSERT_TRUE(form.PopupMenu->actions().contains(form.MenuConnections));
    EXPECT_EQ(form.MenuConnections->text(), "Connections...");
    form.MenuConnections->trigger();
    ASSERT_NE(form.connectionChooser(), nullptr);
    EXPECT_TRUE(form.connectionChooser()->isVisible());
    EXPECT_NE(row(*form.connectionChooser(), "eth1"), nullptr);
    form.FormClose();
}

} // namespace

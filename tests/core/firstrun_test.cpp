// SPDX-License-Identifier: GPL-3.0-or-later
// What a new user sees with no link up: one line in the log on this machine, and a Connections
// dialog that says why it lists nothing under a simulation.
#include "core/mainform.h"
#include "platform/sim/scenario.h"
#include "platform/sim/simulatorsource.h"
#include "tests/platform/linuxlinks.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

using namespace testing_support::linuxlinks;

namespace {

const QString kNoLink = QStringLiteral(
    "No dial-up style link (PPP, mobile broadband, VPN) is up. To watch another interface, "
    "choose it with \"Connections...\" in the popup menu.");

class FirstRun : public LinuxLinks
{
protected:
    void SetUp() override
    {
        addInterface("eth1", kUp | kRunning, 5, 1);
        addInterface("lo", kUp | kRunning | 0x8, 1, 772);
        m_addresses["eth1"] = ipv4Link("192.168.8.100");
    }
    // The machine's own source, as a run without VANTREL_SOURCE has.
    void onThisMachine()
    {
        LinuxSource::Roots roots { m_root.path() / "sys", m_root.path() / "proc",
            m_root.path() / "etc", m_root.path() / "run" };
        auto machine = std::make_unique<LinuxSource>(
            roots, std::make_unique<FakeKernelLinks>(m_interfaces, m_addresses),
            [] { return std::string(); }, std::make_unique<platform::ManualClock>(1000));
        m_clock = &dynamic_cast<platform::ManualClock&>(machine->clock());
        m_runtime = std::make_unique<testing_support::ScratchRuntime>(std::move(machine));
        m_registry.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    }
    std::unique_ptr<TMainForm> startedForm()
    {
        auto form = std::make_unique<TMainForm>(m_runtime->configHome() / "vantrel");
        form->FormCreate();
        return form;
    }
    void ticks(TMainForm& form, int count)
    {
        for (int tick = 0; tick < count; ++tick) {
            if (m_clock)
                m_clock->advance(1000);
            form.TimerStatusTimer();
        }
    }
    static qsizetype said(const TMainForm& form, const QString& line)
    {
        return form.Connlog->toPlainText().split(QLatin1Char('\n')).count(line);
    }

    platform::ManualClock* m_clock = nullptr;
    std::unique_ptr<testing_support::ScratchRuntime> m_runtime;
    TMyReg m_registry;
};

TEST_F(FirstRun, WithNoLinkUpTheLogSaysOnceThatConnectionsChoosesOne)
{
    onThisMachine();
    const auto form = startedForm();
    EXPECT_EQ(said(*form, kNoLink), 0) << "not before the poll has looked";
    ticks(*form, 5);
    EXPECT_EQ(said(*form, kNoLink), 1) << form->Connlog->toPlainText().toStdString();
    EXPECT_EQ(form->Connlog->toPlainText().split(QLatin1Char('\n')).first(), kNoLink)
        << "the newest line, after the start's";
    form->FormClose();
}

TEST_F(FirstRun, NotAgainAfterALinkCameAndWent)
{
    onThisMachine();
    const auto form = startedForm();
    ticks(*form, 2);
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    ticks(*form, 2);
    removeInterface("ppp0");
    ticks(*form, 3);
    const QString log = form->Connlog->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("ppp0 disconnected."))) << log.toStdString();
    EXPECT_EQ(said(*form, kNoLink), 1) << log.toStdString();
    form->FormClose();
}

TEST_F(FirstRun, ALinkUpAtTheStartNeedsNoWordNorWhenItGoes)
{
    addInterface("ppp0", kUp | kRunning | kPointToPoint, 7);
    m_addresses["ppp0"] = ipv4Link("10.64.1.7", "10.64.0.1");
    onThisMachine();
    const auto form = startedForm();
    ticks(*form, 2);
    removeInterface("ppp0");
    ticks(*form, 3);
    const QString log = form->Connlog->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("ppp0 connected."))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("ppp0 disconnected."))) << log.toStdString();
    EXPECT_EQ(said(*form, kNoLink), 0) << log.toStdString();
    form->FormClose();
}

TEST_F(FirstRun, TheConnectionsDialogOnThisMachineListsItsInterfaces)
{
    onThisMachine();
    ConnectionChooser chooser(m_registry);
    EXPECT_EQ(chooser.simulatedNote(), nullptr);
    EXPECT_EQ(chooser.list()->topLevelItemCount(), 1) << "eth1";
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Vantrel - Connections"));
}

// A scenario whose connection dials long after the test has ended: no link up, as on a machine
// without one.
platform::Scenario offlineScenario()
{
    platform::Scenario scenario = platform::demoScenario();
    scenario.repeatEvery = 0;
    for (auto& connection : scenario.connections) {
        connection.dialAt = 100000;
        connection.dropAt.reset();
    }
    return scenario;
}

class Simulated : public testing::Test
{
protected:
    Simulated()
        : m_runtime(std::make_unique<platform::SimulatorSource>(offlineScenario(), "demo"))
    {
    }
    testing_support::ScratchRuntime m_runtime;
};

TEST_F(Simulated, TheConnectionsDialogSaysWhyItListsNothing)
{
    TMyReg registry;
    registry.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
    ConnectionChooser chooser(registry);
    chooser.show();
    ASSERT_NE(chooser.simulatedNote(), nullptr);
    EXPECT_TRUE(chooser.simulatedNote()->isVisible());
    EXPECT_EQ(chooser.simulatedNote()->text(),
        QStringLiteral("Vantrel is watching a simulated machine, not this one:\n"
                       "VANTREL_SOURCE=demo\n"
                       "Its connections come from the simulation: there are no interfaces to "
                       "choose here.\n"
                       "Start Vantrel without VANTREL_SOURCE to choose among this machine's "
                       "interfaces."));
    EXPECT_FALSE(chooser.list()->isVisible()) << "no empty list";
    EXPECT_FALSE(chooser.patterns()->isVisible());
}

TEST_F(Simulated, TheLogSaysNothingOfChoosingALink)
{
    TMainForm form(m_runtime.configHome() / "vantrel");
    form.FormCreate();
    for (int tick = 0; tick < 5; ++tick)
        form.TimerStatusTimer();
    EXPECT_FALSE(form.Connlog->toPlainText().contains(QStringLiteral("Connections...")))
        << form.Connlog->toPlainText().toStdString();
    form.FormClose();
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// "Data Plan...": validation before anything is written, the values a plan is saved with, the
// scope chosen, and what the rendered dialog shows.
#include "components/base/storedsettings.h"
#include "core/dataplanform.h"
#include "core/mainform.h"
#include "tests/support/scratchruntime.h"
#include "usage/planstore.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class DataPlanFormTest : public testing::Test
{
protected:
    DataPlanFormTest()
        : m_form(m_store, [this] { ++m_changes; })
    {
        settings::useMonitorKey(m_store);
    }
    std::vector<usage::DataPlan> stored() { return usage::loadPlans(m_store).plans; }
    // How many pixels of the rendered dialog have the validation message's red.
    int redPixels()
    {
        m_form.adjustSize();
        const QImage image = m_form.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 120 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
            }
        return count;
    }

    testing_support::ScratchRuntime m_runtime;
    TMyReg m_store;
    int m_changes = 0;
    DataPlanForm m_form;
};

TEST_F(DataPlanFormTest, BadFieldsAreNamedAndNothingIsWritten)
{
    m_form.showFor(QStringLiteral("MyISP"));
    ASSERT_EQ(m_form.Scope->count(), 2);
    EXPECT_EQ(m_form.Scope->itemText(0), QStringLiteral("This connection: MyISP"));
    EXPECT_EQ(m_form.Scope->itemText(1), QStringLiteral("All connections"));
    EXPECT_EQ(m_form.Message->text(), QStringLiteral("No data plan is set here."));
    EXPECT_EQ(m_form.Thresholds->text(), QStringLiteral("80, 100")) << "the default thresholds";
    EXPECT_FALSE(m_form.ClearButton->isEnabled());
    EXPECT_EQ(redPixels(), 0);

    struct Row
    {
        const char* limit;
        const char* thresholds;
        const char* says;
    };
    const Row rows[] = {
        { "", "80, 100", "Enter a limit, such as 5 GB." },
        { "5 XB", "80, 100", "\"5 XB\" is not a data limit: the unit \"XB\" is not one of" },
        { "five GB", "80, 100", "\"five GB\" is not a data limit" },
        { "5 GB", "80, lots", "\"lots\" is not a percentage from 1 to 1000" },
    };
    for (const auto& row : rows) {
        m_form.Limit->setText(QString::fromUtf8(row.limit));
        m_form.Thresholds->setText(QString::fromUtf8(row.thresholds));
        m_form.SaveButton->click();
        EXPECT_NE(m_form.Message->text().toStdString().find(row.says), std::string::npos)
            << m_form.Message->text().toStdString();
        EXPECT_GT(redPixels(), 20) << "the message is drawn in red: " << row.limit;
    }
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(m_changes, 0);
}

TEST_F(DataPlanFormTest, SavesLoadsAndClearsThePlanOfTheChosenScope)
{
    m_form.showFor(QStringLiteral("MyISP"));
    m_form.Limit->setText(QStringLiteral("2.5 GiB"));
    m_form.Counts->setCurrentIndex(1);
    m_form.CycleKind->setCurrentIndex(1);
    m_form.CycleDays->setValue(28);
    m_form.CycleFrom->setDate(QDate(2026, 1, 3));
    m_form.Thresholds->setText(QStringLiteral("100, 50"));
    m_form.SaveButton->click();
    EXPECT_EQ(m_form.Message->text(), QStringLiteral("Saved: 2.5 GiB a cycle."));
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(redPixels(), 0);
    auto plans = stored();
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].name, QStringLiteral("MyISP"));
    EXPECT_EQ(plans[0].limit.bytes, 2'684'354'560);
    EXPECT_TRUE(plans[0].downloadOnly);
    EXPECT_EQ(usage::cycleText(plans[0].cycle), QStringLiteral("every 28 days from 2026-01-03"));
    EXPECT_EQ(plans[0].thresholds, (std::vector<int> { 50, 100 }));

    // The plan for all connections is its own: empty until set.
    m_form.Scope->setCurrentIndex(1);
    EXPECT_EQ(m_form.Limit->text(), QString());
    EXPECT_FALSE(m_form.CycleDays->isVisibleTo(&m_form)) << "a monthly cycle shows its day only";
    m_form.Limit->setText(QStringLiteral("50 GB"));
    m_form.CycleDay->setValue(31);
    m_form.SaveButton->click();
    ASSERT_EQ(stored().size(), 2u);

    // Shown again, the entry's plan comes back as stored.
    m_form.showFor(QStringLiteral("MyISP"));
    EXPECT_EQ(m_form.Limit->text(), QStringLiteral("2.5 GiB"));
    EXPECT_EQ(m_form.Counts->currentIndex(), 1);
    EXPECT_EQ(m_form.CycleDays->value(), 28);
    EXPECT_EQ(m_form.CycleFrom->date(), QDate(2026, 1, 3));
    EXPECT_EQ(m_form.Thresholds->text(), QStringLiteral("50, 100"));
    EXPECT_TRUE(m_form.ClearButton->isEnabled());
    m_form.ClearButton->click();
    EXPECT_EQ(m_form.Message->text(), QStringLiteral("The data plan is cleared."));
    plans = stored();
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_TRUE(plans[0].name.isEmpty()) << "clearing one plan leaves the other";
    EXPECT_EQ(m_changes, 3);

    // Without a connection name only the plan for all is offered.
    m_form.showFor(QString());
    ASSERT_EQ(m_form.Scope->count(), 1);
    EXPECT_EQ(m_form.Limit->text(), QStringLiteral("50 GB"));
    EXPECT_EQ(m_form.CycleDay->value(), 31);
}

// Guards against "2,5 GB" refused from a German user, whose every figure is shown "12,1 GB".
TEST_F(DataPlanFormTest, TheUsersDecimalMarkIsTakenAsWellAsAPoint)
{
    m_form.setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_form.showFor(QString());
    for (const char* written : { "2,5 GB", "2.5 GB" }) {
        m_form.Limit->setText(QString::fromUtf8(written));
        ASSERT_TRUE(m_form.save()) << written << ": " << m_form.Message->text().toStdString();
        ASSERT_EQ(stored().size(), 1u);
        EXPECT_EQ(stored()[0].limit.bytes, 2'500'000'000) << written;
    }
}

// Guards against edits lost by closing the dialog, and against a close that cannot be taken back.
TEST_F(DataPlanFormTest, ClosingWithChangesNotSavedAsksWhetherToSaveThem)
{
    const auto answerWith = [](QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, [answer] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(question, nullptr) << "no question was asked";
            question->button(answer)->click();
        });
    };
    m_form.showFor(QString());
    m_form.show();
    m_form.reject();
    EXPECT_FALSE(m_form.isVisible()) << "nothing changed: closed without a question";

    m_form.show();
    m_form.Limit->setText(QStringLiteral("5 GB"));
    answerWith(QMessageBox::Cancel);
    m_form.reject();
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_TRUE(stored().empty());

    m_form.Limit->setText(QStringLiteral("5 XB"));
    answerWith(QMessageBox::Save);
    m_form.reject();
    EXPECT_TRUE(m_form.isVisible()) << "a plan that cannot be saved keeps the dialog open";
    EXPECT_GT(redPixels(), 0) << "its fault is said";

    m_form.Limit->setText(QStringLiteral("5 GB"));
    answerWith(QMessageBox::Save);
    m_form.reject();
    EXPECT_FALSE(m_form.isVisible());
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].limit.bytes, 5'000'000'000);

    m_form.showFor(QString());
    m_form.show();
    m_form.Thresholds->setText(QStringLiteral("90"));
    answerWith(QMessageBox::Discard);
    m_form.reject();
    EXPECT_FALSE(m_form.isVisible());
    EXPECT_EQ(stored()[0].thresholds, (std::vector<int> { 80, 100 })) << "left as stored";
}

TEST(DataPlanMenu, DataPlanFollowsConnectionsAndUsageAndTheWindowKeepsItsSize)
{
    testing_support::ScratchRuntime runtime;
    TMainForm form;
    const auto actions = form.PopupMenu->actions();
    const auto at = actions.indexOf(form.MenuConnections);
    ASSERT_GE(at, 0);
    EXPECT_EQ(actions.value(at + 1), form.MenuUsage);
    EXPECT_EQ(actions.value(at + 2), form.MenuDataPlan);
    EXPECT_EQ(form.MenuDataPlan->text(), QStringLiteral("Data Plan..."));
    EXPECT_EQ(form.size(), QSize(528, 354)) << "the main window keeps its layout";
    form.MenuDataPlan->trigger();
    ASSERT_NE(form.dataPlanDialog(), nullptr);
    EXPECT_TRUE(form.dataPlanDialog()->isVisible());
    EXPECT_EQ(form.dataPlanDialog()->Scope->currentText(), QStringLiteral("All connections"))
        << "never connected: the plan for all";
    form.dataPlanDialog()->close();
}

} // namespace

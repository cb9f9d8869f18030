// SPDX-License-Identifier: GPL-3.0-or-later
// The usage window: its bars, the plan's limit line and projection, pixel by pixel; the table of
// connections; its exports against vantrel-usage's; one window from the popup menu.
#include "components/base/storedsettings.h"
#include "core/mainform.h"
#include "core/usagechart.h"
#include "core/usageconnectionsmodel.h"
#include "core/usagewindow.h"
#include "tests/support/built.h"
#include "tests/support/eventwait.h"
#include "tests/support/process.h"
#include "tests/support/scratchruntime.h"
#include "usage/chartscale.h"
#include "usage/planstore.h"
#include "usage/planwatch.h"
#include "usage/usagerecorder.h"
#include "usage/usagestore.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QThreadPool>
#include <future>
#include <gtest/gtest.h>

using testing_support::ScratchRuntime;
using usage::DataPlan;

namespace {

// Runs the events until the window's read of the history is shown.
void read(UsageWindow& window)
{
    ASSERT_TRUE(testing_support::runEventsUntil([&] { return !window.reloading(); }, 20000))
        << "the history was not read";
}

constexpr std::int64_t kMB = 1'000'000;

class UsageWindowTest : public testing::Test
{
protected:
    UsageWindowTest()
    {
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        // 20 March 2026, noon: the window's "now" comes from the platform clock.
        m_runtime.source().manualClock().setWallStart(at(20, 12) * 1000);
    }
    ~UsageWindowTest() override
    {
        QLocale::setDefault(QLocale::c());
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    static std::int64_t at(int day, int hour = 0, int month = 3)
    {
        return QDateTime(QDate(2026, month, day), QTime(hour, 0)).toSecsSinceEpoch();
    }
    std::filesystem::path history() const { return m_runtime.configHome() / "usage.sqlite3"; }
    // A plan counting from `day` of each month.
    static DataPlan plan(
        std::int64_t limit, int day = 1, const char* name = "", bool downloadOnly = false)
    {
        DataPlan result;
        result.name = QString::fromUtf8(name);
        result.limit = { limit, QStringLiteral("MB") };
        result.cycle.day = day;
        result.downloadOnly = downloadOnly;
        return result;
    }
    // The plans as the monitor would follow them, and the entry name whose plan the tray tells of.
    static UsageWindow::Source source(
        std::function<std::vector<DataPlan>()> plans, const char* followed = "")
    {
        UsageWindow::Source result;
        result.plans = std::move(plans);
        result.followedEntry = [entry = QString::fromUtf8(followed)] { return entry; };
        return result;
    }
    // Bytes of one entry name in the fine bucket at `start`, and a connection record for them.
    void traffic(std::int64_t start, std::int64_t sent, std::int64_t received,
        const std::string& name = "MyISP")
    {
        usage::UsageStore store(history(), usage::UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        std::vector<usage::ConnectionRecord> calls(1);
        calls[0].name = name;
        calls[0].start = start;
        calls[0].end = start + 600;
        calls[0].duration = 600;
        calls[0].sent = sent;
        calls[0].received = received;
        calls[0].clientAddress = "10.64.1.7";
        calls[0].serverAddress = "10.64.0.1";
        ASSERT_EQ(store.write(calls, { { name, start, usage::kFineSpan, sent, received } }), "");
    }
    // `count` connections of ten minutes, an hour apart, the newest starting at `newest`.
    static std::vector<usage::ConnectionRecord> hourly(int count, std::int64_t newest)
    {
        std::vector<usage::ConnectionRecord> calls(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            usage::ConnectionRecord& call = calls[static_cast<std::size_t>(i)];
            call.name = "ISP";
            call.start = newest - (count - 1 - i) * 3600;
            call.end = call.start + 600;
            call.duration = 600;
            call.received = 1'000;
        }
        return calls;
    }
    // Stores the connections; new ones get their ids.
    void write(std::vector<usage::ConnectionRecord>& calls)
    {
        usage::UsageStore store(history(), usage::UsageStore::Mode::ReadWrite);
        ASSERT_EQ(store.open(), "");
        ASSERT_EQ(store.write(calls, {}), "");
    }
    static QImage picture(UsageChart& chart)
    {
        chart.resize(744, 240);
        return chart.render();
    }
    static int middle(const UsageChart& chart, std::size_t bar)
    {
        const auto [first, last] = chart.barColumns(bar);
        return (first + last) / 2;
    }
    // The colours of one column from `top` down to `bottom`, each once, in order.
    static std::vector<QRgb> coloursDown(const QImage& image, int x, int top, int bottom)
    {
        std::vector<QRgb> colours;
        for (int y = top; y <= bottom; ++y) {
            if (colours.empty() || colours.back() != image.pixel(x, y))
                colours.push_back(image.pixel(x, y));
        }
        return colours;
    }

    ScratchRuntime m_runtime;
};

TEST_F(UsageWindowTest, BarsStandForTheDaysWithTrafficAndNotForTheOthers)
{
    traffic(at(3, 9), 1 * kMB, 3 * kMB);
    traffic(at(10, 9), 0, 500'000);
    traffic(at(15, 23), 2 * kMB, 0);
    UsageWindow window(history());
    read(window);
    UsageChart& chart = *window.dailyChart();
    ASSERT_EQ(chart.bars().size(), 31u) << "every day of March, without a plan";
    const QImage image = picture(chart);
    const QRect plot = chart.plotArea();
    const QRgb background = image.pixel(plot.left() + 1, plot.top() + 5);
    const QRgb sent = UsageChart::kSent.rgb();
    const QRgb received = UsageChart::kReceived.rgb();
    ASSERT_NE(sent, received);
    EXPECT_GT(qGray(sent) - qGray(received), 40) << "told apart in grey too";
    for (std::size_t day = 0; day < 31; ++day) {
        const QRgb justAboveBase = image.pixel(middle(chart, day), plot.bottom() - 1);
        const bool busy = day == 2 || day == 9 || day == 14;
        EXPECT_EQ(justAboveBase != background, busy) << "day " << day + 1;
    }
    // Below the half-way gridline, which the short bars leave alone.
    const int half = plot.center().y() + 1;
    // Day 3: sent below, received stacked on top, the total at its row of the scale.
    const std::int64_t top = chart.axisTop();
    EXPECT_EQ(top, 5 * kMB);
    const int x = middle(chart, 2);
    const int totalRow = usage::rowOf(4 * kMB, top, plot.top(), plot.bottom());
    const int sentRow = usage::rowOf(1 * kMB, top, plot.top(), plot.bottom());
    EXPECT_EQ(image.pixel(x, totalRow - 1), background);
    EXPECT_EQ(image.pixel(x, totalRow), received);
    EXPECT_EQ(image.pixel(x, sentRow - 1), received);
    EXPECT_EQ(image.pixel(x, sentRow), sent);
    EXPECT_EQ(image.pixel(x, plot.bottom() - 1), sent);
    EXPECT_EQ(coloursDown(image, middle(chart, 9), half, plot.bottom() - 1),
        (std::vector<QRgb> { background, received }))
        << "a day of received bytes alone";
    EXPECT_EQ(coloursDown(image, middle(chart, 14), half, plot.bottom() - 1),
        (std::vector<QRgb> { background, sent }))
        << "a day of sent bytes alone";
    EXPECT_FALSE(chart.cycle()) << "no plan, no limit";
}

TEST_F(UsageWindowTest, TheMonthlyBarsCoverTheLastTwelveMonths)
{
    traffic(at(15, 12, 1), 7 * kMB, 0);
    traffic(at(3, 9), 1 * kMB, 1 * kMB);
    traffic(QDateTime(QDate(2025, 3, 31), QTime(12, 0)).toSecsSinceEpoch(), 9 * kMB, 0);
    UsageWindow window(history());
    read(window);
    const auto& months = window.monthlyChart()->bars();
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(months.front().start).date(), QDate(2025, 4, 1))
        << "March a year ago is outside";
    EXPECT_EQ(months[9].sent, 7 * kMB);
    EXPECT_EQ(months[11].sent + months[11].received, 2 * kMB);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "This month: 2.0 MB (1.0 MB sent, 1.0 MB received); last month: 0 B");
}

TEST_F(UsageWindowTest, ThePlanDrawsItsLimitAtItsRowAndTheProjectionOnlyWhenItPassesIt)
{
    // 100 MB on each of the first nineteen days, and 100 MB on the twentieth by noon.
    for (int day = 1; day <= 20; ++day)
        traffic(at(day, 9), 20 * kMB, 80 * kMB);
    struct Row
    {
        const char* name;
        std::int64_t limit;
        bool downloadOnly;
        bool projection;
        const char* text;
    };
    // 2.0 GB in 19.5 of 31 days: about 3.2 GB by the end; 1.6 GB counted download alone.
    const Row rows[] = {
        { "well within", 5'000 * kMB, false, false, "" },
        { "passing", 2'500 * kMB, false, true, "At this rate: 3.2 GB by 31 Mar" },
        { "already over", 1'000 * kMB, false, true, "At this rate: 3.2 GB by 31 Mar" },
        { "download alone passes", 2'500 * kMB, true, true, "At this rate: 2.5 GB by 31 Mar" },
        { "download alone within", 3'000 * kMB, true, false, "" },
    };
    std::vector<DataPlan> plans = { plan(rows[0].limit) };
    UsageWindow window(history(), source([&plans] { return plans; }));
    read(window);
    UsageChart& chart = *window.dailyChart();
    for (const auto& row : rows) {
        plans = { plan(row.limit, 1, "", row.downloadOnly) };
        window.reload();
        read(window);
        ASSERT_TRUE(chart.cycle()) << row.name;
        const QImage image = picture(chart);
        const QRect plot = chart.plotArea();
        const int limitRow = usage::rowOf(row.limit, chart.axisTop(), plot.top(), plot.bottom());
        const QRgb limit = UsageChart::kLimit.rgb();
        // Between the bars of days 30 and 31, where nothing else is drawn.
        const int gap = chart.barColumns(29).second + 1;
        EXPECT_EQ(image.pixel(gap, limitRow), limit) << row.name;
        EXPECT_NE(image.pixel(gap, limitRow - 3), limit) << row.name;
        EXPECT_NE(image.pixel(gap, limitRow + 3), limit) << row.name;
        EXPECT_EQ(chart.cycle()->used.size(), 20u) << row.name << ": the line stops at today";
        EXPECT_EQ(chart.projectionShown(), row.projection) << row.name;
        if (row.projection) {
            EXPECT_EQ(chart.cycle()->projectionText, row.text) << row.name;
        }
        // The text's red pixels, above the plot.
        int red = 0;
        const QRect text = chart.projectionArea();
        ASSERT_LT(text.bottom(), plot.top()) << row.name;
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x)
                red += image.pixel(x, y) == limit;
        }
        EXPECT_EQ(red > 0, row.projection) << row.name << ": " << red << " red pixels";
    }
    EXPECT_EQ(window.summary()->text().toStdString(),
        "1.6 GB of 3.0 GB used, 53%, 12 days left\n"
        "Left per remaining day: 116.7 MB")
        << "the last plan's: download alone";
    if (const char* out = std::getenv("VANTREL_USAGE_PNG")) {
        plans = { plan(2'500 * kMB) };
        window.reload();
        read(window);
        window.grab().save(QString::fromLocal8Bit(out));
    }
}

TEST_F(UsageWindowTest, BarsLimitAndUsageShareOneAxisAndABarBelowTheLimitStaysBelowIt)
{
    // Guards against the limit on a scale of its own: lying on the base line under a projection
    // of a hundred times the plan, or drawn below a day's bar that is smaller than it.
    struct Row
    {
        const char* name;
        QDate first; // of the cycle, which ends on 19 April
        std::int64_t limit;
        std::int64_t today; // received by noon of 20 March
        std::int64_t axisTop;
        const char* summary;
    };
    const Row rows[] = {
        { "hours into the cycle", QDate(2026, 3, 20), 1 * kMB, 910'000, 1 * kMB,
            "910.0 kB of 1.0 MB used, 91%, 31 days left\nLeft per remaining day: 2.9 kB" },
        { "a limit far above the day", QDate(2026, 3, 20), 5'000 * kMB, 910'000, 5'000 * kMB,
            "910.0 kB of 5.0 GB used, 0%, 31 days left\nLeft per remaining day: 161.3 MB" },
        { "a day past the limit", QDate(2026, 3, 20), 1 * kMB, 1'700'000, 2 * kMB,
            "1.7 MB of 1.0 MB used, 170%, 31 days left\nNothing left for the days remaining" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(history());
        traffic(at(20, 9), 0, row.today);
        UsageWindow window(
            history(), source([&row] { return std::vector { plan(row.limit, row.first.day()) }; }));
        read(window);
        UsageChart& chart = *window.dailyChart();
        ASSERT_TRUE(chart.cycle());
        EXPECT_FALSE(chart.projectionShown()) << "half a day's pace says nothing of the cycle";
        EXPECT_EQ(chart.cycle()->projectionText, "");
        EXPECT_EQ(chart.axisTop(), row.axisTop);
        EXPECT_EQ(window.summary()->text().toStdString(), row.summary);
        const QImage image = picture(chart);
        const QRect plot = chart.plotArea();
        const QRgb limit = UsageChart::kLimit.rgb();
        const QRgb received = UsageChart::kReceived.rgb();
        const int limitRow = usage::rowOf(row.limit, row.axisTop, plot.top(), plot.bottom());
        // Any traffic shows as one row at least.
        const int barRow = std::min(
            usage::rowOf(row.today, row.axisTop, plot.top(), plot.bottom()), plot.bottom() - 1);
        // Between the first two bars, where nothing but the limit crosses.
        const int gap = chart.barColumns(0).second + 1;
        EXPECT_EQ(image.pixel(gap, limitRow), limit) << "the line at its height on the axis";
        EXPECT_NE(image.pixel(gap, limitRow + 3), limit);
        // The day's bar, and the limit drawn across it.
        const int x = middle(chart, 0);
        EXPECT_EQ(image.pixel(x, barRow), received);
        EXPECT_EQ(image.pixel(x, plot.bottom() - 1), received);
        EXPECT_EQ(image.pixel(x, limitRow), limit);
        if (row.today < row.limit) {
            EXPECT_GT(barRow, limitRow + 1) << "the bar ends below the line";
            EXPECT_NE(image.pixel(x, barRow - 1), received);
        } else {
            EXPECT_LT(barRow, limitRow) << "the bar passes the line";
            EXPECT_EQ(image.pixel(x, limitRow + 2), received);
        }
    }
}

TEST_F(UsageWindowTest, TheDailyBarsCoverThePlansCycle)
{
    traffic(at(25, 12, 2), 1 * kMB, 0);
    traffic(at(2, 12), 0, 1 * kMB);
    UsageWindow window(history(), source([] { return std::vector { plan(10 * kMB, 25) }; }));
    read(window);
    const auto& days = window.dailyChart()->bars();
    ASSERT_EQ(days.size(), 28u);
    EXPECT_EQ(days[0].sent, 1 * kMB);
    EXPECT_EQ(days[5].received, 1 * kMB) << "2 March is the cycle's sixth day";
    EXPECT_EQ(window.dailyChart()->cycle()->used.size(), 24u);
}

TEST_F(UsageWindowTest, APlanOfOneNameCountsThatNameAndTheWindowFollowsItsChanges)
{
    traffic(at(2, 12), 0, 300 * kMB, "Mobile");
    traffic(at(3, 12), 0, 900 * kMB, "Tethering");
    std::vector<DataPlan> plans = { plan(1'000 * kMB, 1, "Mobile") };
    UsageWindow window(history(), source([&plans] { return plans; }, "Mobile"));
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "300.0 MB of 1.0 GB used, 30%, 12 days left\n"
        "Left per remaining day: 58.3 MB")
        << "the other name's bytes are not the plan's";
    EXPECT_EQ(window.dailyChart()->cycle()->used.back(), 300 * kMB);

    // The plan shown is removed and one for all is made while the window is open: the next read
    // shows the one the tray now tells of for the entry.
    plans = { plan(1'500 * kMB) };
    window.reload();
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "1.2 GB of 1.5 GB used, 80%, 12 days left\n"
        "Left per remaining day: 25.0 MB")
        << "a plan of all connections counts both";
}

TEST_F(UsageWindowTest, TheWindowSaysWhatTheTraySaysBeforeTheRecorderWrites)
{
    // Guards against a figure read from the history alone: a minute after midnight the window
    // said 38% while the tray said 67%.
    traffic(at(2, 12), 0, 300 * kMB);
    TMyReg store;
    settings::useMonitorKey(store);
    ASSERT_EQ(usage::savePlan(store, plan(1'000 * kMB)), QString());
    usage::UsageRecorder recorder(history(), [](const std::string&) {});
    usage::PlanWatch watch(store, recorder);
    const std::int64_t fromMs = at(20, 11) * 1000;
    ASSERT_TRUE(watch.reload(fromMs / 1000).isEmpty());
    usage::ConnectionRecord call;
    call.name = "MyISP";
    recorder.connected(call, fromMs, 1000);
    // Under a minute: nothing written yet.
    for (int s = 1; s <= 37; ++s)
        recorder.measured(
            fromMs + s * 1000, 1000 + static_cast<std::uint64_t>(s) * 1000, 0, 10 * kMB, s);
    ASSERT_GT(recorder.pendingBuckets(), 0u);
    m_runtime.source().manualClock().setWallStart(fromMs + 37'000);
    const std::int64_t now = fromMs / 1000 + 37;
    const QString tray = watch.stateLine(QStringLiteral("MyISP"), now);
    ASSERT_EQ(tray.toStdString(), "670.0 of 1000.0 MB, 67%, 12 days left");

    UsageWindow::Source held = source([&watch] { return watch.plans(); }, "MyISP");
    held.recorder = &recorder;
    UsageWindow window(history(), held);
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "670.0 MB of 1.0 GB used, 67%, 12 days left\n"
        "Left per remaining day: 27.5 MB");
    EXPECT_EQ(window.dailyChart()->bars()[19].received, 370 * kMB) << "today's bar holds them";
    EXPECT_EQ(window.monthlyChart()->bars().back().received, 670 * kMB);

    // Written after the read took what the recorder held and before it read the history: counted
    // once all the same. The read waits behind a task that holds the pool's one thread.
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int threads = pool.maxThreadCount();
    pool.setMaxThreadCount(1);
    std::promise<void> written;
    pool.start([done = written.get_future().share()] { done.wait(); });
    window.reload();
    recorder.disconnected(fromMs + 38'000);
    EXPECT_EQ(recorder.pendingBuckets(), 0u);
    written.set_value();
    read(window);
    pool.setMaxThreadCount(threads);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "670.0 MB of 1.0 GB used, 67%, 12 days left\n"
        "Left per remaining day: 27.5 MB");
    EXPECT_EQ(watch.stateLine(QStringLiteral("MyISP"), now).toStdString(),
        "670.0 of 1000.0 MB, 67%, 12 days left");
}

TEST_F(UsageWindowTest, TheSelectorSaysWhatIsShownAndTheWindowKeepsToIt)
{
    // Guards against a window that changed to another plan on its own when another link came up.
    traffic(at(2, 12), 0, 300 * kMB, "Mobile");
    traffic(at(3, 12), 100 * kMB, 200 * kMB, "Tether");
    traffic(at(4, 12), 0, 50 * kMB, "Work");
    const std::vector<DataPlan> plans
        = { plan(1'000 * kMB, 1, "Mobile"), plan(2'000 * kMB, 15, "Tether") };
    QString followed = QStringLiteral("Mobile");
    UsageWindow::Source links;
    links.plans = [&plans] { return plans; };
    links.followedEntry = [&followed] { return followed; };
    UsageWindow window(history(), links);
    read(window);
    const QComboBox& selector = *window.viewSelector();
    QStringList items;
    for (int i = 0; i < selector.count(); ++i)
        items << selector.itemText(i);
    EXPECT_EQ(items,
        QStringList({ "Billing cycles of the plan for Mobile",
            "Billing cycles of the plan for Tether", "Calendar months of all connections",
            "Calendar months of Mobile", "Calendar months of Tether", "Calendar months of Work" }));
    EXPECT_EQ(selector.currentText(), "Billing cycles of the plan for Mobile")
        << "it opens with the plan the tray tells of";
    EXPECT_EQ(window.summary()->text().toStdString(),
        "300.0 MB of 1.0 GB used, 30%, 12 days left\n"
        "Left per remaining day: 58.3 MB");

    followed = QStringLiteral("Tether"); // another link came up
    window.reload();
    read(window);
    EXPECT_EQ(selector.currentText(), "Billing cycles of the plan for Mobile");
    EXPECT_EQ(window.choice().name, "Mobile");
    EXPECT_EQ(window.dailyChart()->cycle()->limit, 1'000 * kMB);

    // Chosen by the user: Tether's plan, whose cycle began on 15 March.
    window.viewSelector()->setCurrentIndex(1);
    read(window);
    EXPECT_EQ(window.period().first, QDate(2026, 3, 15));
    EXPECT_EQ(window.dailyChart()->title(), "Daily usage, the cycle from 15/03/2026 to 14/04/2026");
    EXPECT_EQ(window.dailyChart()->cycle()->limit, 2'000 * kMB);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "0 B of 2.0 GB used, 0%, 26 days left\n"
        "Left per remaining day: 76.9 MB")
        << "Tether's bytes came before its cycle";

    // The months of one entry name: its bytes alone, its connections alone, no plan.
    window.viewSelector()->setCurrentIndex(5);
    read(window);
    EXPECT_EQ(window.choice(), (usage::ViewChoice { usage::ViewChoice::Kind::Months, "Work" }));
    EXPECT_FALSE(window.dailyChart()->cycle());
    EXPECT_EQ(window.dailyChart()->title(), "Daily usage, March 2026");
    EXPECT_EQ(window.summary()->text().toStdString(),
        "This month: 50.0 MB (0 B sent, 50.0 MB received); last month: 0 B");
    ASSERT_EQ(window.connectionsModel()->rowCount(), 1);
    EXPECT_EQ(window.connectionsModel()->record(0).name, "Work");
    EXPECT_EQ(window.monthlyChart()->bars().back().received, 50 * kMB);

    window.viewSelector()->setCurrentIndex(2);
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "This month: 650.0 MB (100.0 MB sent, 550.0 MB received); last month: 0 B")
        << "all connections";
    EXPECT_EQ(window.connectionsModel()->rowCount(), 3);
}

TEST_F(UsageWindowTest, EarlierCyclesAndMonthsAreAStepBack)
{
    traffic(at(20, 12, 1), 0, 100 * kMB); // January
    traffic(at(10, 12, 2), 0, 400 * kMB); // February
    traffic(at(10, 12), 0, 200 * kMB);
    std::vector<DataPlan> plans = { plan(1'000 * kMB, 5) };
    UsageWindow window(history(), source([&plans] { return plans; }));
    read(window);
    QPushButton& previous = *window.previousButton();
    QPushButton& next = *window.nextButton();
    EXPECT_EQ(previous.text(), "Previous cycle");
    EXPECT_EQ(next.text(), "Next cycle");
    EXPECT_TRUE(previous.isEnabled());
    EXPECT_FALSE(next.isEnabled()) << "nothing after the present cycle";
    EXPECT_EQ(window.period().first, QDate(2026, 3, 5));

    previous.click();
    read(window);
    EXPECT_EQ(window.period().first, QDate(2026, 2, 5));
    EXPECT_EQ(window.period().last, QDate(2026, 3, 4));
    const UsageChart& chart = *window.dailyChart();
    EXPECT_EQ(chart.title(), "Daily usage, the cycle from 05/02/2026 to 04/03/2026");
    ASSERT_TRUE(chart.cycle());
    EXPECT_EQ(chart.cycle()->used.size(), 28u) << "the whole cycle is gone";
    EXPECT_EQ(chart.cycle()->used.back(), 400 * kMB);
    EXPECT_FALSE(chart.projectionShown());
    EXPECT_EQ(window.summary()->text().toStdString(), "400.0 MB of 1.0 GB used, 40%")
        << "no days left in a past cycle";
    EXPECT_TRUE(next.isEnabled());

    previous.click();
    read(window);
    EXPECT_EQ(window.period().first, QDate(2026, 1, 5));
    EXPECT_FALSE(previous.isEnabled()) << "the history's oldest bytes are in it";
    EXPECT_EQ(window.summary()->text().toStdString(), "100.0 MB of 1.0 GB used, 10%");

    // A refresh keeps the period asked for.
    window.reload();
    read(window);
    EXPECT_EQ(window.period().first, QDate(2026, 1, 5));

    next.click();
    next.click();
    read(window);
    EXPECT_EQ(window.period().first, QDate(2026, 3, 5)) << "two steps on, back to the present";
    EXPECT_FALSE(next.isEnabled());
    EXPECT_EQ(window.summary()->text().toStdString(),
        "200.0 MB of 1.0 GB used, 20%, 16 days left\n"
        "Left per remaining day: 50.0 MB");

    // The calendar months step as well.
    window.viewSelector()->setCurrentIndex(1);
    read(window);
    EXPECT_EQ(previous.text(), "Previous month");
    previous.click();
    read(window);
    EXPECT_EQ(chart.title(), "Daily usage, February 2026");
    EXPECT_EQ(window.summary()->text().toStdString(),
        "February 2026: 400.0 MB (0 B sent, 400.0 MB received)");
    EXPECT_EQ(next.text(), "Next month");
    EXPECT_TRUE(next.isEnabled());
}

TEST_F(UsageWindowTest, ThePercentageIsRoundedDownAsTheWarningsHaveIt)
{
    traffic(at(2, 12), 0, 996 * kMB);
    UsageWindow window(history(), source([] { return std::vector { plan(1'000 * kMB) }; }));
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(),
        "996.0 MB of 1.0 GB used, 99%, 12 days left\n"
        "Left per remaining day: 333.3 kB")
        << "100% would say the limit is reached";
}

TEST_F(UsageWindowTest, ThePlanSaysWhatIsLeftForEachDayRemaining)
{
    traffic(at(2, 12), 0, 400 * kMB);
    struct Row
    {
        const char* name;
        int cycleDay;
        std::int64_t limit;
        const char* summary;
    };
    const Row rows[] = {
        { "twelve days, today among them", 1, 1'000 * kMB,
            "400.0 MB of 1.0 GB used, 40%, 12 days left\nLeft per remaining day: 50.0 MB" },
        { "the cycle's last day", 21, 1'000 * kMB,
            "400.0 MB of 1.0 GB used, 40%, 1 day left\nLeft for the last day: 600.0 MB" },
        { "the limit reached", 1, 400 * kMB,
            "400.0 MB of 400.0 MB used, 100%, 12 days left\nNothing left for the days remaining" },
    };
    for (const auto& row : rows) {
        UsageWindow window(
            history(), source([&row] { return std::vector { plan(row.limit, row.cycleDay) }; }));
        read(window);
        EXPECT_EQ(window.summary()->text().toStdString(), row.summary) << row.name;
    }
}

TEST_F(UsageWindowTest, TheTableHoldsTheRecordsNewestFirst)
{
    traffic(at(3, 9), 1'500, 2'500'000);
    traffic(at(15, 12, 1), 7 * kMB, 0, "Work, \"VPN\"");
    traffic(QDateTime(QDate(2024, 3, 31), QTime(12, 0)).toSecsSinceEpoch(), 1, 1, "Old");
    UsageWindow window(history());
    read(window);
    const UsageConnectionsModel& model = *window.connectionsModel();
    ASSERT_EQ(model.rowCount(), 2) << "the records of the twelve months shown";
    const auto cell = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::DisplayRole).toString().toStdString();
    };
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnName), "MyISP");
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnStart),
        QLocale()
            .toString(QDateTime::fromSecsSinceEpoch(at(3, 9)), QLocale::ShortFormat)
            .toStdString());
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnDuration), "0:10:00");
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnSent), "1.5 kB");
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnReceived), "2.5 MB");
    EXPECT_EQ(cell(0, UsageConnectionsModel::ColumnAddresses), "10.64.1.7 → 10.64.0.1");
    EXPECT_EQ(cell(1, UsageConnectionsModel::ColumnName), "Work, \"VPN\"");
    EXPECT_EQ(
        model.data(model.index(0, UsageConnectionsModel::ColumnSent), Qt::ToolTipRole).toString(),
        "1,500 bytes");
    EXPECT_EQ(window.connectionsTable()->model(), &model);
}

TEST_F(UsageWindowTest, TheNewestConnectionsFitTheirColumnsInALongHistory)
{
    // Far more rows than the columns are measured on; the long name is among the newest.
    const std::string longName = "A connection with a rather long entry name";
    auto calls = hourly(2000, at(19));
    calls[1990].name = longName;
    calls[1995].received = 987'654'321'000;
    write(calls);
    UsageWindow window(history());
    read(window);
    const QTableView& table = *window.connectionsTable();
    ASSERT_EQ(table.model()->rowCount(), 2000);
    const auto fits = [&](int column, int row) {
        const QString text = table.model()->index(row, column).data().toString();
        return table.columnWidth(column) > table.fontMetrics().horizontalAdvance(text);
    };
    EXPECT_TRUE(fits(UsageConnectionsModel::ColumnName, 9)) << "the long name is not cut";
    EXPECT_TRUE(fits(UsageConnectionsModel::ColumnReceived, 4)) << "nor the large figure";
}

TEST_F(UsageWindowTest, EveryRowFitsItsColumnsAndAFigureThatGrowsWidensThem)
{
    // Guards against columns fitted to the newest rows alone, or only when the rows were new: a
    // wider figure further down, or one grown at a refresh, read "195...." then.
    auto calls = hourly(300, at(19));
    calls.front().name = "The oldest connection, of a rather long entry name";
    calls.back().end.reset(); // up
    write(calls);
    UsageWindow window(history());
    read(window);
    const QTableView& table = *window.connectionsTable();
    const auto fits = [&](int column, int row) {
        const QString text = table.model()->index(row, column).data().toString();
        return table.columnWidth(column) > table.fontMetrics().horizontalAdvance(text);
    };
    ASSERT_EQ(table.model()->rowCount(), 300);
    EXPECT_TRUE(fits(UsageConnectionsModel::ColumnName, 299)) << "the oldest row's name";
    const QString grown = QStringLiteral("195.3 GB");
    ASSERT_LT(table.columnWidth(UsageConnectionsModel::ColumnSent),
        table.fontMetrics().horizontalAdvance(grown))
        << "no figure sent yet is as wide";

    // The connection that is up has sent far more a minute on.
    calls.back().sent = 195'312'345'678;
    write(calls);
    window.reload();
    read(window);
    ASSERT_EQ(table.model()->index(0, UsageConnectionsModel::ColumnSent).data().toString(), grown);
    EXPECT_TRUE(fits(UsageConnectionsModel::ColumnSent, 0)) << "the grown figure is whole";
    for (int column = 0; column < UsageConnectionsModel::ColumnCount - 1; ++column) {
        for (int row = 0; row < table.model()->rowCount(); ++row)
            ASSERT_TRUE(fits(column, row)) << "column " << column << ", row " << row;
    }
}

TEST_F(UsageWindowTest, ARefreshKeepsTheTablesPlaceSelectionAndColumnWidths)
{
    auto calls = hourly(300, at(19));
    calls.back().end.reset(); // up
    write(calls);
    UsageWindow window(history());
    read(window);
    window.show();
    QTableView& table = *window.connectionsTable();
    const UsageConnectionsModel& model = *window.connectionsModel();
    table.selectRow(150);
    table.scrollTo(model.index(150, 0), QAbstractItemView::PositionAtTop);
    table.setColumnWidth(UsageConnectionsModel::ColumnName, 300);
    const std::int64_t selected = model.record(150).id;
    const int place = table.verticalScrollBar()->value();
    ASSERT_GT(place, 0);

    // A minute on: the connection that is up has grown, and another has begun.
    calls.back().received = 5'000'000;
    calls.back().duration = 660;
    std::vector<usage::ConnectionRecord> next = hourly(1, at(19, 12));
    next[0].end.reset();
    calls.push_back(next[0]);
    write(calls);
    window.reload();
    read(window);

    ASSERT_EQ(model.rowCount(), 301);
    EXPECT_EQ(model.record(0).start, at(19, 12)) << "the new connection on top";
    EXPECT_EQ(model.index(1, UsageConnectionsModel::ColumnReceived).data().toString(), "5.0 MB");
    const QModelIndexList rows = table.selectionModel()->selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(model.record(rows[0].row()).id, selected) << "the selection stays on its record";
    EXPECT_GE(table.verticalScrollBar()->value(), place) << "the table did not jump to the top";
    EXPECT_EQ(table.columnWidth(UsageConnectionsModel::ColumnName), 300);
}

TEST(UsageConnectionsModel, RecordsGoneAtTheOldEndAndAddedAtTheNewAreToldRowByRow)
{
    const auto records = [](std::initializer_list<std::int64_t> ids) {
        std::vector<usage::ConnectionRecord> list;
        for (const std::int64_t id : ids) {
            usage::ConnectionRecord& record = list.emplace_back();
            record.id = id;
            record.name = "ISP " + std::to_string(id);
        }
        return list;
    };
    UsageConnectionsModel model;
    EXPECT_TRUE(model.setRecords(records({ 1, 2, 3 }))) << "the first rows are new";
    const QPersistentModelIndex three = model.index(0, 0);
    EXPECT_FALSE(model.setRecords(records({ 2, 3, 4, 5 })));
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.index(0, 0).data().toString(), "ISP 5");
    EXPECT_EQ(model.index(3, 0).data().toString(), "ISP 2");
    ASSERT_TRUE(three.isValid());
    EXPECT_EQ(three.data().toString(), "ISP 3") << "an index held by the view follows its record";

    EXPECT_TRUE(model.setRecords(records({ 2, 4, 5 }))) << "one missing in between";
    EXPECT_TRUE(model.setRecords(records({ 7, 8 }))) << "none of those shown";
    EXPECT_TRUE(model.setRecords({}));
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(UsageWindowTest, ExportsAreWhatVantrelUsageWritesForTheSameRange)
{
    traffic(at(3, 9), 1'500, 2'500'000);
    traffic(at(29, 1), 100, 200, "Work, \"VPN\"");
    traffic(at(15, 12, 1), 7 * kMB, 0);
    UsageWindow window(history());
    read(window);
    struct Row
    {
        const char* name;
        UsageWindow::Report report;
        std::vector<std::string> command;
    };
    const Row rows[] = {
        { "days", UsageWindow::Report::Days,
            { "days", "--from", "2026-03-01", "--to", "2026-03-31" } },
        { "months", UsageWindow::Report::Months,
            { "months", "--from", "2025-04-01", "--to", "2026-03-31" } },
        { "calls", UsageWindow::Report::Connections,
            { "calls", "--from", "2025-04-01", "--to", "2026-03-31" } },
    };
    // All connections, then one entry name's as the selector chooses them.
    for (const std::string entry : { "", "Work, \"VPN\"" }) {
        if (!entry.empty()) {
            window.viewSelector()->setCurrentIndex(
                window.viewSelector()->findText("Calendar months of Work, \"VPN\""));
            read(window);
            ASSERT_EQ(window.choice().name.toStdString(), entry);
        }
        for (const auto& row : rows) {
            for (const auto format : { UsageWindow::Format::Csv, UsageWindow::Format::Json }) {
                const bool csv = format == UsageWindow::Format::Csv;
                const std::string what = row.name + (entry.empty() ? "" : " of " + entry);
                const QString file = QString::fromStdString(
                    (m_runtime.configHome() / (std::string(row.name) + (csv ? ".csv" : ".json")))
                        .string());
                ASSERT_EQ(window.exportTo(row.report, format, file), "") << what;
                QFile written(file);
                ASSERT_TRUE(written.open(QIODevice::ReadOnly));
                std::vector<std::string> args = row.command;
                args.insert(args.begin(), testing_support::built::vantrelUsage);
                args.insert(args.end(), { csv ? "--csv" : "--json", "--file", history().string() });
                if (!entry.empty())
                    args.insert(args.end(), { "--name", entry });
                const auto tool = testing_support::runProcess(
                    args, { { "TZ", "Europe/Berlin" }, { "LC_ALL", "C.UTF-8" } });
                ASSERT_EQ(tool.exitCode, 0) << tool.err;
                const std::string text = written.readAll().toStdString();
                EXPECT_EQ(text, tool.out) << what << (csv ? " CSV" : " JSON");
                if (!entry.empty() && row.report == UsageWindow::Report::Connections) {
                    EXPECT_EQ(text.find("MyISP"), std::string::npos) << what;
                }
            }
        }
    }
    EXPECT_NE(
        window.exportTo(UsageWindow::Report::Days, UsageWindow::Format::Csv,
            QString::fromStdString((m_runtime.configHome() / "no/such/folder/a.csv").string())),
        "")
        << "a file that cannot be written is said";
}

TEST_F(UsageWindowTest, AMissingHistorySaysNothingIsRecordedYet)
{
    UsageWindow window(history());
    read(window);
    EXPECT_EQ(window.summary()->text().toStdString(), "Nothing has been recorded yet.");
    EXPECT_EQ(window.dailyChart()->bars().size(), 31u) << "empty days, drawn as such";
    EXPECT_FALSE(std::filesystem::exists(history())) << "reading creates nothing";
}

TEST_F(UsageWindowTest, ThePopupMenuOpensOneWindowNextToConnections)
{
    TMainForm form(m_runtime.configHome() / "vantrel");
    form.FormCreate();
    const auto actions = form.PopupMenu->actions();
    ASSERT_EQ(actions.indexOf(form.MenuUsage), actions.indexOf(form.MenuConnections) + 1);
    EXPECT_EQ(form.MenuUsage->text(), "Usage...");
    form.MenuUsage->trigger();
    UsageWindow* window = form.usageWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    form.MenuUsage->trigger();
    EXPECT_EQ(form.usageWindow(), window) << "one instance";
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.usageWindow(), nullptr) << "closed, it is gone with its memory";
    form.MenuUsage->trigger();
    EXPECT_NE(form.usageWindow(), nullptr);
    form.FormClose();
}

} // namespace

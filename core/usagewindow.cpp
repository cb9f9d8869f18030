// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagewindow.h"

#include "exportplace.h"
#include "monitor/usagetexts.h"
#include "platform/clock.h"
#include "usage/cycleprojection.h"
#include "usage/periodseries.h"
#include "usage/usageexport.h"
#include "usage/usagestore.h"
#include "usagechart.h"
#include "usageconnectionsmodel.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QThreadPool>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

std::int64_t startOf(QDate date)
{
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

std::int64_t totalOf(
    const std::vector<usage::ReportRow>& rows, std::int64_t usage::ReportRow::*field)
{
    std::int64_t total = 0;
    for (const auto& row : rows)
        total = usage::addBytes(total, row.*field);
    return total;
}

} // namespace

UsageWindow::UsageWindow(std::filesystem::path history, PlanSource plan, QWidget* parent)
    : QDialog(parent)
    , m_history(std::move(history))
    , m_planSource(std::move(plan))
{
    setWindowTitle(tr("Vantrel - Usage"));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_daily = new UsageChart(this);
    layout->addWidget(m_daily, 3);
    m_monthly = new UsageChart(this);
    m_monthly->setTitle(tr("Monthly usage, the last twelve months"));
    layout->addWidget(m_monthly, 2);
    m_model = new UsageConnectionsModel(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Columns fit the newest hundred connections, not a thousand: measuring each cell's text is
    // most of what opening the window and its refresh every minute would cost.
    m_table->horizontalHeader()->setResizeContentsPrecision(100);
    m_table->setWordWrap(false);
    layout->addWidget(m_table, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton = buttons->addButton(tr("Export"), QDialogButtonBox::ActionRole);
    m_exportButton = exportButton;
    // Nothing to export until the first read has come in.
    exportButton->setEnabled(false);
    auto* exportMenu = new QMenu(exportButton);
    const auto exportItem = [&](const QString& caption, Report report) {
        connect(exportMenu->addAction(caption), &QAction::triggered, this,
            [this, report] { exportAsked(report); });
    };
    exportItem(tr("Daily Usage..."), Report::Days);
    exportItem(tr("Monthly Usage..."), Report::Months);
    exportItem(tr("Connections..."), Report::Connections);
    exportButton->setMenu(exportMenu);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    m_refresh.setInterval(60'000);
    m_refresh.OnTimer = [this] { reload(); };
    resize(760, 680);
    reload();
}

struct UsageWindow::Read
{
    std::optional<usage::UsagePlanView> plan;
    QDateTime now;
    QDate first;
    QDate last;
    std::int64_t daysFrom = 0, daysTo = 0, monthsFrom = 0, monthsTo = 0;
    std::vector<usage::ReportRow> days;
    std::vector<usage::ReportRow> months;
    std::vector<usage::ConnectionRecord> calls;
    QString problem;
};

namespace {

// The reads of one refresh, on a thread of their own with a connection of their own.
void readHistory(const std::filesystem::path& history, UsageWindow::Read& read)
{
    usage::UsageStore store(history, usage::UsageStore::Mode::ReadOnly);
    if (!std::filesystem::exists(history)) {
        read.problem = UsageWindow::tr("Nothing has been recorded yet.");
    } else if (const std::string failed = store.open(); !failed.empty()) {
        read.problem = QString::fromStdString(failed);
    } else {
        // A plan of one entry name counts that name's bytes alone, as its warnings do.
        read.days = usage::report(store.sums(read.daysFrom, read.daysTo,
                                      read.plan ? read.plan->name.toStdString() : std::string()),
            usage::Period::Day);
        read.months
            = usage::report(store.sums(read.monthsFrom, read.monthsTo), usage::Period::Month);
        read.calls = store.newestConnections(
            read.monthsFrom, read.monthsTo, UsageWindow::kShownConnections);
        read.problem = QString::fromStdString(store.readError());
    }
}

} // namespace

void UsageWindow::reload()
{
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    Read read;
    read.plan = m_planSource ? m_planSource() : std::nullopt;
    read.now = platform::wallClockNow();
    const QDate today = read.now.date();
    const QDate month(today.year(), today.month(), 1);
    read.first = read.plan ? read.plan->cycleFirstDay : month;
    read.last = read.plan ? read.plan->cycleLastDay : month.addMonths(1).addDays(-1);
    read.daysFrom = startOf(read.first);
    read.daysTo = startOf(read.last.addDays(1));
    read.monthsFrom = startOf(month.addMonths(-11));
    read.monthsTo = startOf(month.addMonths(1));
    QThreadPool::globalInstance()->start(
        [window = QPointer<UsageWindow>(this), history = m_history, read]() mutable {
            readHistory(history, read);
            // Shown on the window's thread, if the window is still there.
            QMetaObject::invokeMethod(
                qApp,
                [window, read = std::move(read)]() mutable {
                    if (window)
                        window->showRead(std::move(read));
                },
                Qt::QueuedConnection);
        });
}

void UsageWindow::showRead(Read read)
{
    m_plan = std::move(read.plan);
    m_daysFrom = read.daysFrom;
    m_daysTo = read.daysTo;
    m_monthsFrom = read.monthsFrom;
    m_monthsTo = read.monthsTo;
    m_days = std::move(read.days);
    m_months = std::move(read.months);
    m_calls = std::move(read.calls);
    showDays(read.now, read.first, read.last);
    m_monthly->setBars(usage::everyPeriod(m_months, m_monthsFrom, m_monthsTo, usage::Period::Month),
        usage::Period::Month);
    // Fitted when the rows are new, not at each refresh: a column the user widened stays so.
    if (m_model->setRecords(m_calls))
        m_table->resizeColumnsToContents();
    if (read.problem.isEmpty())
        showSummary(read.last);
    else
        m_summary->setText(read.problem);
    m_reading = false;
    m_exportButton->setEnabled(true);
    if (std::exchange(m_readAgain, false))
        reload();
}

void UsageWindow::showDays(const QDateTime& now, QDate first, QDate last)
{
    const QLocale locale;
    m_daily->setTitle(m_plan ? tr("Daily usage, the cycle from %1 to %2")
                                   .arg(locale.toString(first, QLocale::ShortFormat),
                                       locale.toString(last, QLocale::ShortFormat))
                             : tr("Daily usage, %1").arg(usagetexts::monthAndYear(first)));
    const auto days = usage::everyPeriod(m_days, m_daysFrom, m_daysTo, usage::Period::Day);
    m_daily->setBars(days, usage::Period::Day);
    if (!m_plan) {
        m_daily->setCycle(std::nullopt);
        return;
    }
    UsageChart::Cycle cycle;
    cycle.limit = m_plan->limitBytes;
    cycle.used = usage::cumulative(days, m_plan->downloadOnly);
    // The line stops at today: the days to come have no usage yet.
    const auto gone
        = std::clamp<qint64>(first.daysTo(now.date()) + 1, 0, static_cast<qint64>(days.size()));
    cycle.used.resize(static_cast<std::size_t>(gone));
    const std::int64_t used = cycle.used.empty() ? 0 : cycle.used.back();
    cycle.projected = usage::projectAtCycleEnd(used, m_daysFrom, m_daysTo, now.toSecsSinceEpoch());
    if (cycle.projected)
        cycle.projectionText
            = tr("At this rate: %1 by %2")
                  .arg(usagetexts::bytes(*cycle.projected),
                      QLocale().toString(last, tr("d MMM", "the format of the cycle's last day")));
    m_daily->setCycle(std::move(cycle));
}

void UsageWindow::showSummary(QDate last)
{
    if (m_plan) {
        const auto& used = m_daily->cycle()->used;
        const std::int64_t total = used.empty() ? 0 : used.back();
        const qint64 left = std::max<qint64>(0, platform::wallClockNow().date().daysTo(last) + 1);
        const QString usedText = usagetexts::bytes(total);
        const QString limitText = usagetexts::bytes(m_plan->limitBytes);
        // Rounded down, as the tray and the warnings have it: 100% is the limit reached.
        const QString percent
            = QString::number(usage::percentOf(total, usage::ByteLimit { m_plan->limitBytes, {} }));
        m_summary->setText(left == 1
                ? tr("%1 of %2 used, %3%, 1 day left").arg(usedText, limitText, percent)
                : tr("%1 of %2 used, %3%, %4 days left")
                      .arg(usedText, limitText, percent, QString::number(left)));
        return;
    }
    const auto& months = m_monthly->bars();
    const auto total
        = [](const usage::ReportRow& row) { return usage::addBytes(row.sent, row.received); };
    const std::int64_t thisMonth = months.empty() ? 0 : total(months.back());
    const std::int64_t lastMonth = months.size() < 2 ? 0 : total(months[months.size() - 2]);
    m_summary->setText(tr("This month: %1 (%2 sent, %3 received); last month: %4")
                           .arg(usagetexts::bytes(thisMonth),
                               usagetexts::bytes(totalOf(m_days, &usage::ReportRow::sent)),
                               usagetexts::bytes(totalOf(m_days, &usage::ReportRow::received)),
                               usagetexts::bytes(lastMonth)));
}

UsageWindow::Read UsageWindow::shown() const
{
    Read read;
    read.days = m_days;
    read.months = m_months;
    read.calls = m_calls;
    read.monthsFrom = m_monthsFrom;
    read.monthsTo = m_monthsTo;
    return read;
}

QString UsageWindow::exportTo(Report report, Format format, const QString& file) const
{
    return writeReport(shown(), m_history, report, format, file);
}

QString UsageWindow::writeReport(const Read& shown, const std::filesystem::path& history,
    Report report, Format format, const QString& file)
{
    const bool csv = format == Format::Csv;
    std::string text;
    switch (report) {
    case Report::Days:
        text = csv ? usage::periodsCsv(shown.days, usage::Period::Day)
                   : usage::periodsJson(shown.days, usage::Period::Day, {});
        break;
    case Report::Months:
        text = csv ? usage::periodsCsv(shown.months, usage::Period::Month)
                   : usage::periodsJson(shown.months, usage::Period::Month, {});
        break;
    case Report::Connections: {
        // All of the months', not only those the table shows.
        usage::UsageStore store(history, usage::UsageStore::Mode::ReadOnly);
        const auto calls = store.open().empty()
            ? store.connections(shown.monthsFrom, shown.monthsTo)
            : shown.calls;
        text = csv ? usage::callsCsv(calls) : usage::callsJson(calls);
        break;
    }
    }
    // Written beside and renamed over: an old export stays whole until the new one is.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)
        || out.write(text.data(), static_cast<qint64>(text.size()))
            != static_cast<qint64>(text.size())
        || !out.commit())
        return tr("Could not write %1: %2").arg(file, out.errorString());
    return {};
}

void UsageWindow::exportAsked(Report report)
{
    const QString csvFilter = tr("CSV files (*.csv)");
    const QString jsonFilter = tr("JSON files (*.json)");
    QString chosen = csvFilter;
    QString file = QFileDialog::getSaveFileName(this, tr("Export"),
        usageExportPlace(platform::wallClockNow().date()),
        csvFilter + QStringLiteral(";;") + jsonFilter, &chosen);
    if (file.isEmpty())
        return;
    const bool json = file.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
        || (chosen == jsonFilter && !file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive));
    if (QFileInfo(file).suffix().isEmpty())
        file += json ? QStringLiteral(".json") : QStringLiteral(".csv");
    // On a thread of its own: all of a year's connections may be millions.
    m_exportButton->setEnabled(false);
    QThreadPool::globalInstance()->start([window = QPointer<UsageWindow>(this), read = shown(),
                                             history = m_history, report, json, file] {
        const QString problem
            = writeReport(read, history, report, json ? Format::Json : Format::Csv, file);
        QMetaObject::invokeMethod(
            qApp,
            [window, problem] {
                if (!window)
                    return;
                window->m_exportButton->setEnabled(true);
                if (!problem.isEmpty())
                    QMessageBox::warning(window, tr("Export"), problem);
            },
            Qt::QueuedConnection);
    });
}

void UsageWindow::showEvent(QShowEvent* event)
{
    m_refresh.setEnabled(true);
    QDialog::showEvent(event);
}

void UsageWindow::hideEvent(QHideEvent* event)
{
    m_refresh.setEnabled(false);
    QDialog::hideEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagewindow.h"

#include "exportplace.h"
#include "monitor/usagetexts.h"
#include "platform/clock.h"
#include "usage/cycleprojection.h"
#include "usage/historysums.h"
#include "usage/periodseries.h"
#include "usage/usageexport.h"
#include "usage/usagerecorder.h"
#include "usage/usagestore.h"
#include "usagechart.h"
#include "usageconnectionsmodel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
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

UsageWindow::UsageWindow(std::filesystem::path history, Source source, QWidget* parent)
    : QDialog(parent)
    , m_history(std::move(history))
    , m_source(std::move(source))
{
    setWindowTitle(tr("Vantrel - Usage"));
    auto* layout = new QVBoxLayout(this);
    auto* choosing = new QHBoxLayout;
    auto* showLabel = new QLabel(tr("Show:"), this);
    choosing->addWidget(showLabel);
    m_selector = new QComboBox(this);
    // As wide as the window lets it be, never wider: an entry name may be long.
    m_selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_selector->setMinimumContentsLength(24);
    m_selector->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    showLabel->setBuddy(m_selector);
    choosing->addWidget(m_selector, 1);
    m_previous = new QPushButton(this);
    m_next = new QPushButton(this);
    // Nothing to step through until the first read has come in.
    m_previous->setEnabled(false);
    m_next->setEnabled(false);
    choosing->addWidget(m_previous);
    choosing->addWidget(m_next);
    layout->addLayout(choosing);
    connect(m_selector, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= m_choices.size())
            return;
        m_choice = m_choices[static_cast<std::size_t>(index)];
        m_day.reset();
        reload();
    });
    connect(m_previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(1); });

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
    m_table->setWordWrap(false);
    layout->addWidget(m_table, 3);
    // New rows are fitted whole; at a refresh, the rows that changed or came widen their columns
    // as they need, and a column the user widened stays so.
    connect(m_model, &QAbstractItemModel::modelReset, this,
        [this] { fitColumns(0, m_model->rowCount() - 1, true); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex&, int first, int last) { fitColumns(first, last, false); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
            fitColumns(topLeft.row(), bottomRight.row(), false);
        });

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

UsageWindow::UsageWindow(std::filesystem::path history, QWidget* parent)
    : UsageWindow(std::move(history), Source(), parent)
{
}

struct UsageWindow::Read
{
    usage::ViewChoice choice;
    usage::ViewPeriod period;
    std::vector<usage::DataPlan> plans;
    bool present = true;
    QDateTime now;
    std::int64_t monthsFrom = 0, monthsTo = 0;
    // What the recorder held as the read began, and its count of writes then.
    std::vector<usage::Bucket> unwritten;
    std::uint64_t generation = 0;
    std::vector<usage::ReportRow> days;
    std::vector<usage::ReportRow> months;
    std::vector<usage::ConnectionRecord> calls;
    std::vector<QString> names; // those the history and the recorder hold bytes of
    std::optional<std::int64_t> firstStart; // of the oldest bytes
    QString problem;
};

namespace {

// The reads of one refresh, on a thread of their own with a connection of their own.
void readHistory(const std::filesystem::path& history, UsageWindow::Read& read)
{
    // A plan of one entry name counts that name's bytes alone, as its warnings do.
    const std::string name = read.choice.name.toStdString();
    std::optional<usage::UsageStore> store;
    if (std::filesystem::exists(history)) {
        store.emplace(history, usage::UsageStore::Mode::ReadOnly);
        read.problem = QString::fromStdString(store->open());
    } else if (read.unwritten.empty()) {
        read.problem = UsageWindow::tr("Nothing has been recorded yet.");
    }
    usage::UsageStore* written = store && store->isOpen() ? &*store : nullptr;
    read.days = usage::report(
        usage::sumsWithUnwritten(written, read.unwritten, read.period.start, read.period.end, name),
        usage::Period::Day);
    read.months = usage::report(
        usage::sumsWithUnwritten(written, read.unwritten, read.monthsFrom, read.monthsTo, name),
        usage::Period::Month);
    if (written) {
        read.calls = written->newestConnections(
            read.monthsFrom, read.monthsTo, UsageWindow::kShownConnections, name);
        for (const std::string& known : written->names())
            read.names.push_back(QString::fromStdString(known));
        read.firstStart = written->firstStart();
        read.problem = QString::fromStdString(written->readError());
    }
    for (const usage::Bucket& held : read.unwritten) {
        read.names.push_back(QString::fromStdString(held.name));
        read.firstStart = std::min(read.firstStart.value_or(held.start), held.start);
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
    read.plans = m_source.plans ? m_source.plans() : std::vector<usage::DataPlan>();
    read.now = platform::wallClockNow();
    const QDate today = read.now.date();
    const auto followed = [&] {
        return usage::firstChoice(
            read.plans, m_source.followedEntry ? m_source.followedEntry() : QString());
    };
    if (!m_choice)
        m_choice = followed();
    auto period = usage::periodOf(*m_choice, read.plans, m_day.value_or(today));
    if (!period) {
        // The plan shown was removed: what the tray tells of now, as at the window's opening.
        m_choice = followed();
        m_day.reset();
        period = usage::periodOf(*m_choice, read.plans, today);
    }
    read.choice = *m_choice;
    read.period = *period;
    read.present = period->first <= today && today <= period->last;
    if (read.present)
        m_day.reset();
    m_plans = read.plans;
    const QDate month(today.year(), today.month(), 1);
    read.monthsFrom = startOf(month.addMonths(-11));
    read.monthsTo = startOf(month.addMonths(1));
    if (m_source.recorder) {
        read.unwritten = m_source.recorder->pending();
        read.generation = m_source.recorder->pendingGeneration();
    }
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
    m_reading = false;
    if (m_source.recorder && m_source.recorder->pendingGeneration() != read.generation) {
        // The recorder wrote what it held while the history was read: the bytes held may be
        // counted twice.
        reload();
        return;
    }
    m_shownChoice = read.choice;
    m_period = read.period;
    m_present = read.present;
    m_monthsFrom = read.monthsFrom;
    m_monthsTo = read.monthsTo;
    m_days = std::move(read.days);
    m_months = std::move(read.months);
    m_calls = std::move(read.calls);
    showChoices(read);
    showDays(read.now);
    m_monthly->setBars(usage::everyPeriod(m_months, m_monthsFrom, m_monthsTo, usage::Period::Month),
        usage::Period::Month);
    m_model->setRecords(m_calls);
    if (read.problem.isEmpty())
        showSummary(read.now);
    else
        m_summary->setText(read.problem);
    const bool cycles = m_shownChoice.kind == usage::ViewChoice::Kind::Cycles;
    m_previous->setText(cycles ? tr("Previous cycle") : tr("Previous month"));
    m_next->setText(cycles ? tr("Next cycle") : tr("Next month"));
    m_previous->setEnabled(read.firstStart && *read.firstStart < m_period.start);
    m_next->setEnabled(!m_present);
    m_exportButton->setEnabled(true);
    if (std::exchange(m_readAgain, false))
        reload();
}

void UsageWindow::showChoices(const Read& read)
{
    std::vector<QString> names = read.names;
    if (m_choice && m_choice->kind == usage::ViewChoice::Kind::Months)
        names.push_back(m_choice->name);
    std::vector<usage::ViewChoice> choices = usage::viewChoices(read.plans, std::move(names));
    // Filled again only when they changed: an open list would close at each refresh.
    if (choices != m_choices) {
        const QSignalBlocker quiet(m_selector);
        m_choices = std::move(choices);
        m_selector->clear();
        for (const usage::ViewChoice& choice : m_choices)
            m_selector->addItem(choiceText(choice));
    }
    // What is asked for, which a choice made during the read may have changed already.
    const usage::ViewChoice& selected = m_choice.value_or(read.choice);
    auto at = std::find(m_choices.begin(), m_choices.end(), selected);
    if (at == m_choices.end())
        at = std::find(m_choices.begin(), m_choices.end(), read.choice);
    const QSignalBlocker quiet(m_selector);
    m_selector->setCurrentIndex(
        at == m_choices.end() ? -1 : static_cast<int>(at - m_choices.begin()));
}

QString UsageWindow::choiceText(const usage::ViewChoice& choice) const
{
    if (choice.kind == usage::ViewChoice::Kind::Cycles)
        return choice.name.isEmpty() ? tr("Billing cycles of the plan for all connections")
                                     : tr("Billing cycles of the plan for %1").arg(choice.name);
    return choice.name.isEmpty() ? tr("Calendar months of all connections")
                                 : tr("Calendar months of %1").arg(choice.name);
}

void UsageWindow::step(int direction)
{
    if (!m_choice)
        return;
    // From the period last asked for: a second click before its read came in goes on from it.
    const QDate today = platform::wallClockNow().date();
    const auto asked = usage::periodOf(*m_choice, m_plans, m_day.value_or(today));
    if (!asked)
        return;
    m_day = direction < 0 ? asked->first.addDays(-1) : asked->last.addDays(1);
    reload();
}

void UsageWindow::fitColumns(int first, int last, bool exact)
{
    // The view's own fitting lays out every cell through its delegate: here the texts are measured
    // and the delegate asked of the widest of each column alone.
    const QFontMetrics metrics(m_table->font());
    QHeaderView& header = *m_table->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int widest = -1;
        QModelIndex widestCell;
        for (int row = first; row <= last; ++row) {
            const QModelIndex cell = m_model->index(row, column);
            const int width = metrics.horizontalAdvance(cell.data().toString());
            if (width > widest) {
                widest = width;
                widestCell = cell;
            }
        }
        int needed = header.sectionSizeHint(column);
        if (widestCell.isValid())
            needed = std::max(needed,
                m_table->sizeHintForIndex(widestCell).width() + (m_table->showGrid() ? 1 : 0));
        if (exact || needed > m_table->columnWidth(column))
            m_table->setColumnWidth(column, needed);
    }
}

void UsageWindow::showDays(const QDateTime& now)
{
    const QLocale locale;
    const QDate first = m_period.first;
    const QDate last = m_period.last;
    m_daily->setTitle(m_period.plan ? tr("Daily usage, the cycle from %1 to %2")
                                          .arg(locale.toString(first, QLocale::ShortFormat),
                                              locale.toString(last, QLocale::ShortFormat))
                                    : tr("Daily usage, %1").arg(usagetexts::monthAndYear(first)));
    const auto days = usage::everyPeriod(m_days, m_period.start, m_period.end, usage::Period::Day);
    m_daily->setBars(days, usage::Period::Day);
    if (!m_period.plan) {
        m_daily->setCycle(std::nullopt);
        return;
    }
    UsageChart::Cycle cycle;
    cycle.limit = m_period.plan->limit.bytes;
    cycle.used = usage::cumulative(days, m_period.plan->downloadOnly);
    // The line stops at today: the days to come have no usage yet.
    const auto gone
        = std::clamp<qint64>(first.daysTo(now.date()) + 1, 0, static_cast<qint64>(days.size()));
    cycle.used.resize(static_cast<std::size_t>(gone));
    const std::int64_t used = cycle.used.empty() ? 0 : cycle.used.back();
    cycle.projected
        = usage::projectAtCycleEnd(used, m_period.start, m_period.end, now.toSecsSinceEpoch());
    if (cycle.projected)
        cycle.projectionText
            = tr("At this rate: %1 by %2")
                  .arg(usagetexts::bytes(*cycle.projected),
                      QLocale().toString(last, tr("d MMM", "the format of the cycle's last day")));
    m_daily->setCycle(std::move(cycle));
}

void UsageWindow::showSummary(const QDateTime& now)
{
    if (m_period.plan) {
        const auto& used = m_daily->cycle()->used;
        const std::int64_t total = used.empty() ? 0 : used.back();
        const usage::ByteLimit& limit = m_period.plan->limit;
        const QString usedText = usagetexts::bytes(total);
        const QString limitText = usagetexts::bytes(limit.bytes);
        // Rounded down, as the tray and the warnings have it: 100% is the limit reached.
        const QString percent = QString::number(usage::percentOf(total, limit));
        if (!m_present) {
            m_summary->setText(tr("%1 of %2 used, %3%").arg(usedText, limitText, percent));
            return;
        }
        const int left
            = static_cast<int>(std::max<qint64>(0, now.date().daysTo(m_period.last) + 1));
        const QString state = left == 1
            ? tr("%1 of %2 used, %3%, 1 day left").arg(usedText, limitText, percent)
            : tr("%1 of %2 used, %3%, %4 days left")
                  .arg(usedText, limitText, percent, QString::number(left));
        // A line of its own: the state reads as the tray's, and each line is translated whole.
        const std::int64_t perDay = usage::leftPerDay(total, limit, left).value_or(0);
        const QString share = perDay == 0 ? tr("Nothing left for the days remaining")
            : left == 1 ? tr("Left for the last day: %1").arg(usagetexts::bytes(perDay))
                        : tr("Left per remaining day: %1").arg(usagetexts::bytes(perDay));
        m_summary->setText(state + QLatin1Char('\n') + share);
        return;
    }
    const std::int64_t sent = totalOf(m_days, &usage::ReportRow::sent);
    const std::int64_t received = totalOf(m_days, &usage::ReportRow::received);
    if (!m_present) {
        m_summary->setText(tr("%1: %2 (%3 sent, %4 received)")
                               .arg(usagetexts::monthAndYear(m_period.first),
                                   usagetexts::bytes(usage::addBytes(sent, received)),
                                   usagetexts::bytes(sent), usagetexts::bytes(received)));
        return;
    }
    const auto& months = m_monthly->bars();
    const auto total
        = [](const usage::ReportRow& row) { return usage::addBytes(row.sent, row.received); };
    const std::int64_t thisMonth = months.empty() ? 0 : total(months.back());
    const std::int64_t lastMonth = months.size() < 2 ? 0 : total(months[months.size() - 2]);
    m_summary->setText(tr("This month: %1 (%2 sent, %3 received); last month: %4")
                           .arg(usagetexts::bytes(thisMonth), usagetexts::bytes(sent),
                               usagetexts::bytes(received), usagetexts::bytes(lastMonth)));
}

UsageWindow::Read UsageWindow::shown() const
{
    Read read;
    read.choice = m_shownChoice;
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
    const std::string name = shown.choice.name.toStdString();
    std::string text;
    switch (report) {
    case Report::Days:
        text = csv ? usage::periodsCsv(shown.days, usage::Period::Day)
                   : usage::periodsJson(shown.days, usage::Period::Day, name);
        break;
    case Report::Months:
        text = csv ? usage::periodsCsv(shown.months, usage::Period::Month)
                   : usage::periodsJson(shown.months, usage::Period::Month, name);
        break;
    case Report::Connections: {
        // All of the months', not only those the table shows.
        usage::UsageStore store(history, usage::UsageStore::Mode::ReadOnly);
        const auto calls = store.open().empty()
            ? store.connections(shown.monthsFrom, shown.monthsTo, name)
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

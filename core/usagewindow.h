// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/platformtimer.h"
#include "usage/dataplan.h"
#include "usage/records.h"
#include "usage/usagereport.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class UsageChart;
class UsageConnectionsModel;

// "Usage...": the daily bars of the present cycle (with a plan: its cycle, limit and
// projection; without: the calendar month), the monthly bars of the last twelve months, the
// newest connections of those months, and their export. It reads the history read-only when
// opened and again at most once a minute of the platform's clock while it shows, the pace at
// which the recorder writes. Each read runs on a thread of its own, so a long history never
// holds the window, and reads what the window shows: the table the newest kShownConnections.
class UsageWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Report { Days, Months, Connections };
    enum class Format { Csv, Json };

    // The plan to show, asked at each read, so a new cycle or a changed plan shows at the next
    // one; none (or no source) for the calendar month.
    using PlanSource = std::function<std::optional<usage::UsagePlanView>()>;

    explicit UsageWindow(
        std::filesystem::path history, PlanSource plan = {}, QWidget* parent = nullptr);

    static constexpr std::int64_t kShownConnections = 5000;

    // Reads the plan and the history again; the figures come when the read is done.
    void reload();
    // Whether a read is under way; the window shows the last one's figures meanwhile.
    bool reloading() const { return m_reading; }

    // Writes one report as shown, in the form vantrel-usage gives it; empty, or what went
    // wrong naming the file.
    QString exportTo(Report report, Format format, const QString& file) const;

    UsageChart* dailyChart() const { return m_daily; }
    UsageChart* monthlyChart() const { return m_monthly; }
    QTableView* connectionsTable() const { return m_table; }
    UsageConnectionsModel* connectionsModel() const { return m_model; }
    QLabel* summary() const { return m_summary; }

    struct Read; // what one read of the history found

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showRead(Read read);
    void showDays(const QDateTime& now, QDate first, QDate last);
    void showSummary(QDate last);
    // Widens the table's columns to the texts of rows [first, last]; `exact` fits them to those.
    void fitColumns(int first, int last, bool exact);
    void exportAsked(Report report);
    // What the window shows, for a report written beside it.
    Read shown() const;
    static QString writeReport(const Read& shown, const std::filesystem::path& history,
        Report report, Format format, const QString& file);

    std::filesystem::path m_history;
    PlanSource m_planSource;
    std::optional<usage::UsagePlanView> m_plan; // as of the last read
    // As read: the reports without their empty periods, as vantrel-usage gives them.
    std::vector<usage::ReportRow> m_days;
    std::vector<usage::ReportRow> m_months;
    std::vector<usage::ConnectionRecord> m_calls; // the newest, as shown
    std::int64_t m_daysFrom = 0, m_daysTo = 0, m_monthsFrom = 0, m_monthsTo = 0;
    bool m_reading = false;
    bool m_readAgain = false; // asked for while a read was under way

    QLabel* m_summary;
    UsageChart* m_daily;
    UsageChart* m_monthly;
    QTableView* m_table;
    UsageConnectionsModel* m_model;
    QPushButton* m_exportButton;
    PlatformTimer m_refresh;
};

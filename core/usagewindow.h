// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/platformtimer.h"
#include "usage/dataplan.h"
#include "usage/records.h"
#include "usage/usagereport.h"
#include "usage/usageview.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class UsageChart;
class UsageConnectionsModel;

namespace usage {
class UsageRecorder;
}

// "Usage...": the daily bars of a plan's billing cycle (with its limit and projection) or of a
// calendar month, the monthly bars of the last twelve months, the newest connections of those
// months, and their export; of the bytes a plan counts, of all connections or of one entry name,
// as the selector at the top says. It opens with the plan the tray tells of and keeps to what is
// chosen; earlier cycles and months are a step back. It reads the history read-only when opened
// and again at most once a minute of the platform's clock while it shows, the pace at which the
// recorder writes, and adds what the recorder holds and has not written yet, as the plans do, so
// it says what the tray says. Each read runs on a thread of its own, so a long history never
// holds the window, and reads what the window shows: the table the newest kShownConnections.
class UsageWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Report { Days, Months, Connections };
    enum class Format { Csv, Json };

    // What the window reads beside the history, asked at each read.
    struct Source
    {
        // The plans as the monitor follows them.
        std::function<std::vector<usage::DataPlan>()> plans;
        // The entry name whose plan the tray tells of: the window opens with that plan.
        std::function<QString()> followedEntry;
        // Holds the bytes not written yet; none: all are written.
        const usage::UsageRecorder* recorder = nullptr;
    };

    UsageWindow(std::filesystem::path history, Source source, QWidget* parent = nullptr);
    // The history alone: no plan, every byte written.
    explicit UsageWindow(std::filesystem::path history, QWidget* parent = nullptr);

    static constexpr std::int64_t kShownConnections = 5000;

    // Reads the plans and the history again; the figures come when the read is done.
    void reload();
    // Whether a read is under way; the window shows the last one's figures meanwhile.
    bool reloading() const { return m_reading; }

    // Writes one report as shown, in the form vantrel-usage gives it; empty, or what went
    // wrong naming the file.
    QString exportTo(Report report, Format format, const QString& file) const;

    // What the figures shown are of, and the period the daily bars cover.
    const usage::ViewChoice& choice() const { return m_shownChoice; }
    const usage::ViewPeriod& period() const { return m_period; }

    QComboBox* viewSelector() const { return m_selector; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* nextButton() const { return m_next; }
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
    void showChoices(const Read& read);
    void showDays(const QDateTime& now);
    void showSummary(const QDateTime& now);
    // Another period of what is shown: -1 the one before, 1 the one after.
    void step(int direction);
    QString choiceText(const usage::ViewChoice& choice) const;
    // Widens the table's columns to the texts of rows [first, last]; `exact` fits them to those.
    void fitColumns(int first, int last, bool exact);
    void exportAsked(Report report);
    // What the window shows, for a report written beside it.
    Read shown() const;
    static QString writeReport(const Read& shown, const std::filesystem::path& history,
        Report report, Format format, const QString& file);

    std::filesystem::path m_history;
    Source m_source;
    // What is asked for: none until the first read, which takes the tray's plan.
    std::optional<usage::ViewChoice> m_choice;
    // A day of the period asked for; none for the one holding today.
    std::optional<QDate> m_day;
    std::vector<usage::DataPlan> m_plans; // as of the last read
    std::vector<usage::ViewChoice> m_choices; // the selector's, in its order
    // As read: what the figures are of, and the reports without their empty periods, as
    // vantrel-usage gives them.
    usage::ViewChoice m_shownChoice;
    usage::ViewPeriod m_period;
    bool m_present = true; // the period holds today
    std::vector<usage::ReportRow> m_days;
    std::vector<usage::ReportRow> m_months;
    std::vector<usage::ConnectionRecord> m_calls; // the newest, as shown
    std::int64_t m_monthsFrom = 0, m_monthsTo = 0;
    bool m_reading = false;
    bool m_readAgain = false; // asked for while a read was under way

    QComboBox* m_selector;
    QPushButton* m_previous;
    QPushButton* m_next;
    QLabel* m_summary;
    UsageChart* m_daily;
    UsageChart* m_monthly;
    QTableView* m_table;
    UsageConnectionsModel* m_model;
    QPushButton* m_exportButton;
    PlatformTimer m_refresh;
};

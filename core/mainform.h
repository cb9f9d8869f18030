// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aboutform.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "antiidle.h"
#include "components/base/myreg.h"
#include "components/base/storedsettings.h"
#include "components/base/wave.h"
#include "components/trayiconcomp.h"
#include "components/trend.h"
#include "components/versinfo.h"
#include "connectionchooser.h"
#include "connectionlog.h"
#include "connectionstats.h"
#include "dataplanform.h"
#include "errorreport.h"
#include "figurelabel.h"
#include "formats.h"
#include "monform.h"
#include "platformtimer.h"
#include "platformwarnings.h"
#include "usage/planwatch.h"
#include "usage/usagerecorder.h"
#include "usagewindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

// The main window: the current, last and total connection figures, the trend graph and the
// on-screen log, and the components the monitor works through. Its status poll runs once a
// second of the platform's clock.
class TMainForm : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(TMainForm)

public:
    // `executable` places the connection log file (beside it); the running program by default.
    explicit TMainForm(const std::filesystem::path& executable = {});
    ~TMainForm() override;

    // Start-up: restores options and statistics, writes the first log lines and starts the
    // statistics and the poll.
    void FormCreate();
    // The close that ends the program: stores positions, a running connection and options.
    void FormClose();
    // One tick of the status poll.
    void TimerStatusTimer();
    // Saves the ended connection's figures with `offline` as its offline time.
    void SaveStats(const QDateTime& offline);
    void AddLogLine(const QString& text);

    TMonForm& MonForm() { return *m_monForm; }
    // Made when first asked for: its picture is decoded only for a user who opens it.
    TAboutForm& AboutForm();
    const ConnectionStats& stats() const { return m_stats; }
    const PollState& poll() const { return m_poll; }
    const AntiIdle& antiIdleFetch() const { return m_antiIdle; }
    PlatformTimer& TimerStatus() { return m_timerStatus; }

    // Components, named as in the design.
    TRasCon RasCon;
    TRasPer RasPer;
    TMyReg MyReg;
    TVersionInfoResource VerInfo;
    TTrayIcon TrayIcon;
    TWave Wave;
    net::TNetHTTP HTTP;

    // Controls.
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    TTrend* Trend;
    QPlainTextEdit* Connlog;
    FigureLabel *LabelConn, *LabelSpeed, *LabelSent, *LabelRecv, *LabelDuration, *LabelDNS1,
        *LabelDNS2, *LabelServerIP, *LabelClientIP, *LabelUpSpeed, *LabelDownSpeed;
    FigureLabel *LabelLastConn, *LabelLastSpeed, *LabelLastSent, *LabelLastRecv, *LabelLastDuration;
    FigureLabel *LabelTotalSent, *LabelTotalRecv, *LabelTotalDuration;
    QLabel* Reset;

    // The popup menu shared by the window, the tray icon and the monitor window.
    QMenu* PopupMenu;
    QAction *MenuShowWindow, *MenuAlwaysOnTop, *MenuMinimizeToTray, *MenuStartMinimized,
        *MenuLoadOnStartup, *MenuSaveLog, *MenuAntiIdle, *MenuSound, *MenuShowMonitor,
        *MenuHideMonitor, *MenuTransparent, *MenuCopyIPtoClipboard, *MenuAboutVantrel, *MenuExit;
    QAction *MenuConnections, *MenuUsage, *MenuDataPlan;

    // Commands. A check-mark item has toggled its mark when its handler runs (QAction::trigger).
    void MenuShowWindowClick();
    void MenuAlwaysOnTopClick();
    void MenuMinimizetoTrayClick();
    void MenuLoadOnStartupClick();
    void MenuShowMonitorClick();
    void MenuHideMonitorClick();
    void MenuTransparentClick();
    void MenuExitClick();
    void MenuAboutVantrelClick();
    void MenuAntiIdleClick();
    void MenuConnectionsClick();
    ConnectionChooser* connectionChooser() const { return m_connections.get(); }
    // "Usage...": one window, raised when it is open, gone when closed.
    void MenuUsageClick();
    UsageWindow* usageWindow() const { return m_usageWindow; }
    // The data plan the usage window draws, if any.
    std::optional<usage::UsagePlanView> usagePlan() const;
    void MenuDataPlanClick();
    DataPlanForm* dataPlanDialog() const { return m_dataPlanForm.get(); }
    const usage::PlanWatch& plans() const { return m_plans; }
    void HTTPEndTransfer(QObject* Sender, int Direction);
    void LabelClientIPDblClick();
    void ResetDblClick();
    // Exit, log-off and termination requests: the close that ends the program.
    void terminate() { MenuExitClick(); }

    // Values kept by FormCreate that no command changes.
    QString AntiIdleWeb;
    std::int32_t AntiIdleBytes = 81920;
    std::int32_t AntiIdleTimer = 300;
    std::int32_t MaxGraph = 0;
    std::int32_t MinGraph = 0;

    static constexpr int kMaxLogLines = 5000;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The running connection ends now: its figures are saved and its usage record closed at one
    // moment, so the log file's offline time and the history's end agree.
    void endConnection();
    void buildLayout();
    void buildMenu();
    FigureLabel* figure(QGroupBox* group, int top, int right);
    void row(QGroupBox* group, int top, const QString& caption, FigureLabel*& label,
        const QString& unit = {}, int right = 0);
    // A stored statistic shown in `label`, as a number; 0, and a log line, when it is none.
    double restoreBytes(settings::Key<QString> stored, FigureLabel* label);
    std::int64_t restoreSeconds(settings::Key<QString> stored, FigureLabel* label);
    void notANumber(settings::Key<QString> stored, FigureLabel* label);
    QString bytes(double value) const { return formatBytes(value, m_groupSeparator); }
    // The poll's steps: the first connected tick, every later one, the first tick after.
    void connectStep();
    void measureStep();
    void disconnectStep();
    // The tray hint: `base` with the state line of the plan that applies, if any.
    void setHint(const QString& base);
    // Each tick: the data plans' warnings, and the hint when the plan's line changed.
    void checkPlans();
    void reloadPlans();
    // The entry name whose plan the hint shows: the connection's, else the last one's.
    QString planEntryName() const;
    QString programFolder() const;
    // A sound of the program: beside the executable, else in the installed data folder.
    QString soundFile(const QString& name) const;
    struct OptionSetting
    {
        QAction* action;
        settings::Key<bool> stored;
    };
    std::vector<OptionSetting> options() const;

    ConnectionStats m_stats;
    PollState m_poll;
    PlatformTimer m_timerStatus;
    std::unique_ptr<TMonForm> m_monForm;
    std::unique_ptr<TAboutForm> m_aboutForm;
    std::unique_ptr<ConnectionChooser> m_connections;
    QPointer<UsageWindow> m_usageWindow;
    std::unique_ptr<DataPlanForm> m_dataPlanForm;
    PlatformWarnings m_platformWarnings;
    ErrorReport m_errors;
    ConnectionLogFile m_logFile;
    AntiIdle m_antiIdle;
    usage::UsageRecorder m_usage;
    usage::PlanWatch m_plans;
    QString m_hintBase; // the hint without the plan's line
    QString m_hintShown;
    bool m_closed = false;
    bool m_exiting = false; // the close is an Exit, not the title bar's close button
    QString m_groupSeparator; // the locale's, looked up once
};

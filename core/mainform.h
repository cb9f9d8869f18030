// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aboutform.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "components/base/myreg.h"
#include "components/base/storedsettings.h"
#include "components/base/wave.h"
#include "components/trayiconcomp.h"
#include "components/trend.h"
#include "components/versinfo.h"
#include "connectionchooser.h"
#include "dataplanform.h"
#include "figurelabel.h"
#include "monform.h"
#include "monitor/connectionmonitor.h"
#include "monitor/errorreport.h"
#include "monitor/platformtimer.h"
#include "monitor/platformwarnings.h"
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
// on-screen log, and the components the monitor works through. It shows what its connection
// monitor keeps, whose status poll it runs once a second of the platform's clock, and forwards
// the commands.
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
    const ConnectionMonitor& monitor() const { return m_monitor; }
    const ConnectionStats& stats() const { return m_monitor.stats(); }
    const PollState& poll() const { return m_monitor.poll(); }
    const AntiIdle& antiIdleFetch() const { return m_monitor.antiIdle(); }
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
    // What the usage window reads beside the history: the plans and the bytes not yet written.
    UsageWindow::Source usageSource() const;
    void MenuDataPlanClick();
    DataPlanForm* dataPlanDialog() const { return m_dataPlanForm.get(); }
    const usage::PlanWatch& plans() const { return m_monitor.plans(); }
    void HTTPEndTransfer(QObject* Sender, int Direction);
    void LabelClientIPDblClick();
    void ResetDblClick();
    // Exit, log-off and termination requests: the close that ends the program.
    void terminate() { MenuExitClick(); }

    static constexpr int kMaxLogLines = 5000;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildMenu();
    // Start-up's steps.
    void restoreOptions();
    void showWindows();
    void logStart();
    void clearCurrentFigures();
    // The monitor's changes shown.
    void followMonitor();
    void showConnected();
    void showMeasured(bool rated);
    void showDisconnected();
    void showTotals();
    void showLast();
    void announce(ConnectionMonitor::Notice kind, const QString& title, const QString& text);
    FigureLabel* figure(QGroupBox* group, int top, int right);
    void row(QGroupBox* group, int top, const QString& caption, FigureLabel*& label,
        const QString& unit = {}, int right = 0);
    void reloadPlans();
    QString programFolder() const;
    // A sound of the program: beside the executable, else in the installed data folder.
    QString soundFile(const QString& name) const;
    struct OptionSetting
    {
        QAction* action;
        settings::Key<bool> stored;
    };
    std::vector<OptionSetting> options() const;

    PlatformTimer m_timerStatus;
    std::unique_ptr<TMonForm> m_monForm;
    std::unique_ptr<TAboutForm> m_aboutForm;
    std::unique_ptr<ConnectionChooser> m_connections;
    QPointer<UsageWindow> m_usageWindow;
    std::unique_ptr<DataPlanForm> m_dataPlanForm;
    PlatformWarnings m_platformWarnings;
    ErrorReport m_errors;
    ConnectionMonitor m_monitor;
    bool m_closed = false;
    bool m_exiting = false; // the close is an Exit, not the title bar's close button
};

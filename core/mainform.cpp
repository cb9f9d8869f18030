// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainform.h"

#include "components/windowstacking.h"
#include "formats.h"
#include "logging.h"
#include "platform/clock.h"
#include "platform/win/winbase.h"
#include "platform/xdg.h"
#include "screenplace.h"
#include "usagetexts.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFont>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {

// The stored mark of "none yet" (the default of the last connection's name and times), shown in
// the user's words; the registry keeps the mark itself.
QString shownStored(const QString& stored)
{
    const auto none = settings::key<"LastConn">.setting.text;
    return stored == QLatin1String(none.data(), static_cast<qsizetype>(none.size()))
        ? TMainForm::tr("N/A")
        : stored;
}

QLabel* label(
    QWidget* parent, const QString& text, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    result->setAlignment(alignment | Qt::AlignVCenter);
    result->setToolTipDuration(10000);
    return result;
}

} // namespace

TMainForm::TMainForm(const std::filesystem::path& executable)
    : QWidget(nullptr,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
    , m_platformWarnings([this](const QString& line) { AddLogLine(line); })
    , m_errors(
          [] { return win::GetTickCount64(); }, [this](const QString& line) { AddLogLine(line); })
    , m_logFile(executable.empty()
              ? std::filesystem::path(QCoreApplication::applicationFilePath().toStdString())
              : executable,
          platform::xdg::stateHome(), [this](const QString& line) { AddLogLine(line); })
    , m_antiIdle(HTTP, [this](const QString& line) { AddLogLine(line); })
    , m_usage(usage::UsageStore::defaultFile(),
          [this](const std::string& line) { AddLogLine(QString::fromStdString(line)); })
    , m_plans(MyReg, m_usage, usagetexts::figure)
{
    settings::useMonitorKey(MyReg);
    VerInfo.SetShowResource(TPreDefs::all());
    VerInfo.Loaded();
    TrayIcon.SetHint(QStringLiteral("Vantrel"));
    buildLayout();
    buildMenu();
    setWindowIcon(vantrelIcon());
    TrayIcon.SetIcon(vantrelIcon());
    TrayIcon.SetPopupMenu(PopupMenu);
    m_timerStatus.setInterval(1000);
    m_timerStatus.OnTimer = [this] { TimerStatusTimer(); };
    AntiIdle::applyHttpDesign(HTTP);
    HTTP.OnEndTransfer
        = [this](QObject* Sender, int Direction) { HTTPEndTransfer(Sender, Direction); };
}

TMainForm::~TMainForm()
{
    delete m_usageWindow;
}

TAboutForm& TMainForm::AboutForm()
{
    if (!m_aboutForm)
        m_aboutForm = std::make_unique<TAboutForm>();
    return *m_aboutForm;
}

FigureLabel* TMainForm::figure(QGroupBox* group, int top, int right)
{
    // Right-aligned from a fixed right edge, so a long text grows to the left.
    auto* result = new FigureLabel(group, Qt::AlignRight);
    result->setGeometry(15, top, right - 15, 14);
    return result;
}

void TMainForm::row(QGroupBox* group, int top, const QString& caption, FigureLabel*& figureLabel,
    const QString& unit, int right)
{
    if (right == 0)
        right = unit.isEmpty() ? 225 : 190;
    // A caption longer than the design's 100 pixels (some languages' words) takes the room up
    // to the figure's edge; the figure, growing left, stops short of it in daily use.
    if (!caption.isEmpty())
        label(group, caption, QRect(15, top, right - 15, 14));
    figureLabel = figure(group, top, right);
    if (!unit.isEmpty())
        label(group, unit, QRect(right + 2, top, 225 - right - 2, 14), Qt::AlignRight);
}

void TMainForm::buildLayout()
{
    setWindowTitle(QStringLiteral("Vantrel"));
    setFixedSize(528, 354);
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    GroupBox2 = new QGroupBox(tr("  Current Connection  "), this);
    GroupBox2->setGeometry(16, 14, 240, 258);
    GroupBox1 = new QGroupBox(tr("  Last Connection  "), this);
    GroupBox1->setGeometry(274, 14, 240, 126);
    GroupBox3 = new QGroupBox(tr("  Total Connection  "), this);
    GroupBox3->setGeometry(274, 154, 240, 118);

    row(GroupBox2, 24, tr("Connection:"), LabelConn);
    row(GroupBox2, 42, tr("Speed:"), LabelSpeed, tr("bits/s"));
    row(GroupBox2, 60, tr("Sent:"), LabelSent, tr("bytes"));
    row(GroupBox2, 78, tr("Received:"), LabelRecv, tr("bytes"));
    row(GroupBox2, 96, tr("Duration:"), LabelDuration);
    row(GroupBox2, 128, tr("DNS Server:"), LabelDNS1);
    row(GroupBox2, 146, QString(), LabelDNS2);
    row(GroupBox2, 164, tr("Server IP:"), LabelServerIP);
    row(GroupBox2, 182, tr("Client IP:"), LabelClientIP);
    row(GroupBox2, 214, tr("Upload Speed:"), LabelUpSpeed, tr("bytes/s"), 180);
    row(GroupBox2, 232, tr("Download Speed:"), LabelDownSpeed, tr("bytes/s"), 180);
    LabelDuration->setCursor(Qt::PointingHandCursor);
    LabelClientIP->setCursor(Qt::PointingHandCursor);
    LabelClientIP->setToolTip(tr("Double click to copy to clipboard"));

    row(GroupBox1, 24, tr("Connection:"), LabelLastConn);
    row(GroupBox1, 42, tr("Speed:"), LabelLastSpeed, tr("bits/s"));
    row(GroupBox1, 60, tr("Sent:"), LabelLastSent, tr("bytes"));
    row(GroupBox1, 78, tr("Received:"), LabelLastRecv, tr("bytes"));
    row(GroupBox1, 96, tr("Duration:"), LabelLastDuration);
    LabelLastDuration->setCursor(Qt::PointingHandCursor);

    row(GroupBox3, 24, tr("Sent:"), LabelTotalSent, tr("bytes"));
    row(GroupBox3, 42, tr("Received:"), LabelTotalRecv, tr("bytes"));
    row(GroupBox3, 60, tr("Duration:"), LabelTotalDuration);
    Reset = label(GroupBox3, tr("Reset"), QRect(75, 86, 90, 18), Qt::AlignHCenter);
    Reset->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Reset->setCursor(Qt::PointingHandCursor);
    Reset->setToolTip(tr("Double click to reset stats"));

    Trend = new TTrend(this);
    Trend->setGeometry(16, 290, 240, 50);
    Trend->SetBorderWidth(1);
    Trend->SetColor(clBtnFace);
    Trend->SetMinVal(0);
    Trend->SetMaxVal(7000);
    Trend->SetDivisions(238);
    Trend->SetOptions({ toTwin });
    Trend->SetStyle(tsBar);
    Trend->SetColorDataA(clLime);
    Trend->SetColorDataB(clRed);

    Connlog = new QPlainTextEdit(this);
    Connlog->setGeometry(274, 290, 240, 50);
    Connlog->setReadOnly(true);
    Connlog->setFocusPolicy(Qt::NoFocus);
    Connlog->setFrameShape(QFrame::NoFrame);
    // A memo wraps its lines: the whole of the newest line is read, in any language, and a long
    // file name breaks where it must.
    Connlog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Connlog->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Connlog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Connlog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Connlog->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(button); }"));

    m_monForm = std::make_unique<TMonForm>(MyReg, *Trend);
}

void TMainForm::buildMenu()
{
    PopupMenu = new QMenu(this);
    // A closed menu would keep its last picture (a third of a megabyte) until the next opening,
    // which may be days away and paints it whole anyway.
    QObject::connect(PopupMenu, &QMenu::aboutToHide, this, [menu = PopupMenu] {
        QTimer::singleShot(0, menu, [menu] {
            if (QBackingStore* store = menu->backingStore(); store && !menu->isVisible())
                store->resize(QSize(1, 1));
        });
    });
    const auto item = [this](const QString& caption, void (TMainForm::*handler)(), bool checkable) {
        QAction* action = PopupMenu->addAction(caption);
        action->setCheckable(checkable);
        if (handler)
            QObject::connect(
                action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    MenuShowWindow = item(tr("Show Window"), &TMainForm::MenuShowWindowClick, false);
    PopupMenu->setDefaultAction(MenuShowWindow);
    MenuAlwaysOnTop = item(tr("Always On Top"), &TMainForm::MenuAlwaysOnTopClick, true);
    MenuMinimizeToTray = item(tr("Minimize to Tray"), &TMainForm::MenuMinimizetoTrayClick, true);
    MenuStartMinimized = item(tr("Start Minimized"), nullptr, true);
    MenuLoadOnStartup = item(tr("Load on Startup"), &TMainForm::MenuLoadOnStartupClick, true);
    MenuSaveLog = item(tr("Save Log"), nullptr, true);
    MenuAntiIdle = item(tr("Anti Idle..."), &TMainForm::MenuAntiIdleClick, true);
    MenuSound = item(tr("Sound..."), nullptr, true);
    MenuConnections = item(tr("Connections..."), &TMainForm::MenuConnectionsClick, false);
    MenuUsage = item(tr("Usage..."), &TMainForm::MenuUsageClick, false);
    MenuDataPlan = item(tr("Data Plan..."), &TMainForm::MenuDataPlanClick, false);
    PopupMenu->addSeparator();
    MenuShowMonitor = item(tr("Show Monitor..."), &TMainForm::MenuShowMonitorClick, true);
    MenuHideMonitor = item(tr("Hide Monitor when Offline"), &TMainForm::MenuHideMonitorClick, true);
    MenuTransparent = item(tr("Transparent Monitor"), &TMainForm::MenuTransparentClick, true);
    PopupMenu->addSeparator();
    MenuCopyIPtoClipboard
        = item(tr("Copy IP to Clipboard"), &TMainForm::LabelClientIPDblClick, false);
    MenuAboutVantrel = item(tr("About Vantrel"), &TMainForm::MenuAboutVantrelClick, false);
    PopupMenu->addSeparator();
    MenuExit = item(tr("Exit"), &TMainForm::MenuExitClick, false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { PopupMenu->popup(mapToGlobal(at)); });
    LabelClientIP->installEventFilter(this);
    Reset->installEventFilter(this);
}

void TMainForm::AddLogLine(const QString& text)
{
    qCInfo(lcLog).noquote() << text;
    QTextCursor cursor(Connlog->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(Connlog->document()->isEmpty() ? text : text + QLatin1Char('\n'));
    // The newest lines stand on top; a long run keeps the newest kMaxLogLines.
    while (Connlog->document()->blockCount() > kMaxLogLines) {
        QTextCursor last(Connlog->document()->lastBlock());
        last.select(QTextCursor::BlockUnderCursor);
        last.removeSelectedText();
    }
}

double TMainForm::restoreBytes(settings::Key<QString> stored, FigureLabel* figureLabel)
{
    const auto value = parseFloatText(figureLabel->text());
    if (value)
        return *value;
    notANumber(stored, figureLabel);
    return 0;
}

std::int64_t TMainForm::restoreSeconds(settings::Key<QString> stored, FigureLabel* figureLabel)
{
    const auto value = parseIntegerText(figureLabel->text());
    if (value)
        return *value;
    notANumber(stored, figureLabel);
    return 0;
}

void TMainForm::notANumber(settings::Key<QString> stored, FigureLabel* figureLabel)
{
    AddLogLine(tr("Stored %1 \"%2\" is not a number; using 0.")
                   .arg(settings::describe(stored.setting), figureLabel->text()));
}

void TMainForm::FormCreate()
{
    m_poll.LastState = 601;
    for (FigureLabel* current : { LabelConn, LabelSpeed, LabelSent, LabelRecv, LabelDuration,
             LabelDNS1, LabelDNS2, LabelServerIP, LabelClientIP, LabelUpSpeed, LabelDownSpeed })
        current->clear();
    Connlog->clear();
    Trend->ClearDataA();
    Trend->ClearDataB();
    moveOnScreen(
        *this, QPoint(settings::read<"MainLeft">(MyReg), settings::read<"MainTop">(MyReg)));

    LabelLastConn->setText(shownStored(settings::read<"LastConn">(MyReg)));
    LabelLastSpeed->setText(settings::read<"LastSpeed">(MyReg));
    LabelLastSent->setText(settings::read<"LastSent">(MyReg));
    LabelLastRecv->setText(settings::read<"LastRecv">(MyReg));
    LabelLastDuration->setText(settings::read<"LastDuration">(MyReg));
    LabelTotalSent->setText(settings::read<"TotalSent">(MyReg));
    LabelTotalRecv->setText(settings::read<"TotalRecv">(MyReg));
    LabelTotalDuration->setText(settings::read<"TotalDuration">(MyReg));
    LabelLastDuration->setToolTip(shownStored(settings::read<"DateTimeOnline">(MyReg)));

    for (const auto& option : options())
        option.action->setChecked(settings::read(MyReg, option.stored));

    AntiIdleWeb = settings::read<"AntiIdleWeb">(MyReg);
    AntiIdleBytes = settings::read<"AntiIdleBytes">(MyReg);
    m_antiIdle.configure(AntiIdleWeb, AntiIdleBytes, settings::read<"AntiIdleTimer">(MyReg));
    AntiIdleTimer = m_antiIdle.window().ticks(); // the window keeps it within its bounds
    MaxGraph = settings::read<"MaxGraph">(MyReg);
    MinGraph = settings::read<"MinGraph">(MyReg);
    m_usage.closeLeftOpen();
    reloadPlans();

    if (MenuAlwaysOnTop->isChecked())
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    TrayIcon.SetMinimizeToTray(MenuMinimizeToTray->isChecked());
    TrayIcon.ShowIcon();
    if (!MenuStartMinimized->isChecked())
        show();
    else if (!TrayIcon.Available())
        showMinimized(); // without a tray a hidden window could never be brought back

    m_monForm->FormCreate(
        PopupMenu, [this] { MenuShowMonitor->trigger(); }, MenuTransparent->isChecked(),
        MenuShowMonitor->isChecked() && !MenuHideMonitor->isChecked());
    if (isVisible())
        raiseWindow(*this);

    m_stats.Sent = restoreBytes(settings::key<"LastSent">, LabelLastSent);
    m_stats.Recv = restoreBytes(settings::key<"LastRecv">, LabelLastRecv);
    m_stats.Duration = restoreSeconds(settings::key<"LastDuration">, LabelLastDuration);
    m_stats.TotalSent = restoreBytes(settings::key<"TotalSent">, LabelTotalSent);
    m_stats.TotalRecv = restoreBytes(settings::key<"TotalRecv">, LabelTotalRecv);
    m_stats.TotalDuration = restoreSeconds(settings::key<"TotalDuration">, LabelTotalDuration);

    m_groupSeparator = QLocale().groupSeparator();
    LabelLastSent->setText(bytes(m_stats.Sent));
    LabelLastRecv->setText(bytes(m_stats.Recv));
    LabelLastDuration->setText(DurationToStr(m_stats.Duration));
    LabelTotalSent->setText(bytes(m_stats.TotalSent));
    LabelTotalRecv->setText(bytes(m_stats.TotalRecv));
    LabelTotalDuration->setText(DurationToStr(m_stats.TotalDuration));

    if (!TrayIcon.Available())
        AddLogLine(tr("No notification area on this desktop: Vantrel minimises to the taskbar."));
    AddLogLine(VerInfo.GetPreDefString(pdFileDescription) + QStringLiteral(" v")
        + VerInfo.FileVersion().AsString() + QStringLiteral(" (c) ")
        + VerInfo.GetPreDefString(pdComments));
    if (!RasCon.CheckRasAvailable()) {
        AddLogLine(tr("RAS is not installed."));
        return;
    }
    AddLogLine(RasCon.DUNInfo + QStringLiteral(" (") + RasCon.DUNVersion + QStringLiteral(")"));
    if (RasPer.StartStatistics(true, true)) {
        m_timerStatus.setEnabled(true);
        return;
    }
    RasPer.SetUsePDH(true);
    if (RasPer.StartStatistics(true, true)) {
        m_timerStatus.setEnabled(true);
        return;
    }
    AddLogLine(
        RasPer.ErrInfo.isEmpty() ? tr("No Performance Statistics Available.") : RasPer.ErrInfo);
}

void TMainForm::SaveStats(const QDateTime& offline)
{
    m_stats.OfflineTime = dateTimeText(offline);
    settings::write<"LastConn">(MyReg, m_stats.ConnName);
    settings::write<"LastSpeed">(MyReg, QString::number(m_stats.Speed));
    settings::write<"LastSent">(MyReg, floatText(m_stats.Sent));
    settings::write<"LastRecv">(MyReg, floatText(m_stats.Recv));
    settings::write<"LastDuration">(MyReg, QString::number(m_stats.Duration));
    settings::write<"TotalSent">(MyReg, floatText(m_stats.TotalSent + m_stats.Sent));
    settings::write<"TotalRecv">(MyReg, floatText(m_stats.TotalRecv + m_stats.Recv));
    settings::write<"TotalDuration">(
        MyReg, QString::number(saturatingAdd(m_stats.TotalDuration, m_stats.Duration)));
    settings::write<"DateTimeOnline">(MyReg,
        QString(tr("Online: ") + m_stats.OnlineTime + QLatin1Char('\r') + tr("Offline: ")
            + m_stats.OfflineTime));
    if (MenuSaveLog->isChecked()) {
        m_logFile.append({ m_stats.OnlineTime, m_stats.OfflineTime, m_stats.ConnName,
            QString::number(m_stats.Speed), floatText(m_stats.Sent), floatText(m_stats.Recv),
            DurationToStr(m_stats.Duration), LabelClientIP->text() });
    }
}

void TMainForm::endConnection()
{
    const std::int64_t offlineMs = platform::wallClockMs();
    SaveStats(QDateTime::fromMSecsSinceEpoch(offlineMs));
    m_usage.disconnected(offlineMs);
}

void TMainForm::FormClose()
{
    m_antiIdle.interrupt();
    settings::write<"MainTop">(MyReg, y());
    settings::write<"MainLeft">(MyReg, x());
    m_monForm->savePosition();
    if (m_poll.Online)
        endConnection();
    for (const auto& option : options())
        settings::write(MyReg, option.stored, option.action->isChecked());
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!m_exiting) {
        // The close button only minimises; Exit and log-off end the program.
        event->ignore();
        // Sent to the tray, the window is hidden at once: asking the window manager to iconify
        // it first would let its late answer hide the window again after the tray brought it
        // back.
        if (TrayIcon.MinimizeToTray() && TrayIcon.Available())
            TrayIcon.HideMainForm(*this);
        else
            setWindowState(windowState() | Qt::WindowMinimized);
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_timerStatus.setEnabled(false);
        m_errors.guard("FormClose", [this] { FormClose(); });
        m_monForm->hide();
    }
    event->accept();
    QApplication::quit();
}

std::vector<TMainForm::OptionSetting> TMainForm::options() const
{
    // In the order start-up reads them and the close writes them.
    return {
        { MenuAlwaysOnTop, settings::key<"AlwaysOnTop"> },
        { MenuMinimizeToTray, settings::key<"MinimizeToTray"> },
        { MenuStartMinimized, settings::key<"StartMinimized"> },
        { MenuLoadOnStartup, settings::key<"LoadOnStartup"> },
        { MenuSaveLog, settings::key<"SaveLog"> },
        { MenuAntiIdle, settings::key<"AntiIdle"> },
        { MenuSound, settings::key<"Sound"> },
        { MenuShowMonitor, settings::key<"ShowMonitor"> },
        { MenuHideMonitor, settings::key<"HideMonitor"> },
        { MenuTransparent, settings::key<"Transparent"> },
    };
}

void TMainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon.MinimizeToTray())
        TrayIcon.HideMainForm(*this);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // Double clicks of the left button only.
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == LabelClientIP)
            m_errors.guard("LabelClientIPDblClick", [this] { LabelClientIPDblClick(); });
        else if (watched == Reset)
            m_errors.guard("ResetDblClick", [this] { ResetDblClick(); });
    }
    return QWidget::eventFilter(watched, event);
}

QString TMainForm::soundFile(const QString& name) const
{
    QString beside = programFolder() + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QStringLiteral(VANTREL_DATA_DIR "/") + name;
    return QFileInfo::exists(installed) ? installed : beside;
}

QString TMainForm::programFolder() const
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

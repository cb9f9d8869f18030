// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainform.h"

#include "components/windowstacking.h"
#include "monitor/formats.h"
#include "monitor/logging.h"
#include "platform/clock.h"
#include "platform/win/winbase.h"
#include "platform/xdg.h"
#include "screenplace.h"

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
    , m_monitor(RasCon, RasPer, MyReg, HTTP,
          executable.empty()
              ? std::filesystem::path(QCoreApplication::applicationFilePath().toStdString())
              : executable,
          platform::xdg::stateHome(), usage::UsageStore::defaultFile())
{
    settings::useMonitorKey(MyReg);
    VerInfo.SetShowResource(TPreDefs::all());
    VerInfo.Loaded();
    TrayIcon.SetHint(QStringLiteral("Vantrel"));
    buildLayout();
    buildMenu();
    setWindowIcon(vantrelIcon());
    // Offline until the first tick says otherwise.
    TrayIcon.SetIcon(vantrelIcon(false, IconBadge::None));
    TrayIcon.SetPopupMenu(PopupMenu);
    m_timerStatus.setInterval(1000);
    m_timerStatus.OnTimer = [this] { TimerStatusTimer(); };
    followMonitor();
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
    QObject::connect(
        MenuSaveLog, &QAction::toggled, this, [this](bool on) { m_monitor.setSaveLog(on); });
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

void TMainForm::FormCreate()
{
    clearCurrentFigures();
    Connlog->clear();
    Trend->ClearDataA();
    Trend->ClearDataB();
    moveOnScreen(
        *this, QPoint(settings::read<"MainLeft">(MyReg), settings::read<"MainTop">(MyReg)));
    restoreOptions();
    m_monitor.restoreSettings();
    showWindows();
    m_monitor.restoreStatistics();
    showLast();
    showTotals();
    logStart();
    if (m_monitor.startStatistics())
        m_timerStatus.setEnabled(true);
}

void TMainForm::restoreOptions()
{
    for (const auto& option : options())
        option.action->setChecked(settings::read(MyReg, option.stored));
    m_monitor.setAntiIdle(MenuAntiIdle->isChecked());
}

void TMainForm::showWindows()
{
    if (MenuAlwaysOnTop->isChecked())
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    TrayIcon.SetMinimizeToTray(MenuMinimizeToTray->isChecked());
    TrayIcon.ShowIcon();
    if (!MenuStartMinimized->isChecked())
        show();
    else if (!TrayIcon.available())
        showMinimized(); // without a tray a hidden window could never be brought back
    m_monForm->FormCreate(
        PopupMenu, [this] { MenuShowMonitor->trigger(); }, MenuTransparent->isChecked(),
        MenuShowMonitor->isChecked() && !MenuHideMonitor->isChecked());
    if (isVisible())
        raiseWindow(*this);
}

void TMainForm::logStart()
{
    if (!TrayIcon.available())
        AddLogLine(tr("No notification area on this desktop: Vantrel minimises to the taskbar."));
    AddLogLine(VerInfo.GetPreDefString(pdFileDescription) + QStringLiteral(" v")
        + VerInfo.FileVersion().AsString() + QStringLiteral(" (c) ")
        + VerInfo.GetPreDefString(pdComments));
}

void TMainForm::clearCurrentFigures()
{
    for (FigureLabel* current : { LabelConn, LabelSpeed, LabelSent, LabelRecv, LabelDuration,
             LabelDNS1, LabelDNS2, LabelServerIP, LabelClientIP, LabelUpSpeed, LabelDownSpeed })
        current->clear();
}

void TMainForm::SaveStats(const QDateTime& offline)
{
    m_monitor.saveStats(offline);
}

void TMainForm::FormClose()
{
    settings::write<"MainTop">(MyReg, y());
    settings::write<"MainLeft">(MyReg, x());
    m_monForm->savePosition();
    m_monitor.close();
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
        if (TrayIcon.MinimizeToTray() && TrayIcon.available())
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

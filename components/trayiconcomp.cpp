// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayiconcomp.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWidget>

TTrayIcon::TTrayIcon(QObject* owner)
    : QObject(owner)
{
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, &TTrayIcon::clickTimerTick);
    connect(&m_cycleTimer, &QTimer::timeout, this, &TTrayIcon::cycleTick);
    // The shell's "TaskbarCreated": a tray host that comes (back) gets the icon again.
    m_shellWatch.setInterval(5000);
    connect(&m_shellWatch, &QTimer::timeout, this, &TTrayIcon::watchShell);
    m_shellWatch.start();
    m_shellWasAvailable = Available();
}

TTrayIcon::~TTrayIcon()
{
    delete m_shell;
}

bool TTrayIcon::Available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QString TTrayIcon::ShownTip() const
{
    return m_showHint ? m_hint.left(127) : QString();
}

void TTrayIcon::SetHint(const QString& value)
{
    m_hint = value;
    ModifyIcon();
}

void TTrayIcon::SetShowHint(bool value)
{
    m_showHint = value;
    ModifyIcon();
}

void TTrayIcon::SetIcon(const QIcon& value)
{
    m_icon = value;
    ModifyIcon();
}

void TTrayIcon::SetIconVisible(bool value)
{
    if (value)
        ShowIcon();
    else
        HideIcon();
}

void TTrayIcon::SetIconList(std::vector<QIcon> value)
{
    m_iconList = std::move(value);
    SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int value)
{
    if (m_iconList.empty()) {
        m_iconIndex = 0;
    } else if (value >= 0) {
        m_iconIndex = std::min(value, static_cast<int>(m_iconList.size()) - 1);
        m_icon = m_iconList[static_cast<std::size_t>(m_iconIndex)];
    }
    ModifyIcon();
}

void TTrayIcon::SetCycleIcons(bool value)
{
    if (value) {
        SetIconIndex(0);
        m_cycleTimer.start(static_cast<int>(m_cycleInterval));
    } else {
        m_cycleTimer.stop();
    }
}

void TTrayIcon::SetCycleInterval(unsigned value)
{
    m_cycleInterval = value;
    m_cycleTimer.setInterval(static_cast<int>(value));
}

bool TTrayIcon::ShowIcon()
{
    m_iconVisible = true;
    if (!Available())
        return false; // added when a tray host appears
    if (!m_shell) {
        m_shell = new QSystemTrayIcon;
        connect(m_shell, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    ShellNotification(ShellMouse::LeftDown);
                    ShellNotification(ShellMouse::LeftUp);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    ShellNotification(ShellMouse::LeftDoubleClick);
                    break;
                case QSystemTrayIcon::Context:
                    ShellNotification(ShellMouse::RightDown);
                    ShellNotification(ShellMouse::RightUp);
                    break;
                case QSystemTrayIcon::MiddleClick:
                    ShellNotification(ShellMouse::MiddleDown);
                    ShellNotification(ShellMouse::MiddleUp);
                    break;
                default:
                    break;
                }
            });
    }
    ModifyIcon();
    m_shell->show();
    return true;
}

bool TTrayIcon::HideIcon()
{
    m_iconVisible = false;
    if (m_shell)
        m_shell->hide();
    return true;
}

bool TTrayIcon::ModifyIcon()
{
    if (!m_shell)
        return false;
    m_shell->setIcon(m_icon);
    m_shell->setToolTip(ShownTip());
    return true;
}

bool TTrayIcon::ShowBalloonHint(
    const QString& Title, const QString& Text, TBalloonIcon IconType, int TimeoutSeconds)
{
    if (!m_enabled)
        return true;
    m_balloon = { Title.left(63), Text.left(255), IconType, TimeoutSeconds };
    if (!m_shell || !m_iconVisible)
        return false;
    const QSystemTrayIcon::MessageIcon icon = IconType == bitInfo ? QSystemTrayIcon::Information
        : IconType == bitWarning                                  ? QSystemTrayIcon::Warning
        : IconType == bitError                                    ? QSystemTrayIcon::Critical
                                                                  : QSystemTrayIcon::NoIcon;
    // A new message replaces one still showing.
    m_shell->showMessage(m_balloon.title, m_balloon.text, icon, TimeoutSeconds * 1000);
    return true;
}

void TTrayIcon::ShowMainForm(QWidget& window)
{
    window.show();
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.raise();
    window.activateWindow();
}

void TTrayIcon::HideMainForm(QWidget& window)
{
    if (!Available())
        return;
    window.hide();
    SetIconVisible(true);
}

void TTrayIcon::PopupAtCursor()
{
    if (m_popupMenu)
        m_popupMenu->popup(QCursor::pos());
}

void TTrayIcon::ShellNotification(ShellMouse message)
{
    if (!m_enabled)
        return;
    switch (message) {
    case ShellMouse::Move:
        if (OnMouseMove)
            OnMouseMove(this);
        break;
    case ShellMouse::LeftDown:
        m_clickTimer.start();
        if (OnMouseDown)
            OnMouseDown(this, Qt::LeftButton);
        m_clickStarted = true;
        if (m_leftPopup)
            PopupAtCursor();
        break;
    case ShellMouse::LeftUp:
        if (m_clickStarted)
            m_clicked = true;
        if (m_clickStarted && !m_clickTimer.isActive()) {
            m_clickStarted = false;
            m_clicked = false;
            if (OnClick)
                OnClick(this);
        }
        m_clickStarted = false;
        if (OnMouseUp)
            OnMouseUp(this, Qt::LeftButton);
        break;
    case ShellMouse::LeftDoubleClick:
        m_clicked = false;
        m_doubleClicked = true;
        if (OnDblClick)
            OnDblClick(this);
        if (m_popupMenu && !m_leftPopup && m_popupMenu->defaultAction())
            m_popupMenu->defaultAction()->trigger();
        break;
    case ShellMouse::RightDown:
        if (OnMouseDown)
            OnMouseDown(this, Qt::RightButton);
        PopupAtCursor();
        break;
    case ShellMouse::RightUp:
        if (OnMouseUp)
            OnMouseUp(this, Qt::RightButton);
        break;
    case ShellMouse::MiddleDown:
        if (OnMouseDown)
            OnMouseDown(this, Qt::MiddleButton);
        break;
    case ShellMouse::MiddleUp:
        if (OnMouseUp)
            OnMouseUp(this, Qt::MiddleButton);
        break;
    }
}

void TTrayIcon::clickTimerTick()
{
    if (!m_doubleClicked && m_clicked) {
        m_clicked = false;
        if (OnClick)
            OnClick(this);
    }
    m_doubleClicked = false;
}

void TTrayIcon::cycleTick()
{
    if (m_iconList.empty())
        return;
    const int count = static_cast<int>(m_iconList.size());
    m_icon = m_iconList[static_cast<std::size_t>(std::min(m_iconIndex, count - 1))];
    if (OnCycle)
        OnCycle(this, m_iconIndex + 1 < count ? m_iconIndex + 1 : 0);
    ModifyIcon();
    SetIconIndex(m_iconIndex + 1 < count ? m_iconIndex + 1 : 0);
}

void TTrayIcon::watchShell()
{
    const bool available = Available();
    if (available && !m_shellWasAvailable && m_iconVisible)
        ShowIcon();
    m_shellWasAvailable = available;
}

QIcon vantrelIcon()
{
    // A small bar graph in green and red on a dark rounded square: the monitor's own picture.
    QIcon icon;
    for (int size : { 16, 22, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x20, 0x24, 0x28));
        painter.setPen(QColor(0x81, 0x81, 0x81));
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const double heights[] = { 0.35, 0.6, 0.45, 0.8, 0.55 };
        const int bars = 5;
        const double slot = (size - 4.0) / bars;
        for (int i = 0; i < bars; ++i) {
            const int barHeight = static_cast<int>(heights[i] * (size - 5));
            const QRectF bar(
                2 + i * slot + slot * 0.15, size - 2 - barHeight, slot * 0.7, barHeight);
            painter.fillRect(bar, QColor(0, 255, 0));
            painter.fillRect(
                QRectF(bar.left(), size - 2 - barHeight * 0.35, bar.width(), barHeight * 0.35),
                QColor(255, 0, 0));
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The popup menu's commands and the two double-click targets of the main window.
#include "components/windowstacking.h"
#include "mainform.h"
#include "platform/registry/registry.h"
#include "platform/win/winreg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QTimer>
#include <malloc.h>

void TMainForm::MenuShowWindowClick()
{
    TrayIcon.ShowMainForm(*this);
}

void TMainForm::MenuAlwaysOnTopClick()
{
    if (MenuAlwaysOnTop->isChecked())
        MenuShowWindowClick();
    // Changing a window's flags hides it; a visible window stays visible.
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, MenuAlwaysOnTop->isChecked());
    if (visible)
        show();
}

void TMainForm::MenuMinimizetoTrayClick()
{
    TrayIcon.SetMinimizeToTray(MenuMinimizeToTray->isChecked());
    if (!isMinimized() && isVisible())
        return;
    if (MenuMinimizeToTray->isChecked())
        TrayIcon.HideMainForm(*this);
    else if (!isVisible())
        showMinimized(); // the taskbar button comes back
}

void TMainForm::MenuLoadOnStartupClick()
{
    // The key is created when missing: a fresh Linux session has no start-up key yet.
    win::HKEY key = 0;
    if (win::RegCreateKeyExA(platform::Registry::kStartupRoot, platform::Registry::kStartupSubKey,
            0, nullptr, 0, win::KEY_WRITE, nullptr, &key, nullptr)
        != win::ERROR_SUCCESS)
        return;
    if (MenuLoadOnStartup->isChecked()) {
        const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
        win::RegSetValueExA(key, platform::Registry::kStartupValue, 0, win::REG_SZ,
            reinterpret_cast<const win::BYTE*>(program.constData()),
            static_cast<win::DWORD>(program.size() + 1));
    } else {
        win::RegDeleteValueA(key, platform::Registry::kStartupValue);
    }
    win::RegCloseKey(key);
}

void TMainForm::MenuShowMonitorClick()
{
    if ((MenuHideMonitor->isChecked() && !m_monitor.poll().Online) || !MenuShowMonitor->isChecked())
        MonForm().hide();
    else
        MonForm().show();
}

void TMainForm::MenuHideMonitorClick()
{
    if (MenuHideMonitor->isChecked() && !m_monitor.poll().Online)
        MonForm().hide();
    else if (MenuShowMonitor->isChecked())
        MonForm().show();
}

void TMainForm::MenuTransparentClick()
{
    MonForm().ApplyTransparency(MenuTransparent->isChecked());
}

void TMainForm::MenuExitClick()
{
    m_exiting = true;
    close();
}

void TMainForm::MenuAboutVantrelClick()
{
    AboutForm().show();
    raiseWindow(AboutForm());
}

void TMainForm::MenuConnectionsClick()
{
    if (!m_connections)
        m_connections = std::make_unique<ConnectionChooser>(MyReg);
    else
        m_connections->refresh();
    m_connections->show();
    m_connections->raise();
}

void TMainForm::MenuUsageClick()
{
    if (m_usageWindow) {
        m_usageWindow->reload();
    } else {
        m_usageWindow = new UsageWindow(usage::UsageStore::defaultFile(), usageSource());
        m_usageWindow->setAttribute(Qt::WA_DeleteOnClose);
        // What the window and its reads held goes back to the system with it: the C library
        // would keep the freed pages for the process, which runs for months, and the style
        // would keep its pictures of the window's buttons, headers and scroll bars (the other
        // windows' few are drawn again when next needed).
        QObject::connect(m_usageWindow, &QObject::destroyed, this, [] {
            QTimer::singleShot(0, [] {
                QPixmapCache::clear();
                malloc_trim(0);
            });
        });
    }
    m_usageWindow->show();
    bringToFront(*m_usageWindow);
}

void TMainForm::LabelClientIPDblClick()
{
    const QString address = m_monitor.shown().current.clientIp;
    QGuiApplication::clipboard()->setText(address);
    AddLogLine(tr("Copy client IP %1 to clipboard.").arg(address));
}

void TMainForm::ResetDblClick()
{
    m_monitor.resetTotals();
}

void TMainForm::MenuAntiIdleClick()
{
    m_monitor.setAntiIdle(MenuAntiIdle->isChecked());
}

void TMainForm::HTTPEndTransfer(QObject*, int)
{
    m_monitor.endTransfer();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/win/shellapi.h"
#include "platform/windowservice.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

class QSystemTrayIcon;

// The platform's window and shell services over Qt: layered windows are window opacity, tray
// icons are Qt's system tray icons (StatusNotifierItem or XEmbed, as the desktop offers), and a
// tray host that appears is announced with the shell's "TaskbarCreated" broadcast.
class QtWindowService : public QObject, public platform::WindowService
{
public:
    QtWindowService();
    ~QtWindowService() override;

    // Installs this service in the running platform layer, and removes it when destroyed.
    void install();

    static win::HWND handleOf(QWidget* window);
    static win::HICON handleOf(const QIcon& icon);

    bool setOpacity(win::HWND window, double opacity) override;
    bool trayAvailable() const override;
    bool addTrayIcon(const TrayIcon& icon) override;
    bool modifyTrayIcon(const TrayIcon& icon) override;
    bool deleteTrayIcon(win::HWND owner, win::UINT id) override;

private:
    struct Shown
    {
        std::unique_ptr<QSystemTrayIcon> icon;
        win::UINT callbackMessage = 0;
    };
    void apply(Shown& shown, const TrayIcon& icon);
    void watchTray();

    std::map<std::pair<win::HWND, win::UINT>, Shown> m_icons;
    QTimer m_trayWatch;
    bool m_trayWasAvailable = false;
    bool m_installed = false;
};

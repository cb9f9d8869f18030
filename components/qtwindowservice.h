// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balloonreturn.h"
#include "platform/win/shellapi.h"
#include "platform/windowservice.h"

#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

class DesktopNotifications;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;
class XEmbedTrayWatch;

// The platform's window and shell services over Qt: layered windows are window opacity, tray
// icons are StatusNotifierItems where the session bus has a watcher (most desktops today) and
// Qt's system tray icons on XEmbed trays otherwise, balloons are desktop notifications where a
// notification daemon runs, and a tray host that appears is announced with the shell's
// "TaskbarCreated" broadcast.
class QtWindowService : public QObject, public platform::WindowService
{
public:
    QtWindowService();
    ~QtWindowService() override;

    // Installs this service in the running platform layer, and removes it when destroyed.
    void install();

    static win::HWND handleOf(QWidget* window);
    static win::HICON handleOf(const QIcon& icon);
    // The menu a StatusNotifierItem host shows for the owner's icons.
    static void setTrayMenu(win::HWND owner, QMenu* menu);
    // Where the pointer was for the shell message being handled: a StatusNotifierItem host gives
    // the place itself (there is no pointer to read on Wayland); otherwise the pointer now.
    static QPoint messagePos();

    bool setOpacity(win::HWND window, double opacity) override;
    bool trayAvailable() const override;
    bool addTrayIcon(const TrayIcon& icon) override;
    bool modifyTrayIcon(const TrayIcon& icon) override;
    bool deleteTrayIcon(win::HWND owner, win::UINT id) override;

private:
    using Key = std::pair<win::HWND, win::UINT>;
    struct Shown
    {
        std::unique_ptr<StatusNotifierItem> item;
        std::unique_ptr<QSystemTrayIcon> icon;
        win::UINT callbackMessage = 0;
        win::HICON iconHandle = 0;
        QString tip;
    };
    bool xembedAvailable() const;
    void attach(const Key& key, Shown& shown);
    void push(Shown& shown);
    void showBalloon(const Key& key, Shown& shown, const TrayIcon& icon);
    void showQtBalloon(const Key& key, Shown& shown, const BalloonReturn::Balloon& balloon);
    void qtBalloonEnded(const Key& key, int serial);
    void report(const Key& key, std::initializer_list<win::UINT> mouse,
        std::optional<QPoint> at = std::nullopt);
    void watcherChanged(const QString& oldOwner, const QString& newOwner);
    void menuChanged(win::HWND owner);
    void xembedTrayAnnounced();

    std::map<Key, Shown> m_icons;
    QDBusServiceWatcher m_watcher;
    std::unique_ptr<DesktopNotifications> m_notifications;
    std::optional<Key> m_balloonFrom;
    BalloonReturn m_qtBalloons;
    int m_qtBalloonShowing = 0;
    bool m_watcherPresent = false;
    std::unique_ptr<XEmbedTrayWatch> m_xembedWatch;
    bool m_trayWasAvailable = false;
    bool m_installed = false;
};

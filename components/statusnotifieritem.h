// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dbusmenuexport.h"
#include "dbustypes.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QIcon>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <memory>

class QMenu;

// One icon in a StatusNotifierItem host (KDE Plasma, Xfce's status tray, GNOME's AppIndicator
// extension, waybar...): the item object on the session bus under a name of its own, its menu
// exported beside it, registered with the host's watcher. The icon is announced only when it
// changed, the tool tip at most once a second, since the host answers each announcement by
// fetching every property, pixmaps included.
class StatusNotifierItem : public QDBusVirtualObject
{
public:
    StatusNotifierItem(QDBusConnection connection, QMenu* menu);
    ~StatusNotifierItem() override;

    // Takes the item's name, exports the objects and asks the watcher to show the item.
    bool registerItem();
    // Asks the watcher again (after it restarted).
    void registerWithWatcher();

    void setIcon(const QIcon& icon);
    void setToolTip(const QString& text);

    enum class Request { Activate, ContextMenu, SecondaryActivate };
    // What the host asks for, with the screen position it gives.
    std::function<void(Request, QPoint)> onRequest;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    static constexpr const char* kPath = "/StatusNotifierItem";
    static const QString kWatcherService;

private:
    QVariantMap properties() const;
    void emitSignal(const char* name);
    void announceToolTip();

    QDBusConnection m_connection;
    QString m_serviceName;
    std::unique_ptr<DBusMenuExport> m_menu;
    qint64 m_iconKey = 0;
    dbus_types::IconPixmaps m_pixmaps;
    QString m_toolTip;
    QElapsedTimer m_sinceToolTip;
    QTimer m_toolTipDelay;
    bool m_registered = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QHash>
#include <QPointer>
#include <QSet>

class QAction;
class QMenu;

// Shows a QMenu to other programs over the session bus as a com.canonical.dbusmenu object, so a
// StatusNotifierItem host draws it as the icon's own menu. The exported items follow the menu:
// captions, check marks, enabled and visible states, added and removed items. A click chosen in
// the host's copy triggers the menu's own action.
class DBusMenuExport : public QDBusVirtualObject
{
public:
    DBusMenuExport(QDBusConnection connection, QMenu* menu);
    ~DBusMenuExport() override;

    static constexpr const char* kPath = "/MenuBar";
    bool registerObject();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int idOf(QAction* action);
    QAction* actionOf(int id) const;
    QVariantMap properties(QAction* action);
    QVariant layout(int id, int depth, const QStringList& names);
    QList<QAction*> children(int id) const;
    void watch(QMenu* menu);
    void layoutChanged();
    void sendPropertyChanges();
    bool handleProperties(const QDBusMessage& message);

    QDBusConnection m_connection;
    QPointer<QMenu> m_menu;
    QHash<QAction*, int> m_ids;
    QHash<int, QPointer<QAction>> m_actions;
    int m_nextId = 1;
    uint m_revision = 1;
    QSet<int> m_changed;
    bool m_changesPending = false;
    bool m_registered = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The D-Bus structures of the StatusNotifierItem and dbusmenu protocols, for Qt D-Bus.
#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace dbus_types {

// (iiay): width, height and ARGB32 pixels in network byte order.
struct IconPixmap
{
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using IconPixmaps = QList<IconPixmap>;

// (sa(iiay)ss)
struct ToolTip
{
    QString iconName;
    IconPixmaps pixmaps;
    QString title;
    QString description;
};

// (ia{sv}): one menu item's properties.
struct MenuItem
{
    int id = 0;
    QVariantMap properties;
};
using MenuItems = QList<MenuItem>;

// (ias): properties an item no longer has.
struct MenuItemKeys
{
    int id = 0;
    QStringList names;
};
using MenuItemKeysList = QList<MenuItemKeys>;

// (ia{sv}av): an item with its children, each child the same structure in a variant.
struct MenuLayout
{
    int id = 0;
    QVariantMap properties;
    QList<MenuLayout> children;
};

// (isvu): one event of EventGroup.
struct MenuEvent
{
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

// Makes the types known to Qt D-Bus; safe to call more than once.
void registerTypes();

} // namespace dbus_types

Q_DECLARE_METATYPE(dbus_types::IconPixmap)
Q_DECLARE_METATYPE(dbus_types::ToolTip)
Q_DECLARE_METATYPE(dbus_types::MenuItem)
Q_DECLARE_METATYPE(dbus_types::MenuItemKeys)
Q_DECLARE_METATYPE(dbus_types::MenuLayout)
Q_DECLARE_METATYPE(dbus_types::MenuEvent)

QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::IconPixmap& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::IconPixmap& value);
QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::ToolTip& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::ToolTip& value);
QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::MenuItem& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::MenuItem& value);
QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::MenuItemKeys& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::MenuItemKeys& value);
QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::MenuLayout& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::MenuLayout& value);
QDBusArgument& operator<<(QDBusArgument& argument, const dbus_types::MenuEvent& value);
const QDBusArgument& operator>>(const QDBusArgument& argument, dbus_types::MenuEvent& value);

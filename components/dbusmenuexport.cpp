// SPDX-License-Identifier: GPL-3.0-or-later
#include "dbusmenuexport.h"

#include "dbusmethods.h"
#include "dbustypes.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QDBusMessage>
#include <QMenu>
#include <QTimer>

namespace {

const QString kInterface = QStringLiteral("com.canonical.dbusmenu");

constexpr const char* kMenu = "com.canonical.dbusmenu";
constexpr DBusMethod kMethods[] = {
    kPropertiesGet,
    kPropertiesGetAll,
    { kMenu, "GetLayout", "iias" },
    { kMenu, "GetGroupProperties", "aias" },
    { kMenu, "GetProperty", "is" },
    { kMenu, "Event", "isvu" },
    { kMenu, "EventGroup", "a(isvu)" },
    { kMenu, "AboutToShow", "i" },
    { kMenu, "AboutToShowGroup", "ai" },
};

// Qt marks a mnemonic with '&' ("&&" for the sign itself); dbusmenu with '_' ("__").
QString dbusMenuLabel(const QString& text)
{
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&' && i + 1 < text.size()) {
            ++i;
            label += text[i] == u'&' ? QStringLiteral("&") : QStringLiteral("_") + text[i];
            if (text[i] == u'_')
                label += u'_';
        } else if (c == u'_') {
            label += QStringLiteral("__");
        } else {
            label += c;
        }
    }
    return label;
}

QVariantMap filtered(const QVariantMap& all, const QStringList& names)
{
    if (names.isEmpty())
        return all;
    QVariantMap some;
    for (const QString& name : names) {
        if (all.contains(name))
            some.insert(name, all.value(name));
    }
    return some;
}

} // namespace

DBusMenuExport::DBusMenuExport(QDBusConnection connection, QMenu* menu)
    : m_connection(std::move(connection))
    , m_menu(menu)
{
    dbus_types::registerTypes();
    if (m_menu)
        watch(m_menu);
}

DBusMenuExport::~DBusMenuExport()
{
    if (m_registered)
        m_connection.unregisterObject(QString::fromLatin1(kPath));
}

bool DBusMenuExport::registerObject()
{
    m_registered = m_connection.registerVirtualObject(QString::fromLatin1(kPath), this);
    return m_registered;
}

void DBusMenuExport::watch(QMenu* menu)
{
    menu->installEventFilter(this);
    for (QAction* action : menu->actions()) {
        if (action->menu())
            watch(action->menu());
    }
}

int DBusMenuExport::idOf(QAction* action)
{
    const auto found = m_ids.constFind(action);
    if (found != m_ids.constEnd())
        return found.value();
    const int id = m_nextId++;
    m_ids.insert(action, id);
    m_actions.insert(id, action);
    QObject::connect(action, &QObject::destroyed, this, [this, action, id] {
        m_ids.remove(action);
        m_actions.remove(id);
    });
    return id;
}

QAction* DBusMenuExport::actionOf(int id) const
{
    return m_actions.value(id).data();
}

QList<QAction*> DBusMenuExport::children(int id) const
{
    if (id == 0)
        return m_menu ? m_menu->actions() : QList<QAction*> {};
    QAction* action = actionOf(id);
    return action && action->menu() ? action->menu()->actions() : QList<QAction*> {};
}

QVariantMap DBusMenuExport::properties(QAction* action)
{
    QVariantMap properties;
    if (!action) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        return properties;
    }
    properties.insert(QStringLiteral("visible"), action->isVisible());
    if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), dbusMenuLabel(action->text()));
    properties.insert(QStringLiteral("enabled"), action->isEnabled());
    if (action->isCheckable()) {
        properties.insert(QStringLiteral("toggle-type"),
            action->actionGroup() && action->actionGroup()->isExclusive()
                ? QStringLiteral("radio")
                : QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
    }
    if (action->menu())
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    return properties;
}

QVariant DBusMenuExport::layout(int id, int depth, const QStringList& names)
{
    dbus_types::MenuLayout item;
    item.id = id;
    item.properties = filtered(properties(id == 0 ? nullptr : actionOf(id)), names);
    if (depth != 0) {
        for (QAction* child : children(id)) {
            const QVariant childLayout = layout(idOf(child), depth - 1, names);
            item.children.push_back(childLayout.value<dbus_types::MenuLayout>());
        }
    }
    return QVariant::fromValue(item);
}

bool DBusMenuExport::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        if (auto* added = static_cast<QActionEvent*>(event)->action();
            event->type() == QEvent::ActionAdded && added && added->menu())
            watch(added->menu());
        // Queued: the menu's action list changes after this event.
        QTimer::singleShot(0, this, [this] { layoutChanged(); });
        break;
    case QEvent::ActionChanged:
        if (QAction* action = static_cast<QActionEvent*>(event)->action()) {
            m_changed.insert(idOf(action));
            if (!m_changesPending) {
                m_changesPending = true;
                QTimer::singleShot(0, this, [this] { sendPropertyChanges(); });
            }
        }
        break;
    default:
        break;
    }
    return QDBusVirtualObject::eventFilter(watched, event);
}

void DBusMenuExport::layoutChanged()
{
    ++m_revision;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kPath), kInterface, QStringLiteral("LayoutUpdated"));
    signal << m_revision << 0;
    m_connection.send(signal);
}

void DBusMenuExport::sendPropertyChanges()
{
    m_changesPending = false;
    dbus_types::MenuItems updated;
    for (int id : std::as_const(m_changed)) {
        if (QAction* action = actionOf(id))
            updated.push_back({ id, properties(action) });
    }
    m_changed.clear();
    if (updated.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kPath), kInterface, QStringLiteral("ItemsPropertiesUpdated"));
    signal << QVariant::fromValue(updated) << QVariant::fromValue(dbus_types::MenuItemKeysList {});
    m_connection.send(signal);
}

QString DBusMenuExport::introspect(const QString&) const
{
    // clang-format off
    return QStringLiteral(R"xml(<interface name="com.canonical.dbusmenu">
  <property name="Version" type="u" access="read"/>
  <property name="TextDirection" type="s" access="read"/>
  <property name="Status" type="s" access="read"/>
  <property name="IconThemePath" type="as" access="read"/>
  <method name="GetLayout">
    <arg type="i" name="parentId" direction="in"/>
    <arg type="i" name="recursionDepth" direction="in"/>
    <arg type="as" name="propertyNames" direction="in"/>
    <arg type="u" name="revision" direction="out"/>
    <arg type="(ia{sv}av)" name="layout" direction="out"/>
  </method>
  <method name="GetGroupProperties">
    <arg type="ai" name="ids" direction="in"/>
    <arg type="as" name="propertyNames" direction="in"/>
    <arg type="a(ia{sv})" name="properties" direction="out"/>
  </method>
  <method name="GetProperty">
    <arg type="i" name="id" direction="in"/>
    <arg type="s" name="name" direction="in"/>
    <arg type="v" name="value" direction="out"/>
  </method>
  <method name="Event">
    <arg type="i" name="id" direction="in"/>
    <arg type="s" name="eventId" direction="in"/>
    <arg type="v" name="data" direction="in"/>
    <arg type="u" name="timestamp" direction="in"/>
  </method>
  <method name="EventGroup">
    <arg type="a(isvu)" name="events" direction="in"/>
    <arg type="ai" name="idErrors" direction="out"/>
  </method>
  <method name="AboutToShow">
    <arg type="i" name="id" direction="in"/>
    <arg type="b" name="needUpdate" direction="out"/>
  </method>
  <method name="AboutToShowGroup">
    <arg type="ai" name="ids" direction="in"/>
    <arg type="ai" name="updatesNeeded" direction="out"/>
    <arg type="ai" name="idErrors" direction="out"/>
  </method>
  <signal name="ItemsPropertiesUpdated">
    <arg type="a(ia{sv})" name="updatedProps"/>
    <arg type="a(ias)" name="removedProps"/>
  </signal>
  <signal name="LayoutUpdated">
    <arg type="u" name="revision"/>
    <arg type="i" name="parent"/>
  </signal>
  <signal name="ItemActivationRequested">
    <arg type="i" name="id"/>
    <arg type="u" name="timestamp"/>
  </signal>
</interface>
)xml");
    // clang-format on
}

bool DBusMenuExport::handleProperties(const QDBusMessage& message)
{
    QVariantMap all;
    all.insert(QStringLiteral("Version"), 3u);
    all.insert(QStringLiteral("TextDirection"),
        m_menu && m_menu->layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                               : QStringLiteral("ltr"));
    all.insert(QStringLiteral("Status"), QStringLiteral("normal"));
    all.insert(QStringLiteral("IconThemePath"), QStringList {});
    const QList<QVariant> arguments = message.arguments();
    if (message.member() == QStringLiteral("GetAll")) {
        m_connection.send(message.createReply(all));
        return true;
    }
    if (all.contains(arguments[1].toString())) {
        m_connection.send(
            message.createReply(QVariant::fromValue(QDBusVariant(all[arguments[1].toString()]))));
        return true;
    }
    m_connection.send(message.createErrorReply(
        QDBusError::InvalidArgs, QStringLiteral("No such property: ") + arguments[1].toString()));
    return true;
}

bool DBusMenuExport::handleMessage(const QDBusMessage& message, const QDBusConnection&)
{
    if (const auto answered = screen(message, m_connection, kMethods))
        return *answered;
    const QString& member = message.member();
    if (member == QLatin1String(kPropertiesGet.name)
        || member == QLatin1String(kPropertiesGetAll.name))
        return handleProperties(message);
    const QList<QVariant> arguments = message.arguments();
    const auto reply = [&](const QList<QVariant>& values) {
        m_connection.send(message.createReply(values));
        return true;
    };
    const auto noItem = [&](int id) {
        m_connection.send(message.createErrorReply(
            QDBusError::InvalidArgs, QStringLiteral("No such menu item: %1").arg(id)));
        return true;
    };
    if (member == QStringLiteral("GetLayout")) {
        const int parent = arguments[0].toInt();
        if (parent != 0 && !actionOf(parent))
            return noItem(parent);
        return reply(
            { m_revision, layout(parent, arguments[1].toInt(), arguments[2].toStringList()) });
    }
    if (member == QStringLiteral("GetGroupProperties")) {
        const QList<int> ids = qdbus_cast<QList<int>>(arguments[0]);
        const QStringList names = arguments[1].toStringList();
        dbus_types::MenuItems items;
        const auto add = [&](int id) {
            if (id == 0)
                items.push_back({ 0, filtered(properties(nullptr), names) });
            else if (QAction* action = actionOf(id))
                items.push_back({ id, filtered(properties(action), names) });
        };
        if (ids.isEmpty()) {
            for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it)
                add(it.key());
        }
        for (int id : ids)
            add(id);
        return reply({ QVariant::fromValue(items) });
    }
    if (member == QStringLiteral("GetProperty")) {
        const int id = arguments[0].toInt();
        QAction* action = id == 0 ? nullptr : actionOf(id);
        if (id != 0 && !action)
            return noItem(id);
        const QString name = arguments[1].toString();
        const QVariantMap all = properties(action);
        if (!all.contains(name)) {
            m_connection.send(message.createErrorReply(QDBusError::InvalidArgs,
                QStringLiteral("Menu item %1 has no property %2").arg(id).arg(name)));
            return true;
        }
        return reply({ QVariant::fromValue(QDBusVariant(all.value(name))) });
    }
    const auto event = [this](int id, const QString& eventId) {
        QAction* action = actionOf(id);
        if (!action)
            return false;
        // After the reply: the action may end the program.
        if (eventId == QStringLiteral("clicked") && action->isEnabled())
            QTimer::singleShot(0, action, [action] { action->trigger(); });
        return true;
    };
    if (member == QStringLiteral("Event")) {
        event(arguments[0].toInt(), arguments[1].toString());
        return reply({});
    }
    if (member == QStringLiteral("EventGroup")) {
        QList<int> errors;
        for (const dbus_types::MenuEvent& one : qdbus_cast<dbus_types::MenuEvents>(arguments[0])) {
            if (one.id != 0 && !event(one.id, one.eventId))
                errors.push_back(one.id);
        }
        return reply({ QVariant::fromValue(errors) });
    }
    if (member == QStringLiteral("AboutToShow"))
        return reply({ false });
    return reply({ QVariant::fromValue(QList<int> {}), QVariant::fromValue(QList<int> {}) });
}

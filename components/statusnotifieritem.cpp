// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusnotifieritem.h"

#include "dbusmethods.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QImage>
#include <QtEndian>
#include <optional>

const QString StatusNotifierItem::kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

namespace {

const QString kInterface = QStringLiteral("org.kde.StatusNotifierItem");
constexpr int kToolTipIntervalMs = 1000;

constexpr const char* kItem = "org.kde.StatusNotifierItem";
constexpr DBusMethod kMethods[] = {
    kPropertiesGet,
    kPropertiesGetAll,
    { kItem, "Activate", "ii" },
    { kItem, "ContextMenu", "ii" },
    { kItem, "SecondaryActivate", "ii" },
    { kItem, "Scroll", "is" },
};

dbus_types::IconPixmaps pixmapsOf(const QIcon& icon)
{
    dbus_types::IconPixmaps pixmaps;
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        sizes = { QSize(16, 16), QSize(22, 22), QSize(32, 32), QSize(48, 48) };
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        dbus_types::IconPixmap pixmap { image.width(), image.height(), {} };
        pixmap.pixels.resize(static_cast<qsizetype>(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(pixmap.pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(row[x]);
        }
        pixmaps.push_back(pixmap);
    }
    return pixmaps;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection connection, QMenu* menu)
    : m_connection(std::move(connection))
    , m_menu(menu ? std::make_unique<DBusMenuExport>(m_connection, menu) : nullptr)
{
    static int count = 0;
    dbus_types::registerTypes();
    m_serviceName = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(++count);
    m_toolTipDelay.setSingleShot(true);
    QObject::connect(&m_toolTipDelay, &QTimer::timeout, this, [this] { announceToolTip(); });
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (m_registered) {
        m_connection.unregisterObject(QString::fromLatin1(kPath));
        // The watcher drops the item when its name goes.
        m_connection.unregisterService(m_serviceName);
    }
}

bool StatusNotifierItem::registerItem()
{
    if (!m_connection.isConnected())
        return false;
    if (!m_registered) {
        if (!m_connection.registerVirtualObject(QString::fromLatin1(kPath), this))
            return false;
        if (m_menu)
            m_menu->registerObject();
        m_connection.registerService(m_serviceName);
        m_registered = true;
    }
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
            kWatcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    m_connection.asyncCall(call);
}

void StatusNotifierItem::setIcon(const QIcon& icon)
{
    if (icon.cacheKey() == m_iconKey)
        return;
    m_iconKey = icon.cacheKey();
    m_pixmaps = pixmapsOf(icon);
    emitSignal("NewIcon");
}

void StatusNotifierItem::setToolTip(const QString& text)
{
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    if (m_toolTipDelay.isActive())
        return;
    const qint64 since = m_sinceToolTip.isValid() ? m_sinceToolTip.elapsed() : kToolTipIntervalMs;
    if (since >= kToolTipIntervalMs)
        announceToolTip();
    else
        m_toolTipDelay.start(static_cast<int>(kToolTipIntervalMs - since));
}

void StatusNotifierItem::announceToolTip()
{
    m_sinceToolTip.start();
    emitSignal("NewToolTip");
}

void StatusNotifierItem::emitSignal(const char* name)
{
    if (m_registered) {
        m_connection.send(QDBusMessage::createSignal(
            QString::fromLatin1(kPath), kInterface, QString::fromLatin1(name)));
    }
}

QVariantMap StatusNotifierItem::properties() const
{
    // The first line of the tip is its title, the others its text.
    dbus_types::ToolTip toolTip;
    const qsizetype lineEnd = m_toolTip.indexOf(u'\n');
    toolTip.title = m_toolTip.left(lineEnd);
    toolTip.description = lineEnd < 0 ? QString() : m_toolTip.mid(lineEnd + 1);
    QVariantMap all;
    all.insert(QStringLiteral("Category"), QStringLiteral("Communications"));
    all.insert(QStringLiteral("Id"), QStringLiteral("vantrel"));
    all.insert(QStringLiteral("Title"), QCoreApplication::applicationName());
    all.insert(QStringLiteral("Status"), QStringLiteral("Active"));
    all.insert(QStringLiteral("WindowId"), 0);
    all.insert(QStringLiteral("IconThemePath"), QString());
    all.insert(QStringLiteral("IconName"), QString());
    all.insert(QStringLiteral("IconPixmap"), QVariant::fromValue(m_pixmaps));
    all.insert(QStringLiteral("OverlayIconName"), QString());
    all.insert(
        QStringLiteral("OverlayIconPixmap"), QVariant::fromValue(dbus_types::IconPixmaps {}));
    all.insert(QStringLiteral("AttentionIconName"), QString());
    all.insert(
        QStringLiteral("AttentionIconPixmap"), QVariant::fromValue(dbus_types::IconPixmaps {}));
    all.insert(QStringLiteral("AttentionMovieName"), QString());
    all.insert(QStringLiteral("ToolTip"), QVariant::fromValue(toolTip));
    all.insert(QStringLiteral("ItemIsMenu"), false);
    all.insert(QStringLiteral("Menu"),
        QVariant::fromValue(QDBusObjectPath(m_menu ? DBusMenuExport::kPath : "/NO_DBUSMENU")));
    return all;
}

QString StatusNotifierItem::introspect(const QString&) const
{
    // clang-format off
    return QStringLiteral(R"xml(<interface name="org.kde.StatusNotifierItem">
  <property name="Category" type="s" access="read"/>
  <property name="Id" type="s" access="read"/>
  <property name="Title" type="s" access="read"/>
  <property name="Status" type="s" access="read"/>
  <property name="WindowId" type="i" access="read"/>
  <property name="IconThemePath" type="s" access="read"/>
  <property name="IconName" type="s" access="read"/>
  <property name="IconPixmap" type="a(iiay)" access="read"/>
  <property name="OverlayIconName" type="s" access="read"/>
  <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
  <property name="AttentionIconName" type="s" access="read"/>
  <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
  <property name="AttentionMovieName" type="s" access="read"/>
  <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
  <property name="ItemIsMenu" type="b" access="read"/>
  <property name="Menu" type="o" access="read"/>
  <method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
  <signal name="NewTitle"/>
  <signal name="NewIcon"/>
  <signal name="NewAttentionIcon"/>
  <signal name="NewOverlayIcon"/>
  <signal name="NewToolTip"/>
  <signal name="NewStatus"><arg name="status" type="s"/></signal>
</interface>
)xml");
    // clang-format on
}

bool StatusNotifierItem::handleMessage(const QDBusMessage& message, const QDBusConnection&)
{
    if (const auto answered = screen(message, m_connection, kMethods))
        return *answered;
    const QList<QVariant> arguments = message.arguments();
    const QString& member = message.member();
    if (member == QLatin1String(kPropertiesGet.name)
        || member == QLatin1String(kPropertiesGetAll.name)) {
        const QVariantMap all = properties();
        if (member == QLatin1String(kPropertiesGetAll.name)) {
            m_connection.send(message.createReply(all));
        } else if (all.contains(arguments[1].toString())) {
            m_connection.send(message.createReply(
                QVariant::fromValue(QDBusVariant(all.value(arguments[1].toString())))));
        } else {
            m_connection.send(message.createErrorReply(QDBusError::InvalidArgs,
                QStringLiteral("No such property: ") + arguments[1].toString()));
        }
        return true;
    }
    m_connection.send(message.createReply());
    std::optional<Request> request;
    if (member == QStringLiteral("Activate"))
        request = Request::Activate;
    else if (member == QStringLiteral("ContextMenu"))
        request = Request::ContextMenu;
    else if (member == QStringLiteral("SecondaryActivate"))
        request = Request::SecondaryActivate;
    // After the reply: a menu opened here runs its own event loop.
    if (request && onRequest) {
        const QPoint at(arguments[0].toInt(), arguments[1].toInt());
        QTimer::singleShot(0, this, [this, request, at] {
            if (onRequest)
                onRequest(*request, at);
        });
    }
    return true;
}

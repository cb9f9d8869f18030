// SPDX-License-Identifier: GPL-3.0-or-later
// The tray item and its menu on a real session bus, called by a peer that sends arguments of the
// wrong D-Bus types: every call is answered, and none ends the program.
#include "components/dbustypes.h"
#include "components/statusnotifieritem.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/xserver.h"

#include <QAction>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

// (ii), a structure no method of the item or the menu takes.
struct Pair
{
    int first = 0;
    int second = 0;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Pair& value)
{
    argument.beginStructure();
    argument << value.first << value.second;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Pair& value)
{
    argument.beginStructure();
    argument >> value.first >> value.second;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(Pair)

namespace {

const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

class HostileBusPeer : public testing::Test
{
protected:
    void SetUp() override
    {
        dbus_types::registerTypes();
        qDBusRegisterMetaType<Pair>();
        qDBusRegisterMetaType<QList<Pair>>();
        qDBusRegisterMetaType<QList<QList<int>>>();
        const QString address = testing_support::startSessionBus(m_daemon);
        if (address.isEmpty())
            VANTREL_SKIP_UNLESS_CI() << "dbus-daemon did not start";
        static int count = 0;
        ++count;
        m_itemBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("item-%1").arg(count)));
        m_callerBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("caller-%1").arg(count)));
        ASSERT_TRUE(m_itemBus->isConnected() && m_callerBus->isConnected());
        m_action = m_menu.addAction(QStringLiteral("Show Window"));
        QObject::connect(m_action, &QAction::triggered, [this] { ++m_triggered; });
        m_item = std::make_unique<StatusNotifierItem>(*m_itemBus, &m_menu);
        ASSERT_TRUE(m_item->registerItem());
    }
    void TearDown() override
    {
        m_item.reset();
        for (const auto* bus : { m_itemBus.get(), m_callerBus.get() }) {
            if (bus)
                QDBusConnection::disconnectFromBus(bus->name());
        }
        testing_support::stopProcess(m_daemon);
    }

    // Calls `member` of the object at `path` with `arguments` and waits for the answer.
    QDBusMessage call(const QString& path, const QString& interface, const QString& member,
        const QVariantList& arguments)
    {
        QDBusMessage message
            = QDBusMessage::createMethodCall(m_itemBus->baseService(), path, interface, member);
        message.setArguments(arguments);
        return m_callerBus->call(message, QDBus::BlockWithGui, 5000);
    }
    QDBusMessage callMenu(const QString& member, const QVariantList& arguments)
    {
        return call(QStringLiteral("/MenuBar"), kMenuInterface, member, arguments);
    }
    // The id the menu gave the one action, from its own layout.
    int actionId()
    {
        const QDBusMessage layout
            = callMenu(QStringLiteral("GetLayout"), { 0, -1, QStringList {} });
        EXPECT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
        if (layout.arguments().size() != 2)
            return 0;
        const auto root = qdbus_cast<dbus_types::MenuLayout>(layout.arguments()[1]);
        return root.children.isEmpty() ? 0 : root.children[0].id;
    }

    QProcess m_daemon;
    std::unique_ptr<QDBusConnection> m_itemBus;
    std::unique_ptr<QDBusConnection> m_callerBus;
    QMenu m_menu;
    QAction* m_action = nullptr;
    int m_triggered = 0;
    std::unique_ptr<StatusNotifierItem> m_item;
};

void expectRefused(const QDBusMessage& reply, const std::string& what)
{
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << what;
    EXPECT_EQ(reply.errorName(), kInvalidArgs)
        << what << ": " << reply.errorMessage().toStdString();
}

TEST_F(HostileBusPeer, EventGroupOfTheWrongTypeIsRefused)
{
    // Guards against a demarshalling abort: each of these once ended the program.
    const int id = actionId();
    ASSERT_NE(id, 0);
    const std::vector<std::pair<std::string, QVariant>> wrong {
        { "ai", QVariant::fromValue(QList<int> { id }) },
        { "as", QStringList { QStringLiteral("clicked") } },
        { "aai", QVariant::fromValue(QList<QList<int>> { { id } }) },
        { "a(ii)", QVariant::fromValue(QList<Pair> { { id, 1 } }) },
        { "a{sv}", QVariantMap { { QStringLiteral("clicked"), id } } },
        { "(isvu)",
            QVariant::fromValue(
                dbus_types::MenuEvent { id, QStringLiteral("clicked"), QDBusVariant(0), 0 }) },
        { "ao", QVariant::fromValue(QList<QDBusObjectPath> { QDBusObjectPath("/MenuBar") }) },
        { "i", id },
    };
    for (const auto& [signature, argument] : wrong)
        expectRefused(callMenu(QStringLiteral("EventGroup"), { argument }), signature);
    const QDBusMessage right = callMenu(QStringLiteral("EventGroup"),
        { QVariant::fromValue(
            dbus_types::MenuEvents { { id, QStringLiteral("clicked"), QDBusVariant(0), 0 } }) });
    EXPECT_EQ(right.type(), QDBusMessage::ReplyMessage) << right.errorMessage().toStdString();
    EXPECT_TRUE(testing_support::runEventsUntil([this] { return m_triggered == 1; }))
        << "a well-formed click still reaches the action";
}

TEST_F(HostileBusPeer, GroupPropertiesOfTheWrongTypeAreRefused)
{
    const std::vector<std::pair<std::string, QVariant>> wrong {
        { "aai", QVariant::fromValue(QList<QList<int>> { { 1 } }) },
        { "a(ii)", QVariant::fromValue(QList<Pair> { { 1, 2 } }) },
        { "a(isvu)",
            QVariant::fromValue(
                dbus_types::MenuEvents { { 1, QStringLiteral("clicked"), QDBusVariant(0), 0 } }) },
    };
    for (const auto& [signature, argument] : wrong) {
        expectRefused(callMenu(QStringLiteral("GetGroupProperties"), { argument, QStringList {} }),
            signature);
    }
    expectRefused(
        callMenu(QStringLiteral("GetLayout"), { 0, QStringLiteral("all"), 0 }), "GetLayout (isi)");
    expectRefused(callMenu(QStringLiteral("Event"), { 1, 2, 3, 4 }), "Event (iiii)");
    expectRefused(callMenu(QStringLiteral("AboutToShowGroup"), { 1 }), "AboutToShowGroup (i)");
}

TEST_F(HostileBusPeer, GetPropertyOfAnUnknownItemOrNameIsAnswered)
{
    // Guards against a call left without a reply ("cannot add a null QDBusVariant").
    const int id = actionId();
    expectRefused(
        callMenu(QStringLiteral("GetProperty"), { 9999, QStringLiteral("label") }), "unknown id");
    expectRefused(callMenu(QStringLiteral("GetProperty"), { id, QStringLiteral("no-such") }),
        "unknown property");
    const QDBusMessage label
        = callMenu(QStringLiteral("GetProperty"), { id, QStringLiteral("label") });
    ASSERT_EQ(label.type(), QDBusMessage::ReplyMessage) << label.errorMessage().toStdString();
    EXPECT_EQ(label.arguments()[0].value<QDBusVariant>().variant().toString(),
        QStringLiteral("Show Window"));
}

TEST_F(HostileBusPeer, TheItemRefusesWrongArgumentsAndUnknownMethods)
{
    const QString path = QStringLiteral("/StatusNotifierItem");
    expectRefused(call(path, kItemInterface, QStringLiteral("Activate"), { QStringLiteral("x") }),
        "Activate (s)");
    expectRefused(call(path, kItemInterface, QStringLiteral("Scroll"), { 1, 2 }), "Scroll (ii)");
    expectRefused(
        call(path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), { 1 }),
        "Get (i)");
    expectRefused(call(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                      QStringLiteral("Get"), { kItemInterface, QStringLiteral("NoSuch") }),
        "Get of an unknown property");
    const QDBusMessage unknown = call(path, kItemInterface, QStringLiteral("Explode"), {});
    EXPECT_EQ(unknown.errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"));
    const QDBusMessage title = call(path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"), { kItemInterface, QStringLiteral("Id") });
    ASSERT_EQ(title.type(), QDBusMessage::ReplyMessage) << title.errorMessage().toStdString();
    EXPECT_EQ(
        title.arguments()[0].value<QDBusVariant>().variant().toString(), QStringLiteral("vantrel"));
}

} // namespace

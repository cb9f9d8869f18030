// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon shows the state: dimmed offline, a badge for a plan past a warning threshold or
// at its limit, in the pixels drawn and in what a StatusNotifierItem host is given.
#include "components/dbustypes.h"
#include "components/statusnotifieritem.h"
#include "components/trayiconcomp.h"
#include "tests/support/eventwait.h"
#include "tests/support/missingpeer.h"
#include "tests/support/process.h"
#include "tests/support/xserver.h"

#include <QAction>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testing_support::runEventsUntil;

struct State
{
    const char* name;
    bool online;
    IconBadge badge;
};
const State kStates[] = { { "online", true, IconBadge::None },
    { "offline", false, IconBadge::None }, { "online, warning", true, IconBadge::Warning },
    { "online, limit", true, IconBadge::Limit }, { "offline, warning", false, IconBadge::Warning },
    { "offline, limit", false, IconBadge::Limit } };

QImage drawn(const QIcon& icon, int size)
{
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool near(QRgb pixel, QRgb colour)
{
    return qAlpha(pixel) == 255 && std::abs(qRed(pixel) - qRed(colour)) <= 6
        && std::abs(qGreen(pixel) - qGreen(colour)) <= 6
        && std::abs(qBlue(pixel) - qBlue(colour)) <= 6;
}

int pixelsNear(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixel(x, y), colour) ? 1 : 0;
    }
    return count;
}

// Pixels whose channels differ by more than a grey's would.
int colouredPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int spread = std::max({ qRed(pixel), qGreen(pixel), qBlue(pixel) })
                - std::min({ qRed(pixel), qGreen(pixel), qBlue(pixel) });
            count += qAlpha(pixel) > 0 && spread > 12 ? 1 : 0;
        }
    }
    return count;
}

qint64 opacity(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    }
    return sum;
}

TEST(TrayIconState, OnlineWithoutABadgeIsTheProgramsIcon)
{
    for (int size : { 16, 22, 32, 48, 64 }) {
        SCOPED_TRACE(size);
        EXPECT_EQ(drawn(vantrelIcon(true, IconBadge::None), size), drawn(vantrelIcon(), size));
    }
}

TEST(TrayIconState, OfflineIsGreyAndFaded)
{
    for (int size : { 16, 22, 32 }) {
        SCOPED_TRACE(size);
        const QImage online = drawn(vantrelIcon(true, IconBadge::None), size);
        const QImage offline = drawn(vantrelIcon(false, IconBadge::None), size);
        ASSERT_EQ(offline.size(), online.size());
        EXPECT_GT(pixelsNear(online, qRgb(0, 255, 0)), 0) << "the green bars online";
        EXPECT_EQ(colouredPixels(offline), 0) << "no colour left offline";
        EXPECT_LT(opacity(offline), opacity(online));
    }
}

TEST(TrayIconState, APlansBadgeIsAmberAtAWarningAndRedAtTheLimit)
{
    for (const State& state : kStates) {
        for (int size : { 16, 22, 32 }) {
            SCOPED_TRACE(std::string(state.name) + ", " + std::to_string(size));
            const QImage image = drawn(vantrelIcon(state.online, state.badge), size);
            const int amber = pixelsNear(image, kWarningBadge);
            const int red = pixelsNear(image, kLimitBadge);
            EXPECT_EQ(amber > 0, state.badge == IconBadge::Warning) << amber << " amber pixels";
            EXPECT_EQ(red > 0, state.badge == IconBadge::Limit) << red << " red pixels";
            if (state.badge != IconBadge::None) {
                EXPECT_GE(std::max(amber, red), size * size / 16) << "large enough to see";
            }
        }
    }
}

TEST(TrayIconState, AStateGivesTheSameIconEachTime)
{
    // The tray is told of a new icon only when its key changes.
    for (const State& state : kStates) {
        SCOPED_TRACE(state.name);
        EXPECT_EQ(vantrelIcon(state.online, state.badge).cacheKey(),
            vantrelIcon(state.online, state.badge).cacheKey());
    }
}

class TrayIconStateItem : public testing::Test
{
protected:
    void SetUp() override
    {
        dbus_types::registerTypes();
        const QString address = testing_support::startSessionBus(m_daemon);
        if (address.isEmpty())
            VANTREL_SKIP_UNLESS_CI() << "dbus-daemon did not start";
        m_itemBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("state-item")));
        m_hostBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("state-host")));
        ASSERT_TRUE(m_itemBus->isConnected() && m_hostBus->isConnected());
        m_item = std::make_unique<StatusNotifierItem>(*m_itemBus, nullptr);
        ASSERT_TRUE(m_item->registerItem());
        QObject::connect(&m_newIcon, &QAction::triggered, [this] { ++m_newIcons; });
        ASSERT_TRUE(m_hostBus->connect(m_itemBus->baseService(), StatusNotifierItem::kPath,
            QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("NewIcon"), &m_newIcon,
            SLOT(trigger())));
    }
    void TearDown() override
    {
        m_item.reset();
        m_itemBus.reset();
        m_hostBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("state-item"));
        QDBusConnection::disconnectFromBus(QStringLiteral("state-host"));
        testing_support::stopProcess(m_daemon);
    }
    // The IconPixmap property as a host reads it.
    dbus_types::IconPixmaps exported()
    {
        QDBusMessage get
            = QDBusMessage::createMethodCall(m_itemBus->baseService(), StatusNotifierItem::kPath,
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("IconPixmap");
        // The item answers on this thread: the call waits with the events running.
        const QDBusReply<QDBusVariant> reply = m_hostBus->call(get, QDBus::BlockWithGui, 5000);
        if (!reply.isValid())
            return {};
        return qdbus_cast<dbus_types::IconPixmaps>(reply.value().variant());
    }

    QProcess m_daemon;
    std::unique_ptr<QDBusConnection> m_itemBus;
    std::unique_ptr<QDBusConnection> m_hostBus;
    std::unique_ptr<StatusNotifierItem> m_item;
    QAction m_newIcon;
    int m_newIcons = 0;
};

TEST_F(TrayIconStateItem, EachStateIsAnnouncedAndExportedWithItsOwnPixmaps)
{
    std::vector<QByteArray> seen;
    for (const State& state : kStates) {
        SCOPED_TRACE(state.name);
        const int before = m_newIcons;
        m_item->setIcon(vantrelIcon(state.online, state.badge));
        ASSERT_TRUE(runEventsUntil([&] { return m_newIcons > before; })) << "NewIcon";
        const dbus_types::IconPixmaps pixmaps = exported();
        ASSERT_FALSE(pixmaps.isEmpty());
        const auto smallest = std::min_element(pixmaps.begin(), pixmaps.end(),
            [](const auto& a, const auto& b) { return a.width < b.width; });
        EXPECT_EQ(smallest->width, 16);
        EXPECT_EQ(smallest->pixels.size(), 16 * 16 * 4);
        for (const QByteArray& earlier : seen)
            EXPECT_NE(smallest->pixels, earlier) << "differs from every state before";
        seen.push_back(smallest->pixels);

        // The badge's colour is in the exported pixels (ARGB, big-endian).
        const QRgb badge = state.badge == IconBadge::Limit ? kLimitBadge : kWarningBadge;
        int found = 0;
        for (qsizetype at = 0; at + 4 <= smallest->pixels.size(); at += 4) {
            const auto* bytes = reinterpret_cast<const uchar*>(smallest->pixels.constData() + at);
            found += near(qRgba(bytes[1], bytes[2], bytes[3], bytes[0]), badge) ? 1 : 0;
        }
        EXPECT_EQ(found > 0, state.badge != IconBadge::None);
    }
}

} // namespace

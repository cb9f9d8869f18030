// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwindowservice.h"

#include "desktopnotifications.h"
#include "platform/linebreaks.h"
#include "platform/runtime.h"
#include "platform/win/winuser.h"
#include "statusnotifieritem.h"
#include "xembedtraywatch.h"

#include <QCursor>
#include <QDBusConnectionInterface>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

std::map<win::HWND, QPointer<QWidget>>& windows()
{
    static std::map<win::HWND, QPointer<QWidget>> all;
    return all;
}

std::map<win::HICON, QIcon>& icons()
{
    static std::map<win::HICON, QIcon> all;
    return all;
}

std::map<win::HWND, QPointer<QMenu>>& menus()
{
    static std::map<win::HWND, QPointer<QMenu>> all;
    return all;
}

// Set while a host's request is being handled.
std::optional<QPoint>& hostPointer()
{
    static std::optional<QPoint> at;
    return at;
}

// The shell's texts as Qt and the desktop's notifications show them.
QString shellText(const std::string& text)
{
    return platform::withQtLineBreaks(QString::fromUtf8(text));
}

} // namespace

QtWindowService::QtWindowService()
    : m_watcher(StatusNotifierItem::kWatcherService, QDBusConnection::sessionBus(),
        QDBusServiceWatcher::WatchForOwnerChange)
    , m_notifications(std::make_unique<DesktopNotifications>(QDBusConnection::sessionBus()))
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    m_watcherPresent = bus.isConnected() && bus.interface()
        && bus.interface()->isServiceRegistered(StatusNotifierItem::kWatcherService).value();
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString& oldOwner, const QString& newOwner) {
            watcherChanged(oldOwner, newOwner);
        });
    m_notifications->onClicked = [this] {
        if (m_balloonFrom)
            report(*m_balloonFrom, { win::NIN_BALLOONUSERCLICK });
    };
    m_trayWasAvailable = trayAvailable();
    // Looked at once Qt has handled the announcement too, so that its tray tracker knows the tray.
    m_xembedWatch = std::make_unique<XEmbedTrayWatch>(
        [this] { QTimer::singleShot(0, this, &QtWindowService::xembedTrayAnnounced); });
}

QtWindowService::~QtWindowService()
{
    if (m_installed && platform::Runtime::current().windowService() == this)
        platform::Runtime::current().setWindowService(nullptr);
}

void QtWindowService::install()
{
    platform::Runtime::current().setWindowService(this);
    m_installed = true;
}

win::HWND QtWindowService::handleOf(QWidget* window)
{
    auto& all = windows();
    for (auto it = all.begin(); it != all.end();) {
        if (it->second == window)
            return it->first;
        it = it->second ? std::next(it) : all.erase(it);
    }
    static win::HWND next = 0x00D00001;
    all.emplace(next, window);
    return next++;
}

win::HICON QtWindowService::handleOf(const QIcon& icon)
{
    auto& all = icons();
    for (const auto& [handle, known] : all) {
        if (known.cacheKey() == icon.cacheKey())
            return handle;
    }
    static win::HICON next = 0x00E00001;
    all.emplace(next, icon);
    return next++;
}

void QtWindowService::setTrayMenu(win::HWND owner, QMenu* menu)
{
    menus()[owner] = menu;
    if (auto* self = dynamic_cast<QtWindowService*>(platform::Runtime::current().windowService()))
        self->menuChanged(owner);
}

QPoint QtWindowService::messagePos()
{
    return hostPointer().value_or(QCursor::pos());
}

bool QtWindowService::setOpacity(win::HWND window, double opacity)
{
    const auto found = windows().find(window);
    if (found == windows().end() || !found->second)
        return false;
    found->second->setWindowOpacity(opacity);
    return true;
}

bool QtWindowService::xembedAvailable() const
{
    // Qt decides once per process whether its own tray icons use a StatusNotifierWatcher; it is
    // asked only while there is none, so that its icons stay XEmbed ones.
    return !m_watcherPresent && QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtWindowService::trayAvailable() const
{
    return m_watcherPresent || xembedAvailable();
}

void QtWindowService::attach(const Key& key, Shown& shown)
{
    shown.item.reset();
    shown.icon.reset();
    if (m_watcherPresent) {
        const auto menu = menus().find(key.first);
        shown.item = std::make_unique<StatusNotifierItem>(
            QDBusConnection::sessionBus(), menu == menus().end() ? nullptr : menu->second.data());
        shown.item->onRequest = [this, key](StatusNotifierItem::Request request, QPoint at) {
            switch (request) {
            case StatusNotifierItem::Request::Activate:
                // The host's only click: taken as the double click that runs the default item.
                report(key,
                    { win::WM_LBUTTONDOWN, win::WM_LBUTTONUP, win::WM_LBUTTONDBLCLK,
                        win::WM_LBUTTONUP },
                    at);
                break;
            case StatusNotifierItem::Request::ContextMenu:
                report(key, { win::WM_RBUTTONDOWN, win::WM_RBUTTONUP }, at);
                break;
            case StatusNotifierItem::Request::SecondaryActivate:
                report(key, { win::WM_MBUTTONDOWN, win::WM_MBUTTONUP }, at);
                break;
            }
        };
        push(shown);
        shown.item->registerItem();
        return;
    }
    shown.icon = std::make_unique<QSystemTrayIcon>();
    QObject::connect(shown.icon.get(), &QSystemTrayIcon::activated, this,
        [this, key](QSystemTrayIcon::ActivationReason reason) {
            // The shell reports each button's press and release.
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                report(key, { win::WM_LBUTTONDOWN, win::WM_LBUTTONUP });
                break;
            case QSystemTrayIcon::DoubleClick:
                report(key, { win::WM_LBUTTONDBLCLK });
                break;
            case QSystemTrayIcon::Context:
                report(key, { win::WM_RBUTTONDOWN, win::WM_RBUTTONUP });
                break;
            case QSystemTrayIcon::MiddleClick:
                report(key, { win::WM_MBUTTONDOWN, win::WM_MBUTTONUP });
                break;
            default:
                break;
            }
        });
    QObject::connect(shown.icon.get(), &QSystemTrayIcon::messageClicked, this, [this, key] {
        report(key, { win::NIN_BALLOONUSERCLICK });
        qtBalloonEnded(key, m_qtBalloonShowing);
    });
    push(shown);
    shown.icon->show();
}

void QtWindowService::push(Shown& shown)
{
    const QIcon icon = shown.iconHandle ? icons()[shown.iconHandle] : QIcon();
    if (shown.item) {
        shown.item->setIcon(icon);
        shown.item->setToolTip(shown.tip);
    }
    if (shown.icon) {
        if (shown.icon->icon().cacheKey() != icon.cacheKey())
            shown.icon->setIcon(icon);
        if (shown.icon->toolTip() != shown.tip)
            shown.icon->setToolTip(shown.tip);
    }
}

void QtWindowService::report(
    const Key& key, std::initializer_list<win::UINT> mouse, std::optional<QPoint> at)
{
    const auto found = m_icons.find(key);
    if (found == m_icons.end())
        return;
    const win::UINT message = found->second.callbackMessage;
    hostPointer() = at;
    for (win::UINT one : mouse)
        platform::sendMessage(key.first, message, key.second, one);
    hostPointer().reset();
}

void QtWindowService::showBalloon(const Key& key, Shown& shown, const TrayIcon& icon)
{
    // An empty text takes away the balloon still showing.
    if (icon.balloonText.empty()) {
        m_notifications->close(icon.balloonOptions.group);
        return;
    }
    const QString title = shellText(icon.balloonTitle);
    const QString text = shellText(icon.balloonText);
    const int timeoutMs = static_cast<int>(icon.balloonTimeoutMs);
    m_balloonFrom = key;
    const auto kind = icon.balloonIcon == win::NIIF_INFO ? DesktopNotifications::Kind::Information
        : icon.balloonIcon == win::NIIF_WARNING          ? DesktopNotifications::Kind::Warning
        : icon.balloonIcon == win::NIIF_ERROR            ? DesktopNotifications::Kind::Error
                                                         : DesktopNotifications::Kind::None;
    if (m_notifications->available()
        && m_notifications->show(title, text, kind, timeoutMs, icon.balloonOptions))
        return;
    if (shown.icon)
        showQtBalloon(
            key, shown, { title, text, icon.balloonIcon, timeoutMs, icon.balloonOptions, false });
}

void QtWindowService::showQtBalloon(
    const Key& key, Shown& shown, const BalloonReturn::Balloon& balloon)
{
    const auto qtKind = balloon.icon == win::NIIF_INFO ? QSystemTrayIcon::Information
        : balloon.icon == win::NIIF_WARNING            ? QSystemTrayIcon::Warning
        : balloon.icon == win::NIIF_ERROR              ? QSystemTrayIcon::Critical
                                                       : QSystemTrayIcon::NoIcon;
    const int serial = m_qtBalloons.shown(balloon);
    m_qtBalloonShowing = serial;
    shown.icon->showMessage(balloon.title, balloon.text, qtKind, balloon.timeoutMs);
    if (balloon.timeoutMs > 0) {
        // Qt says nothing when its balloon expires: this ends at the same time.
        QTimer::singleShot(
            balloon.timeoutMs, this, [this, key, serial] { qtBalloonEnded(key, serial); });
    }
}

void QtWindowService::qtBalloonEnded(const Key& key, int serial)
{
    const auto back = m_qtBalloons.ended(serial);
    const auto found = m_icons.find(key);
    if (back && found != m_icons.end() && found->second.icon)
        showQtBalloon(key, found->second, *back);
}

bool QtWindowService::addTrayIcon(const TrayIcon& icon)
{
    if (!trayAvailable())
        return false;
    const Key key { icon.owner, icon.id };
    Shown& shown = m_icons[key];
    if (icon.callbackMessage)
        shown.callbackMessage = icon.callbackMessage;
    if (icon.icon)
        shown.iconHandle = icon.icon;
    shown.tip = shellText(icon.tip);
    if (!shown.item && !shown.icon)
        attach(key, shown);
    else
        push(shown);
    if (icon.balloon)
        showBalloon(key, shown, icon);
    return true;
}

bool QtWindowService::modifyTrayIcon(const TrayIcon& icon)
{
    const Key key { icon.owner, icon.id };
    const auto found = m_icons.find(key);
    if (found == m_icons.end())
        return false;
    Shown& shown = found->second;
    if (icon.callbackMessage)
        shown.callbackMessage = icon.callbackMessage;
    if (icon.icon)
        shown.iconHandle = icon.icon;
    shown.tip = shellText(icon.tip);
    push(shown);
    if (icon.balloon)
        showBalloon(key, shown, icon);
    return true;
}

bool QtWindowService::deleteTrayIcon(win::HWND owner, win::UINT id)
{
    return m_icons.erase({ owner, id }) > 0;
}

void QtWindowService::menuChanged(win::HWND owner)
{
    for (auto& [key, shown] : m_icons) {
        if (key.first == owner && shown.item)
            attach(key, shown);
    }
}

void QtWindowService::watcherChanged(const QString& oldOwner, const QString& newOwner)
{
    const bool wasPresent = m_watcherPresent;
    m_watcherPresent = !newOwner.isEmpty();
    if (m_watcherPresent && !oldOwner.isEmpty() && wasPresent) {
        // Another watcher took over: it knows no item yet.
        for (auto& [key, shown] : m_icons) {
            if (shown.item)
                shown.item->registerWithWatcher();
        }
        return;
    }
    // The icons move to the host that is there now, or go until one comes.
    const bool xembed = !m_watcherPresent && xembedAvailable();
    for (auto it = m_icons.begin(); it != m_icons.end();) {
        if (m_watcherPresent || xembed) {
            attach(it->first, it->second);
            ++it;
        } else {
            it = m_icons.erase(it);
        }
    }
    const bool available = m_watcherPresent || xembed;
    if (available && !m_trayWasAvailable)
        platform::broadcastMessage(win::RegisterWindowMessageA("TaskbarCreated"));
    m_trayWasAvailable = available;
}

void QtWindowService::xembedTrayAnnounced()
{
    // A tray that has just come knows no icons, even when another was there before it.
    m_trayWasAvailable = trayAvailable();
    if (m_trayWasAvailable)
        platform::broadcastMessage(win::RegisterWindowMessageA("TaskbarCreated"));
}

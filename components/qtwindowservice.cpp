// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwindowservice.h"

#include "platform/runtime.h"
#include "platform/win/winuser.h"

#include <QSystemTrayIcon>

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

} // namespace

QtWindowService::QtWindowService()
{
    m_trayWasAvailable = trayAvailable();
    m_trayWatch.setInterval(5000);
    connect(&m_trayWatch, &QTimer::timeout, this, &QtWindowService::watchTray);
    m_trayWatch.start();
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

bool QtWindowService::setOpacity(win::HWND window, double opacity)
{
    const auto found = windows().find(window);
    if (found == windows().end() || !found->second)
        return false;
    found->second->setWindowOpacity(opacity);
    return true;
}

bool QtWindowService::trayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

namespace {

// The shell's texts break lines with a carriage return; Qt's tool tips and messages with '\n'.
QString shellText(const std::string& text)
{
    QString shown = QString::fromUtf8(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

void QtWindowService::apply(Shown& shown, const TrayIcon& icon)
{
    if (icon.callbackMessage)
        shown.callbackMessage = icon.callbackMessage;
    if (icon.icon)
        shown.icon->setIcon(icons()[icon.icon]);
    shown.icon->setToolTip(shellText(icon.tip));
    if (icon.balloon && !icon.balloonText.empty()) {
        const auto kind = icon.balloonIcon == win::NIIF_INFO ? QSystemTrayIcon::Information
            : icon.balloonIcon == win::NIIF_WARNING          ? QSystemTrayIcon::Warning
            : icon.balloonIcon == win::NIIF_ERROR            ? QSystemTrayIcon::Critical
                                                             : QSystemTrayIcon::NoIcon;
        shown.icon->showMessage(QString::fromUtf8(icon.balloonTitle),
            QString::fromUtf8(icon.balloonText), kind, static_cast<int>(icon.balloonTimeoutMs));
    }
}

bool QtWindowService::addTrayIcon(const TrayIcon& icon)
{
    if (!trayAvailable())
        return false;
    Shown& shown = m_icons[{ icon.owner, icon.id }];
    if (!shown.icon) {
        shown.icon = std::make_unique<QSystemTrayIcon>();
        const win::HWND owner = icon.owner;
        const win::UINT id = icon.id;
        QObject::connect(shown.icon.get(), &QSystemTrayIcon::activated, this,
            [this, owner, id](QSystemTrayIcon::ActivationReason reason) {
                const auto found = m_icons.find({ owner, id });
                if (found == m_icons.end())
                    return;
                const win::UINT message = found->second.callbackMessage;
                // The shell reports each button's press and release.
                const auto report
                    = [&](win::UINT mouse) { platform::sendMessage(owner, message, id, mouse); };
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    report(win::WM_LBUTTONDOWN);
                    report(win::WM_LBUTTONUP);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    report(win::WM_LBUTTONDBLCLK);
                    break;
                case QSystemTrayIcon::Context:
                    report(win::WM_RBUTTONDOWN);
                    report(win::WM_RBUTTONUP);
                    break;
                case QSystemTrayIcon::MiddleClick:
                    report(win::WM_MBUTTONDOWN);
                    report(win::WM_MBUTTONUP);
                    break;
                default:
                    break;
                }
            });
    }
    apply(shown, icon);
    shown.icon->show();
    return true;
}

bool QtWindowService::modifyTrayIcon(const TrayIcon& icon)
{
    const auto found = m_icons.find({ icon.owner, icon.id });
    if (found == m_icons.end())
        return false;
    apply(found->second, icon);
    return true;
}

bool QtWindowService::deleteTrayIcon(win::HWND owner, win::UINT id)
{
    return m_icons.erase({ owner, id }) > 0;
}

void QtWindowService::watchTray()
{
    const bool available = trayAvailable();
    if (available && !m_trayWasAvailable)
        platform::broadcastMessage(win::RegisterWindowMessageA("TaskbarCreated"));
    m_trayWasAvailable = available;
}

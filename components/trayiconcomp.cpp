// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayiconcomp.h"

#include "platform/runtime.h"
#include "platform/win/winuser.h"
#include "platform/windowservice.h"
#include "qtwindowservice.h"
#include "windowstacking.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPen>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <utility>

namespace {

// Shift, Alt and Ctrl as the keyboard holds them now, and the button that acted.
TShiftState shiftStateNow(Qt::MouseButton button)
{
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    TShiftState state;
    state.setFlag(ssShift, keys.testFlag(Qt::ShiftModifier));
    state.setFlag(ssAlt, keys.testFlag(Qt::AltModifier));
    state.setFlag(ssCtrl, keys.testFlag(Qt::ControlModifier));
    state.setFlag(ssLeft, button == Qt::LeftButton);
    state.setFlag(ssRight, button == Qt::RightButton);
    state.setFlag(ssMiddle, button == Qt::MiddleButton);
    return state;
}

} // namespace

TTrayIcon::TTrayIcon(QObject* owner)
    : QObject(owner)
{
    m_taskbarCreated = win::RegisterWindowMessageA("TaskbarCreated");
    m_window
        = platform::createMessageWindow([this](win::UINT message, std::uintptr_t,
                                            std::intptr_t lParam) { windowProc(message, lParam); });
    m_record.cbSize = sizeof m_record;
    m_record.hWnd = m_window;
    m_record.uID = 1;
    m_record.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
    m_record.uCallbackMessage = kCallbackMessage;
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, &TTrayIcon::clickTimerTick);
    connect(&m_cycleTimer, &QTimer::timeout, this, &TTrayIcon::cycleTick);
}

TTrayIcon::~TTrayIcon()
{
    if (m_iconVisible)
        HideIcon();
    platform::destroyMessageWindow(m_window);
}

bool TTrayIcon::available() const
{
    const platform::WindowService* service = platform::Runtime::current().windowService();
    return service && service->trayAvailable();
}

QString TTrayIcon::shownTip() const
{
    return m_showHint ? m_hint.left(127) : QString();
}

void TTrayIcon::windowProc(win::UINT message, std::intptr_t lParam)
{
    if (message == m_taskbarCreated) {
        // The shell (re)started: a visible icon comes back by itself.
        if (m_iconVisible)
            ShowIcon();
        return;
    }
    if (message != kCallbackMessage)
        return;
    switch (static_cast<win::UINT>(lParam)) {
    case win::NIN_BALLOONUSERCLICK:
        // A click on the balloon brings the window, as the default item does.
        if (m_enabled && m_popupMenu && m_popupMenu->defaultAction())
            m_popupMenu->defaultAction()->trigger();
        break;
    case win::WM_MOUSEMOVE:
        shellNotification(ShellMouse::Move);
        break;
    case win::WM_LBUTTONDOWN:
        shellNotification(ShellMouse::LeftDown);
        break;
    case win::WM_LBUTTONUP:
        shellNotification(ShellMouse::LeftUp);
        break;
    case win::WM_LBUTTONDBLCLK:
        shellNotification(ShellMouse::LeftDoubleClick);
        break;
    case win::WM_RBUTTONDOWN:
        shellNotification(ShellMouse::RightDown);
        break;
    case win::WM_RBUTTONUP:
        shellNotification(ShellMouse::RightUp);
        break;
    case win::WM_MBUTTONDOWN:
        shellNotification(ShellMouse::MiddleDown);
        break;
    case win::WM_MBUTTONUP:
        shellNotification(ShellMouse::MiddleUp);
        break;
    default:
        break;
    }
}

void TTrayIcon::fillRecord()
{
    m_record.hIcon = m_icon.isNull() ? 0 : QtWindowService::handleOf(m_icon);
    // The tip holds 127 characters; in UTF-8 a long text is cut further at a character's edge.
    QByteArray tip = shownTip().toUtf8();
    while (tip.size() > 127) {
        tip.chop(1);
        while (!tip.isEmpty() && (static_cast<unsigned char>(tip.back()) & 0xC0) == 0x80)
            tip.chop(1);
        if (!tip.isEmpty() && static_cast<unsigned char>(tip.back()) >= 0xC0)
            tip.chop(1);
    }
    std::memset(m_record.szTip, 0, sizeof m_record.szTip);
    std::memcpy(m_record.szTip, tip.constData(), static_cast<std::size_t>(tip.size()));
}

void TTrayIcon::SetHint(const QString& value)
{
    m_hint = value;
    ModifyIcon();
}

void TTrayIcon::SetShowHint(bool value)
{
    m_showHint = value;
    ModifyIcon();
}

void TTrayIcon::SetIcon(const QIcon& value)
{
    m_icon = value;
    ModifyIcon();
}

void TTrayIcon::SetPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    // Desktops that draw the icon's menu themselves get this one.
    QtWindowService::setTrayMenu(m_window, menu);
}

void TTrayIcon::SetIconVisible(bool value)
{
    if (value)
        ShowIcon();
    else
        HideIcon();
}

void TTrayIcon::SetIconList(std::vector<QIcon> value)
{
    m_iconList = std::move(value);
    SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int value)
{
    if (m_iconList.empty()) {
        m_iconIndex = 0;
    } else if (value >= 0) {
        m_iconIndex = std::min(value, static_cast<int>(m_iconList.size()) - 1);
        m_icon = m_iconList[static_cast<std::size_t>(m_iconIndex)];
    }
    ModifyIcon();
}

void TTrayIcon::SetCycleIcons(bool value)
{
    m_cycleIcons = value;
    if (value)
        SetIconIndex(0);
    restartCycleTimer();
}

void TTrayIcon::SetCycleInterval(unsigned value)
{
    m_cycleInterval = value;
    restartCycleTimer();
}

void TTrayIcon::restartCycleTimer()
{
    // Qt's timer takes a signed interval; longer than 24 days is the same as never to a user.
    const unsigned interval = std::min(m_cycleInterval, static_cast<unsigned>(INT_MAX));
    if (m_cycleIcons && interval > 0)
        m_cycleTimer.start(static_cast<int>(interval));
    else
        m_cycleTimer.stop();
}

bool TTrayIcon::ShowIcon()
{
    m_iconVisible = true;
    fillRecord();
    return win::Shell_NotifyIconA(win::NIM_ADD, &m_record) != win::FALSE;
}

bool TTrayIcon::HideIcon()
{
    m_iconVisible = false;
    return win::Shell_NotifyIconA(win::NIM_DELETE, &m_record) != win::FALSE;
}

bool TTrayIcon::ModifyIcon()
{
    fillRecord();
    return win::Shell_NotifyIconA(win::NIM_MODIFY, &m_record) != win::FALSE;
}

bool TTrayIcon::ShowBalloonHint(
    const QString& Title, const QString& Text, TBalloonIcon IconType, int TimeoutSeconds)
{
    return balloon(Title, Text, IconType, TimeoutSeconds, {});
}

bool TTrayIcon::showNotice(const QString& title, const QString& text, TBalloonIcon icon,
    int timeoutSeconds, const platform::BalloonOptions& options)
{
    return balloon(title, text, icon, timeoutSeconds, options);
}

bool TTrayIcon::modifyWith(const platform::BalloonOptions& options)
{
    fillRecord();
    return platform::notifyIcon(win::NIM_MODIFY, &m_record, options) != win::FALSE;
}

bool TTrayIcon::balloon(const QString& title, const QString& text, TBalloonIcon icon,
    int timeoutSeconds, const platform::BalloonOptions& options)
{
    if (!m_enabled)
        return true;
    m_balloon = { title.left(63), text.left(255), icon, timeoutSeconds, options };
    const auto put = [](auto& field, const QString& value) {
        QByteArray bytes = value.toUtf8().left(static_cast<qsizetype>(sizeof field) - 1);
        std::memset(field, 0, sizeof field);
        std::memcpy(field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    };
    // An empty balloon first removes one still showing; then the new one.
    m_record.uFlags |= win::NIF_INFO;
    put(m_record.szInfo, QString());
    modifyWith(options);
    m_record.uFlags |= win::NIF_INFO;
    put(m_record.szInfo, m_balloon.text);
    put(m_record.szInfoTitle, m_balloon.title);
    m_record.uTimeout = static_cast<win::UINT>(std::clamp(timeoutSeconds, 0, 255)) * 1000u;
    m_record.dwInfoFlags = static_cast<win::DWORD>(icon);
    const bool shown = modifyWith(options);
    m_record.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
    return shown;
}

void TTrayIcon::ShowMainForm(QWidget& window)
{
    // Out of the minimised state before it is shown: a window shown while still minimised is
    // mapped iconic, and the minimise would send it straight back to the tray.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    bringToFront(window);
}

void TTrayIcon::HideMainForm(QWidget& window)
{
    if (!available())
        return;
    window.hide();
    SetIconVisible(true);
}

void TTrayIcon::PopupAtCursor()
{
    if (m_popupMenu)
        m_popupMenu->popup(QtWindowService::messagePos());
}

void TTrayIcon::mouseButton(
    const std::function<void(QObject*, Qt::MouseButton, TShiftState, int, int)>& event,
    Qt::MouseButton button)
{
    if (!event)
        return;
    const QPoint at = QCursor::pos();
    event(this, button, shiftStateNow(button), at.x(), at.y());
}

void TTrayIcon::shellNotification(ShellMouse message)
{
    if (!m_enabled)
        return;
    switch (message) {
    case ShellMouse::Move:
        if (OnMouseMove) {
            const QPoint at = QCursor::pos();
            OnMouseMove(this, shiftStateNow(Qt::NoButton), at.x(), at.y());
        }
        break;
    case ShellMouse::LeftDown:
        m_clickTimer.start();
        mouseButton(OnMouseDown, Qt::LeftButton);
        m_clickStarted = true;
        if (m_leftPopup)
            PopupAtCursor();
        break;
    case ShellMouse::LeftUp:
        if (m_clickStarted)
            m_clicked = true;
        if (m_clickStarted && !m_clickTimer.isActive()) {
            m_clickStarted = false;
            m_clicked = false;
            if (OnClick)
                OnClick(this);
        }
        m_clickStarted = false;
        mouseButton(OnMouseUp, Qt::LeftButton);
        break;
    case ShellMouse::LeftDoubleClick:
        m_clicked = false;
        m_doubleClicked = true;
        if (OnDblClick)
            OnDblClick(this);
        if (m_popupMenu && !m_leftPopup && m_popupMenu->defaultAction())
            m_popupMenu->defaultAction()->trigger();
        break;
    case ShellMouse::RightDown:
        mouseButton(OnMouseDown, Qt::RightButton);
        PopupAtCursor();
        break;
    case ShellMouse::RightUp:
        mouseButton(OnMouseUp, Qt::RightButton);
        break;
    case ShellMouse::MiddleDown:
        mouseButton(OnMouseDown, Qt::MiddleButton);
        break;
    case ShellMouse::MiddleUp:
        mouseButton(OnMouseUp, Qt::MiddleButton);
        break;
    }
}

void TTrayIcon::clickTimerTick()
{
    if (!m_doubleClicked && m_clicked) {
        m_clicked = false;
        if (OnClick)
            OnClick(this);
    }
    m_doubleClicked = false;
}

void TTrayIcon::cycleTick()
{
    if (m_iconList.empty())
        return;
    const int count = static_cast<int>(m_iconList.size());
    m_icon = m_iconList[static_cast<std::size_t>(std::min(m_iconIndex, count - 1))];
    // The event names the index after this one while the list holds it (at the last icon that
    // is the list's length), though the icon shown next is the first again.
    if (OnCycle)
        OnCycle(this, m_iconIndex < count ? m_iconIndex + 1 : 0);
    ModifyIcon();
    SetIconIndex(m_iconIndex + 1 < count ? m_iconIndex + 1 : 0);
}

QIcon vantrelIcon()
{
    // A small bar graph in green and red on a dark rounded square: the monitor's own picture.
    QIcon icon;
    for (int size : { 16, 22, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x20, 0x24, 0x28));
        painter.setPen(QColor(0x81, 0x81, 0x81));
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const double heights[] = { 0.35, 0.6, 0.45, 0.8, 0.55 };
        const int bars = 5;
        const double slot = (size - 4.0) / bars;
        for (int i = 0; i < bars; ++i) {
            const int barHeight = static_cast<int>(heights[i] * (size - 5));
            const QRectF bar(
                2 + i * slot + slot * 0.15, size - 2 - barHeight, slot * 0.7, barHeight);
            painter.fillRect(bar, QColor(0, 255, 0));
            painter.fillRect(
                QRectF(bar.left(), size - 2 - barHeight * 0.35, bar.width(), barHeight * 0.35),
                QColor(255, 0, 0));
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace {

QPixmap stateLook(const QPixmap& normal, bool online, IconBadge badge)
{
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    if (!online) {
        // Grey and faded, as desktops show what is inactive.
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(row[x]) / 2 + 48;
                row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) * 3 / 5);
            }
        }
    }
    if (badge != IconBadge::None) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double side = std::max(7.0, image.width() * 0.5);
        const QRectF dot(image.width() - side, image.height() - side, side, side);
        painter.setPen(QPen(QColor(0x20, 0x24, 0x28), std::max(1.0, side / 8)));
        painter.setBrush(QColor::fromRgba(badge == IconBadge::Limit ? kLimitBadge : kWarningBadge));
        painter.drawEllipse(dot.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return QPixmap::fromImage(image);
}

} // namespace

QIcon vantrelIcon(bool online, IconBadge badge)
{
    static std::map<std::pair<bool, IconBadge>, QIcon> made;
    const auto found = made.find({ online, badge });
    if (found != made.end())
        return found->second;
    const QIcon normal = vantrelIcon();
    QIcon icon;
    for (const QSize& size : normal.availableSizes())
        icon.addPixmap(stateLook(normal.pixmap(size), online, badge));
    made.emplace(std::pair { online, badge }, icon);
    return icon;
}

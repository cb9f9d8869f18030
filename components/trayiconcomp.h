// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/win/shellapi.h"
#include "platform/windowservice.h"

#include <QColor>
#include <QFlags>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

enum TBalloonIcon { bitNone, bitInfo, bitWarning, bitError };

// The keys held and the button that acted, as a mouse event reports them.
enum TShiftStateFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// One icon in the desktop's notification area: its icon and tool tip, balloons, mouse activity
// turned into events, the popup menu, and sending the window to the tray when it is minimised.
// It talks to the shell through Shell_NotifyIconA; the shell's mouse reports and its
// "TaskbarCreated" broadcast come to the component's hidden message window.
class TTrayIcon : public QObject
{
public:
    explicit TTrayIcon(QObject* owner = nullptr);
    ~TTrayIcon() override;

    // What the shell tells about the mouse on the icon.
    enum class ShellMouse {
        Move,
        LeftDown,
        LeftUp,
        LeftDoubleClick,
        RightDown,
        RightUp,
        MiddleDown,
        MiddleUp
    };

    QString Hint() const { return m_hint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon& value);
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool value);
    const std::vector<QIcon>& IconList() const { return m_iconList; }
    void SetIconList(std::vector<QIcon> value);
    int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int value);
    bool CycleIcons() const { return m_cycleIcons; }
    void SetCycleIcons(bool value);
    unsigned CycleInterval() const { return m_cycleInterval; }
    // 0 holds the cycle still: a timer without an interval would fire without pause.
    void SetCycleInterval(unsigned value);
    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu);
    bool LeftPopup() const { return m_leftPopup; }
    void SetLeftPopup(bool value) { m_leftPopup = value; }
    bool MinimizeToTray() const { return m_minimizeToTray; }
    void SetMinimizeToTray(bool value) { m_minimizeToTray = value; }

    std::function<void(QObject*)> OnClick;
    std::function<void(QObject*)> OnDblClick;
    // Button, keys and button held, and the pointer's screen position (X, Y).
    std::function<void(QObject*, Qt::MouseButton, TShiftState, int, int)> OnMouseDown;
    std::function<void(QObject*, Qt::MouseButton, TShiftState, int, int)> OnMouseUp;
    std::function<void(QObject*, TShiftState, int, int)> OnMouseMove;
    std::function<void(QObject*, int)> OnCycle;

    bool ShowIcon();
    bool HideIcon();
    bool ModifyIcon();
    // Title up to 63 and text up to 255 characters, shown for TimeoutSeconds; a balloon still
    // showing is replaced. Disabled: True, nothing shown.
    bool ShowBalloonHint(
        const QString& Title, const QString& Text, TBalloonIcon IconType, int TimeoutSeconds);
    // ShowBalloonHint for a desktop that shows several balloons at once: it takes away only the
    // balloon of its own group.
    bool showNotice(const QString& title, const QString& text, TBalloonIcon icon,
        int timeoutSeconds, const platform::BalloonOptions& options);
    void ShowMainForm(QWidget& window);
    // Sends the window to the tray; without a tray it stays minimised on the taskbar, since a
    // hidden window could not be brought back.
    void HideMainForm(QWidget& window);
    void PopupAtCursor();

    // Whether the desktop has a notification area.
    bool available() const;
    // The tool tip as given to the shell.
    QString shownTip() const;
    // The shell's report of mouse activity on the icon.
    void shellNotification(ShellMouse message);

    struct Balloon
    {
        QString title;
        QString text;
        TBalloonIcon icon = bitNone;
        int timeoutSeconds = 0;
        platform::BalloonOptions options;
    };
    const Balloon& lastBalloon() const { return m_balloon; }

private:
    static constexpr win::UINT kCallbackMessage = 0x800;
    void windowProc(win::UINT message, std::intptr_t lParam);
    void fillRecord();
    bool balloon(const QString& title, const QString& text, TBalloonIcon icon, int timeoutSeconds,
        const platform::BalloonOptions& options);
    bool modifyWith(const platform::BalloonOptions& options);
    void clickTimerTick();
    void cycleTick();
    void restartCycleTimer();
    void mouseButton(
        const std::function<void(QObject*, Qt::MouseButton, TShiftState, int, int)>& event,
        Qt::MouseButton button);

    QString m_hint;
    bool m_showHint = true;
    bool m_enabled = true;
    QIcon m_icon;
    bool m_iconVisible = true;
    std::vector<QIcon> m_iconList;
    int m_iconIndex = 0;
    unsigned m_cycleInterval = 0;
    bool m_cycleIcons = false;
    QPointer<QMenu> m_popupMenu;
    bool m_leftPopup = false;
    bool m_minimizeToTray = false;
    Balloon m_balloon;
    win::HWND m_window = 0;
    win::UINT m_taskbarCreated = 0;
    win::NOTIFYICONDATAA m_record {};
    QTimer m_clickTimer;
    QTimer m_cycleTimer;
    bool m_clickStarted = false;
    bool m_clicked = false;
    bool m_doubleClicked = false;
};

// The program's icon, drawn at the sizes a desktop asks for.
QIcon vantrelIcon();
// The program's icon as the tray shows what it watches: dimmed while offline, with a badge while
// a data plan is past a warning threshold (amber) or at its limit (red). A state gives the same
// icon each time, so the tray is told of changes only.
enum class IconBadge { None, Warning, Limit };
QIcon vantrelIcon(bool online, IconBadge badge);
// The badge's colours.
inline constexpr QRgb kWarningBadge = 0xFFFFB300;
inline constexpr QRgb kLimitBadge = 0xFFE0201B;

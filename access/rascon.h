// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// One status reading, as queued for OnStateEvent.
struct TRasStateRec
{
    std::int32_t State = 0;
    QString StatusText;
    QString DeviceName;
    QString DeviceType;
    QString PhoneNumber;
    std::uint32_t Handle = 0;
    std::int32_t Tag = 0;
    std::uint32_t StateError = 0;
    bool Polled = false;
    std::uint32_t Tick = 0;
};

class TRasCon;
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TStateEvent = std::function<void(QObject* Sender, const TRasStateRec& ConnState)>;
using TRasConStateEvent
    = std::function<void(QObject* Sender, int Error, const QString& ErrorString)>;

// Answers which release of dial-up networking is installed, which connection is active, its
// state as a number and a text, and the addresses and authentication it negotiated. Each
// status poll is also queued for OnStateEvent, delivered later on the GUI thread.
class TRasCon : public QObject
{
public:
    explicit TRasCon(QObject* owner = nullptr);
    ~TRasCon() override;

    bool CheckRasAvailable();
    void ListConnections(QString& Name);
    std::int32_t ReadConnectStatus(std::uint32_t Handle, std::int32_t Tag);
    void PollConnectStatus(std::uint32_t Handle, std::int32_t Tag, QString& Text);
    void DescribeState(QString& Text);
    void ErrorText(std::int32_t Code, QString& Text);
    std::int32_t ReadProjection(std::uint32_t Handle);
    void HangUpHandle(std::uint32_t Handle);
    void HangUpOwnDial();
    void NotifyStateChange();

    // Run-time properties.
    std::int32_t ResultCode = 0;
    std::uint16_t StateCode = 0;
    std::uint16_t StateError = 0;
    QString StatusText;
    std::uint32_t ActiveCount = 0;
    QString ActiveName;
    std::uint32_t ActiveHandle = 0;
    QString ActivePhoneBook;
    QString LinkDeviceName;
    QString LinkDeviceType;
    QString LinkPhoneNumber;
    std::uint32_t StatusHandle = 0;
    std::int32_t StatusTag = 0;
    QString ClientAddress;
    QString ServerAddress;
    QString ProjectionText;
    std::int32_t ProjectionCode = -1;
    QString ServerReply;
    bool PolledFlag = false;

    // Published properties. The dialling parameters are stored settings only: the monitor
    // never dials, so nothing reads them.
    bool DAXCtrl = false;
    QString Version;
    QString DUNVersion;
    QString DUNInfo;
    QString EntryName, PhoneNumber, CallbackNumber, UserName, Password, Domain, DeviceType,
        DeviceName, DevicePort, PhoneCanonical, AutoDialDLL, AutoDialFunc, AreaCode,
        LocalPhoneNumber;
    std::int32_t SubEntry = 1, CallbackId = 0, CountryID = 0, CountryCode = 0, DialMode = 0;
    std::uint32_t EntryOptions = 0;
    bool UseCountryAndAreaCodes() const { return false; }
    bool PromoteAlternates() const { return false; }
    QString PhoneBookPath() const { return m_phoneBookPath; }
    // Trimmed; the C view is null for an empty path.
    void SetPhoneBookPath(const QString& value);
    const char* PhoneBookPathView() const
    {
        return m_phoneBookPath.isEmpty() ? nullptr : m_phoneBookView.constData();
    }

    TNotifyEvent OnStateChanged;
    TStateEvent OnStateEvent;
    TRasConStateEvent OnDisconnect;
    TNotifyEvent OnConnect, OnCallBack, OnAboutToOpenPort, OnPortOpened, OnAboutToConnDev,
        OnDevConnected, OnAuthenticate, OnAuthNotify, OnAuthRetry, OnAuthCallBack,
        OnAuthChangePassword, OnAuthProject, OnAuthLinkSpeed, OnAuthAck, OnReAuthenticate,
        OnAuthenticated, OnPrepareforCallback, OnWaitForModemReset, OnInteractiveStarted,
        OnRetryAuth, OnPasswordExpired;
    // One handler slot shared with OnDevConnected, as in the design.
    void SetOnAllDevsConnected(TNotifyEvent handler) { OnDevConnected = std::move(handler); }

    static constexpr std::size_t kRingSize = 16;
    const TRasStateRec& StateRingSlot(int index) const
    {
        return m_stateRing.at(static_cast<std::size_t>(index - 1));
    }

private:
    class NotifyWindow;
    friend class NotifyWindow;
    void DispatchStateEvent(std::uintptr_t slot);
    static QString DescribeDun(const QString& version, const QString& servicePack);

    NotifyWindow* m_notifyWindow;
    std::array<TRasStateRec, kRingSize> m_stateRing;
    int m_ringIndex = 1;
    std::uint32_t m_ownDial = 0;
    QString m_phoneBookPath;
    QByteArray m_phoneBookView;
    QString m_servicePack;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rascon.h"

#include "platform/win/ras.h"
#include "platform/win/winbase.h"
#include "rasapi.h"
#include "rassubs.h"
#include "rastext.h"

#include <QCoreApplication>
#include <QEvent>
#include <cstring>

using namespace win;

namespace {

constexpr QEvent::Type kStateEvent = static_cast<QEvent::Type>(QEvent::User + 366);

// One enumeration buffer for the whole program: room for 8 records of the largest size.
alignas(4) BYTE enumerationBuffer[5632];

const std::uint32_t kConnectionSizes[]
    = { kRasConnSize95, kRasConnSizeNt4, kRasConnSizeW2k, kRasConnSizeXp };
const std::uint32_t kStatusSizes[] = { kRasConnStatusSize95, sizeof(RASCONNSTATUSA),
    sizeof(RASCONNSTATUSA), sizeof(RASCONNSTATUSA) };
const std::uint32_t kLcpSizes[]
    = { kRasPppLcpSize95, kRasPppLcpSizeNt4, sizeof(RASPPPLCPA), sizeof(RASPPPLCPA) };

template<std::size_t N>
QString text(const CHAR (&field)[N])
{
    return QString::fromLocal8Bit(field, static_cast<qsizetype>(strnlen(field, N)));
}

struct StateText
{
    std::uint16_t state;
    const char* text;
};

constexpr StateText kStateTexts[] = {
    { 0, QT_TRANSLATE_NOOP("TRasCon", "Opening Serial Port") },
    { 1, QT_TRANSLATE_NOOP("TRasCon", "Serial Port Opened") },
    { 2, QT_TRANSLATE_NOOP("TRasCon", "Connecting/Dialling") },
    { 3, QT_TRANSLATE_NOOP("TRasCon", "Connected/Answered") },
    { 4, QT_TRANSLATE_NOOP("TRasCon", "Connected/Negotiation") },
    { 5, QT_TRANSLATE_NOOP("TRasCon", "Validating User and Password") },
    { 6, QT_TRANSLATE_NOOP("TRasCon", "Authentication Notification") },
    { 8, QT_TRANSLATE_NOOP("TRasCon", "Authentication Call Back") },
    { 10, QT_TRANSLATE_NOOP("TRasCon", "Projection Started") },
    { 11, QT_TRANSLATE_NOOP("TRasCon", "Calculating Link speed") },
    { 12, QT_TRANSLATE_NOOP("TRasCon", "Authentication acknowledged") },
    { 13, QT_TRANSLATE_NOOP("TRasCon", "Reauthenticating") },
    { 14, QT_TRANSLATE_NOOP("TRasCon", "Login Authenticated") },
    { 15, QT_TRANSLATE_NOOP("TRasCon", "Preparing for Callback") },
    { 16, QT_TRANSLATE_NOOP("TRasCon", "Waiting for Modem Reset") },
    { 17, QT_TRANSLATE_NOOP("TRasCon", "Waiting for Callback") },
    { 18, QT_TRANSLATE_NOOP("TRasCon", "Projection Completion") },
    { 19, QT_TRANSLATE_NOOP("TRasCon", "Start Authentication") },
    { 20, QT_TRANSLATE_NOOP("TRasCon", "Callback Complete") },
    { 21, QT_TRANSLATE_NOOP("TRasCon", "Logon to Network") },
    { 22, QT_TRANSLATE_NOOP("TRasCon", "Extra Channel Connected") },
    { 23, QT_TRANSLATE_NOOP("TRasCon", "Extra Channel Disconnected") },
    { 4096, QT_TRANSLATE_NOOP("TRasCon", "Interactive Terminal") },
    { 4097, QT_TRANSLATE_NOOP("TRasCon", "Retry Authentication") },
    { 4098, QT_TRANSLATE_NOOP("TRasCon", "Callback Set By Caller") },
    { 4099, QT_TRANSLATE_NOOP("TRasCon", "Password Expires") },
    { 4100, QT_TRANSLATE_NOOP("TRasCon", "Paused for Authentication") },
    { RASCS_Connected, QT_TRANSLATE_NOOP("TRasCon", "Connected/Online") },
    { RASCS_Disconnected, QT_TRANSLATE_NOOP("TRasCon", "Disconnected/Offline") },
};

QString translated(const char* source)
{
    return QCoreApplication::translate("TRasCon", source);
}

} // namespace

// Receives the posted state events on the GUI thread and hands them back to the component.
class TRasCon::NotifyWindow : public QObject
{
public:
    explicit NotifyWindow(TRasCon& owner)
        : m_owner(owner)
    {
    }

    class StateEvent : public QEvent
    {
    public:
        explicit StateEvent(std::uintptr_t index)
            : QEvent(kStateEvent)
            , slot(index)
        {
        }
        std::uintptr_t slot;
    };

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != kStateEvent)
            return QObject::event(event);
        m_owner.DispatchStateEvent(static_cast<StateEvent*>(event)->slot);
        return true;
    }

private:
    TRasCon& m_owner;
};

TRasCon::TRasCon(QObject* owner)
    : QObject(owner)
    , m_notifyWindow(new NotifyWindow(*this))
{
    Version = QStringLiteral("TRasCon 2.0 (Vantrel)");
    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    m_servicePack = QString::fromLocal8Bit(version.szCSDVersion,
        static_cast<qsizetype>(strnlen(version.szCSDVersion, sizeof version.szCSDVersion)));
    DUNVersion
        = ReadVersionString(QStringLiteral("RASAPI32.DLL"), QStringLiteral("ProductVersion"));
    DUNInfo = DescribeDun(DUNVersion, m_servicePack);
}

TRasCon::~TRasCon()
{
    HangUpOwnDial();
    delete m_notifyWindow;
}

QString TRasCon::DescribeDun(const QString& version, const QString& servicePack)
{
    if (version.size() <= 3)
        return translated(QT_TRANSLATE_NOOP("TRasCon", "Unknown DUN Version"));
    const std::pair<const char*, const char*> releases[] = {
        { "4.00.950", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.0/Win95/Retail") },
        { "4.00.1111", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.1/Win95/OSR2") },
        { "4.00.1150", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.1/Win95/ISDN") },
        { "4.10.1537", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.2b/Win95/Patch") },
        { "4.10.1903", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.3/Win95/Patch") },
        { "4.10.1998", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.2c/Win98") },
        { "4.10.2000", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.3/Win98/Patch") },
        { "4.10.2222", QT_TRANSLATE_NOOP("TRasCon", "DUN 1.3/Win98SE") },
    };
    for (const auto& [exact, name] : releases) {
        if (version == QLatin1String(exact))
            return translated(name);
    }
    if (version.startsWith(QLatin1String("4.90")))
        return translated(QT_TRANSLATE_NOOP("TRasCon", "DUN 1.3/WinME"));
    if (version == QLatin1String("4.00"))
        return translated(QT_TRANSLATE_NOOP("TRasCon", "DUN NT4 ")) + servicePack;
    if (version.at(0) == QLatin1Char('5') && version.at(2) == QLatin1Char('1'))
        return translated(QT_TRANSLATE_NOOP("TRasCon", "DUN WinXP ")) + servicePack;
    if (version.at(0) == QLatin1Char('5'))
        return translated(QT_TRANSLATE_NOOP("TRasCon", "DUN W2K ")) + servicePack;
    return translated(QT_TRANSLATE_NOOP("TRasCon", "DUN ")) + servicePack;
}

void TRasCon::SetPhoneBookPath(const QString& value)
{
    m_phoneBookPath = value.trimmed();
    m_phoneBookView = m_phoneBookPath.toLocal8Bit();
}

bool TRasCon::CheckRasAvailable()
{
    if (LoadRasApi())
        return true;
    ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
    StatusText = rasNotAvailableText();
    return false;
}

void TRasCon::ListConnections(QString& Name)
{
    ActiveName.clear();
    ActiveHandle = 0;
    ActiveCount = 0;
    Name.clear();
    ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
    const auto& ras = rasapi::binding();
    if (!LoadRasApi() || !ras.RasEnumConnectionsA)
        return;
    std::memset(enumerationBuffer, 0, sizeof enumerationBuffer);
    auto* first = reinterpret_cast<RASCONNA*>(enumerationBuffer);
    first->dwSize = kConnectionSizes[RasPlatform];
    DWORD size = sizeof enumerationBuffer;
    DWORD count = 0;
    ResultCode = static_cast<std::int32_t>(ras.RasEnumConnectionsA(first, &size, &count));
    ActiveCount = count;
    if ((ResultCode == 0 || ResultCode == static_cast<std::int32_t>(ERROR_BUFFER_TOO_SMALL))
        && count > 0) {
        ActiveName = text(first->szEntryName);
        ActiveHandle = first->hrasconn;
        LinkDeviceName = text(first->szDeviceName);
        LinkDeviceType = text(first->szDeviceType).toLower();
        // The Windows 9x record ends before the phonebook field.
        ActivePhoneBook = RasPlatform == 0 ? QString() : text(first->szPhonebook);
        Name = ActiveName;
    }
}

std::int32_t TRasCon::ReadConnectStatus(std::uint32_t Handle, std::int32_t Tag)
{
    StateCode = static_cast<std::uint16_t>(ERROR_INVALID_PORT_HANDLE);
    StatusText = translated(QT_TRANSLATE_NOOP("TRasCon", "Unknown State (%1)"))
                     .arg(ERROR_INVALID_PORT_HANDLE);
    StatusHandle = Handle;
    StatusTag = Tag;
    LinkDeviceName.clear();
    LinkDeviceType.clear();
    LinkPhoneNumber.clear();
    StateError = 0;
    ResultCode = static_cast<std::int32_t>(ERROR_INVALID_PORT_HANDLE);
    if (Handle == 0)
        return ResultCode;
    const auto& ras = rasapi::binding();
    if (!LoadRasApi() || !ras.RasGetConnectStatusA) {
        ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
        return ResultCode;
    }
    RASCONNSTATUSA status {};
    status.dwSize = kStatusSizes[RasPlatform];
    ResultCode = static_cast<std::int32_t>(ras.RasGetConnectStatusA(Handle, &status));
    if (ResultCode == 0) {
        LinkDeviceName = text(status.szDeviceName);
        LinkDeviceType = text(status.szDeviceType);
        StateCode = static_cast<std::uint16_t>(status.rasconnstate);
        // The record's error is 32 bits wide: keep its low half here and the whole of it in
        // ResultCode below, rather than failing on a value that does not fit.
        StateError = static_cast<std::uint16_t>(status.dwError);
        if (status.dwError > 600)
            ResultCode = static_cast<std::int32_t>(status.dwError);
        LinkPhoneNumber = RasPlatform == 0 ? QString() : text(status.szPhoneNumber);
    }
    if (ResultCode != 0)
        ErrorText(ResultCode, StatusText);
    return ResultCode;
}

void TRasCon::PollConnectStatus(std::uint32_t Handle, std::int32_t Tag, QString& Text)
{
    ReadConnectStatus(Handle, Tag);
    if (ResultCode == 0)
        DescribeState(StatusText);
    else if (ResultCode >= 601)
        ErrorText(ResultCode, StatusText);
    else if (ResultCode == 6)
        StatusText = translated(QT_TRANSLATE_NOOP("TRasCon", "Disconnected"));
    else if (ResultCode == 8)
        StatusText = translated(QT_TRANSLATE_NOOP("TRasCon", "Not enough memory"));
    else if (ResultCode == 600)
        StatusText = translated(QT_TRANSLATE_NOOP("TRasCon", "Device Connecting/Dialling"));
    Text = StatusText;
    PolledFlag = true;
    NotifyStateChange();
}

void TRasCon::DescribeState(QString& Text)
{
    for (const auto& entry : kStateTexts) {
        if (entry.state == StateCode) {
            Text = translated(entry.text);
            return;
        }
    }
    if (StateCode <= 600)
        Text = translated(QT_TRANSLATE_NOOP("TRasCon", "Unknown State (%1)")).arg(StateCode);
    else
        ErrorText(StateCode, Text);
}

void TRasCon::ErrorText(std::int32_t Code, QString& Text)
{
    if (!describeRasResult(Code, Text))
        ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
}

std::int32_t TRasCon::ReadProjection(std::uint32_t Handle)
{
    ProjectionCode = -1;
    ProjectionText.clear();
    ClientAddress.clear();
    ServerAddress.clear();
    ServerReply.clear();
    const auto& ras = rasapi::binding();
    if (!LoadRasApi() || !ras.RasGetProjectionInfoA) {
        ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
        return ResultCode;
    }
    RASPPPIPA ip {};
    ip.dwSize = sizeof ip;
    DWORD size = sizeof ip;
    const auto r
        = static_cast<std::int32_t>(ras.RasGetProjectionInfoA(Handle, RASP_PppIp, &ip, &size));
    ResultCode = r;
    if (r == 0) {
        ProjectionText = QStringLiteral("PPP ");
        ProjectionCode = static_cast<std::int32_t>(ip.dwError);
        ClientAddress = text(ip.szIpAddress);
        ServerAddress = text(ip.szServerIpAddress);
    }
    alignas(4) BYTE lcp[sizeof(RASPPPLCPA)] {};
    const DWORD lcpSize = kLcpSizes[RasPlatform];
    std::memcpy(lcp, &lcpSize, sizeof lcpSize);
    size = lcpSize;
    if (ras.RasGetProjectionInfoA(Handle, RASP_PppLcp, lcp, &size) != 0)
        return r;
    DWORD authentication = 0;
    std::memcpy(&authentication, lcp + 24, sizeof authentication);
    switch (authentication) {
    case RASLCPAP_PAP:
        ProjectionText += QStringLiteral("PAP ");
        break;
    case RASLCPAP_SPAP:
        ProjectionText += QStringLiteral("SPAP ");
        break;
    case RASLCPAP_CHAP:
        ProjectionText += QStringLiteral("CHAP ");
        break;
    case RASLCPAP_EAP:
        ProjectionText += QStringLiteral("EAP ");
        break;
    default:
        break;
    }
    const auto* reply = reinterpret_cast<const char*>(lcp + 48);
    ServerReply = QString::fromLocal8Bit(reply, static_cast<qsizetype>(strnlen(reply, 1024)));
    std::int32_t code = 0;
    std::memcpy(&code, lcp + 44, sizeof code);
    ProjectionCode = code;
    return 0;
}

void TRasCon::HangUpHandle(std::uint32_t Handle)
{
    StateCode = 0;
    const auto& ras = rasapi::binding();
    if (Handle != 0 && LoadRasApi() && ras.RasHangUpA)
        ResultCode = static_cast<std::int32_t>(ras.RasHangUpA(Handle));
    else
        ResultCode = Handle != 0 ? static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED) : 6;
}

void TRasCon::HangUpOwnDial()
{
    HangUpHandle(m_ownDial);
    m_ownDial = 0;
}

void TRasCon::NotifyStateChange()
{
    if (OnStateEvent) {
        auto& slot = m_stateRing[static_cast<std::size_t>(m_ringIndex - 1)];
        slot = { StateCode, StatusText, LinkDeviceName, LinkDeviceType, LinkPhoneNumber,
            StatusHandle, StatusTag, StateError, PolledFlag, GetTickCount() };
        QCoreApplication::postEvent(
            m_notifyWindow, new NotifyWindow::StateEvent(static_cast<std::uintptr_t>(m_ringIndex)));
        m_ringIndex = m_ringIndex == static_cast<int>(kRingSize) ? 1 : m_ringIndex + 1;
    }
    if (OnStateChanged)
        OnStateChanged(this);
}

void TRasCon::DispatchStateEvent(std::uintptr_t slot)
{
    if (OnStateEvent && slot >= 1 && slot <= kRingSize)
        OnStateEvent(this, m_stateRing[slot - 1]);
}

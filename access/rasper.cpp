// SPDX-License-Identifier: GPL-3.0-or-later
#include "rasper.h"

#include "pdhapi.h"
#include "perfdatawalk.h"
#include "platform/win/winbase.h"
#include "platform/win/winperf.h"
#include "platform/win/winreg.h"
#include "rasapi.h"
#include "rastext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <tuple>

using namespace win;

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("TRasPer", source);
}

// Speeds are no counters: a sum that does not fit 32 bits stops at the largest value.
void addSaturating(std::uint32_t& total, std::uint32_t value)
{
    total = static_cast<std::uint32_t>(std::min<std::uint64_t>(
        std::uint64_t { total } + value, std::numeric_limits<std::uint32_t>::max()));
}

// The registry performance-data buffer size, shared by every query of the program: it starts
// at 8192 bytes and only grows, so a steady refresh makes one query per object. Growth stops at
// a bound so that no answer can make the program allocate without end.
DWORD perfBufferSize = 8192;
constexpr DWORD kMaxPerfBufferSize = 16u << 20;

class OpenKey
{
public:
    OpenKey(HKEY root, const char* path, REGSAM access)
        : m_result(RegOpenKeyExA(root, path, 0, access, &m_key))
    {
    }
    ~OpenKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    bool ok() const { return m_result == ERROR_SUCCESS; }
    HKEY key() const { return m_key; }

private:
    HKEY m_key = 0;
    LONG m_result;
};

} // namespace

TRasPer::TRasPer(QObject* owner)
    : QObject(owner)
{
    ResetCounters();
    KeyDUNConn = QStringLiteral("ConnectSpeed");
    KeyDUNXmit = QStringLiteral("TotalBytesXmit");
    KeyDUNRecv = QStringLiteral("TotalBytesRecvd");
    Version = QStringLiteral("TRasPer 2.0 (Vantrel)");
    ErrInfo.clear();
    m_usePdh = false;
    m_pdhQuery = 0;
}

TRasPer::~TRasPer()
{
    const auto& pdh = pdhapi::binding();
    if (m_pdhQuery && pdh.PdhCloseQuery)
        pdh.PdhCloseQuery(m_pdhQuery);
    m_pdhQuery = 0;
}

const TRasPer::Slot& TRasPer::slot(int index) const
{
    if (index < 0 || index >= kSlots)
        throw std::out_of_range("statistics slot " + std::to_string(index) + " is outside 0 to 30");
    return m_slots[static_cast<std::size_t>(index)];
}

std::uint32_t TRasPer::SlotXmit(int Index) const
{
    return slot(Index).xmit;
}

std::uint32_t TRasPer::SlotRecv(int Index) const
{
    return slot(Index).recv;
}

std::uint32_t TRasPer::SlotSpeed(int Index) const
{
    return slot(Index).speed;
}

QString TRasPer::SlotName(int Index) const
{
    return slot(Index).name;
}

std::uint32_t TRasPer::SlotHandle(int Index) const
{
    return slot(Index).handle;
}

void TRasPer::SetSlotHandle(int Index, std::uint32_t Handle)
{
    Slot& entry = const_cast<Slot&>(slot(Index));
    if (entry.handle == Handle)
        return;
    entry.handle = Handle;
    // Another connection's counters have nothing to do with the previous one's readings.
    entry.xmit = entry.recv = entry.speed = 0;
    entry.xmitCounter.restart();
    entry.recvCounter.restart();
}

void TRasPer::countOn(Slot& entry, std::uint64_t xmit, std::uint64_t recv, CounterWidth width)
{
    entry.xmit += entry.xmitCounter.advance(xmit, width);
    entry.recv += entry.recvCounter.advance(recv, width);
}

// Slot 0 sums the figures of the other slots modulo 2^32, so that the sum counts on past 4 GiB
// as each figure does. A slot whose latest read failed keeps its figures in the sum: a total
// that dropped for one refresh would read as a reset and its return as new traffic.
void TRasPer::sumIntoSlotZero()
{
    Slot& total = m_slots[0];
    total.xmit = total.recv = 0;
    for (int i = 1; i < kSlots; ++i) {
        total.xmit += m_slots[static_cast<std::size_t>(i)].xmit;
        total.recv += m_slots[static_cast<std::size_t>(i)].recv;
    }
}

void TRasPer::SetSlotSubEntry(int Index, std::uint32_t SubEntry)
{
    const_cast<Slot&>(slot(Index)).subEntry = SubEntry;
}

void TRasPer::SetUsePDH(bool value)
{
    m_usePdh = value;
    const auto& pdh = pdhapi::binding();
    if (!value && m_pdhQuery && pdh.PdhCloseQuery)
        pdh.PdhCloseQuery(m_pdhQuery);
    if (!value)
        m_pdhQuery = 0;
}

void TRasPer::ErrorText(std::int32_t Code, QString& Text)
{
    if (!describeRasResult(Code, Text))
        ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
}

QString TRasPer::readKeyError(const QString& key, const QString& value) const
{
    return translated(QT_TRANSLATE_NOOP("TRasPer", "Unable to Read Registry Key - %1/%2"))
        .arg(key, value);
}

bool TRasPer::rasStatisticsAvailable() const
{
    return LoadRasApi() && rasapi::binding().RasClearConnectionStatistics;
}

bool TRasPer::StartStatistics(bool DoStart, bool FindAdapters)
{
    ErrInfo.clear();
    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwPlatformId == 0)
        return false;
    bool result = true;
    if (RasPlatform == 0) {
        if (FindAdapters) {
            FindDialUpAdapters();
            if (AdapterCount() == 0) {
                ErrInfo = translated(
                    QT_TRANSLATE_NOOP("TRasPer", "Unable to Locate Win9x Dial-Up Adapter"));
                return false;
            }
        }
        const QString keyName = DoStart ? QStringLiteral("PerfStats\\StartStat")
                                        : QStringLiteral("PerfStats\\StopStat");
        const OpenKey key(HKEY_DYN_DATA, keyName.toLatin1().constData(), KEY_ALL_ACCESS);
        if (!key.ok()) {
            QString reason;
            ErrorText(ResultCode, reason);
            ErrInfo = readKeyError(keyName, reason);
            return false;
        }
        // Reading the values is what starts (or stops) the collection; their contents go.
        const int adapters = std::min(AdapterCount(), kAdapters);
        for (int i = 1; i <= adapters && result; ++i) {
            result = ReadStartStopValue(key.key(), i, KeyDUNXmit)
                && ReadStartStopValue(key.key(), i, KeyDUNRecv)
                && ReadStartStopValue(key.key(), i, KeyDUNConn);
            if (!result)
                ErrInfo = readKeyError(keyName, KeyDUNConn);
        }
    } else if (RasPlatform == 1) {
        m_totPorts = 0;
        for (auto& entry : m_slots)
            entry.pdhXmit = entry.pdhRecv = 0;
        if (m_usePdh && !m_pdhQuery) {
            ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
            if (!LoadPdhLibrary()) {
                ErrInfo = translated(QT_TRANSLATE_NOOP(
                    "TRasPer", "Unable to Find Performance Data Helper Library (PDH.DLL)"));
                return false;
            }
            const auto& pdh = pdhapi::binding();
            PDH_STATUS r = pdh.PdhOpenQuery(nullptr, 0, &m_pdhQuery);
            if (r == 0)
                r = AddPdhCounter("\\RAS Total\\Bytes Received", m_slots[0].pdhRecv);
            if (r == 0)
                r = AddPdhCounter("\\RAS Total\\Bytes Transmitted", m_slots[0].pdhXmit);
            if (r != 0) {
                ErrInfo = translated(QT_TRANSLATE_NOOP("TRasPer",
                                         "Unable to Initialise Performance Data Helper Library "
                                         "(PDH.DLL), ErrCode 0%1"))
                              .arg(static_cast<std::uint32_t>(r), 0, 16);
                return false;
            }
        }
    }
    if (result) {
        if (DoStart)
            result = RefreshStatistics();
        ResetCounters();
    }
    return result;
}

void TRasPer::FindDialUpAdapters()
{
    m_adapterList.clear();
    if (RasPlatform != 0)
        return;
    const OpenKey enumKey(
        HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\PerfStats\\Enum", KEY_READ);
    const OpenKey startKey(HKEY_DYN_DATA, "PerfStats\\StartStat", KEY_READ);
    if (!enumKey.ok() || !startKey.ok())
        return;
    DWORD subKeys = 0;
    RegQueryInfoKeyA(enumKey.key(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr);
    for (DWORD index = 0; index < subKeys; ++index) {
        char name[33];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(enumKey.key(), index, name, &length, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            continue;
        const QByteArray valueName
            = QByteArray(name, static_cast<qsizetype>(length)) + '\\' + KeyDUNConn.toLatin1();
        DWORD size = 0;
        if (RegQueryValueExA(
                startKey.key(), valueName.constData(), nullptr, nullptr, nullptr, &size)
            == ERROR_SUCCESS)
            m_adapterList << QString::fromLatin1(name, static_cast<qsizetype>(length));
    }
    m_adapterList.sort();
}

bool TRasPer::ReadStartStopValue(HKEY key, int adapter, const QString& valueKey)
{
    const QByteArray name
        = (m_adapterList.at(adapter - 1) + QLatin1Char('\\') + valueKey).toLatin1();
    DWORD size = 0;
    if (RegQueryValueExA(key, name.constData(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::vector<BYTE> data(size);
    return RegQueryValueExA(key, name.constData(), nullptr, nullptr, data.data(), &size)
        == ERROR_SUCCESS;
}

bool TRasPer::ReadStatDataValue(
    HKEY key, int adapter, const QString& valueKey, std::uint32_t& value)
{
    const QByteArray name
        = (m_adapterList.at(adapter - 1) + QLatin1Char('\\') + valueKey).toLatin1();
    value = 0;
    DWORD size = sizeof value;
    return RegQueryValueExA(
               key, name.constData(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size)
        == ERROR_SUCCESS;
}

bool TRasPer::RefreshStatistics()
{
    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwPlatformId == 0)
        return false;
    switch (RasPlatform) {
    case 0:
        return refreshDynamicStatistics();
    case 1:
        return m_usePdh && m_pdhQuery ? refreshPdh() : refreshPerformanceData();
    default:
        return refreshConnectionStatistics();
    }
}

bool TRasPer::refreshDynamicStatistics()
{
    m_totPorts = 0;
    Slot& total = m_slots[0];
    total.speed = 0; // the byte figures stay until summed afresh: a total must not dip
    total.name = QStringLiteral("all");
    const OpenKey key(HKEY_DYN_DATA, "PerfStats\\StatData", KEY_READ);
    if (!key.ok()) {
        ErrInfo = translated(QT_TRANSLATE_NOOP("TRasPer", "Unable to Open Registry Key - %1"))
                      .arg(QStringLiteral("PerfStats\\StatData"));
        return false;
    }
    bool result = true;
    // Only four adapters have counters; any further one is left out.
    const int adapters = std::min(AdapterCount(), kAdapters);
    for (int i = 1; i <= adapters; ++i) {
        Adapter& adapter = m_adapters[static_cast<std::size_t>(i)];
        std::uint32_t xmit = 0;
        std::uint32_t recv = 0;
        std::uint32_t speed = 0;
        result = ReadStatDataValue(key.key(), i, KeyDUNXmit, xmit)
            && ReadStatDataValue(key.key(), i, KeyDUNRecv, recv)
            && ReadStatDataValue(key.key(), i, KeyDUNConn, speed);
        if (!result) {
            ErrInfo = readKeyError(QStringLiteral("PerfStats\\StatData"), KeyDUNConn);
            continue;
        }
        adapter.rawXmit = xmit;
        adapter.rawRecv = recv;
        Slot& port = m_slots[static_cast<std::size_t>(i)];
        port.speed = speed;
        // Counted on from the raw values at the last reset, across wraps and resets.
        countOn(port, xmit, recv, CounterWidth::Bits32);
        if (adapter.rawRecv != 0)
            addSaturating(total.speed, port.speed);
        ++m_totPorts;
    }
    sumIntoSlotZero();
    return result;
}

bool TRasPer::refreshPdh()
{
    const auto& pdh = pdhapi::binding();
    if (!pdh.library || !pdh.PdhCollectQueryData)
        return false;
    if (pdh.PdhCollectQueryData(m_pdhQuery) != 0)
        return false;
    return ReadPdhTotals(0) == 0;
}

win::PDH_STATUS TRasPer::AddPdhCounter(const char* path, PDH_HCOUNTER& counter)
{
    const auto& pdh = pdhapi::binding();
    if (!pdh.PdhAddCounterA)
        return ERROR_NOT_SUPPORTED;
    return pdh.PdhAddCounterA(m_pdhQuery, path, 0, &counter);
}

// The result of the last PDH call made; a counter without valid data is skipped, not failed.
win::PDH_STATUS TRasPer::ReadPdhTotals(int index)
{
    Slot& entry = m_slots[static_cast<std::size_t>(index)];
    const auto& pdh = pdhapi::binding();
    PDH_STATUS status = 0;
    const std::tuple<PDH_HCOUNTER, CounterFollower*, std::uint32_t*> counters[] = {
        { entry.pdhXmit, &entry.xmitCounter, &entry.xmit },
        { entry.pdhRecv, &entry.recvCounter, &entry.recv },
    };
    for (const auto& [counter, follower, figure] : counters) {
        if (counter == 0 || !pdh.PdhGetRawCounterValue)
            return status;
        PDH_RAW_COUNTER raw {};
        DWORD type = 0;
        status = pdh.PdhGetRawCounterValue(counter, &type, &raw);
        if (status != 0
            || (raw.CStatus != PDH_CSTATUS_VALID_DATA && raw.CStatus != PDH_CSTATUS_NEW_DATA))
            return status;
        // "\RAS Total" counts since the machine started, in 64 bits: the figure keeps its low
        // 32 bits counting on past 4 GiB.
        const auto reading = static_cast<std::uint64_t>(std::max<std::int64_t>(raw.FirstValue, 0));
        *figure += follower->advance(reading, CounterWidth::Bits64);
    }
    return status;
}

bool TRasPer::refreshPerformanceData()
{
    for (auto& entry : m_slots)
        entry.name.clear();
    bool ok = ReadPerfObject("906", 0);
    m_totPorts = 0;
    if (ok)
        ok = ReadPerfObject("870", 1);
    return ok;
}

bool TRasPer::ReadPerfObject(const char* objectIndex, int firstSlot)
{
    std::vector<BYTE> data(perfBufferSize);
    DWORD size = perfBufferSize;
    LONG result = RegQueryValueExA(
        HKEY_PERFORMANCE_DATA, objectIndex, nullptr, nullptr, data.data(), &size);
    while (result == ERROR_MORE_DATA && perfBufferSize < kMaxPerfBufferSize) {
        perfBufferSize += 1024;
        data.assign(perfBufferSize, 0);
        size = perfBufferSize;
        result = RegQueryValueExA(
            HKEY_PERFORMANCE_DATA, objectIndex, nullptr, nullptr, data.data(), &size);
    }
    if (result != ERROR_SUCCESS || size < 100) {
        ErrInfo = translated(
            QT_TRANSLATE_NOOP("TRasPer", "No Performance Data Returned for Object - %1"))
                      .arg(QLatin1String(objectIndex));
        return false;
    }
    data.resize(size);
    return WalkPerfObjects(data, objectIndex, firstSlot);
}

bool TRasPer::WalkPerfObjects(const std::vector<BYTE>& data, const char* objectIndex, int firstSlot)
{
    const auto objects
        = walkPerfData(data, static_cast<std::size_t>(std::max(0, kSlots - firstSlot)));
    if (!objects) {
        ErrInfo = translated(
            QT_TRANSLATE_NOOP("TRasPer", "No Performance Object Blocks Found for - %1"))
                      .arg(QLatin1String(objectIndex));
        return false;
    }
    int slotIndex = firstSlot;
    const auto keep = [](Slot& target, const PerfReading& reading) {
        for (const auto& [counter, value] : reading.values) {
            if (counter == 872)
                target.xmit += target.xmitCounter.advance(value, CounterWidth::Bits32);
            else if (counter == 874)
                target.recv += target.recvCounter.advance(value, CounterWidth::Bits32);
        }
    };
    for (const PerfObjectReadings& object : *objects) {
        // Instances fill the slots from `firstSlot` on; an object without instances counts
        // into the slot the next instance would take, while there is one.
        if (slotIndex >= kSlots)
            break;
        if (!object.perInstance) {
            Slot& target = m_slots[static_cast<std::size_t>(slotIndex)];
            target.name = QStringLiteral("all");
            keep(target, object.readings.front());
            continue;
        }
        for (const PerfReading& reading : object.readings) {
            if (slotIndex >= kSlots)
                break;
            Slot& target = m_slots[static_cast<std::size_t>(slotIndex)];
            if (reading.name)
                target.name = QString::fromStdU16String(*reading.name).toLower();
            keep(target, reading);
            ++m_totPorts;
            ++slotIndex;
        }
    }
    return true;
}

bool TRasPer::refreshConnectionStatistics()
{
    for (auto& entry : m_slots)
        entry.name.clear();
    Slot& total = m_slots[0];
    total.speed = 0; // the byte figures stay until summed afresh: a total must not dip
    total.name = QStringLiteral("all");
    ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
    if (!rasStatisticsAvailable())
        return false;
    const auto& ras = rasapi::binding();
    for (int i = 1; i < kSlots; ++i) {
        Slot& entry = m_slots[static_cast<std::size_t>(i)];
        if (entry.handle == 0)
            continue;
        RAS_STATS statistics {};
        statistics.dwSize = sizeof statistics;
        if (entry.subEntry != 0 && ras.RasGetLinkStatistics)
            ResultCode = static_cast<std::int32_t>(
                ras.RasGetLinkStatistics(entry.handle, entry.subEntry, &statistics));
        else if (entry.subEntry == 0 && ras.RasGetConnectionStatistics)
            ResultCode = static_cast<std::int32_t>(
                ras.RasGetConnectionStatistics(entry.handle, &statistics));
        else
            ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
        if (ResultCode != 0) {
            ErrorText(ResultCode, ErrInfo);
            continue;
        }
        entry.speed = std::max(entry.speed, statistics.dwBps);
        countOn(entry, statistics.dwBytesXmited, statistics.dwBytesRcved, CounterWidth::Bits32);
        entry.name = QStringLiteral("x%1").arg(i);
        m_totPorts = std::max(m_totPorts, i);
        addSaturating(total.speed, entry.speed);
    }
    sumIntoSlotZero();
    return true;
}

void TRasPer::ResetSlot(int Index)
{
    Slot& entry = const_cast<Slot&>(slot(Index));
    entry.xmit = entry.recv = entry.speed = 0;
    // An adapter of the 9x family counts from its raw values at the reset; every other source
    // takes its next reading whole.
    if (RasPlatform == 0 && Index >= 1 && Index <= kAdapters) {
        const Adapter& adapter = m_adapters[static_cast<std::size_t>(Index)];
        entry.xmitCounter.restartFrom(adapter.rawXmit);
        entry.recvCounter.restartFrom(adapter.rawRecv);
    } else {
        entry.xmitCounter.restart();
        entry.recvCounter.restart();
    }
    if (RasPlatform >= 2) {
        ResultCode = static_cast<std::int32_t>(ERROR_RAS_NOT_INSTALLED);
        if (rasStatisticsAvailable() && entry.handle != 0)
            ResultCode = static_cast<std::int32_t>(
                rasapi::binding().RasClearConnectionStatistics(entry.handle));
    }
}

void TRasPer::ResetCounters()
{
    for (int i = 0; i < kSlots; ++i) {
        ResetSlot(i);
        Slot& entry = m_slots[static_cast<std::size_t>(i)];
        entry.handle = 0;
        entry.subEntry = 0;
        if (!m_pdhQuery)
            entry.name.clear();
    }
    RefreshStatistics();
}

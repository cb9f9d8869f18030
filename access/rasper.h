// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counterfollower.h"
#include "platform/win/pdh.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// The dial-up traffic counters (bytes transmitted and received, connect speed) from whichever
// source the platform release offers, in 31 slots: slot 0 the totals ("all"), slots 1 to 30
// single ports, adapters or connections.
class TRasPer : public QObject
{
public:
    static constexpr int kSlots = 31;
    static constexpr int kAdapters = 4;

    explicit TRasPer(QObject* owner = nullptr);
    ~TRasPer() override;

    bool StartStatistics(bool DoStart, bool FindAdapters);
    bool RefreshStatistics();
    void ResetCounters();
    void ResetSlot(int Index);

    // Slot accessors; an index outside 0 to 30 throws std::out_of_range.
    std::uint32_t SlotXmit(int Index) const;
    std::uint32_t SlotRecv(int Index) const;
    std::uint32_t SlotSpeed(int Index) const;
    QString SlotName(int Index) const;
    std::uint32_t SlotHandle(int Index) const;
    void SetSlotHandle(int Index, std::uint32_t Handle);
    void SetSlotSubEntry(int Index, std::uint32_t SubEntry);

    bool UsePDH() const { return m_usePdh; }
    void SetUsePDH(bool value);
    int TotPorts() const { return m_totPorts; }
    const QStringList& AdapterList() const { return m_adapterList; }
    int AdapterCount() const { return static_cast<int>(m_adapterList.size()); }
    void ErrorText(std::int32_t Code, QString& Text);

    bool DAXCtrl = false;
    QString Version;
    QString KeyDUNConn;
    QString KeyDUNXmit;
    QString KeyDUNRecv;
    QString ErrInfo;
    std::int32_t ResultCode = 0;

private:
    struct Slot
    {
        std::uint32_t handle = 0;
        std::uint32_t subEntry = 0;
        // Figures: counters followed across wraps and resets since the last reset of the slot,
        // or, for the sums in slot 0, the sums of such figures; both wrap modulo 2^32.
        std::uint32_t xmit = 0;
        std::uint32_t recv = 0;
        std::uint32_t speed = 0;
        CounterFollower xmitCounter;
        CounterFollower recvCounter;
        QString name;
        win::PDH_HCOUNTER pdhXmit = 0;
        win::PDH_HCOUNTER pdhRecv = 0;
    };
    struct Adapter
    {
        // The last raw readings; a reset of the adapter's slot counts on from them.
        std::uint32_t rawXmit = 0;
        std::uint32_t rawRecv = 0;
    };

    const Slot& slot(int index) const;
    static void countOn(Slot& entry, std::uint64_t xmit, std::uint64_t recv, CounterWidth width);
    void sumIntoSlotZero();
    bool rasStatisticsAvailable() const;
    void FindDialUpAdapters();
    bool ReadStartStopValue(win::HKEY key, int adapter, const QString& valueKey);
    bool ReadStatDataValue(
        win::HKEY key, int adapter, const QString& valueKey, std::uint32_t& value);
    bool ReadPerfObject(const char* objectIndex, int firstSlot);
    bool WalkPerfObjects(
        const std::vector<win::BYTE>& data, const char* objectIndex, int firstSlot);
    win::PDH_STATUS AddPdhCounter(const char* path, win::PDH_HCOUNTER& counter);
    win::PDH_STATUS ReadPdhTotals(int index);
    bool refreshDynamicStatistics();
    bool refreshPdh();
    bool refreshPerformanceData();
    bool refreshConnectionStatistics();
    QString readKeyError(const QString& key, const QString& value) const;

    std::array<Slot, kSlots> m_slots;
    std::array<Adapter, kAdapters + 1> m_adapters; // numbered 1 to 4
    QStringList m_adapterList;
    int m_totPorts = 0;
    bool m_usePdh = false;
    win::PDH_HQUERY m_pdhQuery = 0;
};

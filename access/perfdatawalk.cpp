// SPDX-License-Identifier: GPL-3.0-or-later
#include "perfdatawalk.h"

#include "platform/win/winperf.h"

#include <cstring>

using namespace win;

namespace {

template<typename Record>
bool readRecord(std::span<const BYTE> data, std::size_t at, Record& record)
{
    if (at > data.size() || data.size() - at < sizeof record)
        return false;
    std::memcpy(&record, data.data() + at, sizeof record);
    return true;
}

// Positions add 32-bit lengths and offsets read from the block: past the block, or wrapped
// round, they simply fail the next record check.
std::size_t advance(std::size_t at, std::size_t by)
{
    return at > SIZE_MAX - by ? SIZE_MAX : at + by;
}

std::vector<std::pair<DWORD, std::uint32_t>> readValues(std::span<const BYTE> data,
    std::size_t blockAt, const std::vector<PERF_COUNTER_DEFINITION>& counters)
{
    std::vector<std::pair<DWORD, std::uint32_t>> values;
    for (const auto& counter : counters) {
        std::uint32_t value = 0;
        if (readRecord(data, advance(blockAt, counter.CounterOffset), value))
            values.emplace_back(counter.CounterNameTitleIndex, value);
    }
    return values;
}

std::optional<std::u16string> instanceName(
    std::span<const BYTE> data, std::size_t at, const PERF_INSTANCE_DEFINITION& instance)
{
    const std::size_t nameAt = advance(at, instance.NameOffset);
    if (nameAt > data.size() || instance.NameLength > data.size() - nameAt)
        return std::nullopt;
    std::u16string name(instance.NameLength / 2, u'\0');
    std::memcpy(name.data(), data.data() + nameAt, name.size() * 2);
    name.resize(std::char_traits<char16_t>::length(name.c_str()));
    return name;
}

} // namespace

std::optional<std::vector<PerfObjectReadings>> walkPerfData(
    std::span<const BYTE> data, std::size_t maxInstances)
{
    PERF_DATA_BLOCK block {};
    if (!readRecord(data, 0, block) || block.NumObjectTypes == 0)
        return std::nullopt;
    std::vector<PerfObjectReadings> objects;
    std::size_t instancesLeft = maxInstances;
    std::size_t objectAt = block.HeaderLength;
    for (DWORD objectNumber = 0; objectNumber < block.NumObjectTypes; ++objectNumber) {
        PERF_OBJECT_TYPE object {};
        if (!readRecord(data, objectAt, object) || object.TotalByteLength == 0)
            break;
        if (object.NumCounters > 50)
            return std::nullopt;
        std::vector<PERF_COUNTER_DEFINITION> counters;
        std::size_t counterAt = advance(objectAt, object.HeaderLength);
        for (DWORD c = 0; c < object.NumCounters; ++c) {
            PERF_COUNTER_DEFINITION counter {};
            if (!readRecord(data, counterAt, counter) || counter.ByteLength == 0)
                break;
            counters.push_back(counter);
            counterAt = advance(counterAt, counter.ByteLength);
        }
        PerfObjectReadings readings;
        std::size_t at = advance(objectAt, object.DefinitionLength);
        if (object.NumInstances == PERF_NO_INSTANCES) {
            readings.readings.push_back({ std::nullopt, readValues(data, at, counters) });
        } else {
            readings.perInstance = true;
            for (LONG instanceNumber = 0; instanceNumber < object.NumInstances && instancesLeft > 0;
                 ++instanceNumber) {
                PERF_INSTANCE_DEFINITION instance {};
                if (!readRecord(data, at, instance) || instance.ByteLength < sizeof instance)
                    break;
                const std::size_t blockAt = advance(at, instance.ByteLength);
                PERF_COUNTER_BLOCK counterBlock {};
                if (!readRecord(data, blockAt, counterBlock) || counterBlock.ByteLength == 0)
                    break;
                readings.readings.push_back(
                    { instanceName(data, at, instance), readValues(data, blockAt, counters) });
                --instancesLeft;
                at = advance(blockAt, counterBlock.ByteLength);
            }
        }
        objects.push_back(std::move(readings));
        objectAt = advance(objectAt, object.TotalByteLength);
    }
    return objects;
}

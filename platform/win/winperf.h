// SPDX-License-Identifier: GPL-3.0-or-later
// The registry performance-data layout, in its 32-bit form: a PERF_DATA_BLOCK, then per object
// a PERF_OBJECT_TYPE, its PERF_COUNTER_DEFINITIONs, and either one PERF_COUNTER_BLOCK or, per
// instance, a PERF_INSTANCE_DEFINITION with its UTF-16 name followed by a PERF_COUNTER_BLOCK.
// Every part says its own length; readers walk by those lengths.
#pragma once

#include "types.h"

namespace win {

struct SYSTEMTIME
{
    WORD wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds;
};

struct PERF_DATA_BLOCK
{
    WORD Signature[4]; // "PERF" in UTF-16
    DWORD LittleEndian;
    DWORD Version;
    DWORD Revision;
    DWORD TotalByteLength;
    DWORD HeaderLength;
    DWORD NumObjectTypes;
    LONG DefaultObject;
    SYSTEMTIME SystemTime;
    DWORD Padding;
    DWORD PerfTime[2];
    DWORD PerfFreq[2];
    DWORD PerfTime100nSec[2];
    DWORD SystemNameLength;
    DWORD SystemNameOffset;
};
static_assert(sizeof(PERF_DATA_BLOCK) == 88);

constexpr LONG PERF_NO_INSTANCES = -1;

struct PERF_OBJECT_TYPE
{
    DWORD TotalByteLength;
    DWORD DefinitionLength;
    DWORD HeaderLength;
    DWORD ObjectNameTitleIndex;
    DWORD ObjectNameTitle;
    DWORD ObjectHelpTitleIndex;
    DWORD ObjectHelpTitle;
    DWORD DetailLevel;
    DWORD NumCounters;
    LONG DefaultCounter;
    LONG NumInstances;
    DWORD CodePage;
    DWORD PerfTime[2];
    DWORD PerfFreq[2];
};
static_assert(sizeof(PERF_OBJECT_TYPE) == 64);

struct PERF_COUNTER_DEFINITION
{
    DWORD ByteLength;
    DWORD CounterNameTitleIndex;
    DWORD CounterNameTitle;
    DWORD CounterHelpTitleIndex;
    DWORD CounterHelpTitle;
    LONG DefaultScale;
    DWORD DetailLevel;
    DWORD CounterType;
    DWORD CounterSize;
    DWORD CounterOffset;
};
static_assert(sizeof(PERF_COUNTER_DEFINITION) == 40);

struct PERF_INSTANCE_DEFINITION
{
    DWORD ByteLength;
    DWORD ParentObjectTitleIndex;
    DWORD ParentObjectInstance;
    LONG UniqueID;
    DWORD NameOffset;
    DWORD NameLength; // bytes, with the terminating NUL
};
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == 24);

struct PERF_COUNTER_BLOCK
{
    DWORD ByteLength;
};

constexpr DWORD PERF_COUNTER_RAWCOUNT = 0x00010000;
constexpr DWORD PERF_DETAIL_NOVICE = 100;

} // namespace win

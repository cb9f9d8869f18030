// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// What one object of a registry performance-data block holds: one reading for the whole object
// (an object without instances) or one per instance, each with its counters' values in the
// order the object defines them.
struct PerfReading
{
    std::optional<std::u16string> name; // the instance's, when it could be read
    std::vector<std::pair<win::DWORD, std::uint32_t>> values; // counter title index, value
};

struct PerfObjectReadings
{
    bool perInstance = false;
    std::vector<PerfReading> readings;
};

// Walks a block as the registry's performance data returns it, trusting none of its lengths or
// offsets: every record is checked against the block, and a damaged record ends the walk with
// what was read before it. Nothing when the block has no objects or an object claims more than
// 50 counters. At most `maxInstances` instances are read, over all objects together.
std::optional<std::vector<PerfObjectReadings>> walkPerfData(
    std::span<const win::BYTE> data, std::size_t maxInstances);

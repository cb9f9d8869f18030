// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace usage {

class UsageStore;

// The bytes of [from, to) of one entry name (empty: every name) as UsageStore::sums gives them,
// with those the recorder holds and has not written yet (`unwritten`, as UsageRecorder::pending
// gives them) added: every byte until now. `store` may be null: nothing written yet. The plans
// and the usage window count through here, so the tray and the window say the same.
std::vector<Bucket> sumsWithUnwritten(UsageStore* store, const std::vector<Bucket>& unwritten,
    std::int64_t from, std::int64_t to, const std::string& name);

} // namespace usage

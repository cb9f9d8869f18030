// SPDX-License-Identifier: GPL-3.0-or-later
#include "historysums.h"

#include "usagestore.h"

namespace usage {

std::vector<Bucket> sumsWithUnwritten(UsageStore* store, const std::vector<Bucket>& unwritten,
    std::int64_t from, std::int64_t to, const std::string& name)
{
    std::vector<Bucket> buckets;
    if (store && store->isOpen())
        buckets = store->sums(from, to, name);
    for (const Bucket& held : unwritten) {
        if ((name.empty() || held.name == name) && held.start >= from && held.start < to)
            buckets.push_back({ {}, held.start, held.span, held.sent, held.received });
    }
    return buckets;
}

} // namespace usage

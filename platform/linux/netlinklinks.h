// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernellinks.h"

#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;
struct nlmsghdr;

namespace platform {

// The kernel's interfaces learnt from rtnetlink: a full report at the start, then the link and
// address events of the network namespace the object was made in, taken in as they come (on the
// event loop, where there is one) and at each update(). When the kernel had to drop events
// because they came faster than they were read, the table is reported in full again.
class NetlinkLinks final : public KernelLinks
{
public:
    // `receiveBuffer`: the event socket's buffer in bytes, 0 for the system's default; a test
    // makes it small to see events dropped.
    explicit NetlinkLinks(int receiveBuffer = 0);
    ~NetlinkLinks() override;
    NetlinkLinks(const NetlinkLinks&) = delete;
    NetlinkLinks& operator=(const NetlinkLinks&) = delete;

    void update() override;

    // Why the kernel's interfaces cannot be learnt; empty while they can.
    const std::string& problem() const { return m_problem; }
    // How many full reports were read, the first one included.
    int fullReports() const { return m_fullReports; }

private:
    bool readFullReport();
    void readEvents();
    // Takes in one message; false for an error message or one that ends a report.
    bool take(nlmsghdr& message);

    int m_events = -1;
    bool m_reportDue = true;
    int m_fullReports = 0;
    unsigned m_sequence = 0;
    std::string m_problem;
    std::vector<char> m_buffer;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace platform

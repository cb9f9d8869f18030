// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

// A second local account, made for one test (as root) and removed with everything it started
// when the object goes, whether the test passed or not: the other user of a shared machine.
class OtherAccount
{
public:
    OtherAccount(); // throws std::runtime_error when the account cannot be made
    ~OtherAccount();
    OtherAccount(const OtherAccount&) = delete;
    OtherAccount& operator=(const OtherAccount&) = delete;

    const std::string& name() const { return m_name; }
    uid_t uid() const { return m_uid; }

    // Runs a shell command as the account and returns its exit status.
    int run(const std::string& command) const;
    // Starts a shell command as the account that keeps running (holding a lock, say) and returns
    // once it has printed its first line; false when it ended first.
    bool start(const std::string& command);

private:
    std::vector<std::string> as() const;

    std::string m_name;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    std::vector<pid_t> m_started;
};

} // namespace testing_support

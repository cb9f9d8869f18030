// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Tells whether a file's name may have come to stand for another file (or for none): renamed
// away, removed, created anew, renamed over, or its folder moved or removed. It asks the kernel
// for the changes of the folder (inotify) as they happened, so the question costs one read of
// its queue and no look at the file; without inotify (no instance left), available() is false
// and the caller looks for itself.
class ReplacementWatch
{
public:
    explicit ReplacementWatch(std::filesystem::path file);
    ~ReplacementWatch();
    ReplacementWatch(const ReplacementWatch&) = delete;
    ReplacementWatch& operator=(const ReplacementWatch&) = delete;

    bool available() const { return m_watch >= 0; }
    // Watches the folder as it is now and forgets what happened before: call it before opening
    // the file, so that a change made meanwhile is still told.
    void rearm();
    // Whether the name may stand for another file since the last rearm().
    bool replaced();

private:
    void drain(bool record);

    std::filesystem::path m_file;
    std::string m_name;
    int m_queue = -1;
    int m_watch = -1;
    bool m_replaced = false;
};

} // namespace platform

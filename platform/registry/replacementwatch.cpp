// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacementwatch.h"

#include <cstdint>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

namespace {

// What can give the name another file; SQLite's own companion files change the folder too, and
// are told apart by their names.
constexpr std::uint32_t kNameChanges
    = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;

} // namespace

ReplacementWatch::ReplacementWatch(std::filesystem::path file)
    : m_file(std::move(file))
    , m_name(m_file.filename().string())
{
}

ReplacementWatch::~ReplacementWatch()
{
    if (m_queue >= 0)
        ::close(m_queue);
}

void ReplacementWatch::rearm()
{
    if (m_queue < 0)
        m_queue = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_queue < 0)
        return;
    const int previous = m_watch;
    m_watch = ::inotify_add_watch(m_queue, m_file.parent_path().c_str(), kNameChanges | IN_ONLYDIR);
    // A folder made anew has a watch of its own; the old one's events mean nothing now.
    if (previous >= 0 && previous != m_watch)
        ::inotify_rm_watch(m_queue, previous);
    drain(false);
    m_replaced = false;
}

bool ReplacementWatch::replaced()
{
    if (!m_replaced)
        drain(true);
    return m_replaced;
}

void ReplacementWatch::drain(bool record)
{
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(m_queue, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (!record)
                continue;
            if (event->mask & IN_Q_OVERFLOW) {
                m_replaced = true; // events were lost: any of them may have been ours
            } else if (event->wd == m_watch) {
                const bool ours = event->len > 0 && std::strcmp(event->name, m_name.c_str()) == 0;
                if ((event->mask & kFolderGone) || ours)
                    m_replaced = true;
            }
        }
    }
}

} // namespace platform

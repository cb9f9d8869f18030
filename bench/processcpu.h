// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace bench {

// CPU time of all the process's threads, to the nanosecond: the sum of each thread's run time
// in /proc/PID/task/TID/schedstat, which is what utime + stime of /proc/PID/stat count in 10 ms
// ticks (too coarse for a few tens of milliseconds a minute).
inline double cpuMs(qint64 pid)
{
    double nanoseconds = 0;
    bool read = false;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream in(tasks.filePath(task + "/schedstat").toStdString());
        double runTime = 0;
        if (in >> runTime) {
            nanoseconds += runTime;
            read = true;
        }
    }
    if (read)
        return nanoseconds / 1e6;
    // A kernel without scheduler statistics: the ticks of /proc/PID/stat.
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto end = stat.rfind(')');
    if (end == std::string::npos)
        return 0;
    std::istringstream fields(stat.substr(end + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) // state (field 3) to cmajflt (field 13)
        fields >> skip;
    double user = 0;
    double system = 0;
    fields >> user >> system;
    return (user + system) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace bench

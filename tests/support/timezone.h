// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <ctime>

namespace testing_support {

// The process's local zone (TZ) for the life of the object; UTC again after, as the suites run.
class TimeZone
{
public:
    explicit TimeZone(const char* zone) { set(zone); }
    ~TimeZone() { set("UTC"); }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    static void set(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
};

} // namespace testing_support

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QtGlobal>

namespace usage {

// What the usage window draws of a data plan: the limit, what counts against it, and the
// billing cycle in force (local dates, both days included).
struct UsagePlanView
{
    qint64 limitBytes = 0;
    bool downloadOnly = false;
    QDate cycleFirstDay;
    QDate cycleLastDay;
};

} // namespace usage

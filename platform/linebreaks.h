// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The platform's texts (hints, tool tips, balloons) break lines with a carriage return, alone or
// before a line feed; Qt draws a carriage return as a blank and breaks lines at a line feed only.
// Every place that shows such a text on screen passes it through here.
inline QString withQtLineBreaks(QString text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace platform

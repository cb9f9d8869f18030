// SPDX-License-Identifier: GPL-3.0-or-later
#include "tcolor.h"

QColor toQColor(TColor color, const QPalette& palette)
{
    if (color & 0x80000000u) {
        switch (color & 0xFF) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        case 15:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
        static_cast<int>((color >> 16) & 0xFF));
}

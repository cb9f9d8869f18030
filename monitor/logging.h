// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Every line of the on-screen log (info) and every tick's figures (debug); both off unless
// switched on with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcLog)
Q_DECLARE_LOGGING_CATEGORY(lcTick)

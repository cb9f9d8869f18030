// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Faults the platform layer recovers from on its own (a damaged registry database, an autostart
// entry that could not be written); off unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

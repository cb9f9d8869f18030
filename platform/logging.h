// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QStringList>
#include <functional>

// Faults the platform layer recovers from on its own (a damaged registry database, an autostart
// entry that could not be written); off unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

namespace platform {

// A warning for the user: its English text with %1, %2... (marked with
// QT_TRANSLATE_NOOP("PlatformWarning", ...)) and what fills them in. The platform layer writes
// it in English; whoever shows it to the user may translate the text first.
struct Warning
{
    const char* text;
    QStringList arguments;
};

// `text` with each %1...%99 replaced by its argument in one pass, so that an argument's own
// "%2" (a file name's, say) stays as it is.
QString filledIn(const QString& text, const QStringList& arguments);
// Writes the warning to lcPlatform in English and gives it to the listener, if the category
// lets warnings through.
void warn(const char* text, QStringList arguments);
// One listener at a time, called on the thread that warns; an empty function stops it.
void setWarningListener(std::function<void(const Warning&)> listener);

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformwarnings.h"

#include "platform/logging.h"

#include <QCoreApplication>

namespace {

std::function<void(const QString&)> showLine; // empty while no window shows the log

} // namespace

PlatformWarnings::PlatformWarnings(std::function<void(const QString&)> addLogLine)
{
    showLine = std::move(addLogLine);
    platform::setWarningListener([](const platform::Warning& warning) {
        // Later, from the event loop: the warning may come from inside a registry call that
        // the log line would otherwise interrupt.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [warning] {
                if (showLine)
                    showLine(platform::filledIn(
                        QCoreApplication::translate("PlatformWarning", warning.text),
                        warning.arguments));
            },
            Qt::QueuedConnection);
    });
}

PlatformWarnings::~PlatformWarnings()
{
    platform::setWarningListener({});
    showLine = nullptr;
}

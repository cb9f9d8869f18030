// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformwarnings.h"

#include "platform/logging.h"

#include <QCoreApplication>
#include <cstring>

namespace {

QtMessageHandler previousHandler = nullptr;
std::function<void(const QString&)> showLine; // empty while no window shows the log

void forwardWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (showLine && type >= QtWarningMsg && context.category
        && std::strcmp(context.category, lcPlatform().categoryName()) == 0) {
        // Later, from the event loop: the warning may come from inside a registry call that
        // the log line would otherwise interrupt.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [line = message] {
                if (showLine)
                    showLine(line);
            },
            Qt::QueuedConnection);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

PlatformWarnings::PlatformWarnings(std::function<void(const QString&)> addLogLine)
{
    showLine = std::move(addLogLine);
    previousHandler = qInstallMessageHandler(forwardWarnings);
}

PlatformWarnings::~PlatformWarnings()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    showLine = nullptr;
}

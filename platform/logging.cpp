// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging.h"

#include <mutex>

Q_LOGGING_CATEGORY(lcPlatform, "vantrel.platform", QtWarningMsg)

namespace platform {

namespace {

std::mutex listenerLock;
std::function<void(const Warning&)> listener; // guarded by listenerLock

} // namespace

QString filledIn(const QString& text, const QStringList& arguments)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        int number = 0;
        qsizetype end = i + 1;
        if (text[i] == QLatin1Char('%')) {
            while (end < text.size() && end - i <= 2 && text[end].isDigit())
                number = number * 10 + text[end++].digitValue();
        }
        if (number >= 1 && number <= arguments.size()) {
            result += arguments[number - 1];
            i = end - 1;
        } else {
            result += text[i];
        }
    }
    return result;
}

void warn(const char* text, QStringList arguments)
{
    if (!lcPlatform().isWarningEnabled())
        return;
    qCWarning(lcPlatform).noquote() << filledIn(QString::fromUtf8(text), arguments);
    const std::scoped_lock lock(listenerLock);
    if (listener)
        listener({ text, std::move(arguments) });
}

void setWarningListener(std::function<void(const Warning&)> newListener)
{
    const std::scoped_lock lock(listenerLock);
    listener = std::move(newListener);
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dbusmethods.h"

#include <algorithm>

std::optional<QDBusMessage> refusal(
    const QDBusMessage& message, std::span<const DBusMethod> methods)
{
    const QString& interface = message.interface();
    const QString& member = message.member();
    for (const DBusMethod& method : methods) {
        if (member != QLatin1String(method.name)
            || (!interface.isEmpty() && interface != QLatin1String(method.interface)))
            continue;
        if (message.signature() == QLatin1String(method.signature))
            return std::nullopt;
        return message.createErrorReply(QDBusError::InvalidArgs,
            QStringLiteral("%1.%2 takes (%3), not (%4)")
                .arg(QLatin1String(method.interface), QLatin1String(method.name),
                    QLatin1String(method.signature), message.signature()));
    }
    return message.createErrorReply(
        QDBusError::UnknownMethod, QStringLiteral("Unknown method %1.%2").arg(interface, member));
}

std::optional<bool> screen(const QDBusMessage& message, const QDBusConnection& connection,
    std::span<const DBusMethod> methods)
{
    const QString& interface = message.interface();
    if (!interface.isEmpty()
        && std::none_of(methods.begin(), methods.end(),
            [&](const DBusMethod& method) { return interface == QLatin1String(method.interface); }))
        return false;
    if (const auto refused = refusal(message, methods)) {
        connection.send(*refused);
        return true;
    }
    return std::nullopt;
}

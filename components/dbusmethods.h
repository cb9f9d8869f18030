// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <optional>
#include <span>

// One method an exported object answers: its interface, name and the signature of its input.
struct DBusMethod
{
    const char* interface;
    const char* name;
    const char* signature;
};

// The standard properties interface, read-only: Get and GetAll answered, Set refused.
inline constexpr DBusMethod kPropertiesGet { "org.freedesktop.DBus.Properties", "Get", "ss" };
inline constexpr DBusMethod kPropertiesGetAll { "org.freedesktop.DBus.Properties", "GetAll", "s" };

// The error that refuses `message` before any of its arguments is read: UnknownMethod when no
// method of `methods` has its name (and interface, when it names one), InvalidArgs when the
// arguments are not of the method's signature. Nothing when the call may be handled: any process
// of the session can call, and Qt D-Bus aborts on a value read as a type it is not.
std::optional<QDBusMessage> refusal(
    const QDBusMessage& message, std::span<const DBusMethod> methods);

// What an exported object's handleMessage returns before looking at `message` itself: false for
// an interface none of `methods` has (Qt answers Introspectable and Peer), true once a refusal
// has been sent on `connection`; nothing when the call is the object's to handle.
std::optional<bool> screen(const QDBusMessage& message, const QDBusConnection& connection,
    std::span<const DBusMethod> methods);

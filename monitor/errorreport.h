// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>

// The program's general error report: an error escaping a handler becomes one line of the
// on-screen log, the same message at most once a minute, never a dialog that would pop up on
// every tick.
class ErrorReport
{
    Q_DECLARE_TR_FUNCTIONS(ErrorReport)

public:
    ErrorReport(std::function<std::uint64_t()> clockMs, std::function<void(const QString&)> say);

    void report(const QString& handler, const QString& message);

    // Runs a handler; an exception it throws ends it there and is reported.
    template<typename F>
    void guard(const char* handler, F&& body)
    {
        try {
            body();
        } catch (const std::exception& error) {
            report(QLatin1String(handler), QString::fromLocal8Bit(error.what()));
        }
    }

private:
    std::function<std::uint64_t()> m_clockMs;
    std::function<void(const QString&)> m_say;
    std::map<QString, std::uint64_t> m_lastShownMs;
};

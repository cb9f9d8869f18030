// SPDX-License-Identifier: GPL-3.0-or-later
#include "xserver.h"

#include <QDeadlineTimer>
#include <unistd.h>

namespace testing_support {

QString startXvfb(QProcess& server, int firstDisplay)
{
    QByteArray number;
    for (int attempt = 0; attempt < 20 && !number.contains('\n'); ++attempt) {
        const int display = firstDisplay + static_cast<int>(getpid() % 300) * 20 + attempt;
        server.start(QStringLiteral("Xvfb"),
            { QStringLiteral(":%1").arg(display), QStringLiteral("-displayfd"), QStringLiteral("1"),
                QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        // Xvfb names the display once it is ready.
        QDeadlineTimer deadline(20000);
        while (!number.contains('\n') && !deadline.hasExpired()
            && server.state() != QProcess::NotRunning) {
            server.waitForReadyRead(100);
            number += server.readAllStandardOutput();
        }
        if (!number.contains('\n')) {
            server.kill(); // taken, or too slow: the next number
            server.waitForFinished(3000);
            number.clear();
        }
    }
    return number.contains('\n') ? QLatin1Char(':') + QString::fromLatin1(number.trimmed())
                                 : QString();
}

QString runClient(
    const QProcessEnvironment& environment, const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace testing_support

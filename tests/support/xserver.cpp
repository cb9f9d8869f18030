// SPDX-License-Identifier: GPL-3.0-or-later
#include "xserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <unistd.h>

namespace testing_support {

namespace {

// The first line `process` prints, without its end; empty when none came in 20 s or it ended.
QString firstLine(QProcess& process)
{
    QByteArray line;
    QDeadlineTimer deadline(20000);
    while (
        !line.contains('\n') && !deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        line += process.readAllStandardOutput();
    }
    return line.contains('\n') ? QString::fromUtf8(line.left(line.indexOf('\n'))) : QString();
}

} // namespace

QString startXvfb(QProcess& server, int firstDisplay)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int display = firstDisplay + static_cast<int>(getpid() % 300) * 20 + attempt;
        server.start(QStringLiteral("Xvfb"),
            { QStringLiteral(":%1").arg(display), QStringLiteral("-displayfd"), QStringLiteral("1"),
                QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset") });
        // Xvfb names the display once it is ready.
        if (const QString number = firstLine(server); !number.isEmpty())
            return QLatin1Char(':') + number.trimmed();
        server.kill(); // taken, or too slow: the next number
        server.waitForFinished(3000);
    }
    return {};
}

QString startSessionBus(QProcess& daemon)
{
    daemon.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--session"), QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1") });
    return firstLine(daemon).trimmed();
}

QString startBareSessionBus(QProcess& daemon, const QString& folder)
{
    const QString config = folder + QStringLiteral("/bare-session.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)");
    file.close();
    daemon.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1") });
    return firstLine(daemon).trimmed();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitortexts.h"

#include "components/base/storedsettings.h"

#include <QCoreApplication>

namespace monitortexts {
namespace {

const char* const kOnline = QT_TRANSLATE_NOOP("monitortexts", "Online: %1");
const char* const kOffline = QT_TRANSLATE_NOOP("monitortexts", "Offline: %1");
const QChar kCR(13);

// The namespace is the texts' context, as the catalogue tool files them.
QString tr(const char* text)
{
    return QCoreApplication::translate("monitortexts", text);
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString none()
{
    return tr("N/A");
}

bool isNoneMark(const QString& stored)
{
    return stored == latin1(settings::fallback<"LastConn">());
}

QString connectionLine(const QString& name)
{
    return tr("Connection: %1").arg(name);
}

QString speedLine(const QString& bitsPerSecond)
{
    return tr("Speed: %1 bps").arg(bitsPerSecond);
}

QString durationLine(const QString& duration)
{
    return tr("Duration: %1").arg(duration);
}

QString clientIpLine(const QString& address)
{
    return tr("Client IP: %1").arg(address);
}

QString onlineTip(const QString& online)
{
    return tr(kOnline).arg(online);
}

QString storedTimes(const QString& online, const QString& offline)
{
    return QLatin1String(kOnline).arg(online) + kCR + QLatin1String(kOffline).arg(offline);
}

QString timesTip(const QString& online, const QString& offline)
{
    return tr(kOnline).arg(online) + kCR + tr(kOffline).arg(offline);
}

QString shownStored(const QString& stored)
{
    if (isNoneMark(stored))
        return none();
    const QString online = QLatin1String(kOnline).left(QLatin1String(kOnline).size() - 2);
    const QString offline = kCR + QLatin1String(kOffline).left(QLatin1String(kOffline).size() - 2);
    const qsizetype split = stored.indexOf(offline);
    if (!stored.startsWith(online) || split < 0)
        return stored;
    return timesTip(
        stored.mid(online.size(), split - online.size()), stored.mid(split + offline.size()));
}

QString caption(const QString& name, const QString& duration)
{
    return QStringLiteral("Vantrel - %1 - %2").arg(name, duration);
}

} // namespace monitortexts

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rastext.h"

#include "platform/linux/dialstates.h"
#include "rasapi.h"

#include <QCoreApplication>
#include <cstring>

QString rasNotAvailableText()
{
    return QStringLiteral("RASAPI32.DLL ")
        + QCoreApplication::translate("TRasCon", "Not Available");
}

QString rasErrorText(std::int32_t code)
{
    if (code < 0)
        return {};
    // NetworkManager's reasons that no dial-up error describes, in the user's language.
    if (const char* reason = platform::networkManagerReasonText(static_cast<win::DWORD>(code)))
        return QCoreApplication::translate("NetworkManagerReason", reason);

    char buffer[257] {};
    const auto& ras = rasapi::binding();
    if (ras.RasGetErrorStringA)
        ras.RasGetErrorStringA(static_cast<win::UINT>(code), buffer, 256);
    if (buffer[0] != '\0')
        return QString::fromLocal8Bit(buffer);
    char system[512] {};
    win::FormatMessageA(static_cast<win::DWORD>(code), system, sizeof system);
    std::size_t length = std::strlen(system);
    while (length > 0
        && (static_cast<unsigned char>(system[length - 1]) < '!' || system[length - 1] == '.'))
        --length;
    return QString::fromLocal8Bit(system, static_cast<qsizetype>(length));
}

bool describeRasResult(std::int32_t code, QString& text)
{
    if (!LoadRasApi()) {
        text = rasNotAvailableText();
        return false;
    }
    text = rasErrorText(code);
    return true;
}

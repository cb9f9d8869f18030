// SPDX-License-Identifier: GPL-3.0-or-later
#include "rastext.h"

#include "platform/linux/dialstates.h"
#include "rasapi.h"

#include <QCoreApplication>
#include <string>

QString rasNotAvailableText()
{
    return QStringLiteral("RASAPI32.DLL ")
        + QCoreApplication::translate("TRasCon", "Not Available");
}

namespace {

// The user's words for a platform message; the English as it is where the catalogue has none,
// and in the command-line tools, which load no catalogue.
QString translatedMessage(const char* english)
{
    return QCoreApplication::translate(win::kMessageContext, english);
}

// The status shows a system message without its closing full stop (Chinese "。" too) and blanks.
QString withoutClosingStop(QString text)
{
    qsizetype length = text.size();
    while (length > 0) {
        const QChar last = text.at(length - 1);
        if (last.unicode() >= '!' && last != QLatin1Char('.') && last != QChar(0x3002))
            break;
        --length;
    }
    text.truncate(length);
    return text;
}

} // namespace

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
        return translatedMessage(buffer);
    char system[512] {};
    win::FormatMessageA(static_cast<win::DWORD>(code), system, sizeof system);
    // Without its line break: the catalogue knows the sentence alone.
    std::string english(system);
    while (!english.empty() && static_cast<unsigned char>(english.back()) < '!')
        english.pop_back();
    return withoutClosingStop(translatedMessage(english.c_str()));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// "RASAPI32.DLL Not Available".
QString rasNotAvailableText();
// The components' ErrorText: the message of `code`, or, without the library, the text that
// says so and false (the caller's ResultCode becomes 1157).
bool describeRasResult(std::int32_t code, QString& text);
// The message of a RAS or system result code in the user's language: the dial-up library's own
// text when it has one, otherwise the system's, without trailing blanks, line breaks and full
// stop. Empty for negative codes. Shared by the connection and the statistics components.
QString rasErrorText(std::int32_t code);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// "RASAPI32.DLL Not Available".
QString rasNotAvailableText();
// The message of a RAS or system result code: the dial-up library's own text when it has one,
// otherwise the system's, without trailing blanks, line breaks and full stop. Empty for
// negative codes. Shared by the connection and the statistics components.
QString rasErrorText(std::int32_t code);

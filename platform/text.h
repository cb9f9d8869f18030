// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ASCII-only case folding: the platform's registry, module and resource names are ASCII, and
// folding must not depend on the user's locale.
char asciiLower(char c);
std::string asciiLower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Splits on every separator; "a\\\\b" yields an empty middle part.
std::vector<std::string_view> split(std::string_view text, char separator);

} // namespace platform

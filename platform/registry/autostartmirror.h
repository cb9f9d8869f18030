// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Keeps the desktop's autostart entry in step with the program's start-up command in the
// registry, so that "load on startup" works on a Linux desktop (XDG Autostart).
class AutostartMirror
{
public:
    explicit AutostartMirror(const std::filesystem::path& autostartFolder);

    const std::filesystem::path& entryFile() const { return m_entry; }

    // Writes the entry for a registry command line; false when it could not be written (the
    // reason is logged) or the command cannot be expressed as a desktop entry.
    bool set(const std::string& command);
    // Removes the entry; true when none is left.
    bool remove();

    // The Exec= value for a registry command line: a line starting with a quote is a quoted
    // program followed by arguments; an unquoted line is one program path, spaces and all.
    static std::optional<std::string> execLine(const std::string& command);

private:
    std::filesystem::path m_entry;
};

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostartmirror.h"

#include "../logging.h"

#include <fstream>
#include <vector>

namespace platform {

namespace {

// Desktop Entry Specification, "The Exec key": quoting of one argument, then the general
// escaping of a string value.
std::string quoteArgument(const std::string& argument)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    if (argument.find_first_of(reserved) == std::string::npos && !argument.empty()) {
        quoted = argument;
    } else {
        quoted = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '%')
            escaped += "%%";
        else
            escaped += c;
    }
    return escaped;
}

std::vector<std::string> splitCommandLine(const std::string& command)
{
    if (command.empty() || command.front() != '"')
        return { command };
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool pending = false;
    for (char c : command) {
        if (c == '"') {
            inQuotes = !inQuotes;
            pending = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (pending)
                arguments.push_back(current);
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        arguments.push_back(current);
    return arguments;
}

} // namespace

AutostartMirror::AutostartMirror(const std::filesystem::path& autostartFolder)
    : m_entry(autostartFolder / "vantrel.desktop")
{
}

std::optional<std::string> AutostartMirror::execLine(const std::string& command)
{
    for (char c : command) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return std::nullopt; // a line break would end the key early
    }
    const auto arguments = splitCommandLine(command);
    if (arguments.empty() || arguments.front().empty())
        return std::nullopt;
    std::string line;
    for (const auto& argument : arguments) {
        if (!line.empty())
            line += ' ';
        line += quoteArgument(argument);
    }
    return line;
}

bool AutostartMirror::set(const std::string& command)
{
    const auto exec = execLine(command);
    if (!exec) {
        warn(QT_TRANSLATE_NOOP(
                 "PlatformWarning", "start-up command %1 cannot be written as an autostart entry"),
            { QString::fromStdString(command) });
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(m_entry.parent_path(), error);
    std::filesystem::path temporary = m_entry;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Vantrel\n"
               "Comment=Network connection monitor\n"
               "Exec="
            << *exec
            << "\n"
               "Icon=vantrel\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n";
        out.flush();
        if (!out) {
            warn(QT_TRANSLATE_NOOP("PlatformWarning", "cannot write the autostart entry %1"),
                { QString::fromStdString(temporary.string()) });
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, m_entry, error);
    if (error) {
        warn(QT_TRANSLATE_NOOP("PlatformWarning", "cannot write the autostart entry %1: %2"),
            { QString::fromStdString(m_entry.string()), QString::fromStdString(error.message()) });
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool AutostartMirror::remove()
{
    std::error_code error;
    std::filesystem::remove(m_entry, error);
    if (error) {
        warn(QT_TRANSLATE_NOOP("PlatformWarning", "cannot remove the autostart entry %1: %2"),
            { QString::fromStdString(m_entry.string()), QString::fromStdString(error.message()) });
        return false;
    }
    return true;
}

} // namespace platform

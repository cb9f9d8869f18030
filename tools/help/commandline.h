// SPDX-License-Identifier: GPL-3.0-or-later
// What the tools' command lines share: --help and --version, options and their values, options
// that exclude each other, and one way of saying what is wrong (in English, for scripts).
#pragma once

#include "toolhelp.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace toolhelp {

// The exit status of a wrong command line.
constexpr int kUsageError = 2;

// A tool's name, which is also its help's translation context, and its help.
struct Tool
{
    const char* name;
    std::span<const Line> help;
};

// An option a tool takes.
struct Option
{
    std::string_view name; // "--ticks"
    // What follows it, as said when it is missing ("the number"); empty when it takes nothing.
    std::string_view value = {}; // NOLINT(readability-redundant-member-init): optional in a row
    // Options of the same group, other than 0, exclude each other.
    int group = 0;
};

// A command line read: the options given, in their order, and the other arguments.
struct Arguments
{
    struct Given
    {
        std::string_view name; // as the tool's table spells it
        std::string value;
    };
    std::vector<Given> options;
    std::vector<std::string> operands;

    bool has(std::string_view option) const;
    // The value of the option's last occurrence.
    std::optional<std::string> value(std::string_view option) const;
};

// Reads the command line as every tool does: --help (or -h) prints the help and --version the
// tool's version, both ending the tool with 0; "--" ends the options, "-" alone is an argument,
// "--name=value" is "--name value". An unknown option, a missing value, a value given to an
// option that takes none and two options that exclude each other are said as usageError says
// them. Returns the arguments, or the exit status when the tool is done.
std::variant<Arguments, int> parse(
    const Tool& tool, std::span<const Option> options, int& argc, char** argv);

// Says what is wrong with the command line on standard error, "TOOL: PROBLEM" and a line that
// points to --help; returns kUsageError.
int usageError(const Tool& tool, const std::string& problem);
// "OPTION: 'VALUE' is not EXPECTED"
int badValue(
    const Tool& tool, std::string_view option, const std::string& value, std::string_view expected);
// An argument the tool has no place for.
int unexpected(const Tool& tool, const std::string& argument);

} // namespace toolhelp

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <algorithm>
#include <cstdio>

namespace toolhelp {

namespace {

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

} // namespace

bool Arguments::has(std::string_view option) const
{
    return std::any_of(
        options.begin(), options.end(), [&](const Given& given) { return given.name == option; });
}

std::optional<std::string> Arguments::value(std::string_view option) const
{
    std::optional<std::string> last;
    for (const Given& given : options) {
        if (given.name == option)
            last = given.value;
    }
    return last;
}

std::variant<Arguments, int> parse(
    const Tool& tool, std::span<const Option> options, int& argc, char** argv)
{
    Arguments arguments;
    std::vector<const Option*> given; // of arguments.options
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            arguments.operands.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            print(tool.name, tool.help, argc, argv);
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\n", tool.name, VANTREL_VERSION);
            return 0;
        }
        const std::size_t equals
            = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const std::string_view name = argument.substr(0, equals);
        const auto option = std::find_if(options.begin(), options.end(),
            [&](const Option& candidate) { return candidate.name == name; });
        if (option == options.end())
            return usageError(tool, "unknown option " + quoted(name));
        std::string value;
        if (option->value.empty()) {
            if (equals != std::string_view::npos)
                return usageError(tool, std::string(name) + " takes no value");
        } else if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return usageError(
                tool, std::string(name) + ": " + std::string(option->value) + " is missing");
        }
        for (const Option* other : given) {
            if (option->group != 0 && other->group == option->group && other != &*option)
                return usageError(tool,
                    std::string(other->name) + " and " + std::string(name)
                        + " cannot be used together");
        }
        given.push_back(&*option);
        arguments.options.push_back({ option->name, std::move(value) });
    }
    return arguments;
}

int usageError(const Tool& tool, const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", tool.name, problem.c_str(), tool.name);
    return kUsageError;
}

int badValue(
    const Tool& tool, std::string_view option, const std::string& value, std::string_view expected)
{
    return usageError(
        tool, std::string(option) + ": " + quoted(value) + " is not " + std::string(expected));
}

int unexpected(const Tool& tool, const std::string& argument)
{
    return usageError(tool, "unexpected argument " + quoted(argument));
}

} // namespace toolhelp

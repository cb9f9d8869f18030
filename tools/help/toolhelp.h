// SPDX-License-Identifier: GPL-3.0-or-later
// The tools' --help in the user's language; everything else they print stays English, for scripts.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace toolhelp {

// Help lines fit in this many terminal columns, in every language.
constexpr std::size_t kWidth = 80;

// A line or paragraph of a tool's help, `text` marked with QT_TRANSLATE_NOOP in the tool's
// context, or in `context` when given ("" is a blank line). A term (command, option,
// metavariables, an example) stays as it is; its text starts at `column` on the term's own line
// when the term leaves room, and each further line of the text starts there too, so the columns
// hold in every language. The text is filled to kWidth: a line break in it joins the words
// around it, unless blanks follow it (an indented line of its own).
struct Line
{
    const char* text;
    std::string_view term = {}; // NOLINT(readability-redundant-member-init): optional in a row
    std::size_t column = 0;
    const char* context = nullptr;
};

// The lines for --help and --version that every tool has, their texts at `column`.
Line helpOption(std::size_t column);
Line versionOption(std::size_t column);

// The lines in the language of the catalogue installed, English without one.
std::string text(const char* context, std::span<const Line> lines);

// Writes the lines to standard output in the user's language. The catalogue is loaded here and
// only here, so the tools' other output and their start-up stay as they were.
void print(const char* context, std::span<const Line> lines, int& argc, char** argv);

} // namespace toolhelp

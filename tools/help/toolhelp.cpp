// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolhelp.h"

#include "platform/translations.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace toolhelp {

namespace {

// `text`'s lines after the first start at `column`.
std::string indented(const std::string& text, std::size_t column)
{
    std::string result;
    for (const char c : text) {
        result += c;
        if (c == '\n')
            result.append(column, ' ');
    }
    return result;
}

} // namespace

std::string text(const char* context, std::span<const Line> lines)
{
    std::string result;
    for (const Line& line : lines) {
        const std::string words = *line.text == '\0'
            ? std::string()
            : QCoreApplication::translate(context, line.text).toStdString();
        if (!line.term.empty()) {
            result += line.term;
            if (words.empty()) {
                result += '\n';
                continue;
            }
            if (line.term.size() < line.column)
                result.append(line.column - line.term.size(), ' ');
            else
                result += '\n' + std::string(line.column, ' ');
        }
        result += indented(words, line.column) + '\n';
    }
    return result;
}

void print(const char* context, std::span<const Line> lines, int& argc, char** argv)
{
    // The catalogues' folders and Qt's translators need an application object; most tools make
    // none before they know what to do.
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(argc, argv);
    translations::install(translations::choose(
        translations::wantedFromEnvironment(), translations::programFolders()));
    std::fputs(text(context, lines).c_str(), stdout);
    translations::install(QString());
}

} // namespace toolhelp

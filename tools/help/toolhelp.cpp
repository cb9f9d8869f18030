// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolhelp.h"

#include "platform/translations.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace toolhelp {

namespace {

// The English help's widest line: a translation's longer lines are wrapped to it.
constexpr qsizetype kWidth = 100;

// Columns a character takes in a terminal: East Asian wide and full-width characters take two.
qsizetype columns(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

// `line` starting at `column`, broken at blanks so that no piece runs past kWidth (a word longer
// than that stays whole); the pieces after the first start at `column` too.
QString wrapped(const QString& line, qsizetype column)
{
    QString result;
    qsizetype start = 0; // of the piece being filled
    qsizetype width = column;
    qsizetype lastBlank = -1;
    qsizetype widthAtBlank = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char32_t c = line.at(i).isHighSurrogate() && i + 1 < line.size()
            ? QChar::surrogateToUcs4(line.at(i), line.at(i + 1))
            : char32_t { line.at(i).unicode() };
        if (c == U' ' && i > start) {
            lastBlank = i;
            widthAtBlank = width;
        }
        width += columns(c);
        if (c > 0xFFFF)
            ++i;
        if (width > kWidth && lastBlank > start) {
            result += line.mid(start, lastBlank - start) + QLatin1Char('\n')
                + QString(column, QLatin1Char(' '));
            start = lastBlank + 1;
            width = column + (width - widthAtBlank - 1);
            lastBlank = -1;
        }
    }
    return result + line.mid(start);
}

// The translated text's lines, each wrapped, all starting at `column`.
std::string laidOut(const QString& text, std::size_t column)
{
    const auto indent = static_cast<qsizetype>(column);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = wrapped(line, indent);
    return lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' '))).toStdString();
}

} // namespace

std::string text(const char* context, std::span<const Line> lines)
{
    std::string result;
    for (const Line& line : lines) {
        const std::string words = *line.text == '\0'
            ? std::string()
            : laidOut(QCoreApplication::translate(context, line.text), line.column);
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
        result += words + '\n';
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
    translations::install(translations::userLanguage());
    std::fputs(text(context, lines).c_str(), stdout);
    translations::install(QString());
}

} // namespace toolhelp

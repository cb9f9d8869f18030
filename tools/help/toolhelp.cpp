// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolhelp.h"

#include "platform/translations.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <cstdio>
#include <optional>

namespace toolhelp {

namespace {

constexpr auto kColumns = static_cast<qsizetype>(kWidth);

// East Asian wide and full-width characters take two terminal columns.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

char32_t codePointAt(const QString& text, qsizetype at)
{
    if (at < 0 || at >= text.size())
        return 0;
    if (text.at(at).isLowSurrogate() && at > 0 && text.at(at - 1).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(at - 1), text.at(at));
    if (text.at(at).isHighSurrogate() && at + 1 < text.size())
        return QChar::surrogateToUcs4(text.at(at), text.at(at + 1));
    return text.at(at).unicode();
}

qsizetype columns(QStringView text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

// The text's lines as they are to be filled: a break followed by blanks starts a line of its
// own; any other break only ends where a translator's line ran out, so it joins the words
// around it, with a blank unless both sides are of a script written without blanks.
QStringList paragraphs(const QString& text)
{
    QStringList result { QString() };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\n')) {
            result.back() += text.at(i);
            continue;
        }
        QString& line = result.back();
        if (i + 1 >= text.size() || text.at(i + 1) == QLatin1Char(' ')) {
            result.append(QString());
        } else if (!line.endsWith(QLatin1Char(' '))
            && !(isWide(codePointAt(line, line.size() - 1)) && isWide(codePointAt(text, i + 1)))) {
            line += QLatin1Char(' ');
        }
    }
    return result;
}

// `line` starting at `column`, broken so that no piece runs past kWidth (a word longer than that
// stays whole): after blanks, or where the line-breaking rules allow it beside a wide character
// (Chinese has no blanks, and no break before its closing punctuation). The pieces after the
// first start at `column` too.
QString wrapped(const QString& line, qsizetype column)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, line);
    const auto breaksAt = [&](qsizetype at) {
        if (line.at(at).isLowSurrogate())
            return false;
        if (line.at(at - 1) == QLatin1Char(' '))
            return line.at(at) != QLatin1Char(' ');
        finder.setPosition(at);
        return finder.isAtBoundary()
            && (isWide(codePointAt(line, at - 1)) || isWide(codePointAt(line, at)));
    };
    QString result;
    qsizetype width = column;
    qsizetype start = 0; // of the piece up to the next break
    for (qsizetype at = 1; at <= line.size(); ++at) {
        if (at < line.size() && !breaksAt(at))
            continue;
        const QStringView piece = QStringView(line).mid(start, at - start);
        qsizetype inked = piece.size();
        while (inked > 0 && piece.at(inked - 1) == QLatin1Char(' '))
            --inked;
        if (start > 0 && width + columns(piece.left(inked)) > kColumns) {
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            result += QLatin1Char('\n') + QString(column, QLatin1Char(' '));
            width = column;
        }
        result += piece;
        width += columns(piece);
        start = at;
    }
    while (result.endsWith(QLatin1Char(' ')))
        result.chop(1);
    return result;
}

// The translated text filled at `column`, every line after the first starting there.
std::string laidOut(const QString& text, std::size_t column)
{
    const auto indent = static_cast<qsizetype>(column);
    QStringList lines = paragraphs(text);
    for (QString& line : lines)
        line = wrapped(line, indent);
    return lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' '))).toStdString();
}

} // namespace

Line helpOption(std::size_t column)
{
    return { QT_TRANSLATE_NOOP("ToolHelp", "show this help and exit"), "  --help", column,
        "ToolHelp" };
}

Line versionOption(std::size_t column)
{
    return { QT_TRANSLATE_NOOP("ToolHelp", "show the version and exit"), "  --version", column,
        "ToolHelp" };
}

std::string text(const char* context, std::span<const Line> lines)
{
    std::string result;
    for (const Line& line : lines) {
        const std::string words = *line.text == '\0'
            ? std::string()
            : laidOut(QCoreApplication::translate(line.context ? line.context : context, line.text),
                line.column);
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

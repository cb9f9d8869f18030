// SPDX-License-Identifier: GPL-3.0-or-later
#include "regfile.h"

#include "platform/registry/registry.h"
#include "platform/registry/registrystore.h"
#include "platform/text.h"
#include "platform/win/winreg.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace regfile {

namespace {

using win::BYTE;
using win::DWORD;

std::string quote(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// A REG_SZ that a quoted string gives back exactly: one NUL, at the end, and no line breaks.
bool isPlainText(const platform::RegistryValue& value)
{
    const auto& data = value.data;
    if (data.empty() || data.back() != 0)
        return false;
    return std::none_of(
        data.begin(), data.end() - 1, [](BYTE b) { return b == 0 || b == '\n' || b == '\r'; });
}

std::string hexData(std::string prefix, const std::vector<BYTE>& data)
{
    std::string line = std::move(prefix);
    std::size_t column = line.size();
    for (std::size_t i = 0; i < data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", data[i]);
        line += byte;
        column += 2;
        if (i + 1 < data.size()) {
            line += ',';
            ++column;
            if (column > 76) {
                line += "\\\n  ";
                column = 2;
            }
        }
    }
    return line;
}

class LineParser
{
public:
    LineParser(std::string_view text, int line)
        : m_text(text)
        , m_line(line)
    {
    }

    // A quoted string with \\ and \" escapes; the position moves past the closing quote.
    std::variant<std::string, ParseError> quoted()
    {
        if (m_pos >= m_text.size() || m_text[m_pos] != '"')
            return error("expected '\"'");
        std::string text;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return text;
            }
            if (c == '\\') {
                if (++m_pos >= m_text.size())
                    break;
                const char escaped = m_text[m_pos];
                if (escaped != '\\' && escaped != '"')
                    return error(std::string("unknown escape '\\") + escaped + "' in a string");
                text += escaped;
            } else {
                text += c;
            }
        }
        return error("string without closing '\"'");
    }

    bool consume(std::string_view expected)
    {
        if (m_text.substr(m_pos, expected.size()) != expected)
            return false;
        m_pos += expected.size();
        return true;
    }
    std::string_view rest() const { return m_text.substr(m_pos); }
    ParseError error(std::string message) const { return { m_line, std::move(message) }; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line;
};

std::variant<platform::RegistryValue, ParseError> parseHex(
    std::string_view text, DWORD type, int line)
{
    platform::RegistryValue value { type, {} };
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
    };
    skipBlanks();
    if (pos == text.size())
        return value;
    for (;;) {
        skipBlanks();
        const auto digit = [](char c) -> int {
            if (c >= '0' && c <= '9')
                return c - '0';
            c = platform::asciiLower(c);
            return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        };
        if (pos + 2 > text.size() || digit(text[pos]) < 0 || digit(text[pos + 1]) < 0)
            return ParseError { line, "bad hexadecimal byte in '" + std::string(text) + "'" };
        value.data.push_back(static_cast<BYTE>(digit(text[pos]) * 16 + digit(text[pos + 1])));
        pos += 2;
        skipBlanks();
        if (pos == text.size())
            return value;
        if (text[pos] != ',')
            return ParseError { line, "expected ',' between hexadecimal bytes" };
        ++pos;
    }
}

std::variant<std::string, ParseError> keyPath(std::string_view text, int line)
{
    if (const auto problem = nameProblem(text); !problem.empty())
        return ParseError { line, "key name '" + shortened(text) + "' holds " + problem };
    const auto separator = text.find('\\');
    const auto root = text.substr(0, separator);
    const auto rootKey = platform::Registry::rootFromName(root);
    if (!rootKey)
        return ParseError { line, "unknown root key '" + std::string(root) + "'" };
    std::string path = platform::Registry::rootName(*rootKey);
    if (separator == std::string_view::npos)
        return path;
    const auto below = text.substr(separator + 1);
    for (auto part : platform::split(below, '\\')) {
        if (part.empty())
            return ParseError { line, "empty key name in '" + std::string(text) + "'" };
    }
    path += "\\" + std::string(below);
    if (const auto status = platform::RegistryStore::checkKeyPath(path);
        status != platform::StoreStatus::Ok)
        return ParseError { line,
            std::string(platform::toString(status)) + " in '" + shortened(text) + "'" };
    return path;
}

std::variant<Change, ParseError> parseValueLine(
    std::string_view text, const std::string& key, int line)
{
    LineParser parser(text, line);
    std::string name;
    if (!parser.consume("@")) {
        auto quoted = parser.quoted();
        if (auto* failure = std::get_if<ParseError>(&quoted))
            return *failure;
        name = std::get<std::string>(quoted);
        if (const auto problem = nameProblem(name); !problem.empty())
            return parser.error("value name '" + shortened(name) + "' holds " + problem);
        if (const auto status = platform::RegistryStore::checkValueName(name);
            status != platform::StoreStatus::Ok)
            return parser.error(platform::toString(status));
    }
    if (!parser.consume("="))
        return parser.error("expected '=' after the value name");
    if (parser.consume("-")) {
        if (!parser.rest().empty())
            return parser.error("unexpected text after '-'");
        return DeleteValue { key, name };
    }
    if (parser.rest().starts_with("\"")) {
        auto quoted = parser.quoted();
        if (auto* failure = std::get_if<ParseError>(&quoted))
            return *failure;
        if (!parser.rest().empty())
            return parser.error("unexpected text after the string");
        const auto& string = std::get<std::string>(quoted);
        std::vector<BYTE> data(string.begin(), string.end());
        data.push_back(0);
        return SetValue { key, name, { win::REG_SZ, std::move(data) } };
    }
    if (parser.consume("dword:")) {
        const auto digits = parser.rest();
        DWORD number = 0;
        if (digits.empty() || digits.size() > 8)
            return parser.error("dword needs 1 to 8 hexadecimal digits");
        for (char c : digits) {
            const char lower = platform::asciiLower(c);
            const int digit = (c >= '0' && c <= '9') ? c - '0'
                : (lower >= 'a' && lower <= 'f')     ? lower - 'a' + 10
                                                     : -1;
            if (digit < 0)
                return parser.error("bad hexadecimal digit '" + std::string(1, c) + "' in a dword");
            number = number << 4 | static_cast<DWORD>(digit);
        }
        std::vector<BYTE> data(sizeof number);
        std::memcpy(data.data(), &number, sizeof number);
        return SetValue { key, name, { win::REG_DWORD, std::move(data) } };
    }
    DWORD type = win::REG_BINARY;
    if (parser.consume("hex(")) {
        const auto close = parser.rest().find("):");
        const auto digits = parser.rest().substr(0, close);
        if (close == std::string_view::npos || digits.empty() || digits.size() > 8)
            return parser.error("expected hex(TYPE):");
        char* end = nullptr;
        const std::string typeText(digits);
        type = static_cast<DWORD>(std::strtoul(typeText.c_str(), &end, 16));
        if (*end != '\0')
            return parser.error("bad value type '" + typeText + "'");
        parser.consume(digits);
        parser.consume("):");
    } else if (!parser.consume("hex:")) {
        return parser.error("unknown value format '" + std::string(parser.rest()) + "'");
    }
    auto value = parseHex(parser.rest(), type, line);
    if (auto* failure = std::get_if<ParseError>(&value))
        return *failure;
    return SetValue { key, name, std::move(std::get<platform::RegistryValue>(value)) };
}

} // namespace

std::string nameProblem(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return "a NUL character";
    if (name.find_first_of("\r\n") != std::string_view::npos)
        return "a line break";
    return {};
}

std::string shortened(std::string_view name)
{
    constexpr std::size_t kShown = 60;
    std::string shown(name.substr(0, kShown));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    }
    return name.size() > kShown ? shown + "..." : shown;
}

std::variant<std::vector<Change>, ParseError> parse(std::string_view text)
{
    std::vector<Change> changes;
    std::string key;
    bool headerSeen = false;
    bool keyDeleted = false;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A logical line: physical lines joined where one ends in a backslash (hex data only).
        std::string line;
        const int firstLine = lineNumber + 1;
        for (;;) {
            const std::size_t end = std::min(text.find('\n', pos), text.size());
            std::string_view physical = text.substr(pos, end - pos);
            pos = end + (end < text.size() ? 1 : 0);
            ++lineNumber;
            if (!physical.empty() && physical.back() == '\r')
                physical.remove_suffix(1);
            if (!line.empty())
                physical.remove_prefix(
                    std::min(physical.find_first_not_of(" \t"), physical.size()));
            line += physical;
            if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos
                && pos < text.size()) {
                line.pop_back();
                continue;
            }
            break;
        }
        const std::string_view content = line;
        if (content.find_first_not_of(" \t") == std::string_view::npos || content.starts_with(";"))
            continue;
        if (!headerSeen) {
            if (content != "REGEDIT4")
                return ParseError { firstLine,
                    "not a REGEDIT4 file (the first line must be REGEDIT4)" };
            headerSeen = true;
            continue;
        }
        if (content.starts_with("[")) {
            if (!content.ends_with("]"))
                return ParseError { firstLine, "key line without closing ']'" };
            auto inner = content.substr(1, content.size() - 2);
            keyDeleted = inner.starts_with("-");
            if (keyDeleted)
                inner.remove_prefix(1);
            auto path = keyPath(inner, firstLine);
            if (auto* failure = std::get_if<ParseError>(&path))
                return *failure;
            key = std::get<std::string>(path);
            if (keyDeleted)
                changes.push_back(DeleteKey { key });
            else
                changes.push_back(CreateKey { key });
            continue;
        }
        if (key.empty())
            return ParseError { firstLine, "value line before any [key] line" };
        if (keyDeleted)
            return ParseError { firstLine, "value line under a deleted key" };
        auto change = parseValueLine(content, key, firstLine);
        if (auto* failure = std::get_if<ParseError>(&change))
            return *failure;
        changes.push_back(std::move(std::get<Change>(change)));
    }
    if (!headerSeen)
        return ParseError { 1, "empty file (the first line must be REGEDIT4)" };
    return changes;
}

std::string header()
{
    return "REGEDIT4\n\n";
}

std::string valueLine(std::string_view name, const platform::RegistryValue& value)
{
    std::string line = name.empty() ? std::string("@") : quote(name);
    line += '=';
    if (value.type == win::REG_SZ && isPlainText(value)) {
        const auto* chars = reinterpret_cast<const char*>(value.data.data());
        return line + quote(std::string_view(chars, value.data.size() - 1));
    }
    if (value.type == win::REG_DWORD && value.data.size() == 4) {
        DWORD number = 0;
        std::memcpy(&number, value.data.data(), sizeof number);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        return line + text;
    }
    if (value.type == win::REG_BINARY)
        return hexData(line + "hex:", value.data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return hexData(line + prefix, value.data);
}

std::string keySection(std::string_view path,
    const std::vector<std::pair<std::string, platform::RegistryValue>>& values)
{
    std::string section = "[" + std::string(path) + "]\n";
    for (const auto& [name, value] : values)
        section += valueLine(name, value) + "\n";
    return section + "\n";
}

} // namespace regfile

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include "../text.h"
#include "../win/ras.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const std::set<std::string> kProfiles
    = { "win95", "win98", "me", "nt4", "nt4-pdh", "w2k", "xp", "vista", "win7", "none" };

// Walks the document, keeping the path of the value at hand for messages.
class Reader
{
public:
    explicit Reader(std::string origin)
        : m_origin(std::move(origin))
    {
    }

    [[nodiscard]] bool failed() const { return !m_error.empty(); }
    const std::string& error() const { return m_error; }

    void fail(const std::string& path, const std::string& problem)
    {
        if (m_error.empty())
            m_error = m_origin + ": " + path + ": " + problem;
    }

    void checkKeys(const QJsonObject& object, const std::string& path,
        std::initializer_list<const char*> known)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string key = it.key().toStdString();
            bool found = false;
            for (const char* name : known)
                found = found || key == name;
            if (!found)
                fail(path.empty() ? key : path + "." + key, "unknown key");
        }
    }

    double number(const QJsonValue& value, const std::string& path, double min, double max)
    {
        if (!value.isDouble()) {
            fail(path, "expected a number");
            return 0;
        }
        const double number = value.toDouble();
        if (std::isfinite(number) && number >= min && number <= max)
            return number;
        fail(path, "must be between " + format(min) + " and " + format(max));
        // Only the error is used; a value in range keeps the caller's conversions defined.
        return std::isfinite(number) ? std::clamp(number, min, max) : min;
    }

    std::string text(const QJsonValue& value, const std::string& path, std::size_t maxLength = 255)
    {
        if (!value.isString()) {
            fail(path, "expected a string");
            return {};
        }
        std::string result = value.toString().toStdString();
        if (result.size() > maxLength)
            fail(path, "longer than " + std::to_string(maxLength) + " characters");
        return result;
    }

    bool boolean(const QJsonValue& value, const std::string& path)
    {
        if (!value.isBool())
            fail(path, "expected true or false");
        return value.toBool();
    }

    QJsonArray array(const QJsonValue& value, const std::string& path)
    {
        if (!value.isArray())
            fail(path, "expected a list");
        return value.toArray();
    }

    std::vector<Scenario::TimedValue> timedValues(
        const QJsonValue& value, const std::string& path, const char* what, double maxValue)
    {
        std::vector<Scenario::TimedValue> result;
        const QJsonArray entries = array(value, path);
        for (qsizetype i = 0; i < entries.size() && !failed(); ++i) {
            const std::string at = path + "[" + std::to_string(i) + "]";
            const QJsonArray pair = entries[i].toArray();
            if (!entries[i].isArray() || pair.size() != 2) {
                fail(at, std::string("expected [seconds, ") + what + "]");
                break;
            }
            Scenario::TimedValue entry;
            entry.at = number(pair[0], at + "[0]", 0, 1e9);
            entry.value = static_cast<win::DWORD>(number(pair[1], at + "[1]", 0, maxValue));
            if (!result.empty() && entry.at < result.back().at)
                fail(at, "times must not go backwards");
            result.push_back(entry);
        }
        return result;
    }

private:
    static std::string format(double value)
    {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        return text;
    }

    std::string m_origin;
    std::string m_error;
};

win::DWORD authProtocol(Reader& reader, const QJsonValue& value, const std::string& path)
{
    const std::string name = reader.text(value, path);
    const std::pair<const char*, win::DWORD> names[] = { { "PAP", 0xC023 }, { "SPAP", 0xC123 },
        { "CHAP", 0xC223 }, { "EAP", 0xC227 }, { "none", 0 } };
    for (const auto& [candidate, protocol] : names) {
        if (equalsIgnoreCase(name, candidate))
            return protocol;
    }
    reader.fail(path, "expected PAP, SPAP, CHAP, EAP or none");
    return 0;
}

bool validAddress(const std::string& text)
{
    const auto parts = split(text, '.');
    if (parts.size() != 4)
        return false;
    for (auto part : parts) {
        if (part.empty() || part.size() > 3
            || part.find_first_not_of("0123456789") != std::string_view::npos
            || std::stoi(std::string(part)) > 255)
            return false;
    }
    return true;
}

std::string address(Reader& reader, const QJsonValue& value, const std::string& path)
{
    std::string text = reader.text(value, path, 15);
    if (!reader.failed() && !text.empty() && !validAddress(text))
        reader.fail(path, "'" + text + "' is not a dotted IPv4 address");
    return text;
}

// An address of either family, as the link facts carry them.
std::string anyAddress(Reader& reader, const QJsonValue& value, const std::string& path)
{
    std::string text = reader.text(value, path, INET6_ADDRSTRLEN - 1);
    in6_addr ipv6 {};
    if (!reader.failed() && !validAddress(text) && inet_pton(AF_INET6, text.c_str(), &ipv6) != 1)
        reader.fail(path, "'" + text + "' is not an IPv4 or IPv6 address");
    return text;
}

Scenario::Connection readConnection(
    Reader& reader, const QJsonValue& value, const std::string& path)
{
    Scenario::Connection connection;
    if (!value.isObject()) {
        reader.fail(path, "expected an object");
        return connection;
    }
    const QJsonObject object = value.toObject();
    reader.checkKeys(object, path,
        { "name", "deviceType", "deviceName", "phoneNumber", "dialAt", "states", "dropAt", "speed",
            "clientIp", "serverIp", "addresses", "peer", "auth", "traffic", "counterStart",
            "counterJumps", "statusErrors", "projectionFails" });
    if (!object.contains("name"))
        reader.fail(path, "missing key 'name'");
    connection.name = reader.text(object["name"], path + ".name", 256);
    if (object.contains("deviceType"))
        connection.deviceType = reader.text(object["deviceType"], path + ".deviceType", 16);
    if (object.contains("deviceName"))
        connection.deviceName = reader.text(object["deviceName"], path + ".deviceName", 128);
    if (object.contains("phoneNumber"))
        connection.phoneNumber = reader.text(object["phoneNumber"], path + ".phoneNumber", 128);
    if (object.contains("dialAt"))
        connection.dialAt = reader.number(object["dialAt"], path + ".dialAt", 0, 1e9);
    if (object.contains("states"))
        connection.states
            = reader.timedValues(object["states"], path + ".states", "state code", 65535);
    else
        connection.states = { { 0, 0 }, { 0.5, 1 }, { 1, 2 }, { 3, 5 }, { 3.5, 14 },
            { 4, win::RASCS_Connected } };
    if (object.contains("dropAt")) {
        connection.dropAt = reader.number(object["dropAt"], path + ".dropAt", 0, 1e9);
        if (*connection.dropAt < connection.dialAt)
            reader.fail(path + ".dropAt", "comes before dialAt");
    }
    if (object.contains("speed"))
        connection.speed = static_cast<std::uint32_t>(
            reader.number(object["speed"], path + ".speed", 0, 4294967295.0));
    if (object.contains("clientIp"))
        connection.clientIp = address(reader, object["clientIp"], path + ".clientIp");
    if (object.contains("serverIp"))
        connection.serverIp = address(reader, object["serverIp"], path + ".serverIp");
    if (object.contains("addresses")) {
        const QJsonArray addresses = reader.array(object["addresses"], path + ".addresses");
        if (addresses.size() > 16)
            reader.fail(path + ".addresses", "at most 16 addresses");
        for (qsizetype i = 0; i < addresses.size() && !reader.failed(); ++i)
            connection.addresses.push_back(
                anyAddress(reader, addresses[i], path + ".addresses[" + std::to_string(i) + "]"));
    }
    if (object.contains("peer"))
        connection.peer = anyAddress(reader, object["peer"], path + ".peer");
    if (object.contains("auth"))
        connection.authProtocol = authProtocol(reader, object["auth"], path + ".auth");
    if (object.contains("traffic")) {
        const QJsonArray segments = reader.array(object["traffic"], path + ".traffic");
        for (qsizetype i = 0; i < segments.size() && !reader.failed(); ++i) {
            const std::string at = path + ".traffic[" + std::to_string(i) + "]";
            const QJsonArray entry = segments[i].toArray();
            if (!segments[i].isArray() || entry.size() != 4) {
                reader.fail(at, "expected [from seconds, to seconds, up bytes/s, down bytes/s]");
                break;
            }
            Scenario::Traffic traffic;
            traffic.from = reader.number(entry[0], at + "[0]", 0, 1e9);
            traffic.to = reader.number(entry[1], at + "[1]", 0, 1e9);
            traffic.up = reader.number(entry[2], at + "[2]", 0, 1e12);
            traffic.down = reader.number(entry[3], at + "[3]", 0, 1e12);
            if (!reader.failed() && traffic.to < traffic.from)
                reader.fail(at, "ends before it starts");
            connection.traffic.push_back(traffic);
        }
    }
    if (object.contains("counterStart")) {
        const QJsonArray start = reader.array(object["counterStart"], path + ".counterStart");
        if (!reader.failed() && start.size() != 2)
            reader.fail(path + ".counterStart", "expected [sent, received]");
        for (qsizetype i = 0; i < 2 && !reader.failed(); ++i)
            connection.counterStart[i] = static_cast<std::uint64_t>(reader.number(
                start[i], path + ".counterStart[" + std::to_string(i) + "]", 0, 9.0e15));
    }
    if (object.contains("counterJumps")) {
        const QJsonArray jumps = reader.array(object["counterJumps"], path + ".counterJumps");
        for (qsizetype i = 0; i < jumps.size() && !reader.failed(); ++i) {
            const std::string at = path + ".counterJumps[" + std::to_string(i) + "]";
            const QJsonArray entry = reader.array(jumps[i], at);
            if (!reader.failed() && entry.size() != 3)
                reader.fail(at, "expected [seconds, sent bytes, received bytes]");
            if (reader.failed())
                break;
            connection.counterJumps.push_back({ reader.number(entry[0], at + "[0]", 0, 1e9),
                reader.number(entry[1], at + "[1]", -9.0e15, 9.0e15),
                reader.number(entry[2], at + "[2]", -9.0e15, 9.0e15) });
        }
    }
    if (object.contains("statusErrors"))
        connection.statusErrors = reader.timedValues(
            object["statusErrors"], path + ".statusErrors", "error value", 4294967295.0);
    if (object.contains("projectionFails"))
        connection.projectionFails
            = reader.boolean(object["projectionFails"], path + ".projectionFails");
    return connection;
}

// An ISO 8601 date and time with its offset from UTC: a moment, whatever the TZ zone is.
std::optional<std::int64_t> startTime(Reader& reader, const QJsonValue& value)
{
    const QString text = QString::fromStdString(reader.text(value, "startTime", 64));
    if (reader.failed())
        return std::nullopt;
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!moment.isValid() || moment.timeSpec() == Qt::LocalTime) {
        reader.fail("startTime",
            "'" + text.toStdString()
                + "' is not an ISO 8601 date and time with an offset from UTC, such as "
                  "2026-03-29T01:30:00+01:00 or 2026-03-29T00:30:00Z");
        return std::nullopt;
    }
    return moment.toMSecsSinceEpoch();
}

std::string position(const std::string& text, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < static_cast<int>(text.size()); ++i) {
        if (text[static_cast<std::size_t>(i)] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

} // namespace

std::variant<Scenario, std::string> parseScenario(
    const std::string& text, const std::string& origin)
{
    QJsonParseError syntax {};
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromStdString(text), &syntax);
    if (syntax.error != QJsonParseError::NoError)
        return origin + ":" + position(text, syntax.offset) + ": "
            + syntax.errorString().toStdString();
    Reader reader(origin);
    if (!document.isObject())
        return origin + ": the scenario must be one JSON object";
    const QJsonObject object = document.object();
    reader.checkKeys(object, "",
        { "profile", "dunVersion", "servicePack", "startTime", "timeScale", "repeatEvery",
            "clockJumps", "missingEntryPoints", "hostName", "domainName", "dnsServers",
            "enumerationResult", "connections" });
    Scenario scenario;
    if (object.contains("profile")) {
        scenario.profile = reader.text(object["profile"], "profile");
        if (!reader.failed() && !kProfiles.contains(scenario.profile))
            reader.fail("profile",
                "'" + scenario.profile
                    + "' is not one of win95, win98, me, nt4, nt4-pdh, w2k, xp, vista, win7, none");
    }
    if (object.contains("dunVersion"))
        scenario.dunVersion = reader.text(object["dunVersion"], "dunVersion", 64);
    if (object.contains("servicePack")) {
        scenario.servicePack = reader.text(object["servicePack"], "servicePack", 127);
        scenario.servicePackSet = true;
    }
    if (object.contains("startTime"))
        scenario.startTimeMs = startTime(reader, object["startTime"]);
    if (object.contains("timeScale"))
        scenario.timeScale = reader.number(object["timeScale"], "timeScale", 0.001, 10000);
    if (object.contains("repeatEvery"))
        scenario.repeatEvery = reader.number(object["repeatEvery"], "repeatEvery", 1, 1e9);
    if (object.contains("clockJumps")) {
        const QJsonArray jumps = reader.array(object["clockJumps"], "clockJumps");
        for (qsizetype i = 0; i < jumps.size() && !reader.failed(); ++i) {
            const std::string at = "clockJumps[" + std::to_string(i) + "]";
            const QJsonArray entry = reader.array(jumps[i], at);
            if (!reader.failed() && entry.size() != 2)
                reader.fail(at, "expected [seconds, seconds ahead]");
            if (reader.failed())
                break;
            const Scenario::ClockJump jump { reader.number(entry[0], at + "[0]", 0, 1e9),
                reader.number(entry[1], at + "[1]", 0, 1e8) };
            if (!scenario.clockJumps.empty() && jump.at < scenario.clockJumps.back().at)
                reader.fail(at, "times must not go backwards");
            scenario.clockJumps.push_back(jump);
        }
    }
    if (object.contains("missingEntryPoints")) {
        const QJsonArray names = reader.array(object["missingEntryPoints"], "missingEntryPoints");
        for (qsizetype i = 0; i < names.size() && !reader.failed(); ++i)
            scenario.missingEntryPoints.push_back(
                reader.text(names[i], "missingEntryPoints[" + std::to_string(i) + "]"));
    }
    if (object.contains("hostName"))
        scenario.hostName = reader.text(object["hostName"], "hostName", 128);
    if (object.contains("domainName"))
        scenario.domainName = reader.text(object["domainName"], "domainName", 128);
    if (object.contains("dnsServers")) {
        const QJsonArray servers = reader.array(object["dnsServers"], "dnsServers");
        for (qsizetype i = 0; i < servers.size() && !reader.failed(); ++i)
            scenario.dnsServers.push_back(
                address(reader, servers[i], "dnsServers[" + std::to_string(i) + "]"));
    }
    if (object.contains("enumerationResult"))
        scenario.enumerationResult = static_cast<win::DWORD>(
            reader.number(object["enumerationResult"], "enumerationResult", 0, 4294967295.0));
    if (!object.contains("connections"))
        reader.fail("connections", "missing (the one key every scenario needs)");
    const QJsonArray connections = reader.array(object["connections"], "connections");
    for (qsizetype i = 0; i < connections.size() && !reader.failed(); ++i)
        scenario.connections.push_back(
            readConnection(reader, connections[i], "connections[" + std::to_string(i) + "]"));
    if (!reader.failed() && scenario.connections.size() > 30)
        reader.fail("connections", "at most 30 connections");
    if (reader.failed())
        return reader.error();
    return scenario;
}

std::variant<Scenario, std::string> loadScenario(const std::string& file)
{
    constexpr std::size_t kLargest = 16 << 20;
    const auto cannotRead
        = [&](int error) { return file + ": cannot read the scenario: " + std::strerror(error); };
    // Opened without blocking, so a FIFO in the file's place cannot hold the start-up; what was
    // opened is checked, not the name, and no more than the largest scenario is ever read (a
    // device reports no size).
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(errno);
    std::string text;
    struct stat about
    {
    };
    int error = fstat(fd, &about) == 0 ? 0 : errno;
    const bool regular = error == 0 && S_ISREG(about.st_mode);
    while (regular && text.size() <= kLargest) {
        char buffer[65536];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (error != 0)
        return cannotRead(error);
    if (!regular)
        return file + ": not a regular file; a scenario is a JSON file";
    if (text.size() > kLargest)
        return file + ": larger than 16 MiB; not a scenario";
    return parseScenario(text, file);
}

Scenario demoScenario()
{
    Scenario scenario;
    scenario.profile = "xp";
    scenario.repeatEvery = 262;
    scenario.hostName = "demo";
    scenario.domainName = "example.net";
    scenario.dnsServers = { "192.0.2.53", "198.51.100.53" };
    Scenario::Connection connection;
    connection.name = "Demo Dial-Up";
    connection.phoneNumber = "555 0123";
    connection.dialAt = 3;
    connection.states = { { 0, 0 }, { 0.4, 1 }, { 0.8, 2 }, { 6.5, 3 }, { 7, 4 }, { 7.5, 5 },
        { 8.2, 14 }, { 8.8, 18 }, { 9.5, win::RASCS_Connected } };
    connection.dropAt = 255;
    connection.speed = 50666;
    connection.clientIp = "192.0.2.101";
    connection.serverIp = "192.0.2.1";
    connection.authProtocol = 0xC223;
    // Browsing, a download, idle reading, a mail check, an upload, then winding down.
    connection.traffic = { { 0, 12, 420, 2600 }, { 12, 40, 900, 5900 }, { 40, 70, 60, 180 },
        { 70, 95, 1100, 4700 }, { 95, 120, 0, 0 }, { 120, 150, 2400, 1800 },
        { 150, 185, 750, 5400 }, { 185, 215, 120, 600 }, { 215, 242, 1300, 5100 } };
    scenario.connections.push_back(connection);
    return scenario;
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionlogimport.h"

#include "csvsplitter.h"
#include "timesplit.h"

#include <QDateTime>
#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace usage {

namespace {

// Connections written to the history in one transaction.
constexpr std::size_t kStep = 4096;
// The log's connections the history has that are looked up to learn how far the log's zone is
// from the one it is read in; the whole log when it has fewer.
constexpr int kSampled = 256;
// A record longer than this is spread over local days, not a row per fine bucket.
constexpr std::int64_t kLongestFineSpread = 31 * 86400;
// Online and Offline are local times: one may lie on the other side of a daylight-saving change.
constexpr std::int64_t kClockChange = 3600;
// A duration's hours beyond this (a century) are no log line's.
constexpr qlonglong kMostHours = 100LL * 366 * 24;

// The log's date form: the locale's short date, a blank and its long time without the zone;
// the date alone at midnight.
std::optional<QDateTime> parseMoment(const QString& text, const QLocale& locale)
{
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    QDateTime moment
        = locale.toDateTime(text, dateFormat + QLatin1Char(' ') + timeFormat.trimmed());
    if (!moment.isValid()) {
        const QDate date = locale.toDate(text, dateFormat);
        if (date.isValid())
            moment = QDateTime(date, QTime(0, 0));
    }
    if (!moment.isValid())
        return std::nullopt;
    // A two-digit year is read as 19xx; the log is younger than that.
    if (moment.date().year() < 1970)
        moment = moment.addYears(100);
    return moment;
}

// H:MM:SS, hours unbounded in the log's form but not beyond a century here.
std::optional<std::int64_t> parseDuration(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return std::nullopt;
    const qlonglong limits[] = { kMostHours, 59, 59 };
    std::int64_t seconds = 0;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const qlonglong value = parts[i].toLongLong(&ok);
        if (!ok || value < 0 || value > limits[i])
            return std::nullopt;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

std::optional<std::int64_t> parseBytes(const QString& text, const QLocale& locale)
{
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok)
        value = locale.toDouble(text, &ok);
    if (!ok || !(value >= 0 && value <= 9.0e18)) // NaN too
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::string quoted(const QString& text)
{
    return "'" + text.left(40).toStdString() + (text.size() > 40 ? "...'" : "'");
}

// The connections of one log, checked, held until a step is full, then written.
class LogImport
{
public:
    LogImport(
        UsageStore& store, const std::string& file, const QLocale& locale, ImportResult& result)
        : m_store(store)
        , m_file(file)
        , m_locale(locale)
        , m_result(result)
    {
    }

    // Takes a record of the log's start to learn how far the log's zone is from this one:
    // false once it has seen enough.
    bool sample(const CsvSplitter::Record& record);
    void add(const CsvSplitter::Record& record);
    // Writes what is held; false when the history failed.
    bool write();

private:
    // Why the record is no connection to import, or the connection.
    std::optional<ConnectionRecord> connectionOf(const CsvSplitter::Record& record);
    void problem(const CsvSplitter::Record& record, const std::string& what)
    {
        if (!m_sampling)
            m_result.problems.push_back(
                m_file + ": line " + std::to_string(record.line) + ": " + what);
    }
    bool alreadyThere(const ConnectionRecord& call);
    void spread(const ConnectionRecord& call);

    UsageStore& m_store;
    const std::string& m_file;
    const QLocale& m_locale;
    ImportResult& m_result;
    std::set<std::tuple<std::string, std::int64_t>> m_inStep; // name and start
    bool m_sampling = false;
    int m_sampled = 0;
    std::map<std::int64_t, int> m_shiftVotes;
    std::int64_t m_shift = 0; // the history's start of a connection less the log's
    std::vector<ConnectionRecord> m_calls;
    std::map<std::tuple<std::string, std::int64_t, std::int64_t>, Bucket> m_buckets;
};

std::optional<ConnectionRecord> LogImport::connectionOf(const CsvSplitter::Record& record)
{
    const QStringList& fields = record.fields;
    if (record.line == 1 && fields.value(0) == QLatin1String("Online"))
        return std::nullopt; // the header
    if (record.cut) {
        problem(
            record, "longer than " + std::to_string(CsvSplitter::kMaxRecordChars) + " characters");
        return std::nullopt;
    }
    if (fields.size() < 8) {
        problem(record, "expected 8 fields, found " + std::to_string(fields.size()));
        return std::nullopt;
    }
    const auto online = parseMoment(fields[0], m_locale);
    const auto offline = parseMoment(fields[1], m_locale);
    const auto duration = parseDuration(fields[6]);
    const auto sent = parseBytes(fields[4], m_locale);
    const auto received = parseBytes(fields[5], m_locale);
    if (!online || !offline) {
        problem(record, quoted(fields[online ? 1 : 0]) + " is not a date and time");
        return std::nullopt;
    }
    if (!duration) {
        problem(record, quoted(fields[6]) + " is not a duration");
        return std::nullopt;
    }
    if (!sent || !received) {
        problem(record, "the byte figures are not numbers");
        return std::nullopt;
    }
    const std::int64_t span = online->secsTo(*offline);
    if (span < -kClockChange || *duration > span + kClockChange) {
        problem(record,
            "the duration " + fields[6].toStdString() + " does not fit between Online "
                + fields[0].toStdString() + " and Offline " + fields[1].toStdString());
        return std::nullopt;
    }
    const std::int64_t most = std::max<std::int64_t>(*duration, 1) * kMaxLinkBytesPerSecond;
    if (*sent > most || *received > most) {
        problem(record,
            "more bytes than a link carries in " + fields[6].toStdString() + " (10 Gbit/s)");
        return std::nullopt;
    }
    ConnectionRecord call;
    call.name = fields[2].toStdString();
    call.start = online->toSecsSinceEpoch();
    call.end = call.start + *duration;
    call.duration = *duration;
    call.sent = *sent;
    call.received = *received;
    call.clientAddress = fields[7].toStdString();
    return call;
}

void LogImport::spread(const ConnectionRecord& call)
{
    const auto add
        = [&](std::int64_t start, std::int64_t span, std::int64_t sent, std::int64_t received) {
              Bucket& bucket = m_buckets[{ call.name, start, span }];
              bucket.name = call.name;
              bucket.start = start;
              bucket.span = span;
              bucket.sent += sent;
              bucket.received += received;
          };
    if (call.duration <= kLongestFineSpread) {
        splitByTime(call.start * 1000, *call.end * 1000, call.sent, call.received,
            [&](std::int64_t start, std::int64_t sent, std::int64_t received) {
                add(start, kFineSpan, sent, received);
            });
    } else {
        splitByDay(call.start, *call.end, call.sent, call.received, add);
    }
}

bool LogImport::sample(const CsvSplitter::Record& record)
{
    m_sampling = true;
    const auto call = connectionOf(record);
    m_sampling = false;
    if (call) {
        const auto shifts = m_store.zoneShifts(*call);
        m_sampled += shifts.empty() ? 0 : 1;
        for (const std::int64_t shift : shifts)
            ++m_shiftVotes[shift];
    }
    // The shift most of the log's first connections have; none when none is there yet.
    int most = 0;
    for (const auto& [shift, votes] : m_shiftVotes) {
        if (votes > most || (votes == most && std::abs(shift) < std::abs(m_shift))) {
            most = votes;
            m_shift = shift;
        }
    }
    return m_sampled < kSampled;
}

bool LogImport::alreadyThere(const ConnectionRecord& call)
{
    if (m_store.hasConnection(call.name, call.start))
        return true;
    // A log written under daylight-saving rules other than ours is an hour further off for
    // part of the year: there, only a connection of the same figures is the same.
    return m_store.hasConnection(call.name, call.start - 3600, &call)
        || m_store.hasConnection(call.name, call.start + 3600, &call);
}

void LogImport::add(const CsvSplitter::Record& record)
{
    auto call = connectionOf(record);
    if (!call)
        return;
    // At the moment the log's zone gave it, as the history has the connections it recorded.
    call->start += m_shift;
    *call->end += m_shift;
    if (!m_inStep.insert({ call->name, call->start }).second || alreadyThere(*call)) {
        ++m_result.alreadyThere;
        return;
    }
    spread(*call);
    m_calls.push_back(std::move(*call));
    if (m_calls.size() >= kStep)
        write();
}

bool LogImport::write()
{
    if (!m_result.error.empty())
        return false;
    if (!m_store.readError().empty()) {
        m_result.error = m_store.readError();
        return false;
    }
    std::vector<Bucket> buckets;
    buckets.reserve(m_buckets.size());
    for (auto& entry : m_buckets)
        buckets.push_back(std::move(entry.second));
    m_result.error = m_store.write(m_calls, buckets);
    if (m_result.error.empty())
        m_result.added += static_cast<int>(m_calls.size());
    m_calls.clear();
    m_buckets.clear();
    m_inStep.clear();
    return m_result.error.empty();
}

} // namespace

ImportResult importConnectionLog(UsageStore& store, const std::string& file, const QLocale& locale)
{
    ImportResult result;
    // A FIFO would hold the import for ever, a device feed it without end: opened without
    // waiting, then looked at, so nothing put in the file's place meanwhile slips through.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status
    {
    };
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        result.error = file + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return result;
    }
    QFile input;
    if (!S_ISREG(status.st_mode)
        || !input.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.error = file + ": not a regular file";
        return result;
    }
    LogImport import(store, file, locale, result);
    QByteArray head; // the file's first bytes
    bool notUtf8 = false;
    const auto readRecords = [&](const std::function<bool(CsvSplitter::Record &&)>& take) {
        input.seek(0);
        CsvSplitter splitter;
        QStringDecoder decoder(QStringDecoder::Utf8);
        bool taking = true;
        const auto give
            = [&](CsvSplitter::Record&& record) { taking = taking && take(std::move(record)); };
        while (taking && result.error.empty()) {
            const QByteArray piece = input.read(64 * 1024);
            if (input.pos() == piece.size())
                head = piece;
            notUtf8 = notUtf8 || piece.contains('\0');
            if (piece.isEmpty()) {
                if (input.error() != QFileDevice::NoError)
                    result.error = file + ": " + input.errorString().toStdString();
                else
                    splitter.finish(give);
                return;
            }
            const QString text = decoder(piece);
            notUtf8 = notUtf8 || decoder.hasError();
            splitter.feed(text, give);
        }
    };
    readRecords([&](CsvSplitter::Record&& record) { return import.sample(record); });
    readRecords([&](CsvSplitter::Record&& record) {
        import.add(record);
        return true;
    });
    if (result.error.empty())
        import.write();
    if (result.error.empty() && result.added + result.alreadyThere == 0) {
        // Its lines, if any, all fail the same way: the first says why, for all of them.
        std::string why;
        if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
            why = "it is UTF-16 text, not the UTF-8 of the monitor's log";
        else if (notUtf8)
            why = "it is not UTF-8 text";
        else if (head.isEmpty())
            why = "it is empty";
        else if (!result.problems.empty())
            why = result.problems.front().substr(file.size() + 2);
        result.error = file + ": no connection records" + (why.empty() ? "" : " (" + why + ")");
        result.problems.clear();
    }
    return result;
}

} // namespace usage

// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-usage: reads the usage history the monitor records.
#include "components/base/myreg.h"
#include "components/base/storedsettings.h"
#include "platform/runtime.h"
#include "tools/help/commandline.h"
#include "usage/connectionlogimport.h"
#include "usage/planstore.h"
#include "usage/usageexport.h"
#include "usage/usagereport.h"
#include "usage/usagestore.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

// The commands' and the options' descriptions start at these columns.
constexpr std::size_t kCommandColumn = 11;
constexpr std::size_t kOptionColumn = 22;

const toolhelp::Line kUsage[] = {
    { QT_TRANSLATE_NOOP("vantrel-usage",
        "usage: vantrel-usage [COMMAND] [--name NAME] [--from DATE] [--to DATE]\n"
        "                     [--json | --csv | --openmetrics FILE] [--file DATABASE]") },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-usage", "Commands:") },
    { QT_TRANSLATE_NOOP("vantrel-usage", "bytes per local day (default; the last 31 days)"),
        "  days", kCommandColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "bytes per month (the last 12 months)"), "  months",
        kCommandColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "bytes per year (all of the history)"), "  years",
        kCommandColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "one line per connection (the last 31 days)"), "  calls",
        kCommandColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage",
          "each data plan: its limit, what counts, the billing cycle holding today (or "
          "the\n"
          "--to date), the bytes used in it, the percentage of the limit and the days "
          "left"),
        "  plan", kCommandColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage",
          "adds the connections of the monitor's CSV log FILE that the history lacks"),
        "  import FILE", kCommandColumn },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-usage",
          "one entry name only (default: all, added up); with plan, the plan that\n"
          "applies to that entry name"),
        "  --name NAME", kOptionColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "from this local date (YYYY-MM-DD) on"), "  --from DATE",
        kOptionColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "up to and including this local date"), "  --to DATE",
        kOptionColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "JSON instead of aligned text"), "  --json",
        kOptionColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage", "comma-separated values with a header line"), "  --csv",
        kOptionColumn },
    { QT_TRANSLATE_NOOP("vantrel-usage",
          "write the totals per entry name in the Prometheus text format to FILE,\n"
          "replacing it in one step (for node_exporter's textfile collector)"),
        "  --openmetrics FILE", kOptionColumn },
    { QT_TRANSLATE_NOOP(
          "vantrel-usage", "another history (default: $XDG_DATA_HOME/vantrel/usage.sqlite3)"),
        "  --file DATABASE", kOptionColumn },
    toolhelp::helpOption(kOptionColumn),
    toolhelp::versionOption(kOptionColumn),
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-usage",
        "Exit status: 0 done, 1 the history is missing or cannot be read, 2 bad command "
        "line.") },
};

const toolhelp::Tool kTool { "vantrel-usage", kUsage };

// --json, --csv and --openmetrics each choose what is written.
const toolhelp::Option kOptions[] = {
    { "--name", "the entry name" },
    { "--from", "the date" },
    { "--to", "the date" },
    { "--json", {}, 1 },
    { "--csv", {}, 1 },
    { "--openmetrics", "the file", 1 },
    { "--file", "the database" },
};

enum class Format { Text, Json, Csv };

struct Options
{
    std::string command = "days";
    std::string name;
    std::optional<QDate> from;
    std::optional<QDate> to;
    Format format = Format::Text;
    std::string openMetrics;
    std::string file;
    std::string importFile;
};

std::optional<QDate> parseDate(const char* text)
{
    const QDate date = QDate::fromString(QString::fromUtf8(text), Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::int64_t startOf(const QDate& date)
{
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

void printTable(const std::vector<std::vector<std::string>>& rows, std::size_t rightFrom)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            line += i >= rightFrom ? pad + row[i] : row[i] + pad;
            if (i + 1 < row.size())
                line += "  ";
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        std::printf("%s\n", line.c_str());
    }
}

int reportPeriods(usage::UsageStore& store, const Options& options, usage::Period period,
    std::int64_t from, std::int64_t to)
{
    const auto rows = usage::report(store.sums(from, to, options.name), period);
    if (!store.readError().empty()) {
        std::fprintf(stderr, "vantrel-usage: %s\n", store.readError().c_str());
        return 1;
    }
    const char* periodName = usage::periodName(period);
    if (options.format == Format::Json) {
        std::printf("%s", usage::periodsJson(rows, period, options.name).c_str());
    } else if (options.format == Format::Csv) {
        std::printf("%s", usage::periodsCsv(rows, period).c_str());
    } else {
        std::vector<std::vector<std::string>> table
            = { { periodName, "sent", "received", "total" } };
        std::int64_t sent = 0;
        std::int64_t received = 0;
        for (const auto& row : rows) {
            table.push_back({ usage::periodLabel(row.start, period), usage::humanBytes(row.sent),
                usage::humanBytes(row.received),
                usage::humanBytes(usage::addBytes(row.sent, row.received)) });
            sent = usage::addBytes(sent, row.sent);
            received = usage::addBytes(received, row.received);
        }
        table.push_back({ "all", usage::humanBytes(sent), usage::humanBytes(received),
            usage::humanBytes(usage::addBytes(sent, received)) });
        printTable(table, 1);
    }
    return 0;
}

int reportCalls(
    usage::UsageStore& store, const Options& options, std::int64_t from, std::int64_t to)
{
    const auto calls = store.connections(from, to, options.name);
    if (!store.readError().empty()) {
        std::fprintf(stderr, "vantrel-usage: %s\n", store.readError().c_str());
        return 1;
    }
    if (options.format == Format::Json) {
        std::printf("%s", usage::callsJson(calls).c_str());
    } else if (options.format == Format::Csv) {
        std::printf("%s", usage::callsCsv(calls).c_str());
    } else {
        std::vector<std::vector<std::string>> table
            = { { "start", "connection", "duration", "sent", "received" } };
        for (const auto& call : calls) {
            const std::string duration = usage::clockDuration(call.duration);
            table.push_back({ QDateTime::fromSecsSinceEpoch(call.start)
                                  .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                  .toStdString(),
                call.name + (call.end ? "" : " (up)"), duration, usage::humanBytes(call.sent),
                usage::humanBytes(call.received) });
        }
        printTable(table, 2);
    }
    return 0;
}

// Prometheus label values escape backslash, quote and line feed.
std::string labelValue(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '"')
            escaped += '\\';
        if (c == '\n') {
            escaped += "\\n";
            continue;
        }
        escaped += c;
    }
    return escaped;
}

int writeOpenMetrics(usage::UsageStore& store, const Options& options)
{
    struct Totals
    {
        std::int64_t sent = 0;
        std::int64_t received = 0;
        std::int64_t calls = 0;
    };
    std::map<std::string, Totals> totals;
    for (const auto& bucket : store.buckets(0, INT64_MAX, options.name)) {
        auto& total = totals[bucket.name];
        total.sent = usage::addBytes(total.sent, bucket.sent);
        total.received = usage::addBytes(total.received, bucket.received);
    }
    for (const auto& call : store.connections(0, INT64_MAX, options.name))
        ++totals[call.name].calls;
    if (!store.readError().empty()) {
        std::fprintf(stderr, "vantrel-usage: %s\n", store.readError().c_str());
        return 1;
    }
    std::string text;
    const auto family = [&](const char* metric, const char* help, auto field) {
        text += std::string("# HELP ") + metric + " " + help + "\n";
        text += std::string("# TYPE ") + metric + " counter\n";
        for (const auto& [name, figures] : totals)
            text += std::string(metric) + "{name=\"" + labelValue(name) + "\"} "
                + std::to_string(figures.*field) + "\n";
    };
    family("vantrel_sent_bytes_total", "Bytes sent over connections of this entry name.",
        &Totals::sent);
    family("vantrel_received_bytes_total", "Bytes received over connections of this entry name.",
        &Totals::received);
    family("vantrel_connections_total", "Connections made with this entry name.", &Totals::calls);
    // OpenMetrics ends with this line; the Prometheus text format reads it as a comment. The
    // families keep their _total names: node_exporter reads the file as Prometheus text and
    // would take a counter named without them for another metric, untyped.
    text += "# EOF\n";
    // Written beside and renamed over, so a collector never reads half a file.
    QSaveFile out(QString::fromStdString(options.openMetrics));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(text.data(), static_cast<qint64>(text.size()))
            != static_cast<qint64>(text.size())
        || !out.commit()) {
        std::fprintf(stderr, "vantrel-usage: %s: %s\n", options.openMetrics.c_str(),
            out.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// One data plan's figures in its cycle, up to the end of `day`.
struct PlanRow
{
    const usage::DataPlan* plan;
    usage::Cycle cycle;
    std::int64_t used;
    int daysLeft;
};

int reportPlans(usage::UsageStore& store, const Options& options)
{
    if (!platform::Runtime::installFromEnvironment("vantrel-usage"))
        return 1;
    TMyReg registry;
    settings::useMonitorKey(registry);
    const auto loaded = usage::loadPlans(registry);
    for (const QString& problem : loaded.problems)
        std::fprintf(stderr, "vantrel-usage: %s\n", problem.toUtf8().constData());
    std::vector<const usage::DataPlan*> plans;
    if (!options.name.empty()) {
        if (const auto* plan = usage::planFor(loaded.plans, QString::fromStdString(options.name)))
            plans.push_back(plan);
    } else {
        for (const auto& plan : loaded.plans)
            plans.push_back(&plan);
    }
    const QDate day = options.to.value_or(QDate::currentDate());
    const std::int64_t moment = options.to ? startOf(day) : QDateTime::currentSecsSinceEpoch();
    std::vector<PlanRow> rows;
    for (const auto* plan : plans) {
        const usage::Cycle cycle = usage::cycleOf(plan->cycle, day);
        const std::int64_t until = std::min(cycle.end, startOf(day.addDays(1)));
        const auto buckets = store.sums(cycle.start, until, plan->name.toStdString());
        rows.push_back({ plan, cycle, usage::usedInCycle(*plan, cycle, buckets),
            usage::daysLeft(cycle, moment) });
    }
    if (!store.readError().empty()) {
        std::fprintf(stderr, "vantrel-usage: %s\n", store.readError().c_str());
        return 1;
    }
    const auto nameOf = [](const usage::DataPlan& plan) {
        return plan.name.isEmpty() ? std::string("all connections") : plan.name.toStdString();
    };
    const auto counts
        = [](const usage::DataPlan& plan) { return plan.downloadOnly ? "download" : "both"; };
    const auto date = [](const QDate& d) { return d.toString(Qt::ISODate).toStdString(); };
    if (options.format == Format::Json) {
        QJsonArray list;
        for (const auto& row : rows) {
            QJsonArray thresholds;
            for (int threshold : row.plan->thresholds)
                thresholds.append(threshold);
            list.append(QJsonObject { { "name", row.plan->name },
                { "limit", static_cast<double>(row.plan->limit.bytes) },
                { "limitText", usage::limitText(row.plan->limit) },
                { "counts", QLatin1String(counts(*row.plan)) },
                { "cycle", usage::cycleText(row.plan->cycle) },
                { "firstDay", QString::fromStdString(date(row.cycle.first)) },
                { "lastDay", QString::fromStdString(date(row.cycle.last)) },
                { "used", static_cast<double>(row.used) },
                { "percent", usage::percentOf(row.used, row.plan->limit) },
                { "daysLeft", row.daysLeft }, { "thresholds", thresholds } });
        }
        std::printf("%s", QJsonDocument(QJsonObject { { "plans", list } }).toJson().constData());
    } else if (options.format == Format::Csv) {
        std::printf("Name,Limit,Counts,First Day,Last Day,Used,Percent,Days Left\r\n");
        for (const auto& row : rows)
            std::printf("%s,%lld,%s,%s,%s,%lld,%d,%d\r\n",
                usage::csvField(row.plan->name.toStdString()).c_str(),
                static_cast<long long>(row.plan->limit.bytes), counts(*row.plan),
                date(row.cycle.first).c_str(), date(row.cycle.last).c_str(),
                static_cast<long long>(row.used), usage::percentOf(row.used, row.plan->limit),
                row.daysLeft);
    } else if (rows.empty()) {
        std::printf("no data plan is set\n");
    } else {
        std::vector<std::vector<std::string>> table = { { "plan", "counts", "first day", "last day",
            "limit", "used", "percent", "days left" } };
        for (const auto& row : rows)
            table.push_back({ nameOf(*row.plan), counts(*row.plan), date(row.cycle.first),
                date(row.cycle.last), usage::limitText(row.plan->limit).toStdString(),
                usage::figureIn(row.plan->limit, row.used).toStdString(),
                std::to_string(usage::percentOf(row.used, row.plan->limit)) + "%",
                std::to_string(row.daysLeft) });
        printTable(table, 4);
    }
    return 0;
}

// The history --file names (else the default one), opened in `mode`; null, and said why, when
// it cannot be.
std::unique_ptr<usage::UsageStore> openStore(const Options& options, usage::UsageStore::Mode mode)
{
    auto store = std::make_unique<usage::UsageStore>(options.file.empty()
            ? usage::UsageStore::defaultFile()
            : std::filesystem::path(options.file),
        mode);
    if (const std::string problem = store->open(); !problem.empty()) {
        std::fprintf(stderr, "vantrel-usage: %s\n", problem.c_str());
        return nullptr;
    }
    return store;
}

int importLog(const Options& options)
{
    const auto store = openStore(options, usage::UsageStore::Mode::ReadWrite);
    if (!store)
        return 1;
    const auto result = usage::importConnectionLog(*store, options.importFile);
    for (const auto& problem : result.problems)
        std::fprintf(stderr, "vantrel-usage: %s; skipped\n", problem.c_str());
    if (!result.error.empty()) {
        if (result.added == 0)
            std::fprintf(stderr, "vantrel-usage: %s; nothing imported\n", result.error.c_str());
        else
            std::fprintf(stderr, "vantrel-usage: %s; %d connections imported before it\n",
                result.error.c_str(), result.added);
        return 1;
    }
    std::printf(
        "%d connections imported, %d already in the history\n", result.added, result.alreadyThere);
    return 0;
}

// Options from the command line; the exit status when there is nothing to do or it is wrong.
std::variant<Options, int> readOptions(int& argc, char** argv)
{
    const auto parsed = toolhelp::parse(kTool, kOptions, argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& arguments = *std::get_if<toolhelp::Arguments>(&parsed);
    Options options;
    auto operand = arguments.operands.begin();
    const bool commandGiven = operand != arguments.operands.end();
    if (commandGiven) {
        options.command = *operand++;
        if (options.command == "import") {
            if (operand == arguments.operands.end())
                return toolhelp::usageError(kTool, "import: the file is missing");
            options.importFile = *operand++;
        } else if (options.command != "days" && options.command != "months"
            && options.command != "years" && options.command != "calls"
            && options.command != "plan") {
            return toolhelp::usageError(kTool, "unknown command '" + options.command + "'");
        }
    }
    if (operand != arguments.operands.end())
        return toolhelp::unexpected(kTool, *operand);

    // What each command reads: an import takes the history to write to alone; the metrics are
    // the whole history's totals, whatever the command or the dates.
    const auto refused = [&](std::string_view option, const std::string& with) {
        return toolhelp::usageError(kTool, std::string(option) + " cannot be used with " + with);
    };
    const bool metrics = arguments.has("--openmetrics");
    if (metrics && commandGiven)
        return refused("--openmetrics", options.command);
    for (const auto& option : kOptions) {
        if (!arguments.has(option.name))
            continue;
        if (options.command == "import" && option.name != "--file")
            return refused(option.name, "import");
        if (metrics && (option.name == "--from" || option.name == "--to"))
            return refused(option.name, "--openmetrics");
        if (options.command == "plan" && option.name == "--from")
            return refused(option.name, "plan");
    }

    options.name = arguments.value("--name").value_or(std::string());
    for (const std::string_view option : { "--from", "--to" }) {
        const auto text = arguments.value(option);
        if (!text)
            continue;
        const auto date = parseDate(text->c_str());
        if (!date)
            return toolhelp::badValue(kTool, option, *text, "a date (YYYY-MM-DD)");
        (option == "--from" ? options.from : options.to) = date;
    }
    if (options.from && options.to && *options.to < *options.from)
        return toolhelp::usageError(kTool, "--to comes before --from");
    if (arguments.has("--json"))
        options.format = Format::Json;
    if (arguments.has("--csv"))
        options.format = Format::Csv;
    for (const std::string_view option : { "--openmetrics", "--file" }) {
        const auto file = arguments.value(option);
        if (file && file->empty())
            return toolhelp::badValue(kTool, option, *file, "a file name");
        (option == "--file" ? options.file : options.openMetrics) = file.value_or(std::string());
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const auto read = readOptions(argc, argv);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const Options& options = *std::get_if<Options>(&read);

    if (options.command == "import")
        return importLog(options);

    const auto store = openStore(options, usage::UsageStore::Mode::ReadOnly);
    if (!store)
        return 1;
    if (!options.openMetrics.empty())
        return writeOpenMetrics(*store, options);
    if (options.command == "plan")
        return reportPlans(*store, options);

    const QDate today = QDate::currentDate();
    QDate defaultFrom;
    usage::Period period = usage::Period::Day;
    if (options.command == "months") {
        period = usage::Period::Month;
        defaultFrom = QDate(today.year(), today.month(), 1).addMonths(-11);
    } else if (options.command == "years") {
        period = usage::Period::Year;
        defaultFrom = QDate(1970, 1, 1);
    } else {
        defaultFrom = today.addDays(-30);
    }
    const std::int64_t from
        = startOf(options.from.value_or(options.to ? QDate(1970, 1, 1) : defaultFrom));
    const std::int64_t to = options.to ? startOf(options.to->addDays(1)) : INT64_MAX;
    if (options.command == "calls")
        return reportCalls(*store, options, from, to);
    return reportPeriods(*store, options, period, from, to);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "planstore.h"

#include "components/base/myreg.h"
#include "components/base/storedsettings.h"

#include <QCoreApplication>
#include <QDateTime>

namespace usage {

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kCountsBoth = QStringLiteral("both");
const QString kCountsDownload = QStringLiteral("download");

bool escaped(QChar c)
{
    return c == QLatin1Char('%') || c == QLatin1Char('\\') || c.unicode() < 0x20
        || c.unicode() == 0x7F;
}

QString encodeName(const QString& name)
{
    QString key;
    for (QChar c : name) {
        if (escaped(c))
            key += QLatin1Char('%')
                + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            key += c;
    }
    return key;
}

QString decodeName(const QString& key)
{
    QString name;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QString digits = key.mid(i + 1, 2);
        const auto hex
            = [](QChar c) { return QStringLiteral("0123456789ABCDEFabcdef").contains(c); };
        bool ok = digits.size() == 2 && hex(digits.at(0)) && hex(digits.at(1));
        const int code = ok ? digits.toInt(&ok, 16) : 0;
        if (key.at(i) == QLatin1Char('%') && ok) {
            name += QChar(code);
            i += 2;
        } else {
            name += key.at(i);
        }
    }
    return name;
}

// A stored plan, or why it cannot be used.
std::optional<DataPlan> readPlan(
    TMyReg& store, const QString& entryName, const QString& section, QStringList& problems)
{
    const QString limitText = settings::readIn<"Limit">(store, section);
    if (limitText.trimmed().isEmpty())
        return std::nullopt;
    const auto problem = [&](const char* value, const QString& why) {
        problems << QCoreApplication::translate("DataPlan", "Data plan %1\\%2 not used: %3")
                        .arg(section, QLatin1String(value), why);
        return std::nullopt;
    };
    DataPlan plan;
    plan.name = entryName;
    const auto limit = parseLimit(limitText);
    if (!limit.limit)
        return problem("Limit", limit.error);
    plan.limit = *limit.limit;
    const QString counts = settings::readIn<"Counts">(store, section).trimmed();
    if (counts.compare(kCountsDownload, Qt::CaseInsensitive) == 0)
        plan.downloadOnly = true;
    else if (counts.compare(kCountsBoth, Qt::CaseInsensitive) != 0)
        return problem("Counts",
            QCoreApplication::translate("DataPlan", "\"%1\" is neither \"both\" nor \"download\"")
                .arg(counts));
    const auto cycle = parseCycle(settings::readIn<"Cycle">(store, section));
    if (!cycle.cycle)
        return problem("Cycle", cycle.error);
    plan.cycle = *cycle.cycle;
    const auto thresholds = parseThresholds(settings::readIn<"Thresholds">(store, section));
    if (!thresholds.thresholds)
        return problem("Thresholds", thresholds.error);
    plan.thresholds = *thresholds.thresholds;
    return plan;
}

QString warnedText(TMyReg& store, const DataPlan& plan)
{
    return settings::readIn<"Warned">(store, planSection(plan.name));
}

} // namespace

QString planSection(const QString& entryName)
{
    if (entryName.isEmpty())
        return qt(settings::kPlan);
    return qt(settings::kPlans) + QLatin1Char('\\') + encodeName(entryName);
}

LoadedPlans loadPlans(TMyReg& store)
{
    LoadedPlans loaded;
    if (auto plan = readPlan(store, {}, planSection({}), loaded.problems))
        loaded.plans.push_back(std::move(*plan));
    for (const QString& key : settings::subsections(store, qt(settings::kPlans))) {
        const QString name = decodeName(key);
        if (auto plan = readPlan(store, name, planSection(name), loaded.problems))
            loaded.plans.push_back(std::move(*plan));
    }
    return loaded;
}

QString savePlan(TMyReg& store, const DataPlan& plan)
{
    const QString section = planSection(plan.name);
    if (plan.limit.bytes < 1 || plan.thresholds.empty())
        return QCoreApplication::translate(
            "DataPlan", "A data plan needs a limit and at least one warning threshold");
    if (!settings::canHoldSection(store, section))
        return QCoreApplication::translate(
            "DataPlan", "The entry name \"%1\" is too long for a data plan of its own")
            .arg(plan.name);
    const QString limit = limitText(plan.limit);
    const QString counts = plan.downloadOnly ? kCountsDownload : kCountsBoth;
    const QString cycle = cycleText(plan.cycle);
    const QString thresholds = thresholdsText(plan.thresholds);
    // What was warned of stands for the plan it was warned under: a changed plan warns afresh.
    if (settings::readIn<"Limit">(store, section) != limit
        || settings::readIn<"Counts">(store, section) != counts
        || settings::readIn<"Cycle">(store, section) != cycle
        || settings::readIn<"Thresholds">(store, section) != thresholds)
        settings::writeIn<"Warned">(store, section, QString());
    settings::writeIn<"Limit">(store, section, limit);
    settings::writeIn<"Counts">(store, section, counts);
    settings::writeIn<"Cycle">(store, section, cycle);
    settings::writeIn<"Thresholds">(store, section, thresholds);
    return {};
}

void clearPlan(TMyReg& store, const QString& entryName)
{
    settings::removeSection(store, planSection(entryName));
}

std::vector<int> warnedIn(TMyReg& store, const DataPlan& plan, const Cycle& cycle)
{
    const QString text = warnedText(store, plan);
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space < 0 || QDate::fromString(text.left(space), Qt::ISODate) != cycle.first)
        return {};
    return parseThresholds(text.mid(space + 1)).thresholds.value_or(std::vector<int> {});
}

void setWarned(
    TMyReg& store, const DataPlan& plan, const Cycle& cycle, const std::vector<int>& thresholds)
{
    settings::writeIn<"Warned">(store, planSection(plan.name),
        cycle.first.toString(Qt::ISODate) + QLatin1Char(' ') + thresholdsText(thresholds));
}

} // namespace usage

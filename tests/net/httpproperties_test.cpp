// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's property table, entry by entry: every property reads as its kind, a writable one
// gives back what was written and refuses values outside its range, a read-only one refuses
// every write.
#include "net/httpengine.h"
#include "tests/support/scratchruntime.h"
#include "tests/support/scriptedpeer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using net::HttpEngine;
using net::HttpProperty;
using net::HttpValue;
using Entry = HttpEngine::PropertyEntry;
using Kind = HttpEngine::PropertyKind;

constexpr int kInvalidArgument = 10022;
// Cookie properties are indexed from 1; the others ignore the index.
constexpr int kIndex = 1;

std::string describe(const Entry& entry)
{
    return "property " + std::to_string(static_cast<int>(entry.number));
}

// FirewallHost and LocalHost are looked up when written and read back as the address found, so
// only an address reads back as written.
bool isHost(HttpProperty number)
{
    return number == HttpProperty::FirewallHost || number == HttpProperty::LocalHost;
}

HttpValue sampleFor(const Entry& entry)
{
    const int number = static_cast<int>(entry.number);
    if (entry.kind == Kind::Number)
        return std::clamp<std::int64_t>(1, entry.low, entry.high);
    if (isHost(entry.number))
        return "192.0.2." + std::to_string(number);
    return "http://probe.test/" + std::to_string(number);
}

// What puts a property back as it was read: the value itself, but for LocalHost, which reads as
// the machine's name until an address is set, an empty text.
HttpValue restoring(const Entry& entry, const HttpValue& before)
{
    return entry.number == HttpProperty::LocalHost ? HttpValue { std::string {} } : before;
}

class HttpPropertiesTest : public testing::Test
{
protected:
    HttpPropertiesTest()
        : engine({}, testing_support::scriptedPeer(runtime.source(), script, log))
    {
        EXPECT_EQ(engine.setProperty(HttpProperty::CookieCount, std::int64_t { 1 }), 0);
    }

    HttpValue read(const Entry& entry)
    {
        HttpValue value;
        EXPECT_EQ(engine.property(entry.number, value, kIndex), 0)
            << describe(entry) << ": " << engine.message();
        return value;
    }

    testing_support::ScratchRuntime runtime;
    testing_support::PeerScript script;
    testing_support::PeerLog log;
    HttpEngine engine;
};

TEST_F(HttpPropertiesTest, ListsEveryNumberOnceInOrder)
{
    const auto table = HttpEngine::properties();
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().number, HttpProperty::Accept);
    EXPECT_EQ(table.back().number, HttpProperty::WinsockStatus);
    EXPECT_EQ(table.size(), 50u) << "1 to 51, without 18";
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].number, table[i].number) << describe(table[i]);
    for (const Entry& entry : table)
        EXPECT_NE(entry.read, nullptr) << describe(entry);
}

TEST_F(HttpPropertiesTest, ReadsEveryPropertyAsItsKind)
{
    for (const Entry& entry : HttpEngine::properties()) {
        const HttpValue value = read(entry);
        EXPECT_EQ(std::holds_alternative<std::int64_t>(value), entry.kind == Kind::Number)
            << describe(entry);
    }
}

// Guards against a write that lands in another property or is lost on the way back.
TEST_F(HttpPropertiesTest, GivesBackWhatWasWrittenAndRestores)
{
    for (const Entry& entry : HttpEngine::properties()) {
        // Writing Action performs a request; the component's tests cover that.
        if (!entry.write || entry.number == HttpProperty::Action)
            continue;
        const HttpValue before = read(entry);
        const HttpValue sample = sampleFor(entry);
        EXPECT_EQ(engine.setProperty(entry.number, sample, kIndex), 0)
            << describe(entry) << ": " << engine.message();
        EXPECT_EQ(read(entry), sample) << describe(entry);
        EXPECT_EQ(engine.setProperty(entry.number, restoring(entry, before), kIndex), 0)
            << describe(entry);
        EXPECT_EQ(read(entry), before) << describe(entry);
    }
}

TEST_F(HttpPropertiesTest, RefusesNumbersOutsideTheRangeAndKeepsTheValue)
{
    for (const Entry& entry : HttpEngine::properties()) {
        if (!entry.write || entry.kind != Kind::Number)
            continue;
        const HttpValue before = read(entry);
        std::vector<std::int64_t> outside;
        if (entry.low > std::numeric_limits<std::int64_t>::min())
            outside.push_back(entry.low - 1);
        if (entry.high < std::numeric_limits<std::int64_t>::max())
            outside.push_back(entry.high + 1);
        for (const std::int64_t value : outside) {
            EXPECT_EQ(engine.setProperty(entry.number, value), kInvalidArgument) << describe(entry);
            EXPECT_EQ(engine.message(), "Value out of range: " + std::to_string(value) + ".");
            EXPECT_EQ(read(entry), before) << describe(entry);
        }
    }
}

TEST_F(HttpPropertiesTest, RefusesWritesToReadOnlyPropertiesAndOfTheOtherKind)
{
    for (const Entry& entry : HttpEngine::properties()) {
        const HttpValue before = read(entry);
        const bool number = entry.kind == Kind::Number;
        if (!entry.write) {
            const HttpValue same = number ? HttpValue { std::int64_t { 0 } } : HttpValue { "x" };
            EXPECT_EQ(engine.setProperty(entry.number, same, kIndex), kInvalidArgument)
                << describe(entry);
            EXPECT_EQ(engine.message(),
                number ? "This property cannot be written as a number."
                       : "This property cannot be written as a text.");
        }
        const HttpValue other = number ? HttpValue { "1" } : HttpValue { std::int64_t { 1 } };
        EXPECT_EQ(engine.setProperty(entry.number, other, kIndex), kInvalidArgument)
            << describe(entry);
        EXPECT_EQ(engine.message(),
            number ? "This property cannot be written as a text."
                   : "This property cannot be written as a number.");
        EXPECT_EQ(read(entry), before) << describe(entry);
    }
}

TEST_F(HttpPropertiesTest, RefusesANumberWithoutAProperty)
{
    HttpValue value;
    EXPECT_EQ(engine.property(static_cast<HttpProperty>(18), value), kInvalidArgument);
    EXPECT_EQ(engine.message(), "This property is not a text.");
    EXPECT_EQ(
        engine.setProperty(static_cast<HttpProperty>(52), std::int64_t { 0 }), kInvalidArgument);
    EXPECT_EQ(engine.message(), "This property cannot be written as a number.");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// One TMyReg read and write, each opening and closing its key, beside the bare SQLite point
// SELECT and UPSERT they come down to, on the same database in the same run.
#include "comparison.h"
#include "components/base/myreg.h"
#include "platform/nullsource.h"
#include "platform/runtime.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>

namespace {

struct Fixture
{
    Fixture()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        platform::Runtime::install(
            std::make_unique<platform::Runtime>(std::make_unique<platform::NullSource>(), folder));
        reg.SetRegPath(QStringLiteral("\\Software\\Orvik Software\\Vantrel"));
        reg.WriteInteger(QStringLiteral("Option"), QStringLiteral("MaxGraph"), 4096);
        reg.WriteInteger(QStringLiteral("Position"), QStringLiteral("MainTop"), 50);

        sqlite3_open((folder / "vantrel" / "registry.sqlite3").c_str(), &db);
        sqlite3_exec(db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
        sqlite3_stmt* find = nullptr;
        sqlite3_prepare_v2(db, "SELECT id FROM keys WHERE path = ?1", -1, &find, nullptr);
        sqlite3_bind_text(
            find, 1, "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Option", -1, nullptr);
        sqlite3_step(find);
        optionKey = sqlite3_column_int64(find, 0);
        sqlite3_finalize(find);
        sqlite3_prepare_v2(
            db, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2", -1, &select, nullptr);
        sqlite3_prepare_v2(db,
            "INSERT INTO vals (key, name, type, data) VALUES (?1, ?2, 4, ?3) "
            "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, data = excluded.data",
            -1, &upsert, nullptr);
    }
    ~Fixture()
    {
        sqlite3_finalize(select);
        sqlite3_finalize(upsert);
        sqlite3_close(db);
        platform::Runtime::install(nullptr);
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path folder;
    TMyReg reg;
    sqlite3* db = nullptr;
    sqlite3_stmt* select = nullptr;
    sqlite3_stmt* upsert = nullptr;
    sqlite3_int64 optionKey = 0;
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void MyRegReadInteger(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            f.reg.ReadInteger(QStringLiteral("Option"), QStringLiteral("MaxGraph"), 0));
}

void SqlitePointSelect(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state) {
        sqlite3_bind_int64(f.select, 1, f.optionKey);
        sqlite3_bind_text(f.select, 2, "MaxGraph", -1, nullptr);
        sqlite3_step(f.select);
        benchmark::DoNotOptimize(sqlite3_column_blob(f.select, 1));
        sqlite3_reset(f.select);
    }
}

void MyRegWriteInteger(benchmark::State& state)
{
    auto& f = fixture();
    std::int32_t value = 0;
    for (auto _ : state)
        f.reg.WriteInteger(QStringLiteral("Option"), QStringLiteral("MaxGraph"), ++value);
}

void SqliteUpsert(benchmark::State& state)
{
    auto& f = fixture();
    std::int32_t value = 0;
    for (auto _ : state) {
        ++value;
        sqlite3_bind_int64(f.upsert, 1, f.optionKey);
        sqlite3_bind_text(f.upsert, 2, "MaxGraph", -1, nullptr);
        sqlite3_bind_blob(f.upsert, 3, &value, sizeof value, nullptr);
        sqlite3_step(f.upsert);
        sqlite3_reset(f.upsert);
    }
}

BENCHMARK(MyRegReadInteger);
BENCHMARK(SqlitePointSelect);
BENCHMARK(MyRegWriteInteger);
BENCHMARK(SqliteUpsert);

} // namespace

int main(int argc, char** argv)
{
    return bench::runComparisons(argc, argv,
        {
            { "TMyReg.ReadInteger / SQLite point SELECT", "MyRegReadInteger", "SqlitePointSelect",
                3.0 },
            { "TMyReg.WriteInteger / SQLite UPSERT", "MyRegWriteInteger", "SqliteUpsert", 3.0 },
        });
}

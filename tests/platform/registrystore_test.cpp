// SPDX-License-Identifier: GPL-3.0-or-later
// The store under faults: damaged files, a locked database, unwritable places, killed writers.
#include "platform/registry/registrystore.h"
#include "tests/support/scratchruntime.h"

#include <QString>
#include <QtGlobal>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using platform::RegistryStore;
using platform::RegistryValue;
using platform::StoreStatus;
using testing_support::TemporaryFolder;

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Orvik Software\\Vantrel\\Stats";

std::vector<std::filesystem::path> movedAside(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("registry.sqlite3.corrupt-") && !name.ends_with("-wal")
            && !name.ends_with("-shm"))
            found.push_back(entry.path());
    }
    return found;
}

RegistryValue text(const std::string& value)
{
    RegistryValue stored { 1, std::vector<win::BYTE>(value.begin(), value.end()) };
    stored.data.push_back(0);
    return stored;
}

void writeFile(const std::filesystem::path& file, const std::string& content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

std::vector<std::string> warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg)
        warnings.push_back(std::string(context.category) + ": " + message.toStdString());
}

TEST(RegistryStoreFaults, AFileThatIsNotADatabaseIsMovedAsideAndReplaced)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    writeFile(file, std::string(8192, 'G'));
    RegistryStore store(file);

    warnings.clear();
    const auto previousHandler = qInstallMessageHandler(collectWarnings);
    const auto key = store.createKey(kKey);
    qInstallMessageHandler(previousHandler);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings.front().starts_with("vantrel.platform: "));
    EXPECT_NE(warnings.front().find("moved aside"), std::string::npos) << warnings.front();
    ASSERT_TRUE(key.ok()) << toString(key.status());
    EXPECT_EQ(store.setValue(key.value().first, "LastConn", text("MyISP")), StoreStatus::Ok);

    const auto aside = movedAside(folder.path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(aside.front()), 8192u)
        << "the damaged file is kept for inspection";
}

TEST(RegistryStoreFaults, ADamagedDatabaseIsMovedAsideAndReplaced)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    {
        RegistryStore store(file);
        const auto key = store.createKey(kKey);
        for (int i = 0; i < 200; ++i)
            store.setValue(
                key.value().first, "Value" + std::to_string(i), text(std::string(200, 'v')));
    }
    // Checkpointed into the main file by the close above; now scribble over its pages.
    {
        std::fstream damaged(file, std::ios::in | std::ios::out | std::ios::binary);
        damaged.seekp(4096 + 100);
        const std::string noise(6000, '\x5a');
        damaged.write(noise.data(), static_cast<std::streamsize>(noise.size()));
    }
    RegistryStore store(file);
    const auto key = store.findKey(kKey);
    EXPECT_FALSE(key.ok()) << "a fresh database has nothing in it";
    const auto created = store.createKey(kKey);
    ASSERT_TRUE(created.ok());
    EXPECT_EQ(store.setValue(created.value().first, "LastConn", text("x")), StoreStatus::Ok);
    EXPECT_EQ(movedAside(folder.path()).size(), 1u);
}

TEST(RegistryStoreFaults, RepeatedDamageKeepsEveryDamagedCopy)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    for (char fill : { 'A', 'B', 'C' }) {
        writeFile(file, std::string(4096, fill));
        RegistryStore store(file);
        ASSERT_TRUE(store.createKey(kKey).ok());
    }
    EXPECT_EQ(movedAside(folder.path()).size(), 3u);
}

TEST(RegistryStoreFaults, ALockedDatabaseFailsAfterABoundedWaitAndRecovers)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    RegistryStore store(file, std::chrono::milliseconds(50));
    const auto key = store.createKey(kKey);
    ASSERT_TRUE(key.ok());
    ASSERT_EQ(store.setValue(key.value().first, "LastConn", text("before")), StoreStatus::Ok);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    EXPECT_EQ(store.setValue(key.value().first, "LastConn", text("during")), StoreStatus::Busy);
    const auto read = store.value(key.value().first, "LastConn");
    ASSERT_TRUE(read.ok()) << "readers are not blocked by a writer";
    EXPECT_EQ(read.value().data, text("before").data);

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.setValue(key.value().first, "LastConn", text("after")), StoreStatus::Ok);
}

TEST(RegistryStoreFaults, AnUnusableFolderGivesNothingToReadAndRefusesWrites)
{
    TemporaryFolder folder;
    // A plain file where the folder should be: no permission trick, so it holds for root too.
    writeFile(folder.path() / "config", "not a folder");
    RegistryStore store(folder.path() / "config" / "vantrel" / "registry.sqlite3");
    EXPECT_EQ(store.findKey(kKey).status(), StoreStatus::NotFound);
    EXPECT_EQ(store.createKey(kKey).status(), StoreStatus::ReadOnly);
}

TEST(RegistryStoreFaults, ADatabaseFromANewerVersionIsOnlyRead)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    {
        RegistryStore store(file);
        ASSERT_TRUE(store.createKey(kKey).ok());
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    RegistryStore store(file);
    const auto key = store.findKey(kKey);
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(store.setValue(key.value(), "LastConn", text("x")), StoreStatus::ReadOnly);
    EXPECT_TRUE(movedAside(folder.path()).empty());
}

// Guards against a half-written value after a writer is killed: every read finds one whole
// value, each of whose 4 KiB bytes is the same round number.
TEST(RegistryStoreFaults, AWriterKilledAtAnyMomentLeavesWholeValues)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "registry.sqlite3";
    std::mt19937 random(12345);
    int checked = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RegistryStore store(file);
            const auto key = store.createKey(kKey);
            for (unsigned n = 0;; ++n) {
                store.setValue(key.value().first, "Blob",
                    { 3, std::vector<win::BYTE>(4096, static_cast<win::BYTE>(n)) });
                store.setValue(key.value().first, "Counter", text(std::to_string(n)));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 40));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        RegistryStore store(file);
        const auto key = store.findKey(kKey);
        if (!key.ok())
            continue; // killed before the first commit
        const auto blob = store.value(key.value(), "Blob");
        if (!blob.ok())
            continue;
        ++checked;
        ASSERT_EQ(blob.value().data.size(), 4096u);
        const auto first = blob.value().data.front();
        for (auto byte : blob.value().data)
            ASSERT_EQ(byte, first) << "round " << round;
    }
    EXPECT_GE(checked, 6) << "most rounds must have committed something to check";
    EXPECT_TRUE(movedAside(folder.path()).empty()) << "a killed writer never damages the database";
}

} // namespace

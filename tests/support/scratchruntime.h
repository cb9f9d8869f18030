// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakesource.h"
#include "platform/runtime.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace testing_support {

// A temporary folder, removed with everything in it when the object goes.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Installs a runtime over a fresh configuration folder and a fake source for the life of the
// object, then puts back whatever was installed before.
class ScratchRuntime
{
public:
    ScratchRuntime();
    // Over another source (a simulator, a Linux source with sample trees).
    explicit ScratchRuntime(std::unique_ptr<platform::DataSource> source);
    ~ScratchRuntime();

    // The fake source; only for the default constructor.
    FakeSource& source() { return *m_source; }
    platform::Runtime& runtime() { return *m_runtime; }
    const std::filesystem::path& configHome() const { return m_folder.path(); }
    std::filesystem::path databaseFile() const
    {
        return m_folder.path() / "vantrel" / "registry.sqlite3";
    }

private:
    TemporaryFolder m_folder;
    FakeSource* m_source = nullptr;
    platform::Runtime* m_runtime;
    std::unique_ptr<platform::Runtime> m_previous;
    std::optional<std::string> m_previousDataHome;
};

} // namespace testing_support

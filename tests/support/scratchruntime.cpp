// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchruntime.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace testing_support {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    // Tests make folders unwritable on purpose; give them back before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(
        m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

ScratchRuntime::ScratchRuntime()
    : ScratchRuntime(std::make_unique<FakeSource>())
{
}

ScratchRuntime::ScratchRuntime(std::unique_ptr<platform::DataSource> source)
    : m_source(dynamic_cast<FakeSource*>(source.get()))
{
    // Data the program keeps (the usage history) lands in the scratch folder too.
    if (const char* data = std::getenv("XDG_DATA_HOME"))
        m_previousDataHome = data;
    setenv("XDG_DATA_HOME", (m_folder.path() / "data").c_str(), 1);
    auto runtime = std::make_unique<platform::Runtime>(std::move(source), m_folder.path());
    m_runtime = runtime.get();
    m_previous = platform::Runtime::install(std::move(runtime));
}

ScratchRuntime::~ScratchRuntime()
{
    platform::Runtime::install(std::move(m_previous));
    if (m_previousDataHome)
        setenv("XDG_DATA_HOME", m_previousDataHome->c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace testing_support

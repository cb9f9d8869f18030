// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include "nullsource.h"
#include "xdg.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

std::unique_ptr<Runtime>& installed()
{
    static std::unique_ptr<Runtime> runtime;
    return runtime;
}

} // namespace

Runtime::Runtime(std::unique_ptr<DataSource> source, const std::filesystem::path& configHome)
    : m_source(std::move(source))
    , m_store(configHome / "vantrel" / "registry.sqlite3")
    , m_autostart(configHome / "autostart")
    , m_registry(m_store, m_source->virtualRegistry(), m_autostart)
    , m_modules(builtinModules(), *m_source)
{
}

Runtime::~Runtime() = default;

std::variant<std::unique_ptr<DataSource>, std::string> Runtime::sourceFromEnvironment()
{
    const char* value = std::getenv("VANTREL_SOURCE");
    const std::string name = value && value[0] ? value : "none";
    if (name == "none")
        return std::make_unique<NullSource>();
    return "VANTREL_SOURCE: unknown data source '" + name + "' (expected: none)";
}

Runtime& Runtime::current()
{
    auto& runtime = installed();
    if (!runtime) {
        auto source = sourceFromEnvironment();
        if (auto* message = std::get_if<std::string>(&source)) {
            std::fprintf(stderr, "vantrel: %s\n", message->c_str());
            std::exit(2);
        }
        runtime = std::make_unique<Runtime>(
            std::move(std::get<std::unique_ptr<DataSource>>(source)), xdg::configHome());
    }
    return *runtime;
}

std::unique_ptr<Runtime> Runtime::install(std::unique_ptr<Runtime> runtime)
{
    std::swap(installed(), runtime);
    return runtime;
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datasource.h"
#include "moduletable.h"
#include "pdhqueries.h"
#include "registry/autostartmirror.h"
#include "registry/registry.h"
#include "registry/registrystore.h"
#include "windowservice.h"

#include <filesystem>
#include <memory>
#include <string>
#include <variant>

namespace platform {

// The platform services of one process: the active data source and the state the Win32-style
// functions keep (the registry with its handles, the loaded modules). The program installs one
// at start-up; a test installs its own with a scratch configuration folder.
class Runtime
{
public:
    // The registry lives in configHome/vantrel, the autostart entry in configHome/autostart.
    Runtime(std::unique_ptr<DataSource> source, const std::filesystem::path& configHome);
    ~Runtime();

    // The installed runtime, or one built from the environment on first use.
    static Runtime& current();
    // Replaces the installed runtime; returns the previous one.
    static std::unique_ptr<Runtime> install(std::unique_ptr<Runtime> runtime);

    // The source named by VANTREL_SOURCE, or a message naming what is wrong with it.
    static std::variant<std::unique_ptr<DataSource>, std::string> sourceFromEnvironment();
    // Installs the runtime of the environment (VANTREL_SOURCE, XDG_CONFIG_HOME); on a bad source
    // prints "program: message" on standard error and returns false.
    static bool installFromEnvironment(const char* program);

    DataSource& source() { return *m_source; }
    RegistryStore& store() { return m_store; }
    Registry& registry() { return m_registry; }
    AutostartMirror& autostart() { return m_autostart; }
    ModuleTable& modules() { return m_modules; }
    PdhQueries& pdhQueries() { return m_pdhQueries; }
    // Null until a GUI installs one; not owned.
    WindowService* windowService() const { return m_windowService; }
    void setWindowService(WindowService* service) { m_windowService = service; }

private:
    std::unique_ptr<DataSource> m_source;
    RegistryStore m_store;
    AutostartMirror m_autostart;
    Registry m_registry;
    ModuleTable m_modules;
    PdhQueries m_pdhQueries;
    WindowService* m_windowService = nullptr;
};

} // namespace platform

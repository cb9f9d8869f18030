// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include "linux/linuxsource.h"
#include "linux/netlinklinks.h"
#include "linux/networkmanager.h"
#include "nullsource.h"
#include "settingstable.h"
#include "sim/simulatorsource.h"
#include "win/winreg.h"
#include "xdg.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

std::unique_ptr<Runtime>& installed()
{
    static std::unique_ptr<Runtime> runtime;
    return runtime;
}

// The optional list of extra interfaces to watch, from the program's own settings.
std::string connectionPatterns()
{
    constexpr const settings::Setting& kConnections = settings::find<"Connections">();
    win::HKEY key = 0;
    if (win::RegOpenKeyExA(
            win::HKEY_CURRENT_USER, settings::keyPath(kConnections).c_str(), 0, win::KEY_READ, &key)
        != win::ERROR_SUCCESS)
        return std::string(kConnections.text);
    char value[1024] {};
    win::DWORD type = 0;
    win::DWORD size = sizeof value - 1;
    const bool found = win::RegQueryValueExA(key, std::string(kConnections.name).c_str(), nullptr,
                           &type, reinterpret_cast<win::BYTE*>(value), &size)
            == win::ERROR_SUCCESS
        && type == win::REG_SZ;
    win::RegCloseKey(key);
    return found ? std::string(value) : std::string(kConnections.text);
}

// NetworkManager on the system bus, where it runs; its signals need an application's event loop.
std::unique_ptr<LinkManager> networkManager(std::string& why)
{
    if (!QCoreApplication::instance()) {
        why = "no event loop to receive its signals";
        return nullptr;
    }
    return NetworkManagerClient::connect(QDBusConnection::systemBus(), why);
}

} // namespace

Runtime::Runtime(std::unique_ptr<DataSource> source, const std::filesystem::path& configHome)
    : m_source(std::move(source))
    , m_store(configHome / "vantrel" / "registry.sqlite3")
    , m_autostart(configHome / "autostart")
    , m_registry(m_store, *m_source, m_autostart)
    , m_modules(builtinModules(), *m_source)
{
}

Runtime::~Runtime() = default;

std::variant<std::unique_ptr<DataSource>, std::string> Runtime::sourceFromEnvironment()
{
    const char* value = std::getenv("VANTREL_SOURCE");
    const std::string name = value && value[0] ? value : "linux";
    if (name == "none")
        return std::make_unique<NullSource>();
    if (name == "linux")
        return std::make_unique<LinuxSource>(LinuxSource::Roots {},
            std::make_unique<NetlinkLinks>(), connectionPatterns, nullptr, networkManager);
    if (name == "demo" || name.starts_with("demo:")) {
        // "demo:60" runs the demonstration sixty times faster than real time.
        Scenario demo = demoScenario();
        if (name != "demo") {
            char* end = nullptr;
            demo.timeScale = std::strtod(name.c_str() + 5, &end);
            if (*end != '\0' || !(demo.timeScale >= 0.001 && demo.timeScale <= 10000))
                return "VANTREL_SOURCE: '" + name
                    + "': the demo's speed must be a number from 0.001 to 10000";
        }
        return std::make_unique<SimulatorSource>(std::move(demo), name);
    }
    if (name.starts_with("sim:")) {
        auto scenario = loadScenario(name.substr(4));
        if (auto* problem = std::get_if<std::string>(&scenario))
            return "VANTREL_SOURCE: " + *problem;
        return std::make_unique<SimulatorSource>(std::move(std::get<Scenario>(scenario)), name);
    }
    return "VANTREL_SOURCE: unknown data source '" + name
        + "' (expected linux, demo, demo:SPEED, sim:FILE or none)";
}

bool Runtime::installFromEnvironment(const char* program)
{
    auto source = sourceFromEnvironment();
    if (auto* message = std::get_if<std::string>(&source)) {
        std::fprintf(stderr, "%s: %s\n", program, message->c_str());
        return false;
    }
    install(std::make_unique<Runtime>(
        std::move(std::get<std::unique_ptr<DataSource>>(source)), xdg::configHome()));
    return true;
}

Runtime& Runtime::current()
{
    // Programs install their runtime at start; this covers code run before that.
    if (!installed() && !installFromEnvironment("vantrel"))
        std::exit(2);
    return *installed();
}

std::unique_ptr<Runtime> Runtime::install(std::unique_ptr<Runtime> runtime)
{
    std::swap(installed(), runtime);
    return runtime;
}

} // namespace platform

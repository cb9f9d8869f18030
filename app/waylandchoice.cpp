// SPDX-License-Identifier: GPL-3.0-or-later
#include "waylandchoice.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <vector>

const char* chooseDisplayPlatform()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool waylandSession
        = (session && std::strcmp(session, "wayland") == 0) || (wayland && wayland[0]);
    if (!waylandSession || (chosen && chosen[0]))
        return nullptr;
    const char* x11 = std::getenv("DISPLAY");
    if (!x11 || !x11[0]) {
        // Only Wayland is left: asked for by name, so that Qt does not try X first.
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        return QT_TRANSLATE_NOOP("StartupNote",
            "Wayland session without XWayland: the monitor window cannot stay on top or keep its "
            "place.");
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return QT_TRANSLATE_NOOP("StartupNote",
        "Wayland session: running on XWayland, so that the monitor window can stay on top.");
}

namespace {

bool setVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0];
}

bool waylandDisplayFound()
{
    if (setVariable("WAYLAND_DISPLAY"))
        return true;
    // A Wayland client without WAYLAND_DISPLAY connects to wayland-0 in the runtime folder.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat about
    {
    };
    return runtime && runtime[0] == '/'
        && ::stat((std::string(runtime) + "/wayland-0").c_str(), &about) == 0
        && S_ISSOCK(about.st_mode);
}

QtMessageHandler previousHandler = nullptr;

void exitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        previousHandler(type, context, text);
        return;
    }
    std::fputs("vantrel: no display could be opened (the lines above say why); start Vantrel in "
               "a desktop session, or choose a Qt platform with QT_QPA_PLATFORM\n",
        stderr);
    std::_Exit(1);
}

// The platforms Qt will try, as named by -platform or QT_QPA_PLATFORM (a ';' list of fallbacks),
// each without its options.
std::vector<std::string> chosenPlatforms(int argc, char** argv)
{
    std::string chosen;
    if (const char* variable = std::getenv("QT_QPA_PLATFORM"))
        chosen = variable;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            chosen = argv[i + 1];
    }
    std::vector<std::string> platforms;
    std::size_t start = 0;
    while (start <= chosen.size()) {
        const std::size_t end = std::min(chosen.find(';', start), chosen.size());
        std::string entry = chosen.substr(start, end - start);
        entry = entry.substr(0, entry.find(':'));
        if (!entry.empty())
            platforms.push_back(entry);
        start = end + 1;
    }
    return platforms;
}

} // namespace

std::optional<std::string> missingDisplay(int argc, char** argv)
{
    const std::vector<std::string> platforms = chosenPlatforms(argc, argv);
    if (platforms.empty()) {
        if (setVariable("DISPLAY") || waylandDisplayFound())
            return std::nullopt;
        return "no display: DISPLAY is not set and no Wayland display was found "
               "(WAYLAND_DISPLAY); start Vantrel in a desktop session, or choose a Qt platform "
               "with QT_QPA_PLATFORM";
    }
    for (const std::string& platform : platforms) {
        if (platform == "xcb" ? setVariable("DISPLAY")
                              : !platform.starts_with("wayland") || waylandDisplayFound())
            return std::nullopt;
    }
    std::string chosen;
    std::vector<std::string> missing;
    for (const std::string& platform : platforms) {
        chosen += (chosen.empty() ? "" : ";") + platform;
        const char* what = platform == "xcb" ? "DISPLAY is not set"
                                             : "no Wayland display was found (WAYLAND_DISPLAY)";
        if (std::find(missing.begin(), missing.end(), what) == missing.end())
            missing.emplace_back(what);
    }
    std::string text = "no display for the Qt platform '" + chosen + "': " + missing.front();
    if (missing.size() > 1)
        text += " and " + missing[1];
    return text;
}

DisplayFailureExit::DisplayFailureExit()
{
    previousHandler = qInstallMessageHandler(&exitOnFatal);
}

DisplayFailureExit::~DisplayFailureExit()
{
    qInstallMessageHandler(previousHandler);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/qtwindowservice.h"
#include "components/trayiconcomp.h"
#include "components/xconnection.h"
#include "core/mainform.h"
#include "platform/logging.h"
#include "platform/runtime.h"
#include "platform/sqlite/pagecache.h"
#include "platform/translations.h"
#include "platform/xdg.h"
#include "showrequests.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "waylandchoice.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

int main(int argc, char** argv)
{
    // A second start ends at once, before any window exists, once it has asked the running
    // instance to show its window, as a desktop program's second start does.
    const std::filesystem::path stateFolder = platform::xdg::stateHome() / "vantrel";
    const SingleInstance::Outcome instance = SingleInstance::acquire();
    if (instance.result == SingleInstance::Result::AnotherRuns) {
        if (const auto problem = ShowRequests::askToShow(stateFolder))
            std::fprintf(stderr,
                "vantrel: Vantrel is already running; it could not be asked to show its window: "
                "%s\n",
                problem->c_str());
        else
            std::fprintf(
                stderr, "vantrel: Vantrel is already running; asked it to show its window.\n");
        return 0;
    }
    // Notes for the on-screen log, translated there once the catalogue is loaded; standard error
    // has them at once, in English, as it has the platform's warnings.
    std::vector<platform::Warning> notes;
    // Listening before anything else: a second start that finds the lock finds the door too.
    int showListener = -1;
    if (instance.result == SingleInstance::Result::First) {
        if (const auto problem = ShowRequests::listen(stateFolder, showListener)) {
            notes.push_back({ QT_TRANSLATE_NOOP("StartupNote",
                                  "A second start cannot ask this one to show its window: %1"),
                { QString::fromLocal8Bit(problem->c_str()) } });
            std::fprintf(stderr, "vantrel: %s\n",
                platform::filledIn(QString::fromUtf8(notes.back().text), notes.back().arguments)
                    .toLocal8Bit()
                    .constData());
        }
    }
    if (const char* displayNote = chooseDisplayPlatform())
        notes.push_back({ displayNote, {} });
    if (instance.result == SingleInstance::Result::NoMarker) {
        notes.push_back({ QT_TRANSLATE_NOOP("StartupNote",
                              "Single-instance lock not taken: %1; a second start would run "
                              "beside this one."),
            { QString::fromLocal8Bit(instance.problem.c_str()) } });
        std::fprintf(stderr, "vantrel: %s\n",
            platform::filledIn(QString::fromUtf8(notes.back().text), notes.back().arguments)
                .toLocal8Bit()
                .constData());
    }
    if (const auto missing = missingDisplay(argc, argv)) {
        std::fprintf(stderr, "vantrel: %s\n", missing->c_str());
        return 1;
    }
    xconnection::sendPixelsOverConnection();
    platform::sqlite::keepPageCachesSmall();
    std::optional<DisplayFailureExit> displayFailure(std::in_place);
    QApplication application(argc, argv);
    displayFailure.reset();
    xconnection::makeRoomForARepaint();
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    // Every window of the program, the dialogs among them, carries its icon.
    QApplication::setWindowIcon(vantrelIcon());
    translations::install(translations::userLanguage());
    QApplication::setQuitOnLastWindowClosed(false);
    if (!platform::Runtime::installFromEnvironment("vantrel"))
        return 2;

    QtWindowService windowService;
    windowService.install();
    TMainForm mainForm;
    // A log-off, a shutdown or a termination request end the program as "Exit" does.
    ShutdownSignals shutdown([&mainForm] { mainForm.terminate(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm,
        [&mainForm](QSessionManager&) { mainForm.terminate(); });
    mainForm.FormCreate();
    std::optional<ShowRequests> showRequests;
    if (showListener >= 0)
        showRequests.emplace(showListener, stateFolder, [&mainForm] {
            mainForm.MenuShowWindowClick();
            mainForm.AddLogLine(QCoreApplication::translate(
                "StartupNote", "Another start of Vantrel asked for this window."));
        });
    for (const platform::Warning& note : notes)
        mainForm.AddLogLine(platform::filledIn(
            QCoreApplication::translate("StartupNote", note.text), note.arguments));
    return QApplication::exec();
}

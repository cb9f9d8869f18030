// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/qtwindowservice.h"
#include "components/xconnection.h"
#include "core/mainform.h"
#include "platform/logging.h"
#include "platform/runtime.h"
#include "platform/sqlite/pagecache.h"
#include "platform/translations.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "waylandchoice.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <optional>
#include <vector>

int main(int argc, char** argv)
{
    // A second start ends at once and silently, before any window exists.
    const SingleInstance::Outcome instance = SingleInstance::acquire();
    if (instance.result == SingleInstance::Result::AnotherRuns)
        return 0;
    // Notes for the on-screen log, translated there once the catalogue is loaded; standard error
    // has them at once, in English, as it has the platform's warnings.
    std::vector<platform::Warning> notes;
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
    for (const platform::Warning& note : notes)
        mainForm.AddLogLine(platform::filledIn(
            QCoreApplication::translate("StartupNote", note.text), note.arguments));
    return QApplication::exec();
}

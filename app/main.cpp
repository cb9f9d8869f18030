// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/qtwindowservice.h"
#include "core/mainform.h"
#include "platform/runtime.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "waylandchoice.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char** argv)
{
    // A second start ends at once and silently, before any window exists.
    if (SingleInstance::acquire() == SingleInstance::Result::AnotherRuns)
        return 0;
    const QString displayNote = chooseDisplayPlatform();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!platform::Runtime::installFromEnvironment("vantrel"))
        return 2;

    QtWindowService windowService;
    windowService.install();
    TMainForm mainForm;
    // A log-off, a shutdown or a termination request end the program as "Exit" does.
    ShutdownSignals shutdown([&mainForm] { mainForm.Terminate(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm,
        [&mainForm](QSessionManager&) { mainForm.Terminate(); });
    mainForm.FormCreate();
    if (!displayNote.isEmpty())
        mainForm.AddLogLine(displayNote);
    return QApplication::exec();
}

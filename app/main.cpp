// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainform.h"
#include "platform/runtime.h"
#include "shutdownsignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!platform::Runtime::installFromEnvironment("vantrel"))
        return 2;

    TMainForm mainForm;
    ShutdownSignals shutdown([&mainForm] { mainForm.close(); });
    mainForm.FormCreate();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/versinfo.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));

    if (!platform::Runtime::installFromEnvironment("vantrel"))
        return 2;

    // The monitor's windows are not built yet; meanwhile the program shows what it is.
    QTreeWidget versionView;
    versionView.setWindowTitle(QStringLiteral("Vantrel"));
    versionView.resize(480, 280);
    TVersionInfoResource versionInfo;
    versionInfo.SetVersionListView(&versionView);
    versionInfo.Loaded();
    for (int column = 0; column < versionView.columnCount(); ++column)
        versionView.resizeColumnToContents(column);
    versionView.show();
    return QApplication::exec();
}

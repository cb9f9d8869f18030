// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportplace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString usageExportPlace(const QDate& today)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // The platform names ~/Documents even where no such folder was ever made.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(
        QStringLiteral("vantrel-usage-%1.csv").arg(today.toString(Qt::ISODate)));
}

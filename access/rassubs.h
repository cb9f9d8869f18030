// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A string value of a file's version resource; empty when the file, its resource or the value
// is missing.
QString ReadVersionString(const QString& FileName, const QString& ValueName);
// The system folder that stands for the Windows directory (at most 255 characters).
QString GetWindowsDir();
// The path of a shell special folder by its CSIDL number; empty when it has none.
QString GetShellFolder(int FolderId);

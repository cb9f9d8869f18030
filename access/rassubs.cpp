// SPDX-License-Identifier: GPL-3.0-or-later
#include "rassubs.h"

#include "platform/version/versionblock.h"
#include "platform/win/shlobj.h"
#include "platform/win/winbase.h"
#include "platform/win/winver.h"

#include <cstring>
#include <vector>

using namespace win;

QString ReadVersionString(const QString& FileName, const QString& ValueName)
{
    const QByteArray file = FileName.toLocal8Bit();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.constData(), &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoA(file.constData(), handle, size, block.data()))
        return {};

    std::string translation = "040904E4";
    LPVOID found = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &found, &length)
        && length >= 4) {
        DWORD entry = 0;
        std::memcpy(&entry, found, sizeof entry);
        translation = platform::translationName(entry);
    }
    const QByteArray subBlock
        = ("\\StringFileInfo\\" + translation + "\\").c_str() + ValueName.toUtf8();
    if (!VerQueryValueA(block.data(), subBlock.constData(), &found, &length) || length == 0)
        return {};
    const auto* text = static_cast<const char*>(found);
    return QString::fromUtf8(text, static_cast<qsizetype>(strnlen(text, length)));
}

QString GetWindowsDir()
{
    char buffer[256] {};
    if (GetWindowsDirectoryA(buffer, sizeof buffer) >= sizeof buffer)
        return {};
    return QString::fromLocal8Bit(buffer);
}

QString GetShellFolder(int FolderId)
{
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(0, FolderId, &items) != S_OK)
        return {};
    char path[MAX_PATH] {};
    const BOOL resolved = SHGetPathFromIDListA(items, path);
    ILFree(items);
    return resolved ? QString::fromLocal8Bit(path) : QString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

// The comma-separated log file: one line per saved connection, beside the executable, or in
// the state folder when the executable's folder cannot be written or the name there is a link
// or another user's file.
class ConnectionLogFile
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionLogFile)

public:
    static constexpr const char* kHeader
        = "Online,Offline,Connection,Speed,Sent,Received,Duration,Client IP";

    // `say` adds a line to the on-screen log (the fallback folder, a failure).
    ConnectionLogFile(std::filesystem::path executable, std::filesystem::path stateFolder,
        std::function<void(const QString&)> say);

    // Appends one record (the header first when the file has none) with a single write, so a
    // crash never leaves half a line. Never follows a link. False when it failed; the reason has
    // been said.
    bool append(const QStringList& fields);

    // One record as a line: fields holding a comma, a quote or a line break are quoted, as CSV
    // readers expect; others are written as they are.
    static QByteArray recordLine(const QStringList& fields);

    // The file the next record goes to.
    std::filesystem::path path();

private:
    std::filesystem::path m_executable;
    std::filesystem::path m_stateFolder;
    std::function<void(const QString&)> m_say;
    std::optional<std::filesystem::path> m_path;
};

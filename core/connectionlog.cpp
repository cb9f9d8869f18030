// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionlog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

ConnectionLogFile::ConnectionLogFile(std::filesystem::path executable,
    std::filesystem::path stateFolder, std::function<void(const QString&)> say)
    : m_executable(std::move(executable))
    , m_stateFolder(std::move(stateFolder))
    , m_say(std::move(say))
{
}

std::filesystem::path ConnectionLogFile::path()
{
    if (!m_path) {
        std::filesystem::path beside = m_executable;
        beside.replace_extension(".log");
        if (access(beside.parent_path().c_str(), W_OK) == 0) {
            m_path = beside;
        } else {
            m_path = m_stateFolder / "vantrel" / "vantrel.log";
            m_say(QStringLiteral("Log file: %1 cannot be written; using %2")
                      .arg(QString::fromStdString(beside.parent_path().string()),
                          QString::fromStdString(m_path->string())));
        }
    }
    return *m_path;
}

bool ConnectionLogFile::append(const QStringList& fields)
{
    const std::filesystem::path file = path();
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    QByteArray text = fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    // Creating the file and writing its header are one step, so the header is never doubled
    // or lost.
    int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0)
        text.prepend(QByteArray(kHeader) + "\r\n");
    else if (errno == EEXIST)
        fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const auto fail = [&](int error) {
        m_say(QStringLiteral("Log file %1 not written: %2")
                  .arg(QString::fromStdString(file.string()),
                      QString::fromLocal8Bit(std::strerror(error))));
        return false;
    };
    if (fd < 0)
        return fail(errno);
    const ssize_t written = ::write(fd, text.constData(), static_cast<std::size_t>(text.size()));
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (written != text.size()) {
        // A short write on a full disk: take the partial line back out.
        if (written > 0)
            ::truncate(file.c_str(),
                static_cast<off_t>(std::filesystem::file_size(file, ignored)
                    - static_cast<std::uintmax_t>(written)));
        return fail(written < 0 ? writeError : ENOSPC);
    }
    return closed || fail(errno);
}

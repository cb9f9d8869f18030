// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionlog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A name in the program folder that is not the user's own file: a link or a file planted by
// another account (the folder may be shared). Appending there would write into someone's file.
QString plantedBy(const struct stat& about)
{
    if (S_ISLNK(about.st_mode))
        return ConnectionLogFile::tr("is a symbolic link");
    if (about.st_uid != geteuid())
        return ConnectionLogFile::tr("belongs to another user");
    return {};
}

} // namespace

ConnectionLogFile::ConnectionLogFile(std::filesystem::path executable,
    std::filesystem::path stateFolder, std::function<void(const QString&)> say)
    : m_executable(std::move(executable))
    , m_stateFolder(std::move(stateFolder))
    , m_say(std::move(say))
{
}

QByteArray ConnectionLogFile::recordLine(const QStringList& fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray field = fields[i].toUtf8();
        // RFC 4180, section 2: such a field is quoted, its quotes doubled.
        if (field.contains(',') || field.contains('"') || field.contains('\r')
            || field.contains('\n')) {
            field.replace('"', "\"\"");
            field = '"' + field + '"';
        }
        line += field;
    }
    return line + "\r\n";
}

std::filesystem::path ConnectionLogFile::path()
{
    if (!m_path) {
        std::filesystem::path beside = m_executable;
        beside.replace_extension(".log");
        const std::filesystem::path fallback = m_stateFolder / "vantrel" / "vantrel.log";
        struct stat about
        {
        };
        const QString planted = ::lstat(beside.c_str(), &about) == 0 ? plantedBy(about) : QString();
        if (!planted.isEmpty()) {
            m_path = fallback;
            m_say(tr("Log file: %1 %2; using %3")
                      .arg(QString::fromStdString(beside.string()), planted,
                          QString::fromStdString(fallback.string())));
        } else if (access(beside.parent_path().c_str(), W_OK) == 0) {
            m_path = beside;
        } else {
            m_path = fallback;
            m_say(tr("Log file: %1 cannot be written; using %2")
                      .arg(QString::fromStdString(beside.parent_path().string()),
                          QString::fromStdString(fallback.string())));
        }
    }
    return *m_path;
}

bool ConnectionLogFile::append(const QStringList& fields)
{
    const std::filesystem::path file = path();
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    QByteArray text = recordLine(fields);
    const auto fail = [&](const QString& reason) {
        m_say(tr("Log file %1 not written: %2").arg(QString::fromStdString(file.string()), reason));
        return false;
    };
    const auto failWith
        = [&](int error) { return fail(QString::fromLocal8Bit(std::strerror(error))); };
    // Never through a link, and never blocking on a FIFO put in the file's place.
    const int fd = ::open(file.c_str(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == ELOOP ? fail(tr("it is a symbolic link")) : failWith(errno);
    struct stat about
    {
    };
    QString refused;
    if (fstat(fd, &about) != 0)
        refused = QString::fromLocal8Bit(std::strerror(errno));
    else if (!S_ISREG(about.st_mode))
        refused = tr("it is not a regular file");
    else if (about.st_nlink > 1)
        refused = tr("it has other names (hard links)");
    else
        refused = plantedBy(about);
    if (!refused.isEmpty()) {
        ::close(fd);
        return fail(refused);
    }
    // A file without its header (new, or left empty by a full disk) gets it before the record,
    // in the same write, so the header is never doubled or lost.
    if (about.st_size == 0)
        text.prepend(QByteArray(kHeader) + "\r\n");
    const ssize_t written = ::write(fd, text.constData(), static_cast<std::size_t>(text.size()));
    const int writeError = errno;
    if (written != text.size()) {
        // A short write on a full disk: take the partial line back out.
        if (written > 0) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, about.st_size);
        }
        ::close(fd);
        return failWith(written < 0 ? writeError : ENOSPC);
    }
    return ::close(fd) == 0 || failWith(errno);
}

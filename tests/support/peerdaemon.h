// SPDX-License-Identifier: GPL-3.0-or-later
// Real servers from Debian that network tests start on loopback: each runs in the foreground on
// a free port with a configuration of the test's own, and stops with the test.
#pragma once

#include "tests/support/eventwait.h"
#include "tests/support/loopbackpeer.h"
#include "tests/support/process.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace testing_support {

// A daemon in the foreground on a port of its own. In the configuration and the arguments
// @PORT@ is its port, @DIR@ a scratch folder of its own, @CONF@ the configuration file.
class PeerDaemon
{
public:
    PeerDaemon(const std::string& program, const QString& config, const QStringList& arguments)
        : m_port(LoopbackListener::closedPort())
    {
        if (!std::filesystem::exists(program)) {
            m_missing = program + " is not installed (scripts/setup --tests installs it)";
            return;
        }
        QFile file(m_directory.filePath("peer.conf"));
        file.open(QIODevice::WriteOnly);
        file.write(QString(config)
                       .replace("@PORT@", QString::number(m_port))
                       .replace("@DIR@", m_directory.path())
                       .toUtf8());
        file.close();
        QStringList all = arguments;
        all.replaceInStrings("@CONF@", file.fileName());
        all.replaceInStrings("@DIR@", m_directory.path());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QString::fromStdString(program), all);
        runEventsUntil(
            [&] { return isListening(m_port) || m_process.state() == QProcess::NotRunning; },
            10000);
        if (!isListening(m_port))
            m_missing = program + " did not start listening on port " + std::to_string(m_port);
    }
    ~PeerDaemon() { stopProcess(m_process); }
    // Why the daemon is not there to test with; empty when it runs.
    const std::string& missing() const { return m_missing; }
    QString directory() const { return m_directory.path(); }
    std::uint16_t port() const { return m_port; }

private:
    QTemporaryDir m_directory;
    std::uint16_t m_port;
    QProcess m_process;
    std::string m_missing;
};

inline const QString kDanteConfig
    = "logoutput: @DIR@/danted.log\n"
      "internal: 127.0.0.1 port = @PORT@\n"
      "external: 127.0.0.1\n"
      "socksmethod: none\n"
      "clientmethod: none\n"
      "user.privileged: root\n"
      "user.unprivileged: nobody\n"
      "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
      "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 command: connect }\n";

inline const QString kTinyproxyConfig = "Port @PORT@\n"
                                        "Listen 127.0.0.1\n"
                                        "Timeout 30\n"
                                        "Allow 127.0.0.1\n"
                                        "User nobody\n"
                                        "Group nogroup\n"
                                        "LogLevel Critical\n";

// nginx serving @WWW@ (the caller replaces it); /loop redirects to itself, /hop to /hop2.
inline const QString kNginxConfig = "daemon off;\n"
                                    "master_process off;\n"
                                    "worker_processes 1;\n"
                                    "pid @DIR@/nginx.pid;\n"
                                    "error_log @DIR@/error.log;\n"
                                    "events { worker_connections 64; }\n"
                                    "http {\n"
                                    "  access_log off;\n"
                                    "  client_body_temp_path @DIR@/body;\n"
                                    "  proxy_temp_path @DIR@/proxy;\n"
                                    "  fastcgi_temp_path @DIR@/fastcgi;\n"
                                    "  uwsgi_temp_path @DIR@/uwsgi;\n"
                                    "  scgi_temp_path @DIR@/scgi;\n"
                                    "  default_type application/octet-stream;\n"
                                    "  server {\n"
                                    "    listen 127.0.0.1:@PORT@;\n"
                                    "    root @WWW@;\n"
                                    "    location = /loop { return 302 /loop; }\n"
                                    "    location = /hop { return 301 /f2048.bin; }\n"
                                    "  }\n"
                                    "}\n";

// dante asking for a user name and password (RFC 1929) that only it knows: it runs in a mount
// namespace of its own where the system's user files carry one more user, so the machine's own
// files are never touched. Needs root, as unshare does.
inline const char* const kSocksUser = "vantrel-socks";
inline const char* const kSocksPassword = "sesame";
inline const QString kDantePasswordConfig
    = QString(kDanteConfig).replace("socksmethod: none", "socksmethod: username");
inline const QStringList kDantePasswordArguments { "--mount", "sh", "-c",
    "cp /etc/passwd @DIR@/passwd && cp /etc/shadow @DIR@/shadow"
    " && echo 'vantrel-socks:x:64999:65534::/nonexistent:/usr/sbin/nologin' >> @DIR@/passwd"
    " && echo 'vantrel-socks:$6$vantrelsalt$A4gaAW4xXmOX/4UF/8yl8RcwBNvhTcEu00X1kg65cMVn/"
    "adoMuWjRP1MaPP/tqBfh5ZQBfZYQxZk0Av2Zb8ei.:19000:0:99999:7:::' >> @DIR@/shadow"
    " && mount --bind @DIR@/passwd /etc/passwd && mount --bind @DIR@/shadow /etc/shadow"
    " && exec /usr/sbin/danted -f @CONF@ -N 1 -p @DIR@/pid" };

} // namespace testing_support

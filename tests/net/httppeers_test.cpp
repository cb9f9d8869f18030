// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP component against real servers started for the test: nginx serving files, tinyproxy
// as a proxy and as a CONNECT tunnel, dante as SOCKS 4 and SOCKS 5 with and without a password.
// Every fetched body is compared byte for byte with the file served.
#include "net/nethttp.h"
#include "tests/support/missingpeer.h"
#include "tests/support/peerdaemon.h"
#include "tests/support/scratchruntime.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testing_support::PeerDaemon;

// Sizes around the transport's 2048-byte buffer, and larger.
const std::vector<int> kSizes { 0, 1, 2047, 2048, 2049, 100000, 3 * 1024 * 1024 };

QString fileName(int size)
{
    return QStringLiteral("f%1.bin").arg(size);
}

// One nginx, with its files, for the whole suite.
class WebServer
{
public:
    WebServer()
    {
        for (const int size : kSizes) {
            QByteArray content(size, Qt::Uninitialized);
            QRandomGenerator generator(static_cast<quint32>(size));
            for (char& byte : content)
                byte = static_cast<char>(generator.bounded(256));
            QFile file(m_www.filePath(fileName(size)));
            file.open(QIODevice::WriteOnly);
            file.write(content);
            m_files[size] = content;
        }
        m_daemon = std::make_unique<PeerDaemon>("/usr/sbin/nginx",
            QString(testing_support::kNginxConfig).replace("@WWW@", m_www.path()),
            QStringList { "-c", "@CONF@", "-p", "@DIR@", "-e", "@DIR@/error.log" });
    }
    const PeerDaemon& daemon() const { return *m_daemon; }
    QString url(int size) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_daemon->port()).arg(fileName(size));
    }
    const QByteArray& content(int size) const { return m_files.at(size); }

private:
    QTemporaryDir m_www;
    std::map<int, QByteArray> m_files;
    std::unique_ptr<PeerDaemon> m_daemon;
};

class HttpPeersTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { server = new WebServer; }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        runtime.source().addModule("WSOCK32.DLL");
        http = std::make_unique<net::TNetHTTP>();
        if (!server->daemon().missing().empty())
            VANTREL_SKIP_UNLESS_CI() << server->daemon().missing();
        http->SetMaxTransferredData(0);
        http->SetTimeout(30);
        http->OnError = [this](QObject*, int code, const QString& text) {
            errors += QStringLiteral("%1 %2\n").arg(code).arg(text).toStdString();
        };
    }

    // Fetches every size and compares; the route is whatever the test set up.
    void fetchEverySize()
    {
        for (const int size : kSizes) {
            SCOPED_TRACE("size " + std::to_string(size));
            try {
                http->Get(server->url(size));
            } catch (const net::ENetHTTP& error) {
                ADD_FAILURE() << error.what() << "\n" << errors;
                continue;
            }
            EXPECT_EQ(http->StatusLine(), "HTTP/1.1 200 OK");
            EXPECT_TRUE(http->TransferredData() == server->content(size))
                << "got " << http->TransferredData().size() << " bytes";
            EXPECT_FALSE(http->Connected());
        }
    }

    static WebServer* server;
    testing_support::ScratchRuntime runtime;
    std::unique_ptr<net::TNetHTTP> http;
    std::string errors;
};

WebServer* HttpPeersTest::server = nullptr;

TEST_F(HttpPeersTest, FetchesFilesOfEverySizeDirectly)
{
    fetchEverySize();
}

TEST_F(HttpPeersTest, WritesTheLocalFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("copy.bin");
    http->SetLocalFile(path);
    http->SetMaxTransferredData(4096);
    const int size = kSizes.back();
    http->Get(server->url(size));
    QFile copy(path);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copy.readAll() == server->content(size));
    EXPECT_EQ(http->TransferredData().size(), 4096);
}

TEST_F(HttpPeersTest, AsksForTheHeadOnly)
{
    http->Head(server->url(100000));
    EXPECT_EQ(http->StatusLine(), "HTTP/1.1 200 OK");
    EXPECT_TRUE(http->TransferredHeaders().contains("Content-Length: 100000\r\n"));
    EXPECT_TRUE(http->TransferredData().isEmpty());
}

TEST_F(HttpPeersTest, FollowsAServersRedirectAndStopsItsLoop)
{
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(server->daemon().port());
    http->SetFollowRedirects(net::THttpFollowRedirects::frAlways);
    http->Get(base + "/hop");
    EXPECT_TRUE(http->TransferredData() == server->content(2048));

    try {
        http->Get(base + "/loop");
        ADD_FAILURE() << "a redirect loop must fail";
    } catch (const net::ENetHTTP& error) {
        EXPECT_EQ(error.Code, 151);
        EXPECT_STREQ(error.what(), "151: 302 Moved Temporarily");
    }
}

TEST_F(HttpPeersTest, FailsAMissingPageWithItsStatus)
{
    try {
        http->Get(QStringLiteral("http://127.0.0.1:%1/none").arg(server->daemon().port()));
        ADD_FAILURE() << "a 404 must fail";
    } catch (const net::ENetHTTP& error) {
        EXPECT_STREQ(error.what(), "151: 404 Not Found");
    }
    EXPECT_TRUE(http->TransferredData().contains("404")) << "the error page is kept";
}

TEST_F(HttpPeersTest, FetchesThroughTinyproxyAsAProxy)
{
    PeerDaemon proxy(
        "/usr/bin/tinyproxy", testing_support::kTinyproxyConfig, { "-d", "-c", "@CONF@" });
    if (!proxy.missing().empty())
        VANTREL_SKIP_UNLESS_CI() << proxy.missing();
    http->SetProxyServer("127.0.0.1");
    http->SetProxyPort(proxy.port());
    fetchEverySize();
}

struct Firewall
{
    const char* name;
    net::THttpFirewallTypes type;
    bool password;
};

void PrintTo(const Firewall& firewall, std::ostream* out)
{
    *out << firewall.name;
}

class HttpFirewallTest : public HttpPeersTest, public testing::WithParamInterface<Firewall>
{
};

TEST_P(HttpFirewallTest, FetchesThroughTheFirewall)
{
    const Firewall& firewall = GetParam();
    std::unique_ptr<PeerDaemon> daemon;
    if (firewall.type == net::THttpFirewallTypes::fwTunnel)
        daemon = std::make_unique<PeerDaemon>("/usr/bin/tinyproxy",
            testing_support::kTinyproxyConfig, QStringList { "-d", "-c", "@CONF@" });
    else if (!firewall.password)
        daemon = std::make_unique<PeerDaemon>("/usr/sbin/danted", testing_support::kDanteConfig,
            QStringList { "-f", "@CONF@", "-N", "1", "-p", "@DIR@/pid" });
    else {
        if (::geteuid() != 0)
            VANTREL_SKIP_UNLESS_CI()
                << "dante with a password of its own runs in a mount namespace: root only";
        daemon = std::make_unique<PeerDaemon>("/usr/bin/unshare",
            testing_support::kDantePasswordConfig, testing_support::kDantePasswordArguments);
    }
    if (!daemon->missing().empty())
        VANTREL_SKIP_UNLESS_CI() << daemon->missing();

    http->SetFirewallType(firewall.type);
    http->SetFirewallHost("127.0.0.1");
    http->SetFirewallPort(daemon->port());
    if (firewall.password) {
        http->SetFirewallUser(testing_support::kSocksUser);
        http->SetFirewallPassword(testing_support::kSocksPassword);
    }
    fetchEverySize();

    if (firewall.password) {
        http->SetFirewallPassword("wrong");
        try {
            http->Get(server->url(1));
            ADD_FAILURE() << "a wrong password must be refused";
        } catch (const net::ENetHTTP& error) {
            EXPECT_EQ(error.Code, 118);
            EXPECT_TRUE(QString(error.what()).startsWith("118: firewall authentication failed"))
                << error.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Firewalls, HttpFirewallTest,
    testing::Values(Firewall { "Tunnel", net::THttpFirewallTypes::fwTunnel, false },
        Firewall { "Socks4", net::THttpFirewallTypes::fwSOCKS4, false },
        Firewall { "Socks5", net::THttpFirewallTypes::fwSOCKS5, false },
        Firewall { "Socks5WithPassword", net::THttpFirewallTypes::fwSOCKS5, true }),
    [](const testing::TestParamInfo<Firewall>& row) { return std::string(row.param.name); });

} // namespace

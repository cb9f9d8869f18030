// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-ras: runs the dial-up access layer as the monitor's poll does and prints what it sees.
#include "access/iphelper.h"
#include "access/rasapi.h"
#include "access/rascon.h"
#include "access/rasper.h"
#include "platform/runtime.h"
#include "platform/win/ras.h"
#include "platform/win/winbase.h"
#include "tools/help/commandline.h"

#include <QCoreApplication>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

const toolhelp::Line kUsage[] = {
    { QT_TRANSLATE_NOOP("vantrel-ras", "usage: vantrel-ras [--once | --ticks N]") },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-ras",
        "Runs the dial-up access layer the way the monitor polls it, once a second of the "
        "data source's\n"
        "clock, and prints one line per tick: the active connection, its state code and "
        "text, device,\n"
        "addresses, authentication, the traffic counters (bytes sent and received since "
        "the "
        "connection\n"
        "came up) and speed, and the DNS servers; on the linux source also where the "
        "connection's name,\n"
        "type and state come from (NetworkManager or the kernel).") },
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-ras", "one tick, then exit"), "  --once", 14 },
    { QT_TRANSLATE_NOOP("vantrel-ras", "N ticks, then exit (default: until interrupted)"),
        "  --ticks N", 14 },
    toolhelp::helpOption(14),
    toolhelp::versionOption(14),
    { "" },
    { QT_TRANSLATE_NOOP("vantrel-ras",
        "The data source is chosen by VANTREL_SOURCE: linux (default), demo, sim:FILE or "
        "none.") },
    { QT_TRANSLATE_NOOP("vantrel-ras",
        "Exit status: 0 done, 1 no dial-up networking or no statistics, 2 bad command line "
        "or source.") },
};

const toolhelp::Tool kTool { "vantrel-ras", kUsage };

const toolhelp::Option kOptions[] = {
    { "--once", {}, 1 },
    { "--ticks", "the number", 1 },
};

const char* platformName(std::uint8_t platform)
{
    switch (platform) {
    case 0:
        return "Windows 95/98/Me family, dynamic registry statistics";
    case 1:
        return "NT 4, registry performance data or PDH";
    case 2:
        return "NT 5.0, per-connection statistics";
    default:
        return "NT 5.1 and later, per-connection statistics";
    }
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// What the source knows of the link beyond the dial-up shapes, ending the link's line: every
// address, the far end and the name servers of either family, the counters at their full width.
void printFacts(win::DWORD handle)
{
    platform::DataSource& source = platform::Runtime::current().source();
    const auto facts = source.linkFacts(handle);
    if (!facts)
        return;
    const auto list = [](const std::vector<std::string>& items) {
        std::string text;
        for (const std::string& item : items)
            text += (text.empty() ? "" : " ") + item;
        return text.empty() ? std::string("none") : text;
    };
    std::printf("; link addresses %s, peer %s, dns %s", list(facts->addresses).c_str(),
        facts->peer.empty() ? "none" : facts->peer.c_str(), list(facts->dnsServers).c_str());
    if (const auto counters = source.linkCounters(handle))
        std::printf(", sent %llu received %llu", static_cast<unsigned long long>(counters->sent),
            static_cast<unsigned long long>(counters->received));
    if (!facts->connection.empty())
        std::printf(
            ", %s \"%s\" %s", facts->kind.c_str(), facts->connection.c_str(), facts->state.c_str());
}

class Poll
{
public:
    void tick(std::uint64_t elapsedMs)
    {
        QString name;
        QString text;
        m_rasCon.ListConnections(name);
        if (RasPlatform >= 2)
            m_rasPer.SetSlotHandle(1, m_rasCon.ActiveHandle);
        m_rasCon.PollConnectStatus(m_rasCon.ActiveHandle, 0, text);
        const bool online = m_rasCon.StateCode == win::RASCS_Connected;
        std::printf("%7.1fs ", static_cast<double>(elapsedMs) / 1000.0);
        if (m_rasCon.ActiveHandle == 0) {
            std::printf("no connection (state %u: %s)\n", m_rasCon.StateCode, utf8(text).c_str());
        } else {
            if (online && !m_online) {
                m_rasCon.ReadProjection(m_rasCon.ActiveHandle);
                m_network = {};
                ReadNetworkParams(m_network);
            }
            std::printf("\"%s\" handle 0x%08x (%u active) state %u %s, device %s \"%s\"",
                utf8(name).c_str(), m_rasCon.ActiveHandle, m_rasCon.ActiveCount, m_rasCon.StateCode,
                utf8(text).c_str(), utf8(m_rasCon.LinkDeviceType).c_str(),
                utf8(m_rasCon.LinkDeviceName).c_str());
            if (online) {
                m_rasPer.RefreshStatistics();
                std::printf(", client %s server %s auth \"%s\", sent %u received %u speed %u",
                    utf8(m_rasCon.ClientAddress).c_str(), utf8(m_rasCon.ServerAddress).c_str(),
                    utf8(m_rasCon.ProjectionText.trimmed()).c_str(), m_rasPer.SlotXmit(0),
                    m_rasPer.SlotRecv(0), m_rasPer.SlotSpeed(0));
                std::printf(", dns");
                for (int i = 0; i < m_network.DnsCount; ++i)
                    std::printf("%s%s", i ? "," : " ", utf8(m_network.DnsServers[i]).c_str());
                if (m_network.DnsCount == 0)
                    std::printf(" none");
                printFacts(m_rasCon.ActiveHandle);
            }
            std::printf("\n");
            const std::string origin
                = platform::Runtime::current().source().linkOrigin(m_rasCon.ActiveHandle);
            if (!origin.empty())
                std::printf("         from: %s\n", origin.c_str());
        }
        if (!online && m_online)
            m_rasPer.ResetCounters();
        m_online = online;
        std::fflush(stdout);
    }

    TRasCon m_rasCon;
    TRasPer m_rasPer;

private:
    bool m_online = false;
    TNetworkParams m_network;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const auto parsed = toolhelp::parse(kTool, kOptions, argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& arguments = *std::get_if<toolhelp::Arguments>(&parsed);
    if (!arguments.operands.empty())
        return toolhelp::unexpected(kTool, arguments.operands.front());
    long ticks = arguments.has("--once") ? 1 : -1;
    if (const auto count = arguments.value("--ticks")) {
        char* end = nullptr;
        errno = 0;
        ticks = std::strtol(count->c_str(), &end, 10);
        if (count->empty() || *end != '\0' || errno == ERANGE || ticks < 1)
            return toolhelp::badValue(kTool, "--ticks", *count, "a positive number");
    }
    if (!platform::Runtime::installFromEnvironment("vantrel-ras"))
        return 2;
    std::printf("source: %s\n", platform::Runtime::current().source().name().c_str());

    Poll poll;
    if (!poll.m_rasCon.CheckRasAvailable()) {
        std::printf("RAS is not installed. (%s)\n", utf8(poll.m_rasCon.StatusText).c_str());
        return 1;
    }
    std::printf("platform: %u (%s)\n", RasPlatform, platformName(RasPlatform));
    std::printf("dial-up networking: %s (%s)\n", utf8(poll.m_rasCon.DUNInfo).c_str(),
        utf8(poll.m_rasCon.DUNVersion).c_str());
    bool started = poll.m_rasPer.StartStatistics(true, true);
    if (!started) {
        poll.m_rasPer.SetUsePDH(true);
        started = poll.m_rasPer.StartStatistics(true, true);
    }
    if (!started) {
        const QString reason = poll.m_rasPer.ErrInfo.isEmpty()
            ? QStringLiteral("No Performance Statistics Available.")
            : poll.m_rasPer.ErrInfo;
        std::printf("statistics: %s\n", utf8(reason).c_str());
        return 1;
    }
    std::printf("statistics: %s\n", poll.m_rasPer.UsePDH() ? "PDH" : "started");

    // The first tick waits a little for what the network manager was asked at start.
    platform::DataSource& source = platform::Runtime::current().source();
    const std::uint64_t settleBy = win::GetTickCount64() + 3000;
    while (source.settling() && win::GetTickCount64() < settleBy) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const std::uint64_t start = win::GetTickCount64();
    std::uint64_t next = start;
    for (long tick = 0; ticks < 0 || tick < ticks; ++tick) {
        // Ticks follow the data source's clock, so a fast simulator runs them fast. Events are
        // handled meanwhile: the network manager's signals arrive through them.
        while (win::GetTickCount64() < next) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        poll.tick(win::GetTickCount64() - start);
        next += 1000;
    }
    return 0;
}

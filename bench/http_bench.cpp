// SPDX-License-Identifier: GPL-3.0-or-later
// A GET of a 100 MB file from a local nginx with the whole body kept, beside curl fetching the
// same file to /dev/null and to tmpfs in the same run, and a GET into a LocalFile on tmpfs beside
// the same curl: throughput, and our peak resident memory against the body size. Each fetch runs
// in a fresh process so its peak is its own; each pair runs several times, in turns, and the
// median of the rounds' ratios is the figure.
#include "net/nethttp.h"
#include "platform/runtime.h"
#include "tests/support/peerdaemon.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 kBodySize = 100 * 1000 * 1000;
constexpr int kRounds = 21;

// The measured side: one fetch in this process, the whole body kept, or written to the file
// named by a third argument.
int fetchChild(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (!platform::Runtime::installFromEnvironment("http_bench"))
        return 2;
    try {
        net::TNetHTTP http;
        if (argc == 4) {
            // Into the file only: TransferredData keeps its default first few kilobytes.
            http.SetLocalFile(QString::fromLocal8Bit(argv[3]));
            http.Get(QString::fromLocal8Bit(argv[2]));
            return QFile(QString::fromLocal8Bit(argv[3])).size() == kBodySize ? 0 : 3;
        }
        http.SetMaxTransferredData(0);
        http.Get(QString::fromLocal8Bit(argv[2]));
        return http.TransferredData().size() == kBodySize ? 0 : 3;
    } catch (const net::ENetHTTP& error) {
        std::fprintf(stderr, "http_bench: %s\n", error.what());
        return 1;
    }
}

struct Run
{
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run measure(const std::vector<std::string>& command)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("VANTREL_SOURCE", "none", 1);
        std::vector<char*> argv;
        for (const std::string& part : command)
            argv.push_back(const_cast<char*>(part.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return { elapsed.count(), usage.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0 };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--fetch-child")
        return fetchChild(argc, argv);

    QCoreApplication application(argc, argv);
    QTemporaryDir www;
    {
        QFile file(www.filePath("body.bin"));
        if (!file.open(QIODevice::WriteOnly)) {
            std::printf("http_bench: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 7919) >> 3);
        for (qint64 written = 0; written < kBodySize; written += block.size())
            file.write(block.constData(), std::min<qint64>(block.size(), kBodySize - written));
    }
    testing_support::PeerDaemon nginx("/usr/sbin/nginx",
        QString(testing_support::kNginxConfig).replace("@WWW@", www.path()),
        { "-c", "@CONF@", "-p", "@DIR@", "-e", "@DIR@/error.log" });
    if (!nginx.missing().empty()) {
        std::printf("http_bench: %s\n", nginx.missing().c_str());
        return 1;
    }
    const std::string url = "http://127.0.0.1:" + std::to_string(nginx.port()) + "/body.bin";
    const std::string curl = "/usr/bin/curl";
    if (access(curl.c_str(), X_OK) != 0) {
        std::printf("http_bench: curl is not installed (scripts/setup --tests installs it)\n");
        return 1;
    }

    const std::string shmFile = "/dev/shm/vantrel-http-bench-" + std::to_string(getpid());
    std::vector<double> ours;
    std::vector<double> theirs;
    std::vector<double> keptRatios;
    std::vector<double> localFileRatios;
    long peakKiB = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Run run = measure({ "/proc/self/exe", "--fetch-child", url });
        const Run peer = measure({ curl, "-s", "-o", "/dev/null", url });
        const Run peerToTmpfs = measure({ curl, "-s", "-o", shmFile, url });
        unlink(shmFile.c_str());
        const Run localFile = measure({ "/proc/self/exe", "--fetch-child", url, shmFile });
        unlink(shmFile.c_str());
        if (!run.ok || !peer.ok || !peerToTmpfs.ok || !localFile.ok) {
            std::printf("http_bench: a fetch failed (ours %s, curl %s, curl to tmpfs %s, ours to "
                        "a local file %s)\n",
                run.ok ? "ok" : "failed", peer.ok ? "ok" : "failed",
                peerToTmpfs.ok ? "ok" : "failed", localFile.ok ? "ok" : "failed");
            return 1;
        }
        ours.push_back(static_cast<double>(kBodySize) / run.seconds / 1e6);
        theirs.push_back(static_cast<double>(kBodySize) / peer.seconds / 1e6);
        // Throughput ratios: the peer's time over ours.
        keptRatios.push_back(peerToTmpfs.seconds / run.seconds);
        localFileRatios.push_back(peerToTmpfs.seconds / localFile.seconds);
        peakKiB = std::max(peakKiB, run.peakKiB);
    }

    const double throughput = median(ours) / median(theirs);
    const double bodyMiB = static_cast<double>(kBodySize) / (1 << 20);
    const double peakMiB = static_cast<double>(peakKiB) / 1024;
    std::printf("%-48s %12s %12s %8s %8s %s\n", "figure", "ours", "peer", "ratio", "target", "met");
    std::printf("%-48s %7.0f MB/s %7.0f MB/s %7.2fx %6s%.1fx %s\n",
        "HTTP GET 100 MB, body kept / curl -o /dev/null", median(ours), median(theirs), throughput,
        ">=", 0.7, throughput >= 0.7 ? "yes" : "NO");
    const auto ratioRow = [](const char* figure, const std::vector<double>& ratios, double target) {
        const double ratio = median(ratios);
        std::printf("%-48s %12s %12s %7.2fx %6s%.1fx %s\n", figure,
            ("min " + std::to_string(*std::min_element(ratios.begin(), ratios.end())).substr(0, 4)
                + "x")
                .c_str(),
            ("max " + std::to_string(*std::max_element(ratios.begin(), ratios.end())).substr(0, 4)
                + "x")
                .c_str(),
            ratio, ">=", target, ratio >= target ? "yes" : "NO");
    };
    ratioRow("HTTP GET 100 MB, body kept / curl -o tmpfs", keptRatios, 0.8);
    ratioRow("HTTP GET 100 MB, LocalFile on tmpfs / same curl", localFileRatios, 0.9);
    std::printf("%-48s %8.0f MiB %8.0f MiB %7.2fx %6s%.1fx %s\n",
        "peak resident memory of that GET / body size", peakMiB, bodyMiB, peakMiB / bodyMiB,
        "<=", 1.6, peakMiB / bodyMiB <= 1.6 ? "yes" : "NO");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A whole GET against a peer that answers with the input: status line, headers, cookies, body
// states and redirects, cut into pieces by the socket transport itself.
#include "net/httpengine.h"
#include "platform/runtime.h"
#include "tests/support/scriptedpeer.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    setenv("VANTREL_SOURCE", "none", 1);
    setenv("XDG_CONFIG_HOME", "/nonexistent/vantrel-fuzz", 1);
    platform::Runtime::installFromEnvironment("fuzz_http_response");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose how the answer arrives and what the client does with it.
    testing_support::PeerScript script;
    script.chunkSize = 1 + data[0] % 97;
    script.responses = { std::string(reinterpret_cast<const char*>(data) + 2, size - 2) };
    testing_support::PeerLog log;
    net::HttpEngine engine({}, testing_support::scriptedPeer(script, log));
    engine.setProperty(net::HttpProperty::FollowRedirects, std::int64_t { data[1] % 3 });
    engine.setProperty(net::HttpProperty::MaxTransferredData, std::int64_t { (data[1] >> 2) * 7 });
    engine.call(data[1] & 0x80 ? net::HttpMethod::Head : net::HttpMethod::Get,
        "http://fuzz.example:8080/start?x=1");
    net::HttpValue value;
    engine.property(net::HttpProperty::TransferredHeaders, value);
    engine.property(net::HttpProperty::StatusLine, value);
    return 0;
}

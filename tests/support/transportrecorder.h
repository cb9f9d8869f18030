// SPDX-License-Identifier: GPL-3.0-or-later
// What a socket transport reported, in order, for tests of the transport itself.
#pragma once

#include "net/sockettransport.h"
#include "net/waitstep.h"
#include "netbytes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Records every report in order; a test may react to pieces through onPiece.
class TransportRecorder : public net::SocketTransport::Listener
{
public:
    void connected(int code) override
    {
        connectCode = code;
        order.push_back("connected");
        if (onReport)
            onReport();
    }
    void received(std::string_view bytes, bool endsLine) override
    {
        pieces.push_back({ std::string(bytes), endsLine });
        order.push_back("piece");
        if (onPiece)
            onPiece();
    }
    void disconnected(int code) override
    {
        disconnectCode = code;
        order.push_back("disconnected");
        if (onReport)
            onReport();
    }
    void error(int code, const std::string& text) override
    {
        errors.push_back(std::to_string(code) + " " + text);
    }
    // A name is looked up while the test's events run, without a deadline.
    bool waitStep() override { return wait.step(); }

    net::WaitStep wait;

    std::optional<int> connectCode;
    std::optional<int> disconnectCode;
    std::vector<ReceivedPiece> pieces;
    std::vector<std::string> order;
    std::vector<std::string> errors;
    std::function<void()> onPiece;
    std::function<void()> onReport; // inside a connected or disconnected report
};

} // namespace testing_support

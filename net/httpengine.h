// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bytebuffer.h"
#include "httpheaders.h"
#include "httpnumbers.h"
#include "httpstatus.h"
#include "httpurl.h"
#include "sockettransport.h"
#include "waitstep.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace net {

// A property's value: numbers, Booleans and enumerations as integers, texts as bytes.
using HttpValue = std::variant<std::int64_t, std::string>;

// One HTTP/1.0 transaction at a time, synchronous: an action returns when the server has closed
// the connection, dispatching the thread's events meanwhile. All state lives here; results are
// codes (0 = success) with the failing step's text in message(), and everything that happens is
// reported through one event callback.
class HttpEngine : private SocketTransport::Listener
{
public:
    // What one event carries; which fields are filled depends on the kind.
    struct Event
    {
        HttpEvent kind;
        int code = 0; // Connected, Disconnected, Error
        std::string text; // their description
        int direction = 0; // StartTransfer, Transfer, EndTransfer: 0 to the server, 1 from it
        std::int64_t bytesTransferred = 0; // Transfer: running total in that direction
        std::string_view data; // Transfer: the chunk (valid during the call only)
        std::string field; // Header
        std::string value; // Header
        SetCookie cookie; // SetCookie
    };
    using EventSink = std::function<void(const Event&)>;

    // A real socket carries the requests unless a test brings a scripted peer.
    explicit HttpEngine(EventSink sink, const TransportSeams& seams = {});
    ~HttpEngine() override;
    HttpEngine(const HttpEngine&) = delete;
    HttpEngine& operator=(const HttpEngine&) = delete;

    enum class PropertyKind {
        Number, // numbers, Booleans and enumerations
        Text,
    };
    // One property: how it reads, how it writes (null when read-only) and, for a number, the
    // values a write accepts. Each property has exactly one.
    struct PropertyEntry
    {
        HttpProperty number;
        PropertyKind kind;
        int (*read)(const HttpEngine& engine, HttpValue& value, int index);
        int (*write)(HttpEngine& engine, const HttpValue& value, int index) = nullptr;
        std::int64_t low = 0;
        std::int64_t high = 0;
    };
    // Every property, in number order.
    static std::span<const PropertyEntry> properties();

    // Indexed properties (CookieName, CookieValue) count from 1; others ignore the index.
    int property(HttpProperty number, HttpValue& value, int index = 0) const;
    int setProperty(HttpProperty number, const HttpValue& value, int index = 0);
    int call(HttpMethod number, std::string_view first = {}, std::string_view second = {});

    // The failing step's text, empty after success.
    const std::string& message() const { return m_message; }
    // The last response body without a copy; valid until the next action.
    std::string_view transferredData() const { return m_transferredData.view(); }
    // Redirects one action follows before it fails with the last status.
    static constexpr int kMaxRedirects = 20;
    static constexpr std::uint32_t kDefaultMaxTransferredData = 4096;
    // The transport's buffer: a body arrives in pieces of up to this size, and a status or header
    // line longer than this is cut. Large pieces halve the cost of a large body against the
    // transport's 2048-byte default.
    static constexpr std::size_t kReceiveBufferSize = 65536;
    // What a response head may hold: past either bound the transaction ends with
    // kHeadersTooLarge, so a server sending header lines without end cannot fill the memory.
    static constexpr std::size_t kMaxHeaderBytes = 256 * 1024;
    static constexpr int kMaxHeaderLines = 1000;
    static constexpr int kHeadersTooLarge = 154;

private:
    enum class ResponseState {
        AwaitingStatusLine,
        ReadingHeaders,
        ReadingBody,
        Skipping,
    };

    int fail(int code, std::string text) const;
    struct PropertyAccess; // what the table reaches through, beside the table
    static const PropertyEntry* findProperty(HttpProperty number);
    int writeUrl(std::string_view text);
    void setCredentials(std::string user, std::string password);
    void setProxyCredentials(std::string user, std::string password);
    int cookieIndex(int index) const;
    void resetHeaders();

    int perform(THttpActions action);
    int performRequest(THttpActions action);
    int openConnection();
    // A write that may look up a host name: outside an action it waits under its own deadline,
    // and Interrupt ends it too.
    int resolvingWrite(const std::function<int()>& write);
    int sendAll(std::string_view bytes);
    int sendHead(const char* method);
    int sendBody();
    int waitForClose();
    int waitEnded();
    bool redirectable() const;

    void connected(int code) override;
    void received(std::string_view piece, bool endsLine) override;
    void disconnected(int code) override;
    void error(int code, const std::string& text) override;
    bool waitStep() override;
    void receiveStatusLine(std::string_view piece, bool endsLine);
    void receiveHeader(std::string_view line);
    void headersTooLarge();
    void receiveBody(std::string_view piece);
    void localFileWriteFailed();
    void closeLocalFile();
    void raiseReport(HttpEvent kind, int code, std::string text) const;
    void raiseTransfer(HttpEvent kind, int direction, std::int64_t bytesTransferred = 0,
        std::string_view data = {}) const;
    void raise(const Event& event) const;

    EventSink m_sink;
    WaitStep m_wait;
    std::unique_ptr<SocketTransport> m_transport;

    // Request settings.
    std::string m_accept;
    std::string m_attachedFile;
    std::string m_authorization;
    std::string m_contentType;
    std::vector<std::pair<std::string, std::string>> m_cookies;
    std::string m_firewallData;
    THttpFollowRedirects m_followRedirects = THttpFollowRedirects::frNever;
    std::string m_from;
    std::string m_httpVersion = "HTTP/1.0";
    std::string m_ifModifiedSince;
    std::string m_localFile;
    std::uint32_t m_maxTransferredData = kDefaultMaxTransferredData;
    std::string m_otherHeaders;
    std::string m_postData;
    std::string m_pragma;
    std::string m_proxyAuthorization;
    std::string m_proxyPassword;
    std::uint16_t m_proxyPort = 80;
    std::string m_proxyServer;
    std::string m_proxyUser;
    std::string m_referer;
    HttpTarget m_target;
    std::string m_userAgent;

    // The transaction.
    THttpActions m_action = THttpActions::httpIdle;
    bool m_performing = false; // from the start of a request until its result, even once idle
    bool m_resolvingWrite = false;
    ResponseState m_responseState = ResponseState::AwaitingStatusLine;
    bool m_lineContinues = false; // the last header piece was cut short of its line end
    std::size_t m_lineBytes = 0; // of the status or header line being received
    std::int64_t m_bodyCount = 0;
    int m_headerLines = 0;
    std::optional<std::string> m_responseFailure; // why the engine itself ended the response
    std::string m_statusLine;
    ByteBuffer m_transferredHeaders;
    ByteBuffer m_transferredData;
    std::string m_location;
    std::uint64_t m_contentLength = 0;
    std::FILE* m_localFileHandle = nullptr;
    bool m_localFileFailed = false;
    std::optional<int> m_connectResult;
    std::optional<int> m_closeResult;
    std::optional<std::pair<int, std::string>> m_lastError; // as the transport reported it
    mutable std::string m_message; // a failed property read sets it too
};

} // namespace net

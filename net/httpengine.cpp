// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpengine.h"

#include "httprequest.h"
#include "socketerrors.h"
#include "socketlibrary.h"
#include "sockettransport.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <limits>
#include <new>

namespace net {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return QByteArray::fromRawData(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QByteArray::fromRawData(b.data(), static_cast<qsizetype>(b.size())),
                   Qt::CaseInsensitive)
        == 0;
}

std::string_view withoutTrailingCr(std::string_view line, bool endsLine)
{
    if (endsLine && !line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

const char* methodName(THttpActions action)
{
    switch (action) {
    case THttpActions::httpPost:
        return "POST";
    case THttpActions::httpHead:
        return "HEAD";
    case THttpActions::httpPut:
        return "PUT";
    default:
        return "GET";
    }
}

constexpr int kInvalidArgument = win::WSAEINVAL;
constexpr std::size_t kUploadBlock = 2048;

} // namespace

HttpEngine::HttpEngine(EventSink sink, const StreamFactory& makeStream)
    : m_sink(std::move(sink))
{
    ByteStream::Listener& listener = *this;
    m_stream = makeStream ? makeStream(listener) : std::make_unique<SocketTransport>(listener);
    m_stream->setMaxLineSize(kReceiveBufferSize);
    m_target.path = "/";
}

HttpEngine::~HttpEngine()
{
    m_wait.requestInterrupt();
    if (m_localFileHandle)
        std::fclose(m_localFileHandle);
}

int HttpEngine::fail(int code, std::string text) const
{
    m_message = std::move(text);
    return code;
}

// ---- properties ----------------------------------------------------------------------------

int HttpEngine::property(HttpProperty number, HttpValue& value, int index) const
{
    const auto number64 = [&](auto n) {
        value = static_cast<std::int64_t>(n);
        return 0;
    };
    switch (number) {
    case HttpProperty::Action:
        return number64(m_action);
    case HttpProperty::Connected:
        return number64(m_stream->isConnected());
    case HttpProperty::CookieCount:
        return number64(m_cookies.size());
    case HttpProperty::FirewallPort:
        return number64(m_stream->firewallPort());
    case HttpProperty::FirewallType:
        return number64(m_stream->firewallType());
    case HttpProperty::FollowRedirects:
        return number64(m_followRedirects);
    case HttpProperty::MaxTransferredData:
        return number64(m_maxTransferredData);
    case HttpProperty::ProxyPort:
        return number64(m_proxyPort);
    case HttpProperty::SocketHandle:
        return number64(m_stream->socketHandle());
    case HttpProperty::Timeout:
        return number64(m_wait.timeout());
    case HttpProperty::URLPort:
        return number64(m_target.port);
    case HttpProperty::WinsockLoaded:
        return number64(m_stream->winsockLoaded());
    case HttpProperty::WinsockMaxDatagramSize:
        return number64(SocketLibrary::instance().maxDatagramSize());
    case HttpProperty::WinsockMaxSockets:
        return number64(SocketLibrary::instance().maxSockets());
    default:
        std::string text;
        const int code = readText(number, text, index);
        if (code == 0)
            value = std::move(text);
        return code;
    }
}

int HttpEngine::readText(HttpProperty number, std::string& text, int index) const
{
    switch (number) {
    case HttpProperty::Accept:
        text = m_accept;
        return 0;
    case HttpProperty::AttachedFile:
        text = m_attachedFile;
        return 0;
    case HttpProperty::Authorization:
        text = m_authorization;
        return 0;
    case HttpProperty::ContentType:
        text = m_contentType;
        return 0;
    case HttpProperty::CookieName:
    case HttpProperty::CookieValue: {
        if (const int code = cookieIndex(index); code != 0)
            return code;
        const auto& cookie = m_cookies[static_cast<std::size_t>(index - 1)];
        text = number == HttpProperty::CookieName ? cookie.first : cookie.second;
        return 0;
    }
    case HttpProperty::FirewallData:
        text = m_firewallData;
        return 0;
    case HttpProperty::FirewallHost:
        text = m_stream->firewallHost();
        return 0;
    case HttpProperty::FirewallPassword:
        text = m_stream->firewall().password();
        return 0;
    case HttpProperty::FirewallUser:
        text = m_stream->firewall().user();
        return 0;
    case HttpProperty::From:
        text = m_from;
        return 0;
    case HttpProperty::HTTPVersion:
        text = m_httpVersion;
        return 0;
    case HttpProperty::IfModifiedSince:
        text = m_ifModifiedSince;
        return 0;
    case HttpProperty::LocalFile:
        text = m_localFile;
        return 0;
    case HttpProperty::LocalHost:
        text = m_stream->localHost();
        return 0;
    case HttpProperty::OtherHeaders:
        text = m_otherHeaders;
        return 0;
    case HttpProperty::Password:
        text = m_target.password;
        return 0;
    case HttpProperty::PostData:
        text = m_postData;
        return 0;
    case HttpProperty::Pragma:
        text = m_pragma;
        return 0;
    case HttpProperty::ProxyAuthorization:
        text = m_proxyAuthorization;
        return 0;
    case HttpProperty::ProxyPassword:
        text = m_proxyPassword;
        return 0;
    case HttpProperty::ProxyServer:
        text = m_proxyServer;
        return 0;
    case HttpProperty::ProxyUser:
        text = m_proxyUser;
        return 0;
    case HttpProperty::Referer:
        text = m_referer;
        return 0;
    case HttpProperty::StatusLine:
        text = m_statusLine;
        return 0;
    case HttpProperty::TransferredData:
        text = m_transferredData.view();
        return 0;
    case HttpProperty::TransferredHeaders:
        text = m_transferredHeaders.view();
        return 0;
    case HttpProperty::URL:
        text = m_target.url;
        return 0;
    case HttpProperty::URLPath:
        text = m_target.path;
        return 0;
    case HttpProperty::URLScheme:
        text = m_target.scheme;
        return 0;
    case HttpProperty::URLServer:
        text = m_target.server;
        return 0;
    case HttpProperty::User:
        text = m_target.user;
        return 0;
    case HttpProperty::UserAgent:
        text = m_userAgent;
        return 0;
    case HttpProperty::WinsockInfo:
        text = SocketLibrary::instance().info();
        return 0;
    case HttpProperty::WinsockPath:
        text = SocketLibrary::instance().path();
        return 0;
    case HttpProperty::WinsockStatus:
        text = SocketLibrary::instance().status();
        return 0;
    default:
        return fail(kInvalidArgument, "This property is not a text.");
    }
}

int HttpEngine::setProperty(HttpProperty number, const HttpValue& value, int index)
{
    m_message.clear();
    try {
        if (const auto* n = std::get_if<std::int64_t>(&value))
            return writeNumber(number, *n);
        return writeText(number, std::get<std::string>(value), index);
    } catch (const std::bad_alloc&) {
        return fail(200, "Out of memory.");
    }
}

int HttpEngine::writeText(HttpProperty number, const std::string& text, int index)
{
    switch (number) {
    case HttpProperty::Accept:
        m_accept = text;
        return 0;
    case HttpProperty::AttachedFile:
        m_attachedFile = text;
        return 0;
    case HttpProperty::Authorization:
        m_authorization = text;
        return 0;
    case HttpProperty::ContentType:
        m_contentType = text;
        return 0;
    case HttpProperty::CookieName:
    case HttpProperty::CookieValue: {
        if (const int code = cookieIndex(index); code != 0)
            return code;
        auto& cookie = m_cookies[static_cast<std::size_t>(index - 1)];
        (number == HttpProperty::CookieName ? cookie.first : cookie.second) = text;
        return 0;
    }
    case HttpProperty::FirewallData:
        m_firewallData = text;
        return 0;
    case HttpProperty::FirewallHost:
        if (const int code = m_stream->setFirewallHost(text); code != 0)
            return fail(code, m_stream->message());
        return 0;
    case HttpProperty::FirewallPassword:
        m_stream->firewall().setCredentials(m_stream->firewall().user(), text);
        return 0;
    case HttpProperty::FirewallUser:
        m_stream->firewall().setCredentials(text, m_stream->firewall().password());
        return 0;
    case HttpProperty::From:
        m_from = text;
        return 0;
    case HttpProperty::HTTPVersion:
        m_httpVersion = text;
        return 0;
    case HttpProperty::IfModifiedSince:
        m_ifModifiedSince = text;
        return 0;
    case HttpProperty::LocalFile:
        m_localFile = text;
        return 0;
    case HttpProperty::LocalHost:
        if (const int code = m_stream->setLocalHost(text); code != 0)
            return fail(code, m_stream->message());
        return 0;
    case HttpProperty::OtherHeaders:
        m_otherHeaders = text;
        return 0;
    case HttpProperty::Password:
        setCredentials(m_target.user, text);
        return 0;
    case HttpProperty::PostData:
        m_postData = text;
        return 0;
    case HttpProperty::Pragma:
        m_pragma = text;
        return 0;
    case HttpProperty::ProxyAuthorization:
        m_proxyAuthorization = text;
        return 0;
    case HttpProperty::ProxyPassword:
        setProxyCredentials(m_proxyUser, text);
        return 0;
    case HttpProperty::ProxyServer:
        m_proxyServer = text;
        return 0;
    case HttpProperty::ProxyUser:
        setProxyCredentials(text, m_proxyPassword);
        return 0;
    case HttpProperty::Referer:
        m_referer = text;
        return 0;
    case HttpProperty::URL:
        return writeUrl(text);
    case HttpProperty::URLPath:
        m_target.path = text;
        return 0;
    case HttpProperty::URLScheme:
        m_target.scheme = text;
        return 0;
    case HttpProperty::URLServer:
        m_target.server = text;
        return 0;
    case HttpProperty::User:
        setCredentials(text, m_target.password);
        return 0;
    case HttpProperty::UserAgent:
        m_userAgent = text;
        return 0;
    case HttpProperty::WinsockPath:
        SocketLibrary::instance().setPath(text);
        return 0;
    default:
        return fail(kInvalidArgument, "This property cannot be written as a text.");
    }
}

int HttpEngine::writeNumber(HttpProperty number, std::int64_t value)
{
    const auto inRange
        = [&](std::int64_t low, std::int64_t high) { return value >= low && value <= high; };
    const auto outOfRange = [&] {
        return fail(kInvalidArgument, "Value out of range: " + std::to_string(value) + ".");
    };
    constexpr std::int64_t kPortMax = std::numeric_limits<std::uint16_t>::max();
    switch (number) {
    case HttpProperty::Action:
        if (!inRange(0, static_cast<int>(THttpActions::httpPut)))
            return outOfRange();
        return perform(static_cast<THttpActions>(value));
    case HttpProperty::CookieCount:
        if (!inRange(0, std::numeric_limits<int>::max()))
            return outOfRange();
        m_cookies.resize(static_cast<std::size_t>(value));
        return 0;
    case HttpProperty::FirewallPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_stream->setFirewallPort(static_cast<std::uint16_t>(value));
        return 0;
    case HttpProperty::FirewallType: {
        if (!inRange(0, static_cast<int>(FirewallType::fwSOCKS5)))
            return outOfRange();
        const auto type = static_cast<FirewallType>(value);
        m_stream->setFirewallType(type);
        const bool socks = type == FirewallType::fwSOCKS4 || type == FirewallType::fwSOCKS5;
        m_stream->setFirewallPort(socks ? 1080 : 80);
        return 0;
    }
    case HttpProperty::FollowRedirects:
        if (!inRange(0, static_cast<int>(THttpFollowRedirects::frSameScheme)))
            return outOfRange();
        m_followRedirects = static_cast<THttpFollowRedirects>(value);
        return 0;
    case HttpProperty::MaxTransferredData:
        if (!inRange(0, std::numeric_limits<std::int32_t>::max()))
            return outOfRange();
        m_maxTransferredData = static_cast<std::uint32_t>(value);
        return 0;
    case HttpProperty::ProxyPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_proxyPort = static_cast<std::uint16_t>(value);
        return 0;
    case HttpProperty::Timeout:
        if (!inRange(0, std::numeric_limits<std::int32_t>::max()))
            return outOfRange();
        m_wait.setTimeout(static_cast<std::uint32_t>(value));
        return 0;
    case HttpProperty::URLPort:
        if (!inRange(0, kPortMax))
            return outOfRange();
        m_target.port = static_cast<std::uint16_t>(value);
        return 0;
    case HttpProperty::WinsockLoaded:
        m_stream->setWinsockLoaded(value != 0);
        return 0;
    default:
        return fail(kInvalidArgument, "This property cannot be written as a number.");
    }
}

int HttpEngine::writeUrl(std::string_view text)
{
    switch (applyUrl(m_target, text)) {
    case CredentialChange::Cleared:
        m_authorization.clear();
        break;
    case CredentialChange::Set:
        m_authorization = basicAuthorization(m_target.user, m_target.password);
        break;
    case CredentialChange::None:
        break;
    }
    return 0;
}

void HttpEngine::setCredentials(std::string user, std::string password)
{
    m_target.user = std::move(user);
    m_target.password = std::move(password);
    m_authorization = basicAuthorization(m_target.user, m_target.password);
}

void HttpEngine::setProxyCredentials(std::string user, std::string password)
{
    m_proxyUser = std::move(user);
    m_proxyPassword = std::move(password);
    m_proxyAuthorization = basicAuthorization(m_proxyUser, m_proxyPassword);
}

int HttpEngine::cookieIndex(int index) const
{
    if (index < 1 || static_cast<std::size_t>(index) > m_cookies.size())
        return fail(156, "Invalid cookie index (out of range).");
    return 0;
}

void HttpEngine::resetHeaders()
{
    for (std::string* text : { &m_target.url, &m_target.server, &m_postData, &m_contentType,
             &m_target.user, &m_target.password, &m_authorization, &m_proxyUser, &m_proxyPassword,
             &m_proxyAuthorization, &m_accept, &m_from, &m_ifModifiedSince, &m_referer, &m_pragma,
             &m_otherHeaders, &m_statusLine, &m_attachedFile, &m_localFile })
        text->clear();
    m_cookies.clear();
    m_target.path.clear();
    m_target.scheme = "http";
    m_target.port = 80;
}

// ---- methods and actions -------------------------------------------------------------------

int HttpEngine::call(HttpMethod number, std::string_view first, std::string_view second)
{
    m_message.clear();
    try {
        const auto request = [&](THttpActions action) {
            const int code = writeUrl(first);
            return code != 0 ? code : perform(action);
        };
        switch (number) {
        case HttpMethod::AddCookie:
            m_cookies.emplace_back(first, second);
            return 0;
        case HttpMethod::ProcessEvents:
            m_wait.step(20);
            return 0;
        case HttpMethod::Get:
            return request(THttpActions::httpGet);
        case HttpMethod::Head:
            return request(THttpActions::httpHead);
        case HttpMethod::Interrupt:
            return perform(THttpActions::httpIdle);
        case HttpMethod::Post:
            return request(THttpActions::httpPost);
        case HttpMethod::Put:
            return request(THttpActions::httpPut);
        case HttpMethod::ResetHeaders:
            return perform(THttpActions::httpResetHeaders);
        }
        return fail(kInvalidArgument, "No such method.");
    } catch (const std::bad_alloc&) {
        m_action = THttpActions::httpIdle;
        return fail(200, "Out of memory.");
    }
}

int HttpEngine::perform(THttpActions action)
{
    if (m_action != THttpActions::httpIdle && action != THttpActions::httpIdle)
        return fail(143, "Busy performing current action.");
    const bool wasRunning = m_action != THttpActions::httpIdle;
    m_wait.armDeadline();
    m_message.clear();
    m_statusLine.clear();
    m_location.clear();
    m_contentLength = 0;

    if (action == THttpActions::httpIdle) {
        if (wasRunning)
            m_wait.requestInterrupt();
        m_action = THttpActions::httpIdle;
        m_stream->close(0);
        return 0;
    }

    m_action = action;
    int result = 0;
    if (action == THttpActions::httpResetHeaders) {
        m_transferredData.clear();
        resetHeaders();
    } else
        result = performRequest(action);

    WaitStep::drain(100);
    if (m_wait.interruptRequested() || m_wait.interrupted()) {
        if (result != 301)
            m_message = "Interrupted";
        result = 301;
    }
    m_action = THttpActions::httpIdle;
    return result;
}

bool HttpEngine::redirectable() const
{
    return m_action == THttpActions::httpGet || m_action == THttpActions::httpHead;
}

int HttpEngine::performRequest(THttpActions action)
{
    const char* method = methodName(action);
    const bool withBody = action == THttpActions::httpPost || action == THttpActions::httpPut;
    for (int redirects = 0;; ++redirects) {
        int result = openConnection();
        if (result == 0)
            result = sendHead(method);
        if (result == 0)
            result = withBody ? sendBody() : sendAll("\r\n");
        if (result != 0)
            return result;
        m_stream->setDelivery(true);
        result = waitForClose();
        if (result == 301)
            return result;
        // A connection the peer reset says so, rather than failing without a word.
        if (result != 0)
            m_message = describeSocketError(result);

        const StatusVerdict verdict = evaluateStatus(
            m_statusLine, m_followRedirects, redirectable(), m_location, m_target.scheme);
        switch (verdict.outcome) {
        case StatusVerdict::Outcome::Done:
            return result;
        case StatusVerdict::Outcome::Failed:
            return fail(151, verdict.message);
        case StatusVerdict::Outcome::Redirect:
            break;
        }
        if (redirects == kMaxRedirects) {
            const StatusVerdict last = evaluateStatus(
                m_statusLine, THttpFollowRedirects::frNever, false, m_location, m_target.scheme);
            return fail(151, last.message);
        }
        if (const int code = writeUrl(resolveLocation(m_target, m_location)); code != 0)
            return code;
        m_action = THttpActions::httpIdle;
        m_stream->close(0);
        while (m_stream->hasSocket()) {
            if (!m_wait.step())
                return waitEnded();
        }
        m_wait.armDeadline();
        m_statusLine.clear();
        m_location.clear();
        m_contentLength = 0;
        m_action = action;
    }
}

int HttpEngine::openConnection()
{
    m_responseState = ResponseState::AwaitingStatusLine;
    m_lineContinues = false;
    m_bodyCount = 0;
    m_localFileFailed = false;
    m_transferredHeaders.clear();
    m_transferredData.clear();
    m_stream->setLineEnd("\n");
    if (m_target.server.empty())
        return fail(152, "No server specified in URL");

    const bool viaProxy = !m_proxyServer.empty();
    if (!viaProxy && !equalsIgnoringCase(m_target.scheme, "http"))
        return fail(153, "Specified URLScheme is invalid.");
    int code = m_stream->setRemoteHost(viaProxy ? m_proxyServer : m_target.server);
    if (code == 0)
        code = m_stream->setRemotePort(viaProxy ? m_proxyPort : m_target.port);
    if (code != 0)
        return fail(code, m_stream->message());

    m_stream->setDelivery(false);
    m_connectResult.reset();
    m_closeResult.reset();
    m_lastError.reset();
    if (code = m_stream->connect(); code != 0)
        return fail(code, m_stream->message());
    while (!m_connectResult) {
        if (!m_wait.step())
            return waitEnded();
    }
    if (*m_connectResult != 0) {
        const bool reported = m_lastError && m_lastError->first == *m_connectResult;
        return fail(*m_connectResult,
            reported ? m_lastError->second : describeSocketError(*m_connectResult));
    }
    return 0;
}

int HttpEngine::waitEnded()
{
    return fail(301, m_wait.message());
}

int HttpEngine::sendAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        std::size_t sent = 0;
        const int code = m_stream->send(bytes, sent);
        bytes.remove_prefix(sent);
        if (code == win::WSAEWOULDBLOCK) {
            if (!m_wait.step())
                return waitEnded();
        } else if (code != 0)
            return fail(code, m_stream->message());
    }
    return 0;
}

int HttpEngine::sendHead(const char* method)
{
    RequestHead head;
    head.method = method;
    head.viaProxy = !m_proxyServer.empty();
    head.scheme = m_target.scheme;
    head.server = m_target.server;
    head.port = m_target.port;
    head.path = m_target.path;
    head.httpVersion = m_httpVersion;
    head.authorization = m_authorization;
    head.proxyAuthorization = m_proxyAuthorization;
    head.accept = m_accept;
    head.from = m_from;
    head.userAgent = m_userAgent;
    head.ifModifiedSince = m_ifModifiedSince;
    head.referer = m_referer;
    head.pragma = m_pragma;
    head.cookies = m_cookies;
    head.otherHeaders = m_otherHeaders;
    return sendAll(composeRequestHead(head));
}

int HttpEngine::sendBody()
{
    m_contentLength = m_postData.size();
    if (!m_contentType.empty()) {
        if (const int code = sendAll("Content-Type: " + m_contentType + "\r\n"); code != 0)
            return code;
    }
    if (!m_attachedFile.empty()) {
        std::FILE* file = std::fopen(m_attachedFile.c_str(), "rb");
        if (!file)
            return fail(302, "Can't open attached file for reading.");
        const bool sized = std::fseek(file, 0, SEEK_END) == 0;
        const long size = sized ? std::ftell(file) : -1;
        std::fclose(file);
        if (size < 0)
            return fail(302, "Can't open attached file for reading.");
        m_contentLength += static_cast<std::uint64_t>(size);
    }
    if (const int code = sendAll("Content-Length: " + std::to_string(m_contentLength) + "\r\n\r\n");
        code != 0)
        return code;
    if (m_contentLength == 0)
        return 0;

    // The server may refuse before the body is through; its status line then ends the upload.
    m_stream->setDelivery(true);
    std::int64_t sentSoFar = 0;
    const auto sendBlock = [&](std::string_view block) {
        if (const int code = sendAll(block); code != 0)
            return code;
        sentSoFar += static_cast<std::int64_t>(block.size());
        raiseTransfer(HttpEvent::Transfer, 0, sentSoFar);
        const std::size_t space = m_statusLine.find(' ');
        if (space != std::string::npos && space + 1 < m_statusLine.size()
            && m_statusLine[space + 1] != '2')
            return fail(151, m_statusLine.substr(space + 1));
        return 0;
    };
    raiseTransfer(HttpEvent::StartTransfer, 0);
    int code = m_postData.empty() ? 0 : sendBlock(m_postData);
    if (code == 0 && !m_attachedFile.empty()) {
        std::FILE* file = std::fopen(m_attachedFile.c_str(), "rb");
        if (!file)
            code = fail(302, "Can't open file for reading.");
        std::array<char, kUploadBlock> block {};
        while (file && code == 0) {
            const std::size_t got = std::fread(block.data(), 1, block.size(), file);
            if (got > 0)
                code = sendBlock(std::string_view(block.data(), got));
            if (got < block.size()) {
                if (std::ferror(file))
                    code = 6;
                break;
            }
        }
        if (file)
            std::fclose(file);
    }
    raiseTransfer(HttpEvent::EndTransfer, 0);
    return code;
}

int HttpEngine::waitForClose()
{
    while (!m_closeResult) {
        if (!m_wait.step())
            return waitEnded();
    }
    return *m_closeResult;
}

// ---- what the stream reports ---------------------------------------------------------------

void HttpEngine::connected(int code)
{
    m_connectResult = code;
    raiseReport(HttpEvent::Connected, code, reportText(code));
}

void HttpEngine::disconnected(int code)
{
    raiseTransfer(HttpEvent::EndTransfer, 1);
    closeLocalFile();
    m_closeResult = code;
    raiseReport(HttpEvent::Disconnected, code, reportText(code));
}

void HttpEngine::error(int code, const std::string& text)
{
    m_lastError = { code, text };
    raiseReport(HttpEvent::Error, code, text);
}

void HttpEngine::received(std::string_view piece, bool endsLine)
{
    // A status or header line longer than the stream's buffer comes in several pieces: the
    // first stands for the line, the rest is dropped so no line can grow without bound.
    const bool continuation = m_lineContinues;
    if (m_responseState == ResponseState::AwaitingStatusLine
        || m_responseState == ResponseState::ReadingHeaders)
        m_lineContinues = !endsLine;
    switch (m_responseState) {
    case ResponseState::AwaitingStatusLine:
        receiveStatusLine(piece, endsLine);
        return;
    case ResponseState::ReadingHeaders:
        if (!continuation)
            receiveHeader(withoutTrailingCr(piece, endsLine));
        return;
    case ResponseState::ReadingBody:
        receiveBody(piece);
        return;
    case ResponseState::Skipping:
        return;
    }
}

void HttpEngine::receiveStatusLine(std::string_view piece, bool endsLine)
{
    m_statusLine.clear();
    m_transferredHeaders.clear();
    m_transferredData.clear();
    m_bodyCount = 0;
    if (!piece.empty() && piece.front() == 'H') {
        m_statusLine = withoutTrailingCr(piece, endsLine);
        m_responseState = ResponseState::ReadingHeaders;
        return;
    }
    // No status line: a bare HTTP/0.9-style answer, all of it body.
    m_responseState = ResponseState::ReadingBody;
    m_lineContinues = false;
    m_stream->setLineEnd({});
    if (endsLine) {
        std::string withLineEnd(piece);
        withLineEnd += '\n';
        receiveBody(withLineEnd);
    } else
        receiveBody(piece);
}

void HttpEngine::receiveHeader(std::string_view line)
{
    if (line.empty()) {
        m_responseState = ResponseState::ReadingBody;
        m_lineContinues = false;
        m_stream->setLineEnd({});
        raiseTransfer(HttpEvent::StartTransfer, 1);
        return;
    }
    if (!m_transferredHeaders.append(line) || !m_transferredHeaders.append("\r\n"))
        raiseReport(HttpEvent::Error, 200, "Out of memory.");
    HeaderField header = splitHeaderLine(line);
    if (m_followRedirects != THttpFollowRedirects::frNever
        && equalsIgnoringCase(header.field, "Location")) {
        m_location = std::move(header.value);
        m_transferredHeaders.clear();
        m_responseState = ResponseState::Skipping;
        return;
    }
    const bool setsCookie = equalsIgnoringCase(header.field, "Set-Cookie");
    const std::string cookieText = setsCookie ? header.value : std::string {};
    Event event {};
    event.kind = HttpEvent::Header;
    event.field = std::move(header.field);
    event.value = std::move(header.value);
    raise(event);
    if (setsCookie) {
        Event cookie {};
        cookie.kind = HttpEvent::SetCookie;
        cookie.cookie = parseSetCookie(cookieText);
        raise(cookie);
    }
}

void HttpEngine::receiveBody(std::string_view piece)
{
    m_bodyCount += static_cast<std::int64_t>(piece.size());
    if (!m_localFile.empty() && !m_localFileHandle && !m_localFileFailed) {
        m_localFileHandle = std::fopen(m_localFile.c_str(), "wb");
        if (!m_localFileHandle) {
            raiseReport(HttpEvent::Error, 302, "Can't open local file for writing.");
            return;
        }
    }
    if (m_localFileHandle
        && std::fwrite(piece.data(), 1, piece.size(), m_localFileHandle) != piece.size()) {
        std::fclose(m_localFileHandle);
        m_localFileHandle = nullptr;
        localFileWriteFailed();
    }
    const std::size_t room = m_maxTransferredData == 0 ? piece.size()
                                                       : m_maxTransferredData
            - std::min<std::size_t>(m_transferredData.size(), m_maxTransferredData);
    if (!m_transferredData.append(piece.substr(0, std::min(room, piece.size()))))
        raiseReport(HttpEvent::Error, 200, "Error appending to TransferredData.");
    raiseTransfer(HttpEvent::Transfer, 1, m_bodyCount, piece);
}

void HttpEngine::localFileWriteFailed()
{
    // Nothing more goes to the file in this transaction: reopening it would empty it again.
    m_localFileFailed = true;
    raiseReport(HttpEvent::Error, 7, "Error writing to LocalFile.");
}

void HttpEngine::closeLocalFile()
{
    if (!m_localFileHandle)
        return;
    // A full disk may only show when the last buffered block is written out.
    const bool written = std::fclose(m_localFileHandle) == 0;
    m_localFileHandle = nullptr;
    if (!written)
        localFileWriteFailed();
}

void HttpEngine::raiseReport(HttpEvent kind, int code, std::string text) const
{
    Event event {};
    event.kind = kind;
    event.code = code;
    event.text = std::move(text);
    raise(event);
}

void HttpEngine::raiseTransfer(
    HttpEvent kind, int direction, std::int64_t bytesTransferred, std::string_view data) const
{
    Event event {};
    event.kind = kind;
    event.direction = direction;
    event.bytesTransferred = bytesTransferred;
    event.data = data;
    raise(event);
}

void HttpEngine::raise(const Event& event) const
{
    if (m_sink)
        m_sink(event);
}

} // namespace net

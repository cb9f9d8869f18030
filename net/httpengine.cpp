// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpengine.h"

#include "httprequest.h"
#include "platform/text.h"
#include "platform/win/winsock.h"
#include "socketerrors.h"
#include "sockettransport.h"

#include <algorithm>
#include <array>
#include <new>

namespace net {

namespace {

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

constexpr std::size_t kUploadBlock = 2048;

} // namespace

HttpEngine::HttpEngine(EventSink sink, const TransportSeams& seams)
    : m_sink(std::move(sink))
{
    SocketTransport::Listener& listener = *this;
    m_transport = std::make_unique<SocketTransport>(listener, seams);
    m_transport->setMaxLineSize(kReceiveBufferSize);
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
        return fail(win::WSAEINVAL, "No such method.");
    } catch (const std::bad_alloc&) {
        m_action = THttpActions::httpIdle;
        m_performing = false;
        return fail(200, "Out of memory.");
    }
}

int HttpEngine::perform(THttpActions action)
{
    if (m_action != THttpActions::httpIdle && action != THttpActions::httpIdle)
        return fail(143, "Busy performing current action.");
    const bool wasRunning = m_action != THttpActions::httpIdle;
    // An Interrupt inside an action that an earlier one already marked idle must not clear that
    // mark: the action would end as a success.
    const bool interruptingInside = action == THttpActions::httpIdle && m_performing;
    if (!interruptingInside)
        m_wait.armDeadline();
    m_message.clear();
    m_statusLine.clear();
    m_location.clear();
    m_contentLength = 0;

    if (action == THttpActions::httpIdle) {
        if (wasRunning || interruptingInside || m_resolvingWrite)
            m_wait.requestInterrupt();
        m_action = THttpActions::httpIdle;
        m_transport->close(0);
        return 0;
    }

    m_action = action;
    m_performing = true;
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
    m_performing = false;
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
        m_transport->setDelivery(true);
        result = waitForClose();
        if (result == 301)
            return result;
        if (m_responseFailure)
            return fail(kHeadersTooLarge, *m_responseFailure);
        // A connection the peer reset says so, rather than failing without a word.
        if (result != 0)
            m_message = describeSocketError(result);

        // A relative Location stays on the current scheme, so "same scheme" follows it too.
        const std::string location
            = m_location.empty() ? std::string {} : resolveLocation(m_target, m_location);
        const StatusVerdict verdict = evaluateStatus(
            m_statusLine, m_followRedirects, redirectable(), location, m_target.scheme);
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
        if (const int code = writeUrl(location); code != 0)
            return code;
        m_action = THttpActions::httpIdle;
        m_transport->close(0);
        while (m_transport->hasSocket()) {
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
    m_lineBytes = 0;
    m_bodyCount = 0;
    m_headerLines = 0;
    m_responseFailure.reset();
    m_localFileFailed = false;
    m_transferredHeaders.clear();
    m_transferredData.clear();
    m_transport->setLineEnd("\n");
    if (m_target.server.empty())
        return fail(152, "No server specified in URL");

    const bool viaProxy = !m_proxyServer.empty();
    if (!viaProxy && !platform::equalsIgnoreCase(m_target.scheme, "http"))
        return fail(153, "Specified URLScheme is invalid.");
    int code = m_transport->setRemoteHost(viaProxy ? m_proxyServer : m_target.server);
    if (code == SocketTransport::kWaitEnded)
        return waitEnded();
    if (code == 0)
        code = m_transport->setRemotePort(viaProxy ? m_proxyPort : m_target.port);
    if (code != 0)
        return fail(code, m_transport->message());

    m_transport->setDelivery(false);
    m_connectResult.reset();
    m_closeResult.reset();
    m_lastError.reset();
    if (code = m_transport->connect(); code != 0)
        return fail(code, m_transport->message());
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

int HttpEngine::resolvingWrite(const std::function<int()>& write)
{
    const bool ownWait = m_action == THttpActions::httpIdle && !m_resolvingWrite;
    if (ownWait) {
        m_wait.armDeadline();
        m_resolvingWrite = true;
    }
    const int code = write();
    if (ownWait)
        m_resolvingWrite = false;
    if (code == SocketTransport::kWaitEnded)
        return waitEnded();
    return code == 0 ? 0 : fail(code, m_transport->message());
}

bool HttpEngine::waitStep()
{
    return m_wait.step();
}

int HttpEngine::waitEnded()
{
    return fail(301, m_wait.message());
}

int HttpEngine::sendAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        std::size_t sent = 0;
        const int code = m_transport->send(bytes, sent);
        bytes.remove_prefix(sent);
        if (code == win::WSAEWOULDBLOCK) {
            if (!m_wait.step())
                return waitEnded();
        } else if (code != 0)
            return fail(code, m_transport->message());
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
    m_transport->setDelivery(true);
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

} // namespace net

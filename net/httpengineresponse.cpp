// SPDX-License-Identifier: GPL-3.0-or-later
// What the transport reports during a transaction: the response, piece by piece, and the events.
#include "httpengine.h"
#include "platform/text.h"
#include "socketerrors.h"

#include <algorithm>

namespace net {

namespace {

std::string_view withoutTrailingCr(std::string_view line, bool endsLine)
{
    if (endsLine && !line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

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
    // A status or header line longer than the transport's buffer comes in several pieces: the
    // first stands for the line, the rest is dropped; a line longer than all the headers may be
    // fails the request at once, so a line without end is not read for ever.
    const bool continuation = m_lineContinues;
    if (m_responseState == ResponseState::AwaitingStatusLine
        || m_responseState == ResponseState::ReadingHeaders) {
        m_lineContinues = !endsLine;
        m_lineBytes = (continuation ? m_lineBytes : 0) + piece.size();
        if (m_lineBytes > kMaxHeaderBytes) {
            headersTooLarge();
            return;
        }
    }
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
    m_transport->setLineEnd({});
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
        m_transport->setLineEnd({});
        raiseTransfer(HttpEvent::StartTransfer, 1);
        return;
    }
    if (++m_headerLines > kMaxHeaderLines
        || m_transferredHeaders.size() + line.size() + 2 > kMaxHeaderBytes) {
        headersTooLarge();
        return;
    }
    if (!m_transferredHeaders.append(line) || !m_transferredHeaders.append("\r\n"))
        raiseReport(HttpEvent::Error, 200, "Out of memory.");
    HeaderField header = splitHeaderLine(line);
    if (m_followRedirects != THttpFollowRedirects::frNever && isRedirectStatus(m_statusLine)
        && platform::equalsIgnoreCase(header.field, "Location")) {
        m_location = std::move(header.value);
        m_transferredHeaders.clear();
        m_responseState = ResponseState::Skipping;
        return;
    }
    const bool setsCookie = platform::equalsIgnoreCase(header.field, "Set-Cookie");
    const std::string cookieText = setsCookie ? header.value : std::string {};
    Event event;
    event.kind = HttpEvent::Header;
    event.field = std::move(header.field);
    event.value = std::move(header.value);
    raise(event);
    if (setsCookie) {
        Event cookie;
        cookie.kind = HttpEvent::SetCookie;
        cookie.cookie = parseSetCookie(cookieText);
        raise(cookie);
    }
}

void HttpEngine::headersTooLarge()
{
    m_responseFailure = "The response headers of " + m_target.server + " exceed "
        + std::to_string(kMaxHeaderLines) + " lines or " + std::to_string(kMaxHeaderBytes / 1024)
        + " KiB.";
    raiseReport(HttpEvent::Error, kHeadersTooLarge, *m_responseFailure);
    // Nothing more of this response is read; the close comes once this piece is handled.
    m_responseState = ResponseState::Skipping;
    m_transport->close(0);
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
    Event event;
    event.kind = kind;
    event.code = code;
    event.text = std::move(text);
    raise(event);
}

void HttpEngine::raiseTransfer(
    HttpEvent kind, int direction, std::int64_t bytesTransferred, std::string_view data) const
{
    Event event;
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

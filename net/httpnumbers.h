// SPDX-License-Identifier: GPL-3.0-or-later
// How the HTTP component addresses its engine: properties, methods and events by number, and the
// stored values of its enumerations.
#pragma once

namespace net {

// Numbered in alphabetical order of the names, from 1.
enum class HttpProperty {
    Accept = 1,
    Action = 2,
    AttachedFile = 3,
    Authorization = 4,
    Connected = 5,
    ContentType = 6,
    CookieCount = 7,
    CookieName = 8,
    CookieValue = 9,
    FirewallData = 10,
    FirewallHost = 11,
    FirewallPassword = 12,
    FirewallPort = 13,
    FirewallType = 14,
    FirewallUser = 15,
    FollowRedirects = 16,
    From = 17,
    HTTPVersion = 19,
    IfModifiedSince = 20,
    LocalFile = 21,
    LocalHost = 22,
    MaxTransferredData = 23,
    OtherHeaders = 24,
    Password = 25,
    PostData = 26,
    Pragma = 27,
    ProxyAuthorization = 28,
    ProxyPassword = 29,
    ProxyPort = 30,
    ProxyServer = 31,
    ProxyUser = 32,
    Referer = 33,
    SocketHandle = 34,
    StatusLine = 35,
    Timeout = 36,
    TransferredData = 37,
    TransferredHeaders = 38,
    URL = 39,
    URLPath = 40,
    URLPort = 41,
    URLScheme = 42,
    URLServer = 43,
    User = 44,
    UserAgent = 45,
    WinsockInfo = 46,
    WinsockLoaded = 47,
    WinsockMaxDatagramSize = 48,
    WinsockMaxSockets = 49,
    WinsockPath = 50,
    WinsockStatus = 51,
};

// The engine's methods by number: entry points, not kinds of request. The kind of a request is
// THttpActions alone (the Action property's values, which number the same requests otherwise);
// HttpEngine::call is the one place that says which action each method performs.
enum class HttpMethod {
    AddCookie = 1,
    ProcessEvents = 2,
    Get = 3,
    Head = 4,
    Interrupt = 5,
    Post = 6,
    Put = 7,
    ResetHeaders = 8,
};

enum class HttpEvent {
    Connected = 1,
    Disconnected = 2,
    EndTransfer = 3,
    Error = 4,
    Header = 5,
    SetCookie = 6,
    StartTransfer = 7,
    Transfer = 8,
};

// What the engine is doing, or is asked to do by a write of Action: the one request kind.
enum class THttpActions {
    httpIdle = 0,
    httpGet = 1,
    httpPost = 2,
    httpHead = 3,
    httpResetHeaders = 4,
    httpPut = 5,
};

} // namespace net

// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpstatus.h"

namespace net {

namespace {

std::string_view statusOf(std::string_view statusLine)
{
    const std::size_t space = statusLine.find(' ');
    return space == std::string_view::npos ? statusLine : statusLine.substr(space + 1);
}

} // namespace

bool isRedirectStatus(std::string_view statusLine)
{
    const std::string_view status = statusOf(statusLine);
    return status.size() >= 3 && status.starts_with("30") && status[2] != '4' && status[2] != '5';
}

StatusVerdict evaluateStatus(std::string_view statusLine, THttpFollowRedirects follow,
    bool redirectable, std::string_view location, std::string_view scheme)
{
    using Outcome = StatusVerdict::Outcome;
    if (statusLine.empty())
        return {}; // no status line at all counts as success
    const std::string_view status = statusOf(statusLine);
    if (status.starts_with('2'))
        return {};
    const bool redirection = isRedirectStatus(statusLine);
    const bool schemeAllowed = follow != THttpFollowRedirects::frSameScheme
        || (location.starts_with(scheme) && location.substr(scheme.size()).starts_with(':'));
    if (follow != THttpFollowRedirects::frNever && redirectable && redirection && !location.empty()
        && schemeAllowed)
        return { Outcome::Redirect, {} };
    return { Outcome::Failed, std::string(status) };
}

} // namespace net

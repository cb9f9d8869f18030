// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace net {

enum class THttpFollowRedirects {
    frNever,
    frAlways,
    frSameScheme,
};

// What a finished request's status line means for the action.
struct StatusVerdict
{
    enum class Outcome {
        Done, // the result stands
        Failed, // 151 with the status text as message
        Redirect, // fetch `location` with the same action
    };
    Outcome outcome = Outcome::Done;
    std::string message; // the status code and reason phrase, for Failed
};

// Whether a status line may send the client elsewhere: 30x, but never 304 or 305. Only such a
// response's Location is taken; any other keeps its body.
bool isRedirectStatus(std::string_view statusLine);

// `redirectable` is true for GET and HEAD. A redirect needs a captured Location, already
// resolved against the current URL; 304 and 305 are never followed.
StatusVerdict evaluateStatus(std::string_view statusLine, THttpFollowRedirects follow,
    bool redirectable, std::string_view location, std::string_view scheme);

} // namespace net

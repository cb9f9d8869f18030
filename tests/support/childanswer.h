// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs `work` in a child process, for what must not touch the test's own (a mount namespace,
// another user id), and returns the text it answered; none when the child could not be made or
// did not end by answering (it crashed, or `work` ended it with _exit).
inline std::optional<std::string> answerOfChild(const std::function<std::string()>& work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string answer = work();
        std::size_t written = 0;
        while (written < answer.size()) {
            const ssize_t put
                = ::write(pipeEnds[1], answer.data() + written, answer.size() - written);
            if (put <= 0)
                ::_exit(1);
            written += static_cast<std::size_t>(put);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return answer;
}

} // namespace testing_support

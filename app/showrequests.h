// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSocketNotifier;

// The running instance's door for a second start: a Unix stream socket beside the
// single-instance lock, in a folder only the user can write, readable and writable by the user
// alone. The one request it understands is "show\n" from a process of the same user; anything
// else is dropped unanswered.
class ShowRequests : public QObject
{
public:
    static constexpr const char* kSocketName = "OrvikVantrel.socket";
    static constexpr std::string_view kShow = "show\n";

    // Listens in `folder` (whose lock this process holds, so any socket left there is a dead
    // run's); the problem, naming the file, when it cannot.
    static std::optional<std::string> listen(const std::filesystem::path& folder, int& listener);
    // From a second start: asks the instance listening in `folder` to show its window; the
    // problem, naming the file, when it cannot be asked.
    static std::optional<std::string> askToShow(const std::filesystem::path& folder);

    // Takes over `listener` (from listen() in `folder`), and removes its socket at the end;
    // `onShow` runs on the GUI thread for each valid request.
    ShowRequests(int listener, const std::filesystem::path& folder, std::function<void()> onShow);
    ~ShowRequests() override;
    ShowRequests(const ShowRequests&) = delete;
    ShowRequests& operator=(const ShowRequests&) = delete;

private:
    void accept();
    void read(int fd);
    void drop(int fd);

    int m_listener;
    std::filesystem::path m_file;
    std::function<void()> m_onShow;
    QSocketNotifier* m_notifier = nullptr;
    struct Pending;
    std::vector<std::unique_ptr<Pending>> m_pending;
};

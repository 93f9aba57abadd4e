// The --progress status line on standard error:
//
//     1234/5000 documents, 87 addresses, 3 unread
//
// rewritten in place (carriage return, no terminal escapes, so it reads the
// same in a log) at most ten times a second, and erased at the end.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>

namespace harvelux::cli {

std::string progressText(std::size_t done, std::size_t total, std::size_t addresses, std::size_t unread);

class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kInterval{100};

    explicit ProgressLine(std::ostream& out, Clock clock = &std::chrono::steady_clock::now);
    // Shows the counts, unless the line was written less than kInterval ago.
    void update(std::size_t done, std::size_t total, std::size_t addresses, std::size_t unread);
    // Erases the line, when one was shown.
    void clear();

private:
    std::ostream& out_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastShown_{};
    bool shown_ = false;
    std::size_t width_ = 0;  // of the line on screen
};

}  // namespace harvelux::cli

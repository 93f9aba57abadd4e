#include "cli/ProgressLine.h"

#include <ostream>

namespace harvelux::cli {

std::string progressText(std::size_t done, std::size_t total, std::size_t addresses, std::size_t unread) {
    return std::to_string(done) + "/" + std::to_string(total) + " documents, " + std::to_string(addresses) +
           (addresses == 1 ? " address, " : " addresses, ") + std::to_string(unread) + " unread";
}

ProgressLine::ProgressLine(std::ostream& out, Clock clock) : out_(out), clock_(std::move(clock)) {}

void ProgressLine::update(std::size_t done, std::size_t total, std::size_t addresses, std::size_t unread) {
    const auto now = clock_();
    if (shown_ && now - lastShown_ < kInterval) return;
    const std::string text = progressText(done, total, addresses, unread);
    // A shorter line than the one before covers the rest of it with spaces.
    const std::size_t padding = width_ > text.size() ? width_ - text.size() : 0;
    out_ << '\r' << text << std::string(padding, ' ') << std::flush;
    width_ = text.size() + padding;
    shown_ = true;
    lastShown_ = now;
}

void ProgressLine::clear() {
    if (!shown_) return;
    out_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    shown_ = false;
    width_ = 0;
}

}  // namespace harvelux::cli

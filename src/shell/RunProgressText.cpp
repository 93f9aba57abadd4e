#include "shell/RunProgressText.h"

#include <algorithm>
#include <cstdlib>

namespace harvelux::shell {

std::string groupedCount(long long n) {
    const std::string digits = std::to_string(std::llabs(n));
    std::string grouped = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string timeLeftText(std::chrono::seconds left) {
    const long long s = left.count();
    if (s < 60) {
        // To the next 5 seconds, never "0 s".
        const long long rounded = std::max(5LL, (s + 4) / 5 * 5);
        return "about " + std::to_string(rounded) + " s left";
    }
    const long long minutes = (s + 30) / 60;
    if (minutes < 90) return "about " + std::to_string(minutes) + " min left";
    const long long hours = minutes / 60;
    const long long rest = minutes % 60;
    return "about " + std::to_string(hours) + " h" + (rest ? " " + std::to_string(rest) + " min" : "") + " left";
}

RunProgressText::RunProgressText(Clock clock) : clock_(std::move(clock)) {}

void RunProgressText::begin(std::vector<std::string> modes) {
    modes_ = std::move(modes);
    started_ = clock_();
    estimated_ = started_;
    left_.reset();
}

std::string RunProgressText::at(int index, int count) {
    std::string text = "Extracting emails.. " + groupedCount(index) + " of " + groupedCount(count) +
                       (count == 1 ? " document" : " documents");
    for (const std::string& mode : modes_) text += " \u00B7 " + mode;

    const auto now = clock_();
    // The time is measured from the first document on: a question before
    // it (a word processor still open) is no part of the reading.
    if (index <= 1) {
        started_ = now;
        estimated_ = now;
        left_.reset();
    }
    const auto elapsed = now - started_;
    const int done = index - 1;
    if (done >= 1 && elapsed >= kFirstEstimateAfter && (!left_ || now - estimated_ >= kEstimateInterval)) {
        const auto perDocument = elapsed / done;
        left_ = std::chrono::duration_cast<std::chrono::seconds>(perDocument * (count - done));
        estimated_ = now;
    }
    if (left_) text += " \u00B7 " + timeLeftText(*left_);
    return text + " \u00B7 Esc to stop";
}

}  // namespace harvelux::shell

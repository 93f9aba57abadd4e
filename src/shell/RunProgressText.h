// The progress bar's text while a run reads:
//
//     "Extracting emails.. 120 of 5,000 documents · about 2 min left · Esc to stop"
//
// the document being read and the list's count, the modes the run uses
// ("whole documents"), and the time left once the run has gone on long
// enough to estimate it from the documents done so far.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvelux::shell {

// 5000 -> "5,000".
std::string groupedCount(long long n);

// "about 40 s left", "about 2 min left", "about 3 h 10 min left".
std::string timeLeftText(std::chrono::seconds left);

class RunProgressText {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // No estimate is shown before the run has gone on this long.
    static constexpr std::chrono::seconds kFirstEstimateAfter{3};
    // The estimate shown changes at most this often, so it does not flicker.
    static constexpr std::chrono::seconds kEstimateInterval{1};

    explicit RunProgressText(Clock clock = &std::chrono::steady_clock::now);

    // A new run, with the modes to name ("whole documents", ...).
    void begin(std::vector<std::string> modes);
    // The text as document `index` (from 1) of `count` starts.
    std::string at(int index, int count);

private:
    Clock clock_;
    std::vector<std::string> modes_;
    std::chrono::steady_clock::time_point started_{};
    std::chrono::steady_clock::time_point estimated_{};
    std::optional<std::chrono::seconds> left_;
};

}  // namespace harvelux::shell

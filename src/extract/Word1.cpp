#include "extract/Word1.h"

#include "common/ErrorReport.h"

#include <memory>
#include <stdexcept>

namespace harvelux::extract {

namespace {
// What a call on an engine instance that was never started reports.
constexpr const char* kNoInstance = "Object variable or With block variable not set";
}  // namespace

using platform::PointerShape;

Word1::Word1(wordproc::ApplicationFactory& engine, platform::Platform& platform, platform::Pointer& pointer,
             std::function<bool()> isRunning)
    : engine_(engine), platform_(platform), pointer_(pointer), isRunning_(std::move(isRunning)) {}

std::string Word1::ReturnDocumentString(const std::string& path) {
    // Starting the engine is reported (and the steps after it still run);
    // any failure from opening the document on is silent and gives "".
    ErrorTrap trap(platform_, "Word1", "ReturnDocumentString");
    std::unique_ptr<wordproc::Application> word;
    trap.step(100, [&] { pointer_.set(PointerShape::Hourglass); });
    trap.step(102, [&] { word = engine_.create(); });
    trap.step(104, [&] { pointer_.set(PointerShape::Hourglass); });

    try {
        if (!word) throw std::runtime_error(kNoInstance);                  // 106
        const std::unique_ptr<wordproc::Document> document = word->open(path);
        pointer_.set(PointerShape::Hourglass);                             // 108
        const wordproc::Range range = document->content();                 // 110
        pointer_.set(PointerShape::Hourglass);                             // 112
        std::string text = range.text();                                   // 114
        pointer_.set(PointerShape::Hourglass);                             // 116
        document->close();                                                 // 118
        pointer_.set(PointerShape::Hourglass);                             // 120
        word->quit();                                                      // 122
        return text;                                                       // 124
    } catch (...) {
        // 126-130. Quitting an instance that never started fails in turn;
        // that error is the caller's to report.
        if (onUnreadable_) onUnreadable_(path, describeException(std::current_exception()));
        if (!word) throw std::runtime_error(kNoInstance);
        word->quit();
        pointer_.set(PointerShape::Hourglass);
        return std::string();
    }
}

bool Word1::IsWordRunning() {
    try {
        return isRunning_ && isRunning_();
    } catch (...) {
        return false;
    }
}

bool Word1::WarnIfWordOpen() {
    if (!IsWordRunning()) return false;
    return !platform::askYesNo(platform_, kWordOpenWarning);
}

}  // namespace harvelux::extract

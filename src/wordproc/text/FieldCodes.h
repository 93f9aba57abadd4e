// Keeps the instructions of a story's fields while it is read in order, and
// hands each complete instruction to OtherStories (which keeps the targets
// of mailto: hyperlinks). Follows the same begin / separate / end calls as
// FieldStack; fields nest.
#pragma once

#include "wordproc/text/OtherStories.h"
#include "wordproc/text/ReaderCaps.h"

#include <string>
#include <string_view>
#include <vector>

namespace harvelux::wordproc {

class FieldCodes {
public:
    // Without a sink every call does nothing.
    explicit FieldCodes(OtherStories* sink) : sink_(sink) {}

    void begin() {
        if (!sink_ || open_.size() >= kMaxNesting) return;
        open_.push_back({std::string(), true});
    }
    void separate() {
        if (!sink_ || open_.empty() || !open_.back().inCode) return;
        open_.back().inCode = false;
        finish(open_.back().code);
    }
    void end() {
        if (!sink_ || open_.empty()) return;
        if (open_.back().inCode) finish(open_.back().code);
        open_.pop_back();
    }
    // Text of the story; kept when it belongs to the innermost field's code.
    void text(std::string_view utf8) {
        if (!sink_ || open_.empty() || !open_.back().inCode) return;
        std::string& code = open_.back().code;
        if (code.size() < kMaxCodeBytes) code.append(utf8.substr(0, kMaxCodeBytes - code.size()));
    }
    bool recording() const { return sink_ != nullptr; }

private:
    static constexpr std::size_t kMaxCodeBytes = 4096;
    struct Field {
        std::string code;
        bool inCode;
    };
    void finish(std::string& code) {
        sink_->addFieldCode(code);
        code.clear();
    }
    OtherStories* sink_;
    std::vector<Field> open_;
};

}  // namespace harvelux::wordproc
